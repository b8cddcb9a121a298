#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "nucleo/archivos/FalloArchivo.h"

namespace dorvelna {

// Lo que puede decirse de una ruta antes de abrirla, con sus bytes tal como los toma el
// sistema: un nombre que el sistema no admite (vacío, con un NUL, demasiado largo), o algo
// que no es un archivo normal (una carpeta, una FIFO, un dispositivo), que no se abre:
// abrir una FIFO deja esperando a que alguien escriba en ella.
std::optional<FalloArchivo> ComprobarRuta(const QByteArray& nativa);

// Por qué no pudo abrirse una ruta que pasó ComprobarRuta.
FalloArchivo DiagnosticarApertura(const QString& ruta, bool paraEscribir);

}  // namespace dorvelna
