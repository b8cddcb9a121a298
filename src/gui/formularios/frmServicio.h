#pragma once

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Coste de hasta cinco servicios concretos (grupo SS), sólo en la columna S, a partir de
// los costes unitarios de los resultados.
class frmServicio : public FormularioDatos {
  Q_OBJECT
public:
  frmServicio(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

  // Pone el formulario al día con los resultados: precio por viajero-kilómetro, kilómetros
  // y horas que exceden los del año, y los cinco servicios.
  void Revisar();

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

private:
  // Al activarse y al repintarse: resultados al día y Revisar.
  void Refrescar();
};

}  // namespace dorvelna
