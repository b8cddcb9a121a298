#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include "gui/comun/Dibujos.h"

namespace dorvelna::pruebas {
namespace {

// Rectángulo de los píxeles pintados (no transparentes) de un dibujo.
QRect Pintado(const QPixmap& dibujo) {
  const QImage imagen = dibujo.toImage().convertToFormat(QImage::Format_ARGB32);
  QRect caja;
  for (int y = 0; y < imagen.height(); ++y) {
    for (int x = 0; x < imagen.width(); ++x) {
      if (qAlpha(imagen.pixel(x, y)) > 0) caja |= QRect(x, y, 1, 1);
    }
  }
  return caja;
}

// De la clase mayor a la menor los autocares encogen, a la misma escala y sobre el mismo
// suelo, y caben en el tamaño pedido.
TEST(Dibujos, LosAutocaresVanDeMayorAMenorSobreElMismoSuelo) {
  const QSize tamano(188, 68);
  QRect anterior;
  for (int clase = 0; clase < 4; ++clase) {
    SCOPED_TRACE(clase);
    const QPixmap dibujo = DibujoAutocar(clase, tamano);
    ASSERT_EQ(dibujo.size(), tamano);
    const QRect caja = Pintado(dibujo);
    ASSERT_FALSE(caja.isEmpty());
    EXPECT_GE(caja.left(), 0);
    EXPECT_LE(caja.right(), tamano.width() - 1);
    EXPECT_GE(caja.top(), 1);
    EXPECT_LE(caja.bottom(), tamano.height() - 2);
    EXPECT_NEAR(caja.left(), tamano.width() - 1 - caja.right(), 2);
    if (clase == 0) {
      EXPECT_GE(caja.width(), tamano.width() * 9 / 10);
    }
    if (clase > 0) {
      EXPECT_LT(caja.width(), anterior.width());
      EXPECT_LE(caja.height(), anterior.height());
      EXPECT_NEAR(caja.bottom(), anterior.bottom(), 1);
    }
    anterior = caja;
  }
}

TEST(Dibujos, UnaClaseQueNoExisteNoPintaNada) {
  for (int clase : {-1, 4}) {
    const QPixmap dibujo = DibujoAutocar(clase, QSize(40, 20));
    EXPECT_EQ(dibujo.size(), QSize(40, 20));
    EXPECT_TRUE(Pintado(dibujo).isEmpty());
  }
}

}  // namespace
}  // namespace dorvelna::pruebas
