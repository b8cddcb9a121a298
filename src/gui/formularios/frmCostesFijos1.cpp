#include "gui/formularios/frmCostesFijos1.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>

#include "gui/campos/CampoTexto.h"
#include "gui/formularios/TituloFormulario.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

// Lo que distingue al autocar de los equipos auxiliares: nombres, textos e índices de F1.
// Los equipos no tienen las filas de los neumáticos (0).
struct frmCostesFijos1::Activo {
  Seccion seccion;
  char letra;  // A autocar, E equipos
  const char* titulo;
  const char* ayuda;
  int precio, neumaticos, sinNeumaticos, vida, residualPorcentaje, residual;
  int financiadoPorcentaje, financiado, periodo, interes, costeAnual;
};

namespace {

// Fondo de los dos submarcos que guardan otros marcos.
const QColor kActivoS(213, 213, 255);
const QColor kActivoO(208, 208, 208);

// Medidas (twips). Los marcos interiores van dentro del submarco del activo; las filas,
// dentro de los marcos interiores.
constexpr int kAnchoActivo = 5100;
constexpr int kInterior = 120, kAnchoInterior = 4860;
constexpr int kRotulo = 120, kSangria = 300, kAnchoGuion = 150;
constexpr int kPorcentaje = 2280, kAnchoPorcentaje = 1080;
constexpr int kCifra = 3600, kAnchoCifra = 1140;
constexpr int kPrimeraFila = 300, kFila = 345, kSeparacion = 90;

}  // namespace

frmCostesFijos1::frmCostesFijos1(Calculo& calculo, EdicionCampos& edicion, QWidget* padre)
    : FormularioDatos(Formulario::CostesFijos1, TituloFormulario(Formulario::CostesFijos1), calculo,
                      edicion, padre) {
  Construir(5340, 4000);
}

void frmCostesFijos1::ConstruirColumna(QGroupBox* marco, Columna col) {
  // clang-format off
  static const Activo autocar{Seccion::AdquisicionAutocar, 'A', "Autocar",
                              "Elegir la forma de adquisición del autocar",
                              2, 21, 22, 3, 4, 5, 6, 7, 8, 9, 10};
  static const Activo equipos{Seccion::AdquisicionEquipos, 'E', "Equipos auxiliares",
                              "Elegir la forma de adquisición de los equipos auxiliares",
                              12, 0, 0, 13, 14, 15, 16, 17, 18, 19, 20};
  // clang-format on
  QGroupBox* arriba = ConstruirActivo(marco, col, autocar, 300);
  ConstruirActivo(marco, col, equipos, 300 + PixelesATwips(arriba->height()) + 120);
}

QGroupBox* frmCostesFijos1::ConstruirActivo(QGroupBox* marco, Columna col, const Activo& a,
                                            int top) {
  const bool S = col == Columna::S;
  const QChar columna = QLatin1Char(S ? 'S' : 'O');
  const QColor fondo = S ? Colores::SubmarcoS : Colores::SubmarcoO;
  auto nombre = [&](char parte) {
    return QStringLiteral("Frame%1%2%3")
        .arg(columna)
        .arg(QLatin1Char(a.letra))
        .arg(QLatin1Char(parte));
  };
  auto alto = [](QWidget* w) { return PixelesATwips(w->height()); };

  QGroupBox* activo = NuevoMarco(marco, QString::fromUtf8(a.titulo), 120, top, kAnchoActivo, 3000,
                                 S ? kActivoS : kActivoO);

  // Forma de adquisición: los dos botones uno al lado del otro, bajo el título del marco.
  const QString opcion = QStringLiteral("Option%1%2").arg(columna).arg(QLatin1Char(a.letra));
  QGroupBox* forma =
      NuevaPareja(activo, a.seccion, col, nombre('C'), opcion, QStringLiteral("Compra"),
                  QStringLiteral("Otra forma (alquiler, ...)"), QString::fromUtf8(a.ayuda),
                  kInterior, kPrimeraFila, kAnchoInterior, 600);
  forma->setTitle(QStringLiteral("Forma de adquisición"));
  forma->findChild<QAbstractButton*>(opcion + QStringLiteral("(1)"))
      ->setGeometry(RectTwips(240, 250, 1260, 285));
  forma->findChild<QAbstractButton*>(opcion + QStringLiteral("(2)"))
      ->setGeometry(RectTwips(1620, 250, 3000, 285));

  // Filas de los marcos interiores. Una subfila lleva delante un guion y va sangrada; el
  // campo se centra en la altura del rótulo, que puede ocupar varias líneas.
  auto encabezado = [&](QGroupBox* m, int& y, const QString& texto) {
    QLabel* l = NuevaEtiqueta(m, texto, kRotulo, y, kCifra - kRotulo - 120);
    QFont negrita = l->font();
    negrita.setBold(true);
    l->setFont(negrita);
    y += kFila - 45;
  };
  auto fila = [&](QGroupBox* m, int& y, const QString& rotulo, int indice, bool guion,
                  int porcentaje = 0) {
    const int x = guion ? kSangria : kRotulo;
    QLabel* r = NuevaEtiqueta(m, rotulo, x, y, (porcentaje ? kPorcentaje : kCifra) - 120 - x);
    const int altoRotulo = alto(r);
    const int arriba = y + std::max(0, (altoRotulo - 285) / 2);
    if (guion) {
      NuevaEtiqueta(m, QStringLiteral("-"), kRotulo, y, kAnchoGuion, 285,
                    Qt::AlignLeft | (altoRotulo > 285 ? Qt::AlignTop : Qt::AlignVCenter));
    }
    if (porcentaje) NuevoCampo(m, col, porcentaje, kPorcentaje, arriba, kAnchoPorcentaje);
    NuevoCampo(m, col, indice, kCifra, arriba, kAnchoCifra);
    y += std::max(altoRotulo + 75, kFila);
  };

  const int interior = kPrimeraFila + alto(forma) + kSeparacion;
  QGroupBox* amortizacion = NuevoMarco(activo, QStringLiteral("Amortización"), kInterior, interior,
                                       kAnchoInterior, 600, fondo);
  amortizacion->setObjectName(nombre('A'));
  int y = kPrimeraFila;
  encabezado(amortizacion, y, QStringLiteral("Valor de adquisición:"));
  fila(amortizacion, y, QStringLiteral("Precio de adquisición sin IVA (Euros)"), a.precio, true);
  if (a.neumaticos) {
    fila(amortizacion, y,
         QStringLiteral("Valor sin IVA de los neumáticos en el momento de la compra del autocar "
                        "(% sobre el precio actual de los mismos)"),
         a.neumaticos, true);
    fila(amortizacion, y, QStringLiteral("Precio de adquisición sin neumáticos y sin IVA (Euros)"),
         a.sinNeumaticos, true);
  }
  fila(amortizacion, y, QStringLiteral("Vida útil (años)"), a.vida, false);
  encabezado(amortizacion, y, QStringLiteral("Valor residual:"));
  fila(amortizacion, y, QStringLiteral("Valor residual sobre precio de adquisición (%)"),
       a.residualPorcentaje, true);
  fila(amortizacion, y, QStringLiteral("Valor residual sin IVA (Euros)"), a.residual, true);
  AjustarAlto(amortizacion);

  // El coste anual ocupa el sitio de la amortización; se ve sólo con "Otra forma".
  QGroupBox* costeAnual = NuevoMarco(activo, QStringLiteral("Coste anual (alquiler, ...)"),
                                     kInterior, interior, kAnchoInterior, 600, fondo);
  costeAnual->setObjectName(nombre('T'));
  y = kPrimeraFila;
  fila(costeAnual, y, QStringLiteral("Coste anual sin IVA (Euros)"), a.costeAnual, false);
  AjustarAlto(costeAnual);
  costeAnual->hide();

  QGroupBox* financiacion =
      NuevoMarco(activo, QStringLiteral("Financiación"), kInterior,
                 interior + alto(amortizacion) + kSeparacion, kAnchoInterior, 600, fondo);
  financiacion->setObjectName(nombre('F'));
  y = kPrimeraFila - 60;
  // Encabezados de las dos columnas de "Capital a financiar", apoyados en la fila.
  QLabel* sobrePrecio = NuevaEtiqueta(
      financiacion, QStringLiteral("% sobre el precio de adquisición"), kPorcentaje - 360, y,
      kAnchoPorcentaje + 480, 285, Qt::AlignHCenter | Qt::AlignBottom);
  const int altoEncabezado = alto(sobrePrecio);
  NuevaEtiqueta(financiacion, QStringLiteral("Euros"), kCifra, y, kAnchoCifra, altoEncabezado,
                Qt::AlignHCenter | Qt::AlignBottom);
  y += altoEncabezado + 30;
  fila(financiacion, y, QStringLiteral("Capital a financiar"), a.financiado, false,
       a.financiadoPorcentaje);
  fila(financiacion, y, QStringLiteral("Periodo de financiación (años)"), a.periodo, false);
  fila(financiacion, y, QStringLiteral("Interés anual de la financiación (%)"), a.interes, false);
  AjustarAlto(financiacion);

  AjustarAlto(activo);
  marcos_[{a.seccion, col}] = {amortizacion, financiacion, costeAnual};
  return activo;
}

void frmCostesFijos1::FormaAdquisicion(int eleccion, QWidget* amortizacion, QWidget* financiacion,
                                       QWidget* costeAnual) {
  const bool compra = eleccion == 1;
  if (compra) {
    costeAnual->hide();
    amortizacion->show();
    financiacion->show();
  } else {
    amortizacion->hide();
    financiacion->hide();
    costeAnual->show();
  }
}

void frmCostesFijos1::ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) {
  FormularioDatos::ModoAplicado(sec, col, primeraOpcion);
  auto it = marcos_.find({sec, col});
  if (it == marcos_.end()) return;
  const MarcosActivo& m = it->second;
  FormaAdquisicion(primeraOpcion ? 1 : 2, m.amortizacion, m.financiacion, m.costeAnual);
}

}  // namespace dorvelna
