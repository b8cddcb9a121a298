#pragma once

#include <QColor>

namespace dorvelna {

// Colores de los formularios de datos: fondo del marco de cada columna y de sus submarcos, y
// de los campos según sean de entrada o calculados.
namespace Colores {
inline const QColor MarcoS(192, 192, 255);
inline const QColor SubmarcoS(234, 234, 255);
inline const QColor MarcoO(192, 192, 192);
inline const QColor SubmarcoO(224, 224, 224);
QColor Entrada();    // fondo de un campo de entrada
QColor Calculado();  // fondo de un campo calculado o de referencia
}  // namespace Colores

}  // namespace dorvelna
