#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace dorvelna {

// Dibujos propios del programa, hechos con QPainter sobre fondo transparente.

// Vista lateral del autocar tipo de una clase: 0 "Más de 55" (tres ejes), 1 "39-55",
// 2 "26-38", 3 "10 - 25" (microbús). Las cuatro van a la misma escala y apoyadas en la
// misma línea de suelo, así que de una clase a la siguiente el dibujo se ve más pequeño.
// Una clase fuera de 0..3 da un dibujo vacío.
QPixmap DibujoAutocar(int clase, QSize tamano);

// Icono del programa en varios tamaños (ventanas y barra de tareas).
QIcon IconoPrograma();
// El mismo dibujo del icono, para la presentación y la ventana "Acerca de".
QPixmap DibujoLogo(int lado);
// Icono de los archivos de cálculo (.dvn): una hoja con la esquina doblada y el icono del
// programa encima, para que el gestor de archivos los distinga.
QPixmap DibujoDocumento(int lado);
// Emblema del organismo que publica el programa.
QPixmap DibujoEscudo(QSize tamano);

}  // namespace dorvelna
