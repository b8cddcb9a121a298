#pragma once

#include <QString>

class QWidget;

namespace dorvelna {

class VentanaAyuda;
struct Entorno;

// Mandatos "Contenido" (mnuHelpContents, Dorvelna.chm) y "Acuerdos" (mnuAcuerdos,
// Acuerdos.chm): abre el archivo de la carpeta del programa en su tema por defecto, en una
// ventana de ayuda de la ventana dueña, o da el mensaje del archivo si no se puede abrir.
// ArchivoAyuda queda con la ruta completa del archivo pedido, se abriera o no.
void MandatoAyuda(QWidget* duena, const Entorno& entorno, const QString& mandato,
                  QString& ArchivoAyuda);

// Abre una ayuda compilada en su tema por defecto; la ventana de ese archivo que ya esté
// abierta se reutiliza. Nada si el archivo falta, está dañado o no declara tema por defecto.
VentanaAyuda* MostrarAyuda(QWidget* duena, const QString& ruta);

}  // namespace dorvelna
