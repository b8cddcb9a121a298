#pragma once

#include <QLabel>
#include <array>

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Costes indirectos (grupo I): desglosados en tres importes o dados como total, con un
// comentario que los compara con los costes directos.
class frmCostesIndirectos : public FormularioDatos {
  Q_OBJECT
public:
  frmCostesIndirectos(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

  void ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) override;
  void ComentarioCambiado(Columna col, const QString& texto) override;

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

private:
  std::array<QLabel*, 15> etiquetas_{};
};

}  // namespace dorvelna
