// Herramienta de la construcción: prepara las fuentes de una ayuda para chmcmd. Copia la
// carpeta de la ayuda, sustituye en las páginas las marcas "<!--@nombre argumento-->" por
// las tablas que salen de los datos del programa y, si se pide, hace las capturas de las
// ventanas para el manual.
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QRegularExpression>
#include <cstdio>

#include "CapturasAyuda.h"
#include "TablasAyuda.h"
#include "gui/comun/Dibujos.h"
#include "gui/comun/Identidad.h"
#include "gui/ventana/Arranque.h"

namespace {

using dorvelna::ayuda::TablasAyuda;

void Fallo(const QString& texto) {
  std::fprintf(stderr, "PrepararAyuda: %s\n", texto.toLocal8Bit().constData());
}

// Marcas que salen del propio programa: su versión y sus dibujos, que se guardan como
// imágenes de la ayuda.
std::optional<QString> MarcaDelPrograma(const QString& marca, const QString& argumento,
                                        const QDir& destino, QString& error) {
  if (marca == QLatin1String("version")) return dorvelna::TextoVersion();
  // Cada dibujo, también al doble de resolución ("@2x") para las pantallas que la tienen.
  QPixmap dibujo, doble;
  QString nombre;
  if (marca == QLatin1String("logo")) {
    dibujo = dorvelna::DibujoLogo(64);
    doble = dorvelna::DibujoLogo(64, 2);
    nombre = QStringLiteral("logo");
  } else if (marca == QLatin1String("dibujo")) {
    bool bien = false;
    const int clase = argumento.toInt(&bien);
    if (!bien || clase < 0 || clase > 3) {
      error = QStringLiteral("no hay dibujo de la clase «%1»").arg(argumento);
      return std::nullopt;
    }
    dibujo = dorvelna::DibujoAutocar(clase, QSize(300, 120));
    doble = dorvelna::DibujoAutocar(clase, QSize(300, 120), 2);
    nombre = QStringLiteral("autocar%1").arg(clase);
  } else {
    return std::nullopt;
  }
  const QString relativa = QStringLiteral("img/%1.png").arg(nombre);
  if (!destino.mkpath(QStringLiteral("img")) || !dibujo.save(destino.filePath(relativa), "PNG") ||
      !doble.save(destino.filePath(dorvelna::NombreDoble(relativa)), "PNG")) {
    error = QStringLiteral("no se puede guardar ") + relativa;
    return std::nullopt;
  }
  return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"\">")
      .arg(relativa)
      .arg(dibujo.width())
      .arg(dibujo.height());
}

// Sustituye las marcas de una página; false si alguna no se puede resolver.
bool ResolverMarcas(QString& pagina, TablasAyuda& tablas, const QDir& destino,
                    const QString& nombre) {
  static const QRegularExpression marca(QStringLiteral("<!--@(\\w+)\\s*(.*?)\\s*-->"));
  QString salida;
  qsizetype desde = 0;
  for (auto it = marca.globalMatch(pagina); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    salida += QStringView(pagina).sliced(desde, m.capturedStart() - desde);
    QString error;
    std::optional<QString> html = MarcaDelPrograma(m.captured(1), m.captured(2), destino, error);
    if (!html && error.isEmpty()) html = tablas.Generar(m.captured(1), m.captured(2), error);
    if (!html) {
      Fallo(QStringLiteral("%1: %2").arg(nombre, error));
      return false;
    }
    salida += *html;
    desde = m.capturedEnd();
  }
  salida += QStringView(pagina).sliced(desde);
  pagina = salida;
  return true;
}

bool Copiar(const QDir& origen, const QDir& destino, TablasAyuda& tablas) {
  QDirIterator it(origen.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString ruta = it.next();
    const QString relativa = origen.relativeFilePath(ruta);
    const QString final = destino.filePath(relativa);
    if (!QDir().mkpath(QFileInfo(final).path())) {
      Fallo(QStringLiteral("no se puede crear la carpeta de ") + final);
      return false;
    }
    QFile entrada(ruta);
    if (!entrada.open(QIODevice::ReadOnly)) {
      Fallo(QStringLiteral("no se puede leer ") + ruta);
      return false;
    }
    QByteArray datos = entrada.readAll();
    if (relativa.endsWith(QLatin1String(".html"))) {
      QString pagina = QString::fromUtf8(datos);
      if (!ResolverMarcas(pagina, tablas, destino, relativa)) return false;
      datos = pagina.toUtf8();
    }
    QFile salida(final);
    if (!salida.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        salida.write(datos) != datos.size() || !salida.flush()) {
      Fallo(QStringLiteral("no se puede escribir ") + final);
      return false;
    }
  }
  return true;
}

}  // namespace

// Las imágenes "@2x" no las nombra ninguna página: se añaden a la lista de archivos del
// proyecto de la ayuda para que chmcmd las meta.
bool AnadirImagenesDobles(const QDir& destino) {
  QStringList dobles;
  QDirIterator it(destino.filePath(QStringLiteral("img")), {QStringLiteral("*@2x.png")},
                  QDir::Files);
  while (it.hasNext()) dobles << destino.relativeFilePath(it.next());
  if (dobles.isEmpty()) return true;
  dobles.sort();
  for (const QString& hhp : destino.entryList({QStringLiteral("*.hhp")}, QDir::Files)) {
    QFile proyecto(destino.filePath(hhp));
    if (!proyecto.open(QIODevice::ReadWrite)) return false;
    QByteArray texto = proyecto.readAll();
    const qsizetype archivos = texto.indexOf("[FILES]");
    if (archivos < 0) continue;
    const qsizetype fin = texto.indexOf('\n', archivos);
    const QByteArray salto = texto.contains("\r\n") ? "\r\n" : "\n";
    texto.insert(fin < 0 ? texto.size() : fin + 1,
                 dobles.join(QString::fromLatin1(salto)).toUtf8() + salto);
    if (!proyecto.resize(0) || !proyecto.seek(0) || proyecto.write(texto) != texto.size() ||
        !proyecto.flush())
      return false;
  }
  return true;
}

int main(int argc, char** argv) {
  // Las capturas se hacen sin pantalla.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacion(argc, argv);
  const QStringList args = aplicacion.arguments();
  if (args.size() != 4 && !(args.size() == 6 && args[4] == QLatin1String("--capturas"))) {
    Fallo(QStringLiteral(
        "uso: PrepararAyuda ORIGEN DESTINO CALIBRARIO [--capturas CARPETA_PROGRAMA]"));
    return 2;
  }
  // Las cifras de la ayuda y de las capturas, como las verá un usuario en España.
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  dorvelna::PrepararAplicacion(aplicacion);

  const QDir origen(args[1]);
  QDir destino(args[2]);
  if (destino.exists() && !destino.removeRecursively()) {
    Fallo(QStringLiteral("no se puede vaciar ") + args[2]);
    return 1;
  }
  TablasAyuda tablas(args[3]);
  if (!Copiar(origen, destino, tablas)) return 1;
  if (args.size() == 6) {
    const QString error = dorvelna::ayuda::HacerCapturas(args[5], destino.filePath("img"));
    if (!error.isEmpty()) {
      Fallo(error);
      return 1;
    }
  }
  if (!AnadirImagenesDobles(destino)) {
    Fallo(QStringLiteral("no se pueden añadir las imágenes dobles al proyecto de ") + args[2]);
    return 1;
  }
  return 0;
}
