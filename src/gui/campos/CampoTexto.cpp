#include "gui/campos/CampoTexto.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include "gui/campos/EdicionCampos.h"
#include "gui/formularios/FormularioDatos.h"
#include "nucleo/model/Catalogo.h"
#include "gui/ventana/Globales.h"
#include "gui/ventana/Portapapeles.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

CampoTexto::CampoTexto(FormularioDatos* form, Grupo g, Columna col, int indice, QWidget* padre)
    : QLineEdit(padre), form_(form), grupo_(g), columna_(col), indice_(indice) {
  const DefinicionCampo& campo = Campo(g, indice);
  decimales_ = campo.tipo == Tipo::Texto ? -1 : campo.decimales;
  // Los servicios sólo tienen columna S y sus cajas se llaman TextSS(i), sin otra letra.
  const QString columna = g == Grupo::SS      ? QString()
                          : col == Columna::S ? QStringLiteral("S")
                                              : QStringLiteral("O");
  setObjectName(
      QStringLiteral("Text%1%2(%3)").arg(columna, QString::fromLatin1(CodigoGrupo(g))).arg(indice));
  setProperty("Tag", QString::number(decimales_));
  if (!EsTexto()) setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // El texto de los campos calculados, grises, se lee en negro.
  QPalette p = palette();
  p.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
  setPalette(p);
  if (col == Columna::S) {
    if (campo.caracteres > 0) setMaxLength(campo.caracteres);
    if (*campo.ayuda) setToolTip(QString::fromUtf8(campo.ayuda));
    PonerAspecto(campo.rol == Rol::Entrada ? Aspecto::Entrada : Aspecto::Calculado);
  } else {
    PonerAspecto(Aspecto::Calculado);
  }
}

void CampoTexto::PonerAspecto(Aspecto aspecto) {
  aspecto_ = aspecto;
  setEnabled(aspecto == Aspecto::Entrada);
  QPalette p = palette();
  const QColor fondo = aspecto == Aspecto::Entrada ? Colores::Entrada() : Colores::Calculado();
  p.setColor(QPalette::Active, QPalette::Base, fondo);
  p.setColor(QPalette::Inactive, QPalette::Base, fondo);
  p.setColor(QPalette::Disabled, QPalette::Base, fondo);
  setPalette(p);
}

namespace {
// El único campo en edición: ValorAnterior es suyo. Si el foco cambia mientras la ventana no
// está activa (tras un mensaje, por ejemplo), el campo no recibe su salida; el que entra
// confirma antes al que seguía en edición, para que nunca se mezclen los valores anteriores.
QPointer<CampoTexto> campoEnEdicion;
}  // namespace

// El foco que se va a un menú o a otra ventana (un mensaje) no es salir del campo.
void CampoTexto::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  form_->RecordarActivo(this);
  if (columna_ != Columna::S) return;
  if (campoEnEdicion && campoEnEdicion != this) campoEnEdicion->Confirmar();
  if (!enEdicion_) {
    enEdicion_ = true;
    campoEnEdicion = this;
    EntrarCampo(this);
  }
  // El formulario a la vista se desplaza hasta dejar el campo a la vista.
  if (Principal && Principal->FormActual() == form_) {
    Principal->MoverScrollV(form_);
    Principal->MoverScrollH(form_);
  }
}

void CampoTexto::focusOutEvent(QFocusEvent* e) {
  // La barra de menús tomada con el teclado (Alt, F10) es como un menú abierto: el campo
  // sigue en edición y conserva su selección, sobre la que actúa "Edición".
  if (e->reason() == Qt::MenuBarFocusReason) {
    QFocusEvent comoMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QLineEdit::focusOutEvent(&comoMenu);
    return;
  }
  QLineEdit::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
  Confirmar();
}

void CampoTexto::Confirmar() {
  if (!enEdicion_) return;
  enEdicion_ = false;
  if (campoEnEdicion == this) campoEnEdicion = nullptr;
  SalirCampo(this, -1);
}

void CampoTexto::Reentrar() {
  if (columna_ != Columna::S) return;
  if (campoEnEdicion && campoEnEdicion != this) campoEnEdicion->Confirmar();
  enEdicion_ = true;
  campoEnEdicion = this;
  EntrarCampo(this);
}

void CampoTexto::keyPressEvent(QKeyEvent* e) {
  if (columna_ != Columna::S) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  switch (e->key()) {
    case Qt::Key_PageUp: TeclaNavegacion(33, form_); return;
    case Qt::Key_PageDown: TeclaNavegacion(34, form_); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      int tecla = 13;
      TeclaCampo(this, tecla);
      return;
    }
    case Qt::Key_Backspace: {
      int tecla = 8;
      TeclaCampo(this, tecla);
      if (tecla) QLineEdit::keyPressEvent(e);
      return;
    }
    default: break;
  }
  const QString texto = e->text();
  const bool caracter =
      texto.size() == 1 && texto.at(0).isPrint() &&
      !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (!caracter) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  int tecla = texto.at(0).unicode();
  TeclaCampo(this, tecla);
  if (tecla) insert(QString(QChar(tecla)));
}

// Cortar, copiar y pegar con el teclado son los del menú "Edición", no los propios de la
// caja: la caja no reclama esas teclas, y si aun así le llegan hace lo mismo que el menú.
bool CampoTexto::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
    if (const auto operacion = EdicionDeTecla(*static_cast<QKeyEvent*>(e))) {
      if (e->type() == QEvent::KeyPress) {
        Editar(*operacion);
        e->accept();
      } else {
        e->ignore();
      }
      return true;
    }
  }
  return QLineEdit::event(e);
}

}  // namespace dorvelna
