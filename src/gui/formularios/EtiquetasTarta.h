#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <utility>

namespace dorvelna {

// Medidas de una tarta: el tamaño del dibujo en píxeles, el círculo en twips y cuántos twips
// mide un píxel.
struct MedidasTarta {
  QSize pixeles;
  double cx, cy, radio;
  double twipsPorPixel;
};

// Dónde queda una etiqueta de porcentaje. `left` y `top` son la esquina (twips, en precisión
// simple) que le toca junto a la mitad de su sector; `caja` es donde va de verdad, en píxeles
// del dibujo. Se mueve si ahí quedaría cortada por el borde o encima de otra; `sobreCirculo`
// dice si el único sitio libre tapa parte del círculo.
struct EtiquetaSituada {
  float left = 0, top = 0;
  QRect caja;
  bool movida = false;
  bool sobreCirculo = false;
};

// Sitúa las doce etiquetas de una tarta sin pintar nada, a partir de los ángulos de inicio y
// fin de cada sector (radianes) y del tamaño de cada etiqueta con su texto (píxeles). Siempre
// da lo mismo para lo mismo.
std::array<EtiquetaSituada, 12> SituarEtiquetas(
    const MedidasTarta& medidas, const std::array<std::pair<double, double>, 12>& sectores,
    const std::array<QSize, 12>& tamanos);

}  // namespace dorvelna
