#pragma once

#include <QByteArrayView>
#include <optional>

#include "nucleo/archivos/ContenidoArchivo.h"

namespace dorvelna {

// Lee los 194 valores de un archivo de cálculo a partir de sus bytes, en Windows-1252, o en
// UTF-8 si empiezan con su marca de orden de bytes. Lo que sigue al valor 194 se ignora.
// Nada si el contenido está dañado: un byte NUL en cualquier sitio, faltan valores o alguno
// no es de la clase de su campo. "cortado" indica que los bytes son sólo el principio del
// archivo, de modo que el último valor no puede acabar donde acaban ellos.
std::optional<ContenidoArchivo> InterpretarArchivo(QByteArrayView bytes, bool cortado = false);

}  // namespace dorvelna
