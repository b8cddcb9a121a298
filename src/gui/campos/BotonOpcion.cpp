#include "gui/campos/BotonOpcion.h"

namespace dorvelna {

BotonOpcion::BotonOpcion(const QString& nombre, int indice, const QString& texto, QWidget* padre)
    : QRadioButton(texto, padre), indice_(indice) {
  setObjectName(QStringLiteral("%1(%2)").arg(nombre).arg(indice));
}

void BotonOpcion::focusInEvent(QFocusEvent* e) {
  QRadioButton::focusInEvent(e);
  emit activado();
  emit enfocado();
}

}  // namespace dorvelna
