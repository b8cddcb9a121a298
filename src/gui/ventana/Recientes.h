#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;

namespace dorvelna {

inline constexpr int kMaximoRecientes = 8;

// Los últimos cálculos abiertos o grabados, el más reciente primero. Viven en la
// configuración del usuario, así que siguen ahí al volver a arrancar el programa.
QStringList CalculosRecientes();
void AnotarReciente(const QString& ruta);
void QuitarReciente(const QString& ruta);
void VaciarRecientes();

// Rehace las entradas del submenú "Cálculos recientes" que van delante de `separador`: el
// nombre del archivo como leyenda y la ruta entera como ayuda de la barra de estado. Elegir
// una llama a `abrir` con su ruta.
void LlenarMenuRecientes(QMenu& menu, QAction* separador,
                         const std::function<void(const QString&)>& abrir);

}  // namespace dorvelna
