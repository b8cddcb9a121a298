#pragma once

#include <memory>

#include "gui/comun/Entorno.h"
#include "gui/ventana/VentanaPrincipal.h"

class QApplication;

namespace dorvelna {

// Letra, icono y nombre de la aplicación.
void PrepararAplicacion(QApplication& aplicacion);

// El programa como lo deja el arranque, con el entorno dado: la ventana principal con el
// estado inicial (sin archivo, con el separador decimal del idioma y los datos iniciales), a
// la vista y sin cálculo; frmNueva encima si se pide. La usan el programa, sus pruebas, las
// medidas y las herramientas.
std::unique_ptr<VentanaPrincipal> AbrirPrograma(Entorno entorno = {}, bool mostrarNueva = true);

// Arranque del programa: presentación y ventana principal.
int Main(QApplication& aplicacion, bool conPresentacion = true);

}  // namespace dorvelna
