#pragma once

#include <QString>

namespace dorvelna::ayuda {

// Capturas del programa para el manual, hechas con las ventanas de verdad: la ventana
// principal con una clase abierta, los diálogos de empezar un cálculo, un mensaje y cada
// formulario entero. carpetaPrograma es la que tiene el Calibrario. Devuelve el motivo del
// fallo, o vacío si todas quedaron escritas en carpetaImagenes.
QString HacerCapturas(const QString& carpetaPrograma, const QString& carpetaImagenes);

}  // namespace dorvelna::ayuda
