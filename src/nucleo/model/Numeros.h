#pragma once

#include <QString>
#include <optional>

namespace dorvelna {

// Forma más corta que vuelve a leerse como el mismo double, con punto decimal.
// Un entero por debajo de 1e16 se escribe sin parte decimal ("95000").
QString NumeroCorto(double x);

// Forma de los archivos de cálculo: como mucho 15 cifras significativas, sin ceros
// sobrantes tras el punto, un entero sin punto, sin signo "+", sin exponente
// mientras quepa en forma decimal.
QString NumeroArchivo(double x);

// Divisiones y productos que "fallan": divisor cero (0/0 incluido) o resultado no finito.
std::optional<double> Dividir(double a, double b);
std::optional<double> Finito(double x);

}  // namespace dorvelna
