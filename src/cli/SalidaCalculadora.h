#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/model/Calculo.h"
#include "nucleo/model/Sensibilidad.h"

namespace dorvelna {

// Una línea JSON (con su salto) con las dos columnas del cálculo leído de "archivo".
QByteArray LineaJson(const QString& archivo, const Calculo& calculo);
// Una línea JSON (con su salto) con el análisis de sensibilidad del cálculo de "archivo".
QByteArray LineaJsonSensibilidad(const QString& archivo, const Sensibilidad& analisis);
// Una línea JSON con el fallo de "archivo" y el mensaje del diálogo de abrir.
QByteArray LineaJsonFallo(const QString& archivo, FalloArchivo fallo);

// Los campos de R del resumen: costes totales, directos, indirectos, C1, C2, C3, C4 y C5.
inline constexpr std::array<int, 8> kResumen = {18, 16, 17, 40, 45, 46, 47, 48};

// Resumen para hojas de cálculo: total, directos, indirectos y C1 a C5 de S y de O.
QByteArray CabeceraCsv();
QByteArray LineaCsv(const QString& archivo, const Calculo& calculo);
QByteArray LineaCsvFallo(const QString& archivo, FalloArchivo fallo);

// Texto como cadena JSON, entre comillas.
QByteArray CadenaJson(const QString& texto);
// Texto como campo CSV, entre comillas sólo si hace falta.
QByteArray CampoCsv(const QString& texto);

}  // namespace dorvelna
