#pragma once

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Formulario que por ahora sólo tiene su marco exterior y los marcos de las dos columnas.
class FormularioSinCampos : public FormularioDatos {
  Q_OBJECT
public:
  FormularioSinCampos(Formulario tipo, const QString& titulo, Calculo& calculo,
                      EdicionCampos& edicion, QWidget* padre);

protected:
  void ConstruirColumna(QGroupBox*, Columna) override {}
};

}  // namespace dorvelna
