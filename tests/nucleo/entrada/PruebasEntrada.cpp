// Filtro de teclas, lectura del texto tecleado y texto de edición.
#include <QLocale>
#include <gtest/gtest.h>

#include "Impresion.h"
#include "nucleo/entrada/Entrada.h"
#include "nucleo/entrada/Formato.h"

namespace dorvelna::pruebas {
namespace {

const QChar kComa(',');

// Teclea caracteres uno a uno como lo haría la caja: cada admitido se inserta en el cursor.
// Devuelve los caracteres rechazados.
QString Teclear(EstadoCampo& e, const QString& teclas, QChar sep = kComa) {
  QString rechazadas;
  for (QChar t : teclas) {
    if (FiltrarTecla(e, t, sep)) {
      e.texto.insert(e.cursor, t);
      ++e.cursor;
    } else {
      rechazadas += t;
    }
  }
  return rechazadas;
}

EstadoCampo Caja(int decimales, int maxLength, QString texto = {}, int cursor = -1) {
  EstadoCampo e;
  e.decimales = decimales;
  e.maxLength = maxLength;
  e.cursor = cursor < 0 ? static_cast<int>(texto.size()) : cursor;
  e.texto = std::move(texto);
  return e;
}

TEST(FiltrarTecla, DecimalesConComaDecimal) {
  EstadoCampo e = Caja(2, 10);
  EXPECT_EQ(Teclear(e, "1.,5,"), ".,");  // el punto nunca; la segunda coma tampoco
  EXPECT_EQ(e.texto, "1,5");
  EXPECT_EQ(LeerCampo(e.texto, 2, kComa), Valor(1.5));
  EXPECT_EQ(Teclear(e, "09"), "9");  // la parte decimal se llena con dos cifras
  EXPECT_EQ(e.texto, "1,50");
  e.cursor = 0;
  EXPECT_EQ(Teclear(e, "7"), "");  // en la parte entera sí cabe
  EXPECT_EQ(e.texto, "71,50");
}

TEST(FiltrarTecla, SeparadorConMasCifrasDetrasQueDecimales) {
  EstadoCampo e = Caja(2, 10, "1234", 1);
  EXPECT_EQ(Teclear(e, ","), ",");
  e.cursor = 2;
  EXPECT_EQ(Teclear(e, ","), "");
  EXPECT_EQ(e.texto, "12,34");
}

TEST(FiltrarTecla, LaLongitudCuentaLosSeparadoresDeMiles) {
  EstadoCampo entero = Caja(0, 7);
  EXPECT_EQ(Teclear(entero, "1234567"), "7");
  EXPECT_EQ(entero.texto, "123456");

  // Sin separador: caben MaxLength - d - 1 cifras enteras.
  EstadoCampo precio = Caja(2, 10);
  EXPECT_EQ(Teclear(precio, "12345678"), "8");
  // Con separador, la parte entera llena cuenta sus separadores de miles.
  EstadoCampo cinco = Caja(2, 10, "12345,5", 0);
  EXPECT_EQ(Teclear(cinco, "9"), "");
  EXPECT_EQ(Teclear(cinco, "9"), "9");
  EXPECT_EQ(cinco.texto, "912345,5");
}

TEST(FiltrarTecla, RechazosYSeleccion) {
  EstadoCampo e = Caja(2, 10, "12,34");
  e.selInicio = 1;
  e.selLongitud = 3;
  e.cursor = 4;
  EXPECT_FALSE(FiltrarTecla(e, QChar('a'), kComa));
  EXPECT_EQ(e.texto, "14");  // la selección se borra aunque la tecla no pase
  EXPECT_EQ(e.cursor, 1);
  EXPECT_EQ(Teclear(e, "-+ a,"), "-+ a");

  EstadoCampo entero = Caja(0, 7, "12");
  EXPECT_EQ(Teclear(entero, ",.e"), ",.e");

  EstadoCampo texto = Caja(-1, 45, "Autocar", 0);
  EXPECT_EQ(Teclear(texto, "Mi ,.-"), "");
  EXPECT_EQ(texto.texto, "Mi ,.-Autocar");
  // Las comillas dobles no caben en un archivo: se rechazan y sólo se va la selección.
  EXPECT_EQ(Teclear(texto, "\"\""), "\"\"");
  EXPECT_EQ(texto.texto, "Mi ,.-Autocar");
  texto.selInicio = 0;
  texto.selLongitud = 3;
  EXPECT_FALSE(FiltrarTecla(texto, QChar('"'), kComa));
  EXPECT_EQ(texto.texto, ",.-Autocar");
  EXPECT_EQ(texto.cursor, 0);
}

TEST(FiltrarTecla, SeparadorPuntoEnLocaleC) {
  QLocale::setDefault(QLocale::c());
  const QChar sep = ObtenerSeparadorDecimal().at(0);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  EXPECT_EQ(sep, QChar('.'));
  EstadoCampo e = Caja(2, 10);
  EXPECT_EQ(Teclear(e, "1,.5", sep), ",");
  EXPECT_EQ(LeerCampo(e.texto, 2, sep), Valor(1.5));
  EXPECT_EQ(LeerCampo("1,5", 2, sep), Valor(15.0));
  EXPECT_EQ(TextoEdicion(Valor(1.5), 2, sep), "1.5");
}

TEST(LeerCampo, CifrasYPrimerSeparador) {
  EXPECT_EQ(LeerCampo("1.234,5", 2, kComa), Valor(1234.5));
  EXPECT_EQ(LeerCampo("12,3,4", 2, kComa), Valor(12.34));
  EXPECT_EQ(LeerCampo(",5", 2, kComa), Valor(0.5));
  for (const char* vacio : {"", ",", "  ", "abc"}) {
    EXPECT_EQ(LeerCampo(vacio, 2, kComa), Valor(0.0)) << vacio;
  }
  EXPECT_EQ(LeerCampo("  Autocar 12,5  ", -1, kComa), Valor(QString("Autocar 12,5")));
  EXPECT_EQ(LeerCampo("   ", -1, kComa), Valor(QString()));
  // Un número pegado que no cabe en un double no puede quedar por debajo de ningún máximo.
  const Valor enorme = LeerCampo(QString(400, '9'), 0, kComa);
  ASSERT_TRUE(enorme.EsNumero());
  EXPECT_GT(enorme.Numero(), 1e300);
}

TEST(TextoEdicion, FormaPlanaQueVuelveALeerse) {
  EXPECT_EQ(TextoEdicion(Valor(1.5), 2, kComa), "1,5");
  EXPECT_EQ(TextoEdicion(Valor(95000.0), 0, kComa), "95000");
  EXPECT_EQ(TextoEdicion(Valor(0.000001), 6, kComa), "0,000001");
  EXPECT_EQ(TextoEdicion(Valor(0.0), 2, kComa), "");
  EXPECT_EQ(TextoEdicion(Valor("Clase II"), -1, kComa), "Clase II");
  for (double x : {0.1, 18.75, 1234567.125, 0.0000001, 0.30000000000000004, 399999.9}) {
    EXPECT_EQ(LeerCampo(TextoEdicion(Valor(x), 7, kComa), 7, kComa), Valor(x)) << x;
  }
}

// Un importe negativo que redondea a cero se muestra sin signo: nunca "-0,00".
TEST(FormatearValor, NegativoQueRedondeaACeroSinSigno) {
  const QLocale es(QLocale::Spanish, QLocale::Spain);
  const std::pair<double, int> ceros[] = {{-0.004, 2}, {-0.4, 0}, {-0.04, 1}, {-0.0, 2}};
  for (const auto& [x, d] : ceros) {
    EXPECT_EQ(FormatearValor(Valor(x), d, true, es), d ? "0," + QString(d, '0') : "0") << x;
  }
  EXPECT_EQ(FormatearValor(Valor(-0.006), 2, true, es), "-0,01");
  EXPECT_EQ(FormatearValor(Valor(-1234567.891), 2, false, es), "-1.234.567,89");
}

}  // namespace
}  // namespace dorvelna::pruebas
