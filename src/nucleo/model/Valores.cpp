#include "nucleo/model/Valores.h"

namespace dorvelna {

const char* CodigoGrupo(Grupo g) {
  switch (g) {
    case Grupo::C: return "C";
    case Grupo::F1: return "F1";
    case Grupo::F2: return "F2";
    case Grupo::V: return "V";
    case Grupo::I: return "I";
    case Grupo::R: return "R";
    case Grupo::SS: return "SS";
  }
  return "";
}

}  // namespace dorvelna
