// Presentación de un archivo leído, vista desde una pantalla que lo graba todo.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ClasesAutocar.h"
#include "PantallaGrabadora.h"
#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna::pruebas {
namespace {

class Presentar : public ::testing::Test {
protected:
  void Leer(const Valores& s, const Valores& o) {
    ASSERT_TRUE(dir.isValid());
    QFile f(dir.filePath("c.dvn"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ComponerArchivo(s, o));
    f.close();
    calculo.InicializarDatos();
    ASSERT_FALSE(LeerArchivo(calculo, f.fileName()));
  }
  QString S(Grupo g, int i) const { return pantalla.Texto(g, Columna::S, i); }
  QString O(Grupo g, int i) const { return pantalla.Texto(g, Columna::O, i); }
  QTemporaryDir dir;
  pruebas::PantallaGrabadora pantalla;
  Calculo calculo{&pantalla};
};

TEST_F(Presentar, RotulosPrimeroYTodosLosModosAunqueYaEstenElegidos) {
  Valores s = pruebas::ClasesAutocar()[0].valores;
  Valores o = s;
  s.Fecha = QDate(2024, 3, 9);
  s.F2[9] = Valor(false);  // seguros en "Total" sólo en S
  Leer(s, o);
  // Los sí/no de InicializarDatos ya eran "sí": aun así corren los doce manejadores.
  const QStringList esperados = {
      "Titulos Autocar estándar de más de 55 plazas 2024-03-09 2025-07-01",
      "Modo 0 S 1",
      "Modo 1 S 1",
      "Modo 0 O 1",
      "Modo 1 O 1",
      "Modo 2 S 1",
      "Modo 3 S 2",
      "Modo 4 S 1",
      "Modo 2 O 1",
      "Modo 3 O 1",
      "Modo 4 O 1",
      "Modo 5 S 1",
      "Modo 5 O 1"};
  EXPECT_EQ(pantalla.avisos, esperados);
  EXPECT_EQ(calculo.ValoresS.F2[18], Valor(7240.0));  // el total se conserva tal cual
  EXPECT_EQ(S(Grupo::F2, 10), QString());             // y el desglose queda vacío
  EXPECT_EQ(O(Grupo::F2, 10), QStringLiteral("1,800.00"));
  EXPECT_FALSE(calculo.HayCambios());
}

TEST_F(Presentar, ReglasDeVaciadoEnUnaSolaColumna) {
  Valores s = pruebas::ClasesAutocar()[0].valores;
  Valores o = s;
  s.C[10] = Valor(100.0);   // C(12) = 0 sólo en S
  o.F1[6] = Valor(0.0);     // sin financiación sólo en O
  s.F2[3] = Valor(0.0);     // sin dieta diaria sólo en S
  s.F2[8] = Valor(1320.0);  // el total que le corresponde: sólo el plus de actividad
  o.V[8] = Valor(0.0);      // sin neumáticos direccionales sólo en O
  s.F1[12] = Valor(0.0);    // sin equipos auxiliares sólo en S
  Leer(s, o);
  EXPECT_EQ(S(Grupo::C, 13), QString());
  EXPECT_EQ(O(Grupo::C, 13), QStringLiteral("19,800"));
  for (int i : {8, 9}) {
    EXPECT_EQ(O(Grupo::F1, i), QString()) << i;
    EXPECT_FALSE(S(Grupo::F1, i).isEmpty()) << i;
  }
  EXPECT_EQ(S(Grupo::F2, 4), QString());
  EXPECT_EQ(O(Grupo::F2, 4), QStringLiteral("200"));
  for (int i : {9, 10}) {
    EXPECT_EQ(O(Grupo::V, i), QString()) << i;
    EXPECT_FALSE(S(Grupo::V, i).isEmpty()) << i;
  }
  EXPECT_EQ(S(Grupo::F1, 13), QString());
  EXPECT_EQ(O(Grupo::F1, 13), QStringLiteral("6.0"));
  // Lo vaciado sólo no se muestra: los valores leídos siguen ahí.
  EXPECT_EQ(calculo.ValoresO.F1[8], Valor(6.0));
  EXPECT_EQ(calculo.ValoresS.F2[4], Valor(200.0));
  EXPECT_FALSE(calculo.HayCambios());
}

TEST_F(Presentar, ValoresVaciosDelArchivoNoSonCambios) {
  Valores v = pruebas::ClasesAutocar()[3].valores;
  v.C[7] = Valor();
  v.SS[2] = Valor();
  QByteArray bytes = ComponerArchivo(v, v).replace("\r\n0\r\n", "\r\n\r\n");
  bytes.replace("\"M3\"", "");
  QFile f(dir.filePath("vacios.dvn"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();
  calculo.InicializarDatos();
  ASSERT_FALSE(LeerArchivo(calculo, f.fileName()));
  EXPECT_EQ(calculo.ValoresS.C[7], Valor(QString()));
  EXPECT_FALSE(calculo.HayCambios());
}

}  // namespace
}  // namespace dorvelna::pruebas
