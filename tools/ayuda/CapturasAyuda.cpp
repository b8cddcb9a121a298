#include "CapturasAyuda.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "gui/archivo/frmNueva.h"
#include "gui/archivo/frmTipoVeh.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/Dibujos.h"
#include "gui/comun/frmMensaje.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/frmSensibilidad.h"
#include "gui/ventana/Arranque.h"
#include "gui/ventana/VentanaPrincipal.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna::ayuda {

namespace {

// La clase de las capturas: la de 39 a 55 plazas, la más corriente.
constexpr int kClaseCapturas = 1;

void Asentar() {
  for (int vuelta = 0; vuelta < 3; ++vuelta) QApplication::processEvents();
}

bool Guardar(QWidget* w, const QDir& carpeta, const QString& nombre, QString& error) {
  Asentar();
  const QString ruta = carpeta.filePath(nombre + QStringLiteral(".png"));
  // Y al doble de resolución, pintada de nuevo (no estirada) para las pantallas que la tienen.
  QPixmap doble = w ? LienzoTransparente(w->size(), 2) : QPixmap();
  if (w) w->render(&doble);
  if (!w || !w->grab().save(ruta, "PNG") || !doble.save(NombreDoble(ruta), "PNG")) {
    error = QStringLiteral("no se pudo capturar «%1»").arg(nombre);
    return false;
  }
  return true;
}

// Dos servicios de ejemplo en el formulario de servicios, como si se hubieran escrito: una
// excursión de un día con 150 euros de gastos propios, 320 km y 8 horas, y un viaje de
// 1.200 km y 20 horas.
void PonerServiciosDeEjemplo(Calculo& calculo) {
  constexpr std::pair<int, double> kEjemplo[] = {{2, 150}, {3, 320}, {4, 8}, {9, 1200}, {10, 20}};
  for (const auto& [indice, valor] : kEjemplo) {
    calculo.ValoresS.SS[indice] = Valor(valor);
    calculo.Vista().MostrarCampo(Grupo::SS, Columna::S, indice, calculo.ValoresS.SS[indice]);
    calculo.Calcular(Formulario::Servicio, Columna::S, indice);
  }
}

}  // namespace

QString HacerCapturas(const QString& carpetaPrograma, const QString& carpetaImagenes) {
  QDir imagenes(carpetaImagenes);
  if (!imagenes.mkpath(QStringLiteral(".")))
    return QStringLiteral("no se puede crear ") + carpetaImagenes;
  Entorno entorno;
  entorno.carpetaPrograma = carpetaPrograma;
  // Ningún mensaje debe quedarse esperando a que alguien lo cierre.
  QStringList mensajes;
  entorno.mensajes = [&mensajes](const QString& texto, const QString&) {
    mensajes << texto;
    return true;
  };

  QString error;
  const auto programa = AbrirPrograma(entorno, false);
  VentanaPrincipal& ventana = *programa;

  auto* nueva = new frmNueva(&ventana);
  nueva->show();
  if (!Guardar(nueva, imagenes, QStringLiteral("nueva"), error)) return error;
  nueva->close();

  ventana.MostrarTipoVeh();
  auto* tipo = ventana.findChild<frmTipoVeh*>(QStringLiteral("frmTipoVeh"));
  if (!Guardar(tipo, imagenes, QStringLiteral("tipoveh"), error)) return error;
  tipo->ElegirClase(kClaseCapturas);
  Asentar();
  if (!mensajes.isEmpty()) return QStringLiteral("al abrir la clase: ") + mensajes.join(' ');
  if (!ventana.FormActual()) return QStringLiteral("la clase no se abrió");

  ventana.resize(1000, 740);
  if (!Guardar(&ventana, imagenes, QStringLiteral("ventana"), error)) return error;

  for (const DatosFormulario& d : Formularios()) {
    ventana.ActivarFormulario(d.formulario);
    if (d.formulario == Formulario::Servicio) PonerServiciosDeEjemplo(ventana.Datos());
    if (!Guardar(ventana.FormActual(), imagenes, QString::fromLatin1(d.nombre), error)) {
      return error;
    }
  }

  ventana.ActivarSensibilidad();
  if (!Guardar(ventana.ObtenerSensibilidad(), imagenes, QStringLiteral("frmSensibilidad"), error)) {
    return error;
  }

  frmMensaje mensaje(&ventana);
  mensaje.Preparar(QStringLiteral("Valor mínimo = 5.000\r\n\r\nValor máximo = 400.000\r\n\r\n"),
                   QStringLiteral("Error"));
  mensaje.show();
  if (!Guardar(&mensaje, imagenes, QStringLiteral("mensaje"), error)) return error;
  mensaje.close();
  return QString();
}

}  // namespace dorvelna::ayuda
