#pragma once

#include <QStringList>

class QApplication;

namespace dorvelna {

// "dorvelna --comprobar [clase]": comprueba una instalación o una carpeta desempaquetada.
// Arranca la ventana principal sin presentación, abre con "Tipo de Autocar" la clase pedida
// (0 a 3; por omisión 0), como lo haría el usuario, y escribe dónde ha encontrado el
// programa sus archivos. Devuelve 0 si la clase quedó abierta y 1 si no.
bool PideComprobacion(const QStringList& argumentos);
int Comprobar(QApplication& aplicacion);

}  // namespace dorvelna
