// Tiempos y memoria de la ventana con una clase abierta (QT_QPA_PLATFORM=offscreen):
//  - cambiar al formulario de resultados (las dos columnas y las dos tartas): objetivo 20 ms;
//  - abrir una clase con los siete formularios cargados: objetivo 150 ms;
//  - memoria residente máxima con los siete cargados: objetivo 100 MB.
#include <QApplication>
#include <QFont>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/Arranque.h"
#include "nucleo/archivos/LeerArchivo.h"

using namespace dorvelna;

namespace {

constexpr Formulario kSiete[] = {Formulario::Caracteristicas,  Formulario::CostesFijos1,
                                 Formulario::CostesFijos2,     Formulario::CostesVariables,
                                 Formulario::CostesIndirectos, Formulario::Resultados,
                                 Formulario::Servicio};

QString RutaClase() {
  return QCoreApplication::applicationDirPath() +
         QStringLiteral("/Calibrario/Autocar Estandar mas 55 plazas.clb");
}

// Vacía las colas: borrados diferidos, sucesos y pintado pendiente.
void Asentar() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

double MegasPico() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return static_cast<double>(uso.ru_maxrss) / 1024.0;  // ru_maxrss va en KiB
}

struct Escena {
  std::unique_ptr<VentanaPrincipal> programa;
  VentanaPrincipal& ventana;
  explicit Escena(const Entorno& entorno)
      : programa(AbrirPrograma(entorno, false)), ventana(*programa) {
    Asentar();
  }
  bool Abrir() {
    if (LeerArchivo(ventana.Datos(), RutaClase())) return false;
    ventana.CargarPatillas();
    Asentar();
    for (Formulario f : kSiete) {
      if (!ventana.FormularioCargado(f)) return false;
    }
    return true;
  }
  void Cerrar() {
    ventana.CerrarPatillas();
    Asentar();
  }
};

Escena* escena = nullptr;

void BM_AbrirClaseConSieteFormularios(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    escena->Cerrar();
    state.ResumeTiming();
    if (!escena->Abrir()) {
      state.SkipWithError("no se abrió la clase con los siete formularios");
      break;
    }
  }
  state.counters["rss_pico_MB"] = MegasPico();
}
BENCHMARK(BM_AbrirClaseConSieteFormularios)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CambiarAResultados(benchmark::State& state) {
  escena->Cerrar();
  if (!escena->Abrir()) {
    state.SkipWithError("no se abrió la clase");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    escena->ventana.ActivarFormulario(Formulario::Caracteristicas);
    Asentar();
    state.ResumeTiming();
    // Se muestra: Actualizar rehace las dos columnas y las dos tartas, y se pinta.
    escena->ventana.ActivarFormulario(Formulario::Resultados);
    QApplication::processEvents();
  }
  if (escena->ventana.FormActual()->Tipo() != Formulario::Resultados) {
    state.SkipWithError("el formulario de resultados no quedó a la vista");
  }
}
BENCHMARK(BM_CambiarAResultados)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Se pasa por los siete formularios (cada uno se muestra y se pinta) y se mide la memoria
// residente máxima del proceso.
void BM_MemoriaConSieteFormularios(benchmark::State& state) {
  for (auto _ : state) {
    escena->Cerrar();
    if (!escena->Abrir()) {
      state.SkipWithError("no se abrió la clase");
      break;
    }
    for (Formulario f : kSiete) {
      escena->ventana.ActivarFormulario(f);
      Asentar();
    }
  }
  state.counters["rss_pico_MB"] = MegasPico();
}
BENCHMARK(BM_MemoriaConSieteFormularios)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacion(argc, argv);
  QFont letra = aplicacion.font();
  letra.setPointSizeF(8.25);
  aplicacion.setFont(letra);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  Entorno entorno;
  entorno.carpetaPrograma = QCoreApplication::applicationDirPath();
  benchmark::Initialize(&argc, argv);
  Escena e(entorno);
  escena = &e;
  benchmark::RunSpecifiedBenchmarks();
  escena = nullptr;
  benchmark::Shutdown();
  return 0;
}
