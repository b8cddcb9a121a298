#include "gui/ventana/Comprobacion.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTextStream>

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
  // Si la clase no se puede abrir, el programa lo dice con un mensaje: se anota su texto en
  // lugar de abrir el cuadro, para que la comprobación nunca se quede esperando.
  QString aviso;
  Entorno entorno;
  entorno.mensajes = [&aviso](const QString& texto, const QString&) {
    aviso = texto;
    return true;
  };
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

  boton->click();
  QApplication::processEvents();

  if (!ventana->Patillas()->isVisible() || !ventana->FormActual()) {
    salida << "No se pudo abrir la clase " << clase << ": " << aviso.simplified() << '\n';
    return 1;
  }
  salida << "Clase abierta: " << ventana->Datos().ValoresS(Grupo::C, 1).TextoPlano() << '\n';
  return 0;
}

}  // namespace dorvelna
