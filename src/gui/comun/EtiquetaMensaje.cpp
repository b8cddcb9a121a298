#include "gui/comun/EtiquetaMensaje.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace dorvelna {

QString TextoConSaltos(const QString& texto) {
  QString lineas = texto;
  lineas.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lineas.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lineas;
}

EtiquetaMensaje::EtiquetaMensaje(QWidget* padre) : QLabel(padre) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(true);
}

int EtiquetaMensaje::heightForWidth(int ancho) const {
  return static_cast<int>(std::ceil(Componer(ancho, nullptr)));
}

void EtiquetaMensaje::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  Componer(contentsRect().width(), &pintor);
}

qreal EtiquetaMensaje::Componer(int ancho, QPainter* pintor) const {
  QString texto = text();
  while (texto.endsWith(QLatin1Char('\n'))) texto.chop(1);
  const QFontMetricsF medidas(font());
  QTextOption opcion;
  opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  const QPointF origen = contentsRect().topLeft();
  qreal y = 0;
  for (const QString& parrafo : texto.split(QLatin1Char('\n'))) {
    if (parrafo.isEmpty()) {
      y += medidas.height();
      continue;
    }
    QTextLayout capa(parrafo, font());
    capa.setTextOption(opcion);
    capa.beginLayout();
    for (QTextLine linea = capa.createLine(); linea.isValid(); linea = capa.createLine()) {
      linea.setLineWidth(ancho);
      linea.setPosition(QPointF(0, y));
      y += linea.height();
    }
    capa.endLayout();
    if (pintor) capa.draw(pintor, origen);
  }
  return y;
}

}  // namespace dorvelna
