#include "gui/ventana/AbrirCalculo.h"

#include "gui/comun/frmMensaje.h"
#include "gui/ventana/Recientes.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/EstadoPrograma.h"

namespace dorvelna {

bool AbrirCalculo(EstadoPrograma& estado, const QString& ruta, QWidget* padre,
                  const Entorno& entorno) {
  if (const auto fallo = LeerArchivo(estado.calculo, ruta)) {
    MostrarMensaje(MensajeFallo(*fallo), QStringLiteral("Error"), padre, entorno);
    return false;
  }
  estado.NombreArchivo = ruta;
  AnotarReciente(ruta);
  return true;
}

}  // namespace dorvelna
