// Operaciones que calculan los campos derivados de los formularios de datos.
#include "nucleo/model/Calculo.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Redondear.h"

namespace dorvelna {

using enum Grupo;

void Calculo::RepartirTotal(Columna col, int t, int p, int a, int c, int r) {
  FijarRedondeado(C, col, a, Num(C, col, t) * Num(C, col, p) / Cifra(100.0), true);
  FijarSinRedondear(C, col, c, Cifra(100.0) - Num(C, col, p));
  FijarSinRedondear(C, col, r, Num(C, col, t) - Num(C, col, a));
}

void Calculo::CalcularProduccion(Columna col) {
  const int s = 2, k = 9, p = 19, w = 20, o = 21, m = 22, x = 23;
  const Cifra conViajeros = Num(C, col, k) * Num(C, col, p) / Cifra(100.0);
  const Cifra medios = (Num(C, col, s) - Cifra(1.0)) * Num(C, col, o) / Cifra(100.0);
  FijarRedondeado(C, col, w, conViajeros, true);
  // Sin la plaza del conductor, que no es de viajero.
  FijarRedondeado(C, col, m, medios);
  FijarRedondeado(C, col, x, medios * conViajeros, true);
}

void Calculo::ConvertirPotencia(Columna col, int cv, int kw) {
  FijarRedondeado(C, col, kw, Num(C, col, cv) * Cifra(0.73549875));
}

void Calculo::PrecioSinNeumaticos(Columna col, int p, int t, int r) {
  const Cifra neumaticos = (Num(V, col, 14) * Num(V, col, 15) + Num(V, col, 11) * Num(V, col, 12) +
                            Num(V, col, 8) * Num(V, col, 9)) *
                           (Num(F1, col, t) / Cifra(100.0));
  // Si falla la suma de los neumáticos, cuenta como 0. El precio nunca queda negativo.
  const Cifra precio = Num(F1, col, p) - Cifra(neumaticos.O0());
  if (precio.Vale() && *precio < 0) FijarRedondeado(F1, col, r, Cifra(0.0));
  else FijarRedondeado(F1, col, r, precio);
}

void Calculo::AplicarPorcentaje(Grupo g, Columna col, int b, int q, int r) {
  FijarRedondeado(g, col, r, Num(g, col, b) * Num(g, col, q) / Cifra(100.0));
}

void Calculo::MultiplicarYSumar(Columna col, int f, int g, int p, int a, int t) {
  FijarRedondeado(F2, col, p, Num(F2, col, f) * Num(F2, col, g));
  FijarSinRedondear(F2, col, t, Num(F2, col, p) + Num(F2, col, a));
}

void Calculo::CalcularPlusActividad(Columna col) {
  const int b = 6, u = 7, a = 5, t = 8, m = 2;
  Valores& v = Registro(col);
  const bool mostrar = EsSi(F2, col, m);
  if (const auto r = (Num(F2, col, b) * Num(C, col, 9)).Opcional()) {
    if (const auto x = Redondear(*r, Decimales(F2, u))) {
      v.F2[u] = Valor(*x);
      if (mostrar) Mostrar(F2, col, u);
    }
  }
  const Cifra total = Num(F2, col, u) + Num(F2, col, a);
  if (total.Vale()) {
    v.F2[t] = Valor(*total);
    if (mostrar) Mostrar(F2, col, t);
  }
}

void Calculo::SumarCampos(Grupo g, Columna col, int t, std::span<const int> sumandos) {
  Cifra suma(0.0);
  for (int k : sumandos) suma = suma + Num(g, col, k);
  FijarSinRedondear(g, col, t, suma);
}

void Calculo::PrecioCarburante(Columna col) {
  const Cifra precio = Num(V, col, 1);
  if (precio.Vale()) {
    if (*precio != 0) FijarRedondeado(V, col, 2, Num(V, col, 3) * Cifra(100.0) / precio);
    else FijarRedondeado(V, col, 2, Cifra(0.0));
  }
  FijarRedondeado(V, col, 6,
                  (precio - Num(V, col, 3)) / (Num(V, col, 4) / Cifra(100.0) + Cifra(1.0)));
  FijarRedondeado(V, col, 5, precio - Num(V, col, 3) - Num(V, col, 6));
}

void Calculo::CalcularReparaciones(Columna col) {
  FijarRedondeado(V, col, 18, Num(V, col, 17) * Num(C, col, 9));
}

}  // namespace dorvelna
