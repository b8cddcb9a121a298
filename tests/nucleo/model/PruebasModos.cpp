// Cambios de forma de introducir una sección y comentario de los costes indirectos.
#include <gtest/gtest.h>
#include <vector>

#include "FichaPrueba.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;
using T = PantallaGrabadora::Tipo;

const std::vector<int> kSeguros = {10, 11, 12, 13, 14, 15, 16, 17, 29, 30};

class Modos : public ConCalculo {
protected:
  // Campos de la columna S apagados y vaciados (aspecto calculado y texto vacío).
  void EsperarCerrados(Grupo g, const std::vector<int>& indices) {
    for (int i : indices) {
      EXPECT_EQ(pantalla.UltimoAspecto(g, Columna::S, i), Aspecto::Calculado) << i;
      EXPECT_EQ(pantalla.TextoFinal(g, Columna::S, i), Valor()) << i;
    }
  }
};

TEST_F(Modos, SegurosDesglosadosRecalculanElTotal) {
  CargarReferencia();
  calc.CambiarModo(Seccion::Seguros, Columna::S, false);
  calc.ValoresS.F2[18] = 9999;  // tecleado en "Total"
  pantalla.Borrar();

  calc.CambiarModo(Seccion::Seguros, Columna::S, true);
  EXPECT_EQ(calc.ValoresS.F2[9], Valor(true));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[18]), 6350);
  EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, 18), Aspecto::Calculado);
  EXPECT_EQ(pantalla.TextoFinal(F2, Columna::S, 18), calc.ValoresS.F2[18]);
  for (int i : kSeguros) {
    EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, i), Aspecto::Entrada) << i;
    EXPECT_EQ(pantalla.TextoFinal(F2, Columna::S, i), calc.ValoresS.F2[i]) << i;
  }
  // Se abren en el orden de la lista: 29 y 30 detrás de 17.
  EXPECT_LT(pantalla.PosicionMostrado(F2, Columna::S, 17),
            pantalla.PosicionMostrado(F2, Columna::S, 29));
  // El total deja de ser de entrada antes de abrir el desglose.
  const int total = pantalla.Primera(PantallaGrabadora::De(T::Aspecto, F2, Columna::S, 18));
  EXPECT_LT(total, pantalla.Primera(PantallaGrabadora::De(T::Aspecto, F2, Columna::S, 10)));
}

TEST_F(Modos, TotalNoRecalculaNada) {
  CargarReferencia();
  Valores antes = calc.ValoresS;
  calc.CambiarModo(Seccion::Seguros, Columna::S, false);
  EXPECT_EQ(calc.ValoresS.F2[9], Valor(false));
  antes.F2[9] = false;
  EXPECT_EQ(Diferencias(calc.ValoresS, antes), "");
  EsperarCerrados(F2, kSeguros);
  EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, 18), Aspecto::Entrada);
  EXPECT_FALSE(pantalla.Vaciado(F2, Columna::S, 18));

  // Editar un detalle guardado no mueve el total mientras siga en "Total".
  calc.ValoresS.F2[10] = 5000;
  calc.Calcular(Formulario::CostesFijos2, Columna::S, 10);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[18]), 6350);
}

TEST_F(Modos, DietasEnTotalCierranTambienLosSubtotales) {
  CargarReferencia();
  calc.CambiarModo(Seccion::Dietas, Columna::S, false);
  EXPECT_EQ(calc.ValoresS.F2[2], Valor(false));
  EsperarCerrados(F2, {3, 4, 6, 5, 7});
  EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, 8), Aspecto::Entrada);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[5]), 5700);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 6840);
}

TEST_F(Modos, DietasDesglosadasSinDietaDiariaNoAbrenLosDias) {
  CargarReferencia();
  calc.CambiarModo(Seccion::Dietas, Columna::S, false);
  calc.ValoresS.F2[3] = 0;
  calc.ValoresS.F2[8] = 2000;
  pantalla.Borrar();
  calc.CambiarModo(Seccion::Dietas, Columna::S, true);
  EXPECT_EQ(pantalla.Cuantas([](const auto& l) {
    return l.tipo == T::Aspecto && l.grupo == F2 && l.indice == 4 && l.aspecto == Aspecto::Entrada;
  }),
            0);
  EXPECT_NE(pantalla.UltimoAspecto(F2, Columna::S, 4), Aspecto::Entrada);
  for (int i : {3, 6}) EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, i), Aspecto::Entrada);
  // El total vuelve a salir del desglose: 0 × 200 + 1140.
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 1140);
  EXPECT_EQ(calc.ValoresS.F2[4], Valor(200.0));
}

TEST_F(Modos, DietasDesglosadasConDietaDiaria) {
  CargarReferencia();
  calc.CambiarModo(Seccion::Dietas, Columna::S, false);
  calc.ValoresS.F2[8] = 2000;
  pantalla.Borrar();
  calc.CambiarModo(Seccion::Dietas, Columna::S, true);
  for (int i : {3, 4, 6}) {
    EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, i), Aspecto::Entrada) << i;
  }
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[8]), 6840);
  EXPECT_EQ(pantalla.UltimoAspecto(F2, Columna::S, 8), Aspecto::Calculado);
}

TEST_F(Modos, FiscalesIdaYVuelta) {
  CargarReferencia();
  calc.CambiarModo(Seccion::Fiscales, Columna::S, false);
  EsperarCerrados(F2, {20, 21, 22, 23, 24, 25, 26, 27});
  calc.ValoresS.F2[28] = 1;
  calc.CambiarModo(Seccion::Fiscales, Columna::S, true);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.F2[28]), 1585);
  for (int i = 20; i <= 27; ++i) {
    EXPECT_EQ(pantalla.TextoFinal(F2, Columna::S, i), calc.ValoresS.F2[i]) << i;
  }
}

TEST_F(Modos, IndirectosIdaYVuelta) {
  IdiomaEspanol idioma;
  CargarReferencia();
  calc.CambiarModo(Seccion::Indirectos, Columna::S, false);
  EXPECT_EQ(calc.ValoresS.I[1], Valor(false));
  EsperarCerrados(I, {2, 3, 4});
  EXPECT_EQ(pantalla.UltimoAspecto(I, Columna::S, 5), Aspecto::Entrada);
  EXPECT_EQ(pantalla.Cuantas(
                [](const auto& l) { return l.tipo == T::Comentario && l.columna == Columna::S; }),
            1);

  calc.ValoresS.I[5] = 1;
  calc.CambiarModo(Seccion::Indirectos, Columna::S, true);
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.I[5]), 12400);
  EXPECT_EQ(pantalla.UltimoAspecto(I, Columna::S, 5), Aspecto::Calculado);
  for (int i : {2, 3, 4}) EXPECT_EQ(pantalla.UltimoAspecto(I, Columna::S, i), Aspecto::Entrada);
}

// La columna O no se edita: su cambio de modo sólo vacía textos.
TEST_F(Modos, EnLaColumnaONingunValorCambia) {
  CargarReferencia();
  calc.ValoresO.F2[2] = false;
  calc.ValoresO.F2[9] = false;
  calc.ValoresO.F2[19] = false;
  calc.ValoresO.F2[18] = 7000;
  const Valores s = calc.ValoresS, o = calc.ValoresO;
  calc.CambiarModo(Seccion::Dietas, Columna::O, false);
  calc.CambiarModo(Seccion::Seguros, Columna::O, false);
  calc.CambiarModo(Seccion::Fiscales, Columna::O, false);
  EXPECT_EQ(Diferencias(calc.ValoresS, s), "");
  EXPECT_EQ(Diferencias(calc.ValoresO, o), "");
  for (int i : {3, 4, 6, 5, 7, 20, 27}) EXPECT_TRUE(pantalla.Vaciado(F2, Columna::O, i)) << i;
  for (int i : kSeguros) EXPECT_TRUE(pantalla.Vaciado(F2, Columna::O, i)) << i;
  EXPECT_FALSE(pantalla.Tocado(F2, Columna::O, 18));
  EXPECT_EQ(pantalla.CuantosAspectos(Columna::O), 0);
  EXPECT_EQ(pantalla.CuantosAspectos(Columna::S), 0);

  calc.ValoresO.F2[9] = true;
  pantalla.Borrar();
  const Valores o2 = calc.ValoresO;
  calc.CambiarModo(Seccion::Seguros, Columna::O, true);
  EXPECT_EQ(Diferencias(calc.ValoresO, o2), "");
  EXPECT_EQ(pantalla.Cuantas([](const auto& l) {
    return l.tipo == T::Mostrar || l.tipo == T::Vaciar || l.tipo == T::Aspecto;
  }),
            0);
}

TEST_F(Modos, IndirectosEnTotalEnLaColumnaODanSuComentario) {
  IdiomaEspanol idioma;
  CargarReferencia();
  calc.ValoresO.I[1] = false;
  calc.CambiarModo(Seccion::Indirectos, Columna::O, false);
  const int i = pantalla.Primera([](const auto& l) { return l.tipo == T::Comentario; });
  ASSERT_GE(i, 0);
  EXPECT_EQ(pantalla.llamadas[static_cast<size_t>(i)].columna, Columna::O);
  // 12400 sobre 122263,02 de costes directos.
  EXPECT_TRUE(pantalla.llamadas[static_cast<size_t>(i)].texto.contains(QString("\r\n10,1  %\r\n")));
  EXPECT_EQ(calc.ValoresO.I[5], Valor(12400.0));
  EXPECT_EQ(pantalla.CuantosAspectos(Columna::O), 0);
}

TEST_F(Modos, CompraUOtraFormaSoloGuardanLaEleccion) {
  CargarReferencia();
  calc.Actualizar();
  for (Columna col : {Columna::S, Columna::O}) {
    for (auto [sec, campo] :
         {std::pair{Seccion::AdquisicionAutocar, 1}, std::pair{Seccion::AdquisicionEquipos, 11}}) {
      Valores antes = calc.Registro(col);
      const Valores otra = calc.Registro(col == Columna::S ? Columna::O : Columna::S);
      pantalla.Borrar();
      calc.CambiarModo(sec, col, false);
      EXPECT_EQ(calc.Registro(col).F1[campo], Valor(false));
      antes.F1[campo] = false;
      EXPECT_EQ(Diferencias(calc.Registro(col), antes), "");
      EXPECT_EQ(Diferencias(calc.Registro(col == Columna::S ? Columna::O : Columna::S), otra), "");
      calc.CambiarModo(sec, col, true);
      EXPECT_EQ(calc.Registro(col).F1[campo], Valor(true));
      EXPECT_EQ(pantalla.Cuantas([](const auto& l) {
        return l.tipo == T::Mostrar || l.tipo == T::Vaciar || l.tipo == T::Aspecto ||
               l.tipo == T::Resultados;
      }),
                0);
    }
  }
}

class Comentario : public ConCalculo {
protected:
  IdiomaEspanol idioma;

  // Costes directos de 400 (sólo personal) e indirectos en "Total".
  void Preparar(Columna col, double directos, double indirectos) {
    Valores& v = calc.Registro(col);
    v.F2[1] = directos;
    v.I[1] = false;
    v.I[5] = indirectos;
  }
};

TEST_F(Comentario, TresLineasConElPorcentaje) {
  Preparar(Columna::S, 400, 60);
  calc.ValoresS.R[16] = 1000;  // un resultado viejo: se recalcula antes de usarlo
  const auto texto = calc.Comentario(Columna::S);
  ASSERT_TRUE(texto.has_value());
  EXPECT_EQ(*texto, QString("Los  Costes  Indirectos  anuales  representan  el\r\n15,0  %\r\n"
                            "de  los  Costes  Directos."));
  EXPECT_DOUBLE_EQ(N(calc.ValoresS.R[16]), 400);
  const int i = pantalla.Primera([](const auto& l) { return l.tipo == T::Comentario; });
  ASSERT_GE(i, 0);
  EXPECT_EQ(pantalla.llamadas[static_cast<size_t>(i)].texto, *texto);
  EXPECT_EQ(pantalla.llamadas[static_cast<size_t>(i)].columna, Columna::S);
  // Actualizar corre para las dos columnas antes del comentario.
  EXPECT_LT(pantalla.PosicionResultados(Columna::O), i);
}

TEST_F(Comentario, DesglosadoNoDaNada) {
  Preparar(Columna::S, 400, 60);
  calc.ValoresS.I[1] = true;
  EXPECT_FALSE(calc.Comentario(Columna::S).has_value());
  EXPECT_TRUE(pantalla.llamadas.empty());
}

TEST_F(Comentario, SinCostesDirectosDaCero) {
  Preparar(Columna::S, 0, 60);
  const auto texto = calc.Comentario(Columna::S);
  ASSERT_TRUE(texto.has_value());
  EXPECT_EQ(texto->split("\r\n").value(1), "0,0  %");
}

TEST_F(Comentario, MitadesLejosDeCero) {
  Preparar(Columna::O, 400, 1);  // 0,25 %
  const auto texto = calc.Comentario(Columna::O);
  ASSERT_TRUE(texto.has_value());
  EXPECT_EQ(texto->split("\r\n").value(1), "0,3  %");
}

TEST_F(Comentario, ConElIdiomaC) {
  QLocale::setDefault(QLocale::c());
  Preparar(Columna::S, 400, 60);
  const auto texto = calc.Comentario(Columna::S);
  ASSERT_TRUE(texto.has_value());
  EXPECT_EQ(texto->split("\r\n").value(1), "15.0  %");
}

}  // namespace
}  // namespace dorvelna::pruebas
