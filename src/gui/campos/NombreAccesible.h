#pragma once

#include <QString>

#include "nucleo/model/Pantalla.h"

class QWidget;

namespace dorvelna {

// Lo que un lector de pantalla dice de un campo: el rótulo de su fila y su columna
// ("Kilómetros recorridos anualmente, Cálculo Personalizado"). Si la fila tiene varios campos,
// el detalle dice cuál es ("Potencia, kW, Cálculo Personalizado"). Como descripción Qt ya da
// su ayuda emergente.
void NombrarCampo(QWidget& campo, const QString& rotulo, Columna col,
                  const QString& detalle = QString());
// Dentro de una columna, los campos que se llamarían igual (el mismo rótulo en dos marcos)
// llevan además el título del marco de la columna que los contiene ("Otros, Seguros, ...").
void DistinguirNombres(QWidget& columna, Columna col);

}  // namespace dorvelna
