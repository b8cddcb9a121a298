#include "entry/Formato.h"

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
  QLocale formato = idioma;
  formato.setNumberOptions(formato.numberOptions() & ~QLocale::OmitGroupSeparator);
  QString texto = formato.toString(x, 'f', decimales);
  // Un negativo que redondea a cero no lleva signo.
  if (texto.startsWith(formato.negativeSign())) {
    bool soloCeros = true;
    for (QChar c : texto.mid(formato.negativeSign().size())) {
      if (c.isDigit() && c != QLatin1Char('0')) soloCeros = false;
    }
    if (soloCeros) texto.remove(0, formato.negativeSign().size());
  }
  return texto;
}

}  // namespace dorvelna
