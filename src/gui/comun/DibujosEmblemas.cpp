#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "gui/comun/Dibujos.h"

namespace dorvelna {

namespace {

const QColor kOro(232, 178, 48);
const QColor kOroOscuro(160, 112, 20);
const QColor kAzulClaro(58, 134, 208);
const QColor kAzulOscuro(24, 74, 132);

// Icono: un autocar blanco sobre azul con una moneda de euro, el coste del autocar.
void PintarIcono(QPainter& p, double n) {
  const double margen = n * 0.04;
  QLinearGradient fondo(0, 0, 0, n);
  fondo.setColorAt(0, kAzulClaro);
  fondo.setColorAt(1, kAzulOscuro);
  p.setPen(Qt::NoPen);
  p.setBrush(fondo);
  p.drawRoundedRect(QRectF(margen, margen, n - 2 * margen, n - 2 * margen), n * 0.18, n * 0.18);

  QPainterPath cuerpo;
  cuerpo.moveTo(n * 0.12, n * 0.74);
  cuerpo.lineTo(n * 0.12, n * 0.52);
  cuerpo.quadTo(n * 0.13, n * 0.42, n * 0.22, n * 0.42);
  cuerpo.lineTo(n * 0.80, n * 0.42);
  cuerpo.quadTo(n * 0.86, n * 0.42, n * 0.86, n * 0.48);
  cuerpo.lineTo(n * 0.86, n * 0.74);
  cuerpo.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(cuerpo);
  p.setBrush(kAzulOscuro);
  p.drawRect(QRectF(n * 0.15, n * 0.47, n * 0.68, n * 0.1));
  if (n >= 32) {
    p.setBrush(Qt::white);
    for (double x = 0.29; x < 0.8; x += 0.13)
      p.drawRect(QRectF(n * x, n * 0.47, n * 0.025, n * 0.1));
  }
  for (double x : {0.3, 0.68}) {
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(QPointF(n * x, n * 0.74), n * 0.075, n * 0.075);
    p.setBrush(QColor(200, 204, 210));
    p.drawEllipse(QPointF(n * x, n * 0.74), n * 0.032, n * 0.032);
  }

  const QPointF centro(n * 0.73, n * 0.25);
  const double radio = n * 0.16;
  p.setBrush(kOroOscuro);
  p.drawEllipse(centro, radio, radio);
  p.setBrush(kOro);
  p.drawEllipse(centro, radio * 0.84, radio * 0.84);
  if (n >= 24) {
    QFont letra;
    letra.setStyleHint(QFont::SansSerif);
    letra.setBold(true);
    letra.setPixelSize(std::max(6, static_cast<int>(radio * 1.3)));
    p.setFont(letra);
    p.setPen(kOroOscuro);
    p.drawText(QRectF(centro.x() - radio, centro.y() - radio, 2 * radio, 2 * radio),
               Qt::AlignCenter, QString(QChar(0x20AC)));
  }
}

QPainterPath Blason(double w, double h) {
  QPainterPath escudo;
  escudo.moveTo(w * 0.08, h * 0.06);
  escudo.lineTo(w * 0.92, h * 0.06);
  escudo.lineTo(w * 0.92, h * 0.52);
  escudo.cubicTo(w * 0.92, h * 0.78, w * 0.7, h * 0.88, w * 0.5, h * 0.96);
  escudo.cubicTo(w * 0.3, h * 0.88, w * 0.08, h * 0.78, w * 0.08, h * 0.52);
  escudo.closeSubpath();
  return escudo;
}

}  // namespace

QIcon IconoPrograma() {
  QIcon icono;
  for (int lado : {16, 24, 32, 48, 64, 128, 256}) icono.addPixmap(DibujoLogo(lado));
  return icono;
}

QPixmap DibujoLogo(int lado, qreal ratio) {
  QPixmap dibujo = LienzoTransparente(QSize(lado, lado), ratio);
  QPainter p(&dibujo);
  p.setRenderHint(QPainter::Antialiasing);
  PintarIcono(p, dibujo.deviceIndependentSize().width());
  return dibujo;
}

QPixmap DibujoDocumento(int lado) {
  const double n = std::max(1, lado);
  QPixmap dibujo(std::max(1, lado), std::max(1, lado));
  dibujo.fill(Qt::transparent);
  QPainter p(&dibujo);
  p.setRenderHint(QPainter::Antialiasing);
  const double izquierda = n * 0.14;
  const double derecha = n * 0.86;
  const double doblez = n * 0.24;
  QPainterPath hoja;
  hoja.moveTo(izquierda, n * 0.02);
  hoja.lineTo(derecha - doblez, n * 0.02);
  hoja.lineTo(derecha, n * 0.02 + doblez);
  hoja.lineTo(derecha, n * 0.98);
  hoja.lineTo(izquierda, n * 0.98);
  hoja.closeSubpath();
  p.setPen(QPen(QColor(120, 126, 136), std::max(1.0, n / 48)));
  p.setBrush(Qt::white);
  p.drawPath(hoja);
  QPolygonF esquina;
  esquina << QPointF(derecha - doblez, n * 0.02) << QPointF(derecha - doblez, n * 0.02 + doblez)
          << QPointF(derecha, n * 0.02 + doblez);
  p.setBrush(QColor(214, 220, 228));
  p.drawPolygon(esquina);
  // Renglones de cifras bajo el icono, como una hoja de cálculo.
  if (n >= 32) {
    p.setPen(QPen(kAzulClaro, std::max(1.0, n / 40)));
    for (double y = 0.80; y < 0.95; y += 0.07)
      p.drawLine(QPointF(n * 0.24, n * y), QPointF(n * 0.76, n * y));
  }
  const double icono = n * 0.56;
  p.translate(n * 0.5 - icono / 2, n * 0.2);
  PintarIcono(p, icono);
  return dibujo;
}

QPixmap DibujoAviso(Aviso aviso, int lado, qreal ratio) {
  QPixmap dibujo = LienzoTransparente(QSize(lado, lado), ratio);
  QPainter p(&dibujo);
  p.setRenderHint(QPainter::Antialiasing);
  const double n = std::max(1, lado);
  const QRectF circulo(n * 0.04, n * 0.04, n * 0.92, n * 0.92);
  QRadialGradient fondo(circulo.center() - QPointF(n * 0.15, n * 0.15), n * 0.7);
  const bool error = aviso == Aviso::Error;
  fondo.setColorAt(0, error ? QColor(236, 92, 80) : kAzulClaro);
  fondo.setColorAt(1, error ? QColor(176, 28, 24) : kAzulOscuro);
  p.setPen(QPen(error ? QColor(120, 16, 12) : QColor(16, 50, 96), std::max(1.0, n / 32)));
  p.setBrush(fondo);
  p.drawEllipse(circulo);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  if (error) {
    // Aspa de dos barras redondeadas.
    p.translate(n / 2, n / 2);
    for (int giro : {45, -45}) {
      p.save();
      p.rotate(giro);
      p.drawRoundedRect(QRectF(-n * 0.28, -n * 0.06, n * 0.56, n * 0.12), n * 0.05, n * 0.05);
      p.restore();
    }
    return dibujo;
  }
  QFont letra(QStringLiteral("DejaVu Serif"));
  letra.setStyleHint(QFont::Serif);
  letra.setBold(true);
  letra.setPixelSize(std::max(1, qRound(n * 0.62)));
  QPainterPath signo;
  signo.addText(0, 0, letra,
                aviso == Aviso::Informacion ? QStringLiteral("i") : QStringLiteral("?"));
  const QRectF caja = signo.boundingRect();
  p.translate(n / 2 - caja.center().x(), n / 2 - caja.center().y());
  p.drawPath(signo);
  return dibujo;
}

// Escudo: una carretera que se pierde hacia el horizonte bajo una rueda dorada.
QPixmap DibujoEscudo(QSize tamano, qreal ratio) {
  QPixmap dibujo = LienzoTransparente(tamano, ratio);
  QPainter p(&dibujo);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = dibujo.deviceIndependentSize().width();
  const double h = dibujo.deviceIndependentSize().height();
  const QPainterPath escudo = Blason(w, h);

  QLinearGradient campo(0, 0, 0, h);
  campo.setColorAt(0, kAzulClaro);
  campo.setColorAt(1, kAzulOscuro);
  p.setPen(Qt::NoPen);
  p.setBrush(campo);
  p.drawPath(escudo);

  p.save();
  p.setClipPath(escudo);
  p.setBrush(QColor(64, 120, 64));
  p.drawRect(QRectF(0, h * 0.5, w, h * 0.5));
  QPolygonF carretera;
  carretera << QPointF(w * 0.47, h * 0.5) << QPointF(w * 0.53, h * 0.5) << QPointF(w * 0.8, h)
            << QPointF(w * 0.2, h);
  p.setBrush(QColor(96, 100, 108));
  p.drawPolygon(carretera);
  p.setPen(QPen(Qt::white, std::max(1.0, w * 0.025), Qt::SolidLine, Qt::FlatCap));
  for (double y = 0.54; y < 0.98; y += 0.12) {
    p.drawLine(QPointF(w * 0.5, h * y), QPointF(w * 0.5, h * (y + 0.05 + (y - 0.5) * 0.1)));
  }
  p.restore();

  const QPointF eje(w * 0.5, h * 0.29);
  const double radio = std::min(w, h) * 0.15;
  p.setPen(QPen(kOro, std::max(1.0, w * 0.035)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(eje, radio, radio);
  for (int k = 0; k < 6; ++k) {
    const double angulo = k * std::numbers::pi / 3;
    p.drawLine(eje, eje + QPointF(std::cos(angulo) * radio, std::sin(angulo) * radio));
  }
  p.setBrush(kOro);
  p.drawEllipse(eje, radio * 0.22, radio * 0.22);

  p.setPen(QPen(kOro, std::max(1.5, w * 0.05)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(escudo);
  return dibujo;
}

}  // namespace dorvelna
