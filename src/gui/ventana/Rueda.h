#pragma once

#include <functional>

class QWheelEvent;
class QWidget;

namespace dorvelna {

// Lo que hace la ventana principal con un giro de la rueda: recibe el parámetro de
// MouseWheel (ParametroRueda).
using GiroRueda = std::function<void(int rotacion)>;

// Gancho de la rueda del ratón. Se pone sobre la ventana del formulario a la vista y
// hace de su procedimiento de ventana: cada giro sobre cualquier control de la ventana
// principal, con el puntero dentro de ella, mueve el formulario un paso pequeño, y el
// suceso sigue su camino.
void InstalarRueda(QWidget* ventana, const QWidget* principal, GiroRueda girar);
void QuitarRueda(QWidget* ventana);
bool TieneRueda(const QWidget* ventana);

// Atiende un suceso de rueda que pasa por la ventana enganchada.
void ProcesarMensaje(const QWidget* principal, const QWheelEvent& suceso, const GiroRueda& girar);

// Si el punto (x, y) de la pantalla cae dentro del rectángulo de la ventana, marco incluido.
bool PunteroEnVentana(const QWidget* ventana, int x, int y);

// El parámetro que recibe MouseWheel: el giro con signo en los 16 bits altos, de modo que
// el número entero es negativo justo cuando la rueda gira hacia el usuario.
int ParametroRueda(int giro);

}  // namespace dorvelna
