#pragma once

#include <QString>

class QWidget;

namespace dorvelna {

class EstadoPrograma;
struct Entorno;

// Abre el cálculo de `ruta` como "Abrir ...": mismo lector, mismo mensaje si no se puede leer
// (sobre `padre`), y, si se abre, NombreArchivo fijado y la ruta anotada entre los recientes.
bool AbrirCalculo(EstadoPrograma& estado, const QString& ruta, QWidget* padre,
                  const Entorno& entorno);

}  // namespace dorvelna
