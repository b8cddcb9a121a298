// Herramienta de construcción: escribe el icono del programa en PNG, en los tamaños que
// piden los escritorios, para instalarlo junto a la entrada del menú de aplicaciones.
//   dorvelna_iconos CARPETA NOMBRE  ->  CARPETA/<lado>/NOMBRE.png
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "gui/comun/Dibujos.h"

int main(int argc, char* argv[]) {
  QGuiApplication aplicacion(argc, argv);
  const QStringList argumentos = aplicacion.arguments();
  QTextStream errores(stderr);
  if (argumentos.size() != 3) {
    errores << "Uso: dorvelna_iconos CARPETA NOMBRE\n";
    return 2;
  }
  for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
    const QString carpeta = argumentos.at(1) + QLatin1Char('/') + QString::number(lado);
    const QString archivo = carpeta + QLatin1Char('/') + argumentos.at(2) + QStringLiteral(".png");
    const QPixmap dibujo = dorvelna::DibujoLogo(lado);
    if (!QDir().mkpath(carpeta) || dibujo.size() != QSize(lado, lado) ||
        !dibujo.save(archivo, "PNG")) {
      errores << "No se pudo escribir " << archivo << '\n';
      return 1;
    }
  }
  return 0;
}
