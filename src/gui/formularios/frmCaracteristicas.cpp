#include "gui/formularios/frmCaracteristicas.h"

#include "gui/campos/CampoTexto.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
// Columnas dentro de los submarcos (twips).
constexpr int kRotulo = 120, kAnchoRotulo = 2700;
constexpr int kPorcentaje = 2880, kAnchoPorcentaje = 660;
constexpr int kSimbolo = 3570, kAnchoSimbolo = 240;
constexpr int kCifra = 3840, kAnchoCifra = 1140;
constexpr int kAnchoSubmarco = 5100;
constexpr int kFila = 345;
}  // namespace

frmCaracteristicas::frmCaracteristicas(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::Caracteristicas,
                      QStringLiteral("Características Técnicas y de Explotación"), calculo, edicion,
                      padre) {
  Construir(5340, 7935);
}

void frmCaracteristicas::ConstruirColumna(QGroupBox* marco, Columna col) {
  const bool S = col == Columna::S;
  const QColor fondo = S ? Colores::SubmarcoS : Colores::SubmarcoO;
  // La columna de referencia no enseña ni las plazas ni el bloque de viajeros.
  auto ocultarEnO = [S](QWidget* w) {
    if (!S) w->hide();
  };

  QGroupBox* tecnicas = NuevoMarco(marco, QStringLiteral("Características técnicas del autocar"),
                                   120, 300, kAnchoSubmarco, 3075, fondo);
  int y = 300;
  NuevaEtiqueta(tecnicas, QStringLiteral("Descripción"), kRotulo, y, 1000);
  NuevoCampo(tecnicas, col, 1, 1140, y, 3840);
  y += kFila;
  ocultarEnO(NuevaEtiqueta(tecnicas, QStringLiteral("Número de plazas incluido el conductor"),
                           kRotulo, y, kAnchoRotulo + 1000));
  ocultarEnO(NuevoCampo(tecnicas, col, 2, kCifra, y, kAnchoCifra));
  y += kFila;
  NuevaEtiqueta(tecnicas, QStringLiteral("Longitud (metros)"), kRotulo, y, kAnchoRotulo);
  NuevoCampo(tecnicas, col, 3, kCifra, y, kAnchoCifra);
  y += kFila;
  NuevaEtiqueta(tecnicas, QStringLiteral("Número de ejes"), kRotulo, y, kAnchoRotulo);
  NuevoCampo(tecnicas, col, 4, kCifra, y, kAnchoCifra);
  y += kFila;
  NuevaEtiqueta(tecnicas, QStringLiteral("CV"), kPorcentaje, y, kAnchoPorcentaje + 300, 240,
                Qt::AlignHCenter | Qt::AlignBottom);
  NuevaEtiqueta(tecnicas, QStringLiteral("kW"), kCifra, y, kAnchoCifra, 240,
                Qt::AlignHCenter | Qt::AlignBottom);
  y += 255;
  NuevaEtiqueta(tecnicas, QStringLiteral("Potencia"), kRotulo, y, kAnchoRotulo);
  NuevoCampo(tecnicas, col, 5, kPorcentaje, y, kAnchoPorcentaje + 300);
  NuevoCampo(tecnicas, col, 24, kCifra, y, kAnchoCifra);
  y += kFila;
  NuevaEtiqueta(tecnicas, QStringLiteral("Masa Máxima Autorizada (kg)"), kRotulo, y, kAnchoRotulo);
  NuevoCampo(tecnicas, col, 6, kCifra, y, kAnchoCifra);
  y += kFila;
  NuevaEtiqueta(tecnicas, QStringLiteral("Categoría del autocar"), kRotulo, y, kAnchoRotulo);
  NuevoCampo(tecnicas, col, 7, kPorcentaje, y, kCifra + kAnchoCifra - kPorcentaje);

  AjustarAlto(tecnicas);
  QGroupBox* explotacion =
      NuevoMarco(marco, QStringLiteral("Características de explotación del autocar"), 120,
                 300 + PixelesATwips(tecnicas->height()) + 120, kAnchoSubmarco, 4320, fondo);
  y = 300;
  NuevaEtiqueta(explotacion, QStringLiteral("Descripción"), kRotulo, y, 1000);
  NuevoCampo(explotacion, col, 8, 1140, y, 3840);
  y += kFila + 60;

  auto encabezado = [&](const QString& texto, const QString& unidad, bool ocultar) {
    QLabel* titulo = NuevaEtiqueta(explotacion, texto, kRotulo, y, kAnchoRotulo);
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    QLabel* u = NuevaEtiqueta(explotacion, unidad, kCifra, y, kAnchoCifra, 285,
                              Qt::AlignHCenter | Qt::AlignBottom);
    if (ocultar) {
      ocultarEnO(titulo);
      ocultarEnO(u);
    }
    y += kFila - 45;
  };
  // Fila con porcentaje (y su "%") y cifra; cualquiera de los dos puede faltar (0).
  auto fila = [&](const QString& rotulo, int porcentaje, int cifra, bool ocultar) {
    QLabel* r = NuevaEtiqueta(explotacion, rotulo, kRotulo, y, kAnchoRotulo, 285);
    if (ocultar) ocultarEnO(r);
    const int alto = PixelesATwips(r->height());
    const int top = y + std::max(0, (alto - 285) / 2);
    if (porcentaje) {
      CampoTexto* p = NuevoCampo(explotacion, col, porcentaje, kPorcentaje, top, kAnchoPorcentaje);
      QLabel* s = NuevaEtiqueta(explotacion, QStringLiteral("%"), kSimbolo, top, kAnchoSimbolo);
      if (ocultar) {
        ocultarEnO(p);
        ocultarEnO(s);
      }
    }
    if (cifra) {
      CampoTexto* c = NuevoCampo(explotacion, col, cifra, kCifra, top, kAnchoCifra);
      if (ocultar) ocultarEnO(c);
    }
    y += std::max(alto + 75, kFila);
  };

  encabezado(QStringLiteral("Kilómetros recorridos:"), QStringLiteral("kilómetros"), false);
  fila(QStringLiteral("Kilómetros recorridos anualmente"), 0, 9, false);
  fila(QStringLiteral("Kilómetros facturados de los recorridos al año"), 10, 11, false);
  fila(QStringLiteral("Kilómetros no facturados de los recorridos al año"), 12, 13, false);
  y += 60;
  encabezado(QStringLiteral("Tiempo de actividad:"), QStringLiteral("Horas"), false);
  fila(QStringLiteral("Horas trabajadas anualmente"), 0, 14, false);
  fila(QStringLiteral("Horas facturadas de las trabajadas al año"), 15, 16, false);
  fila(QStringLiteral("Horas no facturadas de las trabajadas al año"), 17, 18, false);
  y += 60;
  encabezado(QStringLiteral("Viajeros transportados:"), QStringLiteral("kilómetros"), true);
  fila(QStringLiteral("Kilómetros con viajeros de los recorridos al año"), 19, 20, true);
  fila(QStringLiteral("Ocupación media de las plazas en los kilómetros recorridos con viajeros"),
       21, 22, true);
  // En una sola línea, alineada a la derecha sobre la cifra.
  QLabel* unidadProduccion =
      NuevaEtiqueta(explotacion, QStringLiteral("viajeros por vehículo"), kCifra - 1200, y - 60,
                    kAnchoCifra + 1200, 240, Qt::AlignRight | Qt::AlignTop);
  unidadProduccion->setWordWrap(false);
  unidadProduccion->resize(unidadProduccion->width(), TwipsAPixeles(240));
  ocultarEnO(unidadProduccion);
  y += 240;
  QLabel* produccion = NuevaEtiqueta(
      explotacion, QStringLiteral("Producción anual (viajeros - kilómetro)"), kRotulo, y,
      kAnchoRotulo);
  ocultarEnO(produccion);
  ocultarEnO(NuevoCampo(explotacion, col, 23, kPorcentaje, y, 1500));
  AjustarAlto(explotacion);
}

}  // namespace dorvelna
