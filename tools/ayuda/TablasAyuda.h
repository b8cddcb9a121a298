#pragma once

#include <QDir>
#include <QLocale>
#include <QString>
#include <map>
#include <memory>
#include <optional>

#include "nucleo/model/Calculo.h"

namespace dorvelna::ayuda {

// Las partes de las páginas de ayuda que salen de los datos del programa: las tablas de
// campos del catálogo y los valores de las clases de autocar del Calibrario, leídos con el
// mismo código que usa el programa. Cada marca "<!--@nombre argumento-->" de una página se
// sustituye por el HTML que devuelve Generar.
class TablasAyuda {
public:
  explicit TablasAyuda(const QString& carpetaCalibrario);

  // HTML de la marca; si la marca no existe o sus datos no se pueden leer, nada y el motivo
  // en error.
  std::optional<QString> Generar(const QString& marca, const QString& argumento, QString& error);

private:
  // Cálculo leído del archivo de una clase (nombre dentro del Calibrario); nulo si falla.
  const Calculo* Clase(const QString& archivo, QString& error);

  QString Campos(Grupo g) const;
  QString Supuestos(const Calculo& c) const;
  QString CostesAnuales(const Valores& v) const;
  QString CostesUnitarios(const Valores& v) const;
  std::optional<QString> Comparativa(QString& error);

  QString Cifra(const Valor& v, int decimales) const;
  QString ValorCampo(const Valores& v, Grupo g, int i) const;

  QDir calibrario_;
  QLocale idioma_;
  std::map<QString, std::unique_ptr<Calculo>> clases_;
};

// Archivos de las cuatro clases, de la menor a la mayor.
const QStringList& ArchivosClases();

}  // namespace dorvelna::ayuda
