#include <QApplication>
#include <QLocale>

#include "entry/Formato.h"
#include "shell/Arranque.h"
#include "shell/Comprobacion.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  if (dorvelna::PideComprobacion(aplicacion.arguments())) return dorvelna::Comprobar(aplicacion);
  return dorvelna::Main(aplicacion);
}
