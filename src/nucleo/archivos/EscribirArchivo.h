#pragma once

#include <QString>
#include <optional>

#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/GrabacionDeUnaVez.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Graba ValoresS (con la fecha de hoy) y ValoresO en la ruta, sustituyendo el archivo de
// una vez: si algo falla, el archivo anterior queda intacto y el cálculo no cambia.
// Tras grabar, ValoresGrabados y la fecha de S quedan al día.
std::optional<FalloArchivo> EscribirArchivo(Calculo& calculo, const QString& ruta,
                                            const Intermediario& intermediario = {});

}  // namespace dorvelna
