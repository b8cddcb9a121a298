#include "gui/comun/frmSplash.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <qdrawutil.h>

#include "gui/comun/Dibujos.h"
#include "gui/comun/Identidad.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
QLabel* CrearEtiqueta(QWidget* padre, const char* nombre, const QRect& sitio,
                      Qt::Alignment alineacion) {
  auto* etiqueta = new QLabel(padre);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  etiqueta->setGeometry(sitio);
  etiqueta->setAlignment(alineacion);
  etiqueta->setTextFormat(Qt::PlainText);
  return etiqueta;
}

QFont Letra(const QFont& base, double puntos, bool negrita) {
  QFont letra = base;
  letra.setPointSizeF(puntos);
  letra.setBold(negrita);
  return letra;
}
}  // namespace

frmSplash::frmSplash(QWidget* padre) : QDialog(padre, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(TituloPrograma());
  setFixedSize(TwipsAPixeles(5910), TwipsAPixeles(4335));

  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setFrameShape(QFrame::Box);
  Frame1->setFrameShadow(QFrame::Sunken);
  Frame1->setGeometry(RectTwips(240, 120, 5445, 3975));

  picEscudo = CrearEtiqueta(Frame1, "picEscudo", RectTwips(240, 240, 960, 1140), Qt::AlignCenter);
  picEscudo->setPixmap(DibujoEscudo(picEscudo->size(), devicePixelRatioF()));
  lblOrganismo = CrearEtiqueta(Frame1, "lblOrganismo", RectTwips(1440, 300, 3765, 540),
                               Qt::AlignLeft | Qt::AlignVCenter);
  lblOrganismo->setWordWrap(true);
  lblOrganismo->setFont(Letra(font(), 9.75, true));
  lblDepartamento = CrearEtiqueta(Frame1, "lblDepartamento", RectTwips(1440, 900, 3765, 300),
                                  Qt::AlignLeft | Qt::AlignVCenter);

  picLogo = CrearEtiqueta(Frame1, "picLogo", RectTwips(240, 1680, 1260, 1260), Qt::AlignCenter);
  picLogo->setPixmap(
      DibujoLogo(std::min(picLogo->width(), picLogo->height()), devicePixelRatioF()));
  lblProductName =
      CrearEtiqueta(Frame1, "lblProductName", RectTwips(1680, 1680, 3525, 780), Qt::AlignCenter);
  lblProductName->setFont(Letra(font(), 26, true));
  lblVersion =
      CrearEtiqueta(Frame1, "lblVersion", RectTwips(1680, 2520, 3525, 300), Qt::AlignCenter);
  lblVersion->setFont(Letra(font(), 9.75, false));
  lblDescripcion =
      CrearEtiqueta(Frame1, "lblDescripcion", RectTwips(240, 3240, 4965, 420), Qt::AlignCenter);
  lblDescripcion->setFont(Letra(font(), 9.75, false));

  lblProductName->setText(TituloPrograma());
  lblVersion->setText(TextoVersion());
  lblDescripcion->setText(DescripcionPrograma());
  lblOrganismo->setText(NombreOrganismo());
  lblDepartamento->setText(NombreDepartamento());

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setInterval(kIntervalo);
  connect(Timer1, &QTimer::timeout, this, &QDialog::close);
}

void frmSplash::EstablecerIntervalo(int milisegundos) { Timer1->setInterval(milisegundos); }

// Los 10 segundos cuentan desde que se ve, no desde que se crea.
void frmSplash::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) Timer1->start();
}

// Sin marco de ventana: el borde en relieve lo pinta ella misma.
void frmSplash::paintEvent(QPaintEvent* e) {
  QDialog::paintEvent(e);
  QPainter p(this);
  qDrawWinPanel(&p, rect(), palette(), false);
}

// Las etiquetas y los dibujos no recogen el ratón y el clic sube hasta aquí; childAt dice
// sobre qué se hizo.
bool frmSplash::EsFondo(const QPoint& punto) const {
  if (!rect().contains(punto)) return false;
  const QWidget* debajo = childAt(punto);
  return debajo == nullptr || debajo == Frame1;
}

void frmSplash::mousePressEvent(QMouseEvent* e) {
  pulsadoEnFondo_ = e->button() == Qt::LeftButton && EsFondo(e->position().toPoint());
  e->accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent* e) {
  const bool clic =
      pulsadoEnFondo_ && e->button() == Qt::LeftButton && EsFondo(e->position().toPoint());
  pulsadoEnFondo_ = false;
  e->accept();
  if (clic) close();
}

void MostrarPresentacion() {
  frmSplash presentacion;
  presentacion.exec();
}

}  // namespace dorvelna
