#pragma once

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Características técnicas y de explotación del autocar (grupo C).
class frmCaracteristicas : public FormularioDatos {
  Q_OBJECT
public:
  frmCaracteristicas(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;
};

}  // namespace dorvelna
