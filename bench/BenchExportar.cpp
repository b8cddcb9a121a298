// Exportación de una clase abierta (QT_QPA_PLATFORM=offscreen):
//  - PDF con los siete formularios: objetivo 500 ms;
//  - libro .xlsx de un cálculo: objetivo 200 ms.
#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "exportar/LibroCalculo.h"
#include "gui/comun/Carpetas.h"
#include "gui/ventana/Exportacion.h"
#include "gui/ventana/Globales.h"
#include "gui/ventana/Impresion.h"
#include "gui/ventana/VentanaPrincipal.h"
#include "nucleo/archivos/LeerArchivo.h"

using namespace dorvelna;

namespace {

struct Escena {
  Calculo calculo;
  VentanaPrincipal ventana{calculo};
  QTemporaryDir carpeta;
  bool abierta = false;
  Escena() {
    ventana.show();
    ventana.Cargar(false);
    abierta =
        !LeerArchivo(calculo, QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/Calibrario/Autocar Estandar mas 55 plazas.clb"));
    if (abierta) ventana.CargarPatillas();
    QApplication::processEvents();
  }
};

Escena* escena = nullptr;

void BM_ExportarPdfSieteFormularios(benchmark::State& state) {
  auto* impresion = escena->ventana.findChild<Impresion*>();
  const QString ruta = escena->carpeta.filePath(QStringLiteral("calculo.pdf"));
  for (auto _ : state) {
    const auto fallo = ExportarPdf(
        escena->calculo,
        [impresion](QPagedPaintDevice& hoja) { return impresion->ImprimirTodoEn(hoja); }, ruta);
    if (!escena->abierta || fallo) {
      state.SkipWithError("no se exportó el PDF");
      break;
    }
  }
}
BENCHMARK(BM_ExportarPdfSieteFormularios)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ExportarLibroDeUnCalculo(benchmark::State& state) {
  const QString ruta = escena->carpeta.filePath(QStringLiteral("calculo.xlsx"));
  for (auto _ : state) {
    if (!escena->abierta || ExportarLibro(escena->calculo, ruta)) {
      state.SkipWithError("no se exportó el libro");
      break;
    }
  }
}
BENCHMARK(BM_ExportarLibroDeUnCalculo)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacion(argc, argv);
  QFont letra = aplicacion.font();
  letra.setPointSizeF(8.25);
  aplicacion.setFont(letra);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  FijarCarpetaPrograma(QCoreApplication::applicationDirPath());
  SeparadorDecimal = QLocale().decimalPoint();
  benchmark::Initialize(&argc, argv);
  Escena e;
  escena = &e;
  benchmark::RunSpecifiedBenchmarks();
  escena = nullptr;
  benchmark::Shutdown();
  return 0;
}
