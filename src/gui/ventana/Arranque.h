#pragma once

#include <QString>

class QApplication;

namespace dorvelna {

// Letra, icono y estado inicial del programa (también para las pruebas).
void PrepararAplicacion(QApplication& aplicacion);
class VentanaPrincipal;

// Arranque del programa: estado inicial, presentación y ventana principal, con el cálculo
// `archivo` abierto si se da uno.
int Main(QApplication& aplicacion, bool conPresentacion = true, const QString& archivo = {});
// La ventana recién mostrada empieza con "Tipo de Cálculo" o, si se da, abriendo `archivo`;
// si no se puede abrir, tras su mensaje, con "Tipo de Cálculo" igualmente.
void Empezar(VentanaPrincipal& ventana, const QString& archivo);

}  // namespace dorvelna
