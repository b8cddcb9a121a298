#include "gui/formularios/FabricaFormularios.h"

#include "gui/formularios/frmCaracteristicas.h"
#include "gui/formularios/frmCostesFijos1.h"
#include "gui/formularios/frmCostesFijos2.h"
#include "gui/formularios/frmCostesIndirectos.h"
#include "gui/formularios/frmCostesVariables.h"
#include "gui/formularios/frmResultados.h"
#include "gui/formularios/frmServicio.h"

namespace dorvelna {

FormularioDatos* CrearFormulario(Formulario f, Calculo& calculo, EdicionCampos& edicion,
                                 QWidget* padre) {
  switch (f) {
    case Formulario::Caracteristicas: return new frmCaracteristicas(calculo, edicion, padre);
    case Formulario::CostesFijos1: return new frmCostesFijos1(calculo, edicion, padre);
    case Formulario::CostesFijos2: return new frmCostesFijos2(calculo, edicion, padre);
    case Formulario::CostesVariables: return new frmCostesVariables(calculo, edicion, padre);
    case Formulario::CostesIndirectos: return new frmCostesIndirectos(calculo, edicion, padre);
    case Formulario::Resultados: return new frmResultados(calculo, edicion, padre);
    case Formulario::Servicio: return new frmServicio(calculo, edicion, padre);
  }
  return nullptr;
}

}  // namespace dorvelna
