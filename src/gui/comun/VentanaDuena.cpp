#include "gui/comun/VentanaDuena.h"

#include <QPointer>
#include <QWidget>

namespace dorvelna {

namespace {
// QPointer: si la ventana dueña se destruye, los diálogos no heredan un puntero colgante.
QPointer<QWidget>& Duena() {
  static QPointer<QWidget> duena;
  return duena;
}
}  // namespace

void EstablecerVentanaDuena(QWidget* ventana) { Duena() = ventana; }

QWidget* VentanaDuena() { return Duena().data(); }

}  // namespace dorvelna
