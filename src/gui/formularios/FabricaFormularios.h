#pragma once

#include <QString>

#include "nucleo/model/Calculo.h"

class QWidget;

namespace dorvelna {

class EdicionCampos;
class FormularioDatos;

// Título fijo del marco exterior de cada formulario.
QString TituloFormulario(Formulario f);
FormularioDatos* CrearFormulario(Formulario f, Calculo& calculo, EdicionCampos& edicion,
                                 QWidget* padre);

}  // namespace dorvelna
