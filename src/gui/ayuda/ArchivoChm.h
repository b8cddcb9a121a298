#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct chmFile;

namespace dorvelna {

// Un archivo de ayuda HTML compilado (.chm) abierto para leer, a través de chmlib. Las rutas
// de dentro del archivo empiezan por "/" ("/inicio.html"); chmlib no distingue mayúsculas.
class ArchivoChm {
public:
  // Nada si el archivo no existe o no es un .chm que chmlib sepa leer.
  static std::unique_ptr<ArchivoChm> Abrir(const QString& ruta);
  ~ArchivoChm();
  ArchivoChm(const ArchivoChm&) = delete;
  ArchivoChm& operator=(const ArchivoChm&) = delete;

  // Contenido de un objeto del archivo; nada si no está o no se puede leer entero.
  std::optional<QByteArray> Leer(const QString& ruta) const;
  bool Contiene(const QString& ruta) const;

  // Datos de la cabecera del proyecto (#SYSTEM, y #WINDOWS cuando #SYSTEM no los trae),
  // como rutas absolutas dentro del archivo. Vacíos si el archivo no los declara.
  QString TemaPorDefecto() const { return temaPorDefecto_; }
  QString Titulo() const { return titulo_; }
  QString IndiceContenido() const { return contenido_; }

  // Todos los objetos normales (páginas, imágenes, hojas de estilo) que guarda.
  QStringList Objetos() const;

  // Ruta absoluta dentro del archivo para un nombre del proyecto ("a.html" -> "/a.html").
  static QString RutaInterna(const QString& nombre);

private:
  explicit ArchivoChm(chmFile* archivo);
  void LeerSistema();
  void LeerVentanas();

  chmFile* archivo_;
  QString temaPorDefecto_;
  QString titulo_;
  QString contenido_;
};

}  // namespace dorvelna
