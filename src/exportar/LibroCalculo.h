#pragma once

#include <QString>
#include <optional>

#include "nucleo/archivos/GrabacionDeUnaVez.h"

namespace dorvelna {

class Calculo;

// La descripción del cálculo (C(1)), sin blancos a los lados; vacía si no es un texto.
QString DescripcionClase(const Calculo& calculo);
// Título de los documentos exportados: "Dorvelna — " y la descripción.
QString TituloDocumento(const Calculo& calculo);

// Un cálculo entero en un libro .xlsx: la hoja "Resultados", una hoja por formulario de datos
// y la hoja "Servicios". Recalcula antes los resultados. Sin valor si quedó grabado; si no,
// el motivo (el libro se graba de una vez o no se graba).
std::optional<QString> ExportarLibro(Calculo& calculo, const QString& ruta,
                                     const Intermediario& intermediario = {});

}  // namespace dorvelna
