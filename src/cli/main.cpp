// dorvelna-calc: lee archivos de cálculo como los abre el programa y escribe sus valores.
#include <QStringList>
#include <cstdio>

#include "cli/SalidaCalculadora.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace {

constexpr const char* kUso =
    "uso: dorvelna-calc [--json | --csv] ARCHIVO...\n"
    "  --json  una línea JSON por archivo con las dos columnas (por omisión)\n"
    "  --csv   una tabla resumen: costes totales, directos, indirectos y C1 a C5\n";

void Escribir(const QByteArray& bytes) { std::fwrite(bytes.constData(), 1, bytes.size(), stdout); }

}  // namespace

int main(int argc, char** argv) {
  using namespace dorvelna;
  bool csv = false, json = false, soloArchivos = false;
  QStringList archivos;
  for (int k = 1; k < argc; ++k) {
    const QString arg = QString::fromLocal8Bit(argv[k]);
    if (!soloArchivos && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      if (arg == QLatin1String("--json")) json = true;
      else if (arg == QLatin1String("--csv")) csv = true;
      else if (arg == QLatin1String("--")) soloArchivos = true;
      else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        std::fputs(kUso, stdout);
        return 0;
      } else {
        std::fprintf(stderr, "dorvelna-calc: opción desconocida: %s\n%s", argv[k], kUso);
        return 2;
      }
    } else {
      archivos.append(arg);
    }
  }
  if (archivos.isEmpty() || (csv && json)) {
    std::fputs(kUso, stderr);
    return 2;
  }

  if (csv) Escribir(CabeceraCsv());
  int estado = 0;
  for (const QString& archivo : archivos) {
    // Cada archivo parte del estado inicial, como al abrirlo en el programa.
    Calculo calculo;
    calculo.InicializarDatos();
    if (const auto fallo = LeerArchivo(calculo, archivo)) {
      estado = 1;
      Escribir(csv ? LineaCsvFallo(archivo, *fallo) : LineaJsonFallo(archivo, *fallo));
    } else {
      Escribir(csv ? LineaCsv(archivo, calculo) : LineaJson(archivo, calculo));
    }
  }
  return std::fflush(stdout) == 0 ? estado : 1;
}
