#pragma once

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>

#include "PantallaGrabadora.h"
#include "nucleo/model/Calculo.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

// Mensajes legibles de GoogleTest para los valores de la ficha.
inline void PrintTo(const Valor& v, std::ostream* os) {
  if (v.EsVacio()) *os << "(vacío)";
  else if (v.EsNumero()) *os << v.Numero();
  else if (v.EsLogico()) *os << (v.Logico() ? "sí" : "no");
  else *os << '"' << v.Texto().toStdString() << '"';
}

}  // namespace dorvelna

namespace dorvelna::pruebas {

// Diferencias entre dos juegos de valores, para que un fallo diga qué campo cambió.
inline std::string Diferencias(const Valores& a, const Valores& b) {
  std::ostringstream os;
  for (Grupo g : kGrupos) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      if (a(g, i) == b(g, i)) continue;
      os << CodigoGrupo(g) << "(" << i << "): ";
      PrintTo(a(g, i), &os);
      os << " / ";
      PrintTo(b(g, i), &os);
      os << "\n";
    }
  }
  if (a.Fecha != b.Fecha) os << "Fecha\n";
  return os.str();
}

// El número guardado en un campo; NaN si no es un número, para que la comparación falle.
inline double N(const Valor& v) {
  return v.EsNumero() ? v.Numero() : std::numeric_limits<double>::quiet_NaN();
}

// Entradas de la clase de referencia "39-55" (autocar estándar de 39 a 55 plazas).
inline void CargarClase3955(Valores& v) {
  v.C[1] = "Autocar estándar de 39 a 55 plazas";
  v.C[2] = 55;
  v.C[3] = 12.9;
  v.C[4] = 2;
  v.C[5] = 430;
  v.C[6] = 19500;
  v.C[7] = "M3";
  v.C[8] = "Servicio discrecional";
  v.C[9] = 95000;
  v.C[10] = 82;
  v.C[14] = 2000;
  v.C[15] = 78;
  v.C[19] = 85;
  v.C[21] = 55;

  v.F1[1] = true;
  v.F1[2] = 260000;
  v.F1[3] = 12;
  v.F1[4] = 12;
  v.F1[6] = 80;
  v.F1[8] = 6;
  v.F1[9] = 5.5;
  v.F1[10] = 0;
  v.F1[11] = true;
  v.F1[12] = 8000;
  v.F1[13] = 6;
  v.F1[14] = 0;
  v.F1[16] = 0;
  v.F1[18] = 0.5;
  v.F1[19] = 0.1;
  v.F1[20] = 0;
  v.F1[21] = 100;

  v.F2[1] = 41000;
  v.F2[2] = true;
  v.F2[3] = 28.5;
  v.F2[4] = 200;
  v.F2[6] = 0.012;
  v.F2[8] = 6840;
  v.F2[9] = true;
  const double seguros[][2] = {{10, 1600}, {11, 1400}, {12, 320},  {13, 90},  {14, 150}, {15, 220},
                               {16, 2100}, {17, 0},    {18, 6350}, {29, 120}, {30, 350}};
  for (const auto& [i, x] : seguros) v.F2[static_cast<int>(i)] = x;
  v.F2[19] = true;
  const double fiscales[][2] = {{20, 55},  {21, 170}, {22, 250}, {23, 420}, {24, 90},
                                {25, 600}, {26, 0},   {27, 0},   {28, 1585}};
  for (const auto& [i, x] : fiscales) v.F2[static_cast<int>(i)] = x;

  v.V[1] = 1.45;
  v.V[3] = 0.06;
  v.V[4] = 21;
  v.V[7] = 29;
  v.V[8] = 2;
  v.V[9] = 440;
  v.V[10] = 120000;
  v.V[11] = 4;
  v.V[12] = 420;
  v.V[13] = 100000;
  v.V[14] = 0;
  v.V[15] = 30;
  v.V[16] = 10000;
  v.V[17] = 0.075;
  v.V[19] = 2000;
  v.V[20] = 0.049;
  v.V[21] = 1100;

  v.I[1] = true;
  v.I[2] = 9000;
  v.I[3] = 2300;
  v.I[4] = 1100;
  v.I[5] = 12400;

  for (int i : Entradas(Grupo::SS)) v.SS[i] = 0;
}

// Lo que hace la lectura de un archivo con cada columna: Calcular para cada campo de
// entrada, grupo a grupo y en el orden de las listas.
inline void PasarEntradas(Calculo& calc, Columna col) {
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) calc.Calcular(FormularioDeGrupo(g), col, i);
  }
}

// Un cálculo recién inicializado que cuenta a una pantalla grabadora lo que muestra.
class ConCalculo : public ::testing::Test {
protected:
  PantallaGrabadora pantalla;
  Calculo calc{&pantalla};

  void SetUp() override { calc.InicializarDatos(); }

  // Fija un campo y corre el motor como tras editarlo.
  void Poner(Grupo g, Columna col, int i, const Valor& x) {
    calc.Registro(col)(g, i) = x;
    calc.Calcular(FormularioDeGrupo(g), col, i);
  }

  // Las dos columnas con la clase "39-55", pasadas por el motor.
  void CargarReferencia() {
    CargarClase3955(calc.ValoresS);
    CargarClase3955(calc.ValoresO);
    PasarEntradas(calc, Columna::S);
    PasarEntradas(calc, Columna::O);
    pantalla.Borrar();
  }
};

// Fija el idioma español de España mientras dura la prueba.
class IdiomaEspanol {
public:
  IdiomaEspanol() : anterior_(QLocale()) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  }
  ~IdiomaEspanol() { QLocale::setDefault(anterior_); }

private:
  QLocale anterior_;
};

}  // namespace dorvelna::pruebas
