#pragma once

#include <QString>

class QWidget;

namespace dorvelna {

class VentanaAyuda;

// Archivo de ayuda abierto en último lugar (ruta completa), como lo dejan los mandatos de
// ayuda aunque no se haya podido abrir.
extern QString ArchivoAyuda;

// Mandatos "Contenido" (mnuHelpContents, Dorvelna.chm) y "Acuerdos" (mnuAcuerdos,
// Acuerdos.chm): abre el archivo de la carpeta del programa en su tema por defecto, en una
// ventana de ayuda de la ventana dueña, o da el mensaje del archivo si no se puede abrir.
void MandatoAyuda(QWidget* duena, const QString& mandato);

// Abre una ayuda compilada en su tema por defecto; la ventana de ese archivo que ya esté
// abierta se reutiliza. Nada si el archivo falta, está dañado o no declara tema por defecto.
VentanaAyuda* MostrarAyuda(QWidget* duena, const QString& ruta);

}  // namespace dorvelna
