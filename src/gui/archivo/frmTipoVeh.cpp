#include "gui/archivo/frmTipoVeh.h"

#include <QHideEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "gui/archivo/frmNueva.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/Dibujos.h"
#include "gui/comun/Twips.h"
#include "gui/comun/frmMensaje.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna {

namespace {
const char* const kRangos[] = {"Más de 55", "39-55", "26-38", "10 - 25"};
const char* const kArchivos[] = {
    "Autocar Estandar mas 55 plazas.clb", "Autocar Estandar 39 a 55 plazas.clb",
    "Autocar Estandar 26 a 38 plazas.clb", "Autocar Estandar 10 a 25 plazas.clb"};
const QString kSegunda =
    QStringLiteral("\r\n\r\nLos datos del Calibrario deben estar en este subdirectorio.");
}  // namespace

QString frmTipoVeh::ArchivoClase(int k) {
  return QStringLiteral("/Calibrario/") + QString::fromUtf8(kArchivos[k]);
}

frmTipoVeh::frmTipoVeh(Calculo& calculo, const Entorno& entorno, QMainWindow* ventana)
    : QDialog(ventana), calculo_(calculo), entorno_(entorno), ventana_(ventana) {
  setObjectName(QStringLiteral("frmTipoVeh"));
  setWindowTitle(QStringLiteral("Tipo de Autocar"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setFixedSize(TwipsAPixeles(6600), TwipsAPixeles(6300));

  auto* lateral =
      new QLabel(QStringLiteral("Número de plazas del autocar (incluido el conductor)"), this);
  lateral->setGeometry(RectTwips(240, 720, 1500, 5160));
  lateral->setWordWrap(true);
  lateral->setAlignment(Qt::AlignCenter);
  lateral->setFrameShape(QFrame::StyledPanel);
  auto* titulo = new QLabel(QStringLiteral("Tipo de autocar"), this);
  titulo->setGeometry(RectTwips(3240, 240, 3000, 375));
  titulo->setAlignment(Qt::AlignCenter);
  QFont negrita = titulo->font();
  negrita.setBold(true);
  titulo->setFont(negrita);

  for (int k = 0; k < 4; ++k) {
    const int top = 720 + k * 1320;
    auto* rango = new QLabel(QString::fromUtf8(kRangos[k]), this);
    rango->setGeometry(RectTwips(1920, top, 1200, 1200));
    rango->setAlignment(Qt::AlignCenter);
    rango->setFont(negrita);
    auto* boton = new QPushButton(this);
    boton->setObjectName(QStringLiteral("cmbVehiculos(%1)").arg(k));
    boton->setGeometry(RectTwips(3240, top, 3000, 1200));
    const QSize dibujo = boton->size() - QSize(12, 12);
    boton->setIcon(IconoAutocar(k, dibujo, devicePixelRatioF()));
    boton->setIconSize(dibujo);
    boton->setToolTip(QString::fromUtf8(kRangos[k]));
    connect(boton, &QPushButton::clicked, this, [this, k] { ElegirClase(k); });
  }
}

void frmTipoVeh::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  CentrarEnVentana(this, ventana_);
  emit mostrado();
}

void frmTipoVeh::paintEvent(QPaintEvent* e) {
  emit mostrado();
  QDialog::paintEvent(e);
}

void frmTipoVeh::hideEvent(QHideEvent* e) {
  emit ocultado();
  QDialog::hideEvent(e);
}

void frmTipoVeh::ElegirClase(int k) {
  const QString ruta = CarpetaPrograma(entorno_) + ArchivoClase(k);
  const auto fallo = LeerArchivo(calculo_, ruta);
  if (!fallo) {
    close();
    emit calculoAbierto();
    return;
  }
  // Los mensajes, como todos los del programa, salen sobre la ventana principal.
  auto mensaje = [this](const QString& texto) {
    MostrarMensaje(texto, QStringLiteral("Error"), ventana_, entorno_);
  };
  switch (*fallo) {
    case FalloArchivo::NoEncontrado:
      mensaje(QStringLiteral("Archivo no encontrado en el subdirectorio ...\\Calibrario.") +
              kSegunda);
      break;
    case FalloArchivo::CarpetaNoExiste:
      mensaje(QStringLiteral("No existe el subdirectorio ...\\Calibrario.") + kSegunda);
      break;
    default: mensaje(QStringLiteral("Archivo en mal estado."));
  }
}

}  // namespace dorvelna
