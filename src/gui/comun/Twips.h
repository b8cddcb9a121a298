#pragma once

#include <QRect>

namespace dorvelna {

// Las medidas de ventanas y controles se dan en twips (1440 por pulgada). Aquí, y sólo
// aquí, se pasan a píxeles con los puntos por pulgada lógicos de la pantalla principal.
double TwipsPorPixel();
int TwipsAPixeles(int twips);
int PixelesATwips(int pixeles);
QRect RectTwips(int left, int top, int width, int height);

}  // namespace dorvelna
