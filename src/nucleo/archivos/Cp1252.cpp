#include "nucleo/archivos/Cp1252.h"

#include <QList>
#include <array>

namespace dorvelna {

namespace {

// 0x80-0x9F; los huecos (0x81, 0x8D, 0x8F, 0x90, 0x9D) quedan con su propio número.
constexpr std::array<char16_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ByteDe(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t k = 0; k < kAltos.size(); ++k) {
    if (kAltos[k] == c) return static_cast<char>(0x80 + k);
  }
  return '?';
}

}  // namespace

QString DecodificarCp1252(QByteArrayView bytes) {
  QString texto(bytes.size(), Qt::Uninitialized);
  QChar* destino = texto.data();
  for (qsizetype k = 0; k < bytes.size(); ++k) {
    const auto b = static_cast<unsigned char>(bytes[k]);
    destino[k] = QChar(b >= 0x80 && b < 0xA0 ? kAltos[b - 0x80] : char16_t(b));
  }
  return texto;
}

QByteArray CodificarCp1252(QStringView texto) {
  QByteArray bytes;
  bytes.reserve(texto.size());
  for (char32_t c : texto.toUcs4()) bytes.append(ByteDe(c));
  return bytes;
}

}  // namespace dorvelna
