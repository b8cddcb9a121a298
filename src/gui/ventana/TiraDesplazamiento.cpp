#include "gui/ventana/TiraDesplazamiento.h"

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>

#include "gui/comun/Aspecto.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
constexpr int kMargenBarra = 80;   // twips entre el borde de la tira y la barra
constexpr int kGrosorBarra = 240;  // twips
}  // namespace

TiraDesplazamiento::TiraDesplazamiento(Qt::Orientation orientacion, const QString& nombre,
                                       const QString& nombreBarra, QWidget* padre)
    : QWidget(padre) {
  setObjectName(nombre);
  PintarFondo(this, QApplication::palette().color(QPalette::Button));
  barra_ = new QScrollBar(orientacion, this);
  barra_->setObjectName(nombreBarra);
  barra_->setRange(0, 5000);
  barra_->setSingleStep(600);
  barra_->setPageStep(5000);
  barra_->setFocusPolicy(Qt::ClickFocus);
  setFocusPolicy(Qt::ClickFocus);
  hide();
}

void TiraDesplazamiento::ColocarBarra(int largo) {
  const int margen = TwipsAPixeles(kMargenBarra), grosor = TwipsAPixeles(kGrosorBarra);
  if (barra_->orientation() == Qt::Vertical) barra_->setGeometry(margen, 0, grosor, largo);
  else barra_->setGeometry(0, margen, largo, grosor);
}

void TiraDesplazamiento::FiltrarCon(QObject* filtro) {
  barra_->installEventFilter(filtro);
  installEventFilter(filtro);
}

void TiraDesplazamiento::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  emit redimensionada(e->oldSize());
}

}  // namespace dorvelna
