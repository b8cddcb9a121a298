#pragma once

#include <QString>

#include "nucleo/model/Calculo.h"

class QWidget;

namespace dorvelna {

class FormularioDatos;

// Título fijo del marco exterior de cada formulario.
QString TituloFormulario(Formulario f);
FormularioDatos* CrearFormulario(Formulario f, QWidget* padre);

}  // namespace dorvelna
