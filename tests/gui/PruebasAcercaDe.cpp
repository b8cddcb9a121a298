#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "Modales.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/frmAbout.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::ResponderModal;

class PruebaAcercaDe : public ::testing::Test {
protected:
  void SetUp() override {
    acerca_.show();
    QApplication::setActiveWindow(&acerca_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&acerca_));
    aceptar_ = acerca_.findChild<QPushButton*>(QStringLiteral("cmbAceptar"));
    ASSERT_TRUE(aceptar_);
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(aceptar_->hasFocus()); }, 2000));
  }
  // Recoge los mensajes sin abrir el cuadro.
  void Recoger() {
    QStringList* vistos = &mensajes_;
    entorno_.mensajes = [vistos](const QString& texto, const QString& titulo) {
      *vistos << titulo << texto;
      return true;
    };
  }

  // Los créditos salen sobre la ventana dueña del diálogo.
  QWidget duena_;
  Entorno entorno_;
  frmAbout acerca_{entorno_, &duena_};
  QPushButton* aceptar_ = nullptr;
  QStringList mensajes_;
};

TEST_F(PruebaAcercaDe, LeyendaVersionYTitulo) {
  EXPECT_EQ(acerca_.windowTitle(), QStringLiteral("Acerca de DORVELNA"));
  auto texto = [&](const char* nombre) {
    auto* l = acerca_.findChild<QLabel*>(QString::fromLatin1(nombre));
    return l ? l->text() : QStringLiteral("<falta>");
  };
  EXPECT_EQ(texto("lblVersion"), QStringLiteral("Versión 2.0.0"));
  EXPECT_EQ(texto("lblTitulo"), QStringLiteral("DORVELNA"));
  EXPECT_FALSE(texto("lblDescripcion").isEmpty());
  EXPECT_FALSE(texto("lblAdvertencia").isEmpty());
  auto* titulo = acerca_.findChild<QLabel*>(QStringLiteral("lblTitulo"));
  ASSERT_TRUE(titulo);
  EXPECT_TRUE(titulo->font().bold());
  EXPECT_DOUBLE_EQ(titulo->font().pointSizeF(), 20.25);
  EXPECT_TRUE(QFontInfo(titulo->font()).bold());
  EXPECT_EQ(aceptar_->text(), QStringLiteral("Aceptar"));
  EXPECT_TRUE(aceptar_->isDefault());
}

TEST_F(PruebaAcercaDe, IntroCierra) {
  Recoger();
  QTest::keyClick(aceptar_, Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(!acerca_.isVisible()); }, 2000));
  EXPECT_EQ(acerca_.result(), QDialog::Accepted);
  EXPECT_TRUE(mensajes_.isEmpty());
}

// Esc y Ctrl, con el foco en "Aceptar", enseñan los créditos y la ventana sigue abierta.
TEST_F(PruebaAcercaDe, EscYCtrlMuestranLosCreditosSinCerrar) {
  Recoger();
  QTest::keyClick(aceptar_, Qt::Key_Escape);
  QTest::keyClick(aceptar_, Qt::Key_Control);
  QTest::qWait(20);
  EXPECT_TRUE(acerca_.isVisible());
  ASSERT_EQ(mensajes_.size(), 4);
  EXPECT_EQ(mensajes_[0], QStringLiteral("Autor"));
  EXPECT_EQ(mensajes_[2], QStringLiteral("Autor"));
  EXPECT_EQ(mensajes_[1], mensajes_[3]);
  // Dos líneas con una línea en blanco entre ellas.
  const QStringList lineas = mensajes_[1].split(QStringLiteral("\r\n"));
  ASSERT_EQ(lineas.size(), 3);
  EXPECT_FALSE(lineas[0].isEmpty());
  EXPECT_TRUE(lineas[1].isEmpty());
  EXPECT_FALSE(lineas[2].isEmpty());
  // Otra tecla no dice nada, y Esc sin pasar por "Aceptar" tampoco cierra.
  QTest::keyClick(aceptar_, Qt::Key_A);
  QTest::keyClick(&acerca_, Qt::Key_Escape);
  QTest::qWait(20);
  EXPECT_EQ(mensajes_.size(), 4);
  EXPECT_TRUE(acerca_.isVisible());
}

// Sin observador, los créditos salen en el cuadro de mensajes de verdad, con su icono.
TEST_F(PruebaAcercaDe, LosCreditosSalenEnElCuadroDeMensajes) {
  bool visto = false;
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
    visto = true;
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Autor"));
    EXPECT_EQ(d->parentWidget(), &duena_);
    auto* informacion = d->findChild<QLabel*>(QStringLiteral("picInformacion"));
    ASSERT_TRUE(informacion);
    EXPECT_TRUE(informacion->isVisible());
  });
  QTest::keyClick(aceptar_, Qt::Key_Escape);
  EXPECT_TRUE(visto);
  EXPECT_TRUE(acerca_.isVisible());
}

}  // namespace
}  // namespace dorvelna::pruebas
