// Lo que los formularios de datos piden a la ventana principal por sus señales.
#include <QScrollBar>

#include "gui/comun/frmMensaje.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/Rueda.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

void VentanaPrincipal::ConectarFormulario(FormularioDatos* form) {
  connect(form, &FormularioDatos::controlEnfocado, this, [this, form] {
    if (FormActual() != form) return;
    MoverScrollV(form);
    MoverScrollH(form);
  });
  connect(form, &FormularioDatos::campoTecleado, this, [this, form] {
    MoverScrollV(form);
    MoverScrollH(form);
  });
  connect(form, &FormularioDatos::paginaPedida, this,
          [this, form](int tecla) { TeclaNavegacion(tecla, form); });
  connect(form, &FormularioDatos::valorRechazado, this, [this](const QString& mensaje) {
    MostrarMensaje(mensaje, QStringLiteral("Error"), this, entorno_);
  });
}

void VentanaPrincipal::TeclaNavegacion(int tecla, FormularioDatos* form) {
  QScrollBar* barra = vscroll_;
  if (tecla == 34) DesplazarScrollV(form, barra->value() + barra->pageStep());
  else if (tecla == 33) DesplazarScrollV(form, barra->value() - barra->pageStep());
}

void VentanaPrincipal::InstalarRueda(FormularioDatos* form) {
  dorvelna::InstalarRueda(form, this, [this](int rotacion) { MouseWheel(rotacion); });
}

}  // namespace dorvelna
