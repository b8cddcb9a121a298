// Catálogo de campos, listas de entradas y estado inicial de un cálculo.
#include <gtest/gtest.h>
#include <vector>

#include "FichaPrueba.h"

namespace dorvelna {
namespace {

using enum Grupo;

struct Fila {
  Grupo grupo;
  int indice;
  Tipo tipo;
  int decimales;
  int caracteres;
  Valor minimo;
  Valor maximo;
  Rol rol;
};

// Tipo, decimales, caracteres, límites y papel de cada campo de los cinco grupos de datos.
const std::vector<Fila>& Tabla() {
  static const std::vector<Fila> filas = {
      {C, 1, Tipo::Texto, -1, 45, Valor("A"), Valor(), Rol::Entrada},
      {C, 2, Tipo::Numero, 0, 3, Valor(10.0), Valor(200.0), Rol::Entrada},
      {C, 3, Tipo::Numero, 2, 5, Valor(4.0), Valor(18.75), Rol::Entrada},
      {C, 4, Tipo::Numero, 0, 1, Valor(2.0), Valor(4.0), Rol::Entrada},
      {C, 5, Tipo::Numero, 0, 3, Valor(0.0), Valor(999.0), Rol::Entrada},
      {C, 6, Tipo::Numero, 0, 6, Valor(0.0), Valor(29000.0), Rol::Entrada},
      {C, 7, Tipo::Texto, -1, 10, Valor(""), Valor(), Rol::Entrada},
      {C, 8, Tipo::Texto, -1, 45, Valor(""), Valor(), Rol::Entrada},
      {C, 9, Tipo::Numero, 0, 7, Valor(5000.0), Valor(400000.0), Rol::Entrada},
      {C, 10, Tipo::Numero, 1, 5, Valor(20.0), Valor(100.0), Rol::Entrada},
      {C, 11, Tipo::Numero, 0, 7, Valor(), Valor(), Rol::Derivado},
      {C, 12, Tipo::Numero, 1, 5, Valor(), Valor(), Rol::Derivado},
      {C, 13, Tipo::Numero, 0, 7, Valor(), Valor(), Rol::Derivado},
      {C, 14, Tipo::Numero, 0, 5, Valor(100.0), Valor(6000.0), Rol::Entrada},
      {C, 15, Tipo::Numero, 1, 5, Valor(20.0), Valor(100.0), Rol::Entrada},
      {C, 16, Tipo::Numero, 0, 5, Valor(), Valor(), Rol::Derivado},
      {C, 17, Tipo::Numero, 1, 5, Valor(), Valor(), Rol::Derivado},
      {C, 18, Tipo::Numero, 0, 5, Valor(), Valor(), Rol::Derivado},
      {C, 19, Tipo::Numero, 1, 5, Valor(20.0), Valor(100.0), Rol::Entrada},
      {C, 20, Tipo::Numero, 0, 7, Valor(), Valor(), Rol::Derivado},
      {C, 21, Tipo::Numero, 1, 5, Valor(10.0), Valor(100.0), Rol::Entrada},
      {C, 22, Tipo::Numero, 1, 5, Valor(), Valor(), Rol::Derivado},
      {C, 23, Tipo::Numero, 0, 10, Valor(), Valor(), Rol::Derivado},
      {C, 24, Tipo::Numero, 0, 3, Valor(), Valor(), Rol::Derivado},
      {F1, 1, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada},
      {F1, 2, Tipo::Numero, 2, 10, Valor(3000.0), Valor(900000.0), Rol::Entrada},
      {F1, 3, Tipo::Numero, 1, 4, Valor(0.5), Valor(35.0), Rol::Entrada},
      {F1, 4, Tipo::Numero, 1, 4, Valor(0.0), Valor(80.0), Rol::Entrada},
      {F1, 5, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F1, 6, Tipo::Numero, 1, 5, Valor(0.0), Valor(125.0), Rol::Entrada},
      {F1, 7, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F1, 8, Tipo::Numero, 1, 4, Valor(0.5), Valor(25.0), Rol::Entrada},
      {F1, 9, Tipo::Numero, 2, 5, Valor(0.1), Valor(25.0), Rol::Entrada},
      {F1, 10, Tipo::Numero, 2, 10, Valor(0.0), Valor(60000.0), Rol::Entrada},
      {F1, 11, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada},
      {F1, 12, Tipo::Numero, 2, 10, Valor(0.0), Valor(300000.0), Rol::Entrada},
      {F1, 13, Tipo::Numero, 1, 4, Valor(0.5), Valor(35.0), Rol::Entrada},
      {F1, 14, Tipo::Numero, 1, 4, Valor(0.0), Valor(80.0), Rol::Entrada},
      {F1, 15, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F1, 16, Tipo::Numero, 1, 5, Valor(0.0), Valor(125.0), Rol::Entrada},
      {F1, 17, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F1, 18, Tipo::Numero, 1, 4, Valor(0.5), Valor(25.0), Rol::Entrada},
      {F1, 19, Tipo::Numero, 2, 5, Valor(0.1), Valor(25.0), Rol::Entrada},
      {F1, 20, Tipo::Numero, 2, 10, Valor(0.0), Valor(60000.0), Rol::Entrada},
      {F1, 21, Tipo::Numero, 1, 5, Valor(0.0), Valor(200.0), Rol::Entrada},
      {F1, 22, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F2, 1, Tipo::Numero, 2, 10, Valor(0.0), Valor(150000.0), Rol::Entrada},
      {F2, 2, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada},
      {F2, 3, Tipo::Numero, 2, 6, Valor(0.0), Valor(300.0), Rol::Entrada},
      {F2, 4, Tipo::Numero, 0, 3, Valor(0.0), Valor(366.0), Rol::Entrada},
      {F2, 5, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F2, 6, Tipo::Numero, 6, 8, Valor(0.0), Valor(0.5), Rol::Entrada},
      {F2, 7, Tipo::Numero, 2, 10, Valor(), Valor(), Rol::Derivado},
      {F2, 8, Tipo::Numero, 2, 10, Valor(0.0), Valor(100000.0), Rol::EntradaSiTotal},
      {F2, 9, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada},
      {F2, 10, Tipo::Numero, 2, 9, Valor(0.0), Valor(15000.0), Rol::Entrada},
      {F2, 11, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {F2, 12, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {F2, 13, Tipo::Numero, 2, 9, Valor(0.0), Valor(5000.0), Rol::Entrada},
      {F2, 14, Tipo::Numero, 2, 9, Valor(0.0), Valor(1500.0), Rol::Entrada},
      {F2, 15, Tipo::Numero, 2, 9, Valor(0.0), Valor(5000.0), Rol::Entrada},
      {F2, 16, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {F2, 17, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {F2, 18, Tipo::Numero, 2, 9, Valor(0.0), Valor(100000.0), Rol::EntradaSiTotal},
      {F2, 19, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada},
      {F2, 20, Tipo::Numero, 2, 8, Valor(0.0), Valor(1500.0), Rol::Entrada},
      {F2, 21, Tipo::Numero, 2, 8, Valor(0.0), Valor(1500.0), Rol::Entrada},
      {F2, 22, Tipo::Numero, 2, 8, Valor(0.0), Valor(3000.0), Rol::Entrada},
      {F2, 23, Tipo::Numero, 2, 8, Valor(0.0), Valor(3000.0), Rol::Entrada},
      {F2, 24, Tipo::Numero, 2, 8, Valor(0.0), Valor(1500.0), Rol::Entrada},
      {F2, 25, Tipo::Numero, 2, 8, Valor(0.0), Valor(10000.0), Rol::Entrada},
      {F2, 26, Tipo::Numero, 2, 8, Valor(0.0), Valor(10000.0), Rol::Entrada},
      {F2, 27, Tipo::Numero, 2, 9, Valor(0.0), Valor(10000.0), Rol::Entrada},
      {F2, 28, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::EntradaSiTotal},
      {F2, 29, Tipo::Numero, 2, 9, Valor(0.0), Valor(3000.0), Rol::Entrada},
      {F2, 30, Tipo::Numero, 2, 9, Valor(0.0), Valor(2000.0), Rol::Entrada},
      {V, 1, Tipo::Numero, 4, 6, Valor(0.1), Valor(5.0), Rol::Entrada},
      {V, 2, Tipo::Numero, 1, 5, Valor(0.0), Valor(60.0), Rol::Derivado},
      {V, 3, Tipo::Numero, 4, 6, Valor(0.0), Valor(5.0), Rol::Entrada},
      {V, 4, Tipo::Numero, 1, 4, Valor(0.0), Valor(40.0), Rol::Entrada},
      {V, 5, Tipo::Numero, 4, 6, Valor(), Valor(), Rol::Derivado},
      {V, 6, Tipo::Numero, 7, 9, Valor(), Valor(), Rol::Derivado},
      {V, 7, Tipo::Numero, 1, 4, Valor(3.0), Valor(99.9), Rol::Entrada},
      {V, 8, Tipo::Numero, 0, 1, Valor(0.0), Valor(6.0), Rol::Entrada},
      {V, 9, Tipo::Numero, 2, 8, Valor(30.0), Valor(5000.0), Rol::Entrada},
      {V, 10, Tipo::Numero, 0, 7, Valor(10000.0), Valor(400000.0), Rol::Entrada},
      {V, 11, Tipo::Numero, 0, 1, Valor(0.0), Valor(6.0), Rol::Entrada},
      {V, 12, Tipo::Numero, 2, 8, Valor(30.0), Valor(5000.0), Rol::Entrada},
      {V, 13, Tipo::Numero, 0, 7, Valor(10000.0), Valor(400000.0), Rol::Entrada},
      {V, 14, Tipo::Numero, 0, 1, Valor(0.0), Valor(6.0), Rol::Entrada},
      {V, 15, Tipo::Numero, 2, 8, Valor(30.0), Valor(5000.0), Rol::Entrada},
      {V, 16, Tipo::Numero, 0, 7, Valor(10000.0), Valor(400000.0), Rol::Entrada},
      {V, 17, Tipo::Numero, 6, 8, Valor(0.0), Valor(1.0), Rol::Entrada},
      {V, 18, Tipo::Numero, 2, 9, Valor(), Valor(), Rol::Derivado},
      {V, 19, Tipo::Numero, 2, 9, Valor(0.0), Valor(50000.0), Rol::Entrada},
      {V, 20, Tipo::Numero, 4, 6, Valor(0.0), Valor(0.6), Rol::Entrada},
      {V, 21, Tipo::Numero, 2, 9, Valor(0.0), Valor(15000.0), Rol::Entrada},
      {I, 1, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada},
      {I, 2, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {I, 3, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {I, 4, Tipo::Numero, 2, 9, Valor(0.0), Valor(30000.0), Rol::Entrada},
      {I, 5, Tipo::Numero, 2, 9, Valor(0.0), Valor(90000.0), Rol::EntradaSiTotal},
  };
  return filas;
}

TEST(Catalogo, CadaCampoDeLosGruposDeDatos) {
  int revisados = 0;
  for (const Fila& f : Tabla()) {
    SCOPED_TRACE(std::string(CodigoGrupo(f.grupo)) + "(" + std::to_string(f.indice) + ")");
    const DefinicionCampo& c = Campo(f.grupo, f.indice);
    EXPECT_EQ(c.grupo, f.grupo);
    EXPECT_EQ(c.indice, f.indice);
    EXPECT_EQ(c.tipo, f.tipo);
    if (f.tipo != Tipo::Logico) {
      EXPECT_EQ(c.decimales, f.decimales);
      EXPECT_EQ(Decimales(f.grupo, f.indice), f.decimales);
    }
    if (f.rol != Rol::Derivado) {
      EXPECT_EQ(c.caracteres, f.caracteres);
    }
    EXPECT_EQ(c.minimo, f.minimo);
    EXPECT_EQ(c.maximo, f.maximo);
    EXPECT_EQ(c.rol, f.rol);
    ++revisados;
  }
  EXPECT_EQ(revisados, 24 + 22 + 30 + 21 + 5);
}

TEST(Catalogo, ResultadosSinLimitesYConSusDecimales) {
  for (int i = 1; i <= 49; ++i) {
    SCOPED_TRACE("R(" + std::to_string(i) + ")");
    const DefinicionCampo& c = Campo(R, i);
    EXPECT_EQ(c.tipo, Tipo::Numero);
    EXPECT_EQ(c.rol, Rol::Derivado);
    EXPECT_TRUE(c.minimo.EsVacio());
    EXPECT_TRUE(c.maximo.EsVacio());
    if (i == 20) continue;
    int dec = 2;
    if (i >= 21 && i <= 39) dec = 1;
    else if (i == 40) dec = 5;
    else if ((i >= 41 && i <= 44) || i == 49) dec = 0;
    else if (i == 45 || i == 47) dec = 4;
    EXPECT_EQ(c.decimales, dec);
  }
}

TEST(Catalogo, BloquesDeServicio) {
  const DefinicionCampo& precio = Campo(SS, 1);
  EXPECT_EQ(precio.decimales, 5);
  EXPECT_EQ(precio.rol, Rol::Derivado);
  EXPECT_FALSE(EsEntrada(SS, 1));
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE("servicio " + std::to_string(n));
    const int b = 6 * n - 4;
    struct {
      int indice, dec, car;
      double max;
    } entradas[] = {{b, 2, 9, 50000}, {b + 1, 1, 9, 400000}, {b + 2, 2, 8, 6000}};
    for (const auto& e : entradas) {
      const DefinicionCampo& c = Campo(SS, e.indice);
      EXPECT_EQ(c.rol, Rol::Entrada) << e.indice;
      EXPECT_EQ(c.decimales, e.dec) << e.indice;
      EXPECT_EQ(c.caracteres, e.car) << e.indice;
      EXPECT_EQ(c.minimo, Valor(0.0)) << e.indice;
      EXPECT_EQ(c.maximo, Valor(e.max)) << e.indice;
    }
    for (int i = b + 3; i <= b + 5; ++i) {
      const DefinicionCampo& c = Campo(SS, i);
      EXPECT_EQ(c.rol, Rol::Derivado) << i;
      EXPECT_EQ(c.decimales, 2) << i;
      EXPECT_TRUE(c.minimo.EsVacio()) << i;
      EXPECT_TRUE(c.maximo.EsVacio()) << i;
    }
  }
}

TEST(Catalogo, ListasDeEntradas) {
  auto lista = [](Grupo g) {
    const auto e = Entradas(g);
    return std::vector<int>(e.begin(), e.end());
  };
  EXPECT_EQ(lista(C), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 19, 21}));
  EXPECT_EQ(lista(F1),
            (std::vector<int>{1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 14, 16, 18, 19, 20, 21}));
  EXPECT_EQ(lista(F2), (std::vector<int>{1,  2,  3,  4,  6,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                         17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
  EXPECT_EQ(lista(V),
            (std::vector<int>{1, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21}));
  EXPECT_EQ(lista(I), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(lista(SS), (std::vector<int>{2, 3, 4, 8, 9, 10, 14, 15, 16, 20, 21, 22, 26, 27, 28}));

  // Los totales que sólo se teclean en "Total" se guardan igual que las demás entradas.
  for (auto [g, i] : {std::pair{F2, 8}, {F2, 18}, {F2, 28}, {I, 5}}) EXPECT_TRUE(EsEntrada(g, i));
  EXPECT_FALSE(EsEntrada(C, 11));
  EXPECT_FALSE(EsEntrada(V, 2));
  EXPECT_FALSE(EsEntrada(SS, 17));
  // Cada campo que no es derivado está en su lista, y al revés.
  for (Grupo g : kGruposArchivo) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      EXPECT_EQ(EsEntrada(g, i), Campo(g, i).rol != Rol::Derivado)
          << CodigoGrupo(g) << "(" << i << ")";
    }
  }
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
}  // namespace dorvelna
