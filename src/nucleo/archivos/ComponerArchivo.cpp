#include "nucleo/archivos/ComponerArchivo.h"

#include "nucleo/archivos/Cp1252.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Numeros.h"

namespace dorvelna {

namespace {

QByteArray Linea(Tipo tipo, const Valor& v) {
  QByteArray linea;
  switch (tipo) {
    case Tipo::Numero: linea = NumeroParaArchivo(v.ComoNumero().value_or(0.0)).toLatin1(); break;
    case Tipo::Texto: linea = '"' + CodificarCp1252(TextoGuardable(v.TextoPlano())) + '"'; break;
    case Tipo::Logico: linea = v.EsSi() ? "#TRUE#" : "#FALSE#"; break;
  }
  return linea + "\r\n";
}

QByteArray LineaFecha(const QDate& fecha) {
  return QStringLiteral("#%1-%2-%3#\r\n")
      .arg(fecha.year(), 4, 10, QLatin1Char('0'))
      .arg(fecha.month(), 2, 10, QLatin1Char('0'))
      .arg(fecha.day(), 2, 10, QLatin1Char('0'))
      .toLatin1();
}

void AnadirColumna(std::vector<QByteArray>& lineas, const Valores& v) {
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) lineas.push_back(Linea(Campo(g, i).tipo, v(g, i)));
  }
  lineas.push_back(LineaFecha(v.Fecha));
}

}  // namespace

QString TextoGuardable(const QString& texto) {
  QString limpio;
  limpio.reserve(texto.size());
  for (QChar c : texto) {
    if (c == QLatin1Char('"')) continue;
    limpio.append(c == QLatin1Char('\r') || c == QLatin1Char('\n') ? QLatin1Char(' ') : c);
  }
  return limpio;
}

QString NumeroParaArchivo(double x) {
  // A 15 cifras, lo que pasa de 1.79769313486231E+308 se redondearía fuera del rango de
  // un double y ya no podría leerse.
  constexpr double kTope = 1.79769313486231e308;
  if (x > kTope) x = kTope;
  if (x < -kTope) x = -kTope;
  return NumeroArchivo(x);
}

std::vector<QByteArray> LineasArchivo(const Valores& s, const Valores& o) {
  std::vector<QByteArray> lineas;
  lineas.reserve(194);
  AnadirColumna(lineas, s);
  AnadirColumna(lineas, o);
  return lineas;
}

QByteArray ComponerArchivo(const Valores& s, const Valores& o) {
  QByteArray todo;
  for (const QByteArray& l : LineasArchivo(s, o)) todo += l;
  return todo;
}

}  // namespace dorvelna
