#pragma once

#include <QString>

#include "nucleo/model/Pantalla.h"

class QWidget;

namespace dorvelna {

// Lo que un lector de pantalla dice de un campo: el rótulo de su fila y su columna
// ("Kilómetros recorridos anualmente, Cálculo Personalizado"). Como descripción Qt ya da
// su ayuda emergente.
void NombrarCampo(QWidget& campo, const QString& rotulo, Columna col);

}  // namespace dorvelna
