#pragma once

#include "nucleo/model/Valores.h"

namespace dorvelna {

// Lo que guarda un archivo de cálculo: los campos de entrada y la fecha de las dos columnas.
// Los demás campos de los dos registros no se tocan al leer ni se usan al escribir.
struct ContenidoArchivo {
  Valores S;
  Valores O;
};

}  // namespace dorvelna
