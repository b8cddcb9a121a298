#include "nucleo/model/Valor.h"

#include "nucleo/model/Numeros.h"

namespace dorvelna {

QString Valor::TextoPlano() const {
  if (EsVacio()) return QString();
  if (EsNumero()) return NumeroCorto(Numero());
  if (EsTexto()) return Texto();
  return Logico() ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
}

}  // namespace dorvelna
