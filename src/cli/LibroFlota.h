#pragma once

#include <QString>
#include <optional>

#include "exportar/LibroXlsx.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

// Libro de la flota: una hoja "Flota" con una fila por archivo, en el orden en que se añaden:
// la ruta, la descripción, plazas, kilómetros y horas al año, y de la columna S los costes
// totales, directos e indirectos y C1 a C5 (las mismas cifras que --json); o, para un archivo
// que no se pudo leer, sólo la ruta y el motivo en la última columna.
class LibroFlota {
public:
  explicit LibroFlota(const QString& ruta, const Intermediario& intermediario = {});

  void Anadir(const QString& archivo, const Calculo& calculo);
  void AnadirFallo(const QString& archivo, FalloArchivo fallo);

  // Lo mismo que en LibroXlsx.
  const std::optional<QString>& Fallo() const { return libro_.Fallo(); }
  std::optional<QString> Guardar() { return libro_.Guardar(); }

private:
  LibroXlsx libro_;
  HojaXlsx& hoja_;
  int fila_ = 1;
};

}  // namespace dorvelna
