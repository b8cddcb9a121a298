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
#include "gui/ventana/Arranque.h"
#include "gui/ventana/Exportacion.h"
#include "gui/ventana/Impresion.h"
#include "gui/ventana/VentanaPrincipal.h"
#include "nucleo/archivos/LeerArchivo.h"

using namespace dorvelna;

namespace {

struct Escena {
  std::unique_ptr<VentanaPrincipal> principal;
  QTemporaryDir carpeta;
  bool abierta = false;
  Escena() {
    Entorno entorno;
    entorno.carpetaPrograma = QCoreApplication::applicationDirPath();
    principal = AbrirPrograma(std::move(entorno), false);
    abierta = !LeerArchivo(principal->Datos(),
                           QCoreApplication::applicationDirPath() +
                               QStringLiteral("/Calibrario/Autocar Estandar mas 55 plazas.clb"));
    if (abierta) principal->CargarPatillas();
    QApplication::processEvents();
  }
};

Escena* escena = nullptr;

void BM_ExportarPdfSieteFormularios(benchmark::State& state) {
  auto* impresion = escena->principal->findChild<Impresion*>();
  const QString ruta = escena->carpeta.filePath(QStringLiteral("calculo.pdf"));
  for (auto _ : state) {
    const auto fallo = ExportarPdf(
        escena->principal->Datos(),
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
    if (!escena->abierta || ExportarLibro(escena->principal->Datos(), ruta)) {
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
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  PrepararAplicacion(aplicacion);
  benchmark::Initialize(&argc, argv);
  Escena e;
  escena = &e;
  benchmark::RunSpecifiedBenchmarks();
  escena = nullptr;
  benchmark::Shutdown();
  return 0;
}
