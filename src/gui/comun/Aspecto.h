#pragma once

class QColor;
class QWidget;

namespace dorvelna {

// Fondo de un color propio, pintado aunque el control no lo pinte por sí mismo.
void PintarFondo(QWidget* w, const QColor& color);
void PonerNegrita(QWidget* w);

}  // namespace dorvelna
