#pragma once

#include <QString>

namespace dorvelna {

class VentanaPrincipal;

// Abre en la ventana el cálculo grabado en `ruta` como lo hace "Abrir ...": el mismo lector,
// el mismo mensaje si no se puede leer, el nombre del archivo recordado y las patillas a la
// vista. Devuelve si quedó abierto.
bool AbrirCalculo(VentanaPrincipal& ventana, const QString& ruta);

}  // namespace dorvelna
