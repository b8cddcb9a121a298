#pragma once

#include <QString>

namespace dorvelna {

// Carpeta del programa, donde están el Calibrario y las ayudas. Las pruebas pueden
// sustituirla por otra.
QString CarpetaPrograma();
void FijarCarpetaPrograma(const QString& carpeta);

}  // namespace dorvelna
