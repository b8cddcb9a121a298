#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "nucleo/archivos/GrabacionDeUnaVez.h"

class QPagedPaintDevice;
class QWidget;

namespace dorvelna {

class Calculo;
struct Entorno;

// Dibuja los formularios en las páginas de `hoja`; vacío si salió bien, o el motivo.
using DibujarHojas = std::function<QString(QPagedPaintDevice& hoja)>;

// Un PDF A4 con lo que dibuje `dibujar` (los formularios, como al imprimirlos) y el título
// "Dorvelna — " + la descripción de la clase. Se graba de una vez o no se graba: no queda ni
// el archivo nuevo ni un temporal, y un archivo anterior con ese nombre sigue intacto. Sin
// valor si quedó grabado; si no, el motivo.
std::optional<QString> ExportarPdf(const Calculo& calculo, const DibujarHojas& dibujar,
                                   const QString& ruta, const Intermediario& intermediario = {});

// El nombre que se propone al exportar: el del archivo del cálculo o, si no lo tiene, la
// descripción de la clase, con la extensión dada, en la carpeta de los cálculos.
QString NombrePropuesto(const Calculo& calculo, const QString& archivo, const QString& extension,
                        const Entorno& entorno);

// Pregunta dónde exportar (diálogo de grabar del sistema); vacío si se cancela. Las pruebas
// ponen otra función en su lugar.
using PreguntaDestino = std::function<QString(QWidget* padre, const QString& propuesta)>;
QString PreguntarDestinoPdf(QWidget* padre, const QString& propuesta);
QString PreguntarDestinoHoja(QWidget* padre, const QString& propuesta);

// "Exportar a PDF..." y "Exportar a hoja de cálculo...": preguntan el destino y exportan; un
// fallo se dice en frmMensaje. `archivo` es el del cálculo ("" si no tiene).
void MandatoExportarPdf(QWidget* padre, const Calculo& calculo, const QString& archivo,
                        const DibujarHojas& dibujar, const Entorno& entorno,
                        const PreguntaDestino& pregunta = PreguntarDestinoPdf);
void MandatoExportarHoja(QWidget* padre, Calculo& calculo, const QString& archivo,
                         const Entorno& entorno,
                         const PreguntaDestino& pregunta = PreguntarDestinoHoja);

}  // namespace dorvelna
