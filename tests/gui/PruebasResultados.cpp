// Formulario de resultados con una clase abierta: cada etiqueta de las dos columnas coincide
// con lo que calcula dorvelna-calc para el mismo archivo; filas ocultas, leyenda y tartas.
#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "ComprobarTarta.h"
#include "PruebaFormularios.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna::pruebas {
namespace {

// Archivo de referencia de cada clase, en el orden de los botones de frmTipoVeh.
const char* const kArchivosClase[4] = {
    "Autocar Estandar mas 55 plazas.clb", "Autocar Estandar 39 a 55 plazas.clb",
    "Autocar Estandar 26 a 38 plazas.clb", "Autocar Estandar 10 a 25 plazas.clb"};

// Lo que escribe dorvelna-calc --json para el archivo: una línea con las dos columnas.
QJsonObject Calculadora(const QString& archivo) {
  QProcess calc;
  calc.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dorvelna-calc"),
             {QStringLiteral("--json"), archivo});
  if (!calc.waitForFinished(20000) || calc.exitCode() != 0) return {};
  return QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
}

// Comprueba el texto de una etiqueta de resultado contra el número de la calculadora: miles
// con punto, coma decimal, exactamente `decimales` cifras y el mismo redondeo.
void ComprobarCifra(const QString& texto, const QJsonValue& valor, int decimales,
                    const QString& nombre) {
  SCOPED_TRACE(nombre.toStdString() + " = \"" + texto.toStdString() + "\"");
  ASSERT_TRUE(valor.isDouble());
  const QString patron = decimales > 0
                             ? QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{%1}$").arg(decimales)
                             : QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*$");
  EXPECT_TRUE(QRegularExpression(patron).match(texto).hasMatch());
  QString llano = texto;
  llano.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
  QString esperado = QString::number(std::fabs(valor.toDouble()), 'f', decimales);
  if (valor.toDouble() < 0 && esperado.contains(QRegularExpression(QStringLiteral("[1-9]")))) {
    esperado.prepend(QLatin1Char('-'));
  }
  EXPECT_EQ(llano, esperado);
}

using PruebaResultados = pruebas::PruebaFormularios;

class PruebaResultadosClase : public PruebaResultados, public ::testing::WithParamInterface<int> {};

// La ventana y la calculadora de línea de órdenes dan las mismas cifras en las dos columnas.
TEST_P(PruebaResultadosClase, LasEtiquetasMuestranLoQueCalculaLaCalculadora) {
  const int k = GetParam();
  const QString archivo = QCoreApplication::applicationDirPath() + QStringLiteral("/Calibrario/") +
                          QString::fromLatin1(kArchivosClase[k]);
  const QJsonObject calc = Calculadora(archivo);
  ASSERT_FALSE(calc.isEmpty()) << "dorvelna-calc no respondió";

  AbrirClase(k);
  IrA(Formulario::Resultados);
  for (const char* columna : {"S", "O"}) {
    const QJsonObject valores = calc.value(QLatin1String(columna)).toObject();
    const QJsonArray R = valores.value(QStringLiteral("R")).toArray();
    ASSERT_EQ(R.size(), 49);
    const bool desglosado = valores.value(QStringLiteral("I")).toArray().at(0).toBool();
    for (int i = 1; i <= 49; ++i) {
      if (i == 20) continue;
      const QString nombre = QStringLiteral("lbl%1R(%2)").arg(QLatin1String(columna)).arg(i);
      QLabel* l = Etiqueta(nombre);
      ASSERT_NE(l, nullptr) << nombre.toStdString();
      EXPECT_EQ(l->property("Tag").toString().toInt(), Decimales(Grupo::R, i));
      ComprobarCifra(l->text(), R.at(i - 1), Decimales(Grupo::R, i), nombre);
      // Visibles salvo las cifras de viajeros de O y el desglose indirecto en "Total".
      const bool oculta =
          (*columna == 'O' && (i == 40 || i == 49)) ||
          (!desglosado && (i == 11 || i == 12 || i == 13 || i == 31 || i == 32 || i == 33));
      EXPECT_EQ(l->isVisible(), !oculta) << nombre.toStdString();
    }
    // Las etiquetas de la tarta repiten los porcentajes con un decimal y "%".
    const int porcentajes[12] = {21, 22, 23, 25, 26, 27, 39, 28, 29, 24, 30, 37};
    for (int s = 0; s < 12; ++s) {
      const QString nombre = QStringLiteral("lblPic%1(%2)").arg(QLatin1String(columna)).arg(s);
      QLabel* l = Etiqueta(nombre);
      ASSERT_NE(l, nullptr) << nombre.toStdString();
      ASSERT_TRUE(l->text().endsWith(QLatin1Char('%'))) << l->text().toStdString();
      ComprobarCifra(l->text().chopped(1), R.at(porcentajes[s] - 1), 1, nombre);
    }
    // Y se leen enteras: ninguna cortada por el borde ni encima de otra.
    auto* tarta = EnForm<Tarta>(QStringLiteral("Picture%1R").arg(QLatin1String(columna)));
    ASSERT_NE(tarta, nullptr);
    pruebas::ComprobarEtiquetas(*tarta);
  }
}

INSTANTIATE_TEST_SUITE_P(CuatroClases, PruebaResultadosClase, ::testing::Values(0, 1, 2, 3));

TEST_F(PruebaResultados, LeyendaColoreadaComoSusSectoresYCifrasDeViajerosOcultasEnO) {
  AbrirClase(0);
  IrA(Formulario::Resultados);
  const QColor esperados[12] = {{0, 0, 255},  {192, 64, 0},  {128, 128, 255}, {128, 128, 0},
                                {64, 64, 64}, {192, 0, 192}, {0, 192, 0},     {0, 0, 0},
                                {255, 0, 0},  {0, 192, 192}, {0, 128, 0},     {255, 255, 192}};
  for (int i = 0; i < 12; ++i) {
    QLabel* cuadro = Etiqueta(QStringLiteral("Colores(%1)").arg(i));
    QLabel* leyenda = Etiqueta(QStringLiteral("Leyenda(%1)").arg(i));
    ASSERT_TRUE(cuadro && leyenda) << i;
    EXPECT_EQ(cuadro->palette().color(QPalette::Window), esperados[i]) << i;
    EXPECT_EQ(leyenda->palette().color(QPalette::WindowText), esperados[i]) << i;
    EXPECT_EQ(Etiqueta(QStringLiteral("lblPicS(%1)").arg(i))->palette().color(QPalette::WindowText),
              esperados[i]);
  }
  EXPECT_EQ(Etiqueta(QStringLiteral("Leyenda(7)"))->text(), QStringLiteral("Neumáticos"));
  // En O no se ven ni el rótulo de viajeros-kilómetro, ni "C1 = ", ni su unidad.
  QWidget* O = EnForm(QStringLiteral("FrameO"));
  for (const QString& texto : {QStringLiteral("Viajeros-Kilometro anuales"),
                               QStringLiteral("C1 = "), QStringLiteral("€/viajero-km")}) {
    int vistos = 0, enO = 0;
    for (QLabel* l : ventana->FormActual()->findChildren<QLabel*>()) {
      if (l->text() != texto) continue;
      const bool deO = O->isAncestorOf(l);
      enO += deO;
      if (l->isVisible()) ++vistos;
      if (deO) {
        EXPECT_FALSE(l->isVisible()) << texto.toStdString();
      }
    }
    EXPECT_EQ(enO, 1) << texto.toStdString();
    EXPECT_EQ(vistos, 1) << texto.toStdString();
  }
}

// "Total" en los indirectos oculta el desglose de los resultados; "Desglosado" lo devuelve.
TEST_F(PruebaResultados, FilasIndirectasOcultasEnTotal) {
  AbrirClase(0);
  IrA(Formulario::CostesIndirectos);
  auto* total = EnForm<QAbstractButton>(QStringLiteral("OptionSI(2)"));
  auto* desglosado = EnForm<QAbstractButton>(QStringLiteral("OptionSI(1)"));
  ASSERT_TRUE(total && desglosado);
  QTest::mouseClick(total, Qt::LeftButton);
  IrA(Formulario::Resultados);
  for (int i : {11, 12, 13, 31, 32, 33}) {
    EXPECT_FALSE(Etiqueta(QStringLiteral("lblSR(%1)").arg(i))->isVisible()) << i;
  }
  EXPECT_TRUE(Etiqueta(QStringLiteral("lblSR(17)"))->isVisible());
  int rotulos = 0;
  for (QLabel* l : EnForm(QStringLiteral("Frame4"))->findChildren<QLabel*>()) {
    const QString t = l->text();
    if (t == QStringLiteral("Costes de estructura") ||
        t == QStringLiteral("Costes de comercialización") ||
        t == QStringLiteral("Otros costes indirectos")) {
      EXPECT_TRUE(l->isVisible()) << t.toStdString();
      ++rotulos;
    }
  }
  EXPECT_EQ(rotulos, 3);
  IrA(Formulario::CostesIndirectos);
  QTest::mouseClick(desglosado, Qt::LeftButton);
  IrA(Formulario::Resultados);
  for (int i : {11, 12, 13, 31, 32, 33}) {
    EXPECT_TRUE(Etiqueta(QStringLiteral("lblSR(%1)").arg(i))->isVisible()) << i;
  }
}

// Al volver la ventana a primer plano (repintado) los resultados se rehacen.
TEST_F(PruebaResultados, AlRepintarseRecalculaLasDosColumnas) {
  AbrirClase(0);
  IrA(Formulario::Resultados);
  QLabel* peajes = Etiqueta(QStringLiteral("lblSR(10)"));
  QLabel* peajesO = Etiqueta(QStringLiteral("lblOR(10)"));
  ASSERT_TRUE(peajes && peajesO);
  // Otra ventana pasa a primer plano mientras cambian los peajes de las dos columnas.
  QWidget otra;
  otra.show();
  QApplication::setActiveWindow(&otra);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&otra, 3000));
  Datos().ValoresS.V[19] = Valor(1234.5);
  Datos().ValoresO.V[19] = Valor(0.0);
  EXPECT_NE(peajes->text(), QStringLiteral("1.234,50"));
  QApplication::setActiveWindow(ventana.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get(), 3000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return peajes->text() == QStringLiteral("1.234,50"); }, 3000))
      << peajes->text().toStdString();
  EXPECT_EQ(peajesO->text(), QStringLiteral("0,00"));  // los ceros se ven
  EXPECT_EQ(Etiqueta(QStringLiteral("lblOR(30)"))->text(), QStringLiteral("0,0"));
}

// Un cambio en un formulario de datos llega a la tarta sin volver a los resultados, con las
// etiquetas nuevas enteras y sin pisarse.
TEST_F(PruebaResultados, LaTartaSigueALosCambiosSinVolverAResultados) {
  AbrirClase(0);
  IrA(Formulario::Resultados);
  auto* tarta = EnForm<Tarta>(QStringLiteral("PictureSR"));
  auto* tartaO = EnForm<Tarta>(QStringLiteral("PictureOR"));
  ASSERT_TRUE(tarta && tartaO);
  const QString personalO = tartaO->Etiqueta(2)->text();
  // Autocar y equipos alquilados sin renta: el combustible pasa al 30,6 %.
  IrA(Formulario::CostesFijos1);
  auto clic = [&](const char* nombre) {
    auto* boton = EnForm<QAbstractButton>(QString::fromLatin1(nombre));
    ASSERT_NE(boton, nullptr) << nombre;
    QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(6, boton->height() / 2));
  };
  clic("OptionSA(2)");
  Teclear(Caja(QStringLiteral("TextSF1(10)")), QStringLiteral("0"));
  clic("OptionSE(2)");
  Teclear(Caja(QStringLiteral("TextSF1(20)")), QStringLiteral("0"));
  EXPECT_EQ(tarta->Etiqueta(5)->text(), QStringLiteral("30,6%"));
  pruebas::ComprobarEtiquetas(*tarta);
  // De vuelta a la compra, y otros seguros por 15.000 euros: los seguros, al 12,9 %.
  clic("OptionSA(1)");
  clic("OptionSE(1)");
  EXPECT_EQ(tarta->Etiqueta(5)->text(), QStringLiteral("24,6%"));
  IrA(Formulario::CostesFijos2);
  Teclear(Caja(QStringLiteral("TextSF2(17)")), QStringLiteral("15000"));
  EXPECT_EQ(tarta->Etiqueta(3)->text(), QStringLiteral("12,9%"));
  pruebas::ComprobarEtiquetas(*tarta);
  EXPECT_EQ(tartaO->Etiqueta(2)->text(), personalO);
  pruebas::ComprobarEtiquetas(*tartaO);
}

}  // namespace
}  // namespace dorvelna::pruebas
