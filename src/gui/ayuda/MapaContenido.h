#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace dorvelna {

// Una entrada del índice de contenido de una ayuda (.hhc): su nombre, la página que abre
// (vacía en un capítulo que sólo agrupa) y las entradas que cuelgan de ella.
struct EntradaContenido {
  QString nombre;
  QString pagina;
  std::vector<EntradaContenido> hijas;
};

// Lee el mapa del sitio de un .hhc: listas <UL> anidadas de <OBJECT type="text/sitemap">
// con sus parámetros "Name" y "Local". Lo que no entiende lo salta.
std::vector<EntradaContenido> LeerMapaContenido(const QByteArray& html);

}  // namespace dorvelna
