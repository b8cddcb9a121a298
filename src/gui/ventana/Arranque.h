#pragma once

#include <QString>
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

// Arranque del programa: presentación y ventana principal, con el cálculo `archivo` abierto
// si se da uno.
int Main(QApplication& aplicacion, bool conPresentacion = true, const QString& archivo = {});
// La ventana recién mostrada empieza con "Tipo de Cálculo" o, si se da, abriendo `archivo`;
// si no se puede abrir, tras su mensaje, con "Tipo de Cálculo" igualmente.
void Empezar(VentanaPrincipal& ventana, const QString& archivo);

}  // namespace dorvelna
