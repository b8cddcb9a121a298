#pragma once

#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "gui/comun/Entorno.h"
#include "gui/ventana/VentanaPrincipal.h"
#include "nucleo/model/Calculo.h"

// Para que GoogleTest muestre los textos de Qt legibles al fallar.
inline void PrintTo(const QString& texto, std::ostream* salida) {
  *salida << '"' << texto.toStdString() << '"';
}

namespace dorvelna::pruebas {

// Base de las pruebas de la ventana principal: la ventana como la deja el arranque, mostrada
// y activa, sin presentación ni frmNueva. La carpeta del programa del entorno es la de las
// pruebas (con el Calibrario que copia la construcción) salvo que se pida una temporal.
class VentanaPrueba : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Carpeta de programa temporal, con una copia del Calibrario si se pide. Llamarla antes
  // de AbrirVentana para que la ventana la use, como todo lo que se ponga en el entorno.
  QString CarpetaTemporal(bool copiarCalibrario = true);
  void AbrirVentana();
  // Elige la clase k (0 "Más de 55", 1 "39-55", 2 "26-38", 3 "10 - 25") con frmTipoVeh.
  void AbrirClase(int k);
  // Ventana abierta con la clase k, con las patillas a la vista y la ventana activa.
  void AbrirConClase(int k);

  template <class T = QWidget>
  T* Hijo(const QString& nombre) const {
    return ventana ? ventana->findChild<T*>(nombre) : nullptr;
  }
  QLineEdit* Campo(const QString& nombre) const { return Hijo<QLineEdit>(nombre); }
  // El cálculo de la ventana y el estado del programa que lo tiene.
  Calculo& Datos() const { return ventana->Datos(); }
  EstadoPrograma& Estado() const { return ventana->Estado(); }
  // Lleva el foco al control (ventana activa) y espera a que lo tenga.
  void Enfocar(QWidget* w) const;

  Entorno entorno;
  std::unique_ptr<VentanaPrincipal> ventana;
  std::unique_ptr<QTemporaryDir> temporal;
};

}  // namespace dorvelna::pruebas
