#include "forms/BotonOpcion.h"

#include "forms/FormularioDatos.h"
#include "shell/Globales.h"
#include "shell/VentanaPrincipal.h"

namespace dorvelna {

BotonOpcion::BotonOpcion(FormularioDatos* form, const QString& nombre, int indice,
                         const QString& texto, QWidget* padre)
    : QRadioButton(texto, padre), form_(form), indice_(indice) {
  setObjectName(QStringLiteral("%1(%2)").arg(nombre).arg(indice));
}

void BotonOpcion::focusInEvent(QFocusEvent* e) {
  QRadioButton::focusInEvent(e);
  form_->RecordarActivo(this);
  if (Principal && Principal->FormActual() == form_) {
    Principal->MoverScrollV(form_);
    Principal->MoverScrollH(form_);
  }
}

}  // namespace dorvelna
