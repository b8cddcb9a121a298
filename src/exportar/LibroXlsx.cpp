#include "exportar/LibroXlsx.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include "nucleo/archivos/FalloArchivo.h"

namespace dorvelna {

namespace {

// Ancho de columna en caracteres: un poco de aire a cada lado, y nunca más estrecha que la de
// omisión ni tan ancha que una ruta larga se coma la pantalla.
constexpr double kAire = 2;
constexpr double kAnchoMinimo = 8.43;
constexpr double kAnchoMaximo = 100;
// La negrita ocupa algo más que la letra normal.
constexpr double kFactorNegrita = 1.1;

double Caracteres(const QString& texto) {
  qsizetype mayor = 0;
  for (const QString& linea : texto.split(QLatin1Char('\n'))) mayor = std::max(mayor, linea.size());
  return static_cast<double>(mayor);
}

// libxlsxwriter cuenta por la salida de errores por qué no pudo cerrar el libro. Aquí ese
// motivo va en lo que devuelve Guardar, y la calculadora promete una sola línea de error:
// mientras cierra, su salida de errores va a /dev/null.
class SalidaErroresCallada {
public:
  SalidaErroresCallada() {
    std::fflush(stderr);
    copia_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int nulo = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (copia_ >= 0 && nulo >= 0) ::dup2(nulo, STDERR_FILENO);
    if (nulo >= 0) ::close(nulo);
  }
  ~SalidaErroresCallada() {
    std::fflush(stderr);
    if (copia_ < 0) return;
    ::dup2(copia_, STDERR_FILENO);
    ::close(copia_);
  }
  SalidaErroresCallada(const SalidaErroresCallada&) = delete;
  SalidaErroresCallada& operator=(const SalidaErroresCallada&) = delete;

private:
  int copia_ = -1;
};

}  // namespace

void HojaXlsx::Cabecera(const QStringList& rotulos) {
  if (!hoja_) return;
  for (int c = 0; c < rotulos.size(); ++c) {
    const QByteArray texto = rotulos[c].toUtf8();
    if (const lxw_error e =
            worksheet_write_string(hoja_, 0, c, texto.constData(), libro_.Negrita()))
      libro_.FallarLibro(e);
    Ancho(c, Caracteres(rotulos[c]) * kFactorNegrita);
  }
  worksheet_freeze_panes(hoja_, 1, 0);
}

void HojaXlsx::Texto(int fila, int columna, const QString& texto) {
  if (!hoja_) return;
  const QByteArray utf8 = texto.toUtf8();
  if (const lxw_error e = worksheet_write_string(hoja_, fila, columna, utf8.constData(), nullptr))
    libro_.FallarLibro(e);
  Ancho(columna, Caracteres(texto));
}

void HojaXlsx::Numero(int fila, int columna, double numero, int decimales) {
  if (!hoja_ || !std::isfinite(numero)) return;
  if (const lxw_error e =
          worksheet_write_number(hoja_, fila, columna, numero, libro_.Decimales(decimales)))
    libro_.FallarLibro(e);
  // Como lo mostrará la hoja: con separador de miles y los decimales del formato.
  QLocale agrupado = QLocale::c();
  agrupado.setNumberOptions(QLocale::DefaultNumberOptions);
  Ancho(columna, agrupado.toString(numero, 'f', std::max(decimales, 0)).size());
}

void HojaXlsx::Ancho(int columna, double caracteres) {
  if (columna < 0) return;
  if (static_cast<std::size_t>(columna) >= anchos_.size()) anchos_.resize(columna + 1, 0);
  anchos_[columna] = std::max(anchos_[columna], caracteres);
}

void HojaXlsx::AjustarColumnas() {
  if (!hoja_) return;
  for (std::size_t c = 0; c < anchos_.size(); ++c) {
    if (anchos_[c] <= 0) continue;
    const double ancho = std::clamp(anchos_[c] + kAire, kAnchoMinimo, kAnchoMaximo);
    const auto columna = static_cast<lxw_col_t>(c);
    if (const lxw_error e = worksheet_set_column(hoja_, columna, columna, ancho, nullptr))
      libro_.FallarLibro(e);
  }
}

LibroXlsx::LibroXlsx(const QString& ruta, const Intermediario& intermediario)
    : destino_(ruta), borrador_(QDir::tempPath() + QStringLiteral("/dorvelna-XXXXXX.xlsx")) {
  if (const auto fallo = destino_.Abrir(intermediario)) Fallar(MensajeFallo(*fallo));
  if (!borrador_.open()) {
    Fallar(
        QStringLiteral("No se pudo crear un archivo temporal (%1).").arg(borrador_.errorString()));
  }
  // libxlsxwriter guarda cada parte del libro en temporales propios antes de comprimirla:
  // que vayan a la misma carpeta temporal (TMPDIR) que el borrador.
  carpetaTemporal_ = QFile::encodeName(QDir::tempPath());
  lxw_workbook_options opciones{};
  opciones.tmpdir = carpetaTemporal_.data();
  const QByteArray borrador =
      borrador_.fileName().isEmpty() ? QByteArray("-") : QFile::encodeName(borrador_.fileName());
  libro_ = workbook_new_opt(borrador.constData(), &opciones);
  if (!libro_) FallarLibro(LXW_ERROR_MEMORY_MALLOC_FAILED);
}

LibroXlsx::~LibroXlsx() {
  if (libro_) lxw_workbook_free(libro_);
}

void LibroXlsx::Propiedades(const QString& titulo, const QString& asunto) {
  if (!libro_) return;
  titulo_ = titulo.toUtf8();
  asunto_ = asunto.toUtf8();
  lxw_doc_properties propiedades{};
  propiedades.title = titulo_.data();
  propiedades.subject = asunto_.data();
  if (const lxw_error e = workbook_set_properties(libro_, &propiedades)) FallarLibro(e);
}

HojaXlsx& LibroXlsx::Hoja(const QString& nombre) {
  lxw_worksheet* hoja = nullptr;
  if (libro_) {
    const QByteArray utf8 = nombre.toUtf8();
    // Se valida antes: con un nombre no admitido libxlsxwriter no crea la hoja.
    if (const lxw_error e = workbook_validate_sheet_name(libro_, utf8.constData())) {
      FallarLibro(e);
    } else if (!(hoja = workbook_add_worksheet(libro_, utf8.constData()))) {
      FallarLibro(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
  }
  hojas_.push_back(std::unique_ptr<HojaXlsx>(new HojaXlsx(*this, hoja)));
  return *hojas_.back();
}

lxw_format* LibroXlsx::Negrita() {
  if (!negrita_ && libro_) {
    negrita_ = workbook_add_format(libro_);
    if (negrita_) format_set_bold(negrita_);
  }
  return negrita_;
}

lxw_format* LibroXlsx::Decimales(int decimales) {
  decimales = std::max(decimales, 0);
  auto [sitio, nuevo] = decimales_.try_emplace(decimales, nullptr);
  if (nuevo && libro_) {
    QByteArray formato = "#,##0";
    if (decimales > 0) formato += '.' + QByteArray(decimales, '0');
    sitio->second = workbook_add_format(libro_);
    if (sitio->second) format_set_num_format(sitio->second, formato.constData());
  }
  return sitio->second;
}

void LibroXlsx::Fallar(const QString& motivo) {
  if (!fallo_) fallo_ = motivo;
}

void LibroXlsx::FallarLibro(int error) {
  Fallar(QStringLiteral("No se pudo componer la hoja de cálculo (%1).")
             .arg(QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error)))));
}

std::optional<QString> LibroXlsx::Guardar() {
  if (guardado_) return QStringLiteral("El libro ya se grabó.");
  guardado_ = true;
  if (libro_) {
    if (fallo_) {
      lxw_workbook_free(libro_);
    } else {
      for (const auto& hoja : hojas_) hoja->AjustarColumnas();
      lxw_error e;
      int sistema;
      {
        SalidaErroresCallada callada;
        errno = 0;
        e = workbook_close(libro_);
        sistema = errno;
      }
      // En los fallos de archivo (disco lleno...), el motivo del sistema dice más.
      const bool deArchivo = e == LXW_ERROR_CREATING_XLSX_FILE || e == LXW_ERROR_CREATING_TMPFILE ||
                             e == LXW_ERROR_ZIP_FILE_OPERATION;
      if (e && deArchivo && sistema != 0) {
        Fallar(QStringLiteral("No se pudo componer la hoja de cálculo (%1).")
                   .arg(qt_error_string(sistema)));
      } else if (e) {
        FallarLibro(e);
      }
    }
    libro_ = nullptr;
  }

  // Del borrador al destino, por trozos.
  if (!fallo_) {
    QFile lectura(borrador_.fileName());
    if (!lectura.open(QIODevice::ReadOnly)) {
      Fallar(
          QStringLiteral("No se pudo leer el archivo temporal (%1).").arg(lectura.errorString()));
    }
    while (!fallo_ && !lectura.atEnd()) {
      const QByteArray trozo = lectura.read(1 << 16);
      if (trozo.isEmpty()) {
        Fallar(
            QStringLiteral("No se pudo leer el archivo temporal (%1).").arg(lectura.errorString()));
      } else if (!destino_.Escribir(trozo)) {
        Fallar(destino_.Motivo());
      }
    }
  }
  borrador_.remove();
  if (fallo_) {
    destino_.Descartar();
    return fallo_;
  }
  if (!destino_.Confirmar()) Fallar(destino_.Motivo());
  return fallo_;
}

}  // namespace dorvelna
