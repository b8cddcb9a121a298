#include "nucleo/model/Redondear.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace dorvelna {

namespace {

constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double Potencia10(int n) { return n <= 22 ? kPotencias[n] : std::pow(10.0, n); }

// Umbral de la parte decimal a partir del cual, conservando f cifras decimales, el valor
// llega a la mitad: 0,5 − 5·10^−(f+1).
constexpr double kUmbral[] = {0.0,
                              0.45,
                              0.495,
                              0.4995,
                              0.49995,
                              0.499995,
                              0.4999995,
                              0.49999995,
                              0.499999995,
                              0.4999999995,
                              0.49999999995,
                              0.499999999995,
                              0.4999999999995,
                              0.49999999999995,
                              0.499999999999995,
                              0.4999999999999995};

}  // namespace

std::optional<double> Redondear(double x, int n) {
  if (!std::isfinite(x) || n < 0 || n > 22) return detalle::RedondearPorTexto(x, n);
  const double y = x * kPotencias[n];
  const double a = std::fabs(y);
  // Camino rápido: con menos de 14 cifras enteras basta mirar la parte decimal, que en
  // double es exacta, frente al umbral de la mitad con las cifras que quedan de las 15.
  if (a < 0.1) return 0.0;
  if (a >= 1e13) return detalle::RedondearPorTexto(x, n);
  // a < 1e13: truncar a entero es exacto e igual a floor, y mucho más barato sin SSE4.1.
  const double entera = static_cast<double>(static_cast<std::int64_t>(a));
  const double fraccion = a - entera;
  // Cifras de la parte entera a partir del exponente binario: floor(log10) es t o t − 1.
  const int exponente2 =
      static_cast<int>((std::bit_cast<std::uint64_t>(entera) >> 52) & 0x7ff) - 1022;
  int cifras = 0;
  if (entera >= 1) {
    const int t = (exponente2 * 1233) >> 12;
    cifras = entera >= kPotencias[t] ? t + 1 : t;
  }
  const double umbral = kUmbral[15 - cifras];
  double resultado;
  if (fraccion > umbral) resultado = entera + 1;
  else if (fraccion < umbral) resultado = entera;
  else return detalle::RedondearPorTexto(x, n);
  resultado /= kPotencias[n];
  if (resultado == 0) return 0.0;
  return y < 0 ? -resultado : resultado;
}

namespace detalle {

std::optional<double> RedondearPorTexto(double x, int n) {
  if (!std::isfinite(x) || n < 0 || n > 28) return std::nullopt;
  const double y = x * Potencia10(n);
  // La aritmética decimal admite como mucho 28 cifras enteras.
  if (!std::isfinite(y) || std::fabs(y) >= 1e28) return std::nullopt;
  if (y == 0) return 0.0;

  // El producto pasa a decimal con 15 cifras significativas: d.dddddddddddddde±XX
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(y));
  const char* e = std::strchr(buf, 'e');
  const int exponente = std::atoi(e + 1);
  std::string cifras;
  cifras += buf[0];
  cifras.append(buf + 2, static_cast<std::size_t>(
                             e - (buf + 2)));  // 15 cifras: valor = cifras · 10^(exponente − 14)

  const bool negativo = y < 0;
  std::string texto;
  const int escala = exponente - 14;
  if (escala >= 0) {
    // Ya es entero: sumar 0,5 y truncar no lo cambia.
    texto = cifras + "e" + std::to_string(escala - n);
  } else {
    const int fraccion = -escala;  // cifras tras la coma
    const int enteras = 15 - fraccion;
    std::uint64_t entero = 0;
    int primeraDecimal = 0;
    if (enteras > 0) {
      entero = std::strtoull(cifras.substr(0, enteras).c_str(), nullptr, 10);
      primeraDecimal = cifras[enteras] - '0';
    } else if (enteras == 0) {
      primeraDecimal = cifras[0] - '0';
    }
    // Mitades lejos de cero: sumar 0,5 al valor absoluto y truncar.
    if (primeraDecimal >= 5) ++entero;
    texto = std::to_string(entero) + "e" + std::to_string(-n);
  }
  double r = std::strtod(texto.c_str(), nullptr);
  if (negativo) r = -r;
  if (r == 0) r = 0.0;  // sin cero negativo
  return r;
}

}  // namespace detalle

}  // namespace dorvelna
