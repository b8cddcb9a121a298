#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace dorvelna {

// Un número que puede haber fallado. Las operaciones propagan el fallo: un operando que no
// es un número, una división por cero (0/0 incluido) o un resultado no finito hacen fallar
// el paso entero, que entonces se salta sin tocar nada. El fallo se guarda como NaN, que
// la aritmética ya propaga por sí sola.
class Cifra {
public:
  constexpr Cifra() = default;
  constexpr Cifra(double x) : v_(Acotar(x)) {}
  Cifra(std::optional<double> x) : v_(x ? Acotar(*x) : kFallo) {}
  static constexpr Cifra Falla() { return Cifra(); }

  bool Vale() const { return !std::isnan(v_); }
  double operator*() const { return v_; }
  std::optional<double> Opcional() const {
    return Vale() ? std::optional<double>(v_) : std::nullopt;
  }
  // Un intermedio local que falló cuenta como 0 en los pasos siguientes.
  double O0() const { return Vale() ? v_ : 0.0; }

  friend Cifra operator+(Cifra a, Cifra b) { return Cifra(a.v_ + b.v_); }
  friend Cifra operator-(Cifra a, Cifra b) { return Cifra(a.v_ - b.v_); }
  friend Cifra operator*(Cifra a, Cifra b) { return Cifra(a.v_ * b.v_); }
  friend Cifra operator/(Cifra a, Cifra b) { return b.v_ == 0 ? Cifra() : Cifra(a.v_ / b.v_); }

private:
  static constexpr double kFallo = std::numeric_limits<double>::quiet_NaN();
  // Un infinito cuenta como fallo, igual que un NaN.
  static constexpr double Acotar(double x) {
    return (x <= std::numeric_limits<double>::max() && x >= -std::numeric_limits<double>::max())
               ? x
               : kFallo;
  }
  double v_ = kFallo;
};

}  // namespace dorvelna
