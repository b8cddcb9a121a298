#pragma once

#include <QString>
#include <ostream>

#include "nucleo/model/Valor.h"

// Textos legibles en los fallos de las pruebas.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace dorvelna {
inline void PrintTo(const Valor& v, std::ostream* os) {
  *os << (v.EsTexto() ? "texto " : "") << v.TextoPlano().toStdString();
}
}  // namespace dorvelna
