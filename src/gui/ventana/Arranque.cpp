#include "gui/ventana/Arranque.h"

#include <QApplication>

#include "gui/comun/Dibujos.h"
#include "gui/comun/frmSplash.h"

namespace dorvelna {

void PrepararAplicacion(QApplication& aplicacion) {
  aplicacion.setApplicationName(QStringLiteral("Dorvelna"));
  aplicacion.setWindowIcon(IconoPrograma());
#ifdef DORVELNA_ID
  // Enlaza las ventanas con la entrada instalada del menú de aplicaciones.
  aplicacion.setDesktopFileName(QStringLiteral(DORVELNA_ID));
#endif
  QFont letra = aplicacion.font();
  letra.setPointSizeF(8.25);
  aplicacion.setFont(letra);
}

std::unique_ptr<VentanaPrincipal> AbrirPrograma(Entorno entorno, bool mostrarNueva) {
  auto ventana = std::make_unique<VentanaPrincipal>(std::move(entorno));
  ventana->show();
  ventana->Cargar(mostrarNueva);
  return ventana;
}

int Main(QApplication& aplicacion, bool conPresentacion) {
  PrepararAplicacion(aplicacion);
  if (conPresentacion) MostrarPresentacion();
  const auto ventana = AbrirPrograma();
  return aplicacion.exec();
}

}  // namespace dorvelna
