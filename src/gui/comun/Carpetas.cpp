#include "gui/comun/Carpetas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "gui/comun/Entorno.h"

namespace dorvelna {

namespace {

struct Sitio {
  QString carpeta;
  bool instalada;  // la carpeta de datos del sistema, no una carpeta propia del programa
};

bool TieneCalibrario(const QString& carpeta) {
  return QFileInfo(carpeta + QStringLiteral("/Calibrario")).isDir();
}

// La instalación deja los datos en una carpeta que se encuentra desde el ejecutable por un
// camino relativo, así que una instalación movida a otro prefijo sigue funcionando; la ruta
// absoluta del prefijo de construcción queda como último recurso.
Sitio Localizar(const QString& fijada) {
  if (!fijada.isEmpty()) return {fijada, false};
  const QString ejecutable = QCoreApplication::applicationDirPath();
  if (TieneCalibrario(ejecutable)) return {ejecutable, false};
#ifdef DORVELNA_DATOS_RELATIVOS
  const QString relativa =
      QDir::cleanPath(ejecutable + QLatin1Char('/') + QStringLiteral(DORVELNA_DATOS_RELATIVOS));
  if (TieneCalibrario(relativa)) return {relativa, true};
#endif
#ifdef DORVELNA_DATOS_INSTALADOS
  const QString absoluta = QStringLiteral(DORVELNA_DATOS_INSTALADOS);
  if (TieneCalibrario(absoluta)) return {absoluta, true};
#endif
  // Sin Calibrario en ningún sitio: el programa lo dirá al abrir una clase.
  return {ejecutable, false};
}

}  // namespace

QString CarpetaPrograma(const Entorno& entorno) {
  return Localizar(entorno.carpetaPrograma).carpeta;
}

QString CarpetaCalculos(const Entorno& entorno) {
  const Sitio sitio = Localizar(entorno.carpetaPrograma);
  if (!sitio.instalada && QFileInfo(sitio.carpeta).isWritable()) {
    return sitio.carpeta + QStringLiteral("/Cálculos");
  }
  QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documentos.isEmpty()) documentos = QDir::homePath();
  const QString calculos = documentos + QStringLiteral("/Cálculos");
  QDir().mkpath(calculos);
  return calculos;
}

}  // namespace dorvelna
