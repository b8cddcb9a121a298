#pragma once

#include <QString>
#include <optional>

#include "nucleo/archivos/ContenidoArchivo.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Lee un archivo de cálculo (.dvn) o de una clase de autocar (.clb) en ValoresS,
// ValoresGrabados y ValoresO y lo presenta. Si falla, el cálculo queda como estaba.
std::optional<FalloArchivo> LeerArchivo(Calculo& calculo, const QString& ruta);

// Pasa al cálculo un contenido ya leído entero y lo presenta.
void AdoptarContenido(Calculo& calculo, const ContenidoArchivo& contenido);

}  // namespace dorvelna
