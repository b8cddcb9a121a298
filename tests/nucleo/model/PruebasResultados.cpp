// Costes anuales, porcentajes y costes unitarios (grupo R).
#include <gtest/gtest.h>
#include <map>

#include "FichaPrueba.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;
using T = PantallaGrabadora::Tipo;

// Todos los números a cero y todas las secciones en "Compra"/"Desglosado".
Valores Ceros() {
  Valores v;
  for (Grupo g : kGrupos) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      switch (Campo(g, i).tipo) {
        case Tipo::Numero: v(g, i) = 0.0; break;
        case Tipo::Texto: v(g, i) = ""; break;
        case Tipo::Logico: v(g, i) = true; break;
      }
    }
  }
  return v;
}

// Los resultados de la clase "39-55", calculados a mano con las reglas de redondeo.
const std::map<int, double>& ResultadosClase3955() {
  static const std::map<int, double> r = {
      {1, 20186.67}, {2, 3485.28},   {3, 41000},     {4, 6840},       {5, 6350},   {6, 1585},
      {7, 30298.4},  {8, 2292.67},   {9, 7125},      {10, 2000},      {11, 9000},  {12, 2300},
      {13, 1100},    {14, 72606.95}, {15, 49656.07}, {16, 122263.02}, {17, 12400}, {18, 134663.02},
      {19, 1100},    {21, 15.0},     {22, 2.6},      {23, 30.4},      {24, 5.1},   {25, 4.7},
      {26, 1.2},     {27, 22.5},     {28, 1.7},      {29, 5.3},       {30, 1.5},   {31, 6.7},
      {32, 1.7},     {33, 0.8},      {34, 53.9},     {35, 36.9},      {36, 90.8},  {37, 9.2},
      {38, 100.0},   {39, 0.8},      {40, 0.05615},  {41, 95000},     {42, 77900}, {43, 2000},
      {44, 1560},    {45, 0.6374},   {46, 54.49},    {47, 1.7287},    {48, 86.32}, {49, 2398275},
  };
  return r;
}

class Resultados : public ConCalculo {};

TEST_F(Resultados, ClaseDeReferenciaEnLasDosColumnas) {
  CargarReferencia();
  calc.Actualizar();
  for (Columna col : {Columna::S, Columna::O}) {
    const Valores& v = calc.Registro(col);
    for (const auto& [i, esperado] : ResultadosClase3955()) {
      EXPECT_DOUBLE_EQ(N(v.R[i]), esperado) << (col == Columna::S ? "S" : "O") << " R(" << i << ")";
    }
  }
  // Primero S, luego O; cada columna avisa de sus filas indirectas antes de estar lista.
  const int s = pantalla.PosicionResultados(Columna::S);
  const int o = pantalla.PosicionResultados(Columna::O);
  ASSERT_GE(s, 0);
  EXPECT_GT(o, s);
  const int filasS = pantalla.Primera(
      [](const auto& l) { return l.tipo == T::FilasIndirectas && l.columna == Columna::S; });
  ASSERT_GE(filasS, 0);
  EXPECT_LT(filasS, s);
  EXPECT_TRUE(pantalla.llamadas[static_cast<size_t>(filasS)].opcion);
}

TEST_F(Resultados, UnaColumnaNoTocaLaOtra) {
  CargarReferencia();
  calc.ValoresO.F2[1] = 50000;
  const auto r = calc.ValoresS.R;
  calc.MostrarColumna(Columna::O);
  EXPECT_EQ(calc.ValoresS.R, r);
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.R[3]), 50000);
  EXPECT_EQ(pantalla.PosicionResultados(Columna::S), -1);
}

TEST_F(Resultados, IndirectosEnTotalOcultanSusFilas) {
  CargarReferencia();
  calc.ValoresS.I[1] = false;
  calc.ValoresS.I[5] = 20000;
  calc.MostrarColumna(Columna::S);
  const int filas = pantalla.Primera([](const auto& l) { return l.tipo == T::FilasIndirectas; });
  ASSERT_GE(filas, 0);
  EXPECT_FALSE(pantalla.llamadas[static_cast<size_t>(filas)].opcion);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[17]), 20000);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[18]), 122263.02 + 20000);
}

TEST_F(Resultados, AutocarAlquilado) {
  CargarReferencia();
  calc.ValoresS.F1[1] = false;
  calc.ValoresS.F1[10] = 24000;
  calc.MostrarColumna(Columna::S);
  // Alquiler más la amortización de los equipos (8000 / 6).
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[1]), 25333.33);
  // La financiación del autocar no cuenta, aunque sus campos sigan llenos.
  EXPECT_EQ(calc.ValoresS.F1[7], Valor(208000.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[2]), 0);

  calc.ValoresS.F1[11] = false;
  calc.ValoresS.F1[20] = 1200;
  calc.MostrarColumna(Columna::S);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[1]), 25200);
}

TEST_F(Resultados, ValorResidualPorEncimaDelPrecio) {
  Valores v = Ceros();
  v.F1[2] = 120000;
  v.F1[3] = 10;
  v.F1[22] = 100000;
  v.F1[5] = 150000;
  v.F1[12] = 6000;
  v.F1[13] = 4;
  v.F1[15] = 1000;
  EXPECT_DOUBLE_EQ(CosteAmortizacion(v).value_or(-1), 1250);  // sólo los equipos
  v.F1[12] = 500;
  EXPECT_DOUBLE_EQ(CosteAmortizacion(v).value_or(-1), 0);
}

TEST_F(Resultados, AmortizacionSinPrecioOSinVida) {
  Valores v = Ceros();
  v.F1[22] = 100000;  // sin precio de compra no se amortiza, aunque haya precio sin neumáticos
  v.F1[3] = 10;
  EXPECT_DOUBLE_EQ(CosteAmortizacion(v).value_or(-1), 0);
  v.F1[2] = 100000;
  v.F1[3] = 0;
  EXPECT_DOUBLE_EQ(CosteAmortizacion(v).value_or(-1), 0);
  v.F1[3] = 8;
  EXPECT_DOUBLE_EQ(CosteAmortizacion(v).value_or(-1), 12500);
}

TEST_F(Resultados, InteresCeroSaltaEsaCuota) {
  Valores v = Ceros();
  v.F1[3] = 12;
  v.F1[7] = 208000;
  v.F1[8] = 6;
  v.F1[9] = 0;
  v.F1[13] = 6;
  v.F1[17] = 4000;
  v.F1[18] = 2;
  v.F1[19] = 5;
  EXPECT_DOUBLE_EQ(CosteFinanciacion(v).value_or(-1), 50.41);  // sólo los equipos
  v.F1[9] = 5.5;
  EXPECT_DOUBLE_EQ(CosteFinanciacion(v).value_or(-1), 3535.68);  // 3485,277 + 50,407
  // Los equipos alquilados no se financian.
  v.F1[11] = false;
  EXPECT_DOUBLE_EQ(CosteFinanciacion(v).value_or(-1), 3485.28);
}

TEST_F(Resultados, TopeDeLitrosDeLaDevolucion) {
  Valores v = Ceros();
  v.C[9] = 100000;
  v.V[6] = 1.0;
  v.V[20] = 0.05;
  v.V[7] = 60;  // 60000 litros: la devolución sólo vale para 50000
  EXPECT_DOUBLE_EQ(CosteCombustible(v).value_or(-1), 57500);
  v.V[7] = 40;
  EXPECT_DOUBLE_EQ(CosteCombustible(v).value_or(-1), 38000);
  v.V[7] = 50;
  EXPECT_DOUBLE_EQ(CosteCombustible(v).value_or(-1), 47500);
}

TEST_F(Resultados, DevolucionMayorQueElPrecio) {
  Valores v = Ceros();
  v.C[9] = 100000;
  v.V[6] = 0.04;
  v.V[20] = 0.05;
  v.V[7] = 30;
  EXPECT_DOUBLE_EQ(CosteCombustible(v).value_or(-1), 0);
  v.V[7] = 55;  // por encima del tope sigue saliendo negativo
  EXPECT_DOUBLE_EQ(CosteCombustible(v).value_or(-1), 0);
  v.V[7] = 90;  // 40000 litros sin devolución compensan los 50000 con ella
  EXPECT_DOUBLE_EQ(CosteCombustible(v).value_or(-1), 1100);
}

TEST_F(Resultados, NeumaticosConDuracionCero) {
  CargarReferencia();
  calc.ValoresS.V[13] = 0;
  calc.ValoresS.R[8] = 999;
  calc.MostrarColumna(Columna::S);
  EXPECT_EQ(calc.ValoresS.R[8], Valor(0.0));
  // Los demás importes siguen calculándose.
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[7]), 30298.4);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[15]), 47363.4);
}

TEST_F(Resultados, DivisoresCeroEnLosCostesUnitarios) {
  CargarReferencia();
  calc.ValoresS.C[23] = 0;
  calc.ValoresS.C[11] = 0;
  calc.ValoresS.C[16] = 0;
  calc.MostrarColumna(Columna::S);
  for (int i : {40, 42, 44, 45, 46, 47, 48, 49}) {
    EXPECT_EQ(calc.ValoresS.R[i], Valor(0.0)) << "R(" << i << ")";
  }
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[18]), 134663.02);

  // Sólo sin horas facturadas: C2 y C4 siguen.
  CargarReferencia();
  calc.ValoresS.C[16] = 0;
  calc.MostrarColumna(Columna::S);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[45]), 0.6374);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[47]), 1.7287);
  EXPECT_EQ(calc.ValoresS.R[46], Valor(0.0));
  EXPECT_EQ(calc.ValoresS.R[48], Valor(0.0));
}

TEST_F(Resultados, PorcentajesSeConservanConTotalCero) {
  calc.ValoresS = Ceros();
  for (int i = 21; i <= 39; ++i) calc.ValoresS.R[i] = 12.3;
  calc.ValoresS.R[40] = 7;
  calc.MostrarColumna(Columna::S);
  EXPECT_EQ(calc.ValoresS.R[18], Valor(0.0));
  for (int i = 21; i <= 39; ++i) EXPECT_EQ(calc.ValoresS.R[i], Valor(12.3)) << "R(" << i << ")";
  for (int i : {40, 45, 46, 47, 48}) EXPECT_EQ(calc.ValoresS.R[i], Valor(0.0)) << "R(" << i << ")";
}

// Copias de los datos, sumas por tipo de coste y porcentajes sobre el total.
TEST_F(Resultados, CopiasYPorcentajes) {
  calc.ValoresS = Ceros();
  Valores& v = calc.ValoresS;
  v.F2[1] = 300;
  v.F2[8] = 100;
  v.F2[18] = 50;
  v.F2[28] = 50;
  v.V[18] = 200;
  v.V[19] = 100;
  v.V[21] = 100;
  v.I[2] = 60;
  v.I[3] = 30;
  v.I[4] = 10;
  v.I[5] = 100;
  calc.MostrarColumna(Columna::S);
  EXPECT_DOUBLE_EQ(N(v.R[14]), 400);
  EXPECT_DOUBLE_EQ(N(v.R[15]), 500);
  EXPECT_DOUBLE_EQ(N(v.R[16]), 900);
  EXPECT_DOUBLE_EQ(N(v.R[18]), 1000);
  EXPECT_DOUBLE_EQ(N(v.R[23]), 30);
  EXPECT_DOUBLE_EQ(N(v.R[24]), 10);
  EXPECT_DOUBLE_EQ(N(v.R[29]), 20);
  EXPECT_DOUBLE_EQ(N(v.R[31]), 6);
  EXPECT_DOUBLE_EQ(N(v.R[37]), 10);
  EXPECT_DOUBLE_EQ(N(v.R[38]), 100);
  EXPECT_DOUBLE_EQ(N(v.R[39]), 10);
  // R(11) a R(13) se copian, pero el total indirecto es I(5), no su suma.
  v.I[5] = 0;
  calc.MostrarColumna(Columna::S);
  EXPECT_DOUBLE_EQ(N(v.R[11]), 60);
  EXPECT_DOUBLE_EQ(N(v.R[18]), 900);
  EXPECT_DOUBLE_EQ(N(v.R[31]), 6.7);  // 6,666...
}

}  // namespace
}  // namespace dorvelna::pruebas
