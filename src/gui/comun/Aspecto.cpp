#include "gui/comun/Aspecto.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace dorvelna {

void PintarFondo(QWidget* w, const QColor& color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, color);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void PonerNegrita(QWidget* w) {
  QFont f = w->font();
  f.setBold(true);
  w->setFont(f);
}

}  // namespace dorvelna
