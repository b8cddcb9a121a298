#include "ClasesAutocar.h"

#include <vector>

#include "nucleo/model/Catalogo.h"

namespace dorvelna::pruebas {

namespace {

struct Fila {
  Grupo grupo;
  int indice;
  std::array<Valor, 4> valores;  // "Más de 55", "39-55", "26-38", "10 - 25"
};

// Valores de referencia de las cuatro clases; las entradas de SS son todas 0.
const std::vector<Fila>& Filas() {
  using enum Grupo;
  static const std::vector<Fila> filas = {
      {C,
       1,
       {QStringLiteral("Autocar estándar de más de 55 plazas"),
        QStringLiteral("Autocar estándar de 39 a 55 plazas"),
        QStringLiteral("Autocar estándar de 26 a 38 plazas"),
        QStringLiteral("Autocar estándar de 10 a 25 plazas")}},
      {C, 2, {61.0, 55.0, 35.0, 22.0}},
      {C, 3, {14.95, 12.9, 10.5, 8.1}},
      {C, 4, {3.0, 2.0, 2.0, 2.0}},
      {C, 5, {480.0, 430.0, 300.0, 190.0}},
      {C, 6, {26000.0, 19500.0, 15500.0, 9500.0}},
      {C,
       7,
       {QStringLiteral("M3"), QStringLiteral("M3"), QStringLiteral("M3"), QStringLiteral("M3")}},
      {C,
       8,
       {QStringLiteral("Servicio discrecional"), QStringLiteral("Servicio discrecional"),
        QStringLiteral("Servicio discrecional"), QStringLiteral("Servicio discrecional")}},
      {C, 9, {110000.0, 95000.0, 80000.0, 65000.0}},
      {C, 10, {82.0, 82.0, 80.0, 80.0}},
      {C, 14, {2100.0, 2000.0, 1900.0, 1800.0}},
      {C, 15, {78.0, 78.0, 75.0, 75.0}},
      {C, 19, {85.0, 85.0, 82.0, 80.0}},
      {C, 21, {55.0, 55.0, 55.0, 50.0}},
      {F1, 1, {true, true, true, true}},
      {F1, 2, {340000.0, 260000.0, 190000.0, 120000.0}},
      {F1, 3, {12.0, 12.0, 12.0, 10.0}},
      {F1, 4, {12.0, 12.0, 10.0, 10.0}},
      {F1, 6, {80.0, 80.0, 80.0, 80.0}},
      {F1, 8, {6.0, 6.0, 6.0, 5.0}},
      {F1, 9, {5.5, 5.5, 5.5, 5.5}},
      {F1, 10, {0.0, 0.0, 0.0, 0.0}},
      {F1, 11, {true, true, true, true}},
      {F1, 12, {9000.0, 8000.0, 6000.0, 4000.0}},
      {F1, 13, {6.0, 6.0, 6.0, 6.0}},
      {F1, 14, {0.0, 0.0, 0.0, 0.0}},
      {F1, 16, {0.0, 0.0, 0.0, 0.0}},
      {F1, 18, {0.5, 0.5, 0.5, 0.5}},
      {F1, 19, {0.1, 0.1, 0.1, 0.1}},
      {F1, 20, {0.0, 0.0, 0.0, 0.0}},
      {F1, 21, {100.0, 100.0, 100.0, 100.0}},
      {F2, 1, {42000.0, 41000.0, 40000.0, 38000.0}},
      {F2, 2, {true, true, true, true}},
      {F2, 3, {28.5, 28.5, 28.5, 28.5}},
      {F2, 4, {200.0, 200.0, 200.0, 200.0}},
      {F2, 6, {0.012, 0.012, 0.012, 0.012}},
      {F2, 8, {7020.0, 6840.0, 6660.0, 6480.0}},
      {F2, 9, {true, true, true, true}},
      {F2, 10, {1800.0, 1600.0, 1400.0, 1100.0}},
      {F2, 11, {1500.0, 1400.0, 1200.0, 1000.0}},
      {F2, 12, {350.0, 320.0, 220.0, 160.0}},
      {F2, 13, {90.0, 90.0, 90.0, 90.0}},
      {F2, 14, {150.0, 150.0, 150.0, 150.0}},
      {F2, 15, {250.0, 220.0, 180.0, 140.0}},
      {F2, 16, {2600.0, 2100.0, 1600.0, 1100.0}},
      {F2, 17, {0.0, 0.0, 0.0, 0.0}},
      {F2, 18, {7240.0, 6350.0, 5240.0, 4080.0}},
      {F2, 19, {true, true, true, true}},
      {F2, 20, {55.0, 55.0, 55.0, 55.0}},
      {F2, 21, {180.0, 170.0, 160.0, 150.0}},
      {F2, 22, {250.0, 250.0, 200.0, 150.0}},
      {F2, 23, {480.0, 420.0, 300.0, 200.0}},
      {F2, 24, {90.0, 90.0, 90.0, 90.0}},
      {F2, 25, {600.0, 600.0, 450.0, 300.0}},
      {F2, 26, {0.0, 0.0, 0.0, 0.0}},
      {F2, 27, {0.0, 0.0, 0.0, 0.0}},
      {F2, 28, {1655.0, 1585.0, 1255.0, 945.0}},
      {F2, 29, {120.0, 120.0, 100.0, 90.0}},
      {F2, 30, {380.0, 350.0, 300.0, 250.0}},
      {V, 1, {1.45, 1.45, 1.45, 1.45}},
      {V, 3, {0.06, 0.06, 0.06, 0.06}},
      {V, 4, {21.0, 21.0, 21.0, 21.0}},
      {V, 7, {32.0, 29.0, 24.0, 18.0}},
      {V, 8, {2.0, 2.0, 2.0, 2.0}},
      {V, 9, {480.0, 440.0, 380.0, 260.0}},
      {V, 10, {120000.0, 120000.0, 110000.0, 90000.0}},
      {V, 11, {4.0, 4.0, 4.0, 4.0}},
      {V, 12, {460.0, 420.0, 360.0, 240.0}},
      {V, 13, {100000.0, 100000.0, 90000.0, 80000.0}},
      {V, 14, {2.0, 0.0, 0.0, 0.0}},
      {V, 15, {440.0, 30.0, 30.0, 30.0}},
      {V, 16, {150000.0, 10000.0, 10000.0, 10000.0}},
      {V, 17, {0.085, 0.075, 0.065, 0.055}},
      {V, 19, {2500.0, 2000.0, 1500.0, 1000.0}},
      {V, 20, {0.049, 0.049, 0.049, 0.049}},
      {V, 21, {1300.0, 1100.0, 800.0, 500.0}},
      {I, 1, {true, true, true, true}},
      {I, 2, {9500.0, 9000.0, 8000.0, 6500.0}},
      {I, 3, {2500.0, 2300.0, 2000.0, 1500.0}},
      {I, 4, {1200.0, 1100.0, 1000.0, 800.0}},
      {I, 5, {13200.0, 12400.0, 11000.0, 8800.0}},
  };
  return filas;
}

ClaseAutocar Construir(const char* archivo, int k) {
  ClaseAutocar clase{archivo, {}};
  for (int i : Entradas(Grupo::SS)) clase.valores.SS[i] = Valor(0.0);
  for (const Fila& f : Filas()) clase.valores(f.grupo, f.indice) = f.valores[k];
  clase.valores.Fecha = QDate(2025, 7, 1);
  return clase;
}

}  // namespace

const std::array<ClaseAutocar, 4>& ClasesAutocar() {
  static const std::array<ClaseAutocar, 4> clases = {
      Construir("Autocar Estandar mas 55 plazas.clb", 0),
      Construir("Autocar Estandar 39 a 55 plazas.clb", 1),
      Construir("Autocar Estandar 26 a 38 plazas.clb", 2),
      Construir("Autocar Estandar 10 a 25 plazas.clb", 3),
  };
  return clases;
}

}  // namespace dorvelna::pruebas

#include "nucleo/archivos/ComponerArchivo.h"

namespace dorvelna::pruebas {

QByteArrayList LineasClase(int k) {
  const Valores& v = ClasesAutocar()[k].valores;
  QByteArrayList lineas;
  for (const QByteArray& l : LineasArchivo(v, v)) lineas << l.chopped(2);
  return lineas;
}

QByteArray Unir(const QByteArrayList& lineas, const QByteArray& fin) {
  QByteArray todo;
  for (const QByteArray& l : lineas) todo += l + fin;
  return todo;
}

}  // namespace dorvelna::pruebas
