// Operaciones de derivación de los formularios de datos, llevadas por el motor.
#include <gtest/gtest.h>

#include "FichaPrueba.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;
using F = Formulario;

class Derivaciones : public ConCalculo {};

TEST_F(Derivaciones, RepartoDeKilometros) {
  calc.ValoresS.C[9] = 12345;
  Poner(C, Columna::S, 10, 33.3);
  EXPECT_EQ(calc.ValoresS.C[11], Valor(4111.0));  // 4110,885 redondeado
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.C[12]), 66.7);
  EXPECT_EQ(calc.ValoresS.C[13], Valor(8234.0));  // el total menos la parte ya redondeada
  for (int i : {11, 12, 13}) {
    EXPECT_EQ(pantalla.UltimoMostrado(C, Columna::S, i), calc.ValoresS.C[i]) << i;
  }
}

TEST_F(Derivaciones, RepartoDeHorasEnLaColumnaO) {
  calc.ValoresO.C[14] = 2000;
  Poner(C, Columna::O, 15, 78);
  EXPECT_EQ(calc.ValoresO.C[16], Valor(1560.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.C[17]), 22);
  EXPECT_EQ(calc.ValoresO.C[18], Valor(440.0));
  EXPECT_TRUE(pantalla.Mostrado(C, Columna::O, 16));
  EXPECT_FALSE(pantalla.Mostrado(C, Columna::S, 16));
  // La columna S no se toca.
  EXPECT_EQ(calc.ValoresS.C[16], Valor(0.0));
}

TEST_F(Derivaciones, Produccion) {
  calc.ValoresS.C[2] = 55;
  calc.ValoresS.C[9] = 100000;
  calc.ValoresS.C[19] = 90;
  Poner(C, Columna::S, 21, 50);
  EXPECT_EQ(calc.ValoresS.C[20], Valor(90000.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.C[22]), 27);
  EXPECT_EQ(calc.ValoresS.C[23], Valor(2430000.0));
  for (int i : {20, 22, 23}) EXPECT_TRUE(pantalla.Mostrado(C, Columna::S, i)) << i;
}

// La producción sale de los factores sin redondear, no de los campos 20 y 22 guardados.
TEST_F(Derivaciones, ProduccionConFactoresSinRedondear) {
  calc.ValoresO.C[9] = 12345;
  calc.ValoresO.C[19] = 33.3;
  calc.ValoresO.C[21] = 33.3;
  Poner(C, Columna::O, 2, 56);
  EXPECT_EQ(calc.ValoresO.C[20], Valor(4111.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.C[22]), 18.3);
  // 18,315 × 4110,885 = 75290,86; con los campos ya redondeados saldría 75231.
  EXPECT_EQ(calc.ValoresO.C[23], Valor(75291.0));
}

TEST_F(Derivaciones, PotenciaEnKilovatios) {
  Poner(C, Columna::S, 5, 400);
  EXPECT_EQ(calc.ValoresS.C[24], Valor(294.0));
  EXPECT_TRUE(pantalla.Mostrado(C, Columna::S, 24));
  Poner(C, Columna::O, 5, 430);
  EXPECT_EQ(calc.ValoresO.C[24], Valor(316.0));
}

TEST_F(Derivaciones, PrecioSinNeumaticos) {
  calc.ValoresS.V[8] = 6;
  calc.ValoresS.V[9] = 400;
  calc.ValoresS.V[11] = 0;
  calc.ValoresS.V[14] = 0;
  calc.ValoresS.F1[21] = 100;
  Poner(F1, Columna::S, 2, 200000);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[22]), 197600);
  EXPECT_TRUE(pantalla.Mostrado(F1, Columna::S, 22));

  // La mitad del valor de los neumáticos, y los tres ejes sumados.
  calc.ValoresS.V[11] = 4;
  calc.ValoresS.V[12] = 420;
  calc.ValoresS.V[14] = 2;
  calc.ValoresS.V[15] = 440;
  Poner(F1, Columna::S, 21, 50);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[22]), 200000 - (2400 + 1680 + 880) / 2.0);

  // Un precio por debajo del valor de los neumáticos da 0, nunca un negativo.
  calc.ValoresS.F1[2] = 3000;
  Poner(F1, Columna::S, 21, 200);
  EXPECT_EQ(calc.ValoresS.F1[22], Valor(0.0));
}

// Cambiar los neumáticos en el formulario de costes variables rehace el precio sin
// neumáticos en el de costes fijos.
TEST_F(Derivaciones, PrecioSinNeumaticosDesdeLosNeumaticos) {
  calc.ValoresO.F1[2] = 260000;
  calc.ValoresO.F1[21] = 100;
  calc.ValoresO.V[8] = 2;
  calc.ValoresO.V[11] = 4;
  calc.ValoresO.V[12] = 420;
  calc.ValoresO.V[14] = 0;
  Poner(V, Columna::O, 9, 440);
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.F1[22]), 257440);
  EXPECT_EQ(pantalla.UltimoMostrado(F1, Columna::O, 22), Valor(257440.0));
}

TEST_F(Derivaciones, PorcentajesDelPrecio) {
  calc.ValoresS.F1[4] = 12;
  calc.ValoresS.F1[6] = 80;
  Poner(F1, Columna::S, 2, 260000);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[5]), 31200);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[7]), 208000);

  // Redondeado a los dos decimales del campo.
  calc.ValoresS.F1[12] = 3333.33;
  Poner(F1, Columna::S, 14, 33.3);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[15]), 1110);  // 1109,99889
  Poner(F1, Columna::S, 16, 12.5);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[17]), 416.67);  // 416,66625
}

TEST_F(Derivaciones, DietasMasPlus) {
  calc.ValoresS.F2[7] = 1140;
  calc.ValoresS.F2[3] = 28.5;
  Poner(F2, Columna::S, 4, 200);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[5]), 5700);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 6840);
  EXPECT_TRUE(pantalla.Mostrado(F2, Columna::S, 5));
  EXPECT_TRUE(pantalla.Mostrado(F2, Columna::S, 8));

  // El producto se redondea a céntimos.
  Poner(F2, Columna::S, 3, 0.125);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[5]), 25);
  calc.ValoresS.F2[4] = 3;
  Poner(F2, Columna::S, 3, 0.125);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[5]), 0.38);  // 0,375
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 1140.38);
}

TEST_F(Derivaciones, PlusDeActividad) {
  calc.ValoresS.C[9] = 95000;
  calc.ValoresS.F2[5] = 5700;
  Poner(F2, Columna::S, 6, 0.012);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[7]), 1140);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 6840);
  EXPECT_TRUE(pantalla.Mostrado(F2, Columna::S, 7));
  EXPECT_TRUE(pantalla.Mostrado(F2, Columna::S, 8));
}

TEST_F(Derivaciones, SumaDeSegurosConUnSumandoVacio) {
  const int indices[] = {10, 11, 12, 13, 14, 15, 16, 17, 29, 30};
  double esperado = 0;
  for (int k = 0; k < 10; ++k) {
    calc.ValoresS.F2[indices[k]] = 100.0 * (k + 1);
    esperado += 100.0 * (k + 1);
  }
  calc.ValoresS.F2[13] = Valor();
  esperado -= 400;
  Poner(F2, Columna::S, 29, calc.ValoresS.F2[29]);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[18]), esperado);
  EXPECT_TRUE(pantalla.Mostrado(F2, Columna::S, 18));
  // Ni los campos 29 y 30 se quedan fuera ni el 17 entra dos veces.
  Poner(F2, Columna::S, 30, 0.5);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[18]), esperado - 1000 + 0.5);
}

TEST_F(Derivaciones, SumaDeCostesFiscales) {
  for (int i = 20; i <= 27; ++i) calc.ValoresO.F2[i] = 10.0 * i;
  calc.ValoresO.F2[29] = 5000;  // no es fiscal
  Poner(F2, Columna::O, 27, 270);
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.F2[28]), 10.0 * (20 + 21 + 22 + 23 + 24 + 25 + 26 + 27));
  EXPECT_TRUE(pantalla.Mostrado(F2, Columna::O, 28));
}

TEST_F(Derivaciones, SumaDeIndirectos) {
  calc.ValoresS.I[2] = 9000;
  calc.ValoresS.I[4] = Valor();
  Poner(I, Columna::S, 3, 2300.25);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.I[5]), 11300.25);

  // En "Total" el total tecleado se queda.
  calc.ValoresS.I[1] = false;
  calc.ValoresS.I[5] = 500;
  Poner(I, Columna::S, 2, 1);
  EXPECT_EQ(calc.ValoresS.I[5], Valor(500.0));
}

TEST_F(Derivaciones, PrecioDelCarburante) {
  calc.ValoresS.V[1] = 1.20;
  calc.ValoresS.V[4] = 21;
  Poner(V, Columna::S, 3, 0.05);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[2]), 4.2);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[6]), 0.9504132);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[5]), 0.1996);
  for (int i : {2, 5, 6}) EXPECT_TRUE(pantalla.Mostrado(V, Columna::S, i)) << i;

  // Cambiar el IVA también rehace el precio.
  Poner(V, Columna::S, 4, 10);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[6]), 1.0454545);  // 1,15 / 1,1
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[5]), 0.1045);
}

TEST_F(Derivaciones, PrecioDelCarburanteCero) {
  calc.ValoresS.V[1] = 0;
  calc.ValoresS.V[2] = 33;
  calc.ValoresS.V[4] = 21;
  Poner(V, Columna::S, 3, 0);
  EXPECT_EQ(calc.ValoresS.V[2], Valor(0.0));
  EXPECT_EQ(calc.ValoresS.V[6], Valor(0.0));
  EXPECT_EQ(calc.ValoresS.V[5], Valor(0.0));
}

TEST_F(Derivaciones, Reparaciones) {
  calc.ValoresS.C[9] = 95000;
  Poner(V, Columna::S, 17, 0.075);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[18]), 7125);
  EXPECT_TRUE(pantalla.Mostrado(V, Columna::S, 18));
  Poner(V, Columna::S, 17, 0.000013);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[18]), 1.24);  // 1,235
}

}  // namespace
}  // namespace dorvelna::pruebas
