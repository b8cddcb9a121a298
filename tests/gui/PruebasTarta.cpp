// La tarta del reparto del coste anual: tamaño, sectores, colores y sitio de cada etiqueta
// según el cuadrante de la mitad de su sector.
#include <QImage>
#include <QLabel>
#include <cmath>
#include <gtest/gtest.h>

#include "forms/Tarta.h"
#include "shell/Twips.h"

namespace dorvelna {
namespace {

// Porcentaje de cada ranura, en el orden del dibujo.
constexpr int kPorcentaje[12] = {21, 22, 23, 25, 26, 27, 39, 28, 29, 24, 30, 37};
// Color de cada ranura: amortización, financiación, personal, seguros, fiscales, combustible,
// urea, neumáticos, reparaciones, dietas, peajes e indirectos.
const QColor kColor[12] = {{0, 0, 255},  {192, 64, 0},  {128, 128, 255}, {128, 128, 0},
                           {64, 64, 64}, {192, 0, 192}, {0, 192, 0},     {0, 0, 0},
                           {255, 0, 0},  {0, 192, 192}, {0, 128, 0},     {255, 255, 192}};

struct Esperado {
  double inicio, fin;
  float left, top;
};

// Lo que piden las reglas del dibujo para una etiqueta de ancho w y alto h (twips).
Esperado Calcular(double inicio, double fin, double cx, double cy, double r, double w, double h) {
  const double medio = (inicio + fin) / 2, rho = r + 50;
  double left = cx + rho * std::cos(medio), top = cy - rho * std::sin(medio);
  if (medio < 1.5707963268) {
    top -= h;
  } else if (medio < 3.1415926536) {
    left -= w;
    top -= h;
  } else if (medio < 4.7123889804) {
    left -= w;
  }
  return {inicio, fin, static_cast<float>(left), static_cast<float>(top)};
}

class PruebaTarta : public ::testing::Test {
protected:
  PruebaTarta() : tarta_(QStringLiteral("PictureSR"), QStringLiteral("lblPicS"), kFondo, nullptr) {
    tarta_.setGeometry(RectTwips(0, 0, 3315, 2895));
  }
  // Pone los porcentajes (uno por ranura) y dibuja; devuelve lo esperado de cada ranura,
  // calculado con el tamaño que tenía cada etiqueta antes del dibujo.
  std::vector<Esperado> Dibujar(const std::array<double, 12>& partes) {
    Valores v;
    for (int i = 0; i < 12; ++i) v.R[kPorcentaje[i]] = Valor(partes[i]);
    const double W = PixelesATwips(tarta_.width()), H = PixelesATwips(tarta_.height());
    const double d = std::min(W, H) - 38 - 600;
    std::vector<Esperado> esperado;
    double inicio = 1e-11;
    for (int i = 0; i < 12; ++i) {
      double fin = std::min(inicio + 6.2831853072 * partes[i] / 100, 6.2831853072);
      QLabel* e = tarta_.Etiqueta(i);
      esperado.push_back(Calcular(inicio, fin, (W - 38) / 2, (H - 38) / 2, d / 2,
                                  PixelesATwips(e->width()), PixelesATwips(e->height())));
      inicio = fin;
    }
    tarta_.DibujarTarta(v, sinCuadros_, sinLeyendas_);
    return esperado;
  }
  // Color del dibujo en el punto a media distancia del centro en la dirección del ángulo.
  QColor ColorEn(const QImage& imagen, double angulo) const {
    const double escala = 1.0 / TwipsPorPixel();
    const double x = (tarta_.CentroX() + tarta_.Radio() / 2 * std::cos(angulo)) * escala;
    const double y = (tarta_.CentroY() - tarta_.Radio() / 2 * std::sin(angulo)) * escala;
    return imagen.pixelColor(static_cast<int>(x), static_cast<int>(y));
  }

  static inline const QColor kFondo{192, 192, 255};
  Tarta tarta_;
  std::array<QLabel*, 12> sinCuadros_{};
  std::array<QLabel*, 12> sinLeyendas_{};
};

TEST_F(PruebaTarta, EtiquetasEnSuCuadranteYSectoresDeSuColor) {
  // Una ranura vacía (Urea) en medio, mitades en los cuatro cuadrantes.
  const std::array<double, 12> partes = {12.5, 10, 20, 5, 2.5, 15, 0, 7.5, 10, 5, 2.5, 10};
  const auto esperado = Dibujar(partes);
  // Diseño 3315 x 2895: más ancho que alto, el diámetro sale del alto.
  EXPECT_DOUBLE_EQ(tarta_.Radio(), 1128.5);
  EXPECT_DOUBLE_EQ(tarta_.CentroX(), 1638.5);
  EXPECT_DOUBLE_EQ(tarta_.CentroY(), 1428.5);
  ASSERT_EQ(tarta_.Sectores().size(), 12u);
  const QImage imagen = tarta_.grab().toImage();
  const double cx = tarta_.CentroX() / TwipsPorPixel(), cy = tarta_.CentroY() / TwipsPorPixel();
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    const SectorTarta& s = tarta_.Sectores()[i];
    EXPECT_DOUBLE_EQ(s.inicio, esperado[i].inicio);
    EXPECT_DOUBLE_EQ(s.fin, esperado[i].fin);
    EXPECT_EQ(s.dibujado, partes[i] > 0);
    QLabel* e = tarta_.Etiqueta(i);
    EXPECT_FLOAT_EQ(e->property("LeftTwips").toFloat(), esperado[i].left);
    EXPECT_FLOAT_EQ(e->property("TopTwips").toFloat(), esperado[i].top);
    EXPECT_EQ(e->pos(), QPoint(TwipsAPixeles(static_cast<int>(std::lround(esperado[i].left))),
                               TwipsAPixeles(static_cast<int>(std::lround(esperado[i].top)))));
    EXPECT_EQ(e->text(),
              QString::number(partes[i], 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) +
                  QStringLiteral("%"));
    // La etiqueta queda del lado de su sector: a la derecha del centro en los cuadrantes
    // primero y cuarto, encima en los dos primeros.
    const double medio = (s.inicio + s.fin) / 2;
    if (std::cos(medio) > 0.05) {
      EXPECT_GE(e->x(), cx - 1);
    }
    if (std::cos(medio) < -0.05) {
      EXPECT_LE(e->x() + e->width(), cx + 1);
    }
    if (std::sin(medio) > 0.05) {
      EXPECT_LE(e->y() + e->height(), cy + 1);
    }
    if (std::sin(medio) < -0.05) {
      EXPECT_GE(e->y(), cy - 1);
    }
    if (s.dibujado) {
      EXPECT_EQ(ColorEn(imagen, medio), kColor[i]);
    }
  }
  // Con el desfase inicial la suma pasa de 2π y el último sector se recorta a la vuelta.
  EXPECT_DOUBLE_EQ(tarta_.Sectores().back().fin, 6.2831853072);
}

TEST_F(PruebaTarta, ColumnaConTotalCeroNoDibujaSectores) {
  const auto esperado = Dibujar({});
  const QImage imagen = tarta_.grab().toImage();
  for (int i = 0; i < 12; ++i) {
    EXPECT_FALSE(tarta_.Sectores()[i].dibujado) << i;
    // Todas se juntan en el ángulo de partida, a la derecha del centro y encima.
    EXPECT_FLOAT_EQ(tarta_.Etiqueta(i)->property("TopTwips").toFloat(), esperado[i].top) << i;
    EXPECT_FLOAT_EQ(tarta_.Etiqueta(i)->property("LeftTwips").toFloat(),
                    static_cast<float>(1638.5 + 1128.5 + 50));
    EXPECT_EQ(tarta_.Etiqueta(i)->text(), QStringLiteral("0,0%"));
  }
  for (double angulo : {0.5, 2.0, 3.5, 5.0}) EXPECT_EQ(ColorEn(imagen, angulo), kFondo) << angulo;
}

TEST_F(PruebaTarta, PorcentajesQuePasanDeCienAcabanEnLaVueltaCompleta) {
  const auto esperado = Dibujar({60, 30, 20, 10, 0, 0, 0, 0, 0, 0, 0, 0});
  const auto& s = tarta_.Sectores();
  EXPECT_TRUE(s[1].dibujado);
  EXPECT_DOUBLE_EQ(s[2].fin, 6.2831853072);  // recortado a la vuelta
  EXPECT_TRUE(s[2].dibujado);
  EXPECT_FALSE(s[3].dibujado);  // después de la vuelta, vacío
  EXPECT_DOUBLE_EQ(s[3].inicio, 6.2831853072);
  EXPECT_FLOAT_EQ(tarta_.Etiqueta(3)->property("LeftTwips").toFloat(), esperado[3].left);
  EXPECT_EQ(tarta_.Etiqueta(3)->text(), QStringLiteral("10,0%"));
}

TEST_F(PruebaTarta, ElLadoMenorDaElDiametro) {
  tarta_.setGeometry(RectTwips(0, 0, 2250, 3600));  // más alto que ancho
  Dibujar({100});
  const double W = PixelesATwips(tarta_.width());
  EXPECT_DOUBLE_EQ(tarta_.Radio(), ((W - 38) - 600) / 2);
  EXPECT_DOUBLE_EQ(tarta_.CentroX(), (W - 38) / 2);
}

}  // namespace
}  // namespace dorvelna
