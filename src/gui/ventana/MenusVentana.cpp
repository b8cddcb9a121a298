#include "gui/ventana/MenusVentana.h"

#include <QMenu>
#include <QMenuBar>

namespace dorvelna {

MenusVentana::MenusVentana(QMenuBar& barra, QObject& contexto, const Mandatos& mandatos) {
  QHash<QString, QMenu*> menus;
  for (const EntradaMenu& e : TablaMenus()) {
    const QString nombre = QString::fromLatin1(e.nombre);
    const QString leyenda = Leyenda(e);
    QMenu* padre = e.padre ? menus.value(QString::fromLatin1(e.padre)) : nullptr;
    const auto mandato = mandatos.find(nombre);
    QAction* accion = nullptr;
    if (EsSeparador(e)) {
      accion = padre->addSeparator();
    } else if (AbreMenu(e)) {
      QMenu* menu = padre ? padre->addMenu(leyenda) : barra.addMenu(leyenda);
      menu->setObjectName(nombre);
      menus.insert(nombre, menu);
      accion = menu->menuAction();
      if (mandato != mandatos.end())
        QObject::connect(menu, &QMenu::aboutToShow, &contexto, *mandato);
    } else {
      accion = padre->addAction(leyenda);
      if (*e.atajo) accion->setShortcut(QKeySequence(QString::fromLatin1(e.atajo)));
      if (mandato != mandatos.end())
        QObject::connect(accion, &QAction::triggered, &contexto, *mandato);
    }
    accion->setObjectName(nombre);
    acciones_.insert(nombre, accion);
  }
}

void MenusVentana::Poner(SituacionMenus situacion) const {
  for (const EntradaMenu& e : TablaMenus()) {
    if (!EsSeparador(e))
      acciones_.value(QString::fromLatin1(e.nombre))->setEnabled(Habilitada(e, situacion));
  }
}

}  // namespace dorvelna
