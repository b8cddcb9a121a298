#pragma once

#include <QString>
#include <array>

#include "nucleo/model/Valores.h"

namespace dorvelna::pruebas {

// Las cuatro clases de autocar de referencia, de la mayor a la menor.
struct ClaseAutocar {
  const char* archivo;  // nombre en la carpeta Calibrario
  Valores valores;      // entradas de una columna (S = O) y fecha
};

const std::array<ClaseAutocar, 4>& ClasesAutocar();

}  // namespace dorvelna::pruebas

#include <QByteArrayList>

namespace dorvelna::pruebas {

// Las 194 líneas, sin su fin de línea, del archivo de la clase k (S = O).
QByteArrayList LineasClase(int k);
QByteArray Unir(const QByteArrayList& lineas, const QByteArray& fin = "\r\n");

}  // namespace dorvelna::pruebas
