#pragma once

#include <QString>

namespace dorvelna {

// Lo que el filtro de teclas necesita saber de la caja de texto de un campo.
struct EstadoCampo {
  QString texto;
  int cursor = 0;       // SelStart: posición del cursor, desde 0
  int selInicio = 0;    // comienzo de la selección (sin efecto si selLongitud es 0)
  int selLongitud = 0;  // caracteres seleccionados
  int maxLength = 32767;
  int decimales = 0;  // -1 en un campo de texto
};

}  // namespace dorvelna
