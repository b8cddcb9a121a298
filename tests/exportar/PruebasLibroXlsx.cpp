// El libro .xlsx: lo escrito se lee igual desde otro programa, y una grabación que falla no
// deja nada a medias.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "comun/DispositivoQueFalla.h"
#include "comun/LeerXlsx.h"
#include "exportar/LibroXlsx.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::DispositivoQueFalla;

QByteArray Contenido(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Destino y carpeta temporal (TMPDIR) propios, para ver que no queda nada en ninguno.
class Libro : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(destino.isValid() && temporal.isValid());
    tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporal.path()));
  }
  void TearDown() override {
    if (tmpdir.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", tmpdir);
  }
  QString Ruta(const QString& nombre) const { return destino.filePath(nombre); }
  QStringList EnDestino() const {
    return QDir(destino.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  QStringList EnTemporal() const {
    return QDir(temporal.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  QTemporaryDir destino, temporal;
  QByteArray tmpdir;
};

TEST_F(Libro, LoEscritoSeLeeCeldaACelda) {
  {
    LibroXlsx libro(Ruta("libro.xlsx"));
    libro.Propiedades(QStringLiteral("Dorvelna — prueba"), QStringLiteral("Asunto ñ"));
    HojaXlsx& hoja = libro.Hoja(QStringLiteral("Cálculo"));
    hoja.Cabecera({QStringLiteral("Texto"), QStringLiteral("Importe (€/año)")});
    hoja.Texto(1, 0, QStringLiteral("Autocar estándar, una ruta bastante larga"));
    hoja.Numero(1, 1, 157210.23, 2);
    hoja.Numero(2, 1, 0.050951, 5);
    hoja.Numero(3, 1, std::numeric_limits<double>::quiet_NaN(), 2);
    hoja.Numero(3, 0, 61, 0);
    libro.Hoja(QStringLiteral("Otra")).Texto(0, 0, QStringLiteral("x"));
    ASSERT_FALSE(libro.Fallo());
    const auto fallo = libro.Guardar();
    ASSERT_FALSE(fallo) << fallo->toStdString();
  }
  EXPECT_EQ(EnDestino(), QStringList{"libro.xlsx"});
  EXPECT_TRUE(EnTemporal().isEmpty()) << EnTemporal().join(' ').toStdString();

  QString error;
  const QJsonObject l = pruebas::LeerXlsx(Ruta("libro.xlsx"), &error);
  ASSERT_FALSE(l.isEmpty()) << error.toStdString();
  EXPECT_TRUE(l["avisos"].toArray().isEmpty());
  EXPECT_EQ(l["titulo"].toString(), QStringLiteral("Dorvelna — prueba"));
  EXPECT_EQ(l["asunto"].toString(), QStringLiteral("Asunto ñ"));
  const QJsonArray hojas = l["hojas"].toArray();
  ASSERT_EQ(hojas.size(), 2);
  EXPECT_EQ(hojas[1]["nombre"].toString(), QStringLiteral("Otra"));
  const QJsonObject hoja = hojas[0].toObject();
  EXPECT_EQ(hoja["nombre"].toString(), QStringLiteral("Cálculo"));
  EXPECT_EQ(hoja["fijada"].toString(), QStringLiteral("A2"));
  const QJsonArray filas = hoja["filas"].toArray();
  ASSERT_EQ(filas.size(), 4);
  const auto celda = [&](int f, int c) { return filas[f][c].toObject(); };
  EXPECT_EQ(celda(0, 1)["valor"].toString(), QStringLiteral("Importe (€/año)"));
  EXPECT_TRUE(celda(0, 0)["negrita"].toBool());
  EXPECT_TRUE(celda(0, 1)["negrita"].toBool());
  EXPECT_FALSE(celda(1, 0)["negrita"].toBool());
  EXPECT_EQ(celda(1, 1)["valor"].toDouble(), 157210.23);
  EXPECT_EQ(celda(1, 1)["formato"].toString(), QStringLiteral("#,##0.00"));
  EXPECT_EQ(celda(2, 1)["valor"].toDouble(), 0.050951);
  EXPECT_EQ(celda(2, 1)["formato"].toString(), QStringLiteral("#,##0.00000"));
  EXPECT_TRUE(celda(2, 0)["valor"].isNull());
  EXPECT_TRUE(celda(3, 1)["valor"].isNull());
  EXPECT_EQ(celda(3, 0)["valor"].toDouble(), 61);
  EXPECT_EQ(celda(3, 0)["formato"].toString(), QStringLiteral("#,##0"));
  // Cada columna cabe su texto más largo: 41 caracteres la primera, "Importe (€/año)" en
  // negrita la segunda.
  const QJsonArray anchos = hoja["anchos"].toArray();
  ASSERT_EQ(anchos.size(), 2);
  EXPECT_GE(anchos[0].toDouble(), 41);
  EXPECT_LT(anchos[0].toDouble(), 50);
  EXPECT_GE(anchos[1].toDouble(), 15 * 1.1);
}

// Ninguna grabación fallida deja el archivo nuevo ni un temporal, y el anterior sigue igual.
TEST_F(Libro, GrabacionFallidaNoDejaNada) {
  QFile viejo(Ruta("viejo.xlsx"));
  ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
  viejo.write("contenido anterior");
  viejo.close();
  const QStringList antes = EnDestino();

  const auto llenar = [](LibroXlsx& libro, const QString& hoja = QStringLiteral("Hoja")) {
    HojaXlsx& h = libro.Hoja(hoja);
    h.Cabecera({QStringLiteral("a"), QStringLiteral("b")});
    for (int f = 1; f < 200; ++f) {
      h.Texto(f, 0, QStringLiteral("fila %1").arg(f));
      h.Numero(f, 1, f * 1.5, 1);
    }
  };
  // Lo que ya se sabe al abrir se dice entonces, y otra vez al grabar.
  {
    LibroXlsx libro(Ruta("no/hay.xlsx"));
    EXPECT_EQ(libro.Fallo(), QStringLiteral("El subdirectorio no existe."));
    llenar(libro);
    EXPECT_EQ(libro.Guardar(), QStringLiteral("El subdirectorio no existe."));
  }
  EXPECT_EQ(EnDestino(), antes);

  // Una hoja con un nombre que no admite la hoja de cálculo.
  {
    LibroXlsx libro(Ruta("viejo.xlsx"));
    llenar(libro, QStringLiteral("a/b"));
    const auto fallo = libro.Guardar();
    ASSERT_TRUE(fallo);
    EXPECT_TRUE(fallo->startsWith(QStringLiteral("No se pudo componer la hoja de cálculo (")))
        << fallo->toStdString();
  }
  EXPECT_EQ(EnDestino(), antes);

  // El destino deja de admitir bytes a mitad de la copia, o justo al final.
  qint64 tamano = 0;
  {
    LibroXlsx libro(Ruta("bueno.xlsx"));
    llenar(libro);
    ASSERT_FALSE(libro.Guardar());
    tamano = QFileInfo(Ruta("bueno.xlsx")).size();
    ASSERT_TRUE(QFile::remove(Ruta("bueno.xlsx")));
  }
  for (qint64 n : {qint64(0), qint64(1), tamano / 2, tamano - 1}) {
    LibroXlsx libro(Ruta("viejo.xlsx"), [n](QIODevice& temporal) {
      return std::make_unique<DispositivoQueFalla>(temporal, n);
    });
    llenar(libro);
    const auto fallo = libro.Guardar();
    ASSERT_TRUE(fallo) << n;
    EXPECT_TRUE(fallo->startsWith(QStringLiteral("No se pudo escribir el archivo"))) << n;
    EXPECT_EQ(EnDestino(), antes) << n;
    EXPECT_TRUE(EnTemporal().isEmpty()) << n;
    EXPECT_EQ(Contenido(Ruta("viejo.xlsx")), "contenido anterior") << n;
  }
  // Un libro abandonado sin grabar tampoco deja rastro.
  {
    LibroXlsx libro(Ruta("viejo.xlsx"));
    llenar(libro);
  }
  EXPECT_EQ(EnDestino(), antes);
  EXPECT_TRUE(EnTemporal().isEmpty()) << EnTemporal().join(' ').toStdString();
}

}  // namespace
}  // namespace dorvelna::pruebas
