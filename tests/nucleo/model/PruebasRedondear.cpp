#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

#include "nucleo/model/Redondear.h"

using dorvelna::Redondear;

namespace {

// Redondear debe dar siempre un número; si no, la prueba falla aquí y no con un valor basura.
double R(double x, int n) {
  const auto r = Redondear(x, n);
  EXPECT_TRUE(r.has_value()) << "Redondear(" << x << ", " << n << ") no dio resultado";
  return r.value_or(std::numeric_limits<double>::quiet_NaN());
}

double Leer(const std::string& texto) { return std::strtod(texto.c_str(), nullptr); }

}  // namespace

TEST(Redondear, MitadesLejosDeCero) {
  EXPECT_EQ(R(2.675, 2), 2.68);
  EXPECT_EQ(R(-2.5, 0), -3);
  EXPECT_EQ(R(0.125, 2), 0.13);
  EXPECT_EQ(R(123.5, 0), 124);
  EXPECT_EQ(R(0.5, 0), 1);
  EXPECT_EQ(R(-0.5, 0), -1);
  EXPECT_EQ(R(-2.675, 2), -2.68);
  EXPECT_EQ(R(2.5, 0), 3);  // no al par
  EXPECT_EQ(R(0.25, 1), 0.3);
}

TEST(Redondear, PorDebajoDeLaMitadBaja) {
  EXPECT_EQ(R(2.674, 2), 2.67);
  EXPECT_EQ(R(0.49, 0), 0);
  EXPECT_EQ(R(-0.49, 0), 0);
  EXPECT_EQ(R(4110.885, 0), 4111);
  EXPECT_EQ(R(294.1995, 0), 294);
  EXPECT_EQ(R(0.95041322314, 7), 0.9504132);
}

TEST(Redondear, EnteroSinDecimalesNoCambia) {
  for (double x :
       {0.0, 1.0, -1.0, 5000.0, -7.0, 2147483647.0, -2147483648.0, 123456789012.0, 1e15, -1e15}) {
    EXPECT_EQ(R(x, 0), x) << x;
  }
  EXPECT_EQ(R(95000, 2), 95000);
}

// El producto x·10^n pasa a decimal con 15 cifras significativas: 1,005·100 es en double
// 100,49999999999999, pero con 15 cifras es 100,5 y sube.
TEST(Redondear, TrabajaConQuinceCifrasDelProducto) {
  EXPECT_EQ(R(1.005, 2), 1.01);
  EXPECT_EQ(R(8.345, 2), 8.35);
  EXPECT_EQ(R(1.0049999999999, 2), 1.0);
  EXPECT_EQ(R(0.285, 2), 0.29);
  EXPECT_EQ(R(-1.005, 2), -1.01);
}

// Mitades exactas en decimal a varias escalas: el texto "k,dd5" sube siempre al siguiente
// céntimo, y "k,5" a la siguiente unidad.
TEST(Redondear, MitadesDecimalesEnTodasLasEscalas) {
  std::mt19937_64 azar(20250701);
  int fallos = 0;
  for (int vuelta = 0; vuelta < 20000 && fallos < 10; ++vuelta) {
    const long long escala = 1LL << (vuelta % 36);
    const long long centimos =
        static_cast<long long>(azar() % static_cast<unsigned long long>(escala * 100));
    char texto[64], esperado[64];
    std::snprintf(texto, sizeof texto, "%lld.%02lld5", centimos / 100, centimos % 100);
    std::snprintf(esperado, sizeof esperado, "%lld.%02lld", (centimos + 1) / 100,
                  (centimos + 1) % 100);
    const double x = Leer(texto);
    for (int signo : {1, -1}) {
      const auto r = Redondear(signo * x, 2);
      if (!r || *r != signo * Leer(esperado)) {
        ++fallos;
        ADD_FAILURE() << "Redondear(" << (signo < 0 ? "-" : "") << texto
                      << ", 2) = " << (r ? std::to_string(*r) : std::string("nada"))
                      << ", se esperaba " << (signo < 0 ? "-" : "") << esperado;
      }
    }
  }
  for (long long k : {0LL, 1LL, 41LL, 99999LL, 2147483646LL, 999999999999LL}) {
    EXPECT_EQ(R(k + 0.5, 0), k + 1.0) << k;
    EXPECT_EQ(R(-(k + 0.5), 0), -(k + 1.0)) << k;
  }
}

// El camino rápido y el camino por texto han de dar lo mismo.
TEST(Redondear, CaminoRapidoIgualAlDeReferencia) {
  std::mt19937_64 azar(7);
  std::uniform_real_distribution<double> mantisa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponente(-6, 14);
  std::uniform_int_distribution<int> decimales(0, 7);
  int fallos = 0;
  for (int k = 0; k < 200000 && fallos < 10; ++k) {
    const double x = mantisa(azar) * std::pow(10.0, exponente(azar));
    const int n = decimales(azar);
    const auto rapido = Redondear(x, n);
    const auto lento = dorvelna::detalle::RedondearPorTexto(x, n);
    if (rapido != lento) {
      ++fallos;
      ADD_FAILURE() << "x = " << x << ", n = " << n;
    }
  }
}

TEST(Redondear, FallaFueraDeLaAritmeticaDecimal) {
  EXPECT_FALSE(Redondear(std::numeric_limits<double>::quiet_NaN(), 2).has_value());
  EXPECT_FALSE(Redondear(std::numeric_limits<double>::infinity(), 0).has_value());
  EXPECT_FALSE(Redondear(-std::numeric_limits<double>::infinity(), 0).has_value());
  EXPECT_FALSE(Redondear(1e28, 0).has_value());
  EXPECT_FALSE(Redondear(1e25, 4).has_value());
  EXPECT_TRUE(Redondear(1e27, 0).has_value());
}
