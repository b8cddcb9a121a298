#include "nucleo/entrada/Entrada.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace dorvelna {

namespace {

bool EsCifra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Sólo los espacios: un tabulador pegado forma parte del texto.
QString SinEspaciosExtremos(const QString& texto) {
  qsizetype inicio = 0;
  qsizetype fin = texto.size();
  while (inicio < fin && texto.at(inicio) == QLatin1Char(' ')) ++inicio;
  while (fin > inicio && texto.at(fin - 1) == QLatin1Char(' ')) --fin;
  return texto.mid(inicio, fin - inicio);
}

bool AdmitirCifra(const EstadoCampo& e, int len, int pos, int g) {
  const int d = e.decimales;
  if (d == 0) return len < e.maxLength - g;
  if (pos == 0) return len <= e.maxLength - d - 2;
  if (e.cursor >= pos && len - pos >= d) return false;
  if (e.cursor < pos && pos - 1 >= e.maxLength - g - d - 1) return false;
  return true;
}

}  // namespace

bool FiltrarTecla(EstadoCampo& e, QChar tecla, QChar separador) {
  if (e.selLongitud > 0 && e.selInicio >= 0 && e.selInicio < e.texto.size()) {
    e.texto.remove(e.selInicio, e.selLongitud);
    e.cursor = e.selInicio;
  }
  e.selLongitud = 0;
  e.selInicio = e.cursor;
  // Las comillas dobles no caben en un archivo de cálculo: un texto no las admite.
  if (e.decimales < 0) return tecla != QLatin1Char('"');

  const int len = static_cast<int>(e.texto.size());
  const int pos = static_cast<int>(e.texto.indexOf(separador)) + 1;  // 1..len, 0 si no hay
  // Separadores de miles que añadirá la presentación a la parte entera.
  const int g = (pos == 0 ? len : pos - 1) / 3;

  if (EsCifra(tecla)) return AdmitirCifra(e, len, pos, g);
  if (tecla == separador && e.decimales > 0) {
    if (pos != 0) return false;
    return len - e.cursor <= e.decimales;
  }
  return false;
}

Valor LeerCampo(const QString& texto, int decimales, QChar separador) {
  if (decimales < 0) return Valor(SinEspaciosExtremos(texto));

  std::string numero;
  bool conPunto = false;
  for (QChar c : texto) {
    if (EsCifra(c)) {
      numero += static_cast<char>(c.unicode());
    } else if (c == separador && !conPunto) {
      numero += '.';
      conPunto = true;
    }
  }
  if (numero.empty() || numero == ".") return Valor(0.0);

  double x = 0;
  const auto [fin, error] = std::from_chars(numero.data(), numero.data() + numero.size(), x);
  (void)fin;
  if (error == std::errc::result_out_of_range) {
    // Sólo un texto pegado llega tan lejos: demasiado grande no cabe, demasiado pequeño es 0.
    const bool grande = numero.find_first_of("123456789") < numero.find('.');
    x = grande ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return Valor(x);
}

QString TextoEdicion(const Valor& valor, int decimales, QChar separador) {
  if (decimales < 0) return valor.TextoPlano();
  const auto x = valor.ComoNumero();
  if (!x) return valor.TextoPlano();
  if (*x == 0 || !std::isfinite(*x)) return QString();

  // La forma más corta que vuelve a leerse igual, siempre sin exponente.
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, *x, std::chars_format::fixed);
  if (res.ec != std::errc()) return QString();
  QString texto = QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
  texto.replace(QLatin1Char('.'), separador);
  return texto;
}

}  // namespace dorvelna
