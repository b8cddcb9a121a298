#pragma once

class QApplication;

namespace dorvelna {

// Letra, icono y estado inicial del programa (también para las pruebas).
void PrepararAplicacion(QApplication& aplicacion);
// Arranque del programa: estado inicial, presentación y ventana principal.
int Main(QApplication& aplicacion, bool conPresentacion = true);

}  // namespace dorvelna
