// dorvelna-calc: lee archivos de cálculo como los abre el programa y escribe sus valores.
#include <QByteArrayList>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/SalidaCalculadora.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace {

constexpr const char* kUso =
    "uso: dorvelna-calc [--json | --csv] ARCHIVO...\n"
    "  --json  una línea JSON por archivo con las dos columnas (por omisión)\n"
    "  --csv   una tabla resumen: costes totales, directos, indirectos y C1 a C5\n";

// Estado de salida cuando la salida no admite lo escrito (tubería cerrada, disco lleno).
constexpr int kSalidaFallida = 2;

bool Escribir(const QByteArray& bytes) {
  return std::fwrite(bytes.constData(), 1, bytes.size(), stdout) ==
         static_cast<std::size_t>(bytes.size());
}

int SalidaFallida() {
  std::fprintf(stderr, "dorvelna-calc: no se pudo escribir la salida: %s\n", std::strerror(errno));
  return kSalidaFallida;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dorvelna;
  // Una tubería cerrada es un error de escritura más, que se dice, no una muerte callada.
  std::signal(SIGPIPE, SIG_IGN);
  bool csv = false, json = false, soloArchivos = false;
  // Los nombres con sus bytes tal cual: uno que no sea UTF-8 no sobreviviría a un QString.
  QByteArrayList archivos;
  for (int k = 1; k < argc; ++k) {
    const QByteArray arg(argv[k]);
    if (!soloArchivos && arg.startsWith('-') && arg.size() > 1) {
      if (arg == "--json") json = true;
      else if (arg == "--csv") csv = true;
      else if (arg == "--") soloArchivos = true;
      else if (arg == "--help" || arg == "-h") {
        if (!Escribir(kUso) || std::fflush(stdout) != 0) return SalidaFallida();
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

  if (csv && !Escribir(CabeceraCsv())) return SalidaFallida();
  int estado = 0;
  for (const QByteArray& archivo : archivos) {
    const QString nombre = QFile::decodeName(archivo);
    // Cada archivo parte del estado inicial, como al abrirlo en el programa.
    Calculo calculo;
    calculo.InicializarDatos();
    QByteArray linea;
    if (const auto fallo = LeerArchivo(calculo, archivo)) {
      estado = 1;
      linea = csv ? LineaCsvFallo(nombre, *fallo) : LineaJsonFallo(nombre, *fallo);
    } else {
      linea = csv ? LineaCsv(nombre, calculo) : LineaJson(nombre, calculo);
    }
    if (!Escribir(linea)) return SalidaFallida();
  }
  if (std::fflush(stdout) != 0) return SalidaFallida();
  return estado;
}
