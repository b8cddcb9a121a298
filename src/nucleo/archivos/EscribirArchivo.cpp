#include "nucleo/archivos/EscribirArchivo.h"

#include <QDate>
#include <QFile>

#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

std::optional<FalloArchivo> EscribirArchivo(Calculo& calculo, const QString& ruta,
                                            const Intermediario& intermediario) {
  calculo.Revisar();
  GrabacionDeUnaVez archivo(ruta);
  if (auto fallo = archivo.Abrir(intermediario)) return fallo;

  const QDate hoy = QDate::currentDate();
  Valores s = calculo.ValoresS;
  s.Fecha = hoy;
  Valores o = calculo.ValoresO;
  // Un cálculo que no salió de un archivo no tiene fecha de referencia; sin ella el
  // archivo no podría volver a leerse.
  if (!o.Fecha.isValid()) o.Fecha = hoy;

  for (const QByteArray& linea : LineasArchivo(s, o)) {
    if (!archivo.Escribir(linea)) return FalloArchivo::ArchivoDanado;
  }
  if (!archivo.Confirmar()) return FalloArchivo::ArchivoDanado;

  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) calculo.ValoresGrabados(g, i) = calculo.ValoresS(g, i);
  }
  calculo.ValoresS.Fecha = hoy;
  calculo.ValoresGrabados.Fecha = hoy;
  calculo.Vista().FechaGrabada(hoy);
  return std::nullopt;
}

}  // namespace dorvelna
