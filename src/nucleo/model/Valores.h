#pragma once

#include <QDate>
#include <array>
#include <span>

#include "nucleo/model/Valor.h"

namespace dorvelna {

enum class Grupo { C, F1, F2, V, I, R, SS };
inline constexpr std::array<Grupo, 7> kGrupos = {Grupo::C, Grupo::F1, Grupo::F2, Grupo::V,
                                                 Grupo::I, Grupo::R,  Grupo::SS};
// Grupos en el orden en que los guarda un archivo de cálculo (F2 antes que V; R no se guarda).
inline constexpr std::array<Grupo, 6> kGruposArchivo = {Grupo::C, Grupo::F1, Grupo::F2,
                                                        Grupo::V, Grupo::I,  Grupo::SS};

constexpr int TamanoGrupo(Grupo g) {
  switch (g) {
    case Grupo::C: return 24;
    case Grupo::F1: return 22;
    case Grupo::F2: return 30;
    case Grupo::V: return 21;
    case Grupo::I: return 5;
    case Grupo::R: return 49;
    case Grupo::SS: return 31;
  }
  return 0;
}

const char* CodigoGrupo(Grupo g);

// Un juego completo de valores de un cálculo: siete grupos indexados desde 1 y la fecha.
struct Valores {
  std::array<Valor, 25> C;
  std::array<Valor, 23> F1;
  std::array<Valor, 31> F2;
  std::array<Valor, 22> V;
  std::array<Valor, 6> I;
  std::array<Valor, 50> R;
  std::array<Valor, 32> SS;
  QDate Fecha;  // nula mientras no se ha fijado

  // Los elementos 1..TamanoGrupo(g) del grupo (el 0 no se usa).
  std::span<Valor> Campos(Grupo g) {
    switch (g) {
      case Grupo::C: return C;
      case Grupo::F1: return F1;
      case Grupo::F2: return F2;
      case Grupo::V: return V;
      case Grupo::I: return I;
      case Grupo::R: return R;
      case Grupo::SS: return SS;
    }
    return {};
  }
  std::span<const Valor> Campos(Grupo g) const { return const_cast<Valores*>(this)->Campos(g); }

  Valor& operator()(Grupo g, int i) { return Campos(g)[i]; }
  const Valor& operator()(Grupo g, int i) const { return Campos(g)[i]; }

  friend bool operator==(const Valores&, const Valores&) = default;
};

}  // namespace dorvelna
