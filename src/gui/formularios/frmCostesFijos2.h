#pragma once

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Personal, seguros y costes fiscales (grupo F2). Las dietas y el plus de actividad, los
// seguros y los costes fiscales se dan desglosados o como un total; los cambios de forma
// los hace el núcleo y aquí llegan como aspectos y textos de los campos. TextSF2(1), de
// entrada, y TextSF2(5), calculado, llevan los dos colores de campo del diseño.
class frmCostesFijos2 : public FormularioDatos {
  Q_OBJECT
public:
  frmCostesFijos2(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;
};

}  // namespace dorvelna
