// Herramienta de construcción: escribe en PNG el icono del programa y el de sus archivos de
// cálculo, en los tamaños que piden los escritorios, para instalarlos en el tema hicolor.
//   dorvelna_iconos CARPETA PROGRAMA TIPO  ->  CARPETA/<lado>/PROGRAMA.png y
//   CARPETA/<lado>/TIPO.png
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "gui/comun/Dibujos.h"

int main(int argc, char* argv[]) {
  QGuiApplication aplicacion(argc, argv);
  const QStringList argumentos = aplicacion.arguments();
  QTextStream errores(stderr);
  if (argumentos.size() != 4) {
    errores << "Uso: dorvelna_iconos CARPETA PROGRAMA TIPO\n";
    return 2;
  }
  for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
    const QString carpeta = argumentos.at(1) + QLatin1Char('/') + QString::number(lado);
    const std::pair<QString, QPixmap> iconos[] = {
        {argumentos.at(2), dorvelna::DibujoLogo(lado)},
        {argumentos.at(3), dorvelna::DibujoDocumento(lado)}};
    for (const auto& [nombre, dibujo] : iconos) {
      const QString archivo = carpeta + QLatin1Char('/') + nombre + QStringLiteral(".png");
      if (!QDir().mkpath(carpeta) || dibujo.size() != QSize(lado, lado) ||
          !dibujo.save(archivo, "PNG")) {
        errores << "No se pudo escribir " << archivo << '\n';
        return 1;
      }
    }
  }
  return 0;
}
