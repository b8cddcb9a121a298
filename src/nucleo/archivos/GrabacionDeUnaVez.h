#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "nucleo/archivos/FalloArchivo.h"

namespace dorvelna {

// Dispositivo que se interpone entre el escritor y el archivo temporal; lo usan las
// pruebas para que la escritura falle a mitad. Recibe el temporal ya abierto.
using Intermediario = std::function<std::unique_ptr<QIODevice>(QIODevice& temporal)>;

// Un archivo que se graba de una vez o no se graba: lo escrito va a un temporal junto al
// destino, que sólo al confirmarse sustituye al archivo. Si algo falla, o no se confirma, el
// archivo anterior queda intacto y no queda ningún temporal.
class GrabacionDeUnaVez {
public:
  explicit GrabacionDeUnaVez(const QString& ruta) : archivo_(ruta) {}
  ~GrabacionDeUnaVez() { Descartar(); }
  GrabacionDeUnaVez(const GrabacionDeUnaVez&) = delete;
  GrabacionDeUnaVez& operator=(const GrabacionDeUnaVez&) = delete;

  // Comprueba la ruta y abre el temporal; el motivo si no se puede.
  std::optional<FalloArchivo> Abrir(const Intermediario& intermediario = {});
  // false si el destino no admitió todo (Motivo() dice por qué).
  bool Escribir(const QByteArray& datos);
  // Vacía lo escrito y sustituye el archivo; false si algo falla, y entonces lo descarta.
  bool Confirmar();
  void Descartar();
  // Por qué falló la escritura, en una frase.
  const QString& Motivo() const { return motivo_; }

private:
  bool Fallar(const QIODevice& dispositivo);

  QSaveFile archivo_;
  std::unique_ptr<QIODevice> intermedio_;
  QString motivo_;
};

}  // namespace dorvelna
