#include "gui/campos/NombreAccesible.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>
#include <map>
#include <vector>

#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {
QString FinColumna(Columna col) { return QStringLiteral(", ") + TituloColumna(col); }
}  // namespace

void NombrarCampo(QWidget& campo, const QString& rotulo, Columna col, const QString& detalle) {
  // Los rótulos largos llevan saltos de línea para la vista, que no se leen.
  QString nombre = rotulo.simplified();
  if (!detalle.isEmpty()) nombre += QStringLiteral(", ") + detalle;
  campo.setAccessibleName(nombre + FinColumna(col));
}

void DistinguirNombres(QWidget& columna, Columna col) {
  std::map<QString, std::vector<QLineEdit*>> porNombre;
  for (QLineEdit* campo : columna.findChildren<QLineEdit*>()) {
    if (!campo->accessibleName().isEmpty()) porNombre[campo->accessibleName()].push_back(campo);
  }
  const QString fin = FinColumna(col);
  for (auto& [nombre, campos] : porNombre) {
    if (campos.size() < 2) continue;
    for (QLineEdit* campo : campos) {
      // El marco más exterior dentro de la columna.
      QGroupBox* marco = nullptr;
      for (QWidget* w = campo->parentWidget(); w && w != &columna; w = w->parentWidget()) {
        if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) marco = g;
      }
      if (!marco || !nombre.endsWith(fin)) continue;
      campo->setAccessibleName(nombre.chopped(fin.size()) + QStringLiteral(", ") +
                               marco->title().simplified() + fin);
    }
  }
}

}  // namespace dorvelna
