#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

class ModeloSensibilidad;
class PictureSensibilidad;

// frmSensibilidad: cuánto cambian el coste total anual, C4 y C5 de la columna S al bajar y
// subir cada dato principal la variación elegida. No es un formulario de datos: no tiene
// campos ni columna O, y sólo lee el cálculo.
class frmSensibilidad : public QWidget {
  Q_OBJECT
public:
  frmSensibilidad(const Calculo& calculo, QWidget* padre);

  QGroupBox* Frame1 = nullptr;
  QComboBox* cmbVariacion = nullptr;
  QTableView* tblSensibilidad = nullptr;
  PictureSensibilidad* Grafico() const { return grafico_; }
  const ModeloSensibilidad& Modelo() const { return *modelo_; }

  double Variacion() const;
  // Vuelve a hacer el análisis ahora; PedirActualizacion lo deja para cuando el programa
  // quede libre, de modo que varios avisos seguidos del cálculo se atienden una sola vez.
  void Actualizar();
  void PedirActualizacion();
  // Frame1 entero, del ancho de la vista y con todo su alto, para imprimirlo.
  QWidget* Hoja();

private:
  const Calculo& calculo_;
  ModeloSensibilidad* modelo_ = nullptr;
  QSortFilterProxyModel* orden_ = nullptr;
  PictureSensibilidad* grafico_ = nullptr;
  QScrollArea* vista_ = nullptr;
  QTimer pendiente_;
};

}  // namespace dorvelna
