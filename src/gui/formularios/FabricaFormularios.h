#pragma once

#include <functional>

#include "nucleo/model/Calculo.h"

class QWidget;

namespace dorvelna {

class EdicionCampos;
class FormularioDatos;

FormularioDatos* CrearFormulario(Formulario f, Calculo& calculo, EdicionCampos& edicion,
                                 QWidget* padre);
// Un formulario de la ventana principal, que lo crea la primera vez que se nombra.
using FormularioDe = std::function<FormularioDatos*(Formulario f)>;

}  // namespace dorvelna
