#pragma once

#include <QStringList>
#include <span>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Las tres situaciones de la ventana que deciden qué entradas de menú se pueden elegir.
enum class SituacionMenus {
  SinCalculo,    // al empezar y tras cerrar el cálculo
  ConCalculo,    // con un cálculo abierto
  DialogoNuevo,  // mientras se ven frmNueva o frmTipoVeh
};

struct EstadosMenu {
  bool sinCalculo;
  bool conCalculo;
  bool dialogoNuevo;
};

// Una entrada del árbol de menús. Una leyenda "-" es una línea de separación; una entrada
// sin padre está en la barra de menús, y la que es padre de otras abre un submenú.
// Las entradas que llevan a un formulario o lo imprimen no tienen leyenda propia: dicen la
// del formulario (Leyenda()).
struct EntradaMenu {
  const char* nombre;   // objectName de la acción (y del menú que abre)
  const char* leyenda;  // nullptr: la del formulario
  const char* atajo;    // "" si no tiene
  const char* padre;    // nullptr en la barra de menús
  EstadosMenu estados;
  Formulario formulario = Formulario::Caracteristicas;
  bool imprime = false;  // del menú "Imprimir", que usa el rótulo de la patilla
};

// El árbol de menús de la ventana principal, en el orden en que se ven.
std::span<const EntradaMenu> TablaMenus();

// La entrada con ese nombre, o nullptr.
const EntradaMenu* EntradaDeMenu(const QString& nombre);
QString Leyenda(const EntradaMenu& entrada);
bool EsSeparador(const EntradaMenu& entrada);
bool AbreMenu(const EntradaMenu& entrada);
bool Habilitada(const EntradaMenu& entrada, SituacionMenus situacion);
// Las acciones (ni menús ni separaciones) que cuelgan de un menú, a cualquier profundidad.
QStringList AccionesBajo(const char* menu);

}  // namespace dorvelna
