#pragma once

#include <QString>

namespace dorvelna {

class Calculo;

// Lee en `calculo` el cálculo grabado en `ruta` como lo hace "Abrir ...": el mismo lector, el
// mismo mensaje si no se puede leer, el nombre del archivo recordado y anotado entre los
// recientes. Devuelve si quedó leído; la ventana pone entonces sus patillas.
bool AbrirCalculo(Calculo& calculo, const QString& ruta);

}  // namespace dorvelna
