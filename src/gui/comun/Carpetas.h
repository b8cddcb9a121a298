#pragma once

#include <QString>

namespace dorvelna {

struct Entorno;

// Carpeta del programa, donde están el Calibrario y las ayudas: la del entorno si da una; si
// no, la del ejecutable cuando el Calibrario está junto a él (carpeta de construcción o
// desempaquetada), y si tampoco, la carpeta de datos de la instalación.
QString CarpetaPrograma(const Entorno& entorno);

// Carpeta "Cálculos" de los cálculos guardados: junto al programa cuando éste está en una
// carpeta suya en la que se puede escribir (y entonces no se crea: si falta, el diálogo de
// archivo empieza en la carpeta del programa); si no, por ejemplo instalado en el sistema,
// en la carpeta de documentos del usuario, y allí se crea la primera vez que se pide.
QString CarpetaCalculos(const Entorno& entorno);

}  // namespace dorvelna
