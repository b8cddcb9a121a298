#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "Modales.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/frmMensaje.h"
#include "gui/comun/frmPreguntaGrabar.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::ResponderModal;
using pruebas::VisiblesConNombre;

class PruebaPregunta : public ::testing::Test {
protected:
  void SetUp() override {
    duena_.resize(600, 400);
    duena_.show();
  }

  // Responde la pregunta con `actuar` y devuelve lo que dice PreguntarGrabar.
  bool Preguntar(const QString& titulo, const QString& boton,
                 std::function<void(QWidget*)> actuar = {}) {
    ResponderModal(
        QStringLiteral("frmPreguntaGrabar"), boton,
        [&](QWidget* d) {
          EXPECT_EQ(d->windowTitle(), titulo);
          EXPECT_EQ(d->parentWidget(), &duena_);
          EXPECT_TRUE(cancelado_);
          auto* mensaje = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
          ASSERT_TRUE(mensaje);
          EXPECT_EQ(mensaje->text(), QStringLiteral("Se han modificado los datos.\n\n"
                                                    "¿Quieres guardar los cambios realizados?"));
          auto* pregunta = d->findChild<QLabel*>(QStringLiteral("picPregunta"));
          ASSERT_TRUE(pregunta);
          EXPECT_FALSE(pregunta->pixmap().isNull());
          for (const auto& [nombre, leyenda] :
               {std::pair{"cmbSi", "Si"}, {"cmbNo", "No"}, {"cmbCancelar", "Cancelar"}}) {
            auto* b = d->findChild<QPushButton*>(QString::fromLatin1(nombre));
            ASSERT_TRUE(b) << nombre;
            EXPECT_EQ(b->text(), QString::fromLatin1(leyenda));
          }
        },
        std::move(actuar));
    return PreguntarGrabar(
        cancelado_, titulo,
        [this] {
          ++grabaciones_;
          // Se graba con la pregunta ya cerrada y antes de dar la respuesta por buena.
          EXPECT_EQ(VisiblesConNombre(QStringLiteral("frmPreguntaGrabar")), 0);
          EXPECT_TRUE(cancelado_);
        },
        &duena_);
  }

  QWidget duena_;
  bool cancelado_ = true;
  int grabaciones_ = 0;
};

TEST_F(PruebaPregunta, SiGrabaDespuesDeCerrarYNoCancela) {
  cancelado_ = true;
  EXPECT_FALSE(Preguntar(QStringLiteral("Cerrar"), QStringLiteral("cmbSi")));
  EXPECT_FALSE(cancelado_);
  EXPECT_EQ(grabaciones_, 1);
}

TEST_F(PruebaPregunta, NoSigueSinGrabar) {
  cancelado_ = true;
  EXPECT_FALSE(Preguntar(QStringLiteral("Salir"), QStringLiteral("cmbNo")));
  EXPECT_FALSE(cancelado_);
  EXPECT_EQ(grabaciones_, 0);
}

// Cancelar, la caja de cierre y Esc dejan Cancelado a true aunque antes fuera false.
TEST_F(PruebaPregunta, CancelarCerrarOEscCancelan) {
  const std::function<void(QWidget*)> maneras[] = {
      {},
      [](QWidget* d) { d->close(); },
      [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
  };
  for (const auto& manera : maneras) {
    cancelado_ = false;
    EXPECT_TRUE(Preguntar(QStringLiteral("Salir"), QStringLiteral("cmbCancelar"), manera));
    EXPECT_TRUE(cancelado_);
  }
  EXPECT_EQ(grabaciones_, 0);
  EXPECT_EQ(duena_.findChildren<frmPreguntaGrabar*>().size(), 0);
}

// Lo habitual al grabar: el mensaje "Grabar" se abre como modal propio, ya sin la pregunta.
TEST_F(PruebaPregunta, ElMensajeDeGrabadoSaleConLaPreguntaCerrada) {
  bool mensajeVisto = false;
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbSi"));
  const bool cancelado = PreguntarGrabar(
      cancelado_, QStringLiteral("Cerrar"),
      [&] {
        ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
          mensajeVisto = true;
          EXPECT_EQ(d->windowTitle(), QStringLiteral("Grabar"));
          EXPECT_EQ(VisiblesConNombre(QStringLiteral("frmPreguntaGrabar")), 0);
        });
        MostrarMensaje(QStringLiteral("El archivo se ha grabado."), QStringLiteral("Grabar"),
                       &duena_, Entorno{});
      },
      &duena_);
  EXPECT_TRUE(mensajeVisto);
  EXPECT_FALSE(cancelado);
}

}  // namespace
}  // namespace dorvelna::pruebas
