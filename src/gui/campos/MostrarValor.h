#pragma once

#include "nucleo/model/Valor.h"

class QWidget;

namespace dorvelna {

// La única manera en que un valor llega a un control: con el formato de sus decimales (Tag,
// -1 en un texto); un cero se ve vacío salvo que se pidan los ceros. Una caja de texto o una
// etiqueta; cualquier otro control queda como estaba.
void MostrarValor(const Valor& valor, QWidget* control, bool mostrarCeros);

}  // namespace dorvelna
