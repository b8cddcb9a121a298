#pragma once

#include <span>

#include "nucleo/model/Valores.h"

namespace dorvelna {

enum class Tipo { Numero, Texto, Logico };

enum class Rol {
  Entrada,         // lo escribe el usuario o lo trae un archivo
  Derivado,        // lo calcula el programa
  EntradaSiTotal,  // entrada en modo "Total", calculado en "Desglosado"
};

// Todo lo que se sabe de un campo: tipo, decimales, caracteres, límites, papel y textos.
struct DefinicionCampo {
  Grupo grupo;
  int indice;
  Tipo tipo;
  int decimales;   // -1 para los textos y los sí/no
  int caracteres;  // máximo que puede teclear el usuario; 0 si no se teclea
  Valor minimo;    // vacío si no tiene
  Valor maximo;    // vacío si no tiene
  Rol rol;
  const char* unidad;
  const char* significado;  // texto de ayuda o rótulo del campo
  const char* ayuda;        // información sobre herramientas en la columna S ("" si no tiene)
  const char* derivacion;   // operación que lo calcula ("" para las entradas)
};

// La definición de un campo; el índice debe estar dentro del grupo.
const DefinicionCampo& Campo(Grupo g, int indice);
int Decimales(Grupo g, int indice);

// Listas ordenadas de campos de entrada (EntradasC ... EntradasSS).
std::span<const int> Entradas(Grupo g);
bool EsEntrada(Grupo g, int indice);

}  // namespace dorvelna
