#include "gui/campos/Portapapeles.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace dorvelna {

namespace {

QLineEdit* CajaConFoco() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

// Vacía el portapapeles y deja en él el texto seleccionado de la caja, si hay alguno.
void LlevarSeleccion(const QLineEdit& caja) {
  QClipboard* portapapeles = QGuiApplication::clipboard();
  if (!portapapeles) return;
  portapapeles->clear();
  const QString seleccion = caja.selectedText();
  if (!seleccion.isEmpty()) portapapeles->setText(seleccion);
}

}  // namespace

void Cortar() {
  QLineEdit* caja = CajaConFoco();
  if (!caja) return;
  LlevarSeleccion(*caja);
  // Sin selección la caja queda como estaba (insertar borraría el carácter siguiente).
  if (caja->hasSelectedText()) caja->insert(QString());
}

void Copiar() {
  if (QLineEdit* caja = CajaConFoco()) LlevarSeleccion(*caja);
}

// El texto pegado entra tal cual, sin pasar por el filtro de teclas: se lee y se comprueba
// al salir del campo. Sin texto en el portapapeles, la selección desaparece.
void Pegar() {
  QLineEdit* caja = CajaConFoco();
  if (!caja) return;
  const QClipboard* portapapeles = QGuiApplication::clipboard();
  caja->insert(portapapeles ? portapapeles->text() : QString());
}

void Editar(Edicion operacion) {
  switch (operacion) {
    case Edicion::Cortar: Cortar(); break;
    case Edicion::Copiar: Copiar(); break;
    case Edicion::Pegar: Pegar(); break;
  }
}

std::optional<Edicion> EdicionDeTecla(const QKeyEvent& tecla) {
  if (tecla.matches(QKeySequence::Cut)) return Edicion::Cortar;
  if (tecla.matches(QKeySequence::Copy)) return Edicion::Copiar;
  if (tecla.matches(QKeySequence::Paste)) return Edicion::Pegar;
  return std::nullopt;
}

}  // namespace dorvelna
