// Coste de los servicios concretos y revisión del formulario de servicios.
#include <gtest/gtest.h>

#include "FichaPrueba.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;

class Servicio : public ConCalculo {
protected:
  void SetUp() override {
    ConCalculo::SetUp();
    Valores& v = calc.ValoresS;
    v.R[45] = 0.5;
    v.R[46] = 20;
    v.R[47] = 1.2;
    v.R[48] = 40;
  }

  void Bloque(int n, Valor costes, Valor km, Valor horas) {
    const int b = 6 * n - 4;
    calc.ValoresS.SS[b] = costes;
    calc.ValoresS.SS[b + 1] = km;
    calc.ValoresS.SS[b + 2] = horas;
  }
};

TEST_F(Servicio, TresFormasDeFacturar) {
  Bloque(1, 100, 250, 10);
  calc.CosteServicio(1);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[5]), 425);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[6]), 400);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[7]), 500);
  for (int i : {5, 6, 7}) {
    EXPECT_EQ(pantalla.UltimoMostrado(SS, Columna::S, i), calc.ValoresS.SS[i]) << i;
  }
}

TEST_F(Servicio, CadaBloqueUsaSusCampos) {
  Bloque(1, 1, 1, 1);
  Bloque(3, 100, 250, 10);
  Bloque(5, 0, 10, 0.5);
  calc.CosteServicio(3);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[17]), 425);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[18]), 400);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[19]), 500);
  EXPECT_FALSE(pantalla.Tocado(SS, Columna::S, 5));
  calc.CosteServicio(5);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[29]), 15);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[30]), 12);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[31]), 20);
}

TEST_F(Servicio, SinHorasSoloPrecioPorKilometros) {
  Bloque(2, 100, 250, 0);
  calc.ValoresS.SS[11] = 1;
  calc.ValoresS.SS[13] = 1;
  calc.CosteServicio(2);
  EXPECT_TRUE(calc.ValoresS.SS[11].EsVacio());
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[12]), 400);
  EXPECT_TRUE(calc.ValoresS.SS[13].EsVacio());
  EXPECT_EQ(pantalla.TextoFinal(SS, Columna::S, 11), Valor());
  EXPECT_EQ(pantalla.TextoFinal(SS, Columna::S, 13), Valor());
}

TEST_F(Servicio, SinKilometrosNiHorasNoHayPrecio) {
  Bloque(4, 300, Valor(), 0);
  calc.CosteServicio(4);
  for (int i : {23, 24, 25}) {
    EXPECT_TRUE(calc.ValoresS.SS[i].EsVacio()) << i;
    EXPECT_EQ(pantalla.TextoFinal(SS, Columna::S, i), Valor()) << i;
  }
}

TEST_F(Servicio, PreciosRedondeadosACentimos) {
  calc.ValoresS.R[45] = 0.6374;
  calc.ValoresS.R[46] = 54.49;
  calc.ValoresS.R[47] = 1.7287;
  calc.ValoresS.R[48] = 86.32;
  Bloque(1, 0, 33.3, 1.25);
  calc.CosteServicio(1);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[5]), 89.34);  // 21,22542 + 68,1125
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[6]), 57.57);  // 57,56571
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[7]), 107.9);  // 107,9
}

TEST_F(Servicio, CosteUnitarioQueNoEsNumero) {
  calc.ValoresS.R[47] = "x";
  calc.ValoresS.SS[6] = 77;
  Bloque(1, 100, 250, 10);
  calc.CosteServicio(1);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[5]), 425);
  EXPECT_EQ(calc.ValoresS.SS[6], Valor(77.0));
  EXPECT_FALSE(pantalla.Tocado(SS, Columna::S, 6));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[7]), 500);
}

TEST_F(Servicio, RevisarDescartaLoQueSuperaElAno) {
  Valores& v = calc.ValoresS;
  v.C[11] = 8000;
  v.C[16] = 1560;
  Bloque(1, 100, 9000, 10);
  Bloque(2, 100, 8000, 1560);
  Bloque(3, 0, 10, 1561);
  Bloque(4, 0, 0, 0);
  Bloque(5, 0, 0, 0);
  v.R[40] = 0.0561532;
  calc.Revisar();

  EXPECT_DOUBLE_EQ(N(v.SS[1]), 0.05615);
  EXPECT_TRUE(pantalla.Mostrado(SS, Columna::S, 1));
  EXPECT_EQ(v.SS[3], Valor(0.0));
  EXPECT_EQ(v.SS[9], Valor(8000.0));
  EXPECT_EQ(v.SS[10], Valor(1560.0));
  EXPECT_EQ(v.SS[16], Valor(0.0));
  for (int i : {3, 9, 15, 21, 27, 4, 10, 16, 22, 28}) {
    EXPECT_TRUE(pantalla.Mostrado(SS, Columna::S, i)) << i;
  }
  // Los precios se rehacen con lo que queda.
  EXPECT_TRUE(v.SS[5].EsVacio());
  EXPECT_TRUE(v.SS[6].EsVacio());
  EXPECT_DOUBLE_EQ(N(v.SS[7]), 500);
  EXPECT_DOUBLE_EQ(N(v.SS[11]), 100 + 4000 + 31200);
  EXPECT_TRUE(v.SS[17].EsVacio());
  EXPECT_DOUBLE_EQ(N(v.SS[18]), 12);
  EXPECT_TRUE(v.SS[19].EsVacio());
  // Los kilómetros se acotan antes de calcular los precios.
  EXPECT_LT(pantalla.PosicionMostrado(SS, Columna::S, 3),
            pantalla.PosicionMostrado(SS, Columna::S, 5));
}

TEST_F(Servicio, RevisarSinViajerosKilometro) {
  calc.ValoresS.R[40] = 0;
  calc.ValoresS.SS[1] = 0.3;
  calc.Revisar();
  EXPECT_EQ(calc.ValoresS.SS[1], Valor(0.0));
  EXPECT_EQ(pantalla.UltimoMostrado(SS, Columna::S, 1), Valor(0.0));
}

// Revisar trabaja con los resultados que ya hay: quien lo llama los ha refrescado antes.
TEST_F(Servicio, RevisarConLaClaseDeReferencia) {
  CargarReferencia();
  calc.ValoresS.SS[2] = 100;
  calc.ValoresS.SS[3] = 250;
  calc.ValoresS.SS[4] = 10;
  calc.ValoresS.SS[27] = 77901;  // uno más que los kilómetros facturados
  calc.Actualizar();
  calc.Revisar();
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[1]), 0.05615);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[5]), 804.25);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[6]), 532.18);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[7]), 963.2);
  EXPECT_EQ(calc.ValoresS.SS[27], Valor(0.0));
  // La columna O no tiene servicios.
  EXPECT_EQ(calc.ValoresO.SS[5], Valor(0.0));
}

}  // namespace
}  // namespace dorvelna::pruebas
