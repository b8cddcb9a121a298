#pragma once

#include <QString>
#include <optional>
#include <variant>

namespace dorvelna {

// Un elemento de la ficha: vacío, número, texto o sí/no.
class Valor {
public:
  Valor() = default;
  Valor(double n) : dato_(n) {}
  Valor(int n) : dato_(static_cast<double>(n)) {}
  Valor(bool b) : dato_(b) {}
  Valor(const QString& t) : dato_(t) {}
  Valor(const char* t) : dato_(QString::fromUtf8(t)) {}

  bool EsVacio() const { return std::holds_alternative<std::monostate>(dato_); }
  bool EsNumero() const { return std::holds_alternative<double>(dato_); }
  bool EsTexto() const { return std::holds_alternative<QString>(dato_); }
  bool EsLogico() const { return std::holds_alternative<bool>(dato_); }

  double Numero() const { return std::get<double>(dato_); }
  const QString& Texto() const { return std::get<QString>(dato_); }
  bool Logico() const { return std::get<bool>(dato_); }

  // Lectura para la aritmética: vacío cuenta como 0; un texto o un sí/no no es un número.
  std::optional<double> ComoNumero() const {
    if (const double* n = std::get_if<double>(&dato_)) return *n;
    if (EsVacio()) return 0.0;
    return std::nullopt;
  }
  // Lectura para las pruebas lógicas: vacío cuenta como "no".
  bool EsSi() const { return EsLogico() && Logico(); }
  // Texto plano del valor (número en forma corta con punto, sí/no como Verdadero/Falso).
  QString TextoPlano() const;

  void Vaciar() { dato_ = std::monostate{}; }

  friend bool operator==(const Valor& a, const Valor& b) { return a.dato_ == b.dato_; }

private:
  std::variant<std::monostate, double, QString, bool> dato_;
};

}  // namespace dorvelna
