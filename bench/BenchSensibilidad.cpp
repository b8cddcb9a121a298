#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/Sensibilidad.h"

using namespace dorvelna;

namespace {

// La tabla entera de la clase mayor: doce datos incluidos (con "Compra" F1(10) queda fuera),
// veinticuatro casos y la base, cada uno abriendo su copia del archivo.
void TablaCompleta(benchmark::State& estado) {
  Calculo c;
  c.InicializarDatos();
  const QString ruta = QCoreApplication::applicationDirPath() +
                       QStringLiteral("/Calibrario/Autocar Estandar mas 55 plazas.clb");
  if (LeerArchivo(c, ruta)) {
    estado.SkipWithError("no se pudo leer la clase de más de 55 plazas");
    return;
  }
  std::size_t filas = 0;
  for (auto _ : estado) {
    const auto analisis = AnalizarSensibilidad(c, 10);
    filas = analisis->entradas.size();
    benchmark::DoNotOptimize(analisis->base.cifras);
  }
  estado.counters["entradas"] = static_cast<double>(filas);
}
BENCHMARK(TablaCompleta)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
