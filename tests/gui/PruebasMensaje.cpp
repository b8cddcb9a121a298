#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "Modales.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/Twips.h"
#include "gui/comun/frmMensaje.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::GuardiaModal;
using pruebas::ResponderModal;

class PruebaMensaje : public ::testing::Test {
protected:
  void SetUp() override {
    duena_.resize(600, 400);
    duena_.show();
  }
  void Mostrar(const QString& texto, const QString& titulo) {
    MostrarMensaje(texto, titulo, &duena_, entorno_);
  }
  QWidget duena_;
  Entorno entorno_;
};

struct Iconos {
  QString titulo;
  QString leyenda;
  bool alarma;
  bool informacion;
  int leftAlarma;
  int leftInformacion;
};

// Cada título con sus iconos; la lista entera se pasa dos veces seguidas para ver que cada
// cuadro parte del diseño y no de lo que dejó el anterior.
TEST_F(PruebaMensaje, CadaTituloMuestraSuIconoYElCuadroSeDestruye) {
  const QList<Iconos> casos = {
      {QStringLiteral("Error"), QStringLiteral("Error"), true, false, 2200, 660},
      {QStringLiteral("Grabar"), QStringLiteral("Grabar"), false, true, 0, 2200},
      {QStringLiteral("Autor"), QStringLiteral("Autor"), false, true, 0, 2200},
      {QStringLiteral("Aviso"), QStringLiteral("Aviso"), false, false, 0, 660},
      {QString(), QStringLiteral("Título"), true, true, 0, 660},
  };
  for (int vuelta = 0; vuelta < 2; ++vuelta) {
    for (const Iconos& caso : casos) {
      SCOPED_TRACE(caso.leyenda.toStdString());
      bool visto = false;
      ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
        visto = true;
        EXPECT_EQ(d->windowTitle(), caso.leyenda);
        EXPECT_EQ(d->parentWidget(), &duena_);
        auto* alarma = d->findChild<QLabel*>(QStringLiteral("picAlarma"));
        auto* informacion = d->findChild<QLabel*>(QStringLiteral("picInformacion"));
        ASSERT_TRUE(alarma && informacion);
        EXPECT_EQ(alarma->isVisible(), caso.alarma);
        EXPECT_EQ(informacion->isVisible(), caso.informacion);
        if (caso.alarma) {
          EXPECT_EQ(alarma->x(), TwipsAPixeles(caso.leftAlarma));
        }
        if (caso.informacion) {
          EXPECT_EQ(informacion->x(), TwipsAPixeles(caso.leftInformacion));
        }
        EXPECT_FALSE(alarma->pixmap().isNull());
        EXPECT_FALSE(informacion->pixmap().isNull());
      });
      Mostrar(QStringLiteral("Archivo en mal estado."), caso.titulo);
      EXPECT_TRUE(visto);
      EXPECT_EQ(duena_.findChildren<frmMensaje*>().size(), 0);
    }
  }
}

TEST_F(PruebaMensaje, LosSaltosCrLfSeVenComoLineas) {
  const QString texto = QStringLiteral(
      "Valor mínimo = 0\r\n\r\nValor máximo = 6\r\n\r\nEl número de neumáticos debe ser "
      "par.\r\n\r\n");
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
    auto* mensaje = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
    ASSERT_TRUE(mensaje);
    EXPECT_EQ(mensaje->text(),
              QStringLiteral("Valor mínimo = 0\n\nValor máximo = 6\n\nEl número de neumáticos "
                             "debe ser par.\n\n"));
    EXPECT_EQ(mensaje->parentWidget()->objectName(), QStringLiteral("Frame1"));
  });
  Mostrar(texto, QStringLiteral("Error"));
}

// El mensaje de error más largo (límites y dos reglas), una ruta larga sin espacios y un
// texto de doce líneas: el texto entero queda dentro del marco, con el botón debajo; el
// cuadro sólo crece cuando el alto de diseño no basta.
TEST(frmMensaje, LosMensajesLargosCabenSinCortarse) {
  const QString reglas = QStringLiteral(
      "Valor mínimo = 0\r\n\r\nValor máximo = 6\r\n\r\nEl número de neumáticos debe ser par."
      "\r\n\r\nEn la compra el precio de los neumáticos no puede ser mayor que el precio del "
      "autocar.\r\n\r\n");
  const QString ruta = QStringLiteral(
      "El archivo se ha grabado en: \r\n/home/usuaria/Documentos/Explotacion/Autocares/"
      "Calculos_de_la_temporada_de_verano/\r\n\r\nCon el nombre: \r\n"
      "autocar_de_la_linea_regular_numero_cuarenta_y_dos.dvn");
  QStringList doce;
  for (int k = 1; k <= 12; ++k) doce << QStringLiteral("Línea %1").arg(k);
  frmMensaje corto;
  corto.Preparar(QStringLiteral("Archivo no encontrado."), QStringLiteral("Error"));
  const QSize diseno(TwipsAPixeles(4875), TwipsAPixeles(3435));
  EXPECT_EQ(corto.size(), diseno);

  for (const QString& texto : {reglas, ruta, doce.join(QStringLiteral("\r\n"))}) {
    frmMensaje d;
    d.Preparar(texto, QStringLiteral("Grabar"));
    auto* mensaje = d.findChild<QLabel*>(QStringLiteral("lblMensaje"));
    auto* marco = d.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    auto* aceptar = d.findChild<QPushButton*>(QStringLiteral("cmbAceptar"));
    ASSERT_TRUE(mensaje && marco && aceptar);
    const int necesario = mensaje->heightForWidth(mensaje->width());
    EXPECT_LE(necesario, mensaje->height());
    EXPECT_EQ(d.height() > diseno.height(), necesario > TwipsAPixeles(1635));
    EXPECT_EQ(d.width(), diseno.width());
    EXPECT_TRUE(marco->rect().contains(mensaje->geometry()));
    EXPECT_GE(aceptar->y(), marco->geometry().bottom());
    EXPECT_TRUE(d.rect().contains(aceptar->geometry()));
  }
  // Un nombre que no cabe en una línea se parte dentro de la palabra en vez de salirse.
  frmMensaje d;
  d.Preparar(QStringLiteral("autocar_de_la_linea_regular_numero_cuarenta_y_dos_de_verano.dvn"),
             QString());
  auto* mensaje = d.findChild<QLabel*>(QStringLiteral("lblMensaje"));
  EXPECT_GT(mensaje->heightForWidth(mensaje->width()), mensaje->fontMetrics().height() * 3 / 2);
}

TEST_F(PruebaMensaje, ElObservadorRecogeElMensajeSinAbrirElCuadro) {
  QStringList vistos;
  entorno_.mensajes = [&](const QString& texto, const QString& titulo) {
    vistos << titulo + QLatin1Char('|') + texto;
    return titulo == QLatin1String("Error");
  };
  {
    GuardiaModal guardia;
    Mostrar(QStringLiteral("Archivo no encontrado."), QStringLiteral("Error"));
    EXPECT_FALSE(guardia.Disparada());
  }
  // Si el observador no lo da por visto, el cuadro se abre como siempre.
  bool abierto = false;
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"),
                 [&](QWidget*) { abierto = true; });
  Mostrar(QStringLiteral("El archivo se ha grabado."), QStringLiteral("Grabar"));
  EXPECT_TRUE(abierto);
  EXPECT_EQ(vistos, QStringList({QStringLiteral("Error|Archivo no encontrado."),
                                 QStringLiteral("Grabar|El archivo se ha grabado.")}));
}

// Un mensaje que ninguna prueba espera no la deja colgada: el vigilante del main la hace
// fallar enseguida, con el título y el texto del mensaje, y lo cierra.
TEST_F(PruebaMensaje, UnModalQueNadieEsperaHaceFallarLaPruebaConSuTexto) {
  EXPECT_NONFATAL_FAILURE(
      Mostrar(QStringLiteral("Archivo en mal estado."), QStringLiteral("Error")),
      "frmMensaje \"Error\": Archivo en mal estado.");
}

}  // namespace
}  // namespace dorvelna::pruebas
