#include "gui/ventana/Rueda.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cstdint>

namespace dorvelna {

namespace {

const char* const kNombreGancho = "PrevWndProc";

// El filtro de sucesos hace de procedimiento de ventana sustituido: mira la rueda y deja
// pasar todo, la rueda también. Mira la rueda en toda la aplicación y no sólo en el
// formulario, porque Qt la entrega al control que hay bajo el puntero (una barra, las
// patillas) y no al que tiene el foco: cuenta cada giro una vez, en su primera entrega, que
// es la única espontánea.
class GanchoRueda : public QObject {
public:
  GanchoRueda(QWidget* ventana, const QWidget* principal, GiroRueda girar)
      : QObject(ventana), ventana_(ventana), principal_(principal), girar_(std::move(girar)) {
    setObjectName(QString::fromLatin1(kNombreGancho));
    qApp->installEventFilter(this);
  }
  ~GanchoRueda() override { qApp->removeEventFilter(this); }

protected:
  bool eventFilter(QObject* objeto, QEvent* e) override {
    if (e->type() == QEvent::Wheel && e->spontaneous() && objeto->isWidgetType() &&
        static_cast<QWidget*>(objeto)->window() == ventana_->window()) {
      ProcesarMensaje(principal_, *static_cast<QWheelEvent*>(e), girar_);
    }
    return false;
  }

private:
  QWidget* ventana_;
  QPointer<const QWidget> principal_;
  GiroRueda girar_;
};

GanchoRueda* GanchoDe(const QWidget* ventana) {
  if (!ventana) return nullptr;
  auto* gancho =
      ventana->findChild<QObject*>(QString::fromLatin1(kNombreGancho), Qt::FindDirectChildrenOnly);
  return static_cast<GanchoRueda*>(gancho);
}

}  // namespace

void InstalarRueda(QWidget* ventana, const QWidget* principal, GiroRueda girar) {
  // Una ventana lleva un gancho como mucho: otro encima movería dos pasos por giro.
  if (!ventana || GanchoDe(ventana)) return;
  new GanchoRueda(ventana, principal, std::move(girar));
}

void QuitarRueda(QWidget* ventana) { delete GanchoDe(ventana); }

bool TieneRueda(const QWidget* ventana) { return GanchoDe(ventana) != nullptr; }

void ProcesarMensaje(const QWidget* principal, const QWheelEvent& suceso, const GiroRueda& girar) {
  // Sólo la rueda vertical; un giro nulo (principio o fin de un gesto) no mueve nada.
  int giro = suceso.angleDelta().y();
  if (giro == 0) giro = suceso.pixelDelta().y();
  if (giro == 0 || !principal || !girar) return;
  const QPoint puntero = suceso.globalPosition().toPoint();
  if (PunteroEnVentana(principal, puntero.x(), puntero.y())) girar(ParametroRueda(giro));
}

bool PunteroEnVentana(const QWidget* ventana, int x, int y) {
  if (!ventana) return false;
  // El rectángulo de la ventana en la pantalla, derecha y abajo incluidas.
  const QRect r = ventana->frameGeometry();
  const int izquierda = r.x(), arriba = r.y();
  const int derecha = r.x() + r.width(), abajo = r.y() + r.height();
  return izquierda <= x && x <= derecha && arriba <= y && y <= abajo;
}

int ParametroRueda(int giro) {
  const auto alto =
      static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(giro, -32768, 32767)));
  return static_cast<int>(static_cast<std::uint32_t>(alto) << 16);
}

}  // namespace dorvelna
