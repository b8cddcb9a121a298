#include "gui/comun/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace dorvelna {

double TwipsPorPixel() {
  const QScreen* pantalla = QGuiApplication::primaryScreen();
  const double ppp = pantalla ? pantalla->logicalDotsPerInchX() : 96.0;
  return 1440.0 / (ppp > 0 ? ppp : 96.0);
}

int TwipsAPixeles(int twips) { return static_cast<int>(std::lround(twips / TwipsPorPixel())); }

int PixelesATwips(int pixeles) { return static_cast<int>(std::lround(pixeles * TwipsPorPixel())); }

QRect RectTwips(int left, int top, int width, int height) {
  return QRect(TwipsAPixeles(left), TwipsAPixeles(top), TwipsAPixeles(width),
               TwipsAPixeles(height));
}

}  // namespace dorvelna
