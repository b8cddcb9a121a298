#pragma once

#include "nucleo/model/Calculo.h"

class QWidget;

namespace dorvelna {

class FormularioDatos;

FormularioDatos* CrearFormulario(Formulario f, QWidget* padre);

}  // namespace dorvelna
