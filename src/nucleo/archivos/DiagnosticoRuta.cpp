#include "nucleo/archivos/DiagnosticoRuta.h"

#include <QFileInfo>
#include <climits>
#include <sys/stat.h>

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

std::optional<FalloArchivo> ComprobarRuta(const QByteArray& nativa) {
  // Un NUL cortaría la ruta al pasarla al sistema y abriría otro archivo.
  if (nativa.isEmpty() || nativa.contains('\0')) return FalloArchivo::NombreNoValido;
  if (nativa.size() >= kRutaMaxima) return FalloArchivo::NombreNoValido;
  for (const QByteArray& parte : nativa.split('/')) {
    if (parte.size() > kNombreMaximo) return FalloArchivo::NombreNoValido;
  }
  // Con stat y no con QFileInfo: el nombre puede no ser UTF-8 y QString no lo guardaría.
  struct stat datos;
  if (::stat(nativa.constData(), &datos) == 0 && !S_ISREG(datos.st_mode)) {
    return FalloArchivo::AccesoDenegado;
  }
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
