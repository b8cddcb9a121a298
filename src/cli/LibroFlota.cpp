#include "cli/LibroFlota.h"

#include "cli/SalidaCalculadora.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

namespace {

struct DatoFlota {
  Grupo grupo;
  int indice;
  const char* rotulo;
};

// Tras la ruta del archivo; la última, tras éstas, es la del motivo del fallo.
constexpr DatoFlota kDatos[] = {
    {Grupo::C, 1, "Descripción"},
    {Grupo::C, 2, "Plazas"},
    {Grupo::C, 9, "Kilómetros al año"},
    {Grupo::C, 14, "Horas al año"},
};
constexpr const char* kRotulosResumen[] = {
    "Coste total (€/año)",
    "Costes directos (€/año)",
    "Costes indirectos (€/año)",
    "C1 (€/viajero-km)",
    "C2 (€/km)",
    "C3 (€/hora)",
    "C4 (€/km)",
    "C5 (€/hora)",
};
static_assert(std::size(kRotulosResumen) == kResumen.size());

constexpr int kColumnaFallo = 1 + std::size(kDatos) + kResumen.size();

}  // namespace

LibroFlota::LibroFlota(const QString& ruta, const Intermediario& intermediario)
    : libro_(ruta, intermediario), hoja_(libro_.Hoja(QStringLiteral("Flota"))) {
  libro_.Propiedades(QStringLiteral("Dorvelna — Flota"),
                     QStringLiteral("Coste anual y costes unitarios C1 a C5 de cada cálculo"));
  QStringList rotulos{QStringLiteral("Archivo")};
  for (const DatoFlota& c : kDatos) rotulos << QString::fromUtf8(c.rotulo);
  for (const char* r : kRotulosResumen) rotulos << QString::fromUtf8(r);
  rotulos << QStringLiteral("Error");
  hoja_.Cabecera(rotulos);
}

void LibroFlota::Anadir(const QString& archivo, const Calculo& calculo) {
  hoja_.Texto(fila_, 0, archivo);
  int columna = 1;
  const auto poner = [&](Grupo g, int i) {
    const Valor& v = calculo.ValoresS(g, i);
    if (v.EsNumero()) hoja_.Numero(fila_, columna, v.Numero(), Decimales(g, i));
    else if (v.EsTexto()) hoja_.Texto(fila_, columna, v.Texto());
    ++columna;
  };
  for (const DatoFlota& c : kDatos) poner(c.grupo, c.indice);
  for (int i : kResumen) poner(Grupo::R, i);
  ++fila_;
}

void LibroFlota::AnadirFallo(const QString& archivo, FalloArchivo fallo) {
  hoja_.Texto(fila_, 0, archivo);
  hoja_.Texto(fila_, kColumnaFallo, MensajeFallo(fallo));
  ++fila_;
}

}  // namespace dorvelna
