#pragma once

#include <QDate>
#include <QString>

#include "nucleo/model/Valores.h"

namespace dorvelna {

enum class Columna { S, O };

// Aspecto de un campo de la columna S: de entrada (habilitado) o calculado (gris, deshabilitado).
enum class Aspecto { Entrada, Calculado };

// Las secciones con dos formas de introducir los datos (parejas de botones de opción).
enum class Seccion {
  AdquisicionAutocar,  // F1(1)  OptionSA / OptionOA
  AdquisicionEquipos,  // F1(11) OptionSE / OptionOE
  Dietas,              // F2(2)  OptionSD / OptionOD
  Seguros,             // F2(9)  OptionSG / OptionOG
  Fiscales,            // F2(19) OptionSF / OptionOF
  Indirectos,          // I(1)   OptionSI / OptionOI
};

// Lo que el motor pide a la pantalla. El núcleo nunca toca un control: cambia los valores
// y avisa por aquí de qué mostrar, vaciar, habilitar o rotular. La implementación por
// defecto no hace nada (sirve a la calculadora de línea de órdenes).
class Pantalla {
public:
  virtual ~Pantalla() = default;

  // Mostrar el valor en el control del campo (MostrarValor con los decimales del control
  // y MostrarCeros; en los resultados, con los ceros visibles).
  virtual void MostrarCampo(Grupo, Columna, int /*indice*/, const Valor&) {}
  // Dejar vacío el texto del control del campo.
  virtual void VaciarCampo(Grupo, Columna, int /*indice*/) {}
  // Habilitar o deshabilitar el control del campo con el color correspondiente.
  virtual void PonerAspecto(Grupo, Columna, int /*indice*/, Aspecto) {}
  // Reescribir los títulos de los siete formularios con la descripción de ColumnaS.
  virtual void ReescribirTitulos(const QString& /*descripcion*/) {}
  // Pasos de presentación de un archivo y de grabación: fechas en los rótulos de columna.
  virtual void PresentarTitulos(const QString& /*descripcion*/, const QDate& /*fechaS*/,
                                const QDate& /*fechaO*/) {}
  virtual void FechaGrabada(const QDate& /*fechaS*/) {}
  // Mostrar u ocultar las filas de estructura, comercialización y otros en los resultados.
  virtual void FilasIndirectasVisibles(Columna, bool /*visibles*/) {}
  // El grupo R de la columna está calculado: mostrar las etiquetas y dibujar la tarta.
  virtual void ResultadosCalculados(Columna) {}
  // Nuevo texto del comentario de los costes indirectos de la columna.
  virtual void ComentarioCambiado(Columna, const QString& /*texto*/) {}
  // Parte de disposición de un cambio de modo (marcos y rótulos que se muestran u ocultan).
  // Se avisa antes de los efectos sobre los campos.
  virtual void ModoAplicado(Seccion, Columna, bool /*primeraOpcion*/) {}
};

}  // namespace dorvelna
