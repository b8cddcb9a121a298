#pragma once

#include <QChar>
#include <QString>

#include "nucleo/entrada/EstadoCampo.h"
#include "nucleo/model/Calculo.h"
#include "nucleo/model/Valores.h"

namespace dorvelna {

// Piezas de la edición de un campo, sin controles: EdicionCampos las usa con el texto de la
// caja, sus decimales (-1 en un texto) y SeparadorDecimal.

// Filtro de una tecla de carácter (ni Intro ni retroceso). Borra siempre la selección
// (estado.texto y estado.cursor quedan como deben verse, el cursor al comienzo de la
// selección) y nada más, y dice si el carácter se admite. Si se admite, quien llama lo
// inserta en el cursor; si no, no se escribe nada y suena el pitido. Un texto admite todo
// salvo las comillas dobles.
bool FiltrarTecla(EstadoCampo& estado, QChar tecla, QChar separador);

// Valor tecleado: un texto sin los espacios de los extremos; un número con sus cifras y el
// primer separador como punto decimal, descartando lo demás (vacío o un punto solo es 0).
Valor LeerCampo(const QString& texto, int decimales, QChar separador);

// Texto que EntrarCampo pone en la caja: el texto tal cual; un número sin agrupar, con el
// separador del idioma y todos sus decimales; un cero, vacío.
QString TextoEdicion(const Valor& valor, int decimales, QChar separador);

// Comprueba registro(g, i), recién leído, contra sus límites y contra las reglas que lo
// atan a otros campos del mismo registro. Devuelve true si el valor se rechaza. El mensaje
// se compone siempre (límites y textos de las reglas incumplidas), se rechace o no.
bool ValidarValor(Formulario form, const Valores& registro, Grupo g, int i, const Valores& minimos,
                  const Valores& maximos, QString& mensaje);

}  // namespace dorvelna
