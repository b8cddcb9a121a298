#pragma once

#include <QChar>
#include <QHash>
#include <QString>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Estado del programa mientras dura: el cálculo abierto con sus cinco registros y su archivo,
// el separador decimal y la respuesta de la pregunta de grabar. Lo tiene la ventana principal,
// que da a cada pieza lo que necesita de él.
class EstadoPrograma {
public:
  // Con el separador decimal del idioma del usuario (ObtenerSeparadorDecimal).
  EstadoPrograma();
  explicit EstadoPrograma(QChar separador);
  EstadoPrograma(const EstadoPrograma&) = delete;
  EstadoPrograma& operator=(const EstadoPrograma&) = delete;

  Calculo calculo;
  QString NombreArchivo;         // archivo del cálculo abierto; "" si no tiene
  const QChar SeparadorDecimal;  // el del idioma, buscado una sola vez al arrancar
  // Los formularios de datos muestran vacío un cero; no cambia nunca.
  static constexpr bool MostrarCeros = false;
  bool Cancelado = true;  // la pregunta de grabar pide no seguir cerrando
  QString ArchivoAyuda;   // ayuda pedida en último lugar (ruta completa), se abriera o no
  // Última carpeta vista en cada unidad del diálogo de archivo: volver a una unidad lleva a
  // donde se dejó, como la carpeta actual de cada unidad del sistema.
  QHash<QString, QString> CarpetaDeUnidad;
};

}  // namespace dorvelna
