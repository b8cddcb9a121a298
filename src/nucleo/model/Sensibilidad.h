#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Un campo de la columna S que el análisis hace variar.
struct CampoSensible {
  Grupo grupo;
  int indice;
};

// Los trece campos que se hacen variar, en el orden del análisis.
inline constexpr std::array<CampoSensible, 13> kCamposSensibles = {{
    {Grupo::C, 9},
    {Grupo::C, 10},
    {Grupo::C, 14},
    {Grupo::C, 15},
    {Grupo::C, 21},
    {Grupo::F1, 2},
    {Grupo::F1, 9},
    {Grupo::F1, 10},
    {Grupo::F2, 1},
    {Grupo::V, 1},
    {Grupo::V, 7},
    {Grupo::V, 17},
    {Grupo::V, 19},
}};

// Las seis cifras de cada caso, por este orden: coste total anual y costes unitarios C1 a C5.
inline constexpr std::array<int, 6> kResultadosSensibles = {18, 40, 45, 46, 47, 48};
enum CifraSensible { kCostesTotales, kC1, kC2, kC3, kC4, kC5 };

// Variación en %: 0 < P <= 50.
inline constexpr double kVariacionPorOmision = 10;
bool VariacionValida(double p);

// Un cálculo evaluado: el valor con el que entra el campo variado (en la base, 0) y las seis
// cifras de la columna S (NaN si una no es un número).
struct CasoSensibilidad {
  double valor = 0;
  std::array<double, 6> cifras{};

  double CostesTotales() const { return cifras[kCostesTotales]; }
  double C4() const { return cifras[kC4]; }
  double C5() const { return cifras[kC5]; }
};

// Una fila del análisis: el campo, su valor actual y los casos con el valor rebajado y subido.
struct EntradaSensibilidad {
  Grupo grupo;
  int indice;
  QString nombre;  // texto de ayuda del campo en la columna S
  double valor;    // valor actual en S
  CasoSensibilidad menos;
  CasoSensibilidad mas;

  QString Codigo() const;  // "V(1)"
};

struct Sensibilidad {
  double variacion;  // P, en %
  CasoSensibilidad base;
  std::vector<EntradaSensibilidad> entradas;  // sólo los campos incluidos, en su orden
};

// Análisis de sensibilidad de la columna S. Cada caso es exactamente el cálculo que daría
// abrir una copia del archivo del cálculo (lo que se grabaría ahora) en la que sólo cambia ese
// valor de S, puesto a valor × (1 ∓ P/100), redondeado a los decimales del campo y dentro de
// sus límites. La base es la copia sin cambios. Un campo vacío o a cero queda fuera, y también
// F1(2) y F1(9) si el autocar no se compra y F1(10) si se compra.
// El cálculo no se toca ni se avisa a su pantalla: se trabaja sobre copias sin pantalla.
// Nada si la variación no es válida.
std::optional<Sensibilidad> AnalizarSensibilidad(const Calculo& calculo,
                                                 double variacion = kVariacionPorOmision);

}  // namespace dorvelna
