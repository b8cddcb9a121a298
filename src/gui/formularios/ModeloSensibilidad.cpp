#include "gui/formularios/ModeloSensibilidad.h"

#include <cmath>

#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

namespace {

// Decimales de cada columna: los del campo variado y los del formulario de resultados.
int DecimalesColumna(const EntradaSensibilidad& e, int columna) {
  switch (columna) {
    case ModeloSensibilidad::kValor: return Decimales(e.grupo, e.indice);
    case ModeloSensibilidad::kMenosC4:
    case ModeloSensibilidad::kMasC4: return Decimales(Grupo::R, kResultadosSensibles[kC4]);
    case ModeloSensibilidad::kMenosC5:
    case ModeloSensibilidad::kMasC5: return Decimales(Grupo::R, kResultadosSensibles[kC5]);
    default: return Decimales(Grupo::R, kResultadosSensibles[kCostesTotales]);
  }
}

}  // namespace

ModeloSensibilidad::ModeloSensibilidad(QObject* padre) : QAbstractTableModel(padre) {}

void ModeloSensibilidad::Poner(const Sensibilidad& analisis) {
  beginResetModel();
  analisis_ = analisis;
  endResetModel();
}

int ModeloSensibilidad::rowCount(const QModelIndex& padre) const {
  return padre.isValid() ? 0 : static_cast<int>(analisis_.entradas.size());
}

int ModeloSensibilidad::columnCount(const QModelIndex& padre) const {
  return padre.isValid() ? 0 : kColumnas;
}

double ModeloSensibilidad::Numero(const EntradaSensibilidad& e, int columna) const {
  switch (columna) {
    case kValor: return e.valor;
    case kMenosCoste: return e.menos.CostesTotales();
    case kMenosC4: return e.menos.C4();
    case kMenosC5: return e.menos.C5();
    case kMasCoste: return e.mas.CostesTotales();
    case kMasC4: return e.mas.C4();
    case kMasC5: return e.mas.C5();
  }
  return 0;
}

QVariant ModeloSensibilidad::data(const QModelIndex& indice, int rol) const {
  if (!indice.isValid() || indice.row() >= rowCount()) return {};
  const EntradaSensibilidad& e = analisis_.entradas[indice.row()];
  const int columna = indice.column();
  if (rol == Qt::TextAlignmentRole && columna != kRotulo)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (rol == Qt::ToolTipRole) return e.Codigo();
  if (columna == kRotulo) return rol == Qt::DisplayRole || rol == kRolOrden ? e.nombre : QVariant();
  const double n = Numero(e, columna);
  if (rol == kRolOrden) {
    if (columna == kMenosC4 || columna == kMasC4) {
      const double cambio = std::abs(n - analisis_.base.C4());
      return std::isnan(cambio) ? -1.0 : cambio;
    }
    return std::isnan(n) ? -HUGE_VAL : n;
  }
  if (rol != Qt::DisplayRole) return {};
  if (std::isnan(n)) return QString();
  return FormatearValor(Valor(n), DecimalesColumna(e, columna), true);
}

QVariant ModeloSensibilidad::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
  if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
  const QString menos = QStringLiteral("−%1 %").arg(analisis_.variacion);
  const QString mas = QStringLiteral("+%1 %").arg(analisis_.variacion);
  switch (seccion) {
    case kRotulo: return QStringLiteral("Dato");
    case kValor: return QStringLiteral("Valor\nactual");
    case kMenosCoste: return QStringLiteral("Coste anual\n%1").arg(menos);
    case kMenosC4: return QStringLiteral("C4\n%1").arg(menos);
    case kMenosC5: return QStringLiteral("C5\n%1").arg(menos);
    case kMasCoste: return QStringLiteral("Coste anual\n%1").arg(mas);
    case kMasC4: return QStringLiteral("C4\n%1").arg(mas);
    case kMasC5: return QStringLiteral("C5\n%1").arg(mas);
  }
  return {};
}

}  // namespace dorvelna
