// El motor: qué recalcula, qué muestra, qué habilita y qué hace cuando un paso falla.
#include <gtest/gtest.h>

#include "FichaPrueba.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;
using F = Formulario;
using T = PantallaGrabadora::Tipo;

class Motor : public ConCalculo {};

TEST_F(Motor, KilometrosAnualesLleganATresFormularios) {
  CargarReferencia();
  const auto resultados = calc.ValoresS.R;
  calc.ValoresS.C[10] = 80;
  calc.ValoresS.V[17] = 0.05;
  Poner(C, Columna::S, 9, 100000);

  EXPECT_EQ(calc.ValoresS.C[11], Valor(80000.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.C[12]), 20);
  EXPECT_EQ(calc.ValoresS.C[13], Valor(20000.0));
  EXPECT_EQ(calc.ValoresS.C[20], Valor(85000.0));
  EXPECT_EQ(calc.ValoresS.C[23], Valor(2524500.0));  // 29,7 × 85000
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[18]), 5000);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[7]), 1200);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 6900);
  for (int i : {11, 12, 13, 20, 22, 23}) EXPECT_TRUE(pantalla.Mostrado(C, Columna::S, i)) << i;
  EXPECT_EQ(pantalla.UltimoMostrado(V, Columna::S, 18), calc.ValoresS.V[18]);
  EXPECT_EQ(pantalla.UltimoMostrado(F2, Columna::S, 7), calc.ValoresS.F2[7]);
  EXPECT_EQ(pantalla.UltimoMostrado(F2, Columna::S, 8), calc.ValoresS.F2[8]);
  // Con C(19) distinto de cero la ocupación es de entrada y muestra su valor.
  EXPECT_EQ(pantalla.UltimoAspecto(C, Columna::S, 21), Aspecto::Entrada);
  EXPECT_EQ(pantalla.TextoFinal(C, Columna::S, 21), Valor(55.0));
  // Los resultados no se tocan.
  EXPECT_EQ(pantalla.PosicionResultados(Columna::S), -1);
  EXPECT_EQ(calc.ValoresS.R, resultados);
  // La otra columna tampoco.
  EXPECT_EQ(calc.ValoresO.C[11], Valor(77900.0));
}

TEST_F(Motor, KilometrosAnualesConDietasEnTotal) {
  CargarReferencia();
  calc.ValoresS.F2[2] = false;
  calc.ValoresS.F2[8] = 7500;
  Poner(F2, Columna::S, 6, 0.02);
  Poner(C, Columna::S, 9, 100000);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[7]), 1140);
  EXPECT_EQ(calc.ValoresS.F2[8], Valor(7500.0));
  EXPECT_FALSE(pantalla.Tocado(F2, Columna::S, 7));
  EXPECT_FALSE(pantalla.Tocado(F2, Columna::S, 8));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[18]), 7500);  // las reparaciones sí
}

TEST_F(Motor, OcupacionCeroAnulaLaProduccionYApagaLaOcupacion) {
  CargarReferencia();
  Poner(C, Columna::S, 19, 0);
  for (int i : {20, 22, 23}) {
    EXPECT_EQ(calc.ValoresS.C[i], Valor(0.0)) << i;
    EXPECT_EQ(pantalla.TextoFinal(C, Columna::S, i), Valor()) << i;
  }
  EXPECT_EQ(pantalla.UltimoAspecto(C, Columna::S, 21), Aspecto::Calculado);
  EXPECT_EQ(pantalla.TextoFinal(C, Columna::S, 21), Valor());
  EXPECT_EQ(calc.ValoresS.C[21], Valor(55.0));

  // Al volver, la ocupación guardada reaparece y la producción se rehace.
  pantalla.Borrar();
  Poner(C, Columna::S, 19, 85);
  EXPECT_EQ(pantalla.UltimoAspecto(C, Columna::S, 21), Aspecto::Entrada);
  EXPECT_EQ(pantalla.TextoFinal(C, Columna::S, 21), Valor(55.0));
  EXPECT_EQ(calc.ValoresS.C[23], Valor(2398275.0));
}

TEST_F(Motor, OcupacionVaciaCuentaComoCero) {
  CargarReferencia();
  calc.ValoresS.C[19] = Valor();
  Poner(C, Columna::S, 9, 95000);
  for (int i : {20, 22, 23}) EXPECT_EQ(calc.ValoresS.C[i], Valor(0.0)) << i;
  EXPECT_EQ(pantalla.UltimoAspecto(C, Columna::S, 21), Aspecto::Calculado);
}

TEST_F(Motor, OcupacionCeroEnLaColumnaO) {
  CargarReferencia();
  Poner(C, Columna::O, 19, 0);
  for (int i : {20, 22, 23}) {
    EXPECT_EQ(calc.ValoresO.C[i], Valor(0.0)) << i;
    EXPECT_TRUE(pantalla.Vaciado(C, Columna::O, i)) << i;
  }
  EXPECT_EQ(pantalla.CuantosAspectos(Columna::O), 0);
  EXPECT_FALSE(pantalla.Tocado(C, Columna::S, 21));
}

// En la columna O el motor nunca habilita ni deshabilita nada, aunque las guardas fallen.
TEST_F(Motor, ColumnaONuncaCambiaElAspecto) {
  CargarReferencia();
  calc.ValoresO.C[19] = 0;
  calc.ValoresO.F1[6] = 0;
  calc.ValoresO.F1[12] = 0;
  calc.ValoresO.F2[3] = 0;
  calc.ValoresO.V[8] = 0;
  PasarEntradas(calc, Columna::O);
  EXPECT_EQ(pantalla.CuantosAspectos(Columna::O), 0);
  EXPECT_EQ(pantalla.CuantosAspectos(Columna::S), 0);
  // Sin neumáticos direccionales, su precio y duración quedan en blanco pero se conservan.
  EXPECT_EQ(pantalla.TextoFinal(V, Columna::O, 9), Valor());
  EXPECT_EQ(pantalla.TextoFinal(V, Columna::O, 10), Valor());
  EXPECT_EQ(calc.ValoresO.V[9], Valor(440.0));
}

TEST_F(Motor, ReglaDeHabilitacionDeLosNeumaticos) {
  CargarReferencia();
  // Sin neumáticos motrices, su precio se apaga pero se conserva y la compra deja de contarlo.
  Poner(V, Columna::S, 11, 0);
  EXPECT_EQ(calc.ValoresS.V[12], Valor(420.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[22]), 260000 - 880);

  // Cada eje tiene por guarda su número de neumáticos, y sólo ése: cualquier campo del eje la
  // aplica a su precio y su duración (apagados en S, en blanco en O). Precio y duración valen
  // cero justo cuando el número no, para que no pasen por guarda.
  const int ejes[][3] = {{8, 9, 10}, {11, 12, 13}, {14, 15, 16}};
  for (const auto& [guarda, precio, duracion] : ejes) {
    for (int i : {guarda, precio, duracion}) {
      for (double n : {0.0, 2.0}) {
        SCOPED_TRACE(testing::Message() << "V(" << i << ") con V(" << guarda << ") = " << n);
        for (Valores* v : {&calc.ValoresS, &calc.ValoresO}) {
          v->V[guarda] = n;
          v->V[precio] = v->V[duracion] = n == 0 ? 300.0 : 0.0;
        }
        pantalla.Borrar();
        calc.Calcular(F::CostesVariables, Columna::S, i);
        calc.Calcular(F::CostesVariables, Columna::O, i);
        EXPECT_EQ(pantalla.CuantosAspectos(Columna::S), 2);
        for (int d : {precio, duracion}) {
          EXPECT_EQ(pantalla.UltimoAspecto(V, Columna::S, d),
                    n == 0 ? Aspecto::Calculado : Aspecto::Entrada);
          EXPECT_EQ(pantalla.TextoFinal(V, Columna::S, d), n == 0 ? Valor() : calc.ValoresS.V[d]);
          EXPECT_EQ(pantalla.Vaciado(V, Columna::O, d), n == 0) << d;
        }
      }
    }
  }
}

TEST_F(Motor, ReglaDeHabilitacionDeLaFinanciacion) {
  CargarReferencia();
  Poner(F1, Columna::S, 6, 0);
  EXPECT_EQ(calc.ValoresS.F1[7], Valor(0.0));
  for (int i : {8, 9}) EXPECT_EQ(pantalla.UltimoAspecto(F1, Columna::S, i), Aspecto::Calculado);
  EXPECT_EQ(calc.ValoresS.F1[9], Valor(5.5));

  // Equipos: sin precio se apaga todo; con precio y sin financiar, sólo la financiación.
  pantalla.Borrar();
  Poner(F1, Columna::S, 12, 0);
  for (int i : {13, 14, 16, 18, 19}) {
    EXPECT_EQ(pantalla.UltimoAspecto(F1, Columna::S, i), Aspecto::Calculado) << i;
  }
  pantalla.Borrar();
  Poner(F1, Columna::S, 12, 8000);
  for (int i : {13, 14, 16}) {
    EXPECT_EQ(pantalla.UltimoAspecto(F1, Columna::S, i), Aspecto::Entrada) << i;
  }
  for (int i : {18, 19}) {
    EXPECT_EQ(pantalla.UltimoAspecto(F1, Columna::S, i), Aspecto::Calculado) << i;
  }
  pantalla.Borrar();
  Poner(F1, Columna::S, 16, 50);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F1[17]), 4000);
  for (int i : {18, 19}) EXPECT_EQ(pantalla.UltimoAspecto(F1, Columna::S, i), Aspecto::Entrada);
  EXPECT_EQ(pantalla.TextoFinal(F1, Columna::S, 19), Valor(0.1));
}

TEST_F(Motor, DietaDiariaCeroApagaLosDias) {
  CargarReferencia();
  Poner(F2, Columna::S, 3, 0);
  EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, 4), Aspecto::Calculado);
  EXPECT_EQ(pantalla.TextoFinal(F2, Columna::S, 4), Valor());
  EXPECT_EQ(calc.ValoresS.F2[4], Valor(200.0));
  EXPECT_EQ(calc.ValoresS.F2[5], Valor(0.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 1140);

  // En "Total" la dieta no hace nada.
  pantalla.Borrar();
  calc.ValoresS.F2[2] = false;
  Poner(F2, Columna::S, 3, 30);
  EXPECT_TRUE(pantalla.llamadas.empty());
  EXPECT_EQ(calc.ValoresS.F2[5], Valor(0.0));
}

TEST_F(Motor, DescuentoPorEncimaDelMaximo) {
  calc.ValoresS.V[3] = 0.8;
  calc.ValoresS.V[4] = 21;
  Poner(V, Columna::S, 1, 1.0);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[3]), 0.6);
  EXPECT_TRUE(pantalla.Mostrado(V, Columna::S, 3));
  EXPECT_LT(pantalla.PosicionMostrado(V, Columna::S, 3),
            pantalla.PosicionMostrado(V, Columna::S, 2));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[2]), 60);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[6]), 0.3305785);  // 0,4 / 1,21
}

TEST_F(Motor, DescuentoDentroDeLosLimitesNoCambia) {
  calc.ValoresS.V[3] = 0.3;
  Poner(V, Columna::S, 1, 1.0);
  EXPECT_EQ(calc.ValoresS.V[3], Valor(0.3));
  EXPECT_FALSE(pantalla.Mostrado(V, Columna::S, 3));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[2]), 30);
}

// Los límites del porcentaje se leen de Minimos y Maximos, no son fijos.
TEST_F(Motor, DescuentoConOtrosLimites) {
  calc.Maximos.V[2] = 50;
  calc.ValoresO.V[3] = 0.8;
  Poner(V, Columna::O, 1, 1.2);
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.V[3]), 0.6);

  calc.Minimos.V[2] = 10;
  calc.ValoresO.V[3] = 0.05;
  Poner(V, Columna::O, 1, 1.0);
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.V[3]), 0.1);
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.V[2]), 10);
}

TEST_F(Motor, DescripcionReescribeLosTitulosConLaDeS) {
  calc.ValoresS.C[1] = "Mi autocar";
  calc.ValoresO.C[1] = "Autocar estándar de 39 a 55 plazas";
  Poner(C, Columna::O, 1, calc.ValoresO.C[1]);
  Poner(C, Columna::S, 1, "Mi autocar");
  EXPECT_EQ(pantalla.Titulos(), (std::vector<QString>{"Mi autocar", "Mi autocar"}));
}

TEST_F(Motor, CampoDeServicioRefrescaLosResultadosAntesDelPrecio) {
  CargarReferencia();
  calc.ValoresS.SS[8] = 100;
  calc.ValoresS.SS[9] = 250;
  Poner(SS, Columna::S, 10, 10);
  const int s = pantalla.PosicionResultados(Columna::S);
  const int o = pantalla.PosicionResultados(Columna::O);
  const int precio = pantalla.PosicionMostrado(SS, Columna::S, 11);
  ASSERT_GE(s, 0);
  ASSERT_GE(o, 0);
  ASSERT_GE(precio, 0);
  EXPECT_LT(s, precio);
  EXPECT_LT(o, precio);
  // El precio se hizo con los costes unitarios recién calculados.
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[45]), 0.6374);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[46]), 54.49);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[11]), 100 + 250 * 0.6374 + 10 * 54.49);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[12]), 532.18);  // 532,175
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.SS[13]), 100 + 10 * 86.32);
  // Sólo el bloque del campo.
  EXPECT_FALSE(pantalla.Tocado(SS, Columna::S, 5));
  EXPECT_FALSE(pantalla.Tocado(SS, Columna::S, 17));
}

TEST_F(Motor, CamposDeServicioQueNoSonEntradasNoHacenNada) {
  CargarReferencia();
  for (int i : {1, 5, 6, 7, 29, 31}) Poner(SS, Columna::S, i, 1);
  EXPECT_TRUE(pantalla.llamadas.empty());
}

TEST_F(Motor, CostesIndirectosTotalesRefrescanElComentarioDeS) {
  IdiomaEspanol idioma;
  CargarReferencia();
  calc.ValoresS.I[1] = false;
  Poner(I, Columna::O, 5, 13000);
  const int i = pantalla.Primera([](const auto& l) { return l.tipo == T::Comentario; });
  ASSERT_GE(i, 0);
  EXPECT_EQ(pantalla.llamadas[static_cast<size_t>(i)].columna, Columna::S);
  // Desglosado: el comentario no cambia.
  pantalla.Borrar();
  calc.ValoresS.I[1] = true;
  Poner(I, Columna::S, 5, 12400);
  EXPECT_EQ(pantalla.Cuantas([](const auto& l) { return l.tipo == T::Comentario; }), 0);
}

// Antes de nada el motor lleva cada elemento de las dos columnas a su tipo.
TEST_F(Motor, LlevaCadaElementoASuTipo) {
  calc.ValoresO.C[7] = Valor();
  calc.ValoresO.F2[9] = Valor();
  calc.ValoresS.I[1] = Valor();
  Poner(C, Columna::S, 3, 12.9);  // un campo sin derivados
  EXPECT_TRUE(pantalla.llamadas.empty());
  for (Valores* v : {&calc.ValoresS, &calc.ValoresO}) {
    EXPECT_EQ(v->C[11], Valor(0.0));
    EXPECT_EQ(v->R[18], Valor(0.0));
    EXPECT_EQ(v->SS[5], Valor(0.0));
    EXPECT_EQ(v->SS[1], Valor(0.0));
  }
  EXPECT_EQ(calc.ValoresO.C[7], Valor(""));
  EXPECT_EQ(calc.ValoresO.F2[9], Valor(false));
  EXPECT_EQ(calc.ValoresS.I[1], Valor(false));
  // Los límites no se tocan.
  EXPECT_TRUE(calc.Minimos.C[11].EsVacio());
}

// Un operando que no es un número hace saltar los pasos que lo usan; los demás siguen.
TEST_F(Motor, OperandoQueNoEsNumero) {
  CargarReferencia();
  calc.ValoresS.C[10] = 50;
  Poner(C, Columna::S, 9, "mucho");
  EXPECT_EQ(calc.ValoresS.C[9], Valor("mucho"));
  EXPECT_EQ(calc.ValoresS.C[11], Valor(77900.0));
  EXPECT_EQ(calc.ValoresS.C[13], Valor(17100.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.C[12]), 50);
  EXPECT_EQ(calc.ValoresS.C[20], Valor(80750.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.V[18]), 7125);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[7]), 1140);
  EXPECT_FALSE(pantalla.Mostrado(C, Columna::S, 11));
  EXPECT_FALSE(pantalla.Mostrado(C, Columna::S, 13));
  EXPECT_TRUE(pantalla.Mostrado(C, Columna::S, 12));
  // La regla de habilitación no depende de C(9).
  EXPECT_EQ(pantalla.UltimoAspecto(C, Columna::S, 21), Aspecto::Entrada);
}

// Un entero que no cabe en 32 bits no se guarda: el paso se salta.
TEST_F(Motor, EnteroFueraDeRango) {
  CargarReferencia();
  calc.ValoresO.C[10] = 100;
  Poner(C, Columna::O, 9, 3e9);
  EXPECT_EQ(calc.ValoresO.C[11], Valor(77900.0));
  EXPECT_EQ(calc.ValoresO.C[13], Valor(3e9 - 77900));
  EXPECT_EQ(calc.ValoresO.C[20], Valor(80750.0));
  // La producción pasa de 2^31 y también se salta; la ocupación media sí se calcula.
  EXPECT_EQ(calc.ValoresO.C[23], Valor(2398275.0));
  EXPECT_DOUBLE_EQ(N(calc.ValoresO.C[22]), 29.7);
}

TEST_F(Motor, FormularioSinDerivados) {
  CargarReferencia();
  calc.Calcular(F::Resultados, Columna::O, 1);  // sólo lleva los elementos a su tipo
  pantalla.Borrar();
  const Valores s = calc.ValoresS, o = calc.ValoresO;
  calc.Calcular(F::Resultados, Columna::S, 18);
  EXPECT_EQ(Diferencias(calc.ValoresS, s), "");
  EXPECT_EQ(Diferencias(calc.ValoresO, o), "");
  EXPECT_TRUE(pantalla.llamadas.empty());
}

}  // namespace
}  // namespace dorvelna::pruebas
