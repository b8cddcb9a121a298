#include "gui/ventana/Arranque.h"

#include <QApplication>
#include <QFileInfo>

#include "gui/comun/Dibujos.h"
#include "gui/comun/frmSplash.h"
#include "gui/ventana/AbrirCalculo.h"

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

void Empezar(VentanaPrincipal& ventana, const QString& archivo) {
  if (archivo.isEmpty()) {
    ventana.Cargar();
    return;
  }
  ventana.Cargar(false);
  // Con la ruta completa, "Grabar" escribe donde estaba el archivo aunque se diera relativa.
  const QString ruta = QFileInfo(archivo).absoluteFilePath();
  if (AbrirCalculo(ventana.Estado(), ruta, &ventana, ventana.EntornoPrograma())) {
    ventana.CargarPatillas();
  } else {
    ventana.MostrarNueva();
  }
}

int Main(QApplication& aplicacion, bool conPresentacion, const QString& archivo) {
  PrepararAplicacion(aplicacion);
  if (conPresentacion) MostrarPresentacion();
  VentanaPrincipal ventana;
  ventana.show();
  Empezar(ventana, archivo);
  return aplicacion.exec();
}

}  // namespace dorvelna
