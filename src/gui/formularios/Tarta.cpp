#include "gui/formularios/Tarta.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/comun/Aspecto.h"
#include "gui/comun/Twips.h"
#include "gui/formularios/EtiquetasTarta.h"
#include "nucleo/entrada/Formato.h"

namespace dorvelna {

namespace {
// Las constantes del dibujo se usan con estos valores exactos.
constexpr double kDosPi = 6.2831853072;
constexpr double kPi = 3.1415926536;
constexpr double kDesfase = 1e-11;

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
  PintarFondo(this, fondo);
  setFocusPolicy(Qt::ClickFocus);
  for (int i = 0; i < kRanuras; ++i) {
    auto* etiqueta = new QLabel(QString::fromUtf8(kRanurasTarta[i].rotulo), this);
    etiqueta->setObjectName(QStringLiteral("%1(%2)").arg(prefijoEtiquetas).arg(i));
    etiqueta->setProperty("Tag", QStringLiteral("1"));
    PonerNegrita(etiqueta);
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
  ColocarEtiquetas();
  // Para los lectores de pantalla, lo que enseña el dibujo: cada sector con su porcentaje.
  QStringList partes;
  for (const SectorTarta& s : sectores_) {
    if (!s.dibujado) continue;
    partes << Leyenda(s.ranura).simplified() + QStringLiteral(": ") + etiquetas_[s.ranura]->text();
  }
  setAccessibleDescription(partes.join(QStringLiteral("; ")));
  update();
}

void Tarta::DibujarSector(int ranura, const QColor& color, double inicio, double fin,
                          const Valores& valores) {
  QLabel* etiqueta = etiquetas_[ranura];
  const Valor& porcentaje = valores.R[kRanurasTarta[ranura].porcentaje];
  etiqueta->setText(FormatearValor(porcentaje, 1, true) + QStringLiteral("%"));
  etiqueta->adjustSize();
  ColorearTexto(etiqueta, color);
  sectores_.push_back({ranura, color, inicio, fin, inicio + kDesfase < fin, {}, false});
}

// Cada etiqueta se sitúa con el tamaño de su texto nuevo: con el del dibujo anterior, una
// cifra que crece quedaría cortada o encima de otra hasta el dibujo siguiente.
void Tarta::ColocarEtiquetas() {
  std::array<std::pair<double, double>, kRanuras> angulos{};
  std::array<QSize, kRanuras> tamanos{};
  for (int i = 0; i < kRanuras; ++i) {
    angulos[i] = {sectores_[i].inicio, sectores_[i].fin};
    tamanos[i] = etiquetas_[i]->size();
  }
  const auto situadas =
      SituarEtiquetas({size(), cx_, cy_, radio_, TwipsPorPixel()}, angulos, tamanos);
  for (int i = 0; i < kRanuras; ++i) {
    SectorTarta& s = sectores_[i];
    const EtiquetaSituada& e = situadas[i];
    s.caja = e.caja;
    s.movida = e.movida;
    QLabel* etiqueta = etiquetas_[i];
    etiqueta->move(e.caja.topLeft());
    etiqueta->setProperty("LeftTwips", e.movida ? PixelesATwips(e.caja.x()) : double(e.left));
    etiqueta->setProperty("TopTwips", e.movida ? PixelesATwips(e.caja.y()) : double(e.top));
    // Encima de los sectores no se leería: lleva el fondo del dibujo.
    etiqueta->setAutoFillBackground(e.sobreCirculo);
  }
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
  // Línea fina del borde del sector a la etiqueta que no cabía junto a él.
  pintor.setPen(QPen(QColor(64, 64, 64), 0));
  for (const SectorTarta& s : sectores_) {
    if (!s.movida || !s.dibujado) continue;
    const double medio = (s.inicio + s.fin) / 2;
    const QPointF borde((cx_ + radio_ * std::cos(medio)) * escala,
                        (cy_ - radio_ * std::sin(medio)) * escala);
    const QRectF etiqueta(s.caja);
    const QPointF cercano(std::clamp(borde.x(), etiqueta.left(), etiqueta.right()),
                          std::clamp(borde.y(), etiqueta.top(), etiqueta.bottom()));
    if (QLineF(borde, cercano).length() > 4) pintor.drawLine(borde, cercano);
  }
}

}  // namespace dorvelna
