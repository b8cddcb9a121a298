// "dorvelna --exportar ARCHIVO SALIDA", como lo llamaría un guion: sin ventanas, con su código
// de salida y el motivo de un fallo en la salida de errores.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "comun/LeerXlsx.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna::pruebas {
namespace {

const QString kClase =
    QStringLiteral(DORVELNA_BIN "/Calibrario/Autocar Estandar 26 a 38 plazas.clb");

struct Resultado {
  int codigo = -1;
  QString errores;
};

Resultado Exportar(const QStringList& argumentos) {
  QProcess proceso;
  proceso.start(QStringLiteral(DORVELNA_BIN "/dorvelna"),
                QStringList{QStringLiteral("--exportar")} + argumentos);
  if (!proceso.waitForFinished(60000)) return {};
  // Qt avisa a veces de su entorno (XDG_RUNTIME_DIR); sólo cuentan las líneas del programa.
  QStringList lineas;
  for (const QString& l : QString::fromUtf8(proceso.readAllStandardError()).split('\n')) {
    if (!l.isEmpty() && !l.startsWith(QLatin1String("QStandardPaths"))) lineas << l;
  }
  return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
          lineas.join('\n')};
}

TEST(ExportarSinVentana, PdfYLibroDeUnaClase) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("clase.pdf"));
  Resultado r = Exportar({kClase, pdf});
  EXPECT_EQ(r.codigo, 0) << r.errores.toStdString();
  EXPECT_TRUE(r.errores.isEmpty()) << r.errores.toStdString();
  QProcess texto;
  texto.start(QStringLiteral(DORVELNA_PDFTOTEXT),
              {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(texto.waitForFinished(30000));
  const QString paginas = QString::fromUtf8(texto.readAllStandardOutput());
  EXPECT_EQ(paginas.count(QLatin1Char('\f')), 8);  // y, la última, el análisis
  EXPECT_TRUE(paginas.split(QLatin1Char('\f'))
                  .value(5)
                  .simplified()
                  .startsWith(QStringLiteral("Resultados")));

  const QString libro = dir.filePath(QStringLiteral("clase.xlsx"));
  r = Exportar({kClase, libro});
  EXPECT_EQ(r.codigo, 0) << r.errores.toStdString();
  const QJsonObject leido = pruebas::LeerXlsx(libro);
  EXPECT_EQ(leido[QStringLiteral("hojas")].toArray().size(), 7);
}

TEST(ExportarSinVentana, UnArchivoQueNoSeLeeOUnaLlamadaMal) {
  QTemporaryDir dir;
  const QString salida = dir.filePath(QStringLiteral("nada.pdf"));
  const QString falta = dir.filePath(QStringLiteral("no-esta.dvn"));
  Calculo calculo;
  calculo.InicializarDatos();
  const auto fallo = LeerArchivo(calculo, falta);
  ASSERT_TRUE(fallo.has_value());
  Resultado r = Exportar({falta, salida});
  EXPECT_EQ(r.codigo, 1);
  EXPECT_EQ(r.errores,
            MensajeFallo(*fallo).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified());
  EXPECT_FALSE(QFile::exists(salida));

  for (const QStringList& mal : {QStringList{kClase}, QStringList{kClase, dir.filePath("x.txt")},
                                 QStringList{kClase, salida, salida}}) {
    r = Exportar(mal);
    EXPECT_EQ(r.codigo, 2) << mal.join(' ').toStdString();
    EXPECT_TRUE(r.errores.startsWith(QStringLiteral("Uso:"))) << r.errores.toStdString();
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace dorvelna::pruebas
