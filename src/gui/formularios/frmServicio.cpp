#include "gui/formularios/frmServicio.h"

#include <QApplication>
#include <QEvent>

#include "gui/campos/CampoTexto.h"
#include "gui/campos/NombreAccesible.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
// Geometría (twips) dentro de FrameS, que ocupa todo el ancho del formulario.
constexpr int kAnchoMarco = 10875;
constexpr int kGuion = 120, kAnchoGuion = 180;
constexpr int kRotulo = 360, kAnchoRotulo = 4560;
constexpr int kServicio1 = 5040, kPasoServicio = 1140, kAnchoServicio = 1080;
constexpr int kFila = 345;
constexpr int kAltoCampo = 285;

int ColumnaServicio(int n) { return kServicio1 + (n - 1) * kPasoServicio; }
}  // namespace

frmServicio::frmServicio(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::Servicio, calculo, edicion, padre) {
  Construir(kAnchoMarco, 4800, false);
  PintarFondo(FrameS, Colores::SubmarcoO);
}

void frmServicio::ConstruirColumna(QGroupBox* marco, Columna col) {
  // Caja con borde y texto centrado: los títulos de bloque y los rótulos de facturación.
  auto caja = [&](const QString& texto, int left, int top, int width, int height, bool negrita) {
    QLabel* l = NuevaEtiqueta(marco, texto, left, top, width, height, Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    if (negrita) PonerNegrita(l);
    PintarFondo(l, QColor(255, 255, 255));
    return l;
  };
  auto linea = [&](int top) {
    auto* raya = new QFrame(marco);
    raya->setFrameShape(QFrame::HLine);
    raya->setFrameShadow(QFrame::Sunken);
    raya->setGeometry(RectTwips(120, top, kAnchoMarco - 240, 30));
  };
  const int anchoCaja = kAnchoMarco - 240;

  int y = 300;
  caja(QStringLiteral("COSTE DEL SERVICIO (viajeros-kilómetro)"), 120, y, anchoCaja, 315, true);
  y += 435;
  QLabel* unitario = NuevaEtiqueta(marco, QStringLiteral("Coste unitario por viajero-kilómetro"),
                                   kRotulo, y, kAnchoRotulo, kAltoCampo);
  NombrarCampo(*NuevoCampo(marco, col, 1, ColumnaServicio(1), y, kAnchoServicio), unitario->text(),
               col);
  NuevaEtiqueta(marco, QStringLiteral("€/viajero-km"), ColumnaServicio(2) + 30, y, 1500,
                kAltoCampo);
  y += kFila + 60;
  linea(y);
  y += 150;

  caja(QStringLiteral("COSTE DEL SERVICIO (kilómetros y horas)"), 120, y, anchoCaja, 315, true);
  y += 435;
  for (int n = 1; n <= 5; ++n) {
    QLabel* titulo = NuevaEtiqueta(marco, QStringLiteral("Servicio %1").arg(n), ColumnaServicio(n),
                                   y, kAnchoServicio, 240, Qt::AlignHCenter | Qt::AlignBottom);
    PonerNegrita(titulo);
  }
  y += 300;
  const QString entradas[3] = {
      QStringLiteral("Costes repercutidos únicamente a este servicio (Euros)"),
      QStringLiteral("Kilómetros facturados a este servicio"),
      QStringLiteral("Horas facturadas a este servicio")};
  for (int k = 0; k < 3; ++k) {
    NuevaEtiqueta(marco, QStringLiteral("-"), kGuion, y, kAnchoGuion, kAltoCampo,
                  Qt::AlignHCenter | Qt::AlignVCenter);
    std::vector<CampoFila> campos;
    for (int n = 1; n <= 5; ++n) {
      campos.push_back({6 * n - 4 + k, ColumnaServicio(n), kAnchoServicio, nullptr, 0, 0,
                        QStringLiteral("Servicio %1").arg(n)});
    }
    NuevaFila(marco, col, y, {.separacion = 60, .minimo = kFila}, entradas[k], kRotulo,
              kAnchoRotulo, campos);
  }
  y += 30;
  linea(y);
  y += 120;

  for (int n = 1; n <= 5; ++n) {
    NuevaEtiqueta(marco, QStringLiteral("Euros (€)"), ColumnaServicio(n), y, kAnchoServicio, 240,
                  Qt::AlignHCenter | Qt::AlignBottom);
  }
  y += 270;
  caja(QStringLiteral("COSTE DEL SERVICIO según el tipo de facturación (Euros)"), 120, y, 2640,
       3 * kFila - 60, true);
  const QString facturacion[3] = {QStringLiteral("Kilómetros y horas"),
                                  QStringLiteral("Kilómetros"), QStringLiteral("Horas")};
  for (int k = 0; k < 3; ++k) {
    caja(facturacion[k], 2880, y, 1920, kAltoCampo, false);
    for (int n = 1; n <= 5; ++n) {
      NombrarCampo(*NuevoCampo(marco, col, 6 * n - 1 + k, ColumnaServicio(n), y, kAnchoServicio),
                   facturacion[k], col, QStringLiteral("Servicio %1").arg(n));
    }
    y += kFila;
  }
}

void frmServicio::Revisar() { Datos().Revisar(); }

void frmServicio::Refrescar() {
  Datos().Actualizar();
  Revisar();
}

void frmServicio::showEvent(QShowEvent* e) {
  FormularioDatos::showEvent(e);
  Refrescar();
}

bool frmServicio::event(QEvent* e) {
  // La ventana vuelve a primer plano: el formulario se repinta y se pone al día, salvo
  // mientras un campo está en edición, cuyo texto no se pisa.
  if (e->type() == QEvent::WindowActivate && isVisible()) {
    auto* campo = qobject_cast<CampoTexto*>(QApplication::focusWidget());
    if (!(campo && isAncestorOf(campo) && campo->EnEdicion())) Refrescar();
  }
  return FormularioDatos::event(e);
}

}  // namespace dorvelna
