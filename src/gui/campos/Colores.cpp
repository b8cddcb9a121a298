#include "gui/campos/Colores.h"

#include <QApplication>
#include <QPalette>

namespace dorvelna {

QColor Colores::Entrada() {
  return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor Colores::Calculado() { return QColor(168, 168, 168); }

}  // namespace dorvelna
