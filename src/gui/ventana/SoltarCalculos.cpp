#include "gui/ventana/SoltarCalculos.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace dorvelna {

SoltarCalculos::SoltarCalculos(QWidget& ventana, std::function<bool()> admite,
                               std::function<void(const QString&)> abrir)
    : QObject(&ventana), admite_(std::move(admite)), abrir_(std::move(abrir)) {
  ventana.setAcceptDrops(true);
  ventana.installEventFilter(this);
}

QString SoltarCalculos::CalculoArrastrado(const QMimeData* datos) {
  if (!datos || !datos->hasUrls() || datos->urls().size() != 1) return {};
  const QUrl url = datos->urls().constFirst();
  if (!url.isLocalFile()) return {};
  const QString ruta = url.toLocalFile();
  return ruta.endsWith(QStringLiteral(".dvn"), Qt::CaseInsensitive) ? ruta : QString();
}

bool SoltarCalculos::eventFilter(QObject* objeto, QEvent* e) {
  switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* arrastre = static_cast<QDropEvent*>(e);
      if (admite_() && !CalculoArrastrado(arrastre->mimeData()).isEmpty())
        arrastre->acceptProposedAction();
      else arrastre->ignore();
      return true;
    }
    case QEvent::Drop: {
      auto* soltado = static_cast<QDropEvent*>(e);
      const QString ruta = CalculoArrastrado(soltado->mimeData());
      if (ruta.isEmpty() || !admite_()) {
        soltado->ignore();
        return true;
      }
      soltado->acceptProposedAction();
      // Se abre después de acabar el soltado: la pregunta de grabar no deja esperando al
      // programa del que viene el archivo.
      QMetaObject::invokeMethod(
          this, [this, ruta] { abrir_(ruta); }, Qt::QueuedConnection);
      return true;
    }
    default: return QObject::eventFilter(objeto, e);
  }
}

}  // namespace dorvelna
