// La tarta del reparto del coste anual: tamaño, sectores, colores y sitio de cada etiqueta
// según el cuadrante de la mitad de su sector; la que ahí quedaría cortada o encima de otra se
// mueve al sitio libre más cercano.
#include <QImage>
#include <QLabel>
#include <cmath>
#include <gtest/gtest.h>

#include "ComprobarTarta.h"
#include "gui/comun/Twips.h"
#include "gui/formularios/Tarta.h"

namespace dorvelna::pruebas {
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
  // Pone los porcentajes (uno por ranura) y dibuja.
  void Dibujar(const std::array<double, 12>& partes) {
    Valores v;
    for (int i = 0; i < 12; ++i) v.R[kPorcentaje[i]] = Valor(partes[i]);
    tarta_.DibujarTarta(v, sinCuadros_, sinLeyendas_);
  }
  // Lo que piden las reglas del dibujo para la etiqueta i con el tamaño de su texto.
  Esperado Prevista(int i) const {
    const SectorTarta& s = tarta_.Sectores()[i];
    const QLabel* e = tarta_.Etiqueta(i);
    return Calcular(s.inicio, s.fin, tarta_.CentroX(), tarta_.CentroY(), tarta_.Radio(),
                    PixelesATwips(e->width()), PixelesATwips(e->height()));
  }
  static QPoint EnPixeles(const Esperado& e) {
    return {TwipsAPixeles(static_cast<int>(std::lround(e.left))),
            TwipsAPixeles(static_cast<int>(std::lround(e.top)))};
  }
  // La que no se mueve está donde le toca; la que se mueve no cabía ahí: se salía del dibujo
  // o pisaba a otra.
  void ComprobarSitios() const {
    for (int i = 0; i < 12; ++i) {
      SCOPED_TRACE(i);
      const QLabel* e = tarta_.Etiqueta(i);
      const Esperado p = Prevista(i);
      if (!tarta_.Sectores()[i].movida) {
        EXPECT_FLOAT_EQ(e->property("LeftTwips").toFloat(), p.left);
        EXPECT_FLOAT_EQ(e->property("TopTwips").toFloat(), p.top);
        EXPECT_EQ(e->pos(), EnPixeles(p));
        continue;
      }
      const QRect sitio(EnPixeles(p), e->size());
      bool pisaba = false;
      for (int j = 0; j < 12; ++j) {
        pisaba |= j != i && sitio.adjusted(-4, 0, 4, 0).intersects(tarta_.Etiqueta(j)->geometry());
      }
      EXPECT_TRUE(!tarta_.rect().contains(sitio) || pisaba) << e->text().toStdString();
    }
  }
  // Color del dibujo en el punto a media distancia del centro en la dirección del ángulo
  // (en píxeles de la imagen, que en una pantalla de alta resolución son más que los puntos).
  QColor ColorEn(const QImage& imagen, double angulo) const {
    const double escala = imagen.devicePixelRatio() / TwipsPorPixel();
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
  Dibujar(partes);
  // Diseño 3315 x 2895: más ancho que alto, el diámetro sale del alto.
  EXPECT_DOUBLE_EQ(tarta_.Radio(), 1128.5);
  EXPECT_DOUBLE_EQ(tarta_.CentroX(), 1638.5);
  EXPECT_DOUBLE_EQ(tarta_.CentroY(), 1428.5);
  ASSERT_EQ(tarta_.Sectores().size(), 12u);
  ComprobarSitios();
  pruebas::ComprobarEtiquetas(tarta_);
  const QImage imagen = tarta_.grab().toImage();
  const double cx = tarta_.CentroX() / TwipsPorPixel(), cy = tarta_.CentroY() / TwipsPorPixel();
  double inicio = 1e-11;
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    const SectorTarta& s = tarta_.Sectores()[i];
    EXPECT_DOUBLE_EQ(s.inicio, inicio);
    inicio = std::min(inicio + 6.2831853072 * partes[i] / 100, 6.2831853072);
    EXPECT_DOUBLE_EQ(s.fin, inicio);
    EXPECT_EQ(s.dibujado, partes[i] > 0);
    QLabel* e = tarta_.Etiqueta(i);
    EXPECT_EQ(e->text(),
              QString::number(partes[i], 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) +
                  QStringLiteral("%"));
    // La que no se mueve queda del lado de su sector: a la derecha del centro en los
    // cuadrantes primero y cuarto, encima en los dos primeros.
    const double medio = (s.inicio + s.fin) / 2;
    if (!s.movida && std::cos(medio) > 0.05) {
      EXPECT_GE(e->x(), cx - 1);
    }
    if (!s.movida && std::cos(medio) < -0.05) {
      EXPECT_LE(e->x() + e->width(), cx + 1);
    }
    if (!s.movida && std::sin(medio) > 0.05) {
      EXPECT_LE(e->y() + e->height(), cy + 1);
    }
    if (!s.movida && std::sin(medio) < -0.05) {
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
  Dibujar({});
  const QImage imagen = tarta_.grab().toImage();
  for (int i = 0; i < 12; ++i) {
    EXPECT_FALSE(tarta_.Sectores()[i].dibujado) << i;
    EXPECT_EQ(tarta_.Etiqueta(i)->text(), QStringLiteral("0,0%"));
    // Todas se juntan junto al ángulo de partida, a la derecha del centro.
    EXPECT_GT(tarta_.Etiqueta(i)->x(), tarta_.CentroX() / TwipsPorPixel()) << i;
  }
  ComprobarSitios();
  pruebas::ComprobarEtiquetas(tarta_);
  for (double angulo : {0.5, 2.0, 3.5, 5.0}) EXPECT_EQ(ColorEn(imagen, angulo), kFondo) << angulo;
}

TEST_F(PruebaTarta, PorcentajesQuePasanDeCienAcabanEnLaVueltaCompleta) {
  Dibujar({60, 30, 20, 10, 0, 0, 0, 0, 0, 0, 0, 0});
  const auto& s = tarta_.Sectores();
  EXPECT_TRUE(s[1].dibujado);
  EXPECT_DOUBLE_EQ(s[2].fin, 6.2831853072);  // recortado a la vuelta
  EXPECT_TRUE(s[2].dibujado);
  EXPECT_FALSE(s[3].dibujado);  // después de la vuelta, vacío
  EXPECT_DOUBLE_EQ(s[3].inicio, 6.2831853072);
  EXPECT_EQ(tarta_.Etiqueta(3)->text(), QStringLiteral("10,0%"));
  ComprobarSitios();
  pruebas::ComprobarEtiquetas(tarta_);
}

TEST_F(PruebaTarta, ElLadoMenorDaElDiametro) {
  tarta_.setGeometry(RectTwips(0, 0, 2250, 3600));  // más alto que ancho
  Dibujar({100});
  const double W = PixelesATwips(tarta_.width());
  EXPECT_DOUBLE_EQ(tarta_.Radio(), ((W - 38) - 600) / 2);
  EXPECT_DOUBLE_EQ(tarta_.CentroX(), (W - 38) / 2);
}

// Repartos hostiles, con el dibujo de su tamaño de diseño, agrandado con su letra (otra
// resolución de pantalla) o con una letra mayor que la del diseño.
struct Reparto {
  const char* nombre;
  std::array<double, 12> partes;
};
const Reparto kRepartos[] = {
    {"uno al 99,9", {99.9, 0.1}},
    {"doce iguales", {8.3, 8.3, 8.3, 8.3, 8.3, 8.3, 8.3, 8.3, 8.3, 8.3, 8.3, 8.3}},
    {"cinco bajo el 1 juntos", {40, 0.2, 0.4, 0.6, 0.8, 0.9, 57.1}},
    {"uno al 100 en medio", {0, 0, 0, 0, 0, 100}},
    {"todo cero", {}},
    {"finos al final", {30, 20, 15, 10, 10, 5, 3.5, 2.5, 2, 1, 0.5, 0.5}},
};
struct Medida {
  double dibujo, letra;
};
const Medida kMedidas[] = {{1, 1}, {1.25, 1.25}, {1.5, 1.5}, {2, 2}, {1, 1.25}};
void PrintTo(const Reparto& r, std::ostream* salida) { *salida << r.nombre; }
void PrintTo(const Medida& m, std::ostream* salida) {
  *salida << "dibujo x" << m.dibujo << ", letra x" << m.letra;
}

class PruebaTartaHostil : public PruebaTarta,
                          public ::testing::WithParamInterface<std::tuple<Reparto, Medida>> {};

TEST_P(PruebaTartaHostil, CadaEtiquetaEnteraDentroYSinPisarOtra) {
  const auto& [reparto, medida] = GetParam();
  SCOPED_TRACE(reparto.nombre);
  tarta_.setGeometry(RectTwips(0, 0, static_cast<int>(3315 * medida.dibujo),
                               static_cast<int>(2895 * medida.dibujo)));
  QFont letra = tarta_.font();
  letra.setPointSizeF(letra.pointSizeF() * medida.letra);
  tarta_.setFont(letra);
  ASSERT_EQ(tarta_.Etiqueta(0)->font().pointSizeF(), letra.pointSizeF());
  ASSERT_TRUE(tarta_.Etiqueta(0)->font().bold());
  Dibujar(reparto.partes);
  ComprobarSitios();
  pruebas::ComprobarEtiquetas(tarta_);
  // El texto de cada una sigue siendo su porcentaje con un decimal.
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(
        tarta_.Etiqueta(i)->text(),
        QString::number(reparto.partes[i], 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) +
            QStringLiteral("%"));
  }
  // Lo mismo da lo mismo.
  std::vector<QRect> antes;
  for (int i = 0; i < 12; ++i) antes.push_back(tarta_.Etiqueta(i)->geometry());
  Dibujar(reparto.partes);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(tarta_.Etiqueta(i)->geometry(), antes[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(RepartosYMedidas, PruebaTartaHostil,
                         ::testing::Combine(::testing::ValuesIn(kRepartos),
                                            ::testing::ValuesIn(kMedidas)));

}  // namespace
}  // namespace dorvelna::pruebas
