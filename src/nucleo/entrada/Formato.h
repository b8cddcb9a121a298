#pragma once

#include <QLocale>
#include <QString>

#include "nucleo/model/Valor.h"

namespace dorvelna {

// Separador decimal del idioma del usuario: el primer carácter que no es cifra en 1,5.
QString ObtenerSeparadorDecimal(const QLocale& idioma = QLocale());

// Texto de un valor para mostrarlo: agrupación de miles y exactamente "decimales" cifras
// tras el separador del idioma; decimales -1 deja el texto tal cual. Un cero se muestra
// vacío salvo que se pidan los ceros.
QString FormatearValor(const Valor& valor, int decimales, bool mostrarCeros,
                       const QLocale& idioma = QLocale());

}  // namespace dorvelna
