#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Dispositivo que se interpone entre el escritor y el archivo temporal; lo usan las
// pruebas para que la escritura falle a mitad. Recibe el temporal ya abierto.
using Intermediario = std::function<std::unique_ptr<QIODevice>(QIODevice& temporal)>;

// Graba ValoresS (con la fecha de hoy) y ValoresO en la ruta, sustituyendo el archivo de
// una vez: si algo falla, el archivo anterior queda intacto y el cálculo no cambia.
// Tras grabar, ValoresGrabados y la fecha de S quedan al día.
std::optional<FalloArchivo> EscribirArchivo(Calculo& calculo, const QString& ruta,
                                            const Intermediario& intermediario = {});

}  // namespace dorvelna
