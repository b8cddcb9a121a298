#include "gui/formularios/frmResultados.h"

#include <QKeyEvent>

#include "gui/campos/MostrarValor.h"
#include "gui/comun/Twips.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {

constexpr int kPrimeraFila = 540, kPasoFila = 255;
constexpr int kAltoColumna = 15420;
// Marcos de costes unitarios: alto y color, iguales en las tres columnas.
struct MarcoUnitario {
  int top, alto;
  QColor color;
};
const MarcoUnitario kUnitarios[4] = {{8760, 1380, QColor(255, 224, 192)},
                                     {10260, 2460, QColor(230, 250, 253)},
                                     {12840, 1200, QColor(223, 244, 224)},
                                     {14160, 1200, QColor(243, 251, 227)}};

}  // namespace

frmResultados::frmResultados(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::Resultados, calculo, edicion, padre) {
  const int ancho = 3480;
  const int altoTotal = 420 + kAltoColumna + 180;
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setProperty("Tag", Titulo());
  Frame1->setGeometry(RectTwips(0, 0, 11235, altoTotal));
  PintarFondo(Frame1, palette().color(QPalette::Window));
  ConstruirRotulos();
  FrameS = NuevoMarco(Frame1, TituloColumna(Columna::S), 3900, 420, ancho, kAltoColumna,
                      Colores::MarcoS);
  FrameS->setObjectName(QStringLiteral("FrameS"));
  ConstruirColumna(FrameS, Columna::S);
  FrameO = NuevoMarco(Frame1, TituloColumna(Columna::O), 7500, 420, ancho, kAltoColumna,
                      Colores::MarcoO);
  FrameO->setObjectName(QStringLiteral("FrameO"));
  ConstruirColumna(FrameO, Columna::O);
  IgualarUnitarios();
}

// Los marcos de costes unitarios de las tres columnas van a la par: cada fila toma el alto
// que pida el más lleno de sus tres marcos (nunca menos que el de diseño) y empuja las de
// debajo; las columnas y el formulario crecen con ellas.
void frmResultados::IgualarUnitarios() {
  int top = kUnitarios[0].top;
  for (int k = 0; k < 4; ++k) {
    int alto = kUnitarios[k].alto;
    for (QWidget* marco : unitarios_[k]) alto = std::max(alto, AltoContenido(marco) - 30);
    for (QWidget* marco : unitarios_[k]) {
      marco->setGeometry(
          RectTwips(PixelesATwips(marco->x()), top, PixelesATwips(marco->width()), alto));
    }
    top += alto + 120;
  }
  const int altoColumna = std::max(kAltoColumna, top - 120 + 60);
  for (QWidget* columna : {static_cast<QWidget*>(Frame4), static_cast<QWidget*>(FrameS),
                           static_cast<QWidget*>(FrameO)}) {
    columna->resize(columna->width(), TwipsAPixeles(altoColumna));
  }
  Frame1->resize(Frame1->width(), TwipsAPixeles(420 + altoColumna + 180));
  resize(Frame1->size());
}

void frmResultados::ConstruirRotulos() {
  Frame4 = NuevoMarco(Frame1, QStringLiteral("Costes Anuales"), 180, 420, 3600, kAltoColumna,
                      Colores::SubmarcoO);
  Frame4->setObjectName(QStringLiteral("Frame4"));
  int y = kPrimeraFila;
  for (const FilaResultado& f : FilasResultados()) {
    QLabel* r = NuevaEtiqueta(Frame4, QString::fromUtf8(Campo(Grupo::R, f.importe).significado),
                              120 + 240 * f.nivel, y, 3360 - 240 * f.nivel, 255);
    if (f.nivel < 2) PonerNegrita(r);
    y += kPasoFila;
    if (f.importe == 18) {
      NuevaEtiqueta(Frame4, QStringLiteral("(repercutidos a todos los servicios)"), 360, y, 3120,
                    255);
      y += kPasoFila;
    }
  }
  // Leyenda de las tartas: un cuadro de color y su rótulo por partida.
  for (int i = 0; i < Tarta::kRanuras; ++i) {
    auto* cuadro = new QLabel(Frame4);
    cuadro->setObjectName(QStringLiteral("Colores(%1)").arg(i));
    cuadro->setGeometry(RectTwips(240, 5760 + 240 * i, 255, 255));
    PintarFondo(cuadro, Tarta::ColorRanura(i));
    cuadro->setFrameShape(QFrame::Box);
    colores_[i] = cuadro;
    QLabel* leyenda = NuevaEtiqueta(Frame4, Tarta::Leyenda(i), 600, 5760 + 240 * i, 2880, 255);
    leyenda->setObjectName(QStringLiteral("Leyenda(%1)").arg(i));
    leyenda->setWordWrap(false);
    leyenda->resize(leyenda->width(), TwipsAPixeles(255));
    leyendas_[i] = leyenda;
  }
  const QStringList textos[4] = {
      {QStringLiteral("Costes = C1 * VKm"),
       QStringLiteral("C1 = coste unitario por viajero-kilómetro"),
       QStringLiteral("(costes totales por viajero-kilómetro)"),
       QStringLiteral("VKm = viajeros-kilómetro")},
      {QStringLiteral("Costes = C2 * Km + C3 * H"),
       QStringLiteral("C2 =\tcoste unitario por kilómetro (costes kilómetricos por kilómetro "
                      "facturado)"),
       QStringLiteral("Km = kilómetros facturados"),
       QStringLiteral("C3 =\tcoste unitario por hora (costes temporales e indirectos por hora "
                      "facturada)"),
       QStringLiteral("H = horas facturadas")},
      {QStringLiteral("Costes = C4 * Km"), QStringLiteral("C4 = coste unitario por kilómetro"),
       QStringLiteral("(costes totales por kilómetro facturado)"),
       QStringLiteral("Km = kilómetros facturados")},
      {QStringLiteral("Costes = C5 * H"), QStringLiteral("C5 = coste unitario por hora"),
       QStringLiteral("(costes totales por hora facturada)"),
       QStringLiteral("H = horas facturadas")}};
  const char* titulos[4] = {"Costes por viajero-kilómetro", "Costes por kilómetro y hora",
                            "Costes por kilómetro", "Costes por hora"};
  for (int k = 0; k < 4; ++k) {
    QGroupBox* marco = NuevoMarco(Frame4, QString::fromUtf8(titulos[k]), 120, kUnitarios[k].top,
                                  3360, kUnitarios[k].alto, kUnitarios[k].color);
    unitarios_[k][0] = marco;
    int yy = 240;
    for (const QString& linea : textos[k]) {
      // "C2 =" y "C3 =" van aparte, con su explicación sangrada a la derecha.
      const qsizetype tab = linea.indexOf(QLatin1Char('\t'));
      if (tab > 0)
        NuevaEtiqueta(marco, linea.left(tab), 120, yy, 420, 225, Qt::AlignLeft | Qt::AlignTop);
      QLabel* l = tab > 0 ? NuevaEtiqueta(marco, linea.mid(tab + 1), 540, yy, 2760, 225)
                          : NuevaEtiqueta(marco, linea, 120, yy, 3180, 225);
      yy += PixelesATwips(l->height()) + 15;
    }
  }
}

void frmResultados::ConstruirColumna(QGroupBox* marco, Columna col) {
  const bool S = col == Columna::S;
  auto& etiquetas = S ? lblS_ : lblO_;
  const QString prefijo = S ? QStringLiteral("lblSR") : QStringLiteral("lblOR");
  auto nueva = [&](QWidget* contenedor, int indice, int left, int top, int width) {
    QLabel* l = NuevaEtiqueta(contenedor, QString(), left, top, width, 255,
                              Qt::AlignRight | Qt::AlignVCenter);
    l->setObjectName(QStringLiteral("%1(%2)").arg(prefijo).arg(indice));
    l->setProperty("Tag", QString::number(Decimales(Grupo::R, indice)));
    l->setWordWrap(false);
    etiquetas[indice] = l;
    return l;
  };
  NuevaEtiqueta(marco, QStringLiteral("Euros (€)"), 120, 330, 1920, 255, Qt::AlignCenter);
  NuevaEtiqueta(marco, QStringLiteral("%"), 2160, 330, 1080, 255, Qt::AlignCenter);
  int y = kPrimeraFila;
  for (const FilaResultado& f : FilasResultados()) {
    QLabel* importe = nueva(marco, f.importe, 120, y, 1920);
    QLabel* parte = nueva(marco, f.porcentaje, 2160, y, 1080);
    if (f.nivel < 2) {
      PonerNegrita(importe);
      PonerNegrita(parte);
    }
    y += kPasoFila;
    if (f.importe == 18) y += kPasoFila;
  }

  auto* tarta = new Tarta(S ? QStringLiteral("PictureSR") : QStringLiteral("PictureOR"),
                          S ? QStringLiteral("lblPicS") : QStringLiteral("lblPicO"),
                          S ? Colores::MarcoS : Colores::MarcoO, marco);
  tarta->setGeometry(RectTwips(120, 5700, 3315, 2895));
  (S ? tartaS_ : tartaO_) = tarta;

  // Marcos de costes unitarios, a la altura de sus explicaciones.
  struct Linea {
    const char* rotulo;
    int indice;
    const char* unidad;
  };
  const std::vector<Linea> lineas[4] = {
      {{"Viajeros-Kilometro anuales", 49, ""}, {"C1 = ", 40, "€/viajero-km"}},
      {{"Kilometraje anual", 41, ""},
       {"Kilometraje anual facturado", 42, ""},
       {"Horas anuales", 43, ""},
       {"Horas anuales facturadas", 44, ""},
       {"C2 = ", 45, "€/km"},
       {"C3 = ", 46, "€/hora"}},
      {{"C4 = ", 47, "€/km"}},
      {{"C5 = ", 48, "€/hora"}}};
  for (int k = 0; k < 4; ++k) {
    QGroupBox* caja = NuevoMarco(marco, QString(), 120, kUnitarios[k].top, 3240, kUnitarios[k].alto,
                                 kUnitarios[k].color);
    unitarios_[k][S ? 1 : 2] = caja;
    int yy = 240;
    for (const Linea& l : lineas[k]) {
      const bool coste = QString::fromUtf8(l.rotulo).startsWith(QLatin1Char('C'));
      QLabel* rotulo =
          NuevaEtiqueta(caja, QString::fromUtf8(l.rotulo), 60, yy, coste ? 480 : 3120, 240);
      QLabel* valor = coste ? nueva(caja, l.indice, 540, yy, 1500)
                            : nueva(caja, l.indice, 1560, yy + 240, 1500);
      QLabel* unidad = nullptr;
      if (*l.unidad) unidad = NuevaEtiqueta(caja, QString::fromUtf8(l.unidad), 2100, yy, 1080, 240);
      if (coste) {
        PonerNegrita(valor);
        PonerNegrita(rotulo);
      }
      // La columna de referencia no enseña ni viajeros-kilómetro ni C1.
      if (!S && (l.indice == 49 || l.indice == 40)) {
        rotulo->hide();
        valor->hide();
        if (unidad) unidad->hide();
      }
      yy += coste ? 300 : 510;
    }
  }
}

QLabel* frmResultados::Resultado(Columna col, int indice) const {
  const auto& etiquetas = col == Columna::S ? lblS_ : lblO_;
  auto it = etiquetas.find(indice);
  return it == etiquetas.end() ? nullptr : it->second;
}

void frmResultados::MostrarResultado(Columna col, int indice, const Valor& valor) {
  if (QLabel* l = Resultado(col, indice)) MostrarValor(valor, l, true);
}

void frmResultados::FilasIndirectasVisibles(Columna col, bool visibles) {
  for (int i : {11, 12, 13, 31, 32, 33}) {
    if (QLabel* l = Resultado(col, i)) l->setVisible(visibles);
  }
}

void frmResultados::ResultadosCalculados(Columna col) {
  const Valores& v = Datos().Registro(col);
  for (int i = 1; i <= 49; ++i) {
    if (i != 20) MostrarResultado(col, i, v.R[i]);
  }
  Dibujo(col)->DibujarTarta(v, colores_, leyendas_);
}

void frmResultados::showEvent(QShowEvent* e) {
  FormularioDatos::showEvent(e);
  Datos().Actualizar();
}

// La ventana vuelve a primer plano y el formulario se repinta: los resultados se rehacen.
bool frmResultados::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && isVisible()) Datos().Actualizar();
  return FormularioDatos::event(e);
}

void frmResultados::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_PageDown || e->key() == Qt::Key_PageUp) {
    emit paginaPedida(e->key() == Qt::Key_PageDown ? 34 : 33);
    return;
  }
  FormularioDatos::keyPressEvent(e);
}

}  // namespace dorvelna
