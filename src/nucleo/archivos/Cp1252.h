#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace dorvelna {

// Página de códigos Windows-1252 de los archivos de cálculo. Qt no trae un conversor
// portátil, así que se guarda aquí la tabla de 0x80-0x9F; el resto coincide con Latin-1.
// Los cinco bytes que la página deja sin definir se leen como el punto de código del
// mismo número, y se vuelven a escribir igual.
QString DecodificarCp1252(QByteArrayView bytes);

// Un carácter que la página no puede guardar se escribe como "?".
QByteArray CodificarCp1252(QStringView texto);

}  // namespace dorvelna
