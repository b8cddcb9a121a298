// Arranque de la ventana (QT_QPA_PLATFORM=offscreen, sin presentación):
//  - desde el principio de main hasta la ventana principal a la vista con frmNueva: 300 ms;
//  - del clic en una clase al formulario de características con las dos columnas: 100 ms;
//  - memoria residente máxima después: 80 MB.
// La primera vez (con la creación de QApplication) se mide una sola vez al empezar main y se
// da como contador; las repeticiones miden la ventana ya con la aplicación en marcha.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/Arranque.h"

using namespace dorvelna;

namespace {

double primerArranqueMs = 0;
// La carpeta del programa es la de las medidas, con el Calibrario que copia la construcción.
Entorno entorno;

double MegasPico() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return static_cast<double>(uso.ru_maxrss) / 1024.0;  // ru_maxrss va en KiB
}

void Asentar() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

// Lo que hace Main tras la presentación: ventana, carga y frmNueva a la vista; nada si
// frmNueva no se ve.
std::unique_ptr<VentanaPrincipal> MostrarVentana() {
  auto ventana = AbrirPrograma(entorno, true);
  QApplication::processEvents();
  QWidget* nueva = ventana->findChild<QWidget*>(QStringLiteral("frmNueva"));
  if (!nueva || !nueva->isVisible()) return nullptr;
  return ventana;
}

void VentanaConNueva(benchmark::State& estado) {
  for (auto _ : estado) {
    const auto ventana = MostrarVentana();
    if (!ventana) {
      estado.SkipWithError("frmNueva no se ve");
      return;
    }
    estado.PauseTiming();
    ventana->hide();
    estado.ResumeTiming();
  }
  estado.counters["primer_arranque_ms"] = primerArranqueMs;
  estado.counters["rss_pico_MB"] = MegasPico();
}
BENCHMARK(VentanaConNueva)->Unit(benchmark::kMillisecond)->Iterations(20);

void ClicEnClase(benchmark::State& estado) {
  const auto programa = AbrirPrograma(entorno, false);
  VentanaPrincipal& ventana = *programa;
  Asentar();
  for (auto _ : estado) {
    estado.PauseTiming();
    ventana.MostrarTipoVeh();
    Asentar();
    auto* boton = ventana.findChild<QPushButton*>(QStringLiteral("cmbVehiculos(1)"));
    if (!boton) {
      estado.SkipWithError("no está el botón de la clase");
      return;
    }
    estado.ResumeTiming();
    boton->click();
    QApplication::processEvents();
    FormularioDatos* form = ventana.FormActual();
    auto* s = ventana.findChild<QLineEdit*>(QStringLiteral("TextSC(9)"));
    auto* o = ventana.findChild<QLineEdit*>(QStringLiteral("TextOC(9)"));
    if (!form || !form->isVisible() || !s || !o || s->text().isEmpty() || o->text().isEmpty()) {
      estado.SkipWithError("el formulario no se ve lleno");
      return;
    }
    estado.PauseTiming();
    ventana.CerrarPatillas();
    Asentar();
    estado.ResumeTiming();
  }
  estado.counters["rss_pico_MB"] = MegasPico();
}
BENCHMARK(ClicEnClase)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer reloj;
  reloj.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacion(argc, argv);
  PrepararAplicacion(aplicacion);
  entorno.carpetaPrograma = QCoreApplication::applicationDirPath();
  if (!MostrarVentana()) return 1;
  primerArranqueMs = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
