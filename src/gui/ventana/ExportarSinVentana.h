#pragma once

#include <QStringList>

class QApplication;

namespace dorvelna {

// "dorvelna --exportar ARCHIVO SALIDA": la exportación de un cálculo guardado (o de una clase
// del Calibrario) a SALIDA, un PDF o un libro .xlsx según su extensión, sin enseñar ninguna
// ventana. Devuelve 0 si quedó grabada, 1 si no (con el motivo en la salida de errores) y 2
// si la llamada no es válida.
bool PideExportacion(const QStringList& argumentos);
int ExportarSinVentana(QApplication& aplicacion);

}  // namespace dorvelna
