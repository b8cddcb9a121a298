#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "Modales.h"
#include "gui/comun/Twips.h"
#include "gui/comun/frmSplash.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::GuardiaModal;
using pruebas::ResponderModal;

TEST(frmSplash, MuestraLaIdentidadDelPrograma) {
  frmSplash s;
  EXPECT_EQ(s.size(), QSize(TwipsAPixeles(5910), TwipsAPixeles(4335)));
  auto texto = [&](const char* nombre) {
    auto* l = s.findChild<QLabel*>(QString::fromLatin1(nombre));
    return l ? l->text() : QStringLiteral("<falta>");
  };
  EXPECT_EQ(texto("lblProductName"), QStringLiteral("DORVELNA"));
  EXPECT_EQ(texto("lblVersion"), QStringLiteral("Versión 2.0.0"));
  EXPECT_FALSE(texto("lblDescripcion").isEmpty());
  EXPECT_FALSE(texto("lblOrganismo").isEmpty());
  EXPECT_FALSE(texto("lblDepartamento").isEmpty());
  for (const char* dibujo : {"picLogo", "picEscudo"}) {
    auto* l = s.findChild<QLabel*>(QString::fromLatin1(dibujo));
    ASSERT_TRUE(l) << dibujo;
    EXPECT_FALSE(l->pixmap().isNull()) << dibujo;
    EXPECT_EQ(l->parentWidget()->objectName(), QStringLiteral("Frame1"));
  }
}

// El temporizador cuenta desde que se ve y cierra la presentación modal por sí solo.
TEST(frmSplash, SeCierraSolaAlVencerElTemporizador) {
  frmSplash s;
  auto* temporizador = s.findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_TRUE(temporizador);
  EXPECT_EQ(temporizador->interval(), 10000);
  EXPECT_FALSE(temporizador->isActive());
  s.EstablecerIntervalo(50);
  GuardiaModal guardia(5000);
  s.exec();
  EXPECT_FALSE(guardia.Disparada());
  EXPECT_FALSE(s.isVisible());
}

class PruebaClicPresentacion : public ::testing::Test {
protected:
  void SetUp() override {
    s_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s_));
  }
  QWidget* Hijo(const char* nombre) { return s_.findChild<QWidget*>(QString::fromLatin1(nombre)); }
  frmSplash s_;
};

TEST_F(PruebaClicPresentacion, UnClicEnElFondoLaCierra) {
  QTest::mouseClick(&s_, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(!s_.isVisible()); }, 2000));
}

TEST_F(PruebaClicPresentacion, UnClicEnElMarcoLaCierra) {
  QWidget* marco = Hijo("Frame1");
  ASSERT_TRUE(marco);
  // Un punto del marco sin nada encima: entre el escudo y la descripción, junto al borde.
  const QPoint libre(6, marco->height() - 6);
  ASSERT_EQ(marco->childAt(libre), nullptr);
  QTest::mouseClick(marco, Qt::LeftButton, {}, libre);
  EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(!s_.isVisible()); }, 2000));
}

TEST_F(PruebaClicPresentacion, UnClicEnUnTextoOEnUnDibujoNoLaCierra) {
  for (const char* nombre : {"lblProductName", "lblVersion", "lblDescripcion", "lblOrganismo",
                             "lblDepartamento", "picLogo", "picEscudo"}) {
    QWidget* hijo = Hijo(nombre);
    ASSERT_TRUE(hijo) << nombre;
    QTest::mouseClick(hijo, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_TRUE(s_.isVisible()) << nombre;
  }
  // Pulsar en un texto y soltar en el fondo tampoco es un clic en el fondo.
  QTest::mousePress(Hijo("lblProductName"), Qt::LeftButton);
  QTest::mouseRelease(&s_, Qt::LeftButton, {}, QPoint(4, 4));
  QTest::qWait(20);
  EXPECT_TRUE(s_.isVisible());
}

TEST(frmSplash, MostrarPresentacionEsperaAQueSeCierre) {
  bool vista = false;
  ResponderModal(
      QStringLiteral("frmSplash"), QString(),
      [&](QWidget* s) {
        vista = true;
        EXPECT_EQ(s->parentWidget(), nullptr);
        EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
      },
      [](QWidget* s) { QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(3, 3)); });
  MostrarPresentacion();
  EXPECT_TRUE(vista);
}

}  // namespace
}  // namespace dorvelna::pruebas
