#include "gui/ayuda/MapaContenido.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

#include "nucleo/archivos/Cp1252.h"

namespace dorvelna {

namespace {

// Las entidades (&amp;, &aacute;, &#241;...) las resuelve el lector de HTML de Qt.
QString DecodificarEntidades(const QString& texto) {
  if (!texto.contains(QLatin1Char('&'))) return texto;
  QString html = texto;
  html.replace(QLatin1Char('<'), QLatin1String("&lt;"))
      .replace(QLatin1Char('>'), QLatin1String("&gt;"));
  return QTextDocumentFragment::fromHtml(html).toPlainText();
}

// Valor de un atributo de una etiqueta, con comillas dobles, simples o sin ellas.
QString Atributo(const QString& atributos, const QString& nombre) {
  const QRegularExpression patron(
      QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))")
          .arg(QRegularExpression::escape(nombre)),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = patron.match(atributos);
  if (!m.hasMatch()) return QString();
  for (int k = 1; k <= 3; ++k) {
    if (m.capturedStart(k) >= 0) return DecodificarEntidades(m.captured(k));
  }
  return QString();
}

}  // namespace

std::vector<EntradaContenido> LeerMapaContenido(const QByteArray& html) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString texto = utf8(html);
  if (utf8.hasError()) texto = DecodificarCp1252(html);

  static const QRegularExpression etiqueta(
      QStringLiteral("<\\s*(/?)\\s*(ul|object|param)\\b([^>]*)>"),
      QRegularExpression::CaseInsensitiveOption);

  std::vector<EntradaContenido> raiz;
  // Cada <UL> después del primero cuelga de la última entrada del nivel en que se abre.
  std::vector<std::vector<EntradaContenido>*> niveles{&raiz};
  int listasAbiertas = 0;
  bool enObjeto = false;
  EntradaContenido actual;

  for (auto it = etiqueta.globalMatch(texto); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const bool cierre = !m.captured(1).isEmpty();
    const QString nombre = m.captured(2).toLower();
    const QString atributos = m.captured(3);
    if (nombre == QLatin1String("ul")) {
      if (!cierre) {
        if (++listasAbiertas > 1) {
          std::vector<EntradaContenido>* nivel = niveles.back();
          niveles.push_back(nivel->empty() ? nivel : &nivel->back().hijas);
        }
      } else if (listasAbiertas > 0) {
        if (--listasAbiertas > 0 && niveles.size() > 1) niveles.pop_back();
      }
    } else if (nombre == QLatin1String("object")) {
      if (!cierre) {
        enObjeto = Atributo(atributos, QStringLiteral("type"))
                       .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
        actual = EntradaContenido();
      } else if (enObjeto) {
        enObjeto = false;
        if (!actual.nombre.isEmpty() || !actual.pagina.isEmpty()) {
          niveles.back()->push_back(std::move(actual));
        }
        actual = EntradaContenido();
      }
    } else if (enObjeto && !cierre) {
      const QString parametro = Atributo(atributos, QStringLiteral("name"));
      const QString valor = Atributo(atributos, QStringLiteral("value"));
      // Un objeto puede repetir Name/Local para varias páginas: vale el primero.
      if (parametro.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0) {
        if (actual.nombre.isEmpty()) actual.nombre = valor;
      } else if (parametro.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0) {
        if (actual.pagina.isEmpty()) actual.pagina = valor;
      }
    }
  }
  return raiz;
}

}  // namespace dorvelna
