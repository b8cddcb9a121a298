#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "nucleo/archivos/ContenidoArchivo.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Lee un archivo de cálculo (.dvn) o de una clase de autocar (.clb) en ValoresS,
// ValoresGrabados y ValoresO y lo presenta. Si falla, el cálculo queda como estaba.
std::optional<FalloArchivo> LeerArchivo(Calculo& calculo, const QString& ruta);
// Lo mismo con la ruta en los bytes que toma el sistema, tal cual, aunque no sean UTF-8
// (un nombre dado en la línea de órdenes).
std::optional<FalloArchivo> LeerArchivo(Calculo& calculo, const QByteArray& rutaNativa);

// Pasa al cálculo un contenido ya leído entero y lo presenta.
void AdoptarContenido(Calculo& calculo, const ContenidoArchivo& contenido);

}  // namespace dorvelna
