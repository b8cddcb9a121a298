#include "gui/ventana/Rueda.h"

#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cstdint>

#include "gui/ventana/Globales.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

namespace {

const char* const kNombreGancho = "PrevWndProc";

// El filtro de sucesos hace de procedimiento de ventana sustituido: mira la rueda y deja
// pasar todo, la rueda también, a la ventana enganchada.
class GanchoRueda : public QObject {
public:
  explicit GanchoRueda(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
    setObjectName(QString::fromLatin1(kNombreGancho));
  }

protected:
  bool eventFilter(QObject* objeto, QEvent* e) override {
    if (objeto == ventana_ && e->type() == QEvent::Wheel) {
      ProcesarMensaje(ventana_, *static_cast<QWheelEvent*>(e));
    }
    return false;
  }

private:
  QWidget* ventana_;
};

GanchoRueda* GanchoDe(const QWidget* ventana) {
  if (!ventana) return nullptr;
  auto* gancho =
      ventana->findChild<QObject*>(QString::fromLatin1(kNombreGancho), Qt::FindDirectChildrenOnly);
  return static_cast<GanchoRueda*>(gancho);
}

}  // namespace

void InstalarRueda(QWidget* ventana) {
  // Una ventana lleva un gancho como mucho: otro encima movería dos pasos por giro.
  if (!ventana || GanchoDe(ventana)) return;
  ventana->installEventFilter(new GanchoRueda(ventana));
}

void QuitarRueda(QWidget* ventana) {
  GanchoRueda* gancho = GanchoDe(ventana);
  if (!gancho) return;
  ventana->removeEventFilter(gancho);
  delete gancho;
}

bool TieneRueda(const QWidget* ventana) { return GanchoDe(ventana) != nullptr; }

void ProcesarMensaje(QWidget*, const QWheelEvent& suceso) {
  // Sólo la rueda vertical; un giro nulo (principio o fin de un gesto) no mueve nada.
  int giro = suceso.angleDelta().y();
  if (giro == 0) giro = suceso.pixelDelta().y();
  if (giro == 0 || !Principal) return;
  const QPoint puntero = suceso.globalPosition().toPoint();
  if (PunteroEnVentana(Principal, puntero.x(), puntero.y())) {
    Principal->MouseWheel(ParametroRueda(giro));
  }
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
