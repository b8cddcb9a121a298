#include "nucleo/archivos/InterpretarArchivo.h"

#include <QStringDecoder>
#include <charconv>

#include "nucleo/archivos/Cp1252.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }
bool EsCifra(char c) { return c >= '0' && c <= '9'; }
bool EsFinLinea(char c) { return c == '\r' || c == '\n'; }

struct Ficha {
  QByteArrayView texto;
  bool entreComillas = false;
};

// Separa los valores: uno acaba en el fin de línea o en una coma fuera de comillas.
class Troceador {
public:
  Troceador(QByteArrayView d, bool cortado) : d_(d), cortado_(cortado) {}

  // Nada si el archivo acabó o si el valor está mal formado (comillas sin cerrar, algo
  // tras las comillas de cierre).
  std::optional<Ficha> Siguiente() {
    if (p_ >= d_.size() && !trasComa_) return std::nullopt;
    trasComa_ = false;
    while (p_ < d_.size() && EsBlanco(d_[p_])) ++p_;
    Ficha f;
    if (p_ < d_.size() && d_[p_] == '"') {
      const qsizetype inicio = ++p_;
      while (p_ < d_.size() && d_[p_] != '"' && !EsFinLinea(d_[p_])) ++p_;
      if (p_ >= d_.size() || d_[p_] != '"') return std::nullopt;
      f.texto = d_.sliced(inicio, p_ - inicio);
      f.entreComillas = true;
      ++p_;
      while (p_ < d_.size() && EsBlanco(d_[p_])) ++p_;
      if (p_ < d_.size() && d_[p_] != ',' && !EsFinLinea(d_[p_])) return std::nullopt;
    } else {
      const qsizetype inicio = p_;
      while (p_ < d_.size() && d_[p_] != ',' && !EsFinLinea(d_[p_])) ++p_;
      qsizetype fin = p_;
      while (fin > inicio && EsBlanco(d_[fin - 1])) --fin;
      f.texto = d_.sliced(inicio, fin - inicio);
    }
    if (p_ >= d_.size()) {
      // Con el archivo a medias, el valor podría seguir más allá de lo leído.
      if (cortado_) return std::nullopt;
    } else if (d_[p_] == ',') {
      ++p_;
      trasComa_ = true;
    } else {
      if (d_[p_] == '\r' && p_ + 1 < d_.size() && d_[p_ + 1] == '\n') ++p_;
      ++p_;
    }
    return f;
  }

private:
  QByteArrayView d_;
  bool cortado_;
  qsizetype p_ = 0;
  bool trasComa_ = false;
};

// Signo menos opcional, cifras con punto y decimales (o punto y decimales sólo) y
// exponente opcional.
std::optional<double> LeerNumero(QByteArrayView t) {
  qsizetype k = 0;
  const qsizetype n = t.size();
  if (k < n && t[k] == '-') ++k;
  qsizetype cifras = 0;
  while (k < n && EsCifra(t[k])) ++k, ++cifras;
  if (k < n && t[k] == '.') {
    ++k;
    while (k < n && EsCifra(t[k])) ++k, ++cifras;
  }
  if (cifras == 0) return std::nullopt;
  if (k < n && (t[k] == 'E' || t[k] == 'e')) {
    ++k;
    if (k < n && (t[k] == '+' || t[k] == '-')) ++k;
    qsizetype exponente = 0;
    while (k < n && EsCifra(t[k])) ++k, ++exponente;
    if (exponente == 0) return std::nullopt;
  }
  if (k != n) return std::nullopt;
  double x = 0;
  const auto r = std::from_chars(t.data(), t.data() + n, x);
  if (r.ec != std::errc() || r.ptr != t.data() + n) return std::nullopt;
  return x;
}

int Entero(QByteArrayView t) {
  int x = 0;
  for (char c : t) x = x * 10 + (c - '0');
  return x;
}

bool SoloCifras(QByteArrayView t) {
  for (char c : t) {
    if (!EsCifra(c)) return false;
  }
  return !t.isEmpty();
}

// "#AAAA-MM-DD#", o con un blanco y "H:MM:SS" o "HH:MM:SS" antes del "#" final.
std::optional<QDate> LeerFecha(const Ficha& f) {
  const QByteArrayView t = f.texto;
  if (f.entreComillas || t.size() < 12 || t.front() != '#' || t.back() != '#') return std::nullopt;
  const QByteArrayView fecha = t.sliced(1, 10);
  if (fecha[4] != '-' || fecha[7] != '-') return std::nullopt;
  const QByteArrayView a = fecha.sliced(0, 4), m = fecha.sliced(5, 2), d = fecha.sliced(8, 2);
  if (!SoloCifras(a) || !SoloCifras(m) || !SoloCifras(d)) return std::nullopt;
  const QDate resultado(Entero(a), Entero(m), Entero(d));
  if (!resultado.isValid()) return std::nullopt;
  if (t.size() > 12) {
    // La hora se lee y se descarta.
    const QByteArrayView hora = t.sliced(11, t.size() - 12);
    if (hora.size() < 8 || hora[0] != ' ') return std::nullopt;
    const QByteArrayView hms = hora.sliced(1);
    const qsizetype dosPuntos = hms.indexOf(':');
    if (dosPuntos < 1 || dosPuntos > 2 || hms.size() != dosPuntos + 6) return std::nullopt;
    const QByteArrayView h = hms.sliced(0, dosPuntos), mi = hms.sliced(dosPuntos + 1, 2),
                         s = hms.sliced(dosPuntos + 4, 2);
    if (hms[dosPuntos + 3] != ':' || !SoloCifras(h) || !SoloCifras(mi) || !SoloCifras(s)) {
      return std::nullopt;
    }
    if (Entero(h) > 23 || Entero(mi) > 59 || Entero(s) > 59) return std::nullopt;
  }
  return resultado;
}

// Texto de un archivo en UTF-8, tal como está escrito (también una marca U+FEFF al
// principio); nada si los bytes no son UTF-8 válido.
std::optional<QString> DecodificarUtf8(QByteArrayView bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8,
                      QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString texto = utf8.decode(bytes);
  if (utf8.hasError()) return std::nullopt;
  return texto;
}

// Deja en "destino" el valor de la ficha para un campo de la clase "tipo"; falso si la
// ficha no es de esa clase.
bool LeerValor(Tipo tipo, const Ficha& f, bool enUtf8, Valor& destino) {
  switch (tipo) {
    case Tipo::Texto: {
      if (!enUtf8) {
        destino = Valor(DecodificarCp1252(f.texto));
        return true;
      }
      auto texto = DecodificarUtf8(f.texto);
      if (texto) destino = Valor(std::move(*texto));
      return texto.has_value();
    }
    case Tipo::Numero: {
      if (f.entreComillas) return false;
      if (f.texto.isEmpty()) {
        destino.Vaciar();
        return true;
      }
      const auto x = LeerNumero(f.texto);
      if (x) destino = Valor(*x);
      return x.has_value();
    }
    case Tipo::Logico:
      if (f.entreComillas) return false;
      if (f.texto.isEmpty()) destino.Vaciar();
      else if (f.texto == QByteArrayView("#TRUE#")) destino = Valor(true);
      else if (f.texto == QByteArrayView("#FALSE#")) destino = Valor(false);
      else return false;
      return true;
  }
  return false;
}

bool LeerColumna(Troceador& lector, bool enUtf8, Valores& destino) {
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) {
      const auto f = lector.Siguiente();
      if (!f) return false;
      if (!LeerValor(Campo(g, i).tipo, *f, enUtf8, destino(g, i))) return false;
    }
  }
  const auto f = lector.Siguiente();
  if (!f) return false;
  const auto fecha = LeerFecha(*f);
  if (!fecha) return false;
  destino.Fecha = *fecha;
  return true;
}

}  // namespace

std::optional<ContenidoArchivo> InterpretarArchivo(QByteArrayView bytes, bool cortado) {
  // Un archivo de texto no lleva NUL: con uno no es un archivo de cálculo, o está dañado.
  if (bytes.contains('\0')) return std::nullopt;
  // Un editor que guarda en UTF-8 empieza el archivo con la marca de orden de bytes.
  const QByteArrayView marcaUtf8("\xEF\xBB\xBF");
  const bool enUtf8 = bytes.startsWith(marcaUtf8);
  if (enUtf8) bytes = bytes.sliced(marcaUtf8.size());
  Troceador lector(bytes, cortado);
  ContenidoArchivo c;
  if (!LeerColumna(lector, enUtf8, c.S) || !LeerColumna(lector, enUtf8, c.O)) return std::nullopt;
  return c;
}

}  // namespace dorvelna
