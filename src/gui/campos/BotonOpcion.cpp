#include "gui/campos/BotonOpcion.h"

#include "gui/campos/Colores.h"

namespace dorvelna {

BotonOpcion::BotonOpcion(const QString& nombre, int indice, const QString& texto, QWidget* padre)
    : QRadioButton(texto, padre) {
  setObjectName(QStringLiteral("%1(%2)").arg(nombre).arg(indice));
  // Los de la columna de referencia están apagados como sus campos, y como ellos se leen en
  // negro sobre el gris de lo que no se edita: el rótulo y la marca de la opción elegida.
  QPalette p = palette();
  p.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
  p.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
  p.setColor(QPalette::Disabled, QPalette::Base, Colores::Calculado());
  setPalette(p);
}

void BotonOpcion::focusInEvent(QFocusEvent* e) {
  QRadioButton::focusInEvent(e);
  emit activado();
  emit enfocado();
}

}  // namespace dorvelna
