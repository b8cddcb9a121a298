#include "gui/ventana/Exportacion.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <memory>

#include "exportar/LibroCalculo.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/frmMensaje.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/GrabacionDeUnaVez.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

namespace {

// Los bytes ya compuestos, al destino de una vez.
std::optional<QString> GrabarDeUnaVez(const QByteArray& datos, const QString& ruta,
                                      const Intermediario& intermediario) {
  GrabacionDeUnaVez archivo(ruta);
  if (const auto fallo = archivo.Abrir(intermediario)) return MensajeFallo(*fallo);
  if (!archivo.Escribir(datos) || !archivo.Confirmar()) return archivo.Motivo();
  return std::nullopt;
}

}  // namespace

std::optional<QString> ExportarPdf(const Calculo& calculo, const DibujarHojas& dibujar,
                                   const QString& ruta, const Intermediario& intermediario) {
  QByteArray datos;
  {
    QBuffer memoria(&datos);
    memoria.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&memoria);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setTitle(TituloDocumento(calculo));
    pdf.setCreator(QStringLiteral("Dorvelna"));
    if (const QString motivo = dibujar(pdf); !motivo.isEmpty()) return motivo;
  }
  return GrabarDeUnaVez(datos, ruta, intermediario);
}

QString NombrePropuesto(const Calculo& calculo, const QString& archivo, const QString& extension,
                        const Entorno& entorno) {
  QString base =
      archivo.isEmpty() ? DescripcionClase(calculo) : QFileInfo(archivo).completeBaseName();
  // La descripción de la clase puede llevar caracteres que no valen en un nombre de archivo.
  static const QRegularExpression prohibidos(QStringLiteral(R"([\\/:*?"<>|])"));
  base.replace(prohibidos, QStringLiteral("-"));
  if (base.isEmpty()) base = QStringLiteral("Dorvelna");
  return QDir(CarpetaCalculos(entorno)).filePath(base + extension);
}

namespace {

QString PreguntarDestino(QWidget* padre, const QString& titulo, const QString& propuesta,
                         const QString& filtro, const QString& extension) {
  QFileDialog dialogo(padre, titulo, propuesta, filtro);
  dialogo.setAcceptMode(QFileDialog::AcceptSave);
  // El diálogo pone la extensión antes de mirar si el archivo existe: "informe" pregunta si
  // se sustituye "informe.pdf", en lugar de grabar encima sin avisar.
  dialogo.setDefaultSuffix(extension);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
  return dialogo.selectedFiles().constFirst();
}

}  // namespace

QString PreguntarDestinoPdf(QWidget* padre, const QString& propuesta) {
  return PreguntarDestino(padre, QStringLiteral("Exportar a PDF"), propuesta,
                          QStringLiteral("Documentos PDF (*.pdf)"), QStringLiteral("pdf"));
}

QString PreguntarDestinoHoja(QWidget* padre, const QString& propuesta) {
  return PreguntarDestino(padre, QStringLiteral("Exportar a hoja de cálculo"), propuesta,
                          QStringLiteral("Libros de Excel (*.xlsx)"), QStringLiteral("xlsx"));
}

namespace {

// Pregunta el destino, con la extensión puesta si no la lleva, y exporta.
void Exportar(QWidget* padre, const Calculo& calculo, const QString& archivo,
              const Entorno& entorno, const PreguntaDestino& pregunta, const QString& extension,
              const std::function<std::optional<QString>(const QString&)>& exportar) {
  QString ruta = pregunta(padre, NombrePropuesto(calculo, archivo, extension, entorno));
  if (ruta.isEmpty()) return;
  if (!ruta.endsWith(extension, Qt::CaseInsensitive)) ruta += extension;
  if (const auto fallo = exportar(ruta))
    MostrarMensaje(*fallo, QStringLiteral("Error"), padre, entorno);
}

}  // namespace

void MandatoExportarPdf(QWidget* padre, const Calculo& calculo, const QString& archivo,
                        const DibujarHojas& dibujar, const Entorno& entorno,
                        const PreguntaDestino& pregunta) {
  Exportar(padre, calculo, archivo, entorno, pregunta, QStringLiteral(".pdf"),
           [&](const QString& ruta) { return ExportarPdf(calculo, dibujar, ruta); });
}

void MandatoExportarHoja(QWidget* padre, Calculo& calculo, const QString& archivo,
                         const Entorno& entorno, const PreguntaDestino& pregunta) {
  Exportar(padre, calculo, archivo, entorno, pregunta, QStringLiteral(".xlsx"),
           [&](const QString& ruta) { return ExportarLibro(calculo, ruta); });
}

}  // namespace dorvelna
