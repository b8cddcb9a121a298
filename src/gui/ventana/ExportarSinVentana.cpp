#include "gui/ventana/ExportarSinVentana.h"

#include <QApplication>
#include <QTextStream>

#include "exportar/LibroCalculo.h"
#include "gui/ventana/Arranque.h"
#include "gui/ventana/Exportacion.h"
#include "gui/ventana/Impresion.h"
#include "gui/ventana/VentanaPrincipal.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna {

namespace {
const QString kOpcion = QStringLiteral("--exportar");
}  // namespace

bool PideExportacion(const QStringList& argumentos) {
  return argumentos.size() >= 2 && argumentos.at(1) == kOpcion;
}

int ExportarSinVentana(QApplication& aplicacion) {
  QTextStream errores(stderr);
  const QStringList argumentos = aplicacion.arguments();
  const QString salida = argumentos.value(3);
  const bool pdf = salida.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
  const bool libro = salida.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
  if (argumentos.size() != 4 || (!pdf && !libro)) {
    errores << "Uso: dorvelna --exportar ARCHIVO SALIDA.pdf|SALIDA.xlsx\n";
    return 2;
  }
  auto fallar = [&errores](QString motivo) {
    errores << motivo.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified() << '\n';
    return 1;
  };

  PrepararAplicacion(aplicacion);
  // La ventana no se enseña nunca: sólo construye los formularios que se dibujan en el PDF.
  VentanaPrincipal ventana;
  ventana.Cargar(false);
  if (const auto fallo = LeerArchivo(ventana.Datos(), argumentos.at(2))) {
    return fallar(MensajeFallo(*fallo));
  }
  ventana.Estado().NombreArchivo = argumentos.at(2);
  std::optional<QString> fallo;
  if (libro) {
    fallo = ExportarLibro(ventana.Datos(), salida);
  } else {
    ventana.CargarPatillas();
    auto* impresion = ventana.findChild<Impresion*>();
    fallo = ExportarPdf(
        ventana.Datos(),
        [impresion](QPagedPaintDevice& hoja) { return impresion->ImprimirTodoEn(hoja); }, salida);
  }
  return fallo ? fallar(*fallo) : 0;
}

}  // namespace dorvelna
