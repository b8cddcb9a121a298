#pragma once

#include <QAbstractTableModel>

#include "nucleo/model/Sensibilidad.h"

namespace dorvelna {

// Las filas del análisis de sensibilidad para tblSensibilidad: rótulo, valor actual y, para
// el caso rebajado y el subido, coste total anual, C4 y C5.
class ModeloSensibilidad : public QAbstractTableModel {
  Q_OBJECT
public:
  enum ColumnaTabla { kRotulo, kValor, kMenosCoste, kMenosC4, kMenosC5, kMasCoste, kMasC4, kMasC5 };
  static constexpr int kColumnas = 8;
  // Rol de orden: el número de la celda; en las columnas de C4, cuánto se aparta C4 de la base.
  static constexpr int kRolOrden = Qt::UserRole;

  explicit ModeloSensibilidad(QObject* padre = nullptr);

  void Poner(const Sensibilidad& analisis);
  const Sensibilidad& Analisis() const { return analisis_; }

  int rowCount(const QModelIndex& padre = {}) const override;
  int columnCount(const QModelIndex& padre = {}) const override;
  QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
  QVariant headerData(int seccion, Qt::Orientation orientacion,
                      int rol = Qt::DisplayRole) const override;

private:
  double Numero(const EntradaSensibilidad& e, int columna) const;

  Sensibilidad analisis_{kVariacionPorOmision, {}, {}};
};

}  // namespace dorvelna
