#pragma once

#include <QGroupBox>
#include <map>
#include <utility>

#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {

// Autocar y equipos auxiliares (grupo F1): cada uno comprado (amortización y financiación)
// o conseguido de otra forma, con un coste anual (alquiler o similar).
class frmCostesFijos1 : public FormularioDatos {
  Q_OBJECT
public:
  frmCostesFijos1(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

  // Enseña los marcos de la forma elegida: "Compra" (amortización y financiación) u "Otra
  // forma" (coste anual). Ni recalcula ni vuelve a mostrar ningún valor: lo que queda oculto
  // conserva su texto.
  void ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) override;

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;

private:
  struct Activo;
  struct MarcosActivo {
    QGroupBox* amortizacion = nullptr;
    QGroupBox* financiacion = nullptr;
    QGroupBox* costeAnual = nullptr;
  };
  // Submarco de un activo (autocar o equipos) con sus cuatro marcos interiores.
  QGroupBox* ConstruirActivo(QGroupBox* marco, Columna col, const Activo& activo, int top);

  std::map<std::pair<Seccion, Columna>, MarcosActivo> marcos_;
};

}  // namespace dorvelna
