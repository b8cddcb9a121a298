#pragma once

#include <QString>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Título fijo del marco exterior de cada formulario.
QString TituloFormulario(Formulario f);

}  // namespace dorvelna
