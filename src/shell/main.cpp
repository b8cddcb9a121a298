#include <QApplication>
#include <QLocale>

#include "entry/Formato.h"
#include "shell/Arranque.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  return dorvelna::Main(aplicacion);
}
