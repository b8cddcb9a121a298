#include "gui/comun/frmPreguntaGrabar.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "gui/comun/Dibujos.h"
#include "gui/comun/EtiquetaMensaje.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
QPushButton* CrearBoton(QWidget* padre, const char* nombre, const QString& leyenda, int left) {
  auto* boton = new QPushButton(leyenda, padre);
  boton->setObjectName(QString::fromLatin1(nombre));
  boton->setGeometry(RectTwips(left, 2520, 1005, 375));
  return boton;
}
}  // namespace

frmPreguntaGrabar::frmPreguntaGrabar(bool& cancelado, std::function<void()> grabarArchivo,
                                     QWidget* duena)
    : QDialog(duena), cancelado_(cancelado), grabarArchivo_(std::move(grabarArchivo)) {
  cancelado_ = true;
  setObjectName(QStringLiteral("frmPreguntaGrabar"));
  setWindowTitle(QStringLiteral("Título"));

  picPregunta = new QLabel(this);
  picPregunta->setObjectName(QStringLiteral("picPregunta"));
  picPregunta->setGeometry(RectTwips(2080, 60, 480, 480));
  picPregunta->setAlignment(Qt::AlignCenter);
  picPregunta->setPixmap(DibujoAviso(
      Aviso::Pregunta, std::min(picPregunta->width(), picPregunta->height()), devicePixelRatioF()));

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(RectTwips(240, 600, 4155, 1695));
  lblMensaje = new QLabel(Frame1);
  lblMensaje->setObjectName(QStringLiteral("lblMensaje"));
  lblMensaje->setGeometry(RectTwips(240, 300, 3615, 1155));
  lblMensaje->setTextFormat(Qt::PlainText);
  lblMensaje->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblMensaje->setWordWrap(true);
  lblMensaje->setText(TextoConSaltos(QStringLiteral(
      "Se han modificado los datos.\r\n\r\n¿Quieres guardar los cambios realizados?")));

  cmbSi = CrearBoton(this, "cmbSi", QStringLiteral("Si"), 480);
  cmbNo = CrearBoton(this, "cmbNo", QStringLiteral("No"), 1800);
  cmbCancelar = CrearBoton(this, "cmbCancelar", QStringLiteral("Cancelar"), 3120);
  connect(cmbSi, &QPushButton::clicked, this, &frmPreguntaGrabar::ResponderSi);
  connect(cmbNo, &QPushButton::clicked, this, &frmPreguntaGrabar::ResponderNo);
  connect(cmbCancelar, &QPushButton::clicked, this, &frmPreguntaGrabar::ResponderCancelar);

  setFixedSize(TwipsAPixeles(4635), TwipsAPixeles(3255));
}

// La pregunta se cierra antes de grabar: el diálogo de grabar o el mensaje de grabado se
// abren ya sin ella delante.
void frmPreguntaGrabar::ResponderSi() {
  done(QDialog::Accepted);
  if (grabarArchivo_) grabarArchivo_();
  cancelado_ = false;
}

void frmPreguntaGrabar::ResponderNo() {
  cancelado_ = false;
  done(QDialog::Accepted);
}

void frmPreguntaGrabar::ResponderCancelar() {
  cancelado_ = true;
  reject();
}

bool PreguntarGrabar(bool& cancelado, const QString& titulo,
                     const std::function<void()>& grabarArchivo, QWidget* duena) {
  QPointer<frmPreguntaGrabar> dialogo = new frmPreguntaGrabar(cancelado, grabarArchivo, duena);
  dialogo->setWindowTitle(titulo);
  dialogo->exec();
  delete dialogo.data();
  return cancelado;
}

}  // namespace dorvelna
