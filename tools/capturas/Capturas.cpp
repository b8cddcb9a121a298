// Capturas de pantalla de la documentación: abre una clase de autocar en la ventana principal
// y guarda la imagen de la ventana con cada formulario a la vista.
//   dorvelna-capturas <carpeta de salida> [clase 0..3] [formulario...]
// Los formularios se nombran como en docs/: caracteristicas, fijos1, fijos2, variables,
// indirectos, resultados, servicio, sensibilidad. Sin nombres, todos.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextStream>
#include <map>

#include "gui/ventana/Arranque.h"
#include "gui/ventana/VentanaPrincipal.h"

using namespace dorvelna;

int main(int argc, char** argv) {
  QApplication aplicacion(argc, argv);
  PrepararAplicacion(aplicacion);
  QTextStream error(stderr);
  const QStringList argumentos = aplicacion.arguments().mid(1);
  if (argumentos.isEmpty()) {
    error << "Uso: dorvelna-capturas <carpeta> [clase 0..3] [formulario...]\n";
    return 2;
  }
  const QDir salida(argumentos.at(0));
  QDir().mkpath(salida.path());
  const int clase = argumentos.size() > 1 ? argumentos.at(1).toInt() : 0;
  const std::map<QString, Formulario> formularios = {
      {QStringLiteral("caracteristicas"), Formulario::Caracteristicas},
      {QStringLiteral("fijos1"), Formulario::CostesFijos1},
      {QStringLiteral("fijos2"), Formulario::CostesFijos2},
      {QStringLiteral("variables"), Formulario::CostesVariables},
      {QStringLiteral("indirectos"), Formulario::CostesIndirectos},
      {QStringLiteral("resultados"), Formulario::Resultados},
      {QStringLiteral("servicio"), Formulario::Servicio}};
  QStringList pedidos = argumentos.mid(2);
  if (pedidos.isEmpty()) {
    for (const auto& [nombre, f] : formularios) pedidos << nombre;
    pedidos << QStringLiteral("sensibilidad");
  }

  const auto programa = AbrirPrograma({}, false);
  VentanaPrincipal& ventana = *programa;
  ventana.MostrarTipoVeh();
  QApplication::processEvents();
  auto* boton = ventana.findChild<QPushButton*>(QStringLiteral("cmbVehiculos(%1)").arg(clase));
  if (!boton) {
    error << "No está el botón de la clase " << clase << "\n";
    return 1;
  }
  boton->click();
  for (const QString& nombre : pedidos) {
    const auto f = formularios.find(nombre);
    if (nombre == QLatin1String("sensibilidad")) {
      ventana.ActivarSensibilidad();
    } else if (f != formularios.end()) {
      ventana.ActivarFormulario(f->second);
    } else {
      error << "Formulario desconocido: " << nombre << "\n";
      return 2;
    }
    for (int k = 0; k < 5; ++k) QApplication::processEvents();
    const QString archivo = salida.filePath(QStringLiteral("captura-%1.png").arg(nombre));
    if (!ventana.grab().save(archivo)) {
      error << "No se pudo guardar " << archivo << "\n";
      return 1;
    }
  }
  return 0;
}
