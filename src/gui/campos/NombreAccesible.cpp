#include "gui/campos/NombreAccesible.h"

#include <QWidget>

namespace dorvelna {

void NombrarCampo(QWidget& campo, const QString& rotulo, Columna col) {
  // Los rótulos largos llevan saltos de línea para la vista, que no se leen.
  const QString columna = col == Columna::S ? QStringLiteral("Cálculo Personalizado")
                                            : QStringLiteral("Calibrario de Costes");
  campo.setAccessibleName(rotulo.simplified() + QStringLiteral(", ") + columna);
}

}  // namespace dorvelna
