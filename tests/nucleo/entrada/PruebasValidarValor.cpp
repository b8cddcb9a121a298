// Límites, reglas entre campos y mensajes de un valor recién leído.
#include <QLocale>
#include <gtest/gtest.h>

#include "Impresion.h"
#include "nucleo/entrada/Entrada.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;
using enum Formulario;

const QString kNeumaticos = QStringLiteral(
    "En la compra el precio de los neumáticos no puede ser mayor que el precio del "
    "autocar.\r\n\r\n");

class ValidarValorTest : public ::testing::Test {
protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    calculo.InicializarDatos();
  }
  void TearDown() override { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

  // Pone el valor en la ficha y lo valida como recién tecleado.
  bool Validar(Formulario form, Grupo g, int i, Valor v) {
    calculo.ValoresS(g, i) = std::move(v);
    return ValidarValor(form, calculo.ValoresS, g, i, calculo.Minimos, calculo.Maximos, mensaje);
  }
  // Neumáticos comprados por 3.200 euros con un autocar de 3.000.
  void NeumaticosCaros() {
    Valores& s = calculo.ValoresS;
    s(F1, 2) = 3000.0;
    s(F1, 21) = 100.0;
    s(V, 8) = 2.0, s(V, 9) = 1000.0, s(V, 11) = 2.0, s(V, 12) = 600.0;
  }

  Calculo calculo;
  QString mensaje;
};

TEST_F(ValidarValorTest, RangoYMensajeDeLimites) {
  EXPECT_TRUE(Validar(Caracteristicas, C, 2, 5.0));
  EXPECT_EQ(mensaje, "Valor mínimo = 10\r\n\r\nValor máximo = 200\r\n\r\n");
  mensaje.clear();
  EXPECT_FALSE(Validar(Caracteristicas, C, 2, 200.0));
  EXPECT_EQ(mensaje, "Valor mínimo = 10\r\n\r\nValor máximo = 200\r\n\r\n");

  EXPECT_FALSE(Validar(CostesFijos1, F1, 2, 900000.0));
  EXPECT_TRUE(mensaje.endsWith("\r\n\r\nValor máximo = 900.000,00\r\n\r\n"));
  EXPECT_TRUE(Validar(CostesFijos1, F1, 2, LeerCampo(QString(400, '9'), 2, ',')));
}

// Los grupos de tres cifras valen también para un número de cuatro.
TEST_F(ValidarValorTest, LimitesDeCuatroCifrasAgrupados) {
  Validar(CostesFijos1, F1, 2, 5000.0);
  EXPECT_EQ(mensaje, "Valor mínimo = 3.000,00\r\n\r\nValor máximo = 900.000,00\r\n\r\n");
}

TEST_F(ValidarValorTest, LimitesConLocaleC) {
  QLocale::setDefault(QLocale::c());
  Validar(CostesFijos1, F1, 2, 5000.0);
  EXPECT_EQ(mensaje, "Valor mínimo = 3,000.00\r\n\r\nValor máximo = 900,000.00\r\n\r\n");
}

TEST_F(ValidarValorTest, CeroEnViajerosYOcupacion) {
  EXPECT_FALSE(Validar(Caracteristicas, C, 19, 0.0));
  EXPECT_FALSE(Validar(Caracteristicas, C, 21, 0.0));
  EXPECT_TRUE(Validar(Caracteristicas, C, 19, 5.0));
  EXPECT_TRUE(Validar(Caracteristicas, C, 10, 0.0));
}

TEST_F(ValidarValorTest, MinimoDeCaracteres) {
  EXPECT_TRUE(Validar(Caracteristicas, C, 1, LeerCampo("   ", -1, ',')));
  EXPECT_EQ(mensaje, "El mínimo de caracteres es de 1.\r\n\r\n");
  EXPECT_FALSE(Validar(Caracteristicas, C, 1, Valor("X")));
  EXPECT_EQ(mensaje, "");
  EXPECT_FALSE(Validar(Caracteristicas, C, 7, Valor(QString())));
}

TEST_F(ValidarValorTest, NumeroDeNeumaticosPar) {
  EXPECT_TRUE(Validar(CostesVariables, V, 8, 3.0));
  EXPECT_EQ(mensaje,
            "Valor mínimo = 0\r\n\r\nValor máximo = 6\r\n\r\n"
            "El número de neumáticos debe ser par.\r\n\r\n");
  EXPECT_TRUE(Validar(CostesVariables, V, 14, 1.0));
  EXPECT_FALSE(Validar(CostesVariables, V, 11, 4.0));
}

TEST_F(ValidarValorTest, NeumaticosMasCarosQueElAutocar) {
  NeumaticosCaros();
  EXPECT_TRUE(Validar(CostesFijos1, F1, 2, 3000.0));
  EXPECT_TRUE(mensaje.endsWith("Valor máximo = 900.000,00\r\n\r\n" + kNeumaticos));
  EXPECT_TRUE(Validar(CostesFijos1, F1, 21, 100.0));
  EXPECT_EQ(mensaje, "Valor mínimo = 0,0\r\n\r\nValor máximo = 200,0\r\n\r\n" + kNeumaticos);
  EXPECT_TRUE(Validar(CostesVariables, V, 9, 1000.0));
  EXPECT_TRUE(mensaje.startsWith("Valor mínimo = 30,00\r\n\r\n"));
  EXPECT_TRUE(mensaje.endsWith(",00\r\n\r\n" + kNeumaticos));
  EXPECT_TRUE(Validar(CostesVariables, V, 11, 3.0));
  EXPECT_TRUE(mensaje.endsWith("El número de neumáticos debe ser par.\r\n\r\n" + kNeumaticos));
  calculo.ValoresS(V, 11) = 2.0;
  // Sólo los campos que entran en la regla la comprueban.
  EXPECT_FALSE(Validar(CostesVariables, V, 10, 50000.0));
  EXPECT_FALSE(Validar(CostesFijos1, F1, 3, 10.0));
  // Igualar el precio basta.
  EXPECT_FALSE(Validar(CostesFijos1, F1, 2, 3200.0));
  EXPECT_FALSE(mensaje.contains("neumáticos"));
}

TEST_F(ValidarValorTest, DescuentoYDevolucionDelCarburante) {
  calculo.ValoresS(V, 1) = 1.0;
  EXPECT_TRUE(Validar(CostesVariables, V, 3, 0.7));
  EXPECT_EQ(mensaje,
            "Valor mínimo = 0,0000\r\n\r\nValor máximo = 5,0000\r\n\r\n"
            "El porcentaje de descuento debe estar entre el 0,0% y el 60,0%.\r\n\r\n");
  EXPECT_FALSE(Validar(CostesVariables, V, 3, 0.6));

  calculo.ValoresS(V, 1) = 0.4;
  EXPECT_TRUE(Validar(CostesVariables, V, 20, 0.5));
  EXPECT_TRUE(mensaje.endsWith(
      "La devolución por gasóleo profesional no puede ser mayor que el precio de adquisición "
      "del carburante.\r\n\r\n"));
  calculo.ValoresS(V, 1) = 0.5;
  EXPECT_FALSE(Validar(CostesVariables, V, 20, 0.5));
}

TEST_F(ValidarValorTest, KilometrosYHorasDeUnServicio) {
  calculo.ValoresS(C, 11) = 50000.0;
  calculo.ValoresS(C, 16) = 1500.0;
  EXPECT_FALSE(Validar(Servicio, SS, 27, 50000.0));
  EXPECT_TRUE(Validar(Servicio, SS, 27, 50001.0));
  EXPECT_EQ(mensaje,
            "Valor mínimo = 0,0\r\n\r\nValor máximo = 400.000,0\r\n\r\n"
            "El número de kilómetros facturados en este servicio no puede ser mayor que el "
            "total.\r\n\r\n");
  EXPECT_FALSE(Validar(Servicio, SS, 4, 1500.0));
  EXPECT_TRUE(Validar(Servicio, SS, 4, 1500.5));
  EXPECT_TRUE(mensaje.endsWith(
      "El número de horas facturadas en este servicio no puede ser mayor que el total.\r\n\r\n"));
  EXPECT_FALSE(Validar(Servicio, SS, 2, 50000.0));  // los costes no se comparan con C(11)
}

}  // namespace
}  // namespace dorvelna::pruebas
