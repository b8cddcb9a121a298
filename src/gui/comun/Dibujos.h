#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace dorvelna {

// Dibujos propios del programa, hechos con QPainter sobre fondo transparente. Los tamaños son
// lógicos; `ratio` son los píxeles de la pantalla por punto (2 en una de alta resolución), y el
// dibujo se hace con todos ellos para que se vea nítido.

// Nombre de la versión al doble de resolución de una imagen: "img/logo.png" da
// "img/logo@2x.png".
QString NombreDoble(const QString& ruta);

// Lienzo transparente de ese tamaño lógico a esa resolución, listo para pintar en puntos.
QPixmap LienzoTransparente(QSize tamano, qreal ratio = 1);

// Vista lateral del autocar tipo de una clase: 0 "Más de 55" (tres ejes), 1 "39-55",
// 2 "26-38", 3 "10 - 25" (microbús). Las cuatro van a la misma escala y apoyadas en la
// misma línea de suelo, así que de una clase a la siguiente el dibujo se ve más pequeño.
// Una clase fuera de 0..3 da un dibujo vacío.
QPixmap DibujoAutocar(int clase, QSize tamano, qreal ratio = 1);
// Icono con el autocar nítido a la resolución normal y a la de la pantalla del control.
QIcon IconoAutocar(int clase, QSize tamano, qreal ratio);

// Icono del programa en varios tamaños (ventanas y barra de tareas).
QIcon IconoPrograma();
// El mismo dibujo del icono, para la presentación y la ventana "Acerca de".
QPixmap DibujoLogo(int lado, qreal ratio = 1);
// Icono de los archivos de cálculo (.dvn): una hoja con la esquina doblada y el icono del
// programa encima, para que el gestor de archivos los distinga.
QPixmap DibujoDocumento(int lado);
// Iconos de los mensajes, propios para que se vean nítidos a cualquier resolución: un
// círculo rojo con un aspa (error), azul con una "i" (información) o con "?" (pregunta).
enum class Aviso { Error, Informacion, Pregunta };
QPixmap DibujoAviso(Aviso aviso, int lado, qreal ratio = 1);
// Emblema del organismo que publica el programa.
QPixmap DibujoEscudo(QSize tamano, qreal ratio = 1);

}  // namespace dorvelna
