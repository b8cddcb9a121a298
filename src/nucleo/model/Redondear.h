#pragma once

#include <optional>

namespace dorvelna {

// Redondeo a n decimales, mitades lejos de cero, en aritmética decimal: x·10^n pasa a
// decimal con 15 cifras significativas, se suma o resta 0,5, se trunca y se divide.
// Falla (nada) si x no es finito o x·10^n pasa de 28 cifras.
std::optional<double> Redondear(double x, int n);

namespace detalle {
// El mismo redondeo hecho siempre con el texto decimal (camino lento, de referencia).
std::optional<double> RedondearPorTexto(double x, int n);
}  // namespace detalle

}  // namespace dorvelna
