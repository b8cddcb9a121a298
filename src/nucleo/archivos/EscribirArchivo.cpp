#include "nucleo/archivos/EscribirArchivo.h"

#include <QDate>
#include <QFile>
#include <QSaveFile>

#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/archivos/DiagnosticoRuta.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

std::optional<FalloArchivo> EscribirArchivo(Calculo& calculo, const QString& ruta,
                                            const Intermediario& intermediario) {
  calculo.Revisar();
  if (auto fallo = ComprobarRuta(QFile::encodeName(ruta))) return fallo;
  QSaveFile archivo(ruta);
  if (!archivo.open(QIODevice::WriteOnly)) return DiagnosticarApertura(ruta, true);

  const QDate hoy = QDate::currentDate();
  Valores s = calculo.ValoresS;
  s.Fecha = hoy;
  Valores o = calculo.ValoresO;
  // Un cálculo que no salió de un archivo no tiene fecha de referencia; sin ella el
  // archivo no podría volver a leerse.
  if (!o.Fecha.isValid()) o.Fecha = hoy;

  std::unique_ptr<QIODevice> intermedio;
  QIODevice* destino = &archivo;
  if (intermediario) {
    intermedio = intermediario(archivo);
    if (intermedio) destino = intermedio.get();
  }
  // QSaveFile de Qt 6.4 da por bueno commit() aunque el disco se llenara al vaciar el
  // búfer: se comprueba cada escritura y el vaciado, y se cancela ante cualquier fallo.
  bool bien = true;
  for (const QByteArray& linea : LineasArchivo(s, o)) {
    if (destino->write(linea) != linea.size()) {
      bien = false;
      break;
    }
  }
  if (bien && !archivo.flush()) bien = false;
  if (!bien || archivo.error() != QFileDevice::NoError) {
    archivo.cancelWriting();
    return FalloArchivo::ArchivoDanado;
  }
  if (!archivo.commit()) return FalloArchivo::ArchivoDanado;

  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) calculo.ValoresGrabados(g, i) = calculo.ValoresS(g, i);
  }
  calculo.ValoresS.Fecha = hoy;
  calculo.ValoresGrabados.Fecha = hoy;
  calculo.Vista().FechaGrabada(hoy);
  return std::nullopt;
}

}  // namespace dorvelna
