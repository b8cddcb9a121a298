// dorvelna-calc: lee archivos de cálculo como los abre el programa y escribe sus valores.
#include <QByteArrayList>
#include <QFile>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

#include "cli/LibroFlota.h"
#include "cli/SalidaCalculadora.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace {

constexpr const char* kUso =
    "uso: dorvelna-calc [--json | --csv | --xlsx SALIDA.xlsx | --sensibilidad[=P]] ARCHIVO...\n"
    "  --json  una línea JSON por archivo con las dos columnas (por omisión)\n"
    "  --csv   una tabla resumen: costes totales, directos, indirectos y C1 a C5\n"
    "  --xlsx  un libro de hoja de cálculo con una fila por archivo: datos principales,\n"
    "          costes totales, directos, indirectos y C1 a C5 de la columna S\n"
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

int LibroFallido(const QByteArray& salida, const QString& motivo) {
  std::fprintf(stderr, "dorvelna-calc: no se pudo escribir %s: %s\n", salida.constData(),
               motivo.toUtf8().constData());
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

int UsoIncorrecto(const char* motivo, const char* argumento) {
  std::fprintf(stderr, "dorvelna-calc: %s: %s\n%s", motivo, argumento, kUso);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dorvelna;
  // Una tubería cerrada es un error de escritura más, que se dice, no una muerte callada.
  std::signal(SIGPIPE, SIG_IGN);
  bool csv = false, json = false, soloArchivos = false;
  std::optional<QByteArray> xlsx;
  std::optional<double> variacion;
  // Los nombres con sus bytes tal cual: uno que no sea UTF-8 no sobreviviría a un QString.
  QByteArrayList archivos;
  for (int k = 1; k < argc; ++k) {
    const QByteArray arg(argv[k]);
    if (!soloArchivos && arg.startsWith('-') && arg.size() > 1) {
      if (arg == "--json") json = true;
      else if (arg == "--csv") csv = true;
      else if (arg == "--xlsx") {
        if (xlsx || k + 1 == argc) {
          std::fputs(kUso, stderr);
          return 2;
        }
        xlsx = QByteArray(argv[++k]);
        // Sin la extensión, "--xlsx a.dvn b.dvn" grabaría el libro encima de un cálculo.
        if (!xlsx->toLower().endsWith(".xlsx")) {
          return UsoIncorrecto("la salida de --xlsx debe acabar en .xlsx", argv[k]);
        }
      } else if (arg == "--sensibilidad") variacion = kVariacionPorOmision;
      else if (arg.startsWith("--sensibilidad=")) {
        variacion = LeerVariacion(arg.mid(int(std::strlen("--sensibilidad="))));
        if (!variacion) {
          return UsoIncorrecto("variación no válida (un número mayor que 0 y no mayor que 50)",
                               argv[k]);
        }
      } else if (arg == "--") soloArchivos = true;
      else if (arg == "--help" || arg == "-h") {
        if (!Escribir(kUso) || std::fflush(stdout) != 0) return SalidaFallida();
        return 0;
      } else {
        return UsoIncorrecto("opción desconocida", argv[k]);
      }
    } else {
      archivos.append(arg);
    }
  }
  if (archivos.isEmpty() ||
      int(csv) + int(json) + int(xlsx.has_value()) + int(variacion.has_value()) > 1) {
    std::fputs(kUso, stderr);
    return 2;
  }

  // El libro se abre antes de leer nada: una salida imposible se dice enseguida.
  std::optional<LibroFlota> flota;
  if (xlsx) {
    const QString salida = QFile::decodeName(*xlsx);
    // Un nombre que no sea UTF-8 no sobrevive a un QString: se grabaría con otro nombre.
    if (QFile::encodeName(salida) != *xlsx) {
      return LibroFallido(*xlsx, MensajeFallo(FalloArchivo::NombreNoValido));
    }
    flota.emplace(salida);
    if (flota->Fallo()) return LibroFallido(*xlsx, *flota->Fallo());
  }

  if (csv && !Escribir(CabeceraCsv())) return SalidaFallida();
  int estado = 0;
  for (const QByteArray& archivo : archivos) {
    const QString nombre = QFile::decodeName(archivo);
    // Cada archivo parte del estado inicial, como al abrirlo en el programa.
    Calculo calculo;
    calculo.InicializarDatos();
    const auto fallo = LeerArchivo(calculo, archivo);
    if (fallo) estado = 1;
    if (flota) {
      if (fallo) flota->AnadirFallo(nombre, *fallo);
      else flota->Anadir(nombre, calculo);
      continue;
    }
    QByteArray linea;
    if (fallo) {
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
  if (flota) {
    if (const auto motivo = flota->Guardar()) return LibroFallido(*xlsx, *motivo);
  }
  if (std::fflush(stdout) != 0) return SalidaFallida();
  return estado;
}
