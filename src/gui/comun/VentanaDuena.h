#pragma once

class QWidget;

namespace dorvelna {

// Ventana dueña de los diálogos modales del programa (la ventana principal cuando existe).
// Sin dueña, los diálogos se abren sueltos, como la presentación antes de la ventana principal.
void EstablecerVentanaDuena(QWidget* ventana);
QWidget* VentanaDuena();

}  // namespace dorvelna
