// Abrir y grabar cálculos con frmArchivo, GrabarArchivo y la pregunta de grabar, con la
// ventana principal de verdad.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTest>
#include <QTreeView>
#include <algorithm>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "comun/DispositivoQueFalla.h"
#include "gui/archivo/frmArchivo.h"
#include "gui/archivo/frmTipoVeh.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/Twips.h"
#include "gui/comun/frmMensaje.h"
#include "gui/comun/frmPreguntaGrabar.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::GuardiaModal;
using pruebas::ResponderModal;

// Esperas con límite que avisan a GoogleTest (los QTRY de QTest fallan sin que se entere).
#define ESPERAR(condicion) \
  ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condicion); }, 5000)) << #condicion
#define ESPERAR_IGUAL(a, b)                                  \
  do {                                                       \
    (void)QTest::qWaitFor([&] { return (a) == (b); }, 5000); \
    ASSERT_EQ(a, b);                                         \
  } while (false)

// Teclea un texto; keyClicks sólo admite ASCII, así que las letras con acento van como la
// pulsación de una tecla que escribe ese carácter.
void Teclas(QWidget* w, const QString& texto) {
  for (const QChar c : texto) {
    if (c.unicode() < 128) QTest::keyClick(w, c.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

QByteArray Contenido(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se puede leer>");
}

class PruebaArchivo : public pruebas::VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    // Los mensajes se recogen sin abrir el cuadro, salvo donde la prueba quiere verlo.
    entorno.mensajes = [this](const QString& texto, const QString& titulo) {
      mensajes << titulo + QLatin1Char('|') + texto;
      return recoger;
    };
  }

  // Carpeta de programa nueva, con "Cálculos" o sin ella, y la ventana abierta.
  QString Programa(bool conCalculos = true) {
    programa = CarpetaTemporal();
    calculos = programa + QStringLiteral("/Cálculos");
    if (conCalculos) QDir().mkdir(calculos);
    AbrirVentana();
    return programa;
  }

  // Un cálculo grabado: la clase k con otra descripción (y otra longitud, si se da).
  void EscribirCopia(const QString& ruta, int k, const QString& descripcion, double c3 = 0) {
    Calculo otro;
    ASSERT_FALSE(LeerArchivo(otro, CarpetaPrograma(entorno) + frmTipoVeh::ArchivoClase(k)));
    otro.ValoresS.C[1] = Valor(descripcion);
    if (c3 > 0) otro.ValoresS.C[3] = Valor(c3);
    ASSERT_FALSE(EscribirArchivo(otro, ruta));
  }

  // Hace `lanzar`, que debe abrir frmArchivo, y corre `guion` con el diálogo a la vista. Si el
  // guion lo deja abierto, la prueba falla y el diálogo se cierra: nunca se queda colgada.
  void ConDialogo(const std::function<void()>& lanzar,
                  const std::function<void(frmArchivo&)>& guion) {
    bool visto = false;
    ResponderModal(QStringLiteral("frmArchivo"), QString(), {}, [&](QWidget* w) {
      visto = true;
      auto* d = qobject_cast<frmArchivo*>(w);
      if (d) guion(*d);
      if (w->isVisible()) {
        ADD_FAILURE() << "frmArchivo quedó abierto";
        w->close();
      }
    });
    lanzar();
    EXPECT_TRUE(visto);
  }

  // Escribe en un campo de la columna S y lo confirma con Intro.
  void Teclear(const QString& nombre, const QString& texto) {
    QLineEdit* campo = Campo(nombre);
    ASSERT_NE(campo, nullptr) << nombre.toStdString();
    Enfocar(campo);
    campo->selectAll();
    QTest::keyClicks(campo, texto);
    QTest::keyClick(campo, Qt::Key_Return);
  }

  void Pulsar(const char* boton) {
    auto* b = Hijo<QPushButton>(QString::fromLatin1(boton));
    ASSERT_NE(b, nullptr) << boton;
    QTest::mouseClick(b, Qt::LeftButton);
  }

  QString Texto(const char* nombre) const {
    const QLineEdit* campo = Campo(QString::fromLatin1(nombre));
    return campo ? campo->text() : QStringLiteral("<no está>");
  }

  QString Ultimo() const { return mensajes.isEmpty() ? QString() : mensajes.last(); }

  QString programa;
  QString calculos;
  QStringList mensajes;
  bool recoger = true;
};

// Con DORVELNA_CAPTURAS=carpeta, deja allí la imagen del diálogo para mirarla.
void Capturar(QWidget& w, const char* nombre) {
  const QString destino = qEnvironmentVariable("DORVELNA_CAPTURAS");
  if (destino.isEmpty()) return;
  QTest::qWait(300);
  w.grab().save(destino + QLatin1Char('/') + QString::fromLatin1(nombre) + QStringLiteral(".png"));
}

template <class T>
T* En(frmArchivo& d, const char* nombre) {
  T* w = d.findChild<T*>(QString::fromLatin1(nombre));
  EXPECT_NE(w, nullptr) << nombre;
  return w;
}

// Nombres que enseña File1, en su orden.
QStringList Lista(frmArchivo& d) {
  auto* vista = En<QListView>(d, "File1");
  QStringList nombres;
  for (int r = 0; r < vista->model()->rowCount(vista->rootIndex()); ++r) {
    nombres << vista->model()->index(r, 0, vista->rootIndex()).data().toString();
  }
  return nombres;
}

QPoint PuntoDe(QAbstractItemView* vista, const QModelIndex& indice) {
  vista->scrollTo(indice);
  return vista->visualRect(indice).center();
}

void ClicEnArchivo(frmArchivo& d, const QString& nombre, bool doble = false) {
  auto* vista = En<QListView>(d, "File1");
  const int fila = Lista(d).indexOf(nombre);
  ASSERT_GE(fila, 0) << nombre.toStdString();
  const QPoint punto = PuntoDe(vista, vista->model()->index(fila, 0, vista->rootIndex()));
  QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, punto);
  if (doble) {
    // Como el sistema: pulsar y soltar, y después la segunda pulsación como doble clic.
    QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseRelease(vista->viewport(), Qt::LeftButton, {}, punto);
  }
}

void Escribir(frmArchivo& d, const QString& nombre) {
  auto* texto = En<QLineEdit>(d, "TextArchivo");
  texto->clear();
  Teclas(texto, nombre);
}

void Aceptar(frmArchivo& d) { QTest::mouseClick(En<QPushButton>(d, "cmbAceptar"), Qt::LeftButton); }

// Los controles caben en el diálogo sin pisarse (".dvn" va pegado a su caja: se le consiente
// un píxel); algunos, en su sitio (twips) y con su texto de diseño. La captura queda para
// mirarla.
TEST_F(PruebaArchivo, ControlesEnSuSitioYLeyendaSegunElModo) {
  Programa();
  auto d = std::make_unique<frmArchivo>(Estado(), ventana->EntornoPrograma(), ventana.get());
  EXPECT_EQ(d->windowTitle(), QStringLiteral("Archivo"));
  const QList<QWidget*> controles = d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  EXPECT_EQ(controles.size(), 11);
  for (QWidget* w : controles) {
    const std::string nombre = w->objectName().toStdString();
    EXPECT_TRUE(d->rect().contains(w->geometry())) << nombre;
    for (QWidget* otro : controles) {
      const QRect comun = w->geometry().intersected(otro->geometry());
      EXPECT_TRUE(otro == w || comun.isEmpty() || std::min(comun.width(), comun.height()) <= 1)
          << nombre << " pisa " << otro->objectName().toStdString();
    }
  }
  EXPECT_EQ(En<QWidget>(*d, "File1")->geometry(), RectTwips(3180, 420, 3255, 3015));
  EXPECT_EQ(En<QWidget>(*d, "TextArchivo")->geometry(), RectTwips(3180, 3600, 2655, 315));
  EXPECT_EQ(En<QWidget>(*d, "cmbAceptar")->geometry(), RectTwips(1800, 4260, 1155, 435));
  EXPECT_EQ(En<QLabel>(*d, "Label4")->text(), QStringLiteral("Nombre del archivo"));
  EXPECT_EQ(En<QLabel>(*d, "lblArchivo")->text(), QStringLiteral(".dvn"));
  EXPECT_EQ(En<QPushButton>(*d, "cmbCancelar")->text(), QStringLiteral("Cancelar"));
  d.reset();
  ConDialogo(
      [&] { ventana->AbrirDialogoArchivo(QStringLiteral("grabar")); },
      [&](frmArchivo& g) {
        EXPECT_EQ(g.windowTitle(), QStringLiteral("Guardar archivo"));
        EXPECT_EQ(g.parentWidget(), ventana.get());
        EXPECT_TRUE(g.isModal());
        // La carpeta de partida queda a la vista en Dir1 también cuando el árbol
        // acaba de cargarse y ordenarse en segundo plano.
        auto* arbol = En<QTreeView>(g, "Dir1");
        auto aLaVista = [arbol] {
          return arbol->viewport()->rect().contains(arbol->visualRect(arbol->currentIndex()));
        };
        ESPERAR(aLaVista());
        QTest::qWait(500);
        EXPECT_TRUE(aLaVista());
        Capturar(g, "frmArchivo-grabar");
        g.reject();
      });
  EscribirCopia(calculos + "/Autocar de línea.dvn", 1, QStringLiteral("Línea"));
  EscribirCopia(calculos + "/escolar.dvn", 3, QStringLiteral("Escolar"));
  ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("abrir")); },
             [&](frmArchivo& a) {
               EXPECT_EQ(a.windowTitle(), QStringLiteral("Abrir archivo"));
               ESPERAR_IGUAL(En<QLineEdit>(a, "TextArchivo")->text(),
                             QStringLiteral("Autocar de línea.dvn"));
               Capturar(a, "frmArchivo-abrir");
               a.reject();
             });
  EXPECT_EQ(ventana->findChildren<frmArchivo*>().size(), 0);  // se destruye al cerrarse
}

// frmNueva → "Cálculo previamente grabado": la lista enseña sólo los .dvn, ya con el primero
// elegido; un doble clic abre otro. Cerrar vacía NombreArchivo y "Abrir ..." vuelve a abrir.
TEST_F(PruebaArchivo, AbrirUnCalculoGrabadoDesdeNuevaYDesdeElMenu) {
  Programa();
  EscribirCopia(calculos + "/b.dvn", 1, QStringLiteral("Autocar B"));
  EscribirCopia(calculos + "/a.dvn", 2, QStringLiteral("Autocar A"));
  QFile(calculos + "/notas.txt").open(QIODevice::WriteOnly);
  ventana->MostrarNueva();
  auto* nueva = Hijo<QWidget>(QStringLiteral("frmNueva"));
  ASSERT_TRUE(nueva);
  ESPERAR(nueva->isVisible());
  QTest::mouseClick(nueva->findChild<QRadioButton*>(QStringLiteral("opbGrabada")), Qt::LeftButton);
  ConDialogo([&] { QTest::mouseClick(nueva->findChild<QPushButton*>("OKButton"), Qt::LeftButton); },
             [&](frmArchivo& d) {
               EXPECT_EQ(d.windowTitle(), QStringLiteral("Abrir archivo"));
               EXPECT_EQ(d.Carpeta(), calculos);
               auto* texto = En<QLineEdit>(d, "TextArchivo");
               EXPECT_FALSE(texto->isEnabled());
               EXPECT_EQ(En<QLabel>(d, "lblArchivo")->text(), QString());
               ESPERAR_IGUAL(Lista(d), QStringList({"a.dvn", "b.dvn"}));
               ESPERAR_IGUAL(texto->text(), QStringLiteral("a.dvn"));
               Teclas(texto, QStringLiteral("x"));  // no se puede escribir en él
               EXPECT_EQ(texto->text(), QStringLiteral("a.dvn"));
               ClicEnArchivo(d, QStringLiteral("b.dvn"), true);
             });
  EXPECT_EQ(Estado().NombreArchivo, calculos + "/b.dvn");
  EXPECT_EQ(Texto("TextSC(1)"), QStringLiteral("Autocar B"));
  EXPECT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_FALSE(ventana->HayCambios());
  EXPECT_TRUE(ventana->Accion("mnuFileSave")->isEnabled());
  EXPECT_FALSE(ventana->Accion("mnuFileOpen")->isEnabled());

  Pulsar("cmbCerrar");
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());
  ASSERT_TRUE(ventana->Accion("mnuFileOpen")->isEnabled());
  ConDialogo([&] { ventana->Accion("mnuFileOpen")->trigger(); },
             [&](frmArchivo& d) {
               auto* texto = En<QLineEdit>(d, "TextArchivo");
               ESPERAR_IGUAL(texto->text(), QStringLiteral("a.dvn"));
               // Un clic elige sin abrir; Aceptar abre el elegido.
               ClicEnArchivo(d, QStringLiteral("b.dvn"));
               EXPECT_EQ(texto->text(), QStringLiteral("b.dvn"));
               ClicEnArchivo(d, QStringLiteral("a.dvn"));
               EXPECT_TRUE(d.isVisible());
               Aceptar(d);
             });
  EXPECT_EQ(Texto("TextSC(1)"), QStringLiteral("Autocar A"));
  EXPECT_EQ(Estado().NombreArchivo, calculos + "/a.dvn");
  EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join(' ').toStdString();
}

// Un cálculo de clase se graba con el nombre que se da (Intro en el nombre acepta) y el
// aviso nombra carpeta y archivo; después "Guardar ..." graba sin diálogo en el mismo archivo
// y "Guardar como..." lo lleva a otro.
TEST_F(PruebaArchivo, GrabarConNombreYDespuesSinDialogo) {
  Programa();
  EscribirCopia(calculos + "/otro.dvn", 0, QStringLiteral("Otro"));
  AbrirClase(1);
  ASSERT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());
  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("123456"));
  ASSERT_TRUE(ventana->HayCambios());

  recoger = false;  // el aviso de grabado se ve en su cuadro
  const QString aviso = QStringLiteral("El archivo se ha grabado en: \r\n") + calculos +
                        QStringLiteral("/\r\n\r\nCon el nombre: \r\nmi cálculo.dvn");
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* m) {
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Grabar"));
    EXPECT_EQ(m->findChild<QLabel*>(QStringLiteral("lblMensaje"))->text(),
              QString(aviso).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(pruebas::VisiblesConNombre(QStringLiteral("frmArchivo")), 0);  // ya cerrado
  });
  ConDialogo([&] { Pulsar("cmbGrabar"); },
             [&](frmArchivo& d) {
               EXPECT_EQ(d.windowTitle(), QStringLiteral("Guardar archivo"));
               auto* texto = En<QLineEdit>(d, "TextArchivo");
               EXPECT_TRUE(texto->isEnabled());
               ESPERAR(texto->hasFocus());
               EXPECT_EQ(En<QLabel>(d, "lblArchivo")->text(), QStringLiteral(".dvn"));
               ESPERAR_IGUAL(Lista(d), QStringList{"otro.dvn"});
               ClicEnArchivo(d, QStringLiteral("otro.dvn"));  // no elige nada al grabar
               EXPECT_EQ(texto->text(), QString());
               texto->setFocus();
               Teclas(texto, QStringLiteral("mi cálculo"));
               QTest::keyClick(texto, Qt::Key_Return);
             });
  recoger = true;
  const QString ruta = calculos + QStringLiteral("/mi cálculo.dvn");
  EXPECT_EQ(mensajes, QStringList{"Grabar|" + aviso});
  EXPECT_EQ(Estado().NombreArchivo, ruta);
  EXPECT_FALSE(ventana->HayCambios());
  Calculo leido;
  ASSERT_FALSE(LeerArchivo(leido, ruta));
  EXPECT_EQ(leido.ValoresS.C[9], Valor(123456.0));

  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("234567"));
  {
    GuardiaModal guardia;  // sin diálogo
    ventana->Accion("mnuFileSave")->trigger();
    EXPECT_FALSE(guardia.Disparada());
  }
  EXPECT_EQ(Ultimo(), QStringLiteral("Grabar|El archivo se ha grabado."));
  ASSERT_FALSE(LeerArchivo(leido, ruta));
  EXPECT_EQ(leido.ValoresS.C[9], Valor(234567.0));
  EXPECT_EQ(Estado().NombreArchivo, ruta);
  EXPECT_FALSE(ventana->HayCambios());

  ConDialogo([&] { ventana->Accion("mnuFileSaveAs")->trigger(); },
             [&](frmArchivo& d) {
               Escribir(d, QStringLiteral("copia"));
               Aceptar(d);
             });
  EXPECT_EQ(Estado().NombreArchivo, calculos + "/copia.dvn");
  EXPECT_EQ(QDir(calculos).entryList(QDir::Files),
            QStringList({"copia.dvn", "mi cálculo.dvn", "otro.dvn"}));
  Pulsar("cmbCerrar");
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());
  EXPECT_FALSE(ventana->Patillas()->isVisible());
}

// Nunca se sustituye un archivo desde el diálogo: un nombre que sólo cambia en mayúsculas se
// rechaza; sin nombre no se graba; un nombre con ".dvn" lleva la extensión dos veces.
TEST_F(PruebaArchivo, NombresRechazadosYExtensionDoble) {
  Programa();
  EscribirCopia(calculos + "/Autocar.dvn", 0, QStringLiteral("Viejo"));
  const QByteArray viejo = Contenido(calculos + "/Autocar.dvn");
  AbrirClase(2);
  ConDialogo([&] { ventana->Accion("mnuFileSaveAs")->trigger(); },
             [&](frmArchivo& d) {
               for (const char* nombre : {"AUTOCAR", "autocar", "Autocar"}) {
                 Escribir(d, QString::fromLatin1(nombre));
                 Aceptar(d);
                 EXPECT_EQ(Ultimo(), QStringLiteral("Error|Este fichero ya existe.")) << nombre;
                 EXPECT_TRUE(d.isVisible());
               }
               Escribir(d, QString());
               Aceptar(d);
               EXPECT_EQ(Ultimo(), QStringLiteral("Error|No se ha seleccionado un fichero."));
               EXPECT_EQ(mensajes.size(), 4);
               Escribir(d, QStringLiteral("doble.dvn"));
               Aceptar(d);
             });
  EXPECT_EQ(Contenido(calculos + "/Autocar.dvn"), viejo);
  EXPECT_EQ(Estado().NombreArchivo, calculos + "/doble.dvn.dvn");
  EXPECT_EQ(QDir(calculos).entryList(QDir::Files), QStringList({"Autocar.dvn", "doble.dvn.dvn"}));
}

// Cada fallo de escritura da su mensaje y el diálogo sigue abierto; nada queda escrito y el
// cálculo no cambia de archivo. Cancelar no cambia nada.
TEST_F(PruebaArchivo, FallosAlGrabarDejanElDialogoAbierto) {
  Programa();
  QDir(calculos).mkdir(QStringLiteral("carpeta.dvn"));
  AbrirClase(3);
  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("54321"));
  const Valores grabados = ventana->Datos().ValoresGrabados;
  ConDialogo([&] { ventana->Accion("mnuFileSaveAs")->trigger(); },
             [&](frmArchivo& d) {
               const std::pair<QString, const char*> casos[] = {
                   {QStringLiteral("no-hay/x"), "Error|El subdirectorio no existe."},
                   {QStringLiteral("carpeta"), "Error|Error de acceso a la ruta o al archivo."},
                   {QString(300, QLatin1Char('n')), "Error|El nombre de archivo no es válido."},
               };
               for (const auto& [nombre, mensaje] : casos) {
                 Escribir(d, nombre);
                 Aceptar(d);
                 EXPECT_EQ(Ultimo(), QString::fromUtf8(mensaje));
                 EXPECT_TRUE(d.isVisible());
               }
               ventana->EntornoPrograma().grabacion = [](QIODevice& temporal) {
                 return std::make_unique<pruebas::DispositivoQueFalla>(temporal, 100);
               };
               Escribir(d, QStringLiteral("bueno"));
               Aceptar(d);
               EXPECT_EQ(Ultimo(), QStringLiteral("Error|Archivo en mal estado."));
               EXPECT_TRUE(d.isVisible());
               EXPECT_EQ(mensajes.size(), 4);
               QTest::mouseClick(En<QPushButton>(d, "cmbCancelar"), Qt::LeftButton);
             });
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());
  EXPECT_EQ(QDir(calculos).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_TRUE(ventana->HayCambios());
  EXPECT_EQ(ventana->Datos().ValoresGrabados, grabados);
  // El campo sigue en edición tras Intro: su texto sin formato.
  EXPECT_EQ(Texto("TextSC(9)"), QStringLiteral("54321"));
}

// Al abrir: un archivo dañado o uno que ya no está dan su mensaje y el diálogo sigue abierto
// sin abrir nada; después se abre otro de la lista.
TEST_F(PruebaArchivo, FallosAlAbrirDejanElDialogoAbierto) {
  Programa();
  EscribirCopia(calculos + "/b_borrado.dvn", 0, QStringLiteral("Borrado"));
  EscribirCopia(calculos + "/c_bueno.dvn", 1, QStringLiteral("Bueno"));
  QByteArray danado = Contenido(calculos + "/c_bueno.dvn");
  danado.truncate(danado.size() / 2);
  QFile f(calculos + "/a_danado.dvn");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(danado);
  f.close();
  ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("abrir")); },
             [&](frmArchivo& d) {
               auto* texto = En<QLineEdit>(d, "TextArchivo");
               ESPERAR_IGUAL(Lista(d).size(), 3);
               ESPERAR_IGUAL(texto->text(), QStringLiteral("a_danado.dvn"));
               Aceptar(d);
               EXPECT_EQ(Ultimo(), QStringLiteral("Error|Archivo en mal estado."));
               EXPECT_TRUE(d.isVisible());
               EXPECT_FALSE(ventana->Patillas()->isVisible());
               ClicEnArchivo(d, QStringLiteral("b_borrado.dvn"));
               ASSERT_TRUE(QFile::remove(calculos + "/b_borrado.dvn"));
               Aceptar(d);
               EXPECT_EQ(Ultimo(), QStringLiteral("Error|Archivo no encontrado."));
               EXPECT_TRUE(d.isVisible());
               ESPERAR_IGUAL(Lista(d).size(), 2);
               ClicEnArchivo(d, QStringLiteral("c_bueno.dvn"));
               Aceptar(d);
             });
  EXPECT_EQ(mensajes.size(), 2);
  EXPECT_EQ(Texto("TextSC(1)"), QStringLiteral("Bueno"));
  EXPECT_EQ(Estado().NombreArchivo, calculos + "/c_bueno.dvn");
}

// Sin "Cálculos" el diálogo empieza en la carpeta del programa; aquí no hay ningún .dvn, el
// nombre queda vacío y "Aceptar" lo dice en su cuadro, sobre el diálogo, que sigue abierto.
TEST_F(PruebaArchivo, CarpetaInicialYCarpetaVacia) {
  Programa(false);
  recoger = false;
  ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("abrir")); },
             [&](frmArchivo& d) {
               EXPECT_EQ(d.Carpeta(), programa);
               auto* arbol = En<QTreeView>(d, "Dir1");
               auto* modelo = qobject_cast<QFileSystemModel*>(arbol->model());
               ASSERT_TRUE(modelo);
               EXPECT_EQ(modelo->filePath(arbol->currentIndex()), programa);
               auto* unidad = En<QComboBox>(d, "Drive1");
               EXPECT_EQ(unidad->currentData().toString(), QStorageInfo(programa).rootPath());
               QTest::qWait(200);
               EXPECT_EQ(Lista(d), QStringList());
               EXPECT_EQ(En<QLineEdit>(d, "TextArchivo")->text(), QString());
               ResponderModal(
                   QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [](QWidget* m) {
                     EXPECT_EQ(m->windowTitle(), QStringLiteral("Error"));
                     EXPECT_EQ(m->findChild<QLabel*>(QStringLiteral("lblMensaje"))->text(),
                               QStringLiteral("No se ha seleccionado un fichero."));
                   });
               Aceptar(d);
               EXPECT_TRUE(d.isVisible());
               d.reject();
             });
  EXPECT_EQ(mensajes, QStringList{"Error|No se ha seleccionado un fichero."});
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  QDir().mkdir(calculos);
  ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("grabar")); },
             [&](frmArchivo& d) {
               EXPECT_EQ(d.Carpeta(), calculos);
               d.reject();
             });
}

// Drive1 lleva a la carpeta de la unidad elegida (y File1 a sus .dvn); Dir1 entra en una
// subcarpeta; una unidad que no está lista da su mensaje y deja la unidad y la carpeta.
TEST_F(PruebaArchivo, UnidadesYCarpetas) {
  Programa();
  QTemporaryDir otra;
  EscribirCopia(otra.path() + "/fuera.dvn", 0, QStringLiteral("Fuera"));
  QDir(calculos).mkdir(QStringLiteral("sub"));
  EscribirCopia(calculos + "/sub/dentro.dvn", 1, QStringLiteral("Dentro"));
  const QString raiz = QStorageInfo(programa).rootPath();
  const QString ausente = otra.path() + QStringLiteral("-desmontada");
  ventana->EntornoPrograma().unidades = [&] { return QStringList{raiz, otra.path(), ausente}; };
  ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("abrir")); },
             [&](frmArchivo& d) {
               auto* unidad = En<QComboBox>(d, "Drive1");
               auto* texto = En<QLineEdit>(d, "TextArchivo");
               ASSERT_EQ(unidad->count(), 3);
               EXPECT_EQ(unidad->currentIndex(), 0);
               // A la otra unidad con el teclado: su carpeta, sus archivos, el primero elegido.
               unidad->setFocus();
               QTest::keyClick(unidad, Qt::Key_Down);
               EXPECT_EQ(d.Carpeta(), otra.path());
               ESPERAR_IGUAL(texto->text(), QStringLiteral("fuera.dvn"));
               QTest::keyClick(unidad, Qt::Key_Down);
               EXPECT_EQ(Ultimo(), QStringLiteral("Error|La unidad no está preparada."));
               EXPECT_EQ(unidad->currentIndex(), 1);
               EXPECT_EQ(d.Carpeta(), otra.path());
               // De vuelta, la primera unidad recuerda la carpeta en que se dejó.
               QTest::keyClick(unidad, Qt::Key_Up);
               QTest::keyClick(unidad, Qt::Key_Up);
               EXPECT_EQ(d.Carpeta(), calculos);
               auto* arbol = En<QTreeView>(d, "Dir1");
               auto* modelo = qobject_cast<QFileSystemModel*>(arbol->model());
               QModelIndex sub;
               ESPERAR((sub = modelo->index(calculos + "/sub")).isValid() &&
                       arbol->visualRect(sub).isValid() && !arbol->visualRect(sub).isEmpty());
               QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, PuntoDe(arbol, sub));
               EXPECT_EQ(d.Carpeta(), calculos + "/sub");
               ESPERAR_IGUAL(texto->text(), QStringLiteral("dentro.dvn"));
               Aceptar(d);
             });
  EXPECT_EQ(mensajes.size(), 1);
  EXPECT_EQ(Estado().NombreArchivo, calculos + "/sub/dentro.dvn");
  EXPECT_EQ(Texto("TextSC(1)"), QStringLiteral("Dentro"));
}

// Un número cambiado a un valor que redondea al grabado no es un cambio: cerrar no pregunta.
TEST_F(PruebaArchivo, UnValorQueRedondeaAlGrabadoNoEsCambio) {
  Programa();
  EscribirCopia(calculos + "/largo.dvn", 1, QStringLiteral("Largo"), 12.004);
  auto abrir = [&] {
    ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("abrir")); },
               [&](frmArchivo& d) {
                 ESPERAR_IGUAL(En<QLineEdit>(d, "TextArchivo")->text(),
                               QStringLiteral("largo.dvn"));
                 Aceptar(d);
               });
  };
  abrir();
  ASSERT_EQ(ventana->Datos().ValoresS.C[3], Valor(12.004));
  Teclear(QStringLiteral("TextSC(3)"), QStringLiteral("12"));
  EXPECT_EQ(ventana->Datos().ValoresS.C[3], Valor(12.0));
  EXPECT_FALSE(ventana->HayCambios());
  {
    GuardiaModal guardia;
    Pulsar("cmbCerrar");
    EXPECT_FALSE(guardia.Disparada());
  }
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  abrir();
  Teclear(QStringLiteral("TextSC(3)"), QStringLiteral("12,01"));
  EXPECT_TRUE(ventana->HayCambios());
}

// "Si" en la pregunta: sin archivo abre el diálogo de grabar; si se cancela, el cálculo sigue
// abierto con lo editado (al cerrar el cálculo y al salir). Con archivo, graba y cierra.
TEST_F(PruebaArchivo, SiEnLaPreguntaNoPierdeElTrabajo) {
  Programa();
  AbrirClase(0);
  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("98765"));
  auto siYCancelar = [&](const QString& titulo, const std::function<void()>& cerrar) {
    ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbSi"),
                   [&](QWidget* p) { EXPECT_EQ(p->windowTitle(), titulo); });
    ConDialogo(cerrar, [&](frmArchivo& d) {
      EXPECT_EQ(d.windowTitle(), QStringLiteral("Guardar archivo"));
      QTest::mouseClick(En<QPushButton>(d, "cmbCancelar"), Qt::LeftButton);
    });
    EXPECT_TRUE(Estado().Cancelado);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(ventana->Patillas()->isVisible());
    EXPECT_TRUE(ventana->HayCambios());
    EXPECT_EQ(ventana->Datos().ValoresS.C[9], Valor(98765.0));
    EXPECT_EQ(Texto("TextSC(9)"), QStringLiteral("98765"));
  };
  siYCancelar(QStringLiteral("Cerrar"), [&] { Pulsar("cmbCerrar"); });
  siYCancelar(QStringLiteral("Salir"), [&] { ventana->close(); });
  EXPECT_EQ(QDir(calculos).entryList(QDir::Files), QStringList());

  // "Si" y un nombre en el diálogo: se graba y el cálculo se cierra.
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbSi"));
  ConDialogo([&] { Pulsar("cmbCerrar"); },
             [&](frmArchivo& d) {
               Escribir(d, QStringLiteral("nuevo"));
               Aceptar(d);
             });
  EXPECT_FALSE(Estado().Cancelado);
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  Calculo leido;
  ASSERT_FALSE(LeerArchivo(leido, calculos + "/nuevo.dvn"));
  EXPECT_EQ(leido.ValoresS.C[9], Valor(98765.0));

  // Con archivo: "Si" graba en él sin diálogo y cierra.
  ConDialogo([&] { ventana->Accion("mnuFileOpen")->trigger(); },
             [&](frmArchivo& d) {
               ESPERAR_IGUAL(En<QLineEdit>(d, "TextArchivo")->text(), QStringLiteral("nuevo.dvn"));
               Aceptar(d);
             });
  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("87654"));
  mensajes.clear();
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbSi"));
  Pulsar("cmbCerrar");
  EXPECT_EQ(mensajes, QStringList{"Grabar|El archivo se ha grabado."});
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());
  ASSERT_FALSE(LeerArchivo(leido, calculos + "/nuevo.dvn"));
  EXPECT_EQ(leido.ValoresS.C[9], Valor(87654.0));
}

// Una grabación que falla a mitad: mensaje, el archivo anterior intacto byte a byte, los
// cambios siguen pendientes y cerrar o salir vuelven a preguntar sin cerrar nada. Cuando la
// escritura vuelve a funcionar, "Si" graba y cierra.
TEST_F(PruebaArchivo, GrabacionQueFallaNoPierdeNada) {
  Programa();
  EscribirCopia(calculos + "/trabajo.dvn", 1, QStringLiteral("Trabajo"));
  const QString ruta = calculos + "/trabajo.dvn";
  ConDialogo([&] { ventana->AbrirDialogoArchivo(QStringLiteral("abrir")); },
             [&](frmArchivo& d) {
               ESPERAR_IGUAL(En<QLineEdit>(d, "TextArchivo")->text(),
                             QStringLiteral("trabajo.dvn"));
               Aceptar(d);
             });
  ASSERT_EQ(Estado().NombreArchivo, ruta);
  const QByteArray antes = Contenido(ruta);
  Teclear(QStringLiteral("TextSC(9)"), QStringLiteral("77777"));
  for (qint64 n : {qint64(0), qint64(100), qint64(antes.size() - 1)}) {
    ventana->EntornoPrograma().grabacion = [n](QIODevice& temporal) {
      return std::make_unique<pruebas::DispositivoQueFalla>(temporal, n);
    };
    mensajes.clear();
    Pulsar("cmbGrabar");
    EXPECT_EQ(mensajes, QStringList{"Error|Archivo en mal estado."}) << n;
    EXPECT_EQ(Contenido(ruta), antes) << n;
    EXPECT_TRUE(ventana->HayCambios()) << n;
  }
  for (const QString& titulo : {QStringLiteral("Cerrar"), QStringLiteral("Salir")}) {
    mensajes.clear();
    ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbSi"),
                   [&](QWidget* p) { EXPECT_EQ(p->windowTitle(), titulo); });
    if (titulo == QLatin1String("Cerrar")) Pulsar("cmbCerrar");
    else ventana->close();
    EXPECT_EQ(mensajes, QStringList{"Error|Archivo en mal estado."});
    EXPECT_TRUE(Estado().Cancelado);
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_TRUE(ventana->Patillas()->isVisible());
    EXPECT_EQ(Contenido(ruta), antes);
    EXPECT_EQ(Estado().NombreArchivo, ruta);
  }
  EXPECT_EQ(QDir(calculos).entryList(QDir::Files | QDir::Hidden), QStringList{"trabajo.dvn"});
  EXPECT_EQ(ventana->Datos().ValoresS.C[9], Valor(77777.0));

  ventana->EntornoPrograma().grabacion = {};
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbSi"));
  Pulsar("cmbCerrar");
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  Calculo leido;
  ASSERT_FALSE(LeerArchivo(leido, ruta));
  EXPECT_EQ(leido.ValoresS.C[9], Valor(77777.0));
}

}  // namespace
}  // namespace dorvelna::pruebas
