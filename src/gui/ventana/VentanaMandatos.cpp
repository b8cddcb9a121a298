// Mandatos de la ventana principal: diálogos de cálculo nuevo, grabar, cerrar, acerca de.
#include "gui/archivo/frmArchivo.h"
#include "gui/archivo/frmNueva.h"
#include "gui/archivo/frmTipoVeh.h"
#include "gui/comun/frmAbout.h"
#include "gui/comun/frmMensaje.h"
#include "gui/comun/frmPreguntaGrabar.h"
#include "gui/ventana/Globales.h"
#include "gui/ventana/Recientes.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

void VentanaPrincipal::MostrarNueva() { (new frmNueva(this))->show(); }

void VentanaPrincipal::MostrarTipoVeh() { (new frmTipoVeh(this))->show(); }

void VentanaPrincipal::MostrarAcercaDe() {
  frmAbout acerca(this);
  acerca.exec();
}

// Con cambios sin grabar: "Si" graba y sigue sólo si de verdad quedó grabado (si se
// cancela el diálogo de grabar o la grabación falla, el cálculo sigue abierto); "No"
// sigue sin grabar; "Cancelar" o cerrar la pregunta no sigue.
bool VentanaPrincipal::PreguntarAntesDeCerrar(const QString& titulo) {
  bool pidioGrabar = false;
  const bool cancelado = PreguntarGrabar(titulo, [this, &pidioGrabar] {
    pidioGrabar = true;
    GrabarArchivo();
  });
  if (cancelado) return true;
  // "Si" sin que el cálculo quedara grabado (diálogo cancelado o fallo al grabar): no se
  // cierra, para no perder el trabajo.
  if (pidioGrabar && HayCambios()) {
    Cancelado = true;
    return true;
  }
  return false;
}

void VentanaPrincipal::GrabarArchivo() {
  if (NombreArchivo.isEmpty()) {
    AbrirDialogoArchivo(QStringLiteral("grabar"));
    return;
  }
  if (const auto fallo = GrabarCalculo(calculo_, NombreArchivo)) {
    MostrarMensaje(MensajeFallo(*fallo), QStringLiteral("Error"));
  } else {
    AnotarReciente(NombreArchivo);
    MostrarMensaje(QStringLiteral("El archivo se ha grabado."), QStringLiteral("Grabar"));
  }
}

// Diálogo de abrir o grabar ("abrir"/"grabar"), modal sobre esta ventana; él mismo abre el
// cálculo o da el aviso de grabado.
void VentanaPrincipal::AbrirDialogoArchivo(const QString& modo) {
  frmArchivo dialogo(this);
  dialogo.PonerTag(modo);
  if (dialogo.exec() == QDialog::Accepted) AnotarReciente(NombreArchivo);
}

}  // namespace dorvelna
