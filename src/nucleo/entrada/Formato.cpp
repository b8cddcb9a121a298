#include "nucleo/entrada/Formato.h"

#include <cmath>

namespace dorvelna {

QString ObtenerSeparadorDecimal(const QLocale& idioma) {
  const QString texto = idioma.toString(1.5);
  for (QChar c : texto) {
    if (!c.isDigit()) return QString(c);
  }
  return QStringLiteral(",");
}

QString FormatearValor(const Valor& valor, int decimales, bool mostrarCeros,
                       const QLocale& idioma) {
  if (decimales < 0) return valor.TextoPlano();
  if (valor.EsTexto() || valor.EsLogico()) return valor.TextoPlano();
  const double x = valor.EsNumero() ? valor.Numero() : 0.0;
  if (x == 0 && !mostrarCeros) return QString();
  if (!std::isfinite(x)) return QString();
  // Patrón "#,###,##0.00": grupos de tres cifras siempre (el idioma no decide cuándo
  // agrupar), al menos una cifra entera y exactamente los decimales del campo.
  QString llano = QString::number(std::fabs(x), 'f', decimales);
  const qsizetype punto = llano.indexOf(QLatin1Char('.'));
  QString enteros = punto < 0 ? llano : llano.left(punto);
  const QString fraccion = punto < 0 ? QString() : llano.mid(punto + 1);
  const QString grupo = idioma.groupSeparator();
  for (qsizetype k = enteros.size() - 3; k > 0; k -= 3) enteros.insert(k, grupo);
  QString texto = enteros;
  if (decimales > 0) texto += idioma.decimalPoint() + fraccion;
  // Un negativo que redondea a cero no lleva signo.
  bool soloCeros = true;
  for (QChar c : llano) {
    if (c.isDigit() && c != QLatin1Char('0')) soloCeros = false;
  }
  if (x < 0 && !soloCeros) texto.prepend(idioma.negativeSign());
  return texto;
}

}  // namespace dorvelna
