#include <QApplication>
#include <QTextStream>

#include "app/LineaOrdenes.h"
#include "gui/ventana/Arranque.h"
#include "gui/ventana/Comprobacion.h"
#include "gui/ventana/ExportarSinVentana.h"

int main(int argc, char* argv[]) {
  // El uso y la versión se contestan antes de crear la aplicación: sin pantalla ni ventana.
  QStringList crudos;
  for (int i = 0; i < argc; ++i) crudos << QString::fromLocal8Bit(argv[i]);
  const dorvelna::Orden previa = dorvelna::LeerOrden(crudos);
  if (previa.tipo == dorvelna::Orden::Tipo::Ayuda) {
    QTextStream(stdout) << dorvelna::TextoUso();
    return 0;
  }
  if (previa.tipo == dorvelna::Orden::Tipo::Version) {
    QTextStream(stdout) << dorvelna::LineaVersion();
    return 0;
  }

  QApplication aplicacion(argc, argv);
  if (dorvelna::PideComprobacion(aplicacion.arguments())) return dorvelna::Comprobar(aplicacion);
  if (dorvelna::PideExportacion(aplicacion.arguments())) {
    return dorvelna::ExportarSinVentana(aplicacion);
  }
  const dorvelna::Orden orden = dorvelna::LeerOrden(aplicacion.arguments());
  if (orden.tipo != dorvelna::Orden::Tipo::Ventana) {
    QTextStream(stderr) << dorvelna::TextoUso();
    return 2;
  }
  return dorvelna::Main(aplicacion, true, orden.archivo);
}
