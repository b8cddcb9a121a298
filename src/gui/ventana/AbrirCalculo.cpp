#include "gui/ventana/AbrirCalculo.h"

#include "gui/comun/frmMensaje.h"
#include "gui/ventana/Globales.h"
#include "gui/ventana/Recientes.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna {

bool AbrirCalculo(Calculo& calculo, const QString& ruta) {
  if (const auto fallo = LeerArchivo(calculo, ruta)) {
    MostrarMensaje(MensajeFallo(*fallo), QStringLiteral("Error"));
    return false;
  }
  NombreArchivo = ruta;
  AnotarReciente(ruta);
  return true;
}

}  // namespace dorvelna
