#include "gui/archivo/frmNueva.h"

#include <QGroupBox>
#include <QHideEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

#include "gui/comun/Twips.h"

namespace dorvelna {

void CentrarEnVentana(QWidget* dialogo, const QMainWindow* ventana) {
  QWidget* area = ventana->centralWidget();
  int top = (area->height() - dialogo->height()) / 2;
  int left = (area->width() - dialogo->width()) / 2;
  if (top < 1) top = TwipsAPixeles(50);
  if (left < 1) left = TwipsAPixeles(50);
  dialogo->move(area->mapToGlobal(QPoint(left, top)));
}

frmNueva::frmNueva(QMainWindow* ventana) : QDialog(ventana), ventana_(ventana) {
  setObjectName(QStringLiteral("frmNueva"));
  setWindowTitle(QStringLiteral("Tipo de Cálculo"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setFixedSize(TwipsAPixeles(4755), TwipsAPixeles(2715));

  auto* marco = new QGroupBox(this);
  marco->setObjectName(QStringLiteral("Frame1"));
  marco->setGeometry(RectTwips(600, 240, 3555, 1335));
  nueva_ = new QRadioButton(QStringLiteral("Nuevo Cálculo"), marco);
  nueva_->setObjectName(QStringLiteral("opbNueva"));
  nueva_->setGeometry(RectTwips(240, 360, 3135, 375));
  nueva_->setChecked(true);
  grabada_ = new QRadioButton(QStringLiteral("Cálculo previamente grabado"), marco);
  grabada_->setObjectName(QStringLiteral("opbGrabada"));
  grabada_->setGeometry(RectTwips(240, 720, 3135, 375));

  auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  aceptar->setObjectName(QStringLiteral("OKButton"));
  aceptar->setGeometry(RectTwips(840, 2040, 1215, 375));
  aceptar->setDefault(true);
  connect(aceptar, &QPushButton::clicked, this, &frmNueva::Aceptar);
  auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cancelar->setObjectName(QStringLiteral("CancelButton"));
  cancelar->setGeometry(RectTwips(2700, 2040, 1215, 375));
  connect(cancelar, &QPushButton::clicked, this, &QDialog::close);
}

void frmNueva::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  CentrarEnVentana(this, ventana_);
  emit mostrado();
}

void frmNueva::hideEvent(QHideEvent* e) {
  emit ocultado();
  QDialog::hideEvent(e);
}

void frmNueva::Aceptar() {
  const bool grabada = grabada_->isChecked();
  close();
  if (grabada) emit calculoGrabadoPedido();
  else emit calculoNuevoPedido();
}

}  // namespace dorvelna
