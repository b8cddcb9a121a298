// Catálogo de campos, listas de entradas y estado inicial de un cálculo.
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "FichaPrueba.h"
#include "nucleo/model/Redondear.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;

// Cifras de la parte entera de x (al menos una).
int CifrasEnteras(double x) {
  int n = 1;
  for (double resto = std::fabs(x); resto >= 10; resto /= 10) ++n;
  return n;
}

// Lo que debe cumplir cada campo del catálogo, sea cual sea.
TEST(Catalogo, CadaCampoEsCoherente) {
  for (Grupo g : kGrupos) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      SCOPED_TRACE(std::string(CodigoGrupo(g)) + "(" + std::to_string(i) + ")");
      const DefinicionCampo& c = Campo(g, i);
      EXPECT_EQ(c.grupo, g);
      EXPECT_EQ(c.indice, i);
      EXPECT_STRNE(c.significado, "");
      const bool entrada = c.rol != Rol::Derivado;
      EXPECT_EQ(EsEntrada(g, i), entrada);
      // Sólo las entradas llevan ayuda en la columna S, y la llevan todas salvo los sí/no.
      EXPECT_EQ(*c.ayuda != '\0', entrada && c.tipo != Tipo::Logico);
      EXPECT_EQ(*c.derivacion == '\0', c.rol == Rol::Entrada);
      switch (c.tipo) {
        case Tipo::Logico:
          EXPECT_EQ(c.decimales, -1);
          EXPECT_EQ(c.minimo, Valor(true));
          EXPECT_EQ(c.maximo, Valor(true));
          break;
        case Tipo::Texto:
          EXPECT_EQ(c.decimales, -1);
          EXPECT_GT(c.caracteres, 0);
          EXPECT_TRUE(c.minimo.EsTexto());
          EXPECT_TRUE(c.maximo.EsVacio());
          break;
        case Tipo::Numero: {
          EXPECT_GE(c.decimales, 0);
          EXPECT_LE(c.decimales, 7);
          EXPECT_EQ(Decimales(g, i), c.decimales);
          if (!entrada && !(g == V && i == 2)) {
            // Sin límites, salvo el descuento en %, cuyos límites se aplican a V(3).
            EXPECT_TRUE(c.minimo.EsVacio() && c.maximo.EsVacio());
            break;
          }
          ASSERT_TRUE(c.minimo.EsNumero() && c.maximo.EsNumero());
          const double mn = c.minimo.Numero(), mx = c.maximo.Numero();
          EXPECT_GE(mn, 0);
          EXPECT_LT(mn, mx);
          // Los límites se escriben con los decimales del campo y el máximo cabe en los
          // caracteres que se pueden teclear.
          for (double x : {mn, mx}) EXPECT_EQ(Redondear(x, c.decimales), x);
          if (entrada) {
            EXPECT_LE(CifrasEnteras(mx) + (c.decimales ? c.decimales + 1 : 0), c.caracteres);
          }
          break;
        }
      }
    }
  }
}

// Algunos campos tal como los define el catálogo de la ficha.
TEST(Catalogo, ValoresDeAlgunosCampos) {
  const DefinicionCampo& descripcion = Campo(C, 1);
  EXPECT_EQ(descripcion.tipo, Tipo::Texto);
  EXPECT_EQ(descripcion.caracteres, 45);
  EXPECT_EQ(descripcion.minimo, Valor("A"));
  const DefinicionCampo& longitud = Campo(C, 3);
  EXPECT_EQ(longitud.decimales, 2);
  EXPECT_EQ(longitud.caracteres, 5);
  EXPECT_EQ(longitud.minimo, Valor(4.0));
  EXPECT_EQ(longitud.maximo, Valor(18.75));
  EXPECT_EQ(Campo(F2, 6).decimales, 6);
  EXPECT_EQ(Campo(F2, 6).maximo, Valor(0.5));
  EXPECT_EQ(Campo(V, 2).rol, Rol::Derivado);
  EXPECT_EQ(Campo(V, 2).maximo, Valor(60.0));
  EXPECT_EQ(Campo(V, 6).decimales, 7);
  EXPECT_EQ(Campo(I, 5).rol, Rol::EntradaSiTotal);
  EXPECT_EQ(Campo(I, 5).maximo, Valor(90000.0));
  for (auto [i, d] : {std::pair{18, 2}, {21, 1}, {40, 5}, {41, 0}, {45, 4}, {46, 2}, {49, 0}}) {
    EXPECT_EQ(Decimales(R, i), d) << "R(" << i << ")";
  }
}

TEST(Catalogo, BloquesDeServicio) {
  const DefinicionCampo& precio = Campo(SS, 1);
  EXPECT_EQ(precio.decimales, 5);
  EXPECT_EQ(precio.rol, Rol::Derivado);
  // Los cinco bloques son iguales: tres entradas y tres precios.
  for (int n = 2; n <= 5; ++n) {
    for (int k = 0; k < 6; ++k) {
      const DefinicionCampo& uno = Campo(SS, 2 + k);
      const DefinicionCampo& otro = Campo(SS, 6 * n - 4 + k);
      EXPECT_EQ(otro.rol, uno.rol) << otro.indice;
      EXPECT_EQ(otro.decimales, uno.decimales) << otro.indice;
      EXPECT_EQ(otro.maximo, uno.maximo) << otro.indice;
    }
  }
  EXPECT_EQ(Campo(SS, 3).maximo, Valor(400000.0));
  EXPECT_EQ(Campo(SS, 4).decimales, 2);
  EXPECT_EQ(Campo(SS, 5).rol, Rol::Derivado);
}

TEST(Catalogo, ListasDeEntradas) {
  // Cada lista va en orden de índice; un archivo guarda las dos columnas y dos fechas.
  int entradas = 0;
  for (Grupo g : kGruposArchivo) {
    const auto e = Entradas(g);
    EXPECT_TRUE(std::is_sorted(e.begin(), e.end())) << CodigoGrupo(g);
    entradas += static_cast<int>(e.size());
  }
  EXPECT_EQ(2 * entradas + 2, 194);
  EXPECT_TRUE(Entradas(R).empty());
  EXPECT_EQ(Entradas(C).size(), 14u);
  EXPECT_EQ(Entradas(C).back(), 21);
  // Los totales que sólo se teclean en "Total" se guardan igual que las demás entradas.
  for (auto [g, i] : {std::pair{F2, 8}, {F2, 18}, {F2, 28}, {I, 5}}) EXPECT_TRUE(EsEntrada(g, i));
  EXPECT_FALSE(EsEntrada(C, 11));
  EXPECT_FALSE(EsEntrada(SS, 17));
}

class Inicio : public ConCalculo {};

TEST_F(Inicio, ValoresDocumentados) {
  for (Valores* v : {&calc.ValoresS, &calc.ValoresO, &calc.ValoresGrabados}) {
    EXPECT_EQ(v->C[1], Valor("A"));
    EXPECT_EQ(v->C[7], Valor(""));
    EXPECT_EQ(v->C[8], Valor(""));
    EXPECT_EQ(v->C[9], Valor(5000.0));
    EXPECT_EQ(v->V[8], Valor(0.0));
    EXPECT_TRUE(v->C[11].EsVacio());
    EXPECT_TRUE(v->F2[5].EsVacio());
    EXPECT_TRUE(v->SS[1].EsVacio());
    for (int i = 1; i <= 49; ++i) EXPECT_TRUE(v->R[i].EsVacio()) << "R(" << i << ")";
    for (auto [g, i] : {std::pair{F1, 1}, {F1, 11}, {F2, 2}, {F2, 9}, {F2, 19}, {I, 1}}) {
      EXPECT_EQ((*v)(g, i), Valor(true)) << CodigoGrupo(g) << "(" << i << ")";
    }
    EXPECT_TRUE(v->Fecha.isNull());
  }
  EXPECT_TRUE(calc.Minimos.C[11].EsVacio());
  EXPECT_TRUE(calc.Maximos.C[11].EsVacio());
  EXPECT_TRUE(calc.Maximos.C[1].EsVacio());
  EXPECT_EQ(calc.Maximos.C[9], Valor(400000.0));
  EXPECT_EQ(calc.Minimos.V[2], Valor(0.0));
  EXPECT_EQ(calc.Maximos.V[2], Valor(60.0));
  EXPECT_FALSE(calc.HayCambios());
}

TEST_F(Inicio, LimitesSonLosDelCatalogoYLosValoresSonLosMinimos) {
  for (Grupo g : kGrupos) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      EXPECT_EQ(calc.Minimos(g, i), Campo(g, i).minimo) << CodigoGrupo(g) << "(" << i << ")";
      EXPECT_EQ(calc.Maximos(g, i), Campo(g, i).maximo) << CodigoGrupo(g) << "(" << i << ")";
    }
  }
  EXPECT_EQ(Diferencias(calc.ValoresS, calc.Minimos), "");
  EXPECT_EQ(Diferencias(calc.ValoresO, calc.Minimos), "");
  EXPECT_EQ(Diferencias(calc.ValoresGrabados, calc.Minimos), "");
}

TEST_F(Inicio, DosVecesDaElMismoEstadoPaseLoQuePase) {
  Calculo limpio;
  limpio.InicializarDatos();

  CargarReferencia();
  calc.Actualizar();
  calc.Revisar();
  calc.ValoresGrabados = calc.ValoresS;
  calc.ValoresS.Fecha = QDate(2025, 7, 1);
  calc.Minimos.C[9] = 1;
  calc.Maximos.V[2] = 10;
  calc.CambiarModo(Seccion::Seguros, Columna::S, false);
  calc.ValoresS.C[9] = "texto";

  calc.InicializarDatos();
  EXPECT_EQ(Diferencias(calc.ValoresS, limpio.ValoresS), "");
  EXPECT_EQ(Diferencias(calc.ValoresO, limpio.ValoresO), "");
  EXPECT_EQ(Diferencias(calc.ValoresGrabados, limpio.ValoresGrabados), "");
  EXPECT_EQ(Diferencias(calc.Minimos, limpio.Minimos), "");
  EXPECT_EQ(Diferencias(calc.Maximos, limpio.Maximos), "");
  EXPECT_FALSE(calc.HayCambios());
}

TEST_F(Inicio, HayCambiosSoloPorEntradasDeLaColumnaS) {
  CargarReferencia();
  calc.ValoresGrabados = calc.ValoresS;
  ASSERT_FALSE(calc.HayCambios());

  // Lo derivado, los resultados y la columna O no cuentan.
  calc.ValoresS.C[11] = 1;
  calc.ValoresS.SS[5] = 99;
  calc.ValoresS.SS[1] = 0.5;
  calc.ValoresS.R[18] = 3;
  calc.ValoresO.C[9] = 12345;
  EXPECT_FALSE(calc.HayCambios());

  struct Cambio {
    Grupo g;
    int i;
    Valor nuevo;
  };
  const Cambio cambios[] = {{C, 9, Valor(96000.0)}, {C, 8, Valor("Línea regular")},
                            {F2, 9, Valor(false)},  {F2, 18, Valor(7000.0)},
                            {SS, 27, Valor(10.0)},  {I, 5, Valor(1.0)},
                            {C, 1, Valor("Otro")},  {V, 21, Valor(1100.5)}};
  for (const Cambio& c : cambios) {
    const Valor antes = calc.ValoresS(c.g, c.i);
    calc.ValoresS(c.g, c.i) = c.nuevo;
    EXPECT_TRUE(calc.HayCambios()) << CodigoGrupo(c.g) << "(" << c.i << ")";
    calc.ValoresS(c.g, c.i) = antes;
    EXPECT_FALSE(calc.HayCambios()) << CodigoGrupo(c.g) << "(" << c.i << ")";
  }
}

}  // namespace
}  // namespace dorvelna::pruebas
