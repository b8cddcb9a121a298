#include "gui/ventana/BotonPatilla.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace dorvelna {

BotonPatilla::BotonPatilla(const QString& texto, QWidget* padre) : QPushButton(texto, padre) {
  QFont letra(QStringLiteral("MS Sans Serif"));
  letra.setStyleHint(QFont::SansSerif);
  letra.setPointSizeF(8.25);
  letra.setBold(true);
  setFont(letra);
  setFocusPolicy(Qt::ClickFocus);
  setAutoFillBackground(true);
}

void BotonPatilla::PonerColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Button, color);
  p.setColor(QPalette::Window, color);
  setPalette(p);
  update();
}

QColor BotonPatilla::Color() const { return palette().color(QPalette::Button); }

void BotonPatilla::paintEvent(QPaintEvent*) {
  QStylePainter pintor(this);
  QStyleOptionButton opcion;
  initStyleOption(&opcion);
  opcion.text.clear();
  pintor.drawControl(QStyle::CE_PushButton, opcion);
  // El color de fondo se ve entero, no sólo como matiz del relieve.
  pintor.fillRect(rect().adjusted(3, 3, -3, -3), Color());
  pintor.setPen(palette().color(QPalette::ButtonText));
  pintor.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace dorvelna
