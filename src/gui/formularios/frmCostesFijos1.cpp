#include "gui/formularios/frmCostesFijos1.h"

#include <QAbstractButton>
#include <QLabel>

#include "gui/campos/CampoTexto.h"
#include "gui/comun/Twips.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

// Lo que distingue al autocar de los equipos auxiliares: su sección, su título y los índices
// de F1. Los equipos no tienen las filas de los neumáticos (0).
struct frmCostesFijos1::Activo {
  Seccion seccion;
  const char* titulo;
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
    : FormularioDatos(Formulario::CostesFijos1, calculo, edicion, padre) {
  Construir(5340, 4000);
}

void frmCostesFijos1::ConstruirColumna(QGroupBox* marco, Columna col) {
  // clang-format off
  static const Activo autocar{Seccion::AdquisicionAutocar, "Autocar",
                              2, 21, 22, 3, 4, 5, 6, 7, 8, 9, 10};
  static const Activo equipos{Seccion::AdquisicionEquipos, "Equipos auxiliares",
                              12, 0, 0, 13, 14, 15, 16, 17, 18, 19, 20};
  // clang-format on
  QGroupBox* arriba = ConstruirActivo(marco, col, autocar, 300);
  ConstruirActivo(marco, col, equipos, 300 + PixelesATwips(arriba->height()) + 120);
}

QGroupBox* frmCostesFijos1::ConstruirActivo(QGroupBox* marco, Columna col, const Activo& a,
                                            int top) {
  const bool S = col == Columna::S;
  const QChar columna = QLatin1Char(S ? 'S' : 'O');
  const QChar letra = QLatin1Char(DatosDe(a.seccion).letra);
  const QColor fondo = S ? Colores::SubmarcoS : Colores::SubmarcoO;
  auto nombre = [&](char parte) {
    return QStringLiteral("Frame%1%2%3").arg(columna).arg(letra).arg(QLatin1Char(parte));
  };
  auto alto = [](QWidget* w) { return PixelesATwips(w->height()); };

  QGroupBox* activo = NuevoMarco(marco, QString::fromUtf8(a.titulo), 120, top, kAnchoActivo, 3000,
                                 S ? kActivoS : kActivoO);

  // Forma de adquisición: los dos botones uno al lado del otro, bajo el título del marco.
  QGroupBox* forma =
      NuevaPareja(activo, a.seccion, col, "C", kInterior, kPrimeraFila, kAnchoInterior, 600);
  forma->setTitle(QStringLiteral("Forma de adquisición"));
  const QString opcion = QStringLiteral("Option%1%2").arg(columna).arg(letra);
  forma->findChild<QAbstractButton*>(opcion + QStringLiteral("(1)"))
      ->setGeometry(RectTwips(240, 250, 1260, 285));
  forma->findChild<QAbstractButton*>(opcion + QStringLiteral("(2)"))
      ->setGeometry(RectTwips(1620, 250, 3000, 285));

  // Filas de los marcos interiores; una subfila lleva delante un guion y va sangrada.
  constexpr PasoFilas kPaso{.separacion = 75, .minimo = kFila};
  auto cifra = [](int i) { return std::vector<CampoFila>{{i, kCifra, kAnchoCifra}}; };
  auto encabezado = [&](QGroupBox* m, int& y, const QString& texto) {
    PonerNegrita(NuevaEtiqueta(m, texto, kRotulo, y, kCifra - kRotulo - 120));
    y += kFila - 45;
  };
  auto fila = [&](QGroupBox* m, int& y, const QString& rotulo, int indice) {
    NuevaFila(m, col, y, kPaso, rotulo, kRotulo, kCifra - 120 - kRotulo, cifra(indice));
  };
  auto subfila = [&](QGroupBox* m, int& y, const QString& rotulo, int indice) {
    NuevaFila(m, col, y, kPaso, rotulo, kSangria, kCifra - 120 - kSangria, cifra(indice), kRotulo,
              kAnchoGuion);
  };

  const int interior = kPrimeraFila + alto(forma) + kSeparacion;
  QGroupBox* amortizacion = NuevoMarco(activo, QStringLiteral("Amortización"), kInterior, interior,
                                       kAnchoInterior, 600, fondo);
  amortizacion->setObjectName(nombre('A'));
  int y = kPrimeraFila;
  encabezado(amortizacion, y, QStringLiteral("Valor de adquisición:"));
  subfila(amortizacion, y, QStringLiteral("Precio de adquisición sin IVA (Euros)"), a.precio);
  if (a.neumaticos) {
    subfila(amortizacion, y,
            QStringLiteral("Valor sin IVA de los neumáticos en el momento de la compra del autocar "
                           "(% sobre el precio actual de los mismos)"),
            a.neumaticos);
    subfila(amortizacion, y,
            QStringLiteral("Precio de adquisición sin neumáticos y sin IVA (Euros)"),
            a.sinNeumaticos);
  }
  fila(amortizacion, y, QStringLiteral("Vida útil (años)"), a.vida);
  encabezado(amortizacion, y, QStringLiteral("Valor residual:"));
  subfila(amortizacion, y, QStringLiteral("Valor residual sobre precio de adquisición (%)"),
          a.residualPorcentaje);
  subfila(amortizacion, y, QStringLiteral("Valor residual sin IVA (Euros)"), a.residual);
  AjustarAlto(amortizacion);

  // El coste anual ocupa el sitio de la amortización; se ve sólo con "Otra forma".
  QGroupBox* costeAnual = NuevoMarco(activo, QStringLiteral("Coste anual (alquiler, ...)"),
                                     kInterior, interior, kAnchoInterior, 600, fondo);
  costeAnual->setObjectName(nombre('T'));
  y = kPrimeraFila;
  fila(costeAnual, y, QStringLiteral("Coste anual sin IVA (Euros)"), a.costeAnual);
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
  NuevaFila(
      financiacion, col, y, kPaso, QStringLiteral("Capital a financiar"), kRotulo,
      kPorcentaje - 120 - kRotulo,
      {{a.financiadoPorcentaje, kPorcentaje, kAnchoPorcentaje, nullptr, 0, 0, sobrePrecio->text()},
       {a.financiado, kCifra, kAnchoCifra, nullptr, 0, 0, QStringLiteral("Euros")}});
  fila(financiacion, y, QStringLiteral("Periodo de financiación (años)"), a.periodo);
  fila(financiacion, y, QStringLiteral("Interés anual de la financiación (%)"), a.interes);
  AjustarAlto(financiacion);

  AjustarAlto(activo);
  marcos_[{a.seccion, col}] = {amortizacion, financiacion, costeAnual};
  return activo;
}

void frmCostesFijos1::ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) {
  FormularioDatos::ModoAplicado(sec, col, primeraOpcion);
  auto it = marcos_.find({sec, col});
  if (it == marcos_.end()) return;
  const MarcosActivo& m = it->second;
  if (primeraOpcion) {
    m.costeAnual->hide();
    m.amortizacion->show();
    m.financiacion->show();
  } else {
    m.amortizacion->hide();
    m.financiacion->hide();
    m.costeAnual->show();
  }
}

}  // namespace dorvelna
