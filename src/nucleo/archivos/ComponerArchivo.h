#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "nucleo/model/Valores.h"

namespace dorvelna {

// Las 194 líneas de un archivo de cálculo, cada una con su CR LF, en Windows-1252:
// entradas y fecha de S, después entradas y fecha de O. Las fechas se escriben tal como
// están en los registros.
std::vector<QByteArray> LineasArchivo(const Valores& s, const Valores& o);
QByteArray ComponerArchivo(const Valores& s, const Valores& o);

// Texto tal como puede guardarse entre comillas: sin comillas dobles (el formato no tiene
// forma de escaparlas) y sin saltos de línea.
QString TextoGuardable(const QString& texto);

// Número en la forma de los archivos, siempre legible de vuelta.
QString NumeroParaArchivo(double x);

}  // namespace dorvelna
