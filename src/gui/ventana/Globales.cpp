#include "gui/ventana/Globales.h"

namespace dorvelna {

QString NombreArchivo;
QString SeparadorDecimal = QStringLiteral(",");
bool MostrarCeros = false;
Valor ValorAnterior;
VentanaPrincipal* Principal = nullptr;

}  // namespace dorvelna
