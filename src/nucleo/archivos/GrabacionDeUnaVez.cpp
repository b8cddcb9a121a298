#include "nucleo/archivos/GrabacionDeUnaVez.h"

#include <QFile>

#include "nucleo/archivos/DiagnosticoRuta.h"

namespace dorvelna {

std::optional<FalloArchivo> GrabacionDeUnaVez::Abrir(const Intermediario& intermediario) {
  if (auto fallo = ComprobarRuta(QFile::encodeName(archivo_.fileName()))) return fallo;
  if (!archivo_.open(QIODevice::WriteOnly)) return DiagnosticarApertura(archivo_.fileName(), true);
  if (intermediario) intermedio_ = intermediario(archivo_);
  return std::nullopt;
}

bool GrabacionDeUnaVez::Fallar(const QIODevice& dispositivo) {
  const QString detalle = dispositivo.errorString();
  motivo_ = detalle.isEmpty() || detalle == QLatin1String("Unknown error")
                ? QStringLiteral("No se pudo escribir el archivo.")
                : QStringLiteral("No se pudo escribir el archivo (%1).").arg(detalle);
  Descartar();
  return false;
}

bool GrabacionDeUnaVez::Escribir(const QByteArray& datos) {
  if (!archivo_.isOpen()) return false;
  QIODevice& salida = intermedio_ ? *intermedio_ : static_cast<QIODevice&>(archivo_);
  return salida.write(datos) == datos.size() || Fallar(salida);
}

// QSaveFile de Qt 6.4 da por bueno commit() aunque el disco se llenara al vaciar el búfer: se
// comprueba el vaciado y el estado del archivo antes de confirmar.
bool GrabacionDeUnaVez::Confirmar() {
  if (!archivo_.isOpen()) return false;
  if (!archivo_.flush() || archivo_.error() != QFileDevice::NoError) return Fallar(archivo_);
  intermedio_.reset();
  return archivo_.commit() || Fallar(archivo_);
}

void GrabacionDeUnaVez::Descartar() {
  intermedio_.reset();
  if (!archivo_.isOpen()) return;
  archivo_.cancelWriting();
  archivo_.commit();  // tras cancelWriting sólo borra el temporal
}

}  // namespace dorvelna
