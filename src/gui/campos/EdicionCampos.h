#pragma once

#include "nucleo/model/Valor.h"

class QWidget;

namespace dorvelna {

class CampoTexto;
class FormularioDatos;

// Rutinas por las que pasa toda edición de un campo de la columna S y toda presentación
// de un valor en un control.
void EntrarCampo(CampoTexto* control);
// tecla: código del carácter (13 Intro, 8 retroceso); vuelve 0 si la tecla no debe escribirse.
void TeclaCampo(CampoTexto* control, int& tecla);
// tecla: 13 con Intro, -1 al salir del campo.
void SalirCampo(CampoTexto* control, int tecla);
void AceptarValor(CampoTexto* control, int tecla);
void MostrarValor(const Valor& valor, QWidget* control, bool mostrarCeros);
void TeclaNavegacion(int tecla, FormularioDatos* form);

}  // namespace dorvelna
