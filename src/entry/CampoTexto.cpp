#include "entry/CampoTexto.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "entry/EdicionCampos.h"
#include "forms/FormularioDatos.h"
#include "model/Catalogo.h"

namespace dorvelna {

CampoTexto::CampoTexto(FormularioDatos* form, Grupo g, Columna col, int indice, QWidget* padre)
    : QLineEdit(padre), form_(form), grupo_(g), columna_(col), indice_(indice) {
  const DefinicionCampo& campo = Campo(g, indice);
  decimales_ = campo.tipo == Tipo::Texto ? -1 : campo.decimales;
  setObjectName(QStringLiteral("Text%1%2(%3)")
                    .arg(col == Columna::S ? QLatin1Char('S') : QLatin1Char('O'))
                    .arg(QString::fromLatin1(CodigoGrupo(g)))
                    .arg(indice));
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

// El foco que se va a un menú o a otra ventana (un mensaje) no es salir del campo.
void CampoTexto::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  form_->RecordarActivo(this);
  if (!enEdicion_ && columna_ == Columna::S) {
    enEdicion_ = true;
    EntrarCampo(this);
  }
}

void CampoTexto::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
  Confirmar();
}

void CampoTexto::Confirmar() {
  if (!enEdicion_) return;
  enEdicion_ = false;
  SalirCampo(this, -1);
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
  const bool caracter = texto.size() == 1 && texto.at(0).isPrint() &&
                        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (!caracter) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  int tecla = texto.at(0).unicode();
  TeclaCampo(this, tecla);
  if (tecla) insert(QString(QChar(tecla)));
}

}  // namespace dorvelna
