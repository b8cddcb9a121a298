// El libro de un cálculo, leído celda a celda por otro programa (openpyxl).
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "comun/DispositivoQueFalla.h"
#include "comun/LeerXlsx.h"
#include "exportar/LibroCalculo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna::pruebas {
namespace {

QJsonArray Fila(const QJsonObject& hoja, int fila) {
  return hoja[QStringLiteral("filas")].toArray()[fila].toArray();
}
QJsonValue Valor_(const QJsonObject& hoja, int fila, int columna) {
  return Fila(hoja, fila)[columna].toObject()[QStringLiteral("valor")];
}
QString Formato(const QJsonObject& hoja, int fila, int columna) {
  return Fila(hoja, fila)[columna].toObject()[QStringLiteral("formato")].toString();
}

class LibroCalculo : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    calculo.InicializarDatos();
    ASSERT_FALSE(LeerArchivo(
        calculo, QStringLiteral(DORVELNA_BIN "/Calibrario/Autocar Estandar 39 a 55 plazas.clb")));
  }
  QTemporaryDir dir;
  Calculo calculo;
};

TEST_F(LibroCalculo, ResultadosFormulariosYServiciosCeldaACelda) {
  const QString ruta = dir.filePath(QStringLiteral("calculo.xlsx"));
  ASSERT_FALSE(ExportarLibro(calculo, ruta));
  QString error;
  const QJsonObject libro = pruebas::LeerXlsx(ruta, &error);
  ASSERT_FALSE(libro.isEmpty()) << error.toStdString();
  const QString clase = calculo.ValoresS(Grupo::C, 1).Texto().trimmed();
  EXPECT_EQ(libro[QStringLiteral("titulo")].toString(), QStringLiteral("Dorvelna — ") + clase);
  EXPECT_FALSE(libro[QStringLiteral("asunto")].toString().isEmpty());
  EXPECT_TRUE(libro[QStringLiteral("avisos")].toArray().isEmpty());
  const QJsonArray hojas = libro[QStringLiteral("hojas")].toArray();
  ASSERT_EQ(hojas.size(), 7);
  QStringList nombres;
  for (const auto& h : hojas) nombres << h.toObject()[QStringLiteral("nombre")].toString();
  EXPECT_EQ(nombres.first(), QStringLiteral("Resultados"));
  // Los rótulos largos, cortados en la última palabra que cabe en 31 caracteres.
  EXPECT_EQ(nombres[1], QStringLiteral("Características Técnicas y de"));
  EXPECT_EQ(nombres[4], QStringLiteral("Carburante, Urea, Neumáticos"));
  EXPECT_EQ(nombres.last(), QStringLiteral("Servicios"));
  for (const auto& h : hojas) {
    const QJsonObject hoja = h.toObject();
    EXPECT_EQ(hoja[QStringLiteral("fijada")].toString(), QStringLiteral("A2"));
    EXPECT_TRUE(Fila(hoja, 0)[0].toObject()[QStringLiteral("negrita")].toBool());
    EXPECT_GT(hoja[QStringLiteral("anchos")].toArray()[0].toDouble(), 10);
  }

  // Resultados: fila i, R(i) y su porcentaje R(i + 20) de cada columna; después C1..C5.
  const QJsonObject resultados = hojas[0].toObject();
  EXPECT_EQ(Valor_(resultados, 18, 0).toString(), QStringLiteral("Costes Totales"));
  EXPECT_DOUBLE_EQ(Valor_(resultados, 18, 1).toDouble(),
                   *calculo.ValoresS(Grupo::R, 18).ComoNumero());
  EXPECT_DOUBLE_EQ(Valor_(resultados, 18, 2).toDouble(),
                   *calculo.ValoresS(Grupo::R, 38).ComoNumero());
  EXPECT_DOUBLE_EQ(Valor_(resultados, 18, 3).toDouble(),
                   *calculo.ValoresO(Grupo::R, 18).ComoNumero());
  EXPECT_EQ(Formato(resultados, 18, 1), QStringLiteral("#,##0.00"));
  EXPECT_EQ(Formato(resultados, 18, 2), QStringLiteral("#,##0.0"));
  EXPECT_TRUE(Valor_(resultados, 22, 0).toString().startsWith(QStringLiteral("C1 =")));
  EXPECT_DOUBLE_EQ(Valor_(resultados, 22, 1).toDouble(),
                   *calculo.ValoresS(Grupo::R, 40).ComoNumero());
  EXPECT_EQ(Formato(resultados, 22, 1), QStringLiteral("#,##0.00000"));
  EXPECT_EQ(Valor_(resultados, 26, 4).toString(), QStringLiteral("€/hora"));  // C5

  // Características: el texto como texto, los números con los decimales del campo.
  const QJsonObject caracteristicas = hojas[1].toObject();
  EXPECT_EQ(Valor_(caracteristicas, 1, 2).toString(), calculo.ValoresS(Grupo::C, 1).Texto());
  EXPECT_EQ(Valor_(caracteristicas, 9, 0).toString(),
            QString::fromUtf8(Campo(Grupo::C, 9).significado));
  EXPECT_EQ(Valor_(caracteristicas, 9, 1).toString(), QStringLiteral("km/año"));
  EXPECT_DOUBLE_EQ(Valor_(caracteristicas, 9, 2).toDouble(),
                   *calculo.ValoresS(Grupo::C, 9).ComoNumero());
  EXPECT_EQ(Formato(caracteristicas, 9, 2), QStringLiteral("#,##0"));

  // Autocar: la forma de adquisición con el texto de su opción.
  const DatosSeccion& compra = DatosDe(Seccion::AdquisicionAutocar);
  const auto [primera, segunda] = TextosOpciones(compra);
  EXPECT_EQ(Valor_(hojas[2].toObject(), compra.modo, 2).toString(),
            calculo.ValoresS(Grupo::F1, compra.modo).EsSi() ? primera : segunda);

  // Servicios: cinco filas con sus tres datos y sus tres costes.
  const QJsonObject servicios = hojas[6].toObject();
  EXPECT_EQ(servicios[QStringLiteral("filas")].toArray().size(), 6);
  EXPECT_EQ(Fila(servicios, 0).size(), 7);

  // Un dato borrado sale como celda vacía, como en la pantalla; no como un cero.
  calculo.ValoresS.SS[3].Vaciar();
  ASSERT_FALSE(ExportarLibro(calculo, ruta));
  const QJsonObject otro = pruebas::LeerXlsx(ruta, &error);
  const QJsonObject sinDato = otro[QStringLiteral("hojas")].toArray()[6].toObject();
  EXPECT_TRUE(Valor_(sinDato, 1, 2).isNull()) << Valor_(sinDato, 1, 2).toDouble();
}

TEST_F(LibroCalculo, UnaGrabacionQueFallaDejaElArchivoAnterior) {
  const QString ruta = dir.filePath(QStringLiteral("viejo.xlsx"));
  {
    QFile viejo(ruta);
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.write("anterior");
  }
  const auto fallo = ExportarLibro(calculo, ruta, [](QIODevice& temporal) {
    return std::make_unique<pruebas::DispositivoQueFalla>(temporal, 100);
  });
  ASSERT_TRUE(fallo.has_value());
  QFile viejo(ruta);
  ASSERT_TRUE(viejo.open(QIODevice::ReadOnly));
  EXPECT_EQ(viejo.readAll(), QByteArray("anterior"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"viejo.xlsx"});
}

}  // namespace
}  // namespace dorvelna::pruebas
