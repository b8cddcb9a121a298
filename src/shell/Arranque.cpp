#include "shell/Arranque.h"

#include <QApplication>

#include "entry/Formato.h"
#include "shell/Dibujos.h"
#include "shell/Globales.h"
#include "shell/VentanaPrincipal.h"
#include "shell/frmSplash.h"

namespace dorvelna {

void PrepararAplicacion(QApplication& aplicacion) {
  aplicacion.setApplicationName(QStringLiteral("Dorvelna"));
  aplicacion.setWindowIcon(IconoPrograma());
  QFont letra = aplicacion.font();
  letra.setPointSizeF(8.25);
  aplicacion.setFont(letra);
}

int Main(QApplication& aplicacion, bool conPresentacion) {
  PrepararAplicacion(aplicacion);
  NombreArchivo.clear();
  SeparadorDecimal = ObtenerSeparadorDecimal();
  MostrarCeros = false;
  if (conPresentacion) MostrarPresentacion();

  VentanaPrincipal ventana(Programa());
  ventana.show();
  ventana.Cargar();
  return aplicacion.exec();
}

}  // namespace dorvelna
