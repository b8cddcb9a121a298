#pragma once

#include <QString>
#include <optional>

#include "nucleo/archivos/GrabacionDeUnaVez.h"

namespace dorvelna {

class Calculo;

// Un cálculo entero en un libro .xlsx: la hoja "Resultados", una hoja por formulario de datos
// y la hoja "Servicios". Recalcula antes los resultados. Sin valor si quedó grabado; si no,
// el motivo (el libro se graba de una vez o no se graba).
std::optional<QString> ExportarLibro(Calculo& calculo, const QString& ruta,
                                     const Intermediario& intermediario = {});

}  // namespace dorvelna
