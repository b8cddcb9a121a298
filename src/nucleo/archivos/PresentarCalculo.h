#pragma once

#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Muestra el cálculo recién leído: rótulos con las fechas, los campos de entrada de las
// dos columnas con su Calcular, las parejas de opciones, los resultados, los servicios.
void PresentarCalculo(Calculo& calculo);

}  // namespace dorvelna
