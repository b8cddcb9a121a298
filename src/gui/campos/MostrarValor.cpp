#include "gui/campos/MostrarValor.h"

#include <QLabel>

#include "gui/campos/CampoTexto.h"
#include "nucleo/entrada/Formato.h"

namespace dorvelna {

void MostrarValor(const Valor& valor, QWidget* control, bool mostrarCeros) {
  if (auto* campo = qobject_cast<CampoTexto*>(control)) {
    campo->setText(FormatearValor(valor, campo->Decimales(), mostrarCeros));
  } else if (auto* etiqueta = qobject_cast<QLabel*>(control)) {
    const int decimales = etiqueta->property("Tag").toString().toInt();
    etiqueta->setText(FormatearValor(valor, decimales, mostrarCeros));
  }
}

}  // namespace dorvelna
