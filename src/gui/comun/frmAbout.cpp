#include "gui/comun/frmAbout.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "gui/comun/Dibujos.h"
#include "gui/comun/Identidad.h"
#include "gui/comun/Twips.h"
#include "gui/comun/frmMensaje.h"

namespace dorvelna {

namespace {
QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QRect& sitio) {
  auto* etiqueta = new QLabel(padre);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  etiqueta->setGeometry(sitio);
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  etiqueta->setTextFormat(Qt::PlainText);
  etiqueta->setWordWrap(true);
  return etiqueta;
}
}  // namespace

frmAbout::frmAbout(const Entorno& entorno, QWidget* duena) : QDialog(duena), entorno_(entorno) {
  setObjectName(QStringLiteral("frmAbout"));
  setFixedSize(TwipsAPixeles(6090), TwipsAPixeles(3660));

  picIcono = CrearEtiqueta(this, "picIcono", RectTwips(240, 240, 720, 720));
  picIcono->setPixmap(
      DibujoLogo(std::min(picIcono->width(), picIcono->height()), devicePixelRatioF()));

  lblTitulo = CrearEtiqueta(this, "lblTitulo", RectTwips(1200, 180, 4650, 600));
  // Sin Times New Roman en el sistema vale cualquier letra con remates.
  QFont titular(QStringLiteral("Times New Roman"));
  titular.setStyleHint(QFont::Serif);
  titular.setPointSizeF(20.25);
  titular.setBold(true);
  lblTitulo->setFont(titular);
  lblVersion = CrearEtiqueta(this, "lblVersion", RectTwips(1200, 840, 4650, 285));
  lblDescripcion = CrearEtiqueta(this, "lblDescripcion", RectTwips(1200, 1140, 4650, 480));

  auto* linea = new QFrame(this);
  linea->setObjectName(QStringLiteral("Line1"));
  linea->setFrameShape(QFrame::HLine);
  linea->setFrameShadow(QFrame::Sunken);
  linea->setGeometry(RectTwips(240, 1740, 5610, 60));

  lblAdvertencia = CrearEtiqueta(this, "lblAdvertencia", RectTwips(240, 1920, 4200, 1500));

  cmbAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  cmbAceptar->setObjectName(QStringLiteral("cmbAceptar"));
  cmbAceptar->setGeometry(RectTwips(4635, 3045, 1215, 375));
  cmbAceptar->setDefault(true);
  cmbAceptar->installEventFilter(this);
  connect(cmbAceptar, &QPushButton::clicked, this, &QDialog::accept);

  lblTitulo->setText(TituloPrograma());
  lblVersion->setText(TextoVersion());
  lblDescripcion->setText(DescripcionPrograma());
  lblAdvertencia->setText(ComentariosPrograma());
  setWindowTitle(QStringLiteral("Acerca de ") + TituloPrograma());
}

bool frmAbout::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == cmbAceptar && evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (!tecla->isAutoRepeat() &&
        (tecla->key() == Qt::Key_Control || tecla->key() == Qt::Key_Escape)) {
      MostrarMensaje(TextoCreditos(), QStringLiteral("Autor"), parentWidget(), entorno_);
      return true;
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

// Esc cerraría el diálogo por ser QDialog; aquí no hay botón de cancelar.
void frmAbout::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace dorvelna
