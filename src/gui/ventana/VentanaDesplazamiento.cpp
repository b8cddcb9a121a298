// Desplazamiento del formulario en el área de trabajo: el formulario entero se mueve a
// (180 − valor horizontal, 180 − valor vertical) twips según las dos barras.
#include <QApplication>
#include <QGroupBox>
#include <algorithm>

#include "gui/comun/Twips.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

namespace {
constexpr int kMargen = 180;
constexpr int kDosMargenes = 360;
constexpr int kHolguraV = 220;
constexpr int kHolguraH = 1300;
}  // namespace

QWidget* VentanaPrincipal::ActivoDe(FormularioDatos* form) const {
  if (!form) return nullptr;
  QWidget* foco = QApplication::focusWidget();
  if (foco && form->isAncestorOf(foco)) return foco;
  return form->ControlActivo();
}

// Alto del control + 180 + la suma de los "top" del control y de sus contenedores, sin
// contar el marco exterior que está sobre el formulario.
int VentanaPrincipal::PosicionVertical(QWidget* control) const {
  int y = PixelesATwips(control->height()) + kMargen;
  for (QWidget* w = control; w && !qobject_cast<FormularioDatos*>(w->parentWidget());
       w = w->parentWidget()) {
    y += PixelesATwips(w->y());
  }
  return y;
}

int VentanaPrincipal::PosicionHorizontal(QWidget* control) const {
  int x = kMargen;
  for (QWidget* w = control; w && !qobject_cast<FormularioDatos*>(w->parentWidget());
       w = w->parentWidget()) {
    x += PixelesATwips(w->x());
  }
  return x;
}

void VentanaPrincipal::SituarScrollV(FormularioDatos* objeto) {
  if (!objeto) return;
  const int alto = PixelesATwips(picV_->height());
  vscroll_->setMinimum(0);
  vscroll_->setPageStep(alto - kHolguraV > 0 ? alto - kHolguraV : 1);
  const int altoForm = PixelesATwips(objeto->height());
  vscroll_->setMaximum(altoForm + kDosMargenes > alto ? altoForm + kDosMargenes - alto : 0);
  if (objeto->Tipo() == dorvelna::Formulario::Resultados) {
    vscroll_->setValue(PosicionV);
  } else if (QWidget* activo = ActivoDe(objeto)) {
    const int paso = vscroll_->pageStep();
    const int y = PosicionVertical(activo) / paso * paso;
    vscroll_->setValue(std::min(y, vscroll_->maximum()));
  }
  CambioScrollV();
}

void VentanaPrincipal::SituarScrollH(FormularioDatos* objeto) {
  if (!objeto) return;
  const int anchoH = PixelesATwips(picH_->width());
  const int anchoV = PixelesATwips(picV_->width());
  hscroll_->setMinimum(0);
  const int vista = anchoH - anchoV - kHolguraH;
  hscroll_->setPageStep(vista > 0 ? vista : 1);
  const int necesario = PixelesATwips(objeto->width()) + kDosMargenes + anchoV;
  hscroll_->setMaximum(necesario > anchoH ? necesario - anchoH : 0);
  if (objeto->Tipo() == dorvelna::Formulario::Resultados) {
    hscroll_->setValue(PosicionH);
  } else if (QWidget* activo = ActivoDe(objeto)) {
    const int paso = hscroll_->pageStep();
    const int x = PosicionHorizontal(activo) / paso * paso;
    hscroll_->setValue(std::min(x, hscroll_->maximum()));
  }
  CambioScrollH();
}

void VentanaPrincipal::MoverScrollV(FormularioDatos* objeto) {
  QWidget* activo = ActivoDe(objeto);
  if (!activo) return;
  const int y = PosicionVertical(activo);
  const int valor = vscroll_->value(), paso = vscroll_->pageStep();
  const int alto = PixelesATwips(activo->height());
  if (valor + paso < y) {
    vscroll_->setValue(std::min(y - paso, vscroll_->maximum()));
  } else if (y < valor + alto) {
    vscroll_->setValue(std::max(y - alto - kHolguraV, vscroll_->minimum()));
  }
}

void VentanaPrincipal::MoverScrollH(FormularioDatos* objeto) {
  QWidget* activo = ActivoDe(objeto);
  if (!activo) return;
  const int x = PosicionHorizontal(activo);
  const int valor = hscroll_->value(), paso = hscroll_->pageStep();
  if (valor + paso < x) {
    hscroll_->setValue(std::min(x - paso, hscroll_->maximum()));
  } else if (x < valor) {
    hscroll_->setValue(std::max(x - kHolguraH, hscroll_->minimum()));
  }
}

void VentanaPrincipal::DesplazarScrollV(FormularioDatos*, int nuevoValor) {
  vscroll_->setValue(std::clamp(nuevoValor, vscroll_->minimum(), vscroll_->maximum()));
  if (formActual_ && formActual_->Tipo() == dorvelna::Formulario::Resultados) {
    PosicionV = vscroll_->value();
  }
}

void VentanaPrincipal::DesplazarScrollH(FormularioDatos*, int nuevoValor) {
  hscroll_->setValue(std::clamp(nuevoValor, hscroll_->minimum(), hscroll_->maximum()));
  if (formActual_ && formActual_->Tipo() == dorvelna::Formulario::Resultados) {
    PosicionH = hscroll_->value();
  }
}

void VentanaPrincipal::CambioScrollV() {
  if (formActual_) formActual_->move(formActual_->x(), TwipsAPixeles(kMargen - vscroll_->value()));
}

void VentanaPrincipal::CambioScrollH() {
  if (formActual_) formActual_->move(TwipsAPixeles(kMargen - hscroll_->value()), formActual_->y());
}

void VentanaPrincipal::ReajustarScrollV() {
  SituarScrollV(formActual_);
  DevolverFoco();
}

void VentanaPrincipal::ReajustarScrollH() {
  SituarScrollH(formActual_);
  DevolverFoco();
}

// Las tiras siguen el tamaño de la ventana. Cuando una cambia de tamaño a la vista, sus
// barras se rehacen para el formulario actual, que vuelve a situarse según su control
// activo, y el foco vuelve a ese control. El ancho de la tira vertical cuenta también en
// la vista horizontal.
void VentanaPrincipal::TiraRedimensionada(QWidget* tira, const QSize& anterior) {
  if (!tira->isVisible()) return;
  if (tira == picV_ && tira->height() > 0) {
    ReajustarScrollV();
    if (anterior.width() != tira->width()) ReajustarScrollH();
  } else if (tira == picH_ && tira->width() > 0) {
    ReajustarScrollH();
  }
}

// Rotacion lleva el giro en sus 16 bits altos: negativa cuando la rueda gira hacia el
// usuario, que baja el formulario. Cada giro mueve un paso pequeño, sea cual sea su tamaño.
void VentanaPrincipal::MouseWheel(int rotacion) {
  const int n = rotacion < 0 ? vscroll_->value() + vscroll_->singleStep()
                             : vscroll_->value() - vscroll_->singleStep();
  DesplazarScrollV(formActual_, n);
}

}  // namespace dorvelna
