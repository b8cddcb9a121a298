#include "gui/formularios/frmCaracteristicas.h"

#include "gui/campos/CampoTexto.h"
#include "gui/campos/NombreAccesible.h"
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
    : FormularioDatos(Formulario::Caracteristicas, calculo, edicion, padre) {
  Construir(5340, 7935);
}

void frmCaracteristicas::ConstruirColumna(QGroupBox* marco, Columna col) {
  const bool S = col == Columna::S;
  const QColor fondo = S ? Colores::SubmarcoS : Colores::SubmarcoO;
  // La columna de referencia no enseña ni las plazas ni el bloque de viajeros.
  auto ocultarEnO = [S](QWidget* w) {
    if (!S) w->hide();
  };
  auto ocultarFilaEnO = [&](const FilaDatos& f) {
    ocultarEnO(f.rotulo);
    for (QWidget* w : f.controles) ocultarEnO(w);
  };
  constexpr PasoFilas kFijas{.minimo = kFila, .medir = false};
  constexpr PasoFilas kMedidas{.separacion = 75, .minimo = kFila};
  auto cifra = [](int i, const QString& detalle = {}) {
    return CampoFila{i, kCifra, kAnchoCifra, nullptr, 0, 0, detalle};
  };
  // Porcentaje, con su "%" detrás, y cifra en la unidad del bloque.
  QString unidad;
  auto ambos = [&](int p, int c) {
    return std::vector<CampoFila>{{p, kPorcentaje, kAnchoPorcentaje, "%", kSimbolo, kAnchoSimbolo,
                                   QStringLiteral("porcentaje")},
                                  cifra(c, unidad)};
  };

  QGroupBox* tecnicas = NuevoMarco(marco, QStringLiteral("Características técnicas del autocar"),
                                   120, 300, kAnchoSubmarco, 3075, fondo);
  int y = 300;
  NuevaFila(tecnicas, col, y, kFijas, QStringLiteral("Descripción"), kRotulo, 1000,
            {{1, 1140, 3840}});
  ocultarFilaEnO(NuevaFila(tecnicas, col, y, kFijas,
                           QStringLiteral("Número de plazas incluido el conductor"), kRotulo,
                           kAnchoRotulo + 1000, {cifra(2)}));
  NuevaFila(tecnicas, col, y, kFijas, QStringLiteral("Longitud (metros)"), kRotulo, kAnchoRotulo,
            {cifra(3)});
  NuevaFila(tecnicas, col, y, kFijas, QStringLiteral("Número de ejes"), kRotulo, kAnchoRotulo,
            {cifra(4)});
  NuevaEtiqueta(tecnicas, QStringLiteral("CV"), kPorcentaje, y, kAnchoPorcentaje + 300, 240,
                Qt::AlignHCenter | Qt::AlignBottom);
  NuevaEtiqueta(tecnicas, QStringLiteral("kW"), kCifra, y, kAnchoCifra, 240,
                Qt::AlignHCenter | Qt::AlignBottom);
  y += 255;
  NuevaFila(tecnicas, col, y, kFijas, QStringLiteral("Potencia"), kRotulo, kAnchoRotulo,
            {{5, kPorcentaje, kAnchoPorcentaje + 300, nullptr, 0, 0, QStringLiteral("CV")},
             cifra(24, QStringLiteral("kW"))});
  NuevaFila(tecnicas, col, y, kFijas, QStringLiteral("Masa Máxima Autorizada (kg)"), kRotulo,
            kAnchoRotulo, {cifra(6)});
  NuevaFila(tecnicas, col, y, kFijas, QStringLiteral("Categoría del autocar"), kRotulo,
            kAnchoRotulo, {{7, kPorcentaje, kCifra + kAnchoCifra - kPorcentaje}});

  AjustarAlto(tecnicas);
  QGroupBox* explotacion =
      NuevoMarco(marco, QStringLiteral("Características de explotación del autocar"), 120,
                 300 + PixelesATwips(tecnicas->height()) + 120, kAnchoSubmarco, 4320, fondo);
  y = 300;
  NuevaFila(explotacion, col, y, kFijas, QStringLiteral("Descripción"), kRotulo, 1000,
            {{8, 1140, 3840}});
  y += 60;

  auto encabezado = [&](const QString& texto, const QString& unidadBloque, bool ocultar) {
    unidad = unidadBloque.toLower();
    QLabel* titulo = NuevaEtiqueta(explotacion, texto, kRotulo, y, kAnchoRotulo);
    PonerNegrita(titulo);
    QLabel* u = NuevaEtiqueta(explotacion, unidadBloque, kCifra, y, kAnchoCifra, 285,
                              Qt::AlignHCenter | Qt::AlignBottom);
    if (ocultar) {
      ocultarEnO(titulo);
      ocultarEnO(u);
    }
    y += kFila - 45;
  };
  auto fila = [&](const QString& rotulo, const std::vector<CampoFila>& campos) {
    return NuevaFila(explotacion, col, y, kMedidas, rotulo, kRotulo, kAnchoRotulo, campos);
  };

  encabezado(QStringLiteral("Kilómetros recorridos:"), QStringLiteral("kilómetros"), false);
  fila(QStringLiteral("Kilómetros recorridos anualmente"), {cifra(9)});
  fila(QStringLiteral("Kilómetros facturados de los recorridos al año"), ambos(10, 11));
  fila(QStringLiteral("Kilómetros no facturados de los recorridos al año"), ambos(12, 13));
  y += 60;
  encabezado(QStringLiteral("Tiempo de actividad:"), QStringLiteral("Horas"), false);
  fila(QStringLiteral("Horas trabajadas anualmente"), {cifra(14)});
  fila(QStringLiteral("Horas facturadas de las trabajadas al año"), ambos(15, 16));
  fila(QStringLiteral("Horas no facturadas de las trabajadas al año"), ambos(17, 18));
  y += 60;
  encabezado(QStringLiteral("Viajeros transportados:"), QStringLiteral("kilómetros"), true);
  ocultarFilaEnO(
      fila(QStringLiteral("Kilómetros con viajeros de los recorridos al año"), ambos(19, 20)));
  unidad = QStringLiteral("viajeros por vehículo");  // la unidad que va bajo la cifra
  ocultarFilaEnO(fila(
      QStringLiteral("Ocupación media de las plazas en los kilómetros recorridos con viajeros"),
      ambos(21, 22)));
  // En una sola línea, alineada a la derecha sobre la cifra.
  QLabel* unidadProduccion =
      NuevaEtiqueta(explotacion, QStringLiteral("viajeros por vehículo"), kCifra - 1200, y - 60,
                    kAnchoCifra + 1200, 240, Qt::AlignRight | Qt::AlignTop);
  unidadProduccion->setWordWrap(false);
  unidadProduccion->resize(unidadProduccion->width(), TwipsAPixeles(240));
  ocultarEnO(unidadProduccion);
  y += 240;
  QLabel* produccion =
      NuevaEtiqueta(explotacion, QStringLiteral("Producción anual (viajeros - kilómetro)"), kRotulo,
                    y, kAnchoRotulo);
  ocultarEnO(produccion);
  CampoTexto* total = NuevoCampo(explotacion, col, 23, kPorcentaje, y, 1500);
  NombrarCampo(*total, produccion->text(), col);
  ocultarEnO(total);
  AjustarAlto(explotacion);
}

}  // namespace dorvelna
