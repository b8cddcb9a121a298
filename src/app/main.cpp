#include <QApplication>
#include <QLocale>

#include "nucleo/entrada/Formato.h"
#include "gui/ventana/Arranque.h"
#include "gui/ventana/Comprobacion.h"
#include "gui/ventana/ExportarSinVentana.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  if (dorvelna::PideComprobacion(aplicacion.arguments())) return dorvelna::Comprobar(aplicacion);
  if (dorvelna::PideExportacion(aplicacion.arguments())) {
    return dorvelna::ExportarSinVentana(aplicacion);
  }
  return dorvelna::Main(aplicacion);
}
