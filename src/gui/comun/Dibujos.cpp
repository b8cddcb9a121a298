#include "gui/comun/Dibujos.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace dorvelna {

namespace {

// Medidas en metros, con el morro a la izquierda (x = 0) y el suelo en y = 0.
struct Modelo {
  double largo;
  double alto;
  std::array<double, 3> ejes;
  int numEjes;
  double rueda;
  bool microbus;
  bool puertaCentral;
};

constexpr std::array<Modelo, 4> kModelos{{
    {15.0, 3.75, {2.75, 10.35, 11.75}, 3, 0.52, false, true},
    {12.2, 3.55, {2.65, 9.25, 0.0}, 2, 0.52, false, false},
    {9.6, 3.25, {2.3, 7.15, 0.0}, 2, 0.48, false, false},
    {7.0, 2.75, {1.15, 4.85, 0.0}, 2, 0.38, true, false},
}};
constexpr double kLargoMayor = 15.0;
constexpr double kAltoMayor = 3.75;

const QColor kCarroceria(246, 246, 242);
const QColor kContorno(62, 66, 72);
const QColor kCristal(46, 74, 98);
const QColor kCristalPuerta(78, 110, 136);
const QColor kFranja(31, 95, 168);
const QColor kFileteFranja(232, 142, 40);
const QColor kNeumatico(28, 28, 30);
const QColor kLlanta(186, 190, 196);

// Pasa de metros a píxeles con la escala común de las cuatro clases.
class Lienzo {
public:
  Lienzo(QPainter& p, QSize tamano, const Modelo& m) : p_(p) {
    escala_ = std::min(tamano.width() * 0.96 / kLargoMayor, tamano.height() * 0.92 / kAltoMayor);
    x0_ = (tamano.width() - m.largo * escala_) / 2.0;
    suelo_ = (tamano.height() + kAltoMayor * escala_) / 2.0;
  }
  QPointF P(double x, double y) const { return {x0_ + x * escala_, suelo_ - y * escala_}; }
  QRectF R(double x1, double y1, double x2, double y2) const {
    return QRectF(P(x1, y2), P(x2, y1));
  }
  double M(double metros) const { return metros * escala_; }
  QPainter& p() { return p_; }

private:
  QPainter& p_;
  double escala_;
  double x0_;
  double suelo_;
};

QPainterPath Carroceria(const Lienzo& l, const Modelo& m) {
  QPainterPath c;
  const double a = m.alto;
  const double L = m.largo;
  if (m.microbus) {
    c.moveTo(l.P(0.0, 0.38));
    c.lineTo(l.P(0.0, 0.95));
    c.quadTo(l.P(0.02, 1.2), l.P(0.25, 1.22));
    c.lineTo(l.P(0.78, 1.32));
    c.lineTo(l.P(1.38, a - 0.12));
    c.quadTo(l.P(1.45, a), l.P(1.7, a));
  } else {
    c.moveTo(l.P(0.06, 0.34));
    c.lineTo(l.P(0.0, 0.95));
    c.lineTo(l.P(0.1, a * 0.46));
    c.lineTo(l.P(0.26, a - 0.22));
    c.quadTo(l.P(0.32, a), l.P(0.75, a));
  }
  c.lineTo(l.P(L - 0.35, a));
  c.quadTo(l.P(L, a), l.P(L, a - 0.35));
  c.lineTo(l.P(L, 0.45));
  c.quadTo(l.P(L, 0.34), l.P(L - 0.12, 0.34));
  c.closeSubpath();
  return c;
}

void Cristal(Lienzo& l, const QRectF& r, const QColor& color, double radio) {
  l.p().setBrush(color);
  l.p().drawRoundedRect(r, radio, radio);
}

void Ventanas(Lienzo& l, double bajo, double alto, double desde, double hasta) {
  const int panos = std::max(1, static_cast<int>(std::lround((hasta - desde) / 1.45)));
  const double paso = (hasta - desde) / panos;
  const double montante = 0.12;
  for (int k = 0; k < panos; ++k) {
    const double x = desde + k * paso;
    Cristal(l, l.R(x + montante / 2, bajo, x + paso - montante / 2, alto), kCristal, l.M(0.08));
  }
}

void Puerta(Lienzo& l, double x1, double x2, double arriba) {
  QPainter& p = l.p();
  p.setBrush(kCarroceria);
  p.drawRect(l.R(x1, 0.4, x2, arriba));
  Cristal(l, l.R(x1 + 0.07, 0.55, (x1 + x2) / 2 - 0.03, arriba - 0.08), kCristalPuerta, l.M(0.04));
  Cristal(l, l.R((x1 + x2) / 2 + 0.03, 0.55, x2 - 0.07, arriba - 0.08), kCristalPuerta, l.M(0.04));
}

void Maleteros(Lienzo& l, double desde, double hasta) {
  const int tapas = std::max(1, static_cast<int>(std::lround((hasta - desde) / 1.7)));
  const double paso = (hasta - desde) / tapas;
  QPainter& p = l.p();
  p.setBrush(Qt::NoBrush);
  for (int k = 0; k < tapas; ++k) {
    p.drawRoundedRect(l.R(desde + k * paso + 0.05, 0.42, desde + (k + 1) * paso - 0.05, 0.95),
                      l.M(0.05), l.M(0.05));
  }
}

void Rueda(Lienzo& l, double eje, double radio) {
  QPainter& p = l.p();
  p.save();
  p.setClipRect(QRectF(QPointF(0, 0), l.P(1000.0, 0.0)));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 42, 46));
  p.drawEllipse(l.P(eje, radio), l.M(radio + 0.1), l.M(radio + 0.1));
  p.restore();
  p.setBrush(kNeumatico);
  p.drawEllipse(l.P(eje, radio), l.M(radio), l.M(radio));
  p.setBrush(kLlanta);
  p.drawEllipse(l.P(eje, radio), l.M(radio * 0.56), l.M(radio * 0.56));
  p.setBrush(QColor(110, 115, 122));
  p.drawEllipse(l.P(eje, radio), l.M(radio * 0.2), l.M(radio * 0.2));
}

void Dibujar(Lienzo& l, const Modelo& m) {
  QPainter& p = l.p();
  const double a = m.alto;
  const double L = m.largo;
  const QPainterPath cuerpo = Carroceria(l, m);

  p.setPen(Qt::NoPen);
  p.setBrush(kCarroceria);
  p.drawPath(cuerpo);

  // La franja de color sigue la silueta: se recorta con la propia carrocería.
  p.save();
  p.setClipPath(cuerpo);
  const double franja = m.microbus ? 0.85 : 1.02;
  p.fillRect(l.R(-1.0, franja, L + 1.0, franja + 0.26), kFranja);
  p.fillRect(l.R(-1.0, franja + 0.31, L + 1.0, franja + 0.38), kFileteFranja);
  p.restore();

  QPen trazo(kContorno, std::max(1.0, l.M(0.035)));
  trazo.setJoinStyle(Qt::RoundJoin);
  p.setPen(trazo);

  const double bajo = m.microbus ? 1.42 : a * 0.55;
  const double alto = a - (m.microbus ? 0.22 : 0.3);
  if (m.microbus) {
    QPolygonF parabrisas;
    parabrisas << l.P(0.92, 1.42) << l.P(1.36, alto - 0.02) << l.P(1.95, alto) << l.P(1.95, 1.42);
    p.setBrush(kCristal);
    p.drawPolygon(parabrisas);
    Puerta(l, 2.1, 3.05, alto);
    Ventanas(l, bajo, alto, 3.15, L - 0.3);
  } else {
    QPolygonF parabrisas;
    parabrisas << l.P(0.13, a * 0.5) << l.P(0.28, a - 0.3) << l.P(0.85, a - 0.3)
               << l.P(0.85, a * 0.5);
    p.setBrush(kCristal);
    p.drawPolygon(parabrisas);
    Puerta(l, 0.95, 1.9, alto);
    const double maleteroDesde = m.ejes[0] + m.rueda + 0.35;
    const double maleteroHasta = m.ejes[1] - m.rueda - 0.35;
    if (m.puertaCentral) {
      // La puerta central parte en dos la fila de ventanas y la de maleteros.
      constexpr double kPuerta1 = 6.4;
      constexpr double kPuerta2 = 7.3;
      Ventanas(l, bajo, alto, 2.0, kPuerta1 - 0.1);
      Ventanas(l, bajo, alto, kPuerta2 + 0.1, L - 0.5);
      Puerta(l, kPuerta1, kPuerta2, alto);
      Maleteros(l, maleteroDesde, kPuerta1 - 0.1);
      Maleteros(l, kPuerta2 + 0.1, maleteroHasta);
    } else {
      Ventanas(l, bajo, alto, 2.0, L - 0.5);
      Maleteros(l, maleteroDesde, maleteroHasta);
    }
  }

  // Faros delante y pilotos detrás.
  p.setBrush(QColor(255, 236, 150));
  p.drawRoundedRect(l.R(0.0, 0.55, 0.16, 0.72), l.M(0.03), l.M(0.03));
  p.setBrush(QColor(200, 40, 36));
  p.drawRect(l.R(L - 0.1, 0.6, L, 1.05));

  p.setBrush(Qt::NoBrush);
  p.drawPath(cuerpo);
  for (int e = 0; e < m.numEjes; ++e) Rueda(l, m.ejes[e], m.rueda);
}

}  // namespace

QString NombreDoble(const QString& ruta) {
  const qsizetype punto = ruta.lastIndexOf(QLatin1Char('.'));
  const qsizetype barra = ruta.lastIndexOf(QLatin1Char('/'));
  if (punto <= barra + 1) return ruta + QStringLiteral("@2x");
  return ruta.left(punto) + QStringLiteral("@2x") + ruta.mid(punto);
}

QPixmap LienzoTransparente(QSize tamano, qreal ratio) {
  ratio = std::max<qreal>(ratio, 1);
  QPixmap dibujo((QSizeF(tamano.expandedTo(QSize(1, 1))) * ratio).toSize());
  dibujo.setDevicePixelRatio(ratio);
  dibujo.fill(Qt::transparent);
  return dibujo;
}

QPixmap DibujoAutocar(int clase, QSize tamano, qreal ratio) {
  QPixmap dibujo = LienzoTransparente(tamano, ratio);
  if (clase < 0 || clase >= static_cast<int>(kModelos.size())) return dibujo;
  QPainter p(&dibujo);
  p.setRenderHint(QPainter::Antialiasing);
  Lienzo lienzo(p, dibujo.deviceIndependentSize().toSize(), kModelos[clase]);
  Dibujar(lienzo, kModelos[clase]);
  return dibujo;
}

QIcon IconoAutocar(int clase, QSize tamano, qreal ratio) {
  QIcon icono(DibujoAutocar(clase, tamano));
  if (ratio > 1) icono.addPixmap(DibujoAutocar(clase, tamano, ratio));
  return icono;
}

}  // namespace dorvelna
