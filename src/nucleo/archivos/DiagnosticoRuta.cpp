#include "nucleo/archivos/DiagnosticoRuta.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>

namespace dorvelna {

namespace {

#ifdef NAME_MAX
constexpr qsizetype kNombreMaximo = NAME_MAX;
#else
constexpr qsizetype kNombreMaximo = 255;
#endif
#ifdef PATH_MAX
constexpr qsizetype kRutaMaxima = PATH_MAX;
#else
constexpr qsizetype kRutaMaxima = 4096;
#endif

}  // namespace

std::optional<FalloArchivo> ComprobarRuta(const QString& ruta) {
  // Un NUL cortaría la ruta al pasarla al sistema y abriría otro archivo.
  if (ruta.isEmpty() || ruta.contains(QChar(u'\0'))) return FalloArchivo::NombreNoValido;
  const QByteArray nativa = QFile::encodeName(ruta);
  if (nativa.size() >= kRutaMaxima) return FalloArchivo::NombreNoValido;
  for (const QByteArray& parte : nativa.split('/')) {
    if (parte.size() > kNombreMaximo) return FalloArchivo::NombreNoValido;
  }
  if (QFileInfo(ruta).isDir()) return FalloArchivo::AccesoDenegado;
  return std::nullopt;
}

FalloArchivo DiagnosticarApertura(const QString& ruta, bool paraEscribir) {
  const QFileInfo info(ruta);
  if (info.isDir()) return FalloArchivo::AccesoDenegado;
  const QFileInfo carpeta(info.absolutePath());
  if (!carpeta.isDir()) return FalloArchivo::CarpetaNoExiste;
  // Sin permiso para recorrer la carpeta, el archivo parece no existir aunque exista.
  if (!paraEscribir && !info.exists() && carpeta.isExecutable()) return FalloArchivo::NoEncontrado;
  return FalloArchivo::AccesoDenegado;
}

}  // namespace dorvelna
