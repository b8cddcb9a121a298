#include "gui/comun/frmMensaje.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "gui/comun/Dibujos.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/EtiquetaMensaje.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {

QLabel* CrearIcono(QWidget* padre, const char* nombre, Aviso icono, int left) {
  auto* dibujo = new QLabel(padre);
  dibujo->setObjectName(QString::fromLatin1(nombre));
  dibujo->setGeometry(RectTwips(left, 0, 480, 480));
  dibujo->setAlignment(Qt::AlignCenter);
  dibujo->setPixmap(
      DibujoAviso(icono, std::min(dibujo->width(), dibujo->height()), padre->devicePixelRatioF()));
  return dibujo;
}

}  // namespace

frmMensaje::frmMensaje(QWidget* duena) : QDialog(duena) {
  setObjectName(QStringLiteral("frmMensaje"));
  setWindowTitle(QStringLiteral("Título"));

  picAlarma = CrearIcono(this, "picAlarma", Aviso::Error, 0);
  picInformacion = CrearIcono(this, "picInformacion", Aviso::Informacion, 660);

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(RectTwips(180, 480, 4515, 2115));
  lblMensaje = new EtiquetaMensaje(Frame1);
  lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
  lblMensaje->setGeometry(RectTwips(180, 300, 4140, 1635));
  lblMensaje->setText(QStringLiteral("Mensaje"));

  cmbAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  cmbAceptar->setObjectName(QStringLiteral("cmbAceptar"));
  cmbAceptar->setGeometry(RectTwips(1920, 2820, 1065, 375));
  cmbAceptar->setDefault(true);
  connect(cmbAceptar, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(TwipsAPixeles(4875), TwipsAPixeles(3435));
}

void frmMensaje::Preparar(const QString& texto, const QString& titulo) {
  if (!titulo.isEmpty()) {
    setWindowTitle(titulo);
    // Left 2200 deja el icono centrado sobre el marco.
    if (titulo == QLatin1String("Error")) {
      picInformacion->hide();
      picAlarma->move(TwipsAPixeles(2200), picAlarma->y());
    } else if (titulo == QLatin1String("Grabar") || titulo == QLatin1String("Autor")) {
      picAlarma->hide();
      picInformacion->move(TwipsAPixeles(2200), picInformacion->y());
    } else {
      picAlarma->hide();
      picInformacion->hide();
    }
  }
  lblMensaje->setText(TextoConSaltos(texto));
  AjustarAlto();
}

// Los mensajes de error con varias reglas o las rutas largas pasan del alto de diseño: el
// marco y el cuadro crecen hacia abajo lo que haga falta.
void frmMensaje::AjustarAlto() {
  const int extra = lblMensaje->heightForWidth(lblMensaje->width()) - lblMensaje->height();
  if (extra <= 0) return;
  lblMensaje->resize(lblMensaje->width(), lblMensaje->height() + extra);
  Frame1->resize(Frame1->width(), Frame1->height() + extra);
  cmbAceptar->move(cmbAceptar->x(), cmbAceptar->y() + extra);
  setFixedSize(width(), height() + extra);
}

void MostrarMensaje(const QString& texto, const QString& titulo, QWidget* duena,
                    const Entorno& entorno) {
  // Copia: el observador puede cambiarse a sí mismo mientras se le llama.
  const ObservadorMensajes observador = entorno.mensajes;
  if (observador && observador(texto, titulo)) return;
  QPointer<frmMensaje> dialogo = new frmMensaje(duena);
  dialogo->Preparar(texto, titulo);
  dialogo->exec();
  delete dialogo.data();
}

}  // namespace dorvelna
