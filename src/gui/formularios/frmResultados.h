#pragma once

#include <QLabel>
#include <array>
#include <map>

#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/Tarta.h"

namespace dorvelna {

// Resultados (grupo R) de las dos columnas: costes anuales por partida, su parte del total,
// los costes unitarios C1 a C5 y la tarta de cada columna.
class frmResultados : public FormularioDatos {
  Q_OBJECT
public:
  frmResultados(Calculo& calculo, EdicionCampos& edicion, QWidget* padre);

  QGroupBox* Frame4 = nullptr;                       // columna de rótulos "Costes Anuales"
  QLabel* Resultado(Columna col, int indice) const;  // lblSR(i) / lblOR(i)
  Tarta* Dibujo(Columna col) const { return col == Columna::S ? tartaS_ : tartaO_; }

  void MostrarResultado(Columna col, int indice, const Valor& valor) override;
  void FilasIndirectasVisibles(Columna col, bool visibles) override;
  void ResultadosCalculados(Columna col) override;

protected:
  void ConstruirColumna(QGroupBox* marco, Columna col) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  void ConstruirRotulos();
  void IgualarUnitarios();
  std::map<int, QLabel*> lblS_, lblO_;
  Tarta* tartaS_ = nullptr;
  Tarta* tartaO_ = nullptr;
  std::array<QLabel*, Tarta::kRanuras> leyendas_{};
  std::array<QLabel*, Tarta::kRanuras> colores_{};
  // Marcos de costes unitarios por fila: el de explicaciones, el de S y el de O.
  std::array<std::array<QWidget*, 3>, 4> unitarios_{};
};

}  // namespace dorvelna
