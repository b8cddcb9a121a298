#include "gui/formularios/frmCostesFijos2.h"

#include <QLabel>
#include <iterator>

#include "gui/campos/CampoTexto.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {

// Medidas (twips) dentro de los submarcos: rótulos a la izquierda, la columna de importes a
// la derecha y, sólo para el plus por kilómetro, una columna intermedia.
constexpr int kAnchoSubmarco = 5100;
constexpr int kRotulo = 120, kSangria = 300;
constexpr int kMedio = 2580, kCifra = 3840, kAnchoCifra = 1140;
constexpr int kFila = 330;
constexpr int kAnchoPareja = 1680, kAltoPareja = 600;

struct FilaImporte {
  const char* rotulo;
  int indice;
};

// Desglose de los seguros y de los costes fiscales, de arriba abajo, y su total.
constexpr FilaImporte kSeguros[] = {{"Seguro obligatorio del autocar", 10},
                                    {"Responsabilidad civil", 11},
                                    {"Seguro obligatorio de viajeros", 12},
                                    {"Defensa y reclamación de daños", 13},
                                    {"Seguro de accidentes del conductor", 14},
                                    {"Seguro de incendios", 15},
                                    {"Daños propios", 16},
                                    {"Asistencia en viaje", 29},
                                    {"Rotura de lunas", 30},
                                    {"Otros", 17},
                                    {"Coste total anual", 18}};
constexpr FilaImporte kFiscales[] = {
    {"Visados", 20},
    {"Inspección Técnica de Vehículos (ITV)", 21},
    {"Impuesto de Actividades Económicas (IAE) repercutible a este autocar", 22},
    {"Impuesto de Vehículos de Tracción Mecánica (IVTM)", 23},
    {"Revisión tacógrafo", 24},
    {"Tasas de estación del autocar", 25},
    {"Tasas de estación de los viajeros del autocar", 26},
    {"Otros", 27},
    {"Coste total anual", 28}};

}  // namespace

frmCostesFijos2::frmCostesFijos2(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::CostesFijos2, calculo, edicion, padre) {
  Construir(5340, 4000);
}

void frmCostesFijos2::ConstruirColumna(QGroupBox* marco, Columna col) {
  const bool S = col == Columna::S;
  const QColor fondo = S ? Colores::SubmarcoS : Colores::SubmarcoO;
  auto alto = [](QWidget* w) { return PixelesATwips(w->height()); };
  // Fila: rótulo y campo en la columna de importes (y otro en la intermedia si lo hay).
  constexpr PasoFilas kPaso{.separacion = 60, .minimo = kFila};
  auto fila = [&](QGroupBox* m, int& y, const QString& rotulo, int indice, int x = kRotulo) {
    NuevaFila(m, col, y, kPaso, rotulo, x, kCifra - 120 - x, {{indice, kCifra, kAnchoCifra}});
  };
  auto unidad = [&](QGroupBox* m, int x, int y, const QString& texto) {
    NuevaEtiqueta(m, texto, x, y, kAnchoCifra, 240, Qt::AlignHCenter | Qt::AlignBottom);
  };

  // Personal, con sus dietas y plus de actividad.
  QGroupBox* personal = NuevoMarco(
      marco, S ? QStringLiteral("Personal") : QStringLiteral("Personal (costes medios nacionales)"),
      120, 300, kAnchoSubmarco, 3000, fondo);
  int y = 300;
  unidad(personal, kCifra, y, QStringLiteral("Euros"));
  y += 240;
  fila(personal, y,
       QStringLiteral("Coste total anual del personal de a bordo, incluidos costes de empresa "
                      "(Seguridad Social y otros)"),
       1);
  y += 30;
  NuevaPareja(personal, Seccion::Dietas, col, "", kCifra + kAnchoCifra - kAnchoPareja, y,
              kAnchoPareja, kAltoPareja);
  PonerNegrita(NuevaEtiqueta(personal, QStringLiteral("Dietas y plus de actividad:"), kRotulo, y,
                             kCifra + kAnchoCifra - kAnchoPareja - 120 - kRotulo, kAltoPareja));
  y += kAltoPareja + 60;
  PonerNegrita(
      NuevaEtiqueta(personal, QStringLiteral("Dietas anuales:"), kRotulo, y, kCifra - 240));
  y += kFila - 45;
  fila(personal, y, QStringLiteral("Dieta total diaria del personal de a bordo (Euros / día)"), 3,
       kSangria);
  fila(personal, y, QStringLiteral("Número de días con dieta al año"), 4, kSangria);
  fila(personal, y, QStringLiteral("Dieta total anual (Euros)"), 5, kSangria);
  y += 30;
  unidad(personal, kMedio, y, QStringLiteral("Euros / km"));
  unidad(personal, kCifra, y, QStringLiteral("Euros"));
  y += 240;
  NuevaFila(personal, col, y, kPaso,
            QStringLiteral("Plus de actividad anual del personal de a bordo"), kRotulo,
            kMedio - 120 - kRotulo,
            {{6, kMedio, kAnchoCifra, nullptr, 0, 0, QStringLiteral("Euros / km")},
             {7, kCifra, kAnchoCifra, nullptr, 0, 0, QStringLiteral("Euros")}});
  fila(personal, y,
       QStringLiteral("Dietas y plus de actividad anuales del personal de a bordo (Euros)"), 8);
  AjustarAlto(personal);

  // Seguros y costes fiscales: la pareja arriba a la izquierda, el encabezado de la columna
  // de importes a su altura y las filas del desglose con el total al final.
  int top = 300 + alto(personal) + 120;
  auto bloque = [&](const QString& titulo, Seccion sec, const auto& filas) {
    QGroupBox* m = NuevoMarco(marco, titulo, 120, top, kAnchoSubmarco, 3000, fondo);
    int y = 300;
    NuevaPareja(m, sec, col, "", kRotulo, y, kAnchoPareja, kAltoPareja);
    // Un poco más ancho que la columna, para que quepa en dos líneas.
    NuevaEtiqueta(m, QStringLiteral("Costes anuales (Euros)"), kCifra - 60, y, kAnchoCifra + 120,
                  kAltoPareja, Qt::AlignHCenter | Qt::AlignBottom);
    y += kAltoPareja + 90;
    const int ultima = static_cast<int>(std::size(filas)) - 1;
    for (int k = 0; k <= ultima; ++k) {
      if (k == ultima) y += 45;
      fila(m, y, QString::fromUtf8(filas[k].rotulo), filas[k].indice);
    }
    AjustarAlto(m);
    top += alto(m) + 120;
  };
  bloque(QStringLiteral("Seguros"), Seccion::Seguros, kSeguros);
  bloque(QStringLiteral("Costes fiscales"), Seccion::Fiscales, kFiscales);
}

}  // namespace dorvelna
