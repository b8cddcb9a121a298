#include <benchmark/benchmark.h>

#include "nucleo/model/Calculo.h"

using namespace dorvelna;

namespace {

// Una ficha completa, con valores de un autocar de 39 a 55 plazas en las dos columnas.
void Cargar(Calculo& c) {
  c.InicializarDatos();
  for (Valores* v : {&c.ValoresS, &c.ValoresO}) {
    v->C[1] = "Autocar estándar de 39 a 55 plazas";
    v->C[2] = 55.0;
    v->C[3] = 12.9;
    v->C[4] = 2.0;
    v->C[5] = 430.0;
    v->C[6] = 19500.0;
    v->C[9] = 95000.0;
    v->C[10] = 82.0;
    v->C[14] = 2000.0;
    v->C[15] = 78.0;
    v->C[19] = 85.0;
    v->C[21] = 55.0;
    v->F1[1] = true;
    v->F1[2] = 260000.0;
    v->F1[3] = 12.0;
    v->F1[4] = 12.0;
    v->F1[6] = 80.0;
    v->F1[8] = 6.0;
    v->F1[9] = 5.5;
    v->F1[11] = true;
    v->F1[12] = 8000.0;
    v->F1[13] = 6.0;
    v->F1[18] = 0.5;
    v->F1[19] = 0.1;
    v->F1[21] = 100.0;
    v->F2[1] = 41000.0;
    v->F2[2] = true;
    v->F2[3] = 28.5;
    v->F2[4] = 200.0;
    v->F2[6] = 0.012;
    v->F2[9] = true;
    v->F2[10] = 1600.0;
    v->F2[11] = 1400.0;
    v->F2[19] = true;
    v->F2[20] = 55.0;
    v->V[1] = 1.45;
    v->V[3] = 0.06;
    v->V[4] = 21.0;
    v->V[7] = 29.0;
    v->V[8] = 2.0;
    v->V[9] = 440.0;
    v->V[10] = 120000.0;
    v->V[11] = 4.0;
    v->V[12] = 420.0;
    v->V[13] = 100000.0;
    v->V[15] = 30.0;
    v->V[16] = 10000.0;
    v->V[17] = 0.075;
    v->V[19] = 2000.0;
    v->V[20] = 0.049;
    v->V[21] = 1100.0;
    v->I[1] = true;
    v->I[2] = 9000.0;
    v->I[3] = 2300.0;
    v->I[4] = 1100.0;
  }
  for (Columna col : {Columna::S, Columna::O}) {
    for (Grupo g : {Grupo::C, Grupo::F1, Grupo::F2, Grupo::V, Grupo::I}) {
      for (int i = 1; i <= TamanoGrupo(g); ++i) c.Calcular(FormularioDeGrupo(g), col, i);
    }
  }
  c.Actualizar();
}

void CalcularKilometros(benchmark::State& estado) {
  Calculo c;
  Cargar(c);
  for (auto _ : estado) {
    c.Calcular(Formulario::Caracteristicas, Columna::S, 9);
    benchmark::DoNotOptimize(c.ValoresS.C[11]);
  }
}
BENCHMARK(CalcularKilometros);

void ActualizarResultados(benchmark::State& estado) {
  Calculo c;
  Cargar(c);
  for (auto _ : estado) {
    c.Actualizar();
    benchmark::DoNotOptimize(c.ValoresS.R[18]);
  }
}
BENCHMARK(ActualizarResultados);

}  // namespace

BENCHMARK_MAIN();
