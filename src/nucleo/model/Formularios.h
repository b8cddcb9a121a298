#pragma once

#include <QString>
#include <span>
#include <utility>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Lo fijo de cada formulario, en el orden de la tira de patillas. Lo leen los formularios, la
// ventana principal (patillas y menús), la impresión y la ayuda.
struct DatosFormulario {
  Formulario formulario;
  Grupo grupo;
  const char* nombre;      // de la ventana: "frmCaracteristicas"
  const char* titulo;      // fijo de Frame1, al que se añade la descripción del cálculo
  const char* rotulo;      // de la patilla y del menú "Imprimir"; encabeza su parte de la ayuda
  const char* rotuloMenu;  // en el menú de formularios
  bool entrada;            // uno de los cinco de entrada de datos, que se imprimen sin más
};

std::span<const DatosFormulario> Formularios();
// Título de cada columna: S "Cálculo Personalizado", O "Calibrario de Costes".
QString TituloColumna(Columna col);
const DatosFormulario& DatosDe(Formulario f);
QString TituloFormulario(Formulario f);
QString RotuloFormulario(Formulario f);
QString RotuloMenuFormulario(Formulario f);

// Filas de la hoja de resultados, de arriba abajo: el importe R(i), su porcentaje y su
// sangría (0 a 3; las de nivel 0 y 1 van en negrita). El rótulo es el significado del
// importe en el catálogo. Las leen el formulario de resultados y la ayuda.
struct FilaResultado {
  int importe;
  int porcentaje;
  int nivel;
};
std::span<const FilaResultado> FilasResultados();

// Una sección con dos formas de introducir sus datos, elegidas por una pareja de botones de
// opción (OptionS<letra> y OptionO<letra>) y guardadas en un campo sí/no de su grupo.
struct DatosSeccion {
  Seccion seccion;
  Grupo grupo;
  int modo;           // campo sí/no: sí es la primera opción
  char letra;         // de los botones de la pareja
  bool desglose;      // "Desglosado"/"Total"; si no, "Compra"/"Otra forma (alquiler, ...)"
  const char* ayuda;  // del marco de la pareja en la columna S
  // Campos que sólo cuentan con la primera opción: el desglose, en el orden en que se suma y
  // se abre, o lo que pide la compra.
  std::span<const int> primera;
  // El total (de entrada en "Total", la suma del desglose en "Desglosado") o el coste anual,
  // que sólo cuenta con "Otra forma".
  int segunda;
};

// En el orden en que se fijan al presentar un cálculo.
std::span<const DatosSeccion> Secciones();
const DatosSeccion& DatosDe(Seccion s);
// La sección cuyo campo sí/no es el campo i del grupo g, si lo es de alguna.
const DatosSeccion* SeccionDeModo(Grupo g, int i);
// Textos de los dos botones de la pareja.
std::pair<QString, QString> TextosOpciones(const DatosSeccion& s);
bool EnPrimera(const DatosSeccion& s, int i);

}  // namespace dorvelna
