#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "nucleo/archivos/EscribirArchivo.h"

class QPrinter;

namespace dorvelna {

// Impresora a la que van los trabajos de impresión; nula si no hay ninguna.
using FabricaImpresora = std::function<std::unique_ptr<QPrinter>()>;
// Raíces de las unidades que ofrece el diálogo de archivo.
using ListaUnidades = std::function<QStringList()>;
// Ve cada mensaje antes que su cuadro; si devuelve true, el mensaje se da por visto y el
// cuadro no se abre.
using ObservadorMensajes = std::function<bool(const QString& texto, const QString& titulo)>;

// Lo que el programa toma de su alrededor y las pruebas, las medidas y las herramientas
// cambian: cada cosa vacía es la del sistema. La ventana principal lo recibe al crearse y lo
// da a quien lo necesita.
struct Entorno {
  FabricaImpresora impresora;   // vacía: la predeterminada del sistema, sin diálogo
  ListaUnidades unidades;       // vacía: los volúmenes montados
  Intermediario grabacion;      // vacío: toda grabación escribe directamente en el archivo
  ObservadorMensajes mensajes;  // vacío: cada mensaje abre su cuadro
  QString carpetaPrograma;      // vacía: la que se encuentra desde el ejecutable
};

}  // namespace dorvelna
