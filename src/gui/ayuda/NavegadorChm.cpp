#include "gui/ayuda/NavegadorChm.h"

#include <QDesktopServices>
#include <QImage>
#include <QStringDecoder>
#include <QTextDocument>

#include "gui/ayuda/ArchivoChm.h"
#include "gui/comun/Dibujos.h"

namespace dorvelna {

namespace {

const QString kEsquema = QStringLiteral("chm");

// Las páginas dicen su codificación en <meta charset>; sin ella se leen como UTF-8.
QString TextoPagina(const QByteArray& datos) {
  QStringDecoder decodificador = QStringDecoder::decoderForHtml(datos);
  if (!decodificador.isValid()) decodificador = QStringDecoder(QStringDecoder::Utf8);
  return decodificador(datos);
}

}  // namespace

NavegadorChm::NavegadorChm(QWidget* padre) : QTextBrowser(padre) {
  // Los enlaces se siguen aquí: los internos con setSource (y su historial), los externos
  // fuera del programa.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &NavegadorChm::SeguirEnlace);
}

QUrl NavegadorChm::Direccion(const QString& rutaInterna) {
  QUrl url;
  url.setScheme(kEsquema);
  url.setPath(ArchivoChm::RutaInterna(rutaInterna));
  return url;
}

QString NavegadorChm::RutaDe(const QUrl& direccion) {
  if (direccion.scheme() != kEsquema) return QString();
  return direccion.path();
}

void NavegadorChm::SeguirEnlace(const QUrl& enlace) {
  const QUrl url = enlace.isRelative() ? source().resolved(enlace) : enlace;
  const QString esquema = url.scheme().toLower();
  if (esquema == kEsquema) {
    setSource(url);
  } else if (esquema == QLatin1String("ms-its") || esquema == QLatin1String("mk") ||
             esquema == QLatin1String("its")) {
    // Enlaces escritos para el visor de Windows ("ms-its:Archivo.chm::/pagina.html"): se
    // abre la página dentro de este mismo archivo.
    const QString texto = url.toString();
    const qsizetype separador = texto.indexOf(QLatin1String("::"));
    if (separador >= 0) {
      QUrl interna = Direccion(texto.mid(separador + 2).section(QLatin1Char('#'), 0, 0));
      interna.setFragment(url.fragment());
      setSource(interna);
    }
  } else if (esquema == QLatin1String("http") || esquema == QLatin1String("https") ||
             esquema == QLatin1String("mailto")) {
    QDesktopServices::openUrl(url);
  }
}

QString NavegadorChm::PaginaQueFalta(const QString& ruta) const {
  return QStringLiteral(
             "<html><body><h2>Página no encontrada</h2>"
             "<p>La página <b>%1</b> no está en este archivo de ayuda.</p>"
             "<p>Use el botón <b>Atrás</b> para volver o <b>Inicio</b> para ir a la "
             "portada.</p></body></html>")
      .arg(ruta.toHtmlEscaped());
}

QVariant NavegadorChm::loadResource(int tipo, const QUrl& nombre) {
  const QUrl url = nombre.isRelative() ? source().resolved(nombre) : nombre;
  const QString ruta = RutaDe(url);
  if (ruta.isEmpty() || !chm_) return QTextBrowser::loadResource(tipo, nombre);
  const std::optional<QByteArray> datos = chm_->Leer(ruta);
  switch (tipo) {
    case QTextDocument::HtmlResource: return datos ? TextoPagina(*datos) : PaginaQueFalta(ruta);
    case QTextDocument::ImageResource: {
      // En una pantalla de alta resolución, la imagen al doble si la ayuda la trae: se ve
      // nítida y ocupa el mismo sitio.
      if (devicePixelRatioF() > 1) {
        if (const auto doble = chm_->Leer(NombreDoble(ruta))) {
          QImage imagen = QImage::fromData(*doble);
          imagen.setDevicePixelRatio(2);
          if (!imagen.isNull()) return imagen;
        }
      }
      if (!datos) return QVariant();
      const QImage imagen = QImage::fromData(*datos);
      return imagen.isNull() ? QVariant() : QVariant(imagen);
    }
    case QTextDocument::StyleSheetResource:
      return datos ? QVariant(QString::fromUtf8(*datos)) : QVariant();
    default: return datos ? QVariant(*datos) : QVariant();
  }
}

}  // namespace dorvelna
