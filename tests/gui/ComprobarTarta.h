#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

#include "gui/formularios/Tarta.h"

namespace dorvelna::pruebas {

// Lo que ocupa el texto de una etiqueta de la tarta, medido con su tipo de letra, dentro del
// dibujo.
inline QRect TextoEtiqueta(const QLabel* etiqueta) {
  return QFontMetrics(etiqueta->font())
      .boundingRect(etiqueta->geometry(), static_cast<int>(etiqueta->alignment()),
                    etiqueta->text());
}

// Cada etiqueta de la tarta enseña su texto entero dentro del dibujo y ninguna pisa a otra.
inline void ComprobarEtiquetas(const Tarta& tarta) {
  SCOPED_TRACE(tarta.objectName().toStdString());
  QRect textos[Tarta::kRanuras];
  for (int i = 0; i < Tarta::kRanuras; ++i) {
    const QLabel* e = tarta.Etiqueta(i);
    textos[i] = TextoEtiqueta(e);
    const std::string nombre =
        e->objectName().toStdString() + " \"" + e->text().toStdString() + "\"";
    EXPECT_TRUE(tarta.rect().contains(textos[i])) << nombre << " se sale del dibujo";
    EXPECT_TRUE(e->geometry().contains(textos[i])) << nombre << " no cabe en su etiqueta";
    for (int j = 0; j < i; ++j) {
      EXPECT_FALSE(textos[i].intersects(textos[j]))
          << nombre << " pisa a \"" << tarta.Etiqueta(j)->text().toStdString() << "\"";
    }
  }
}

}  // namespace dorvelna::pruebas
