// Cada caso del análisis se compara con abrir de verdad una copia del archivo con ese valor
// cambiado: la definición es lo que se prueba.
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

#include "PantallaGrabadora.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Redondear.h"
#include "nucleo/model/Sensibilidad.h"

namespace dorvelna::pruebas {
namespace {

using Cifras = std::array<double, 6>;

QString Clase(const char* nombre) {
  return QStringLiteral(DORVELNA_BIN "/Calibrario/Autocar Estandar %1 plazas.clb").arg(nombre);
}

QByteArray Bytes(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// R(18), C1, C2, C3, C4 y C5 de la columna S del archivo abierto como lo abre el programa.
Cifras Abrir(const QString& ruta) {
  Calculo c;
  c.InicializarDatos();
  EXPECT_FALSE(LeerArchivo(c, ruta).has_value()) << ruta.toStdString();
  Cifras r;
  const int campos[] = {18, 40, 45, 46, 47, 48};
  for (int k = 0; k < 6; ++k) r[k] = c.ValoresS.R[campos[k]].Numero();
  return r;
}

// Línea del archivo (desde 0) que guarda el campo de la columna S.
int LineaDe(Grupo g, int i) {
  int linea = 0;
  for (Grupo grupo : kGruposArchivo) {
    for (int k : Entradas(grupo)) {
      if (grupo == g && k == i) return linea;
      ++linea;
    }
  }
  return -1;
}

QStringList Codigos(const Sensibilidad& a) {
  QStringList codigos;
  for (const EntradaSensibilidad& e : a.entradas) codigos << e.Codigo();
  return codigos;
}

// La base y cada caso, contra la copia del archivo con el valor de su línea cambiado.
void CompararConArchivos(const Sensibilidad& a, const QByteArray& archivo) {
  QTemporaryDir dir;
  const QString ruta = dir.filePath("caso.dvn");
  auto escribir = [&](const QList<QByteArray>& lineas) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(lineas.join('\n'));
  };
  const QList<QByteArray> lineas = archivo.split('\n');
  escribir(lineas);
  EXPECT_EQ(a.base.cifras, Abrir(ruta));
  for (const EntradaSensibilidad& e : a.entradas) {
    for (const CasoSensibilidad* caso : {&e.menos, &e.mas}) {
      QList<QByteArray> cambiadas = lineas;
      cambiadas[LineaDe(e.grupo, e.indice)] = QByteArray::number(caso->valor, 'g', 17) + '\r';
      escribir(cambiadas);
      EXPECT_EQ(caso->cifras, Abrir(ruta))
          << e.Codigo().toStdString() << " = " << caso->valor << ", P = " << a.variacion;
    }
  }
}

// El valor de cada caso: redondeado a los decimales del campo, dentro de sus límites y, si no
// está en uno de ellos, a menos de media unidad del último decimal de valor × (1 ∓ P/100).
void ComprobarValores(const Sensibilidad& a) {
  for (const EntradaSensibilidad& e : a.entradas) {
    const DefinicionCampo& campo = Campo(e.grupo, e.indice);
    const double mn = campo.minimo.Numero(), mx = campo.maximo.Numero();
    for (double signo : {-1.0, 1.0}) {
      const double x = (signo < 0 ? e.menos : e.mas).valor;
      const double exacto = e.valor * (1 + signo * a.variacion / 100);
      EXPECT_EQ(Redondear(x, campo.decimales), x) << e.Codigo().toStdString();
      EXPECT_TRUE(x >= mn && x <= mx) << e.Codigo().toStdString() << " " << x;
      const bool cerca =
          std::fabs(x - exacto) <= 0.5 * std::pow(10.0, -campo.decimales) * (1 + 1e-9);
      const bool acotado = (x == mn && exacto < mn) || (x == mx && exacto > mx);
      EXPECT_TRUE(cerca || acotado) << e.Codigo().toStdString() << " " << x;
    }
  }
}

const EntradaSensibilidad* Buscar(const Sensibilidad& a, const QString& codigo) {
  for (const EntradaSensibilidad& e : a.entradas) {
    if (e.Codigo() == codigo) return &e;
  }
  return nullptr;
}

void EsperarValores(const Sensibilidad& a, const QString& codigo, double menos, double mas) {
  const EntradaSensibilidad* e = Buscar(a, codigo);
  ASSERT_NE(e, nullptr) << codigo.toStdString();
  EXPECT_EQ(e->menos.valor, menos) << codigo.toStdString();
  EXPECT_EQ(e->mas.valor, mas) << codigo.toStdString();
}

TEST(Sensibilidad, CadaCasoEsElArchivoCambiadoEnLasCuatroClases) {
  const QStringList todos = {"C(9)",  "C(10)", "C(14)", "C(15)", "C(21)", "F1(2)",
                             "F1(9)", "F2(1)", "V(1)",  "V(7)",  "V(17)", "V(19)"};
  for (const char* clase : {"mas 55", "39 a 55", "26 a 38", "10 a 25"}) {
    SCOPED_TRACE(clase);
    PantallaGrabadora pantalla;
    Calculo c(&pantalla);
    c.InicializarDatos();
    ASSERT_FALSE(LeerArchivo(c, Clase(clase)).has_value());
    const Valores s = c.ValoresS, o = c.ValoresO, g = c.ValoresGrabados;
    pantalla.Borrar();
    for (double p : {5.0, 10.0, 50.0}) {
      const auto a = AnalizarSensibilidad(c, p);
      ASSERT_TRUE(a.has_value());
      EXPECT_EQ(a->variacion, p);
      EXPECT_EQ(Codigos(*a), todos);  // F1(10) vale 0 y el autocar se compra
      for (const EntradaSensibilidad& e : a->entradas) {
        EXPECT_EQ(e.valor, c.ValoresS(e.grupo, e.indice).Numero());
      }
      const int campos[] = {18, 40, 45, 46, 47, 48};
      for (int k = 0; k < 6; ++k) EXPECT_EQ(a->base.cifras[k], c.ValoresS.R[campos[k]].Numero());
      ComprobarValores(*a);
      CompararConArchivos(*a, Bytes(Clase(clase)));
    }
    // El cálculo del usuario no cambia ni se muestra nada en su pantalla.
    EXPECT_TRUE(c.ValoresS == s && c.ValoresO == o && c.ValoresGrabados == g);
    EXPECT_TRUE(pantalla.llamadas.empty());
  }
}

TEST(Sensibilidad, ValoresVariadosCalculadosAMano) {
  Calculo c;
  c.InicializarDatos();
  ASSERT_FALSE(LeerArchivo(c, Clase("mas 55")).has_value());
  const auto a10 = AnalizarSensibilidad(c);
  ASSERT_TRUE(a10.has_value());
  EXPECT_EQ(a10->variacion, 10);
  EsperarValores(*a10, "C(9)", 99000, 121000);
  EsperarValores(*a10, "F1(2)", 306000, 374000);
  const auto a5 = AnalizarSensibilidad(c, 5);
  EsperarValores(*a5, "V(1)", 1.3775, 1.5225);
  EsperarValores(*a5, "V(17)", 0.08075, 0.08925);
  // Al 50 %, el porcentaje de kilómetros facturados (82) se queda en su máximo, 100.
  const auto a50 = AnalizarSensibilidad(c, 50);
  EsperarValores(*a50, "C(10)", 41, 100);
  EsperarValores(*a50, "F1(9)", 2.75, 8.25);
  EXPECT_EQ(Buscar(*a10, "V(1)")->nombre,
            QStringLiteral("Precio con IVA, antes de restar el descuento, al que se compra el "
                           "carburante del autocar (euros / litro)"));
}

// Un cálculo cambiado como lo cambia el usuario, comparado con el archivo que grabaría.
TEST(Sensibilidad, InclusionLimitesYCompraUOtraForma) {
  QTemporaryDir dir;
  Calculo c;
  c.InicializarDatos();
  ASSERT_FALSE(LeerArchivo(c, Clase("39 a 55")).has_value());
  auto fijar = [&](Grupo g, int i, Valor v) {
    c.ValoresS(g, i) = v;
    c.Calcular(FormularioDeGrupo(g), Columna::S, i);
  };
  fijar(Grupo::F1, 10, 5000.0);  // con "Compra" no cuenta
  fijar(Grupo::V, 19, 0.0);
  fijar(Grupo::C, 14, 150.0);  // al 50 %, 75 queda en el mínimo, 100
  fijar(Grupo::V, 17, 0.7);    // al 50 %, 1.05 queda en el máximo, 1
  c.ValoresS.F2[1] = Valor();  // vacío
  c.Actualizar();

  auto analizarYComparar = [&](const QStringList& esperados) {
    const Valores s = c.ValoresS;
    const auto a = AnalizarSensibilidad(c, 50);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(Codigos(*a), esperados);
    EXPECT_TRUE(c.ValoresS == s);
    ComprobarValores(*a);
    const QString ruta = dir.filePath("usuario.dvn");
    ASSERT_FALSE(EscribirArchivo(c, ruta).has_value());
    CompararConArchivos(*a, Bytes(ruta));
    EsperarValores(*a, "C(14)", 100, 225);
    EsperarValores(*a, "V(17)", 0.35, 1);
  };
  analizarYComparar(
      {"C(9)", "C(10)", "C(14)", "C(15)", "C(21)", "F1(2)", "F1(9)", "V(1)", "V(7)", "V(17)"});
  c.CambiarModo(Seccion::AdquisicionAutocar, Columna::S, false);  // "Otra forma"
  analizarYComparar(
      {"C(9)", "C(10)", "C(14)", "C(15)", "C(21)", "F1(10)", "V(1)", "V(7)", "V(17)"});
  EsperarValores(*AnalizarSensibilidad(c, 10), "F1(10)", 4500, 5500);
}

TEST(Sensibilidad, LimitesDeLaVariacion) {
  for (double p : {0.0, -5.0, 50.000001, 1e300, std::nan(""), HUGE_VAL}) {
    EXPECT_FALSE(VariacionValida(p)) << p;
  }
  for (double p : {50.0, 0.001, 10.0}) EXPECT_TRUE(VariacionValida(p)) << p;
  Calculo c;
  c.InicializarDatos();
  ASSERT_FALSE(LeerArchivo(c, Clase("10 a 25")).has_value());
  EXPECT_FALSE(AnalizarSensibilidad(c, 0).has_value());
  EXPECT_FALSE(AnalizarSensibilidad(c, 50.5).has_value());
  EXPECT_TRUE(AnalizarSensibilidad(c, 50).has_value());
  // Un texto que el archivo no admite no impide el análisis: los textos no entran en las cifras.
  c.ValoresS.C[1] = QString::fromLatin1("a\0b", 3);
  EXPECT_TRUE(AnalizarSensibilidad(c).has_value());
}

}  // namespace
}  // namespace dorvelna::pruebas
