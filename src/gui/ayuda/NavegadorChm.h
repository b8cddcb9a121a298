#pragma once

#include <QTextBrowser>
#include <QUrl>

namespace dorvelna {

class ArchivoChm;

// Visor de las páginas de una ayuda compilada: las páginas, imágenes y hojas de estilo se
// leen del .chm con direcciones "chm:/ruta/pagina.html". Los enlaces a otras páginas del
// archivo se siguen aquí, con su historial; los de la red se dejan al navegador del sistema.
class NavegadorChm : public QTextBrowser {
  Q_OBJECT
public:
  explicit NavegadorChm(QWidget* padre = nullptr);

  void PonerArchivo(const ArchivoChm* chm) { chm_ = chm; }

  static QUrl Direccion(const QString& rutaInterna);
  // Ruta dentro del archivo de una dirección "chm:" (sin el ancla); vacía si no lo es.
  static QString RutaDe(const QUrl& direccion);

  QVariant loadResource(int tipo, const QUrl& nombre) override;

private:
  void SeguirEnlace(const QUrl& enlace);
  QString PaginaQueFalta(const QString& ruta) const;

  const ArchivoChm* chm_ = nullptr;
};

}  // namespace dorvelna
