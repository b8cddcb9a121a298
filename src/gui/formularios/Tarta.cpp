#include "gui/formularios/Tarta.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <cmath>

#include "nucleo/entrada/Formato.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
// Las constantes del dibujo se usan con estos valores exactos.
constexpr double kDosPi = 6.2831853072;
constexpr double kPi = 3.1415926536;
constexpr double kMedioPi = 1.5707963268;
constexpr double kTresMediosPi = 4.7123889804;
constexpr double kDesfase = 1e-11;
constexpr double kSeparacion = 50;

struct Ranura {
  int porcentaje;
  QColor color;
  const char* leyenda;
  const char* rotulo;
};
const Ranura kRanurasTarta[Tarta::kRanuras] = {
    {21, QColor(0, 0, 255), "Amortización del autocar", "Amortización"},
    {22, QColor(192, 64, 0), "Financiación del autocar", "Financiación"},
    {23, QColor(128, 128, 255), "Personal de a bordo", "Personal"},
    {25, QColor(128, 128, 0), "Seguros del autocar", "Seguros"},
    {26, QColor(64, 64, 64), "Costes Fiscales", "Fiscales"},
    {27, QColor(192, 0, 192), "Combustible", "Combustible"},
    {39, QColor(0, 192, 0), "Consumo de disolución de urea", "Urea"},
    {28, QColor(0, 0, 0), "Neumáticos", "Neumáticos"},
    {29, QColor(255, 0, 0), "Reparaciones y conservación", "Reparaciones"},
    {24, QColor(0, 192, 192), "Dietas del personal de a bordo", "Dietas"},
    {30, QColor(0, 128, 0), "Peajes", "Peajes"},
    {37, QColor(255, 255, 192), "Costes indirectos", "Indirectos"},
};
// Pone el color del texto. Un color muy claro (el de los costes indirectos) apenas se lee
// sobre los fondos grises y azulados: lleva una sombra oscura de un píxel, sin cambiar el color.
void ColorearTexto(QLabel* etiqueta, const QColor& color) {
  QPalette p = etiqueta->palette();
  p.setColor(QPalette::WindowText, color);
  etiqueta->setPalette(p);
  const bool claro = color.lightness() > 200;
  if (claro && !etiqueta->graphicsEffect()) {
    auto* sombra = new QGraphicsDropShadowEffect(etiqueta);
    sombra->setBlurRadius(0);
    sombra->setOffset(1, 1);
    sombra->setColor(QColor(64, 64, 64));
    etiqueta->setGraphicsEffect(sombra);
  } else if (!claro && etiqueta->graphicsEffect()) {
    etiqueta->setGraphicsEffect(nullptr);
  }
}

}  // namespace

QColor Tarta::ColorRanura(int ranura) { return kRanurasTarta[ranura].color; }
QString Tarta::Leyenda(int ranura) { return QString::fromUtf8(kRanurasTarta[ranura].leyenda); }

Tarta::Tarta(const QString& nombre, const QString& prefijoEtiquetas, const QColor& fondo,
             QWidget* padre)
    : QWidget(padre) {
  setObjectName(nombre);
  QPalette p = palette();
  p.setColor(QPalette::Window, fondo);
  setPalette(p);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::ClickFocus);
  for (int i = 0; i < kRanuras; ++i) {
    auto* etiqueta = new QLabel(QString::fromUtf8(kRanurasTarta[i].rotulo), this);
    etiqueta->setObjectName(QStringLiteral("%1(%2)").arg(prefijoEtiquetas).arg(i));
    etiqueta->setProperty("Tag", QStringLiteral("1"));
    QFont f = etiqueta->font();
    f.setBold(true);
    etiqueta->setFont(f);
    etiqueta->adjustSize();
    etiquetas_[i] = etiqueta;
  }
}

void Tarta::DibujarTarta(const Valores& valores, const std::array<QLabel*, kRanuras>& colores,
                         const std::array<QLabel*, kRanuras>& leyendas) {
  sectores_.clear();
  const double W = PixelesATwips(width()), H = PixelesATwips(height());
  // El diámetro lo da el lado menor, con 300 twips de margen a cada lado.
  const double d = (W - 38 <= H - 38) ? (W - 38) - 2 * 300 : (H - 38) - 2 * 300;
  radio_ = d / 2;
  cx_ = (W - 38) / 2;
  cy_ = (H - 38) / 2;
  double inicio = kDesfase;
  for (int i = 0; i < kRanuras; ++i) {
    const QColor color =
        colores[i] ? colores[i]->palette().color(QPalette::Window) : ColorRanura(i);
    const auto p = valores.R[kRanurasTarta[i].porcentaje].ComoNumero();
    double fin = inicio + kDosPi * p.value_or(0.0) / 100;
    if (fin > kDosPi) fin = kDosPi;
    DibujarSector(i, color, inicio, fin, valores);
    // La leyenda es común a las dos tartas: el segundo dibujo pone los mismos colores.
    if (leyendas[i]) ColorearTexto(leyendas[i], color);
    inicio = fin;
  }
  update();
}

void Tarta::DibujarSector(int ranura, const QColor& color, double inicio, double fin,
                          const Valores& valores) {
  SectorTarta s{ranura, color, inicio, fin, inicio + kDesfase < fin, 0, 0};
  const double medio = (inicio + fin) / 2;
  const double rho = radio_ + kSeparacion;
  QLabel* etiqueta = etiquetas_[ranura];
  // La etiqueta se coloca con el tamaño que tenía antes de cambiar su texto.
  const double w = PixelesATwips(etiqueta->width()), h = PixelesATwips(etiqueta->height());
  // Queda fuera del círculo, junto al centro de su sector y de su lado.
  double left, top;
  if (medio >= 0 && medio < kMedioPi) {
    left = cx_ + rho * std::cos(medio);
    top = cy_ - h - rho * std::sin(medio);
  } else if (medio >= kMedioPi && medio < kPi) {
    left = cx_ - w + rho * std::cos(medio);
    top = cy_ - h - rho * std::sin(medio);
  } else if (medio >= kPi && medio < kTresMediosPi) {
    left = cx_ - w + rho * std::cos(medio);
    top = cy_ - rho * std::sin(medio);
  } else {
    left = cx_ + rho * std::cos(medio);
    top = cy_ - rho * std::sin(medio);
  }
  s.left = static_cast<float>(left);
  s.top = static_cast<float>(top);
  etiqueta->move(TwipsAPixeles(static_cast<int>(std::lround(s.left))),
                 TwipsAPixeles(static_cast<int>(std::lround(s.top))));
  etiqueta->setProperty("LeftTwips", static_cast<double>(s.left));
  etiqueta->setProperty("TopTwips", static_cast<double>(s.top));
  const Valor& porcentaje = valores.R[kRanurasTarta[ranura].porcentaje];
  etiqueta->setText(FormatearValor(porcentaje, 1, true) + QStringLiteral("%"));
  etiqueta->adjustSize();
  ColorearTexto(etiqueta, color);
  sectores_.push_back(s);
}

void Tarta::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.setRenderHint(QPainter::Antialiasing);
  const double escala = 1.0 / TwipsPorPixel();
  const QRectF caja((cx_ - radio_) * escala, (cy_ - radio_) * escala, 2 * radio_ * escala,
                    2 * radio_ * escala);
  pintor.setPen(Qt::black);
  for (const SectorTarta& s : sectores_) {
    if (!s.dibujado) continue;
    pintor.setBrush(s.color);
    const int desde = static_cast<int>(std::lround(s.inicio * 180 / kPi * 16));
    const int hasta = static_cast<int>(std::lround(s.fin * 180 / kPi * 16));
    pintor.drawPie(caja, desde, hasta - desde);
  }
}

}  // namespace dorvelna
