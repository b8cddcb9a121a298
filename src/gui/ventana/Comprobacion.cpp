#include "gui/ventana/Comprobacion.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include "gui/archivo/frmTipoVeh.h"
#include "gui/comun/Carpetas.h"
#include "gui/ventana/Arranque.h"

namespace dorvelna {

namespace {
const QString kOpcion = QStringLiteral("--comprobar");
}  // namespace

bool PideComprobacion(const QStringList& argumentos) {
  return argumentos.size() >= 2 && argumentos.at(1) == kOpcion;
}

int Comprobar(QApplication& aplicacion) {
  QTextStream salida(stdout);
  const QStringList argumentos = aplicacion.arguments();
  bool numero = true;
  const int clase = argumentos.size() > 2 ? argumentos.at(2).toInt(&numero) : 0;
  if (!numero || clase < 0 || clase > 3) {
    salida << "Uso: dorvelna --comprobar [0-3]\n";
    return 2;
  }

  PrepararAplicacion(aplicacion);
  const Entorno entorno;
  salida << "Carpeta del programa: " << CarpetaPrograma(entorno) << '\n';
  salida << "Carpeta de los cálculos: " << CarpetaCalculos(entorno) << '\n';
  for (const char* ayuda : {"Dorvelna.chm", "Acuerdos.chm"}) {
    const bool esta =
        QFileInfo::exists(CarpetaPrograma(entorno) + QLatin1Char('/') + QLatin1String(ayuda));
    salida << "Ayuda " << ayuda << (esta ? ": está\n" : ": no está\n");
  }

  const auto ventana = AbrirPrograma(entorno, false);
  ventana->MostrarTipoVeh();
  auto* tipo = ventana->findChild<frmTipoVeh*>(QStringLiteral("frmTipoVeh"));
  auto* boton =
      tipo ? tipo->findChild<QPushButton*>(QStringLiteral("cmbVehiculos(%1)").arg(clase)) : nullptr;
  if (!boton) {
    salida << "No se encontró el diálogo \"Tipo de Autocar\".\n";
    return 1;
  }

  // Si la clase no se puede abrir, el programa lo dice con un mensaje modal: se anota su
  // texto y se cierra, para que la comprobación nunca se quede esperando.
  QString aviso;
  QTimer vigia;
  vigia.setInterval(20);
  QObject::connect(&vigia, &QTimer::timeout, [&aviso] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* texto = modal->findChild<QLabel*>(QStringLiteral("lblMensaje"))) {
        aviso = texto->text();
      }
      modal->close();
    }
  });
  vigia.start();
  boton->click();
  vigia.stop();
  QApplication::processEvents();

  if (!ventana->Patillas()->isVisible() || !ventana->FormActual()) {
    salida << "No se pudo abrir la clase " << clase << ": "
           << QString(aviso).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << '\n';
    return 1;
  }
  salida << "Clase abierta: " << ventana->Datos().ValoresS(Grupo::C, 1).TextoPlano() << '\n';
  return 0;
}

}  // namespace dorvelna
