#include "gui/campos/CampoTexto.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "gui/campos/Colores.h"
#include "gui/campos/Portapapeles.h"
#include "nucleo/entrada/EdicionCampos.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

CampoTexto::CampoTexto(EdicionCampos& edicion, Formulario form, Grupo g, Columna col, int indice,
                       QWidget* padre)
    : QLineEdit(padre), edicion_(edicion), form_(form), grupo_(g), columna_(col), indice_(indice) {
  const DefinicionCampo& campo = Campo(g, indice);
  decimales_ = campo.decimales;  // -1 en un texto
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
  // Lo que se suelta encima no entra en el campo sin pasar por el filtro de teclas: va a la
  // ventana, que abre un cálculo soltado y rechaza lo demás.
  setAcceptDrops(false);
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

// Un solo campo está en edición: ValorAnterior es suyo. Si el foco cambia mientras la ventana
// no está activa (tras un mensaje, por ejemplo), el campo no recibe su salida; el que entra
// confirma antes al que seguía en edición, para que nunca se mezclen los valores anteriores.
void CampoTexto::Entrar() {
  auto* otro = qobject_cast<CampoTexto*>(edicion_.CajaEnEdicion());
  if (otro && otro != this) otro->Confirmar();
  enEdicion_ = true;
  edicion_.PonerCajaEnEdicion(this);
  MostrarEdicion(edicion_.EntrarCampo(grupo_, indice_));
}

void CampoTexto::MostrarEdicion(const QString& texto) {
  setText(texto);
  setCursorPosition(0);
  deselect();
}

// El foco que se va a un menú o a otra ventana (un mensaje) no es salir del campo.
void CampoTexto::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  emit activado();
  if (columna_ != Columna::S) return;
  if (enEdicion_) {
    auto* otro = qobject_cast<CampoTexto*>(edicion_.CajaEnEdicion());
    if (otro && otro != this) otro->Confirmar();
  } else {
    Entrar();
  }
  emit enfocado();
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
  if (edicion_.CajaEnEdicion() == this) edicion_.PonerCajaEnEdicion(nullptr);
  Salir(false);
}

void CampoTexto::Reentrar() {
  if (columna_ != Columna::S) return;
  Entrar();
}

void CampoTexto::Salir(bool intro) {
  const SalidaCampo salida =
      edicion_.SalirCampo(form_, grupo_, indice_, text(), intro,
                          [this](const QString& anterior) { MostrarEdicion(anterior); });
  if (salida.mensaje) emit valorRechazado(*salida.mensaje);
  if (salida.texto) setText(*salida.texto);
}

bool CampoTexto::Filtrar(QChar tecla) {
  EstadoCampo estado{text(),           cursorPosition(),
                     selectionStart(), static_cast<int>(selectedText().size()),
                     maxLength(),      decimales_};
  const Tecla filtro = edicion_.FiltrarTecla(estado, tecla);
  setText(estado.texto);
  setCursorPosition(estado.cursor);
  if (filtro == Tecla::Escribir) return true;
  QApplication::beep();
  return false;
}

void CampoTexto::keyPressEvent(QKeyEvent* e) {
  if (columna_ != Columna::S) {
    QLineEdit::keyPressEvent(e);
    return;
  }
  switch (e->key()) {
    case Qt::Key_PageUp: emit paginaPedida(33); return;
    case Qt::Key_PageDown: emit paginaPedida(34); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // El campo sigue en edición y enseña el valor admitido (o el que vuelve) sin formato.
      emit tecleado();
      Salir(true);
      MostrarEdicion(edicion_.EntrarCampo(grupo_, indice_));
      return;
    case Qt::Key_Backspace:
      emit tecleado();
      QLineEdit::keyPressEvent(e);
      return;
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
  emit tecleado();
  if (Filtrar(texto.at(0))) insert(QString(texto.at(0)));
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
