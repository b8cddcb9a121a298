#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "nucleo/archivos/GrabacionDeUnaVez.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace dorvelna {

class LibroXlsx;

// Una hoja del libro. Recuerda el texto más ancho de cada columna para dejarla con el ancho
// justo al grabar. Filas y columnas empiezan en 0.
class HojaXlsx {
public:
  // Rótulos en negrita en la primera fila, que queda fija al desplazarse por la hoja.
  void Cabecera(const QStringList& rotulos);
  void Texto(int fila, int columna, const QString& texto);
  // Número con sus decimales como formato de la celda (con separador de miles); uno que no
  // es finito deja la celda vacía, como un campo vacío.
  void Numero(int fila, int columna, double numero, int decimales);

private:
  friend class LibroXlsx;
  HojaXlsx(LibroXlsx& libro, lxw_worksheet* hoja) : libro_(libro), hoja_(hoja) {}
  void Ancho(int columna, double caracteres);
  void AjustarColumnas();

  LibroXlsx& libro_;
  lxw_worksheet* hoja_;
  std::vector<double> anchos_;
};

// Un libro .xlsx que se graba en "ruta" de una vez, o no se graba: libxlsxwriter lo compone
// en un temporal de la carpeta temporal del sistema y sólo si lo cierra bien se copia a un
// QSaveFile junto al destino, que lo sustituye al confirmarse. Si algo falla no queda ni el
// archivo nuevo ni ningún temporal, y un archivo anterior con ese nombre sigue intacto.
//
// El destino se abre ya en el constructor, para saber cuanto antes si se podrá grabar
// (Fallo()); el libro se puede llenar igualmente, y Guardar() devuelve ese mismo motivo.
class LibroXlsx {
public:
  explicit LibroXlsx(const QString& ruta, const Intermediario& intermediario = {});
  ~LibroXlsx();
  LibroXlsx(const LibroXlsx&) = delete;
  LibroXlsx& operator=(const LibroXlsx&) = delete;

  // Título y asunto del documento (Archivo > Propiedades en la hoja de cálculo).
  void Propiedades(const QString& titulo, const QString& asunto);
  // Hoja nueva al final del libro. La referencia vale mientras viva el libro.
  HojaXlsx& Hoja(const QString& nombre);

  // El primer motivo por el que el libro no se podrá grabar, si ya lo hay.
  const std::optional<QString>& Fallo() const { return fallo_; }
  // Cierra el libro y lo lleva a su destino. Sin valor si quedó grabado; si no, el motivo,
  // en una frase. Sólo se llama una vez.
  std::optional<QString> Guardar();

private:
  friend class HojaXlsx;
  // Formatos compartidos por todas las hojas.
  lxw_format* Negrita();
  lxw_format* Decimales(int decimales);
  void Fallar(const QString& motivo);
  void FallarLibro(int error);

  GrabacionDeUnaVez destino_;
  QTemporaryFile borrador_;
  lxw_workbook* libro_ = nullptr;
  std::vector<std::unique_ptr<HojaXlsx>> hojas_;
  lxw_format* negrita_ = nullptr;
  std::map<int, lxw_format*> decimales_;
  QByteArray titulo_, asunto_, carpetaTemporal_;
  std::optional<QString> fallo_;
  bool guardado_ = false;
};

}  // namespace dorvelna
