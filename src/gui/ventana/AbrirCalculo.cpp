#include "gui/ventana/AbrirCalculo.h"

#include "gui/comun/frmMensaje.h"
#include "gui/ventana/Globales.h"
#include "gui/ventana/VentanaPrincipal.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna {

bool AbrirCalculo(VentanaPrincipal& ventana, const QString& ruta) {
  if (const auto fallo = LeerArchivo(ventana.Datos(), ruta)) {
    MostrarMensaje(MensajeFallo(*fallo), QStringLiteral("Error"));
    return false;
  }
  NombreArchivo = ruta;
  ventana.CargarPatillas();
  return true;
}

}  // namespace dorvelna
