#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "gui/ayuda/ArchivoChm.h"
#include "gui/ayuda/Ayuda.h"
#include "gui/ayuda/MapaContenido.h"
#include "gui/ayuda/NavegadorChm.h"
#include "gui/ayuda/VentanaAyuda.h"
#include "gui/comun/Carpetas.h"
#include "gui/formularios/FormularioDatos.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::ResponderModal;

const QString kManual = QStringLiteral("/Dorvelna.chm");
const QString kAcuerdos = QStringLiteral("/Acuerdos.chm");

class PruebaAyuda : public pruebas::VentanaPrueba {
protected:
  // Elige una orden con el ratón: primero el menú de la barra y después la entrada.
  void ElegirEnMenu(const QString& menu, const QString& accion) {
    QMenu* m = Hijo<QMenu>(menu);
    QAction* a = ventana->Accion(accion);
    ASSERT_TRUE(m && a);
    QMenuBar* barra = ventana->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(m->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(m->isVisible()); }, 3000));
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
  }

  VentanaAyuda* AyudaAbierta(const QString& archivo) const {
    for (auto* v : ventana->findChildren<VentanaAyuda*>()) {
      if (v->Ruta() == CarpetaPrograma(entorno) + archivo && v->isVisible()) return v;
    }
    return nullptr;
  }

  static QString Pagina(VentanaAyuda* v) { return NavegadorChm::RutaDe(v->Navegador()->source()); }
};

// Hace clic, como un usuario, en el primer enlace de la página que lleva a `destino`.
void PulsarEnlace(QTextBrowser* visor, const QString& destino) {
  QTextDocument* doc = visor->document();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.charFormat().isAnchor() || f.charFormat().anchorHref() != destino) continue;
      QTextCursor cursor(doc);
      cursor.setPosition(f.position() + std::min(2, f.length() / 2));
      visor->setTextCursor(cursor);
      visor->ensureCursorVisible();
      const QPoint punto = visor->cursorRect(cursor).center();
      ASSERT_EQ(visor->anchorAt(punto), destino);
      QTest::mouseClick(visor->viewport(), Qt::LeftButton, {}, punto);
      return;
    }
  }
  FAIL() << "La página no tiene enlace a " << destino.toStdString();
}

void Capturar(QWidget* w, const QString& nombre) {
  w->grab().save(QDir::temp().filePath(nombre), "PNG");
}

TEST_F(PruebaAyuda, LasDosAyudasSeAbrenDesdeSusMenusEnSuTemaPorDefecto) {
  AbrirVentana();
  ElegirEnMenu(QStringLiteral("mnuHelp"), QStringLiteral("mnuHelpContents"));
  VentanaAyuda* manual = AyudaAbierta(kManual);
  ASSERT_NE(manual, nullptr);
  EXPECT_TRUE(manual->isWindow());
  EXPECT_EQ(manual->parentWidget(), ventana.get());
  EXPECT_EQ(manual->windowTitle(), QStringLiteral("Ayuda de Dorvelna"));
  EXPECT_EQ(Pagina(manual), QStringLiteral("/inicio.html"));
  EXPECT_EQ(manual->Navegador()->documentTitle(), QStringLiteral("Dorvelna: manual del usuario"));
  EXPECT_EQ(Estado().ArchivoAyuda, CarpetaPrograma(entorno) + kManual);
  Capturar(manual, QStringLiteral("ayuda-manual.png"));

  ElegirEnMenu(QStringLiteral("mnuCalibrario"), QStringLiteral("mnuAcuerdos"));
  VentanaAyuda* acuerdos = AyudaAbierta(kAcuerdos);
  ASSERT_NE(acuerdos, nullptr);
  EXPECT_NE(acuerdos, manual);
  EXPECT_EQ(acuerdos->parentWidget(), ventana.get());
  EXPECT_EQ(acuerdos->windowTitle(), QStringLiteral("Acuerdos del Calibrario de Costes"));
  EXPECT_EQ(Pagina(acuerdos), QStringLiteral("/inicio.html"));
  EXPECT_EQ(acuerdos->Navegador()->documentTitle(), QStringLiteral("El Calibrario de Costes"));
  // El nombre del archivo de ayuda es el del último abierto.
  EXPECT_EQ(Estado().ArchivoAyuda, CarpetaPrograma(entorno) + kAcuerdos);
  Capturar(acuerdos, QStringLiteral("ayuda-acuerdos.png"));

  // Pedir otra vez el manual, lejos ya de su portada, reutiliza su ventana y vuelve a ella.
  manual->Navegador()->setSource(NavegadorChm::Direccion(QStringLiteral("/resultados.html")));
  ElegirEnMenu(QStringLiteral("mnuHelp"), QStringLiteral("mnuHelpContents"));
  EXPECT_EQ(AyudaAbierta(kManual), manual);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/inicio.html"));
  EXPECT_EQ(ventana->findChildren<VentanaAyuda*>().size(), 2);
  EXPECT_EQ(Estado().ArchivoAyuda, CarpetaPrograma(entorno) + kManual);
}

// Sin archivo, con un archivo que no es una ayuda y con uno cortado tras su cabecera (nombra
// su portada, pero no se puede leer): cada orden da su mensaje, con el título "Error", y no
// abre ninguna ventana.
TEST_F(PruebaAyuda, UnArchivoQueFaltaOEstaDanadoDaSuMensaje) {
  const QString original = QCoreApplication::applicationDirPath() + kManual;
  const QString carpeta = CarpetaTemporal(false);
  AbrirVentana();
  struct Caso {
    QString accion, archivo, mensaje;
  };
  const QList<Caso> casos = {
      {QStringLiteral("mnuHelpContents"), kManual,
       QStringLiteral("El fichero de ayuda se ha borrado o se ha corrompido.")},
      {QStringLiteral("mnuAcuerdos"), kAcuerdos,
       QStringLiteral("El fichero de los acuerdos se ha borrado o se ha corrompido.")},
  };
  QFile completo(original);
  ASSERT_TRUE(completo.open(QIODevice::ReadOnly));
  const QByteArray cortado = completo.readAll().left(12 * 1024);
  {
    QFile f(carpeta + QStringLiteral("/cortado.chm"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cortado);
  }
  const auto chm = ArchivoChm::Abrir(carpeta + QStringLiteral("/cortado.chm"));
  ASSERT_TRUE(chm);
  ASSERT_EQ(chm->TemaPorDefecto(), QStringLiteral("/inicio.html"));
  ASSERT_FALSE(chm->Leer(chm->TemaPorDefecto()));
  const QList<QByteArray> contenidos = {QByteArray(), QByteArray("esto no es una ayuda\r\n"),
                                        cortado};
  for (const QByteArray& contenido : contenidos) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.accion.toStdString() + " con " + std::to_string(contenido.size()) + " bytes");
      QFile::remove(carpeta + c.archivo);
      if (!contenido.isNull()) {
        QFile f(carpeta + c.archivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
      }
      bool visto = false;
      ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
        visto = true;
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Error"));
        auto* texto = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
        ASSERT_TRUE(texto);
        EXPECT_EQ(texto->text(), c.mensaje);
      });
      ventana->Accion(c.accion)->trigger();
      EXPECT_TRUE(visto);
      EXPECT_EQ(Estado().ArchivoAyuda, carpeta + c.archivo);
      EXPECT_TRUE(ventana->findChildren<VentanaAyuda*>().isEmpty());
    }
  }
}

TEST_F(PruebaAyuda, UnClicEnUnEnlaceAbreSuPaginaYElIndiceLaSenala) {
  AbrirVentana();
  ventana->Accion(QStringLiteral("mnuHelpContents"))->trigger();
  VentanaAyuda* manual = AyudaAbierta(kManual);
  ASSERT_NE(manual, nullptr);
  QTextBrowser* visor = manual->Navegador();

  PulsarEnlace(visor, QStringLiteral("empezar.html"));
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return (Pagina(manual)) == (QStringLiteral("/empezar.html")); }, 3000));
  EXPECT_EQ(Pagina(manual), QStringLiteral("/empezar.html"));
  EXPECT_EQ(visor->documentTitle(), QStringLiteral("Empezar un cálculo"));
  ASSERT_NE(manual->Contenido()->currentItem(), nullptr);
  EXPECT_EQ(manual->Contenido()->currentItem()->text(0), QStringLiteral("Empezar un cálculo"));

  // Un enlace con ancla a otra página: abre la página y baja hasta el ancla.
  PulsarEnlace(visor, QStringLiteral("archivos.html#abrir"));
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return (Pagina(manual)) == (QStringLiteral("/archivos.html")); }, 3000));
  EXPECT_EQ(Pagina(manual), QStringLiteral("/archivos.html"));
  EXPECT_EQ(visor->source().fragment(), QStringLiteral("abrir"));
  EXPECT_GT(visor->verticalScrollBar()->value(), 0);

  // Y el índice de contenido también abre su página con un clic.
  QTreeWidget* arbol = manual->Contenido();
  const auto encontrados =
      arbol->findItems(QStringLiteral("Resultados"), Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(encontrados.size(), 1);
  arbol->scrollToItem(encontrados[0]);
  QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {},
                    arbol->visualItemRect(encontrados[0]).center());
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return (Pagina(manual)) == (QStringLiteral("/resultados.html")); }, 3000));
  EXPECT_EQ(Pagina(manual), QStringLiteral("/resultados.html"));

  // Un enlace a una página que el archivo no tiene da un aviso en lugar de una página vacía.
  visor->setSource(NavegadorChm::Direccion(QStringLiteral("/no-existe.html")));
  EXPECT_TRUE(visor->toPlainText().contains(QStringLiteral("no está en este archivo de ayuda")));
}

TEST_F(PruebaAyuda, AtrasAdelanteEInicioRecorrenElHistorial) {
  AbrirVentana();
  ventana->Accion(QStringLiteral("mnuHelpContents"))->trigger();
  VentanaAyuda* manual = AyudaAbierta(kManual);
  ASSERT_NE(manual, nullptr);
  auto* atras = manual->findChild<QToolButton*>(QStringLiteral("cmbAtras"));
  auto* adelante = manual->findChild<QToolButton*>(QStringLiteral("cmbAdelante"));
  auto* inicio = manual->findChild<QToolButton*>(QStringLiteral("cmbInicio"));
  ASSERT_TRUE(atras && adelante && inicio);
  EXPECT_FALSE(atras->isEnabled());
  EXPECT_FALSE(adelante->isEnabled());

  PulsarEnlace(manual->Navegador(), QStringLiteral("empezar.html"));
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return (Pagina(manual)) == (QStringLiteral("/empezar.html")); }, 3000));
  EXPECT_EQ(Pagina(manual), QStringLiteral("/empezar.html"));
  PulsarEnlace(manual->Navegador(), QStringLiteral("ventana.html"));
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return (Pagina(manual)) == (QStringLiteral("/ventana.html")); }, 3000));
  EXPECT_EQ(Pagina(manual), QStringLiteral("/ventana.html"));
  EXPECT_TRUE(atras->isEnabled());

  QTest::mouseClick(atras, Qt::LeftButton);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/empezar.html"));
  QTest::mouseClick(atras, Qt::LeftButton);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/inicio.html"));
  EXPECT_FALSE(atras->isEnabled());
  EXPECT_TRUE(adelante->isEnabled());
  QTest::mouseClick(adelante, Qt::LeftButton);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/empezar.html"));

  // Los atajos de teclado hacen lo mismo que los botones.
  QApplication::setActiveWindow(manual);
  EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(manual->isActiveWindow()); }, 3000));
  QTest::keyClick(manual->Navegador(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/ventana.html"));
  EXPECT_FALSE(adelante->isEnabled());
  QTest::keyClick(manual->Navegador(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/empezar.html"));

  QTest::mouseClick(inicio, Qt::LeftButton);
  EXPECT_EQ(Pagina(manual), QStringLiteral("/inicio.html"));
  EXPECT_TRUE(atras->isEnabled());
  EXPECT_FALSE(adelante->isEnabled());
}

// La página muestra sus imágenes (una captura del programa) y aplica su hoja de estilo.
TEST_F(PruebaAyuda, LasImagenesYLaHojaDeEstiloSeCargan) {
  AbrirVentana();
  ventana->Accion(QStringLiteral("mnuHelpContents"))->trigger();
  VentanaAyuda* manual = AyudaAbierta(kManual);
  ASSERT_NE(manual, nullptr);
  QTextBrowser* visor = manual->Navegador();
  visor->setSource(NavegadorChm::Direccion(QStringLiteral("/empezar.html")));
  Capturar(manual, QStringLiteral("ayuda-empezar.png"));

  QTextDocument* doc = visor->document();
  int imagenes = 0;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat formato = it.fragment().charFormat();
      if (!formato.isImageFormat()) continue;
      ++imagenes;
      const QString nombre = formato.toImageFormat().name();
      SCOPED_TRACE(nombre.toStdString());
      const QImage imagen =
          qvariant_cast<QImage>(doc->resource(QTextDocument::ImageResource, QUrl(nombre)));
      ASSERT_FALSE(imagen.isNull());
      EXPECT_GT(imagen.deviceIndependentSize().width(), 100);
      // La imagen ocupa su sitio en la página, no el de un icono de imagen rota.
      EXPECT_GE(doc->documentLayout()->blockBoundingRect(b).height(),
                imagen.deviceIndependentSize().height());
      // En una pantalla de alta resolución, la de doble resolución, con el mismo tamaño.
      EXPECT_EQ(imagen.devicePixelRatio(), visor->devicePixelRatioF() > 1 ? 2.0 : 1.0);
    }
  }
  EXPECT_EQ(imagenes, 2);

  QTextCursor titulo(doc->begin());
  titulo.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(titulo.charFormat().foreground().color(), QColor(0x2c, 0x3e, 0x8c));
}

// La barra de la ayuda a cualquier resolución: botones enteros, sin pisarse, con sus iconos
// nítidos, y el índice junto a la página.
TEST_F(PruebaAyuda, LaBarraSeVeEnteraYNitida) {
  AbrirVentana();
  ventana->Accion(QStringLiteral("mnuHelpContents"))->trigger();
  VentanaAyuda* manual = AyudaAbierta(kManual);
  ASSERT_NE(manual, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(manual));
  QRect anterior;
  for (const char* nombre : {"cmbAtras", "cmbAdelante", "cmbInicio"}) {
    auto* boton = manual->findChild<QToolButton*>(QString::fromLatin1(nombre));
    ASSERT_NE(boton, nullptr);
    SCOPED_TRACE(nombre);
    EXPECT_GE(boton->width(), boton->sizeHint().width());
    EXPECT_GE(boton->height(), boton->sizeHint().height());
    EXPECT_FALSE(boton->geometry().intersects(anterior));
    anterior = boton->geometry();
    const qreal ratio = boton->devicePixelRatioF();
    const QPixmap icono = boton->icon().pixmap(boton->iconSize(), ratio);
    EXPECT_GE(icono.width(), qFloor(boton->iconSize().width() * ratio));
  }
  const QWidget* arbol = manual->findChild<QWidget*>(QStringLiteral("arbolContenido"));
  ASSERT_NE(arbol, nullptr);
  const QRect visor(manual->Navegador()->mapTo(manual, QPoint()), manual->Navegador()->size());
  const QRect indice(arbol->mapTo(manual, QPoint()), arbol->size());
  EXPECT_FALSE(visor.intersects(indice));
  EXPECT_FALSE(visor.intersects(anterior));
  EXPECT_TRUE(manual->rect().contains(visor) && manual->rect().contains(indice));
  // Las entradas del índice a la vista, enteras.
  auto* contenido = manual->findChild<QTreeWidget*>(QStringLiteral("arbolContenido"));
  for (QTreeWidgetItemIterator it(contenido); *it; ++it) {
    const QRect sitio = contenido->visualItemRect(*it);
    if (sitio.isEmpty()) continue;
    EXPECT_LE(sitio.left() + contenido->fontMetrics().horizontalAdvance((*it)->text(0)),
              contenido->viewport()->width())
        << (*it)->text(0).toStdString();
  }
}

// Texto de la celda a la derecha de la que dice `rotulo`, en las tablas de la página.
QString CeldaJunto(QTextDocument* doc, const QString& rotulo) {
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    QTextCursor cursor(b);
    QTextTable* tabla = cursor.currentTable();
    if (!tabla || b.text().trimmed() != rotulo) continue;
    const QTextTableCell celda = tabla->cellAt(cursor);
    if (celda.column() + 1 >= tabla->columns()) continue;
    const QTextTableCell junto = tabla->cellAt(celda.row(), celda.column() + 1);
    QTextCursor texto = junto.firstCursorPosition();
    texto.setPosition(junto.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return texto.selectedText().trimmed();
  }
  return QString();
}

// Cada página de clase de los acuerdos da los mismos costes que el formulario de resultados
// del programa al abrir esa clase: las tablas no se han quedado atrás ni leen otro campo.
TEST_F(PruebaAyuda, LosAcuerdosDanLosCostesQueCalculaElPrograma) {
  AbrirVentana();
  VentanaAyuda* acuerdos =
      MostrarAyuda(ventana.get(), QCoreApplication::applicationDirPath() + kAcuerdos);
  ASSERT_NE(acuerdos, nullptr);
  struct Cifra {
    int indice;
    QString rotulo;
  };
  const QList<Cifra> cifras = {{18, QStringLiteral("Costes Totales")},
                               {16, QStringLiteral("Costes Directos")},
                               {7, QStringLiteral("Combustible")},
                               {45, QStringLiteral("C2 = coste unitario por kilómetro")},
                               {46, QStringLiteral("C3 = coste unitario por hora")},
                               {48, QStringLiteral("C5 = coste unitario por hora")}};
  // cmbVehiculos(k) va de la clase mayor a la menor; las páginas, de la menor a la mayor.
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    AbrirClase(k);
    ASSERT_NE(ventana->FormActual(), nullptr);
    ventana->ActivarFormulario(Formulario::Resultados);
    QApplication::processEvents();
    acuerdos->Navegador()->setSource(
        NavegadorChm::Direccion(QStringLiteral("/clase%1.html").arg(4 - k)));
    for (const Cifra& c : cifras) {
      SCOPED_TRACE(c.rotulo.toStdString());
      auto* etiqueta =
          ventana->FormActual()->findChild<QLabel*>(QStringLiteral("lblOR(%1)").arg(c.indice));
      ASSERT_NE(etiqueta, nullptr);
      EXPECT_FALSE(etiqueta->text().isEmpty());
      EXPECT_EQ(CeldaJunto(acuerdos->Navegador()->document(), c.rotulo), etiqueta->text());
    }
    ventana->CerrarPatillas();
  }
}

// Todos los enlaces, imágenes y entradas del índice de las dos ayudas llevan a algo que
// está dentro del archivo, y no queda ninguna marca de las plantillas sin sustituir.
TEST(ArchivoChm, LasAyudasNoTienenEnlacesRotos) {
  static const QRegularExpression enlace(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
  for (const QString& archivo : {kManual, kAcuerdos}) {
    SCOPED_TRACE(archivo.toStdString());
    const auto chm = ArchivoChm::Abrir(QCoreApplication::applicationDirPath() + archivo);
    ASSERT_TRUE(chm);
    int paginas = 0, comprobados = 0;
    for (const QString& ruta : chm->Objetos()) {
      if (!ruta.endsWith(QLatin1String(".html"))) continue;
      ++paginas;
      const QString html = QString::fromUtf8(*chm->Leer(ruta));
      EXPECT_FALSE(html.contains(QLatin1String("<!--@"))) << ruta.toStdString();
      for (auto it = enlace.globalMatch(html); it.hasNext();) {
        const QUrl url(it.next().captured(1));
        if (!url.scheme().isEmpty() && url.scheme() != QLatin1String("chm")) continue;
        const QUrl destino = NavegadorChm::Direccion(ruta).resolved(url);
        const QString pagina = NavegadorChm::RutaDe(destino);
        ++comprobados;
        const auto contenido = chm->Leer(pagina);
        ASSERT_TRUE(contenido) << ruta.toStdString() << " -> " << url.toString().toStdString();
        if (url.hasFragment()) {
          const QString ancla = QStringLiteral("name=\"%1\"").arg(url.fragment());
          EXPECT_TRUE(QString::fromUtf8(*contenido).contains(ancla))
              << ruta.toStdString() << " -> " << url.toString().toStdString();
        }
      }
    }
    EXPECT_GE(paginas, 7);
    EXPECT_GT(comprobados, paginas);
    const auto indice = chm->Leer(chm->IndiceContenido());
    ASSERT_TRUE(indice);
    std::vector<EntradaContenido> pendientes = LeerMapaContenido(*indice);
    ASSERT_FALSE(pendientes.empty());
    while (!pendientes.empty()) {
      EntradaContenido e = std::move(pendientes.back());
      pendientes.pop_back();
      if (!e.pagina.isEmpty()) {
        EXPECT_TRUE(chm->Contiene(e.pagina)) << e.pagina.toStdString();
      }
      for (auto& h : e.hijas) pendientes.push_back(std::move(h));
    }
  }
}

// Un archivo cuyo proyecto no declara tema por defecto ni título: se toman de su ventana.
TEST(ArchivoChm, SinTemaEnLaCabeceraUsaElDeLaVentana) {
  const auto chm = ArchivoChm::Abrir(QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/ayuda_de_prueba/SinTema.chm"));
  ASSERT_TRUE(chm);
  EXPECT_EQ(chm->TemaPorDefecto(), QStringLiteral("/portada.html"));
  EXPECT_EQ(chm->IndiceContenido(), QStringLiteral("/indice.hhc"));
  EXPECT_EQ(chm->Titulo(), QStringLiteral("Ventana sin tema"));
  EXPECT_TRUE(chm->Leer(QStringLiteral("PORTADA.HTML")));
  EXPECT_FALSE(chm->Leer(QStringLiteral("/no-existe.html")));
  QWidget duena;
  VentanaAyuda* ventana = MostrarAyuda(&duena, QCoreApplication::applicationDirPath() +
                                                   QStringLiteral("/ayuda_de_prueba/SinTema.chm"));
  ASSERT_NE(ventana, nullptr);
  EXPECT_EQ(ventana->Navegador()->documentTitle(), QStringLiteral("Portada"));
  EXPECT_EQ(ventana->Contenido()->topLevelItemCount(), 1);
}

TEST(MapaContenido, LeeListasAnidadasEntidadesYSaltaLoQueNoEsDelMapa) {
  const QByteArray hhc = R"(<HTML><BODY>
<OBJECT type="text/site properties"><param name="Name" value="no es una entrada"></OBJECT>
<UL>
 <LI><OBJECT type="text/sitemap"><param name="Name" value="Uno &amp; dos">
   <param name="Local" value="uno.html"><param name="Local" value="repetida.html"></OBJECT>
 <UL>
   <LI><object TYPE='text/sitemap'><PARAM NAME=Name VALUE=Hija><param name="Local" value="a/hija.html#x"></object>
   <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Nieta &#241;"></OBJECT></UL>
 </UL>
 <LI><OBJECT type="text/sitemap"><param name="Name" value="Cap&iacute;tulo"></OBJECT>
</UL></BODY></HTML>)";
  const std::vector<EntradaContenido> raiz = LeerMapaContenido(hhc);
  ASSERT_EQ(raiz.size(), 2u);
  EXPECT_EQ(raiz[0].nombre, QStringLiteral("Uno & dos"));
  EXPECT_EQ(raiz[0].pagina, QStringLiteral("uno.html"));
  ASSERT_EQ(raiz[0].hijas.size(), 1u);
  EXPECT_EQ(raiz[0].hijas[0].nombre, QStringLiteral("Hija"));
  EXPECT_EQ(raiz[0].hijas[0].pagina, QStringLiteral("a/hija.html#x"));
  ASSERT_EQ(raiz[0].hijas[0].hijas.size(), 1u);
  EXPECT_EQ(raiz[0].hijas[0].hijas[0].nombre, QStringLiteral("Nieta ñ"));
  EXPECT_TRUE(raiz[0].hijas[0].hijas[0].pagina.isEmpty());
  EXPECT_EQ(raiz[1].nombre, QStringLiteral("Capítulo"));
  EXPECT_TRUE(raiz[1].hijas.empty());
}

}  // namespace
}  // namespace dorvelna::pruebas
