// Lectura y escritura del formato sobre bytes, sin archivos.
#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

#include "ClasesAutocar.h"
#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/archivos/Cp1252.h"
#include "nucleo/archivos/InterpretarArchivo.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::LineasClase;
using pruebas::Unir;

// Lee la clase 0 con la línea n (1..194) sustituida.
std::optional<ContenidoArchivo> ConLinea(int n, const QByteArray& linea) {
  QByteArrayList l = LineasClase(0);
  l[n - 1] = linea;
  return InterpretarArchivo(Unir(l));
}

// Los bytes 0x80 a 0x9F según la tabla de Windows-1252; los cinco sin definir (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) se leen como el punto de código del mismo número.
const char16_t kDe80a9F[] = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";
static_assert(std::size(kDe80a9F) == 32 + 1);

TEST(Cp1252, LosDoscientosCincuentaYSeisBytesVanYVuelven) {
  QByteArray todos;
  QString esperado;
  for (int b = 0; b < 256; ++b) {
    todos.append(static_cast<char>(b));
    esperado += b >= 0x80 && b < 0xA0 ? QChar(kDe80a9F[b - 0x80]) : QChar(b);
  }
  EXPECT_EQ(DecodificarCp1252(todos), esperado);
  EXPECT_EQ(CodificarCp1252(esperado), todos);
}

TEST(Cp1252, LoQueNoCabeSeEscribeComoInterrogacion) {
  EXPECT_EQ(CodificarCp1252(u"a€ñ中😀\u0080b"), QByteArray("a\x80\xF1???b"));
  // Los controles de 0x80 a 0x9F que la página sustituye por sus letras no tienen byte.
  for (char16_t c = 0x80; c < 0xA0; ++c) {
    if (QStringView(kDe80a9F).contains(QChar(c))) continue;
    EXPECT_EQ(CodificarCp1252(QString(QChar(c))), "?") << int(c);
  }
}

TEST(Lectura, FormasAceptadasDeNumero) {
  const std::pair<const char*, double> casos[] = {
      {"61", 61}, {" \t61", 61}, {"61  ", 61},      {".5", 0.5},     {"-.5", -0.5},   {"5.", 5},
      {"-3", -3}, {"1E3", 1000}, {"2.5e-2", 0.025}, {"1.5E+2", 150}, {"0.012", 0.012}};
  for (const auto& [texto, esperado] : casos) {
    const auto c = ConLinea(2, texto);
    ASSERT_TRUE(c) << texto;
    EXPECT_DOUBLE_EQ(c->S.C[2].Numero(), esperado) << texto;
  }
}

TEST(Lectura, ValorDeClaseEquivocadaDanaElArchivo) {
  const std::pair<int, const char*> casos[] = {{2, "+5"},
                                               {2, "1.2.3"},
                                               {2, "abc"},
                                               {2, "\"61\""},
                                               {2, "#TRUE#"},
                                               {2, "1e"},
                                               {2, "."},
                                               {2, "-"},
                                               {2, "1e400"},
                                               {2, "6 1"},
                                               {15, "#true#"},
                                               {15, "1"},
                                               {15, "TRUE"},
                                               {1, "\"sin cerrar"},
                                               {1, "\"a\"b"},
                                               {97, ""},
                                               {97, "2025-07-01"},
                                               {97, "#2025-02-30#"},
                                               {97, "#2025-7-1#"},
                                               {97, "#2025-07-01 25:00:00#"},
                                               {97, "#2025-07-01 9:3:00#"},
                                               {194, "\"#2025-07-01#\""}};
  for (const auto& [linea, texto] : casos) EXPECT_FALSE(ConLinea(linea, texto)) << linea << texto;
}

TEST(Lectura, TextosFechasYValoresVacios) {
  auto c = ConLinea(1, "  \"Autocar, grande\"  ");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->S.C[1].Texto(), QStringLiteral("Autocar, grande"));
  c = ConLinea(7, "  M3 sin comillas \t");  // sin comillas se toma tal cual
  ASSERT_TRUE(c);
  EXPECT_EQ(c->S.C[7].Texto(), QStringLiteral("M3 sin comillas"));
  c = ConLinea(8, "\"Excursi\xF3n \x80\"");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->S.C[8].Texto(), QStringLiteral("Excursión €"));
  c = ConLinea(9, "");
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->S.C[9].EsVacio());
  c = ConLinea(15, "#FALSE#");
  ASSERT_TRUE(c);
  EXPECT_FALSE(c->S.F1[1].Logico());
  EXPECT_TRUE(c->O.F1[1].Logico());
  for (const char* fecha : {"#2024-02-29 9:30:00#", "#2024-02-29 23:59:59#", " #2024-02-29# "}) {
    c = ConLinea(97, fecha);
    ASSERT_TRUE(c) << fecha;
    EXPECT_EQ(c->S.Fecha, QDate(2024, 2, 29));
    EXPECT_EQ(c->O.Fecha, QDate(2025, 7, 1));
  }
}

TEST(Lectura, CuentaValoresNoLineas) {
  const QByteArrayList base = LineasClase(0);
  const auto referencia = InterpretarArchivo(Unir(base));
  ASSERT_TRUE(referencia);

  QByteArrayList l = base;  // "61,14.95" en una línea son dos valores
  l[1] = l[1] + "," + l[2];
  l.removeAt(2);
  auto c = InterpretarArchivo(Unir(l));
  ASSERT_TRUE(c);
  EXPECT_EQ(*c->S.C[3].ComoNumero(), 14.95);
  EXPECT_EQ(c->O, referencia->O);

  l = base;  // "61," es 61 seguido de un valor vacío
  l[1] += ",";
  l.removeAt(2);
  c = InterpretarArchivo(Unir(l));
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->S.C[3].EsVacio());

  for (const char* fin : {"\n", "\r", "\r\n"}) {
    c = InterpretarArchivo(Unir(base, fin));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->S, referencia->S);
    EXPECT_EQ(c->O, referencia->O);
  }
}

TEST(Lectura, CientoNoventaYTresCuatroYCincoLineas) {
  const QByteArrayList base = LineasClase(1);
  EXPECT_TRUE(InterpretarArchivo(Unir(base)));
  EXPECT_TRUE(InterpretarArchivo(Unir(base).chopped(2)));  // sin el último CR LF
  EXPECT_TRUE(InterpretarArchivo(Unir(base + QByteArrayList{"basura \"sin cerrar"})));
  EXPECT_FALSE(InterpretarArchivo(Unir(base.mid(0, 193))));
  EXPECT_FALSE(InterpretarArchivo(QByteArray()));
  // Leyendo sólo el principio de un archivo, el último valor podría seguir.
  EXPECT_FALSE(InterpretarArchivo(Unir(base).chopped(2), true));
  EXPECT_TRUE(InterpretarArchivo(Unir(base), true));
}

// Un archivo guardado como UTF-8 por un editor empieza con la marca de orden de bytes: todo
// él está en UTF-8. Se graba siempre en Windows-1252 y sin marca.
TEST(Lectura, MarcaUtf8YBytesNulos) {
  QByteArrayList l;
  for (const QByteArray& linea : LineasClase(0)) l += DecodificarCp1252(linea).toUtf8();
  l[7] = "\"Excursi\xC3\xB3n \xE2\x82\xAC \xE4\xB8\xAD\"";
  const QByteArray utf8 = "\xEF\xBB\xBF" + Unir(l);
  const auto c = InterpretarArchivo(utf8);
  ASSERT_TRUE(c);
  for (const Valores* v : {&c->S, &c->O}) {
    EXPECT_EQ(v->C[1].Texto(), QStringLiteral("Autocar estándar de más de 55 plazas"));
  }
  EXPECT_EQ(c->S.C[8].Texto(), QStringLiteral("Excursión € 中"));
  EXPECT_EQ(c->S.C[2], Valor(61.0));
  EXPECT_EQ(c->O.Fecha, QDate(2025, 7, 1));
  const QByteArray grabado = ComponerArchivo(c->S, c->O);
  EXPECT_TRUE(grabado.startsWith("\"Autocar est\xE1ndar de m\xE1s de 55 plazas\"\r\n61\r\n"));
  EXPECT_EQ(grabado.split('\n')[7], "\"Excursi\xF3n \x80 ?\"\r");

  // Tras la marca, lo que no es UTF-8 no puede leerse como texto.
  for (const QByteArray& mal : {QByteArray("\"Excursi\xF3n\""), QByteArray("\"corta \xC3\"")}) {
    QByteArray danado = utf8;
    danado.replace(l[7], mal);
    EXPECT_FALSE(InterpretarArchivo(danado)) << mal.data();
  }
  // Un NUL en cualquier sitio, también detrás del valor 194, daña el archivo.
  const QByteArray base = Unir(LineasClase(0));
  for (qsizetype pos : {qsizetype(0), qsizetype(5), base.size()}) {
    EXPECT_FALSE(InterpretarArchivo(QByteArray(base).insert(pos, '\0'))) << pos;
  }
  EXPECT_FALSE(InterpretarArchivo(utf8 + QByteArray(1, '\0')));
}

TEST(Escritura, NumerosConPuntoAunqueElIdiomaUseComa) {
  const QLocale antes;
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  Valores v = pruebas::ClasesAutocar()[0].valores;
  v.C[6] = Valor(1234567.891);
  v.F1[9] = Valor(1.0 / 3.0);
  v.V[17] = Valor(-0.085);
  v.V[20] = Valor(0.0);
  v.F2[6] = Valor(1.7976931348623157e308);
  const QByteArrayList l = ComponerArchivo(v, v).split('\n');
  QLocale::setDefault(antes);
  EXPECT_EQ(l[2], "14.95\r");
  EXPECT_EQ(l[5], "1234567.891\r");
  EXPECT_EQ(l[8], "110000\r");
  EXPECT_EQ(l[20], "0.333333333333333\r");
  EXPECT_EQ(l[72], "-0.085\r");
  EXPECT_EQ(l[74], "0\r");
  EXPECT_EQ(l[96], "#2025-07-01#\r");
  // Hasta el mayor double se escribe de forma que vuelva a leerse.
  const auto c = InterpretarArchivo(ComponerArchivo(v, v));
  ASSERT_TRUE(c);
  EXPECT_NEAR(c->S.F2[6].Numero() / 1.7976931348623157e308, 1.0, 1e-14);
}

TEST(Escritura, TextosSinComillasNiSaltosYEnWindows1252) {
  Valores v = pruebas::ClasesAutocar()[0].valores;
  v.C[1] = Valor(QStringLiteral("Autocar \"Ñandú\" 中\r\n€"));
  const QByteArray primera = ComponerArchivo(v, v).split('\n').first();
  EXPECT_EQ(primera, QByteArray("\"Autocar \xD1"
                                "and\xFA ?  \x80\"\r"));
}

TEST(Escritura, LoEscritoSeLeeIgual) {
  Valores v = pruebas::ClasesAutocar()[2].valores;
  v.C[1] = Valor(QStringLiteral("Autobús «Ñ» – ‰ €"));
  v.F2[2] = Valor(false);
  v.V[3] = Valor(0.0612345678901234);
  v.SS[3] = Valor(1234.5);
  v.Fecha = QDate(1999, 12, 31);
  Valores o = pruebas::ClasesAutocar()[3].valores;
  const auto c = InterpretarArchivo(ComponerArchivo(v, o));
  ASSERT_TRUE(c);
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) {
      if (g == Grupo::V && i == 3) continue;
      EXPECT_EQ(c->S(g, i), v(g, i)) << CodigoGrupo(g) << i;
      EXPECT_EQ(c->O(g, i), o(g, i)) << CodigoGrupo(g) << i;
    }
  }
  EXPECT_DOUBLE_EQ(c->S.V[3].Numero(), 0.0612345678901234);
  EXPECT_EQ(c->S.Fecha, v.Fecha);
  EXPECT_EQ(c->O.Fecha, o.Fecha);
}

}  // namespace
}  // namespace dorvelna::pruebas
