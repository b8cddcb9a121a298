#include "gui/ayuda/Ayuda.h"

#include <QWidget>

#include "gui/ayuda/ArchivoChm.h"
#include "gui/ayuda/VentanaAyuda.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/frmMensaje.h"

namespace dorvelna {

namespace {

struct ArchivoDeMandato {
  const char* mandato;
  const char* archivo;  // relativo a la carpeta del programa
  const char* mensaje;  // cuando no se puede abrir
};

constexpr ArchivoDeMandato kArchivos[] = {
    {"mnuHelpContents", "/Dorvelna.chm", "El fichero de ayuda se ha borrado o se ha corrompido."},
    {"mnuAcuerdos", "/Acuerdos.chm",
     "El fichero de los acuerdos se ha borrado o se ha corrompido."},
};

}  // namespace

VentanaAyuda* MostrarAyuda(QWidget* duena, const QString& ruta) {
  std::unique_ptr<ArchivoChm> chm = ArchivoChm::Abrir(ruta);
  // Un archivo que no dice por dónde empezar, o cuya portada no se puede leer entera (un
  // archivo cortado), no se puede mostrar.
  if (!chm || chm->TemaPorDefecto().isEmpty() || !chm->Leer(chm->TemaPorDefecto())) {
    return nullptr;
  }
  VentanaAyuda* ventana = nullptr;
  if (duena) {
    for (VentanaAyuda* abierta : duena->findChildren<VentanaAyuda*>(Qt::FindDirectChildrenOnly)) {
      if (abierta->Ruta() == ruta && abierta->isVisible()) ventana = abierta;
    }
  }
  if (ventana) {
    ventana->CambiarArchivo(std::move(chm));
  } else {
    ventana = new VentanaAyuda(std::move(chm), ruta, duena);
  }
  ventana->MostrarTemaPorDefecto();
  return ventana;
}

void MandatoAyuda(QWidget* duena, const Entorno& entorno, const QString& mandato,
                  QString& ArchivoAyuda) {
  for (const ArchivoDeMandato& a : kArchivos) {
    if (mandato != QLatin1String(a.mandato)) continue;
    ArchivoAyuda = CarpetaPrograma(entorno) + QString::fromUtf8(a.archivo);
    if (!MostrarAyuda(duena, ArchivoAyuda)) {
      MostrarMensaje(QString::fromUtf8(a.mensaje), QStringLiteral("Error"), duena, entorno);
    }
    return;
  }
}

}  // namespace dorvelna
