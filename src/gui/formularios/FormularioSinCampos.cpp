#include "gui/formularios/FormularioSinCampos.h"

namespace dorvelna {

FormularioSinCampos::FormularioSinCampos(Formulario tipo, const QString& titulo, QWidget* padre)
    : FormularioDatos(tipo, titulo, padre) {
  Construir(5340, 4000, tipo != Formulario::Servicio);
}

}  // namespace dorvelna
