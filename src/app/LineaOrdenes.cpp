#include "app/LineaOrdenes.h"

#include "gui/comun/Identidad.h"

namespace dorvelna {

Orden LeerOrden(const QStringList& argumentos) {
  const QStringList resto = argumentos.mid(1);
  if (resto.contains(QStringLiteral("--help")) || resto.contains(QStringLiteral("-h")))
    return {Orden::Tipo::Ayuda, {}};
  if (resto.contains(QStringLiteral("--version"))) return {Orden::Tipo::Version, {}};
  Orden orden;
  for (const QString& argumento : resto) {
    if (argumento.startsWith(QLatin1Char('-')) || !orden.archivo.isEmpty())
      return {Orden::Tipo::Incorrecta, {}};
    orden.archivo = argumento;
  }
  return orden;
}

QString TextoUso() {
  return QStringLiteral(
      "Uso: dorvelna [ARCHIVO]\n"
      "     dorvelna --exportar ARCHIVO SALIDA.pdf|SALIDA.xlsx\n"
      "     dorvelna --comprobar [0-3]\n"
      "\n"
      "Calcula los costes de explotación de un autocar.\n"
      "\n"
      "  ARCHIVO            abre ese cálculo (.dvn) al arrancar\n"
      "  --exportar         exporta un cálculo (o una clase, .clb) a PDF o a hoja de cálculo,\n"
      "                     sin ventana\n"
      "  --comprobar [0-3]  comprueba la instalación abriendo una clase del Calibrario\n"
      "  --help             muestra este uso y termina\n"
      "  --version          muestra la versión y termina\n");
}

QString LineaVersion() {
  return QStringLiteral("Dorvelna %1.%2.%3\n")
      .arg(kVersionMayor)
      .arg(kVersionMenor)
      .arg(kVersionRevision);
}

}  // namespace dorvelna
