#include "gui/formularios/FabricaFormularios.h"

#include "gui/formularios/frmCaracteristicas.h"
#include "gui/formularios/frmCostesFijos1.h"
#include "gui/formularios/frmCostesFijos2.h"
#include "gui/formularios/frmCostesIndirectos.h"
#include "gui/formularios/frmCostesVariables.h"
#include "gui/formularios/frmResultados.h"
#include "gui/formularios/frmServicio.h"

namespace dorvelna {

FormularioDatos* CrearFormulario(Formulario f, QWidget* padre) {
  switch (f) {
    case Formulario::Caracteristicas: return new frmCaracteristicas(padre);
    case Formulario::CostesFijos1: return new frmCostesFijos1(padre);
    case Formulario::CostesFijos2: return new frmCostesFijos2(padre);
    case Formulario::CostesVariables: return new frmCostesVariables(padre);
    case Formulario::CostesIndirectos: return new frmCostesIndirectos(padre);
    case Formulario::Resultados: return new frmResultados(padre);
    case Formulario::Servicio: return new frmServicio(padre);
  }
  return nullptr;
}

}  // namespace dorvelna
