#include "gui/formularios/PictureSensibilidad.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

namespace {

constexpr int kMargen = 6;
constexpr int kHueco = 4;            // entre el final de una barra y su valor
constexpr int kBarraMinima = 40;     // media barra más larga, como poco
constexpr int kCuadro = 10;          // cuadro de color de la leyenda
constexpr int kNombresMinimo = 120;  // ancho de la columna de nombres, como poco
constexpr int kFlagsNombre = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

double Cambio(const CasoSensibilidad& caso, const CasoSensibilidad& base) {
  const double d = caso.CostesTotales() - base.CostesTotales();
  return std::isnan(d) ? 0.0 : d;
}

}  // namespace

PictureSensibilidad::PictureSensibilidad(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("PictureSensibilidad"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  QSizePolicy politica(QSizePolicy::Expanding, QSizePolicy::Preferred);
  politica.setHeightForWidth(true);
  setSizePolicy(politica);
}

void PictureSensibilidad::Poner(const Sensibilidad& analisis) {
  analisis_ = analisis;
  updateGeometry();
  update();
}

QString PictureSensibilidad::TextoCambio(double cambio) const {
  const QString texto = FormatearValor(
      Valor(cambio), Decimales(Grupo::R, kResultadosSensibles[kCostesTotales]), true);
  return cambio > 0 ? QStringLiteral("+") + texto : texto;
}

int PictureSensibilidad::AnchoValores() const {
  const QFontMetrics medidas(font());
  int ancho = 0;
  for (const EntradaSensibilidad& e : analisis_.entradas) {
    for (const CasoSensibilidad* caso : {&e.menos, &e.mas})
      ancho =
          std::max(ancho, medidas.horizontalAdvance(TextoCambio(Cambio(*caso, analisis_.base))));
  }
  return ancho + 2;
}

// Lo que las barras necesitan como poco a los dos lados del eje.
int PictureSensibilidad::AnchoNombres(int ancho) const {
  const QFontMetrics medidas(font());
  int natural = 0;
  for (const EntradaSensibilidad& e : analisis_.entradas)
    natural = std::max(natural, medidas.horizontalAdvance(e.nombre) + 2);
  const int barras = 2 * (AnchoValores() + kHueco + kBarraMinima);
  const int libre = ancho - kMargen * 3 - barras;
  return std::max(kNombresMinimo, std::min({natural, libre, ancho * 2 / 5}));
}

int PictureSensibilidad::AltoTexto() const { return QFontMetrics(font()).height() + 2; }

int PictureSensibilidad::AltoNombre(const QString& nombre, int anchoNombres) const {
  return QFontMetrics(font())
      .boundingRect(QRect(0, 0, anchoNombres, INT_MAX), kFlagsNombre, nombre)
      .height();
}

// Dos barras con su valor, una encima de otra, o el nombre entero si ocupa más.
int PictureSensibilidad::AltoFila(const QString& nombre, int anchoNombres) const {
  return std::max(2 * AltoTexto(), AltoNombre(nombre, anchoNombres)) + 6;
}

int PictureSensibilidad::heightForWidth(int ancho) const {
  const int anchoNombres = AnchoNombres(ancho);
  int alto = kMargen * 2 + AltoTexto();
  for (const EntradaSensibilidad& e : analisis_.entradas) alto += AltoFila(e.nombre, anchoNombres);
  return alto;
}

QSize PictureSensibilidad::minimumSizeHint() const {
  const int ancho = kMargen * 3 + kNombresMinimo + 2 * (AnchoValores() + kHueco + kBarraMinima);
  return {ancho, heightForWidth(ancho)};
}

QSize PictureSensibilidad::sizeHint() const {
  const int ancho = minimumSizeHint().width() + 300;
  return {ancho, heightForWidth(ancho)};
}

int PictureSensibilidad::Eje(int ancho) const {
  const int izquierda = kMargen * 2 + AnchoNombres(ancho);
  return izquierda + (ancho - kMargen - izquierda) / 2;
}

std::vector<TextoGrafico> PictureSensibilidad::Leyenda() const {
  const QFontMetrics medidas(font());
  std::vector<TextoGrafico> textos;
  int x = kMargen + kCuadro + kHueco;
  for (const QString& signo : {QStringLiteral("−"), QStringLiteral("+")}) {
    const QString texto = QStringLiteral("%1%2 %").arg(signo).arg(analisis_.variacion);
    const int ancho = medidas.horizontalAdvance(texto) + 2;
    textos.push_back(
        {texto, QRect(x, kMargen, ancho, AltoTexto()), Qt::AlignLeft | Qt::AlignVCenter});
    x += ancho + 3 * kHueco + kCuadro;
  }
  return textos;
}

std::vector<BarraSensibilidad> PictureSensibilidad::Barras() const {
  std::vector<BarraSensibilidad> barras;
  const int n = static_cast<int>(analisis_.entradas.size());
  if (n == 0) return barras;
  const int anchoNombres = AnchoNombres(width());
  const int anchoValores = AnchoValores();
  const int eje = Eje(width());
  const int media = std::max(1, eje - (kMargen * 2 + anchoNombres) - anchoValores - kHueco);
  // Lo que sobre de alto se reparte entre las filas.
  const int sobra = std::max(0, height() - heightForWidth(width())) / n;

  double mayor = 0;
  for (const EntradaSensibilidad& e : analisis_.entradas) {
    BarraSensibilidad b;
    b.cambioMenos = Cambio(e.menos, analisis_.base);
    b.cambioMas = Cambio(e.mas, analisis_.base);
    b.nombre.texto = e.nombre;
    mayor = std::max({mayor, std::abs(b.cambioMenos), std::abs(b.cambioMas)});
    barras.push_back(b);
  }
  std::stable_sort(barras.begin(), barras.end(), [](const auto& a, const auto& b) {
    return std::max(std::abs(a.cambioMenos), std::abs(a.cambioMas)) >
           std::max(std::abs(b.cambioMenos), std::abs(b.cambioMas));
  });

  const double escala = mayor > 0 ? media / mayor : 0;
  const int grosor = AltoTexto() - 4;
  int y = kMargen + AltoTexto();
  for (BarraSensibilidad& b : barras) {
    const int alto = AltoFila(b.nombre.texto, anchoNombres) + sobra;
    b.nombre.caja = QRect(kMargen, y, anchoNombres, alto);
    b.nombre.alineacion = Qt::Alignment(kFlagsNombre);
    // Cada barra va hacia donde lleve su cambio, con su valor al final.
    const int centro = y + alto / 2;
    auto colocar = [&](double cambio, int top, QRect& barra, TextoGrafico& valor) {
      const int largo = static_cast<int>(std::lround(std::abs(cambio) * escala));
      const bool izquierdaDelEje = cambio < 0;
      barra = QRect(izquierdaDelEje ? eje - largo : eje, top, largo, grosor);
      valor.texto = TextoCambio(cambio);
      const int x = izquierdaDelEje ? eje - largo - kHueco - anchoValores : eje + largo + kHueco;
      valor.caja = QRect(x, top + grosor / 2 - AltoTexto() / 2, anchoValores, AltoTexto());
      valor.alineacion = (izquierdaDelEje ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    };
    colocar(b.cambioMenos, centro - AltoTexto() + 2, b.barraMenos, b.valorMenos);
    colocar(b.cambioMas, centro + 2, b.barraMas, b.valorMas);
    y += alto;
  }
  return barras;
}

void PictureSensibilidad::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::Text));
  const std::vector<TextoGrafico> leyenda = Leyenda();
  const QColor colores[] = {ColorMenos(), ColorMas()};
  for (size_t i = 0; i < leyenda.size(); ++i) {
    const QRect& caja = leyenda[i].caja;
    p.fillRect(caja.left() - kHueco - kCuadro, caja.center().y() - kCuadro / 2, kCuadro, kCuadro,
               colores[i]);
    p.drawText(caja, static_cast<int>(leyenda[i].alineacion), leyenda[i].texto);
  }
  const std::vector<BarraSensibilidad> barras = Barras();
  if (barras.empty()) return;
  for (const BarraSensibilidad& b : barras) {
    p.fillRect(b.barraMenos, ColorMenos());
    p.fillRect(b.barraMas, ColorMas());
    for (const TextoGrafico* t : {&b.nombre, &b.valorMenos, &b.valorMas})
      p.drawText(t->caja, static_cast<int>(t->alineacion), t->texto);
  }
  // El eje: la base, donde el cambio es cero.
  const int x = Eje(width());
  p.drawLine(x, barras.front().nombre.caja.top(), x, barras.back().nombre.caja.bottom());
}

}  // namespace dorvelna
