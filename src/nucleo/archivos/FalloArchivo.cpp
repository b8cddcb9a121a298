#include "nucleo/archivos/FalloArchivo.h"

namespace dorvelna {

const char* NombreFallo(FalloArchivo fallo) {
  switch (fallo) {
    case FalloArchivo::NoEncontrado: return "NoEncontrado";
    case FalloArchivo::CarpetaNoExiste: return "CarpetaNoExiste";
    case FalloArchivo::AccesoDenegado: return "AccesoDenegado";
    case FalloArchivo::NombreNoValido: return "NombreNoValido";
    case FalloArchivo::ArchivoDanado: return "ArchivoDanado";
  }
  return "ArchivoDanado";
}

QString MensajeFallo(FalloArchivo fallo) {
  switch (fallo) {
    case FalloArchivo::NombreNoValido: return QStringLiteral("El nombre de archivo no es válido.");
    case FalloArchivo::NoEncontrado: return QStringLiteral("Archivo no encontrado.");
    case FalloArchivo::AccesoDenegado:
      return QStringLiteral("Error de acceso a la ruta o al archivo.");
    case FalloArchivo::CarpetaNoExiste: return QStringLiteral("El subdirectorio no existe.");
    case FalloArchivo::ArchivoDanado: break;
  }
  return QStringLiteral("Archivo en mal estado.");
}

}  // namespace dorvelna
