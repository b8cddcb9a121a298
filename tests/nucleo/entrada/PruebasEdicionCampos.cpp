// El recorrido de la edición de un campo sin controles: entrar, filtrar, salir, admitir o
// rechazar con su mensaje, y lo que la caja tiene que enseñar en cada paso.
#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "Impresion.h"
#include "nucleo/entrada/EdicionCampos.h"
#include "nucleo/model/EstadoPrograma.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;
using enum Formulario;

// Apunta, en orden, lo que el motor manda mostrar y lo que la edición manda restaurar.
class Registro : public Pantalla {
public:
  void MostrarCampo(Grupo g, Columna, int i, const Valor&) override {
    pasos << QStringLiteral("motor %1(%2)").arg(QString::fromLatin1(CodigoGrupo(g))).arg(i);
  }
  EdicionCampos::Restaurar Restaurar() {
    return [this](const QString& texto) { pasos << QStringLiteral("restaurar ") + texto; };
  }
  QStringList pasos;
};

class EdicionCamposTest : public ::testing::Test {
protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    estado.calculo.InicializarDatos();
    estado.calculo.PonerPantalla(&registro);
    Valores& s = estado.calculo.ValoresS;
    s(V, 8) = 2.0, s(V, 9) = 440.0, s(C, 1) = QStringLiteral("Clase II");
  }

  SalidaCampo Teclear(Formulario form, Grupo g, int i, const QString& texto, bool intro = false) {
    edicion.EntrarCampo(g, i);
    return edicion.SalirCampo(form, g, i, texto, intro, registro.Restaurar());
  }

  EstadoPrograma estado{QLatin1Char(',')};
  EdicionCampos edicion{estado};
  Registro registro;
};

// El valor anterior vuelve sin formato antes de que el motor recalcule, que aquí vuelve a
// mostrar el propio precio (su número de neumáticos no es cero): eso es lo que se ve mientras
// sale el mensaje; después, el valor con su formato.
TEST_F(EdicionCamposTest, UnValorRechazadoVuelveAlAnteriorConSuMensaje) {
  const SalidaCampo salida = Teclear(CostesVariables, V, 9, QStringLiteral("9"));
  EXPECT_EQ(estado.calculo.ValoresS(V, 9), Valor(440.0));
  ASSERT_GE(registro.pasos.size(), 2);
  EXPECT_EQ(registro.pasos[0], "restaurar 440");
  EXPECT_EQ(registro.pasos[1], "motor V(9)");
  ASSERT_TRUE(salida.mensaje);
  EXPECT_TRUE(salida.mensaje->startsWith("Valor mínimo = 30,00\r\n\r\nValor máximo = 5.000,00"));
  EXPECT_EQ(salida.texto, "440,00");
}

TEST_F(EdicionCamposTest, UnValorAdmitidoQuedaYCorreElMotor) {
  const SalidaCampo salida = Teclear(CostesVariables, V, 9, QStringLiteral("1234,5"));
  EXPECT_EQ(estado.calculo.ValoresS(V, 9), Valor(1234.5));
  EXPECT_FALSE(salida.mensaje);
  EXPECT_EQ(salida.texto, "1.234,50");
  EXPECT_FALSE(registro.pasos.isEmpty());
  EXPECT_FALSE(registro.pasos.join(' ').contains("restaurar"));
}

// Con Intro el texto no se formatea y, al volver a entrar, el valor admitido pasa a ser el
// anterior: un rechazo posterior vuelve a él y no al de antes de Intro.
TEST_F(EdicionCamposTest, IntroRenuevaElValorAnterior) {
  const SalidaCampo intro = Teclear(CostesVariables, V, 9, QStringLiteral("500"), true);
  EXPECT_FALSE(intro.mensaje);
  EXPECT_FALSE(intro.texto);
  EXPECT_EQ(edicion.EntrarCampo(V, 9), "500");
  EXPECT_EQ(edicion.ValorAnterior(), Valor(500.0));
  const SalidaCampo rechazo =
      edicion.SalirCampo(CostesVariables, V, 9, QStringLiteral("1"), true, registro.Restaurar());
  EXPECT_TRUE(rechazo.mensaje);
  EXPECT_EQ(estado.calculo.ValoresS(V, 9), Valor(500.0));
  EXPECT_TRUE(registro.pasos.contains("restaurar 500"));
}

TEST_F(EdicionCamposTest, UnaDescripcionVaciaVuelveALaAnterior) {
  const SalidaCampo salida = Teclear(Caracteristicas, C, 1, QStringLiteral("   "));
  EXPECT_EQ(salida.mensaje, "El mínimo de caracteres es de 1.\r\n\r\n");
  EXPECT_EQ(estado.calculo.ValoresS(C, 1), Valor(QStringLiteral("Clase II")));
  EXPECT_EQ(salida.texto, "Clase II");
}

// Un cero se edita y se muestra vacío; no teclear nada lo deja en cero.
TEST_F(EdicionCamposTest, ElCeroSeVeVacio) {
  estado.calculo.ValoresS(V, 8) = 0.0;
  EXPECT_EQ(edicion.EntrarCampo(V, 8), "");
  const SalidaCampo salida = edicion.SalirCampo(CostesVariables, V, 8, QString(), false, {});
  EXPECT_FALSE(salida.mensaje);
  EXPECT_EQ(salida.texto, "");
  EXPECT_EQ(estado.calculo.ValoresS(V, 8), Valor(0.0));
}

// El filtro usa el separador del estado y no deja comillas en un texto.
TEST_F(EdicionCamposTest, FiltroConElSeparadorDelEstadoYSinComillas) {
  EstadoPrograma conPunto{QLatin1Char('.')};
  EdicionCampos punto{conPunto};
  EstadoCampo numero{QStringLiteral("12"), 2, 2, 0, 10, 2};
  EXPECT_EQ(punto.FiltrarTecla(numero, QLatin1Char(',')), Tecla::Rechazar);
  EXPECT_EQ(punto.FiltrarTecla(numero, QLatin1Char('.')), Tecla::Escribir);
  EXPECT_EQ(edicion.FiltrarTecla(numero, QLatin1Char('.')), Tecla::Rechazar);
  EXPECT_EQ(punto.LeerCampo(V, 9, QStringLiteral("1,234.5")), Valor(1234.5));

  EstadoCampo texto{QStringLiteral("Clase"), 2, 1, 2, 45, -1};
  EXPECT_EQ(edicion.FiltrarTecla(texto, QLatin1Char('"')), Tecla::Rechazar);
  EXPECT_EQ(texto.texto, "Cse");
  EXPECT_EQ(edicion.FiltrarTecla(numero, QLatin1Char('"')), Tecla::Rechazar);
}

TEST_F(EdicionCamposTest, LaCajaEnEdicionSeOlvidaAlDestruirse) {
  auto caja = std::make_unique<QObject>();
  edicion.PonerCajaEnEdicion(caja.get());
  EXPECT_EQ(edicion.CajaEnEdicion(), caja.get());
  caja.reset();
  EXPECT_EQ(edicion.CajaEnEdicion(), nullptr);
}

}  // namespace
}  // namespace dorvelna::pruebas
