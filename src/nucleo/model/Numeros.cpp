#include "nucleo/model/Numeros.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace dorvelna {

QString NumeroCorto(double x) {
  if (x == 0) return QStringLiteral("0");
  if (std::isfinite(x) && std::fabs(x) < 1e16 && x == std::trunc(x)) {
    return QString::number(static_cast<long long>(x));
  }
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

QString NumeroArchivo(double x) {
  if (!std::isfinite(x)) return QStringLiteral("0");
  if (x == 0) return QStringLiteral("0");
  // 15 cifras significativas en notación científica y después en forma decimal.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", x);
  // buf: [-]d.dddddddddddddde[+-]XX
  std::string s(buf);
  bool negativo = s[0] == '-';
  if (negativo) s.erase(0, 1);
  auto e = s.find('e');
  int exponente = std::atoi(s.c_str() + e + 1);
  std::string cifras = s.substr(0, 1) + s.substr(2, e - 2);  // 15 cifras
  while (cifras.size() > 1 && cifras.back() == '0') cifras.pop_back();
  std::string salida;
  if (exponente >= 0) {
    int enteras = exponente + 1;
    if (enteras > 40) {
      // Fuera de lo que un archivo necesita; se conserva en forma exponencial.
      salida = cifras.substr(0, 1);
      if (cifras.size() > 1) salida += "." + cifras.substr(1);
      salida += "E+" + std::to_string(exponente);
    } else if (static_cast<int>(cifras.size()) <= enteras) {
      salida = cifras + std::string(enteras - cifras.size(), '0');
    } else {
      salida = cifras.substr(0, enteras) + "." + cifras.substr(enteras);
    }
  } else {
    int ceros = -exponente - 1;
    if (ceros > 40) {
      salida = cifras.substr(0, 1);
      if (cifras.size() > 1) salida += "." + cifras.substr(1);
      salida += "E-" + std::to_string(-exponente);
    } else {
      salida = "0." + std::string(ceros, '0') + cifras;
    }
  }
  if (negativo) salida = std::string(1, '-') + salida;
  return QString::fromLatin1(salida.c_str());
}

std::optional<double> Dividir(double a, double b) {
  if (b == 0 || std::isnan(a) || std::isnan(b)) return std::nullopt;
  return Finito(a / b);
}

std::optional<double> Finito(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  return x;
}

}  // namespace dorvelna
