// dorvelna-calc: lee archivos de cálculo como los abre el programa y escribe sus valores.
#include <QByteArrayList>
#include <QFile>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

#include "cli/SalidaCalculadora.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace {

constexpr const char* kUso =
    "uso: dorvelna-calc [--json | --csv | --sensibilidad[=P]] ARCHIVO...\n"
    "  --json  una línea JSON por archivo con las dos columnas (por omisión)\n"
    "  --csv   una tabla resumen: costes totales, directos, indirectos y C1 a C5\n"
    "  --sensibilidad[=P]\n"
    "          una línea JSON por archivo con el coste total y C1 a C5 al bajar y subir\n"
    "          un P % (de más de 0 a 50; 10 por omisión) cada dato principal de S\n";

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

// La variación de --sensibilidad=P: todo el texto es un número, dentro de (0, 50].
std::optional<double> LeerVariacion(const QByteArray& texto) {
  double p = 0;
  const char* fin = texto.constData() + texto.size();
  const auto [ptr, ec] = std::from_chars(texto.constData(), fin, p);
  if (ec != std::errc() || ptr != fin || !dorvelna::VariacionValida(p)) return std::nullopt;
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dorvelna;
  // Una tubería cerrada es un error de escritura más, que se dice, no una muerte callada.
  std::signal(SIGPIPE, SIG_IGN);
  bool csv = false, json = false, soloArchivos = false;
  std::optional<double> variacion;
  // Los nombres con sus bytes tal cual: uno que no sea UTF-8 no sobreviviría a un QString.
  QByteArrayList archivos;
  for (int k = 1; k < argc; ++k) {
    const QByteArray arg(argv[k]);
    if (!soloArchivos && arg.startsWith('-') && arg.size() > 1) {
      if (arg == "--json") json = true;
      else if (arg == "--csv") csv = true;
      else if (arg == "--") soloArchivos = true;
      else if (arg == "--sensibilidad") variacion = kVariacionPorOmision;
      else if (arg.startsWith("--sensibilidad=")) {
        variacion = LeerVariacion(arg.mid(int(std::strlen("--sensibilidad="))));
        if (!variacion) {
          std::fprintf(stderr,
                       "dorvelna-calc: variación no válida: %s (un número mayor que 0 y no "
                       "mayor que 50)\n%s",
                       argv[k], kUso);
          return 2;
        }
      } else if (arg == "--help" || arg == "-h") {
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
  if (archivos.isEmpty() || int(csv) + int(json) + int(variacion.has_value()) > 1) {
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
    } else if (variacion) {
      const auto analisis = AnalizarSensibilidad(calculo, *variacion);
      linea = analisis ? LineaJsonSensibilidad(nombre, *analisis)
                       : LineaJsonFallo(nombre, FalloArchivo::ArchivoDanado);
      if (!analisis) estado = 1;
    } else {
      linea = csv ? LineaCsv(nombre, calculo) : LineaJson(nombre, calculo);
    }
    if (!Escribir(linea)) return SalidaFallida();
  }
  if (std::fflush(stdout) != 0) return SalidaFallida();
  return estado;
}
