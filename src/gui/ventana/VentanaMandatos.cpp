// Mandatos de la ventana principal: diálogos de cálculo nuevo, grabar, cerrar, acerca de.
#include "gui/archivo/frmArchivo.h"
#include "gui/archivo/frmNueva.h"
#include "gui/archivo/frmTipoVeh.h"
#include "gui/comun/frmAbout.h"
#include "gui/comun/frmMensaje.h"
#include "gui/comun/frmPreguntaGrabar.h"
#include "gui/ventana/Recientes.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

void VentanaPrincipal::MostrarNueva() {
  auto* dialogo = new frmNueva(this);
  connect(dialogo, &frmNueva::mostrado, this, [this] { PonerMenus(SituacionMenus::DialogoNuevo); });
  connect(dialogo, &frmNueva::ocultado, this, [this] { PonerMenus(SituacionMenus::SinCalculo); });
  connect(dialogo, &frmNueva::calculoNuevoPedido, this, &VentanaPrincipal::MostrarTipoVeh);
  connect(dialogo, &frmNueva::calculoGrabadoPedido, this,
          [this] { AbrirDialogoArchivo(QStringLiteral("abrir")); });
  dialogo->show();
}

void VentanaPrincipal::MostrarTipoVeh() {
  auto* dialogo = new frmTipoVeh(estado_.calculo, entorno_, this);
  connect(dialogo, &frmTipoVeh::mostrado, this,
          [this] { PonerMenus(SituacionMenus::DialogoNuevo); });
  connect(dialogo, &frmTipoVeh::ocultado, this, [this] { PonerMenus(SituacionMenus::SinCalculo); });
  connect(dialogo, &frmTipoVeh::calculoAbierto, this, &VentanaPrincipal::CargarPatillas);
  dialogo->show();
}

void VentanaPrincipal::MostrarAcercaDe() {
  frmAbout acerca(entorno_, this);
  acerca.exec();
}

// Con cambios sin grabar: "Si" graba y sigue sólo si de verdad quedó grabado (si se
// cancela el diálogo de grabar o la grabación falla, el cálculo sigue abierto); "No"
// sigue sin grabar; "Cancelar" o cerrar la pregunta no sigue.
bool VentanaPrincipal::PreguntarAntesDeCerrar(const QString& titulo) {
  bool pidioGrabar = false;
  const bool cancelado = PreguntarGrabar(
      estado_.Cancelado, titulo,
      [this, &pidioGrabar] {
        pidioGrabar = true;
        GrabarArchivo();
      },
      this);
  if (cancelado) return true;
  // "Si" sin que el cálculo quedara grabado (diálogo cancelado o fallo al grabar): no se
  // cierra, para no perder el trabajo.
  if (pidioGrabar && HayCambios()) {
    estado_.Cancelado = true;
    return true;
  }
  return false;
}

void VentanaPrincipal::GrabarArchivo() {
  if (estado_.NombreArchivo.isEmpty()) {
    AbrirDialogoArchivo(QStringLiteral("grabar"));
    return;
  }
  if (const auto fallo = GrabarCalculo(estado_.calculo, estado_.NombreArchivo, entorno_)) {
    MostrarMensaje(MensajeFallo(*fallo), QStringLiteral("Error"), this, entorno_);
  } else {
    AnotarReciente(estado_.NombreArchivo);
    MostrarMensaje(QStringLiteral("El archivo se ha grabado."), QStringLiteral("Grabar"), this,
                   entorno_);
  }
}

// Diálogo de abrir o grabar ("abrir"/"grabar"), modal sobre esta ventana; él mismo abre el
// cálculo o da el aviso de grabado.
void VentanaPrincipal::AbrirDialogoArchivo(const QString& modo) {
  frmArchivo dialogo(estado_, entorno_, this);
  connect(&dialogo, &frmArchivo::calculoAbierto, this, &VentanaPrincipal::CargarPatillas);
  dialogo.PonerTag(modo);
  // El abierto ya lo anota AbrirCalculo.
  if (dialogo.exec() == QDialog::Accepted && modo == QLatin1String("grabar"))
    AnotarReciente(estado_.NombreArchivo);
}

}  // namespace dorvelna
