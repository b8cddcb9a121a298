#pragma once

#include <QString>
#include <functional>

#include "nucleo/model/Calculo.h"

class QWidget;

namespace dorvelna {

class EdicionCampos;
class FormularioDatos;

// Título fijo del marco exterior de cada formulario.
QString TituloFormulario(Formulario f);
FormularioDatos* CrearFormulario(Formulario f, Calculo& calculo, EdicionCampos& edicion,
                                 QWidget* padre);
// Un formulario de la ventana principal, que lo crea la primera vez que se nombra.
using FormularioDe = std::function<FormularioDatos*(Formulario f)>;

}  // namespace dorvelna
