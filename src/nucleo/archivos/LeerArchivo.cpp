#include "nucleo/archivos/LeerArchivo.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  return LeerArchivo(calculo, QFile::encodeName(ruta));
}

std::optional<FalloArchivo> LeerArchivo(Calculo& calculo, const QByteArray& rutaNativa) {
  if (auto fallo = ComprobarRuta(rutaNativa)) return fallo;
  // QFile sólo abre nombres que quepan en un QString. Sin esperar, por si entre la
  // comprobación y la apertura la ruta ha pasado a ser una FIFO.
  const int fd = ::open(rutaNativa.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return DiagnosticarApertura(QFile::decodeName(rutaNativa), false);
  struct stat datosArchivo;
  QFile archivo;
  if (::fstat(fd, &datosArchivo) != 0 || !S_ISREG(datosArchivo.st_mode) ||
      !archivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return FalloArchivo::AccesoDenegado;
  }
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
