#include "gui/formularios/frmCostesVariables.h"

#include "gui/campos/CampoTexto.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
// Columnas dentro de los submarcos (twips).
constexpr int kRotulo = 120, kAnchoRotulo = 2700;
constexpr int kPorcentaje = 2880, kAnchoPorcentaje = 780;
constexpr int kCifra = 3840, kAnchoCifra = 1140;
constexpr int kAnchoSubmarco = 5100;
constexpr int kFila = 345;
constexpr int kAltoCampo = 285;
// Neumáticos: número, precio y duración; el precio también es la columna del coste
// kilométrico de las reparaciones.
constexpr int kNumero = 1620, kAnchoNumero = 480;
constexpr int kPrecio = 2280, kAnchoPrecio = 1380;

QFont Negrita(QFont f) {
  f.setBold(true);
  return f;
}
}  // namespace

frmCostesVariables::frmCostesVariables(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::CostesVariables,
                      QStringLiteral("Carburante, Urea, Neumáticos, Reparaciones, ..."), calculo,
                      edicion, padre) {
  Construir(5340, 7000);
}

void frmCostesVariables::ConstruirColumna(QGroupBox* marco, Columna col) {
  const QColor fondo = col == Columna::S ? Colores::SubmarcoS : Colores::SubmarcoO;
  const Qt::Alignment sobreCampo = Qt::AlignHCenter | Qt::AlignBottom;
  QGroupBox* sub = nullptr;
  int y = 0;
  int top = 300;  // del submarco siguiente, dentro de la columna

  auto abrir = [&](const QString& titulo) {
    sub = NuevoMarco(marco, titulo, 120, top, kAnchoSubmarco, 600, fondo);
    y = 300;
  };
  auto cerrar = [&] {
    AjustarAlto(sub);
    top += PixelesATwips(sub->height()) + 120;
  };
  // Rótulo de fila y sus campos (índice y columna en que empieza; el ancho va con la
  // columna). Un rótulo largo ocupa varias líneas y los campos quedan a su altura media.
  auto fila = [&](const QString& rotulo, std::initializer_list<std::pair<int, int>> campos,
                  int anchoRotulo = kAnchoRotulo) {
    QLabel* r = NuevaEtiqueta(sub, rotulo, kRotulo, y, anchoRotulo, kAltoCampo);
    const int alto = PixelesATwips(r->height());
    const int arriba = y + std::max(0, (alto - kAltoCampo) / 2);
    for (const auto& [indice, left] : campos) {
      const int ancho = left == kPorcentaje ? kAnchoPorcentaje
                        : left == kNumero   ? kAnchoNumero
                        : left == kPrecio   ? kAnchoPrecio
                                            : kAnchoCifra;
      NuevoCampo(sub, col, indice, left, arriba, ancho);
    }
    y += std::max(alto + 60, kFila);
  };
  // Encabezados sobre las columnas de campos, alineados por abajo a la misma línea.
  auto encabezados = [&](std::initializer_list<std::pair<QString, std::pair<int, int>>> textos) {
    std::vector<QLabel*> etiquetas;
    int alto = 240;
    for (const auto& [texto, caja] : textos) {
      QLabel* e = NuevaEtiqueta(sub, texto, caja.first, y, caja.second, 240, sobreCampo);
      alto = std::max(alto, PixelesATwips(e->height()));
      etiquetas.push_back(e);
    }
    for (QLabel* e : etiquetas)
      e->setGeometry(RectTwips(PixelesATwips(e->x()), y, PixelesATwips(e->width()), alto));
    y += alto + 30;
  };

  abrir(QStringLiteral("Carburante"));
  QLabel* precio = NuevaEtiqueta(sub, QStringLiteral("Precio de adquisición"), kRotulo, y,
                                 kAnchoRotulo, 240, Qt::AlignLeft | Qt::AlignBottom);
  precio->setFont(Negrita(precio->font()));
  encabezados({{QStringLiteral("%"), {kPorcentaje, kAnchoPorcentaje}},
               {QStringLiteral("Euros / litro"), {kCifra, kAnchoCifra}}});
  fila(QStringLiteral("Precio del carburante con IVA"), {{1, kCifra}});
  fila(QStringLiteral("Descuento"), {{2, kPorcentaje}, {3, kCifra}});
  fila(QStringLiteral("IVA aplicado al carburante"), {{4, kPorcentaje}, {5, kCifra}});
  fila(QStringLiteral("Precio de adquisición sin IVA"), {{6, kCifra}});
  fila(QStringLiteral("Devolución por gasóleo profesional en el carburante adquirido en España"),
       {{20, kCifra}}, kAnchoRotulo + 840);
  y += 60;
  // La unidad es más ancha que el campo: acaba en su borde derecho.
  NuevaEtiqueta(sub, QStringLiteral("litros / 100 km"), kCifra + kAnchoCifra - 1500, y, 1500, 240,
                Qt::AlignRight | Qt::AlignBottom);
  y += 270;
  fila(QStringLiteral("Consumo medio del autocar"), {{7, kCifra}});
  cerrar();

  abrir(QStringLiteral("Disolución de urea"));
  fila(QStringLiteral("Coste anual sin IVA en disolución de urea (Euros)"), {{21, kCifra}},
       kAnchoRotulo + 840);
  cerrar();

  abrir(QStringLiteral("Neumáticos"));
  encabezados(
      {{QStringLiteral("Nº"), {kNumero, kAnchoNumero}},
       {QStringLiteral("Precio sin IVA de un neumático (Euros / unidad)"), {kPrecio, kAnchoPrecio}},
       {QStringLiteral("Duración media (km)"), {kCifra, kAnchoCifra}}});
  fila(QStringLiteral("Direccionales"), {{8, kNumero}, {9, kPrecio}, {10, kCifra}}, 1440);
  fila(QStringLiteral("Motrices"), {{11, kNumero}, {12, kPrecio}, {13, kCifra}}, 1440);
  fila(QStringLiteral("Arrastre"), {{14, kNumero}, {15, kPrecio}, {16, kCifra}}, 1440);
  cerrar();

  abrir(QStringLiteral("Reparaciones y Conservación"));
  encabezados({{QStringLiteral("Coste kilométrico sin IVA (Euros / km)"), {kPrecio, kAnchoPrecio}},
               {QStringLiteral("Coste anual sin IVA (Euros)"), {kCifra, kAnchoCifra}}});
  fila(QStringLiteral("Reparaciones y Conservación"), {{17, kPrecio}, {18, kCifra}}, 2100);
  cerrar();

  abrir(QStringLiteral("Peajes"));
  fila(QStringLiteral("Coste anual sin IVA en peajes (Euros)"), {{19, kCifra}}, kAnchoRotulo + 840);
  cerrar();
}

}  // namespace dorvelna
