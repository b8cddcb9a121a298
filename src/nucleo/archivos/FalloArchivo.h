#pragma once

#include <QString>

namespace dorvelna {

// Clase de fallo al abrir, leer o grabar un archivo de cálculo.
enum class FalloArchivo {
  NoEncontrado,
  CarpetaNoExiste,
  AccesoDenegado,
  NombreNoValido,
  ArchivoDanado,
};

// Nombre del fallo tal como se escribe en el código ("NoEncontrado", ...).
const char* NombreFallo(FalloArchivo fallo);

// Mensaje que da el diálogo de abrir y grabar para cada fallo.
QString MensajeFallo(FalloArchivo fallo);

}  // namespace dorvelna
