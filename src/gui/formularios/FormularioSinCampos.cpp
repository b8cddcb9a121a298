#include "gui/formularios/FormularioSinCampos.h"

namespace dorvelna {

FormularioSinCampos::FormularioSinCampos(Formulario tipo, const QString& titulo, Calculo& calculo,
                                         EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(tipo, titulo, calculo, edicion, padre) {
  Construir(5340, 4000, tipo != Formulario::Servicio);
}

}  // namespace dorvelna
