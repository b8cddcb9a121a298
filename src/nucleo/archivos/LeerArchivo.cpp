#include "nucleo/archivos/LeerArchivo.h"

#include <QFile>

#include "nucleo/archivos/DiagnosticoRuta.h"
#include "nucleo/archivos/InterpretarArchivo.h"
#include "nucleo/archivos/PresentarCalculo.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

namespace {

// Un archivo de cálculo ocupa unos pocos kilobytes; de uno enorme (o de un dispositivo
// que no acaba) basta con el principio.
constexpr qint64 kLecturaMaxima = 4 * 1024 * 1024;

}  // namespace

std::optional<FalloArchivo> LeerArchivo(Calculo& calculo, const QString& ruta) {
  if (auto fallo = ComprobarRuta(ruta)) return fallo;
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return DiagnosticarApertura(ruta, false);
  const QByteArray datos = archivo.read(kLecturaMaxima);
  if (archivo.error() != QFileDevice::NoError) return FalloArchivo::ArchivoDanado;
  const bool cortado = datos.size() == kLecturaMaxima && !archivo.atEnd();
  archivo.close();

  // Se lee aparte y sólo se adopta con los 194 valores leídos.
  const auto contenido = InterpretarArchivo(datos, cortado);
  if (!contenido) return FalloArchivo::ArchivoDanado;
  AdoptarContenido(calculo, *contenido);
  return std::nullopt;
}

void AdoptarContenido(Calculo& calculo, const ContenidoArchivo& contenido) {
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) {
      calculo.ValoresS(g, i) = contenido.S(g, i);
      calculo.ValoresGrabados(g, i) = contenido.S(g, i);
      calculo.ValoresO(g, i) = contenido.O(g, i);
    }
  }
  calculo.ValoresS.Fecha = contenido.S.Fecha;
  calculo.ValoresGrabados.Fecha = contenido.S.Fecha;
  calculo.ValoresO.Fecha = contenido.O.Fecha;

  PresentarCalculo(calculo);
}

}  // namespace dorvelna
