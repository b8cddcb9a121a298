#pragma once

#include <QString>
#include <optional>

#include "nucleo/archivos/FalloArchivo.h"

namespace dorvelna {

// Lo que puede decirse de una ruta antes de abrirla: un nombre que el sistema no admite
// (vacío, con un NUL, demasiado largo) o una carpeta dada como archivo.
std::optional<FalloArchivo> ComprobarRuta(const QString& ruta);

// Por qué no pudo abrirse una ruta que pasó ComprobarRuta.
FalloArchivo DiagnosticarApertura(const QString& ruta, bool paraEscribir);

}  // namespace dorvelna
