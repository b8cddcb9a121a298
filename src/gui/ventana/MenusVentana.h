#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "gui/ventana/TablaMenus.h"

class QAction;
class QMenuBar;
class QObject;

namespace dorvelna {

// Lo que hace cada entrada, por su nombre: una acción al elegirla, un menú al abrirse.
using Mandatos = QHash<QString, std::function<void()>>;

// Los menús de la ventana, hechos de TablaMenus: mismos nombres, leyendas, atajos,
// separaciones y orden, y sus estados según la situación de la ventana.
class MenusVentana {
public:
  // Las conexiones con los mandatos viven lo que viva contexto.
  MenusVentana(QMenuBar& barra, QObject& contexto, const Mandatos& mandatos);

  void Poner(SituacionMenus situacion) const;
  QAction* Accion(const QString& nombre) const { return acciones_.value(nombre); }

private:
  QHash<QString, QAction*> acciones_;
};

}  // namespace dorvelna
