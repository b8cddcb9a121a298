#pragma once

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Costes variables (grupo V): carburante, disolución de urea, neumáticos, reparaciones y
// conservación, y peajes. Sin parejas de opciones: sólo las reglas comunes de los campos.
class frmCostesVariables : public FormularioDatos {
  Q_OBJECT
public:
  frmCostesVariables(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;
};

}  // namespace dorvelna
