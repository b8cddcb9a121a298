#include "shell/Carpetas.h"

#include <QCoreApplication>

namespace dorvelna {

namespace {
QString& Fijada() {
  static QString carpeta;
  return carpeta;
}
}  // namespace

QString CarpetaPrograma() {
  return Fijada().isEmpty() ? QCoreApplication::applicationDirPath() : Fijada();
}

void FijarCarpetaPrograma(const QString& carpeta) { Fijada() = carpeta; }

}  // namespace dorvelna
