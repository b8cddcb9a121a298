// Análisis de sensibilidad en la ventana: el selector, la tabla contra dorvelna-calc, el
// análisis rehecho tras teclear un valor de S, el orden por C4 y el gráfico de tornado.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <cmath>

#include "PruebaFormularios.h"
#include "gui/formularios/ModeloSensibilidad.h"
#include "gui/formularios/PictureSensibilidad.h"
#include "gui/formularios/frmSensibilidad.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna::pruebas {
namespace {

// dorvelna-calc --sensibilidad=P sobre el archivo de la clase de 39 a 55 plazas.
QJsonObject Calculadora(int variacion) {
  const QString archivo = QCoreApplication::applicationDirPath() +
                          QStringLiteral("/Calibrario/Autocar Estandar 39 a 55 plazas.clb");
  QProcess calc;
  calc.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dorvelna-calc"),
             {QStringLiteral("--sensibilidad=%1").arg(variacion), archivo});
  if (!calc.waitForFinished(20000) || calc.exitCode() != 0) return {};
  return QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
}

class PruebaSensibilidad : public pruebas::PruebaFormularios {
protected:
  void SetUp() override {
    PruebaFormularios::SetUp();
    AbrirClase(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ventana->Patillas()->isVisible(); }, 3000));
    ventana->Accion(QStringLiteral("mnuSensibilidad"))->trigger();
    form = Hijo<frmSensibilidad>(QStringLiteral("frmSensibilidad"));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->isVisible());
    tabla = form->tblSensibilidad;
  }
  QString Celda(int fila, int columna) const {
    return tabla->model()->index(fila, columna).data().toString();
  }
  // Una cifra del programa (miles con punto, coma decimal) escrita como QString::number.
  static QString Llano(QString texto) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*(,\\d+)?$"))
                    .match(texto)
                    .hasMatch())
        << texto.toStdString();
    return texto.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
  }
  static QString Cifra(const QJsonValue& v, int decimales) {
    return QString::number(v.toDouble(), 'f', decimales);
  }
  QString Numero(int fila, int columna) const { return Llano(Celda(fila, columna)); }
  // Con el teclado, como el usuario: flechas hasta el texto pedido.
  void ElegirVariacion(const QString& texto) {
    QComboBox* cmb = form->cmbVariacion;
    const int destino = cmb->findText(texto);
    ASSERT_GE(destino, 0) << texto.toStdString();
    Enfocar(cmb);
    while (cmb->currentIndex() != destino) {
      const int antes = cmb->currentIndex();
      QTest::keyClick(cmb, antes < destino ? Qt::Key_Down : Qt::Key_Up);
      ASSERT_NE(cmb->currentIndex(), antes);
    }
  }

  frmSensibilidad* form = nullptr;
  QTableView* tabla = nullptr;
};

TEST_F(PruebaSensibilidad, CadaVariacionDaLaTablaDeLaCalculadora) {
  ASSERT_EQ(form->cmbVariacion->currentText(), QStringLiteral("10 %"));
  ASSERT_EQ(form->cmbVariacion->count(), 3);
  const int euros = Decimales(Grupo::R, 18), c4 = Decimales(Grupo::R, 47),
            c5 = Decimales(Grupo::R, 48);
  ASSERT_EQ(std::make_tuple(euros, c4, c5), std::make_tuple(2, 4, 2));
  QString antes;
  for (const auto& [texto, p] : {std::pair{QStringLiteral("20 %"), 20},
                                 {QStringLiteral("5 %"), 5},
                                 {QStringLiteral("10 %"), 10}}) {
    SCOPED_TRACE(texto.toStdString());
    ElegirVariacion(texto);
    const QJsonObject calc = Calculadora(p);
    ASSERT_FALSE(calc.isEmpty()) << "dorvelna-calc no respondió";
    const QJsonArray entradas = calc.value(QStringLiteral("entradas")).toArray();
    ASSERT_EQ(tabla->model()->rowCount(), entradas.size());
    for (int f = 0; f < entradas.size(); ++f) {
      const QJsonObject e = entradas.at(f).toObject();
      const QJsonObject menos = e.value(QStringLiteral("menos")).toObject();
      const QJsonObject mas = e.value(QStringLiteral("mas")).toObject();
      SCOPED_TRACE(e.value(QStringLiteral("campo")).toString().toStdString());
      EXPECT_EQ(Celda(f, 0), e.value(QStringLiteral("nombre")).toString());
      EXPECT_EQ(Numero(f, 1).toDouble(), e.value(QStringLiteral("valor")).toDouble());
      const QString esperadas[] = {Cifra(menos[QStringLiteral("CostesTotales")], euros),
                                   Cifra(menos[QStringLiteral("C4")], c4),
                                   Cifra(menos[QStringLiteral("C5")], c5),
                                   Cifra(mas[QStringLiteral("CostesTotales")], euros),
                                   Cifra(mas[QStringLiteral("C4")], c4),
                                   Cifra(mas[QStringLiteral("C5")], c5)};
      for (int c = 0; c < 6; ++c) EXPECT_EQ(Numero(f, c + 2), esperadas[c]) << "columna " << c + 2;
    }
    // Cada variación da otra tabla.
    EXPECT_NE(Celda(0, 2), antes);
    antes = Celda(0, 2);
  }
}

TEST_F(PruebaSensibilidad, UnValorTecleadoEnSRehaceElAnalisis) {
  auto filaDe = [this](const QString& codigo) {
    for (int f = 0; f < tabla->model()->rowCount(); ++f) {
      if (tabla->model()->index(f, 0).data(Qt::ToolTipRole).toString() == codigo) return f;
    }
    return -1;
  };
  const int fila = filaDe(QStringLiteral("V(1)"));
  ASSERT_GE(fila, 0);
  const QString costeAntes = Celda(fila, ModeloSensibilidad::kMasCoste);
  IrA(Formulario::CostesVariables);
  EXPECT_FALSE(form->isVisible());
  Teclear(Caja(QStringLiteral("TextSV(1)")), QStringLiteral("2"));
  // El análisis se rehace aunque no esté a la vista.
  EXPECT_TRUE(QTest::qWaitFor([&] { return Numero(fila, 1).toDouble() == 2.0; }, 3000))
      << Celda(fila, 1).toStdString();
  EXPECT_NE(Celda(fila, ModeloSensibilidad::kMasCoste), costeAntes);
  // Y coincide con hacerlo ahora sobre el cálculo.
  const std::optional<Sensibilidad> ahora = AnalizarSensibilidad(Datos(), 10);
  ASSERT_TRUE(ahora);
  EXPECT_EQ(form->Modelo().Analisis().entradas[fila].mas.cifras, ahora->entradas[fila].mas.cifras);
  ventana->Accion(QStringLiteral("mnuSensibilidad"))->trigger();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(ventana->FormActual(), nullptr);
}

// Como en los formularios de datos, la tira de patillas no se queda con el foco: vuelve al
// control del análisis que lo tenía.
TEST_F(PruebaSensibilidad, ElFocoVuelveDeLasPatillasAlAnalisis) {
  Enfocar(tabla);
  ventana->Patillas()->setFocus(Qt::OtherFocusReason);
  EXPECT_TRUE(QTest::qWaitFor([this] { return tabla->hasFocus(); }, 3000))
      << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                      : "");
}

TEST_F(PruebaSensibilidad, UnClicEnLaCabeceraDeC4OrdenaPorSuCambio) {
  QHeaderView* cabecera = tabla->horizontalHeader();
  const int x = cabecera->sectionViewportPosition(ModeloSensibilidad::kMasC4) + 5;
  QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {}, QPoint(x, cabecera->height() / 2));
  ASSERT_EQ(cabecera->sortIndicatorSection(), ModeloSensibilidad::kMasC4);
  const double base = form->Modelo().Analisis().base.C4();
  std::vector<double> cambios;
  for (int f = 0; f < tabla->model()->rowCount(); ++f)
    cambios.push_back(std::abs(Numero(f, ModeloSensibilidad::kMasC4).toDouble() - base));
  ASSERT_GT(cambios.size(), 5u);
  const bool subiendo = cabecera->sortIndicatorOrder() == Qt::AscendingOrder;
  EXPECT_TRUE(subiendo ? std::is_sorted(cambios.begin(), cambios.end())
                       : std::is_sorted(cambios.rbegin(), cambios.rend()));
  EXPECT_NE(cambios.front(), cambios.back());
}

// Los textos del gráfico se leen enteros a cualquier ancho y las filas van de mayor a menor.
TEST_F(PruebaSensibilidad, ElGraficoDejaVerTodosSusTextos) {
  PictureSensibilidad* grafico = form->Grafico();
  ASSERT_TRUE(grafico->isVisible());
  const QFontMetrics medidas(grafico->font());
  for (int ancho : {grafico->minimumSizeHint().width(), 500, 1400}) {
    SCOPED_TRACE(ancho);
    grafico->resize(ancho, grafico->heightForWidth(ancho));
    const std::vector<BarraSensibilidad> barras = grafico->Barras();
    ASSERT_EQ(barras.size(), form->Modelo().Analisis().entradas.size());
    std::vector<TextoGrafico> textos = grafico->Leyenda();
    double anterior = HUGE_VAL;
    for (const BarraSensibilidad& b : barras) {
      const double efecto = std::max(std::abs(b.cambioMenos), std::abs(b.cambioMas));
      EXPECT_LE(efecto, anterior);
      anterior = efecto;
      EXPECT_TRUE(grafico->rect().contains(b.barraMenos) && grafico->rect().contains(b.barraMas));
      textos.insert(textos.end(), {b.nombre, b.valorMenos, b.valorMas});
    }
    for (size_t i = 0; i < textos.size(); ++i) {
      const TextoGrafico& t = textos[i];
      const QRect usado = medidas.boundingRect(t.caja, static_cast<int>(t.alineacion), t.texto);
      EXPECT_TRUE(t.caja.contains(usado)) << t.texto.toStdString() << " no cabe en su caja";
      EXPECT_TRUE(grafico->rect().contains(usado)) << t.texto.toStdString() << " se sale";
      for (size_t j = 0; j < i; ++j)
        EXPECT_FALSE(usado.intersects(textos[j].caja)) << t.texto.toStdString();
    }
  }
}

}  // namespace
}  // namespace dorvelna::pruebas
