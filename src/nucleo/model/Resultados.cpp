// Resultados (grupo R), servicios concretos y comentario de los costes indirectos.
#include <array>

#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Calculo.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Redondear.h"

namespace dorvelna {

using enum Grupo;

namespace {

Cifra N(const Valor& x) { return x.ComoNumero(); }

Cifra Red(Cifra x, int n) { return x.Vale() ? Cifra(Redondear(*x, n)) : x; }

// Coste anual de los intereses de un préstamo de capital k a n años al i por uno,
// repartido sobre la vida útil.
Cifra InteresesAnuales(Cifra capital, Cifra interes, Cifra anos, Cifra vida) {
  const Cifra i = interes / Cifra(100.0);
  if (!i.Vale() || !anos.Vale()) return Cifra::Falla();
  const Cifra factor = Cifra(std::pow(1.0 + *i, *anos));
  const Cifra cuota = capital * i * factor / (factor - Cifra(1.0));
  return (cuota * anos - capital) / vida;
}

}  // namespace

std::optional<double> CosteAmortizacion(const Valores& v) {
  double suma = 0;
  auto activo = [&](int modo, int precio, int vida, int base, int residual, int alquiler) {
    if (v.F1[modo].EsSi()) {
      const Cifra p = N(v.F1[precio]), a = N(v.F1[vida]);
      if (!p.Vale() || !a.Vale() || *p <= 0 || *a <= 0) return;
      const Cifra anual = (N(v.F1[base]) - N(v.F1[residual])) / a;
      if (anual.Vale() && *anual > 0) suma += *anual;
    } else {
      const Cifra renta = N(v.F1[alquiler]);
      if (renta.Vale()) suma += *renta;
    }
  };
  activo(1, 2, 3, 22, 5, 10);      // autocar: precio sin neumáticos menos valor residual
  activo(11, 12, 13, 12, 15, 20);  // equipos auxiliares
  return Redondear(suma, 2);
}

std::optional<double> CosteFinanciacion(const Valores& v) {
  double suma = 0;
  auto activo = [&](int modo, int capital, int vida, int anos, int interes) {
    if (!v.F1[modo].EsSi()) return;
    const Cifra k = N(v.F1[capital]), vd = N(v.F1[vida]);
    if (!k.Vale() || !vd.Vale() || *k <= 0 || *vd <= 0) return;
    const Cifra x = InteresesAnuales(k, N(v.F1[interes]), N(v.F1[anos]), vd);
    if (x.Vale()) suma += *x;
  };
  activo(1, 7, 3, 8, 9);
  activo(11, 17, 13, 18, 19);
  return Redondear(suma, 2);
}

std::optional<double> CosteCombustible(const Valores& v) {
  // La devolución del gasóleo profesional se aplica como mucho a 50000 litros al año.
  const double litros = (N(v.V[7]) * N(v.C[9]) / Cifra(100.0)).O0();
  const Cifra neto = N(v.V[6]), devolucion = N(v.V[20]);
  Cifra c = litros >= 50000
                ? Red(Cifra(litros - 50000) * neto + Cifra(50000.0) * (neto - devolucion), 2)
                : Red(Cifra(litros) * (neto - devolucion), 2);
  if (!c.Vale()) return std::nullopt;
  if (*c < 0) c = Cifra(0.0);
  return Redondear(*c, 2);
}

std::optional<double> CosteNeumaticos(const Valores& v) {
  const Cifra porKm = N(v.V[8]) * N(v.V[9]) / N(v.V[10]) + N(v.V[11]) * N(v.V[12]) / N(v.V[13]) +
                      N(v.V[14]) * N(v.V[15]) / N(v.V[16]);
  return Red(Cifra(porKm.O0()) * N(v.C[9]), 2).Opcional();
}

void Calculo::MostrarColumna(Columna col) {
  Valores& v = Registro(col);
  // Guarda el resultado de un paso; si el paso falla, vale lo que el campo ya tenía.
  auto poner = [&](int k, Cifra x) -> Cifra {
    if (!x.Vale()) return N(v.R[k]);
    v.R[k] = Valor(*x);
    return x;
  };
  std::array<Cifra, 50> r;

  r[1] = poner(1, CosteAmortizacion(v));
  r[2] = poner(2, CosteFinanciacion(v));
  r[3] = poner(3, N(v.F2[1]));
  r[5] = poner(5, N(v.F2[18]));
  r[6] = poner(6, N(v.F2[28]));
  r[7] = poner(7, CosteCombustible(v));
  r[19] = poner(19, N(v.V[21]));
  r[8] = poner(8, CosteNeumaticos(v));
  r[9] = poner(9, N(v.V[18]));
  r[4] = poner(4, N(v.F2[8]));
  r[10] = poner(10, N(v.V[19]));
  pantalla_->FilasIndirectasVisibles(col, v.I[1].EsSi());
  r[11] = poner(11, N(v.I[2]));
  r[12] = poner(12, N(v.I[3]));
  r[13] = poner(13, N(v.I[4]));
  r[14] = poner(14, r[1] + r[2] + r[3] + r[5] + r[6]);
  r[15] = poner(15, r[7] + r[19] + r[8] + r[9] + r[4] + r[10]);
  r[16] = poner(16, r[14] + r[15]);
  r[17] = poner(17, N(v.I[5]));
  r[18] = poner(18, r[16] + r[17]);

  // Con el total a cero la división falla y cada porcentaje conserva lo que tenía.
  static constexpr int kPorcentajes[][2] = {{38, 18}, {36, 16}, {34, 14}, {21, 1},  {22, 2},
                                            {23, 3},  {25, 5},  {26, 6},  {35, 15}, {27, 7},
                                            {39, 19}, {28, 8},  {29, 9},  {24, 4},  {30, 10},
                                            {37, 17}, {31, 11}, {32, 12}, {33, 13}};
  for (const auto& [p, a] : kPorcentajes)
    poner(p, Red(Cifra(100.0) * r[a] / r[18], Decimales(R, p)));

  r[49] = poner(49, N(v.C[23]));
  if (r[49].Vale()) poner(40, *r[49] == 0 ? Cifra(0.0) : Red(r[18] / r[49], Decimales(R, 40)));
  poner(41, N(v.C[9]));
  r[42] = poner(42, N(v.C[11]));
  poner(43, N(v.C[14]));
  r[44] = poner(44, N(v.C[16]));
  if (r[42].Vale()) {
    const bool cero = *r[42] == 0;
    poner(45, cero ? Cifra(0.0) : Red(r[15] / r[42], Decimales(R, 45)));
    poner(47, cero ? Cifra(0.0) : Red(r[18] / r[42], Decimales(R, 47)));
  }
  if (r[44].Vale()) {
    const bool cero = *r[44] == 0;
    poner(46, cero ? Cifra(0.0) : Red((r[14] + r[17]) / r[44], Decimales(R, 46)));
    poner(48, cero ? Cifra(0.0) : Red(r[18] / r[44], Decimales(R, 48)));
  }
  pantalla_->ResultadosCalculados(col);
}

void Calculo::Actualizar() {
  MostrarColumna(Columna::S);
  MostrarColumna(Columna::O);
}

void Calculo::CosteServicio(int bloque) {
  const int q = 6 * bloque - 4, k = q + 1, h = q + 2, x = q + 3, y = q + 4, z = q + 5;
  Valores& v = ValoresS;
  const Cifra coste = N(v.SS[q]), km = N(v.SS[k]), horas = N(v.SS[h]);
  auto precio = [&](int campo, bool hay, Cifra importe) {
    if (!hay) {
      v.SS[campo].Vaciar();
      posiblesVacios_ = true;
      Mostrar(SS, Columna::S, campo);
      return;
    }
    FijarRedondeado(SS, Columna::S, campo, importe);
  };
  if (km.Vale() && horas.Vale()) {
    precio(x, *km > 0 && *horas > 0, coste + km * N(v.R[45]) + horas * N(v.R[46]));
  }
  if (km.Vale()) precio(y, *km > 0, coste + km * N(v.R[47]));
  if (horas.Vale()) precio(z, *horas > 0, coste + horas * N(v.R[48]));
}

void Calculo::Revisar() {
  Valores& v = ValoresS;
  const Cifra c1 = N(v.R[40]);
  const Cifra ss1 = c1.Vale() && *c1 == 0 ? Cifra(0.0) : Red(c1, Decimales(SS, 1));
  if (ss1.Vale()) {
    v.SS[1] = Valor(*ss1);
    Mostrar(SS, Columna::S, 1);
  }
  // Lo facturado a un servicio no puede pasar del total del año; lo que sobra se pierde.
  auto acotar = [&](int primero, int total) {
    for (int i = primero; i <= 31; i += 6) {
      const Cifra x = N(v.SS[i]), tope = N(v.C[total]);
      if (x.Vale() && tope.Vale() && *x > *tope) v.SS[i] = Valor(0.0);
      Mostrar(SS, Columna::S, i);
    }
  };
  acotar(3, 11);
  acotar(4, 16);
  for (int n = 1; n <= 5; ++n) CosteServicio(n);
}

std::optional<QString> Calculo::Comentario(Columna col) {
  const Valores& v = Registro(col);
  if (v.I[1].EsSi()) return std::nullopt;
  Actualizar();
  const Cifra p = Red(Cifra(100.0) * N(v.I[5]) / N(v.R[16]), 1);
  const QString texto = QStringLiteral("Los  Costes  Indirectos  anuales  representan  el\r\n") +
                        FormatearValor(Valor(p.O0()), 1, true) + QStringLiteral("  %\r\n") +
                        QStringLiteral("de  los  Costes  Directos.");
  pantalla_->ComentarioCambiado(col, texto);
  return texto;
}

}  // namespace dorvelna
