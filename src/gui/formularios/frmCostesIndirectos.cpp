#include "gui/formularios/frmCostesIndirectos.h"

#include <QEvent>

#include "gui/campos/CampoTexto.h"
#include "gui/campos/NombreAccesible.h"
#include "gui/comun/Twips.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {
// Números de las etiquetas de cada columna: comentario, "Euros" de los importes, "Euros" del
// total, y los cuatro rótulos de fila.
struct Etiquetas {
  int comentario, unidad, unidadTotal;
  int rotulos[4];
};
constexpr Etiquetas kS{6, 5, 7, {1, 2, 3, 4}};
constexpr Etiquetas kO{13, 12, 14, {8, 9, 10, 11}};
constexpr int kCampo = 3960, kAnchoCampo = 1140;
}  // namespace

frmCostesIndirectos::frmCostesIndirectos(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::CostesIndirectos, calculo, edicion, padre) {
  Construir(5340, 3840);
  PintarFondo(FrameS, Colores::SubmarcoS);
  PintarFondo(FrameO, Colores::SubmarcoO);
}

void frmCostesIndirectos::ConstruirColumna(QGroupBox* marco, Columna col) {
  const bool S = col == Columna::S;
  const Etiquetas& n = S ? kS : kO;
  auto etiqueta = [&](int numero, const QString& texto, int left, int top, int width, int height,
                      Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter) {
    QLabel* l = NuevaEtiqueta(marco, texto, left, top, width, height, alineacion);
    l->setObjectName(QStringLiteral("Label%1").arg(numero));
    etiquetas_[numero] = l;
    return l;
  };

  NuevaPareja(marco, Seccion::Indirectos, col, "1", 180, 300, 1500, 780);
  QLabel* comentario = etiqueta(n.comentario, QStringLiteral("Comentario"), 4080, 180, 900, 240);
  comentario->setWordWrap(false);
  comentario->adjustSize();

  etiqueta(n.unidad, QStringLiteral("Euros"), kCampo, 1140, kAnchoCampo, 240,
           Qt::AlignHCenter | Qt::AlignBottom);
  const std::pair<QString, int> filas[] = {
      {QStringLiteral("Coste anual de estructura de empresa (gestión, administración, ...) "
                      "repercutible a este autocar"),
       2},
      {QStringLiteral("Coste anual de comercialización repercutible a este autocar"), 3},
      {QStringLiteral("Otros costes indirectos anuales repercutibles a este autocar"), 4}};
  // Un rótulo de tres líneas empuja las filas de debajo; el campo queda a media altura.
  constexpr PasoFilas kPaso{.separacion = 60, .altoRotulo = 420, .altoMinimo = 420};
  int y = 1410;
  for (int k = 0; k < 3; ++k) {
    QLabel* r = NuevaFila(marco, col, y, kPaso, filas[k].first, 180, 3660,
                          {{filas[k].second, kCampo, kAnchoCampo}})
                    .rotulo;
    r->setObjectName(QStringLiteral("Label%1").arg(n.rotulos[k]));
    etiquetas_[n.rotulos[k]] = r;
  }
  // Bajo el comentario, que en "Total" ocupa el sitio de las tres filas (hasta 2955).
  y = std::max(y + 60, 2970);
  etiqueta(n.unidadTotal, QStringLiteral("Euros"), kCampo, y, kAnchoCampo, 240,
           Qt::AlignHCenter | Qt::AlignBottom);
  y += 270;
  QLabel* total = etiqueta(n.rotulos[3],
                           QStringLiteral("Costes Indirectos anuales repercutibles a este autocar"),
                           180, y, 3660, 420);
  PonerNegrita(total);
  NombrarCampo(*NuevoCampo(marco, col, 5, kCampo, y + 60, kAnchoCampo), total->text(), col);
  etiquetas_[n.unidadTotal]->hide();
  comentario->hide();
}

void frmCostesIndirectos::ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) {
  FormularioDatos::ModoAplicado(sec, col, primeraOpcion);
  const bool S = col == Columna::S;
  const Etiquetas& n = S ? kS : kO;
  QLabel* comentario = etiquetas_[n.comentario];
  auto desglose = [&](bool visible) {
    for (int k = 0; k < 3; ++k) etiquetas_[n.rotulos[k]]->setVisible(visible);
    etiquetas_[n.unidad]->setVisible(visible);
    for (int i : DatosDe(Seccion::Indirectos).primera) Control(col, i)->setVisible(visible);
  };
  if (primeraOpcion) {
    // En la columna O no se vuelve a enseñar nada: cada lectura parte del diseño.
    if (S) {
      comentario->setWordWrap(false);
      comentario->setText(QString());
      comentario->move(TwipsAPixeles(4080), TwipsAPixeles(180));
      comentario->adjustSize();
      desglose(true);
    }
    comentario->hide();
    etiquetas_[n.unidadTotal]->hide();
  } else {
    desglose(false);
    comentario->setWordWrap(true);
    comentario->setGeometry(RectTwips(1200, 1740, 2985, 1215));
    comentario->show();
    etiquetas_[n.unidadTotal]->show();
  }
}

void frmCostesIndirectos::ComentarioCambiado(Columna col, const QString& texto) {
  QLabel* comentario = etiquetas_[col == Columna::S ? kS.comentario : kO.comentario];
  QString lineas = texto;
  comentario->setText(lineas.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmCostesIndirectos::showEvent(QShowEvent* e) {
  FormularioDatos::showEvent(e);
  Datos().Comentario(Columna::S);
}

// La ventana vuelve a primer plano y el formulario se repinta: el comentario se pone al día.
bool frmCostesIndirectos::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && isVisible()) Datos().Comentario(Columna::S);
  return FormularioDatos::event(e);
}

}  // namespace dorvelna
