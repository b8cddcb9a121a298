#include "gui/formularios/frmCostesVariables.h"

#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {
// Columnas dentro de los submarcos (twips).
constexpr int kRotulo = 120, kAnchoRotulo = 2700;
constexpr int kPorcentaje = 2880, kAnchoPorcentaje = 780;
constexpr int kCifra = 3840, kAnchoCifra = 1140;
constexpr int kAnchoSubmarco = 5100;
constexpr int kFila = 345;
// Neumáticos: número, precio y duración; el precio también es la columna del coste
// kilométrico de las reparaciones.
constexpr int kNumero = 1620, kAnchoNumero = 480;
constexpr int kPrecio = 2280, kAnchoPrecio = 1380;
}  // namespace

frmCostesVariables::frmCostesVariables(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::CostesVariables, calculo, edicion, padre) {
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
  // Filas de rótulo y campos; cada campo toma el ancho de su columna.
  constexpr PasoFilas kPaso{.separacion = 60, .minimo = kFila};
  auto fila = [&](const QString& rotulo, const std::vector<CampoFila>& campos,
                  int anchoRotulo = kAnchoRotulo) {
    NuevaFila(sub, col, y, kPaso, rotulo, kRotulo, anchoRotulo, campos);
  };
  // Detrás, para los lectores de pantalla, qué columna es cuando la fila tiene varias.
  auto cifra = [](int i, const char* detalle = "") {
    return CampoFila{i, kCifra, kAnchoCifra, nullptr, 0, 0, QString::fromUtf8(detalle)};
  };
  auto porcentaje = [](int i) {
    return CampoFila{i, kPorcentaje, kAnchoPorcentaje, nullptr, 0, 0, QStringLiteral("%")};
  };
  auto numero = [](int i) {
    return CampoFila{i, kNumero, kAnchoNumero, nullptr, 0, 0, QStringLiteral("número")};
  };
  auto precio = [](int i, const char* detalle) {
    return CampoFila{i, kPrecio, kAnchoPrecio, nullptr, 0, 0, QString::fromUtf8(detalle)};
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
  PonerNegrita(NuevaEtiqueta(sub, QStringLiteral("Precio de adquisición"), kRotulo, y, kAnchoRotulo,
                             240, Qt::AlignLeft | Qt::AlignBottom));
  encabezados({{QStringLiteral("%"), {kPorcentaje, kAnchoPorcentaje}},
               {QStringLiteral("Euros / litro"), {kCifra, kAnchoCifra}}});
  fila(QStringLiteral("Precio del carburante con IVA"), {cifra(1)});
  fila(QStringLiteral("Descuento"), {porcentaje(2), cifra(3, "Euros / litro")});
  fila(QStringLiteral("IVA aplicado al carburante"), {porcentaje(4), cifra(5, "Euros / litro")});
  fila(QStringLiteral("Precio de adquisición sin IVA"), {cifra(6)});
  fila(QStringLiteral("Devolución por gasóleo profesional en el carburante adquirido en España"),
       {cifra(20)}, kAnchoRotulo + 840);
  y += 60;
  // La unidad es más ancha que el campo: acaba en su borde derecho.
  NuevaEtiqueta(sub, QStringLiteral("litros / 100 km"), kCifra + kAnchoCifra - 1500, y, 1500, 240,
                Qt::AlignRight | Qt::AlignBottom);
  y += 270;
  fila(QStringLiteral("Consumo medio del autocar"), {cifra(7)});
  cerrar();

  abrir(QStringLiteral("Disolución de urea"));
  fila(QStringLiteral("Coste anual sin IVA en disolución de urea (Euros)"), {cifra(21)},
       kAnchoRotulo + 840);
  cerrar();

  abrir(QStringLiteral("Neumáticos"));
  encabezados(
      {{QStringLiteral("Nº"), {kNumero, kAnchoNumero}},
       {QStringLiteral("Precio sin IVA de un neumático (Euros / unidad)"), {kPrecio, kAnchoPrecio}},
       {QStringLiteral("Duración media (km)"), {kCifra, kAnchoCifra}}});
  constexpr const char* kUnidad = "precio de un neumático";
  constexpr const char* kDuracion = "duración media";
  fila(QStringLiteral("Direccionales"), {numero(8), precio(9, kUnidad), cifra(10, kDuracion)},
       1440);
  fila(QStringLiteral("Motrices"), {numero(11), precio(12, kUnidad), cifra(13, kDuracion)}, 1440);
  fila(QStringLiteral("Arrastre"), {numero(14), precio(15, kUnidad), cifra(16, kDuracion)}, 1440);
  cerrar();

  abrir(QStringLiteral("Reparaciones y Conservación"));
  encabezados({{QStringLiteral("Coste kilométrico sin IVA (Euros / km)"), {kPrecio, kAnchoPrecio}},
               {QStringLiteral("Coste anual sin IVA (Euros)"), {kCifra, kAnchoCifra}}});
  fila(QStringLiteral("Reparaciones y Conservación"),
       {precio(17, "coste kilométrico"), cifra(18, "coste anual")}, 2100);
  cerrar();

  abrir(QStringLiteral("Peajes"));
  fila(QStringLiteral("Coste anual sin IVA en peajes (Euros)"), {cifra(19)}, kAnchoRotulo + 840);
  cerrar();
}

}  // namespace dorvelna
