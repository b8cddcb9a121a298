#include "gui/ayuda/ArchivoChm.h"

#include <QFile>
#include <QStringDecoder>
#include <QtEndian>
#include <chm_lib.h>

#include "nucleo/archivos/Cp1252.h"

namespace dorvelna {

namespace {

// Un objeto mayor que esto no es una página de ayuda: se trata como archivo dañado.
constexpr qint64 kMayorObjeto = 64 * 1024 * 1024;

// Los textos de la cabecera se escriben en la página de códigos del proyecto; los nuestros
// van en UTF-8, y si no lo son se leen como Windows-1252.
QString TextoCabecera(QByteArrayView bytes) {
  const qsizetype fin = bytes.indexOf('\0');
  if (fin >= 0) bytes = bytes.first(fin);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString texto = utf8(bytes);
  return utf8.hasError() ? DecodificarCp1252(bytes) : texto;
}

quint32 Palabra32(const QByteArray& datos, qsizetype pos) {
  return qFromLittleEndian<quint32>(datos.constData() + pos);
}

int Enumerar(chmFile*, chmUnitInfo* unidad, void* contexto) {
  auto* lista = static_cast<QStringList*>(contexto);
  const QString ruta = QString::fromUtf8(unidad->path);
  // Sólo los objetos del proyecto: ni carpetas ni los internos ("/#SYSTEM", "/$FIftiMain").
  if (ruta.startsWith(QLatin1Char('/')) && !ruta.endsWith(QLatin1Char('/')) &&
      !ruta.startsWith(QLatin1String("/#")) && !ruta.startsWith(QLatin1String("/$"))) {
    lista->append(ruta);
  }
  return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

std::unique_ptr<ArchivoChm> ArchivoChm::Abrir(const QString& ruta) {
  if (!QFile::exists(ruta)) return nullptr;
  chmFile* archivo = chm_open(QFile::encodeName(ruta).constData());
  if (!archivo) return nullptr;
  std::unique_ptr<ArchivoChm> chm(new ArchivoChm(archivo));
  chm->LeerSistema();
  if (chm->temaPorDefecto_.isEmpty() || chm->contenido_.isEmpty()) chm->LeerVentanas();
  return chm;
}

ArchivoChm::ArchivoChm(chmFile* archivo) : archivo_(archivo) {}

ArchivoChm::~ArchivoChm() { chm_close(archivo_); }

QString ArchivoChm::RutaInterna(const QString& nombre) {
  QString ruta = nombre.trimmed();
  ruta.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!ruta.startsWith(QLatin1Char('/'))) ruta.prepend(QLatin1Char('/'));
  return ruta;
}

std::optional<QByteArray> ArchivoChm::Leer(const QString& ruta) const {
  const QByteArray nombre = RutaInterna(ruta).toUtf8();
  chmUnitInfo unidad{};
  if (chm_resolve_object(archivo_, nombre.constData(), &unidad) != CHM_RESOLVE_SUCCESS) {
    return std::nullopt;
  }
  if (unidad.length > static_cast<LONGUINT64>(kMayorObjeto)) return std::nullopt;
  QByteArray datos(static_cast<qsizetype>(unidad.length), Qt::Uninitialized);
  if (datos.isEmpty()) return datos;
  const LONGINT64 leidos =
      chm_retrieve_object(archivo_, &unidad, reinterpret_cast<unsigned char*>(datos.data()), 0,
                          static_cast<LONGINT64>(unidad.length));
  if (leidos != static_cast<LONGINT64>(unidad.length)) return std::nullopt;
  return datos;
}

bool ArchivoChm::Contiene(const QString& ruta) const {
  chmUnitInfo unidad{};
  return chm_resolve_object(archivo_, RutaInterna(ruta).toUtf8().constData(), &unidad) ==
         CHM_RESOLVE_SUCCESS;
}

QStringList ArchivoChm::Objetos() const {
  QStringList lista;
  chm_enumerate(archivo_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, Enumerar, &lista);
  return lista;
}

// #SYSTEM: una versión de 4 bytes y después entradas (código de 2 bytes, largo de 2 bytes,
// datos). Código 0: índice de contenido; 2: tema por defecto; 3: título.
void ArchivoChm::LeerSistema() {
  const std::optional<QByteArray> datos = Leer(QStringLiteral("/#SYSTEM"));
  if (!datos) return;
  qsizetype pos = 4;
  while (pos + 4 <= datos->size()) {
    const quint16 codigo = qFromLittleEndian<quint16>(datos->constData() + pos);
    const quint16 largo = qFromLittleEndian<quint16>(datos->constData() + pos + 2);
    pos += 4;
    if (pos + largo > datos->size()) break;
    const QByteArrayView valor(datos->constData() + pos, largo);
    pos += largo;
    const QString texto = TextoCabecera(valor);
    if (texto.isEmpty()) continue;
    switch (codigo) {
      case 0: contenido_ = RutaInterna(texto); break;
      case 2: temaPorDefecto_ = RutaInterna(texto); break;
      case 3: titulo_ = texto; break;
      default: break;
    }
  }
}

// #WINDOWS: número de ventanas y tamaño de cada una; en la primera, los desplazamientos
// dentro de #STRINGS del título (0x14), del índice de contenido (0x60) y de la página de
// inicio (0x68).
void ArchivoChm::LeerVentanas() {
  const std::optional<QByteArray> ventanas = Leer(QStringLiteral("/#WINDOWS"));
  const std::optional<QByteArray> cadenas = Leer(QStringLiteral("/#STRINGS"));
  if (!ventanas || !cadenas || ventanas->size() < 8) return;
  const quint32 cuantas = Palabra32(*ventanas, 0);
  const quint32 tamano = Palabra32(*ventanas, 4);
  if (cuantas == 0 || tamano < 0x6C || 8 + qsizetype(tamano) > ventanas->size()) return;
  auto cadena = [&](qsizetype campo) -> QString {
    const quint32 desplazamiento = Palabra32(*ventanas, 8 + campo);
    if (desplazamiento == 0 || desplazamiento >= quint32(cadenas->size())) return QString();
    return TextoCabecera(QByteArrayView(*cadenas).sliced(desplazamiento));
  };
  if (titulo_.isEmpty()) titulo_ = cadena(0x14);
  if (contenido_.isEmpty()) {
    const QString c = cadena(0x60);
    if (!c.isEmpty()) contenido_ = RutaInterna(c);
  }
  if (temaPorDefecto_.isEmpty()) {
    const QString t = cadena(0x68);
    if (!t.isEmpty()) temaPorDefecto_ = RutaInterna(t);
  }
}

}  // namespace dorvelna
