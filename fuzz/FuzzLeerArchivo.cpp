// Lector de archivos de cálculo con entradas arbitrarias. Además de no fallar, lo que se
// lee debe poder escribirse y volver a leerse igual, y presentarse sin problemas.
#include <QByteArrayView>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "cli/SalidaCalculadora.h"
#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/archivos/Cp1252.h"
#include "nucleo/archivos/InterpretarArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/Catalogo.h"

namespace {

using namespace dorvelna;

[[noreturn]] void Fallo(const char* que, Grupo g = Grupo::C, int i = 0) {
  std::fprintf(stderr, "ida y vuelta: %s en %s(%d)\n", que, CodigoGrupo(g), i);
  std::abort();
}

// Lo que se escribió de un valor debe volver igual (los textos, tal como pueden guardarse;
// los números, a 15 cifras; lo vacío, como el valor de su clase).
void Comparar(const Valor& leido, const Valor& vuelto, Grupo g, int i) {
  switch (Campo(g, i).tipo) {
    case Tipo::Texto:
      if (vuelto.Texto() !=
          DecodificarCp1252(CodificarCp1252(TextoGuardable(leido.TextoPlano())))) {
        Fallo("texto", g, i);
      }
      break;
    case Tipo::Logico:
      if (vuelto.EsSi() != leido.EsSi()) Fallo("sí/no", g, i);
      break;
    case Tipo::Numero: {
      const double a = leido.ComoNumero().value_or(0), b = vuelto.Numero();
      if (std::fabs(a - b) > 1e-14 * std::fabs(a) && std::fabs(a) > 1e-300) Fallo("número", g, i);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
  const auto leido = InterpretarArchivo(bytes);
  InterpretarArchivo(bytes, true);
  if (!leido) return 0;

  const QByteArray escrito = ComponerArchivo(leido->S, leido->O);
  const auto vuelto = InterpretarArchivo(escrito);
  if (!vuelto) Fallo("lo escrito no se lee");
  if (ComponerArchivo(vuelto->S, vuelto->O) != escrito) Fallo("segunda escritura distinta");
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) {
      Comparar(leido->S(g, i), vuelto->S(g, i), g, i);
      Comparar(leido->O(g, i), vuelto->O(g, i), g, i);
    }
  }
  if (vuelto->S.Fecha != leido->S.Fecha || vuelto->O.Fecha != leido->O.Fecha) Fallo("fecha");

  // El camino entero de la calculadora con estos valores.
  Calculo calculo;
  calculo.InicializarDatos();
  AdoptarContenido(calculo, *leido);
  const QByteArray json = LineaJson(QStringLiteral("fuzz"), calculo);
  if (!json.endsWith("}\n")) Fallo("json");
  return 0;
}
