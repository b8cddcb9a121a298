#include "cli/SalidaCalculadora.h"

#include <cmath>

#include "nucleo/model/Numeros.h"
#include "nucleo/model/Sensibilidad.h"

namespace dorvelna {

namespace {

// En JSON, la forma más corta que se vuelve a leer como el mismo double.
QByteArray NumeroJson(double x) {
  if (!std::isfinite(x)) return "null";
  return NumeroCorto(x).toLatin1();
}

QByteArray ValorJson(const Valor& v) {
  if (v.EsNumero()) return NumeroJson(v.Numero());
  if (v.EsTexto()) return CadenaJson(v.Texto());
  if (v.EsLogico()) return v.Logico() ? "true" : "false";
  return "null";
}

QByteArray FechaJson(const QDate& fecha) {
  if (!fecha.isValid()) return "null";
  return CadenaJson(QStringLiteral("%1-%2-%3")
                        .arg(fecha.year(), 4, 10, QLatin1Char('0'))
                        .arg(fecha.month(), 2, 10, QLatin1Char('0'))
                        .arg(fecha.day(), 2, 10, QLatin1Char('0')));
}

QByteArray ColumnaJson(const Valores& v) {
  QByteArray json = "{";
  for (Grupo g : {Grupo::C, Grupo::F1, Grupo::F2, Grupo::V, Grupo::I, Grupo::R, Grupo::SS}) {
    json += '"';
    json += CodigoGrupo(g);
    json += "\": [";
    const auto campos = v.Campos(g);
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      if (i > 1) json += ", ";
      json += ValorJson(campos[i]);
    }
    json += "], ";
  }
  json += "\"Fecha\": " + FechaJson(v.Fecha) + "}";
  return json;
}

constexpr std::array<const char*, kResumen.size()> kNombresResumen = {
    "CostesTotales", "CostesDirectos", "CostesIndirectos", "C1", "C2", "C3", "C4", "C5"};

// La clave de un resultado del grupo R, la misma que en el resumen.
const char* NombreResumen(int r) {
  for (std::size_t k = 0; k < kResumen.size(); ++k) {
    if (kResumen[k] == r) return kNombresResumen[k];
  }
  return "";
}

QByteArray CifrasJson(const CasoSensibilidad& caso) {
  QByteArray json = "{";
  for (std::size_t k = 0; k < kResultadosSensibles.size(); ++k) {
    if (k > 0) json += ", ";
    json += QByteArray("\"") + NombreResumen(kResultadosSensibles[k]) + "\": ";
    json += NumeroJson(caso.cifras[k]);
  }
  return json + "}";
}

}  // namespace

QByteArray CadenaJson(const QString& texto) {
  QByteArray json = "\"";
  for (char c : texto.toUtf8()) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': json += "\\\""; break;
      case '\\': json += "\\\\"; break;
      case '\n': json += "\\n"; break;
      case '\r': json += "\\r"; break;
      case '\t': json += "\\t"; break;
      case '\b': json += "\\b"; break;
      case '\f': json += "\\f"; break;
      default:
        if (u < 0x20) {
          json += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
          json += c;
        }
    }
  }
  return json + '"';
}

QByteArray CampoCsv(const QString& texto) {
  QByteArray campo = texto.toUtf8();
  if (campo.contains(',') || campo.contains('"') || campo.contains('\n') || campo.contains('\r')) {
    campo.replace("\"", "\"\"");
    campo = '"' + campo + '"';
  }
  return campo;
}

QByteArray LineaJson(const QString& archivo, const Calculo& calculo) {
  return "{\"archivo\": " + CadenaJson(archivo) + ", \"S\": " + ColumnaJson(calculo.ValoresS) +
         ", \"O\": " + ColumnaJson(calculo.ValoresO) + "}\n";
}

QByteArray LineaJsonSensibilidad(const QString& archivo, const Sensibilidad& analisis) {
  QByteArray json = "{\"archivo\": " + CadenaJson(archivo) +
                    ", \"variacion\": " + NumeroJson(analisis.variacion) +
                    ", \"base\": " + CifrasJson(analisis.base) + ", \"entradas\": [";
  for (std::size_t k = 0; k < analisis.entradas.size(); ++k) {
    const EntradaSensibilidad& e = analisis.entradas[k];
    if (k > 0) json += ", ";
    json += "{\"campo\": " + CadenaJson(e.Codigo()) + ", \"nombre\": " + CadenaJson(e.nombre) +
            ", \"valor\": " + NumeroJson(e.valor) + ", \"menos\": " + CifrasJson(e.menos) +
            ", \"mas\": " + CifrasJson(e.mas) + "}";
  }
  return json + "]}\n";
}

QByteArray LineaJsonFallo(const QString& archivo, FalloArchivo fallo) {
  return "{\"archivo\": " + CadenaJson(archivo) + ", \"error\": \"" + NombreFallo(fallo) +
         "\", \"mensaje\": " + CadenaJson(MensajeFallo(fallo)) + "}\n";
}

QByteArray CabeceraCsv() {
  QByteArray linea = "archivo";
  for (const char* columna : {"S", "O"}) {
    for (const char* nombre : kNombresResumen) {
      linea += QByteArray(",") + columna + "_" + nombre;
    }
  }
  return linea + ",error\n";
}

QByteArray LineaCsv(const QString& archivo, const Calculo& calculo) {
  QByteArray linea = CampoCsv(archivo);
  for (const Valores* v : {&calculo.ValoresS, &calculo.ValoresO}) {
    for (int i : kResumen) {
      linea += ',';
      const Valor& r = v->R[i];
      // Para la hoja de cálculo, como en los archivos: 15 cifras significativas como mucho, sin
      // el ruido del último bit de las sumas (157210.23 y no 157210.22999999998).
      if (r.EsNumero() && std::isfinite(r.Numero())) linea += NumeroArchivo(r.Numero()).toLatin1();
    }
  }
  return linea + ",\n";
}

QByteArray LineaCsvFallo(const QString& archivo, FalloArchivo fallo) {
  return CampoCsv(archivo) + QByteArray(2 * kResumen.size(), ',') + "," + NombreFallo(fallo) + "\n";
}

}  // namespace dorvelna
