#pragma once

#include <QString>

#include "nucleo/model/Valor.h"

namespace dorvelna {

class VentanaPrincipal;

// Estado del programa que vive mientras dura la ejecución.
extern QString NombreArchivo;       // archivo del cálculo abierto; "" si no tiene
extern QString SeparadorDecimal;    // separador decimal del idioma del usuario
extern bool MostrarCeros;           // los formularios de datos muestran el cero vacío
extern Valor ValorAnterior;         // valor del campo al recibir el foco
extern VentanaPrincipal* Principal; // la ventana principal (frmMain)

}  // namespace dorvelna
