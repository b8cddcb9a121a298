// Impresión de los formularios: se imprime a un PDF y se lee lo impreso con pdftotext y
// pdftoppm (poppler-utils).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "comun/DispositivoQueFalla.h"
#include "comun/LeerXlsx.h"
#include "gui/campos/CampoTexto.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/frmMensaje.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/Tarta.h"
#include "gui/ventana/Exportacion.h"
#include "gui/ventana/Impresion.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::GuardiaModal;
using pruebas::ResponderModal;

constexpr Formulario kOrden[] = {Formulario::Caracteristicas,  Formulario::CostesFijos1,
                                 Formulario::CostesFijos2,     Formulario::CostesVariables,
                                 Formulario::CostesIndirectos, Formulario::Resultados,
                                 Formulario::Servicio};

// Páginas de un PDF: los objetos de página, sin contar el árbol de páginas (/Pages).
int ContarPaginas(const QString& pdf) {
  QFile archivo(pdf);
  if (!archivo.open(QIODevice::ReadOnly)) return -1;
  const QString contenido = QString::fromLatin1(archivo.readAll());
  static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
  return static_cast<int>(contenido.count(pagina));
}

QString Ejecutar(const QString& programa, const QStringList& argumentos) {
  QProcess proceso;
  proceso.start(programa, argumentos);
  if (!proceso.waitForFinished(30000) || proceso.exitCode() != 0) {
    ADD_FAILURE() << programa.toStdString()
                  << " falló: " << proceso.readAllStandardError().toStdString();
    return QString();
  }
  return QString::fromUtf8(proceso.readAllStandardOutput());
}

// El texto de una página (desde 1), con los blancos reducidos a uno.
QString TextoPagina(const QString& pdf, int pagina) {
  const QString n = QString::number(pagina);
  return Ejecutar(QStringLiteral(DORVELNA_PDFTOTEXT),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-f"), n,
                   QStringLiteral("-l"), n, pdf, QStringLiteral("-")})
      .simplified();
}

QImage ImagenPagina(const QString& pdf, int pagina, const QString& carpeta) {
  const QString n = QString::number(pagina);
  const QString base = carpeta + QStringLiteral("/pagina") + n;
  Ejecutar(
      QStringLiteral(DORVELNA_PDFTOPPM),
      {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-r"), QStringLiteral("72"),
       QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
  return QImage(base + QStringLiteral(".png"));
}

int PixelesDeColor(const QImage& imagen, const QColor& color) {
  int cuantos = 0;
  for (int y = 0; y < imagen.height(); ++y) {
    for (int x = 0; x < imagen.width(); ++x) {
      if (imagen.pixelColor(x, y) == color) ++cuantos;
    }
  }
  return cuantos;
}

class PruebasImpresion : public pruebas::VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    ASSERT_TRUE(carpeta_.isValid());
    pdf_ = carpeta_.filePath(QStringLiteral("hojas.pdf"));
    entorno.impresora = [this]() -> std::unique_ptr<QPrinter> {
      ++trabajos_;
      if (!hayImpresora_) return nullptr;
      auto impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
      impresora->setOutputFormat(QPrinter::PdfFormat);
      impresora->setOutputFileName(pdf_);
      return impresora;
    };
    AbrirVentana();
    AbrirClase(0);
    ASSERT_NE(ventana->FormActual(), nullptr);
  }

  void Imprimir(const char* mandato) {
    QAction* accion = ventana->Accion(QString::fromLatin1(mandato));
    ASSERT_NE(accion, nullptr);
    ASSERT_TRUE(accion->isEnabled());
    accion->trigger();
  }

  // Escribe en el campo sin salir de él.
  CampoTexto* Teclear(const QString& nombre, const QString& texto) {
    auto* campo = Hijo<CampoTexto>(nombre);
    EXPECT_NE(campo, nullptr);
    if (!campo) return nullptr;
    Enfocar(campo);
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, texto);
    return campo;
  }

  // Los siete formularios por el camino de la impresión, a otra hoja.
  DibujarHojas Dibujar() {
    auto* impresion = ventana->findChild<Impresion*>();
    EXPECT_NE(impresion, nullptr);
    return [impresion](QPagedPaintDevice& hoja) { return impresion->ImprimirTodoEn(hoja); };
  }

  QString Titulo(Formulario f) {
    return ventana->ObtenerFormulario(f)->Frame1->title().simplified();
  }

  QTemporaryDir carpeta_;
  QString pdf_;
  int trabajos_ = 0;
  bool hayImpresora_ = true;
};

TEST_F(PruebasImpresion, TodosLosFormulariosSonOchoHojasDeUnTrabajoEnSuOrden) {
  // Sólo uno de los siete está a la vista; los demás se imprimen ocultos.
  ASSERT_EQ(ventana->FormActual()->Tipo(), Formulario::Caracteristicas);
  Imprimir("mnuPrintTodo");
  EXPECT_EQ(trabajos_, 1);
  ASSERT_EQ(ContarPaginas(pdf_), 8);
  for (int k = 0; k < 7; ++k) {
    const QString titulo = Titulo(kOrden[k]);
    ASSERT_FALSE(titulo.isEmpty());
    // El título del marco exterior es lo primero de su hoja.
    EXPECT_TRUE(TextoPagina(pdf_, k + 1).startsWith(titulo))
        << "hoja " << k + 1 << ": " << TextoPagina(pdf_, k + 1).left(120).toStdString();
  }
  // El análisis de sensibilidad, el último, con sus filas.
  const QString ultima = TextoPagina(pdf_, 8);
  EXPECT_TRUE(ultima.startsWith(QStringLiteral("Análisis de sensibilidad")))
      << ultima.left(120).toStdString();
  EXPECT_TRUE(ultima.contains(QStringLiteral("carburante del autocar"))) << ultima.toStdString();
  EXPECT_TRUE(ultima.contains(QStringLiteral("Coste anual"))) << ultima.toStdString();
}

// Se imprime sin haberlo visto nunca, con el valor aún en edición ya tenido en cuenta.
TEST_F(PruebasImpresion, ElAnalisisDeSensibilidadSaleConElValorEnEdicion) {
  CampoTexto* km = Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("123456"));
  ASSERT_NE(km, nullptr);
  Imprimir("mnuPrintSensibilidad");
  ASSERT_EQ(ContarPaginas(pdf_), 1);
  const QString hoja = TextoPagina(pdf_, 1);
  EXPECT_TRUE(hoja.startsWith(QStringLiteral("Análisis de sensibilidad")));
  EXPECT_TRUE(hoja.contains(QStringLiteral("123.456"))) << hoja.toStdString();
  EXPECT_TRUE(km->hasFocus());
}

TEST_F(PruebasImpresion, CadaFormularioSueltoEsUnaHoja) {
  const std::pair<const char*, Formulario> casos[] = {
      {"mnuPrintFijos2", Formulario::CostesFijos2},
      {"mnuPrintResultados", Formulario::Resultados},
      {"mnuPrintServicio", Formulario::Servicio}};
  for (const auto& [mandato, form] : casos) {
    QFile::remove(pdf_);
    Imprimir(mandato);
    EXPECT_EQ(ContarPaginas(pdf_), 1) << mandato;
    EXPECT_TRUE(TextoPagina(pdf_, 1).startsWith(Titulo(form))) << mandato;
  }
}

TEST_F(PruebasImpresion, ElValorSinConfirmarSaleEnSuHojaYElCampoSigueEnEdicion) {
  CampoTexto* km = Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("123456"));
  ASSERT_NE(km, nullptr);
  ASSERT_TRUE(km->EnEdicion());
  ASSERT_EQ(km->text(), QStringLiteral("123456"));
  {
    GuardiaModal guardia;
    Imprimir("mnuPrintCaracteristicas");
  }
  // Confirmado antes de imprimir: guardado y, en la hoja, con su formato.
  EXPECT_EQ(Datos().ValoresS(Grupo::C, 9).ComoNumero().value_or(-1), 123456.0);
  EXPECT_TRUE(TextoPagina(pdf_, 1).contains(QStringLiteral("123.456")));
  // Y de nuevo en edición: sin formato, con el foco, y se confirma al salir.
  EXPECT_TRUE(km->hasFocus());
  EXPECT_TRUE(km->EnEdicion());
  EXPECT_EQ(km->text(), QStringLiteral("123456"));
  QTest::keyClick(km, Qt::Key_Tab);
  QTRY_VERIFY_WITH_TIMEOUT(!km->EnEdicion(), 3000);
  EXPECT_EQ(km->text(), QStringLiteral("123.456"));
}

TEST_F(PruebasImpresion, UnValorFueraDeLimitesAvisaYSeImprimeElAnterior) {
  auto* km = Hijo<CampoTexto>(QStringLiteral("TextSC(9)"));
  ASSERT_NE(km, nullptr);
  const auto anterior = Datos().ValoresS(Grupo::C, 9);
  ASSERT_TRUE(anterior.ComoNumero().has_value());
  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("7"));
  bool avisado = false;
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"),
                 [&](QWidget*) { avisado = true; });
  Imprimir("mnuPrintCaracteristicas");
  EXPECT_TRUE(avisado);
  EXPECT_EQ(Datos().ValoresS(Grupo::C, 9), anterior);
  ASSERT_EQ(ContarPaginas(pdf_), 1);
  const QString hoja = TextoPagina(pdf_, 1);
  EXPECT_TRUE(hoja.contains(QLocale().toString(*anterior.ComoNumero(), 'f', 0)))
      << hoja.toStdString();
  EXPECT_TRUE(km->EnEdicion());
}

TEST_F(PruebasImpresion, LosResultadosSeRecalculanYSalenConSusTartas) {
  auto* resultados = ventana->ObtenerFormulario(Formulario::Resultados);
  auto* total = resultados->findChild<QLabel*>(QStringLiteral("lblSR(18)"));
  ASSERT_NE(total, nullptr);
  const QString antes = total->text();
  // Un cambio en la ficha que los resultados aún no han recogido (uno tecleado ya los rehace).
  Datos().ValoresS.C[9] = Valor(300000.0);
  ASSERT_EQ(total->text(), antes);

  Imprimir("mnuPrintResultados");
  EXPECT_EQ(ventana->FormActual()->Tipo(), Formulario::Caracteristicas);
  EXPECT_NE(total->text(), antes);
  ASSERT_EQ(ContarPaginas(pdf_), 1);
  const QString hoja = TextoPagina(pdf_, 1);
  EXPECT_TRUE(hoja.contains(total->text())) << hoja.toStdString();
  auto* tarta = resultados->findChild<Tarta*>(QStringLiteral("PictureSR"));
  ASSERT_NE(tarta, nullptr);
  EXPECT_TRUE(hoja.contains(tarta->Etiqueta(0)->text()));

  // Los sectores de las dos tartas están en la hoja: mucho más azul de amortización que el
  // del cuadrito de la leyenda (unos 160 puntos a 72 ppp).
  const QImage imagen = ImagenPagina(pdf_, 1, carpeta_.path());
  ASSERT_FALSE(imagen.isNull());
  EXPECT_GT(PixelesDeColor(imagen, Tarta::ColorRanura(0)), 1000);
}

TEST_F(PruebasImpresion, ConElFocoEnUnBotonDeOpcionNoSeConfirmaNada) {
  ventana->ActivarFormulario(Formulario::CostesIndirectos);
  auto* opcion = Hijo<QAbstractButton>(QStringLiteral("OptionSI(1)"));
  ASSERT_NE(opcion, nullptr);
  Enfocar(opcion);
  Imprimir("mnuPrintIndirectos");
  EXPECT_EQ(ContarPaginas(pdf_), 1);
  EXPECT_TRUE(opcion->hasFocus());
  for (CampoTexto* campo : ventana->FormActual()->findChildren<CampoTexto*>()) {
    EXPECT_FALSE(campo->EnEdicion()) << campo->objectName().toStdString();
  }
}

// El aviso de un trabajo que no sale: en frmMensaje, con el título "Imprimir", el motivo y
// cómo guardar los formularios en PDF, en párrafos separados por una línea en blanco.
void EsperarAviso(const QString& motivo, bool& visto) {
  visto = false;
  ResponderModal(
      QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [motivo, &visto](QWidget* d) {
        visto = true;
        auto* texto = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
        ASSERT_NE(texto, nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Imprimir"));
        EXPECT_EQ(texto->text(), motivo + QStringLiteral("\n\nPuede guardar los formularios en PDF "
                                                         "con «Archivo → Exportar a PDF...»."));
      });
}

TEST_F(PruebasImpresion, SinImpresoraSeAvisaUnaVezYElCampoSeConfirma) {
  hayImpresora_ = false;
  CampoTexto* km = Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("250000"));
  ASSERT_NE(km, nullptr);
  int avisos = 0;
  ventana->EntornoPrograma().mensajes = ([&](const QString& texto, const QString& titulo) {
    ++avisos;
    EXPECT_EQ(titulo, QStringLiteral("Imprimir"));
    EXPECT_TRUE(
        texto.startsWith(QStringLiteral("No hay ninguna impresora predeterminada.\r\n\r\n")))
        << texto.toStdString();
    return true;
  });
  Imprimir("mnuPrintTodo");
  ventana->EntornoPrograma().mensajes = {};
  // Se pidió la impresora una vez, no había, y las siete hojas dan un solo aviso.
  EXPECT_EQ(trabajos_, 1);
  EXPECT_EQ(avisos, 1);
  EXPECT_FALSE(QFile::exists(pdf_));
  EXPECT_EQ(Datos().ValoresS(Grupo::C, 9).ComoNumero().value_or(-1), 250000.0);
  EXPECT_TRUE(km->EnEdicion());
  EXPECT_EQ(km->text(), QStringLiteral("250000"));

  // Y en el cuadro de mensajes de verdad.
  bool visto = false;
  EsperarAviso(QStringLiteral("No hay ninguna impresora predeterminada."), visto);
  Imprimir("mnuPrintServicio");
  EXPECT_TRUE(visto);
  EXPECT_TRUE(ventana->isVisible());
}

TEST_F(PruebasImpresion, UnTrabajoQueNoSePuedeAbrirSeAvisa) {
  pdf_ = carpeta_.filePath(QStringLiteral("no/existe/hojas.pdf"));
  bool visto = false;
  EsperarAviso(QStringLiteral("No se ha podido imprimir."), visto);
  Imprimir("mnuPrintCaracteristicas");
  EXPECT_TRUE(visto);
  EXPECT_EQ(trabajos_, 1);
  EXPECT_FALSE(QFile::exists(pdf_));
}

// Exportar a PDF va por el mismo camino que imprimir, pero a un archivo y sin impresora.
TEST_F(PruebasImpresion, ExportarAPdfSonLasSieteHojasA4ConElValorTecleado) {
  CampoTexto* km = Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("123456"));
  ASSERT_NE(km, nullptr);
  const QString clase = Datos().ValoresS(Grupo::C, 1).Texto().trimmed();
  QString propuesta;
  MandatoExportarPdf(ventana.get(), Datos(), QString(), Dibujar(), ventana->EntornoPrograma(),
                     [&](QWidget*, const QString& nombre) {
                       propuesta = nombre;
                       return carpeta_.filePath(QStringLiteral("exportado"));
                     });
  EXPECT_EQ(
      propuesta,
      QDir(CarpetaCalculos(ventana->EntornoPrograma())).filePath(clase + QStringLiteral(".pdf")));
  EXPECT_EQ(
      NombrePropuesto(Datos(), QStringLiteral("/x/flota.dvn"), QStringLiteral(".pdf"),
                      ventana->EntornoPrograma()),
      QDir(CarpetaCalculos(ventana->EntornoPrograma())).filePath(QStringLiteral("flota.pdf")));
  const QString pdf = carpeta_.filePath(QStringLiteral("exportado.pdf"));
  EXPECT_EQ(trabajos_, 0);
  // Las siete hojas de los formularios y, la última, el análisis de sensibilidad.
  ASSERT_EQ(ContarPaginas(pdf), 8);
  for (int k = 0; k < 7; ++k) {
    EXPECT_TRUE(TextoPagina(pdf, k + 1).startsWith(Titulo(kOrden[k]))) << "hoja " << k + 1;
  }
  EXPECT_TRUE(TextoPagina(pdf, 1).contains(QStringLiteral("123.456")));
  EXPECT_TRUE(km->EnEdicion());
  const QString info = Ejecutar(
      QFileInfo(QStringLiteral(DORVELNA_PDFTOTEXT)).dir().filePath(QStringLiteral("pdfinfo")),
      {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
  EXPECT_TRUE(info.contains(QStringLiteral("Dorvelna — ") + clase)) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
  // A lo ancho de la hoja: el dibujo llega casi al margen derecho (10 mm de 210).
  const QImage hoja = ImagenPagina(pdf, 1, carpeta_.path());
  ASSERT_FALSE(hoja.isNull());
  int derecha = 0;
  for (int y = 0; y < hoja.height(); ++y) {
    for (int x = hoja.width() - 1; x > derecha; --x) {
      if (hoja.pixelColor(x, y) != Qt::white) derecha = x;
    }
  }
  EXPECT_GT(derecha, hoja.width() * 0.9);
}

TEST_F(PruebasImpresion, UnaExportacionQueFallaNoDejaNadaYDiceElMotivo) {
  const QString pdf = carpeta_.filePath(QStringLiteral("viejo.pdf"));
  {
    QFile viejo(pdf);
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.write("anterior");
  }
  for (qint64 n : {qint64(0), qint64(5000)}) {
    const auto fallo = ExportarPdf(Datos(), Dibujar(), pdf, [n](QIODevice& temporal) {
      return std::make_unique<pruebas::DispositivoQueFalla>(temporal, n);
    });
    ASSERT_TRUE(fallo.has_value()) << n;
    EXPECT_TRUE(fallo->startsWith(QStringLiteral("No se pudo escribir el archivo"))) << n;
    QFile viejo(pdf);
    ASSERT_TRUE(viejo.open(QIODevice::ReadOnly));
    EXPECT_EQ(viejo.readAll(), QByteArray("anterior")) << n;
  }
  QStringList mensajes;
  ventana->EntornoPrograma().mensajes = ([&](const QString& texto, const QString& titulo) {
    mensajes << titulo + QLatin1Char('|') + texto;
    return true;
  });
  MandatoExportarPdf(ventana.get(), Datos(), QString(), Dibujar(), ventana->EntornoPrograma(),
                     [&](QWidget*, const QString&) {
                       return carpeta_.filePath(QStringLiteral("no/existe/hojas.pdf"));
                     });
  ventana->EntornoPrograma().mensajes = {};
  ASSERT_EQ(mensajes.size(), 1);
  EXPECT_TRUE(mensajes[0].startsWith(QStringLiteral("Error|"))) << mensajes[0].toStdString();
  EXPECT_EQ(QDir(carpeta_.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("viejo.pdf")});
}

TEST_F(PruebasImpresion, ExportarAHojaDeCalculoGrabaElCalculoDeLaVentana) {
  QString propuesta;
  MandatoExportarHoja(ventana.get(), Datos(), QStringLiteral("/x/flota.dvn"),
                      ventana->EntornoPrograma(), [&](QWidget*, const QString& nombre) {
                        propuesta = nombre;
                        return carpeta_.filePath(QStringLiteral("libro"));
                      });
  EXPECT_EQ(
      propuesta,
      QDir(CarpetaCalculos(ventana->EntornoPrograma())).filePath(QStringLiteral("flota.xlsx")));
  const QJsonObject libro = pruebas::LeerXlsx(carpeta_.filePath(QStringLiteral("libro.xlsx")));
  const QJsonArray hojas = libro[QStringLiteral("hojas")].toArray();
  ASSERT_EQ(hojas.size(), 7);
  const QJsonArray fila9 = hojas[1].toObject()[QStringLiteral("filas")].toArray()[9].toArray();
  EXPECT_DOUBLE_EQ(fila9[2].toObject()[QStringLiteral("valor")].toDouble(),
                   *Datos().ValoresS(Grupo::C, 9).ComoNumero());
  EXPECT_EQ(trabajos_, 0);
}

// El diálogo de exportar, el de verdad: un nombre escrito sin extensión que ya existe con ella
// pide confirmación antes de sustituirlo; "No" deja el diálogo abierto.
TEST(DialogoExportar, UnNombreSinExtensionQueYaExistePideConfirmar) {
  QTemporaryDir carpeta;
  ASSERT_TRUE(carpeta.isValid());
  QFile anterior(carpeta.filePath(QStringLiteral("informe.pdf")));
  ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
  anterior.close();
  // El diálogo de archivos y su pregunta de sustituir no llevan nombre propio.
  const ModalEsperado archivos{QStringLiteral("QFileDialog")}, sinNombre{QString()};
  QString pregunta;
  QTimer contestar;
  QObject::connect(&contestar, &QTimer::timeout, [&] {
    if (auto* aviso = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      pregunta = aviso->text();
      aviso->button(QMessageBox::No)->click();
    }
  });
  contestar.start(20);
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
    QWidget* dialogo = QApplication::activeModalWidget();
    auto* nombre = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nombre, nullptr);
    nombre->setText(QStringLiteral("informe"));
    QTest::keyClick(nombre, Qt::Key_Return);
    QTest::keyClick(dialogo, Qt::Key_Escape);
  });
  const QString elegido =
      PreguntarDestinoPdf(nullptr, carpeta.filePath(QStringLiteral("Autocar.pdf")));
  EXPECT_TRUE(pregunta.contains(QStringLiteral("informe.pdf"))) << pregunta.toStdString();
  EXPECT_TRUE(elegido.isEmpty()) << elegido.toStdString();
}

}  // namespace
}  // namespace dorvelna::pruebas
