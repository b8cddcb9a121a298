#include "gui/ventana/Recientes.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace dorvelna {

namespace {

const QString kClave = QStringLiteral("Recientes/Calculos");
const char* const kMarca = "reciente";

// Con organización propia: sin ella Qt guardaría en una carpeta "Unknown Organization".
QSettings Configuracion() {
  return QSettings(QStringLiteral("Dorvelna"), QStringLiteral("Dorvelna"));
}

}  // namespace

QStringList CalculosRecientes() { return Configuracion().value(kClave).toStringList(); }

void AnotarReciente(const QString& ruta) {
  if (ruta.isEmpty()) return;
  QStringList lista = CalculosRecientes();
  lista.removeAll(ruta);
  lista.prepend(ruta);
  Configuracion().setValue(kClave, lista.mid(0, kMaximoRecientes));
}

void QuitarReciente(const QString& ruta) {
  QStringList lista = CalculosRecientes();
  if (lista.removeAll(ruta) > 0) Configuracion().setValue(kClave, lista);
}

void VaciarRecientes() { Configuracion().remove(kClave); }

void LlenarMenuRecientes(QMenu& menu, QAction* separador,
                         const std::function<void(const QString&)>& abrir) {
  for (QAction* accion : menu.actions()) {
    if (accion->property(kMarca).toBool()) delete accion;
  }
  const QStringList lista = CalculosRecientes();
  for (int k = 0; k < lista.size(); ++k) {
    const QString ruta = lista.at(k);
    QString leyenda = QFileInfo(ruta).fileName();
    auto* accion = new QAction(leyenda.replace(QLatin1Char('&'), QStringLiteral("&&")), &menu);
    accion->setObjectName(QStringLiteral("mnuRecientes(%1)").arg(k));
    accion->setStatusTip(QDir::toNativeSeparators(ruta));
    accion->setProperty(kMarca, true);
    QObject::connect(accion, &QAction::triggered, &menu, [abrir, ruta] { abrir(ruta); });
    menu.insertAction(separador, accion);
  }
}

}  // namespace dorvelna
