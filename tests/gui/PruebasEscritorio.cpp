// El programa en el escritorio: la línea de órdenes, abrir un cálculo al arrancar, los
// cálculos recientes, arrastrar y soltar y los nombres para los lectores de pantalla.
#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <map>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "gui/archivo/frmTipoVeh.h"
#include "gui/campos/CampoTexto.h"
#include "gui/comun/Carpetas.h"
#include "gui/comun/frmMensaje.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/Tarta.h"
#include "gui/ventana/Arranque.h"
#include "gui/ventana/Recientes.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::GuardiaModal;
using pruebas::ResponderModal;
using pruebas::VisiblesConNombre;

class PruebaEscritorio : public pruebas::VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    entorno.mensajes = [this](const QString& texto, const QString& titulo) {
      mensajes << titulo + QLatin1Char('|') + texto;
      return true;
    };
    ASSERT_TRUE(archivos.isValid());
    VaciarRecientes();
  }

  // Un cálculo grabado: la clase 1 con otra descripción.
  QString Grabado(const QString& nombre, const QString& descripcion) {
    Calculo otro;
    EXPECT_FALSE(LeerArchivo(otro, CarpetaPrograma(entorno) + frmTipoVeh::ArchivoClase(1)));
    otro.ValoresS.C[1] = Valor(descripcion);
    const QString ruta = archivos.filePath(nombre);
    EXPECT_FALSE(EscribirArchivo(otro, ruta));
    return ruta;
  }

  void Mostrar() {
    ventana = std::make_unique<VentanaPrincipal>(entorno);
    ventana->show();
  }

  // Si la ventana admite que se arrastren sobre ella esas direcciones.
  bool Admite(const QList<QUrl>& urls) {
    QMimeData datos;
    datos.setUrls(urls);
    QDragEnterEvent e(ventana->rect().center(), Qt::CopyAction, &datos, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(ventana.get(), &e);
    return e.isAccepted();
  }

  // Arrastra y suelta `ruta` sobre la ventana y contesta `boton` a la pregunta de grabar.
  void Soltar(const QString& ruta, const char* boton) {
    bool preguntado = false;
    ResponderModal(QStringLiteral("frmPreguntaGrabar"), QString::fromLatin1(boton),
                   [&](QWidget*) { preguntado = true; });
    const QUrl url = QUrl::fromLocalFile(ruta);
    ASSERT_TRUE(Admite({url}));
    QMimeData datos;
    datos.setUrls({url});
    QDropEvent e(ventana->rect().center(), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ventana.get(), &e);
    EXPECT_TRUE(e.isAccepted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return preguntado; }));
  }

  QTemporaryDir archivos;
  QStringList mensajes;
};

TEST_F(PruebaEscritorio, ArrancaConElCalculoDadoEnLugarDeTipoDeCalculo) {
  const QString ruta = Grabado(QStringLiteral("Línea 7.dvn"), QStringLiteral("Línea siete"));
  // Dado relativo a la carpeta de trabajo, se recuerda con su ruta completa.
  const QString antes = QDir::currentPath();
  QDir::setCurrent(archivos.path());
  Mostrar();
  {
    GuardiaModal guardia;
    Empezar(*ventana, QStringLiteral("Línea 7.dvn"));
    QApplication::processEvents();
    EXPECT_FALSE(guardia.Disparada());
  }
  QDir::setCurrent(antes);
  EXPECT_EQ(Estado().NombreArchivo, ruta);
  EXPECT_EQ(CalculosRecientes(), QStringList{ruta});
  EXPECT_EQ(Datos().ValoresS.C[1].Texto(), QStringLiteral("Línea siete"));
  EXPECT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_EQ(VisiblesConNombre(QStringLiteral("frmNueva")), 0);
  EXPECT_TRUE(mensajes.isEmpty()) << mensajes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PruebaEscritorio, UnArchivoIlegibleDaSuMensajeYDespuesTipoDeCalculo) {
  const QString ruta = archivos.filePath(QStringLiteral("roto.dvn"));
  QFile roto(ruta);
  ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
  roto.write("no es un cálculo\n");
  roto.close();
  Calculo otro;
  const auto fallo = LeerArchivo(otro, ruta);
  ASSERT_TRUE(fallo);

  Mostrar();
  Empezar(*ventana, ruta);
  EXPECT_EQ(mensajes, QStringList{QStringLiteral("Error|") + MensajeFallo(*fallo)});
  EXPECT_TRUE(QTest::qWaitFor([] { return VisiblesConNombre(QStringLiteral("frmNueva")) == 1; }));
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  EXPECT_TRUE(CalculosRecientes().isEmpty());
}

TEST_F(PruebaEscritorio, LosRecientesSonLosOchoUltimosSinRepetir) {
  for (int k = 0; k < 10; ++k) AnotarReciente(QStringLiteral("/c/%1.dvn").arg(k));
  AnotarReciente(QStringLiteral("/c/5.dvn"));
  QStringList esperada{QStringLiteral("/c/5.dvn")};
  for (int k : {9, 8, 7, 6, 4, 3, 2}) esperada << QStringLiteral("/c/%1.dvn").arg(k);
  EXPECT_EQ(CalculosRecientes(), esperada);
}

// El submenú se llena al abrirse; un archivo que ya no está da su mensaje y sale de la lista;
// abrir y grabar lo ponen el primero; "Vaciar la lista" lo deja solo con su separación.
TEST_F(PruebaEscritorio, ElSubmenuDeRecientesAbreYVacia) {
  const QString uno = Grabado(QStringLiteral("Uno & dos.dvn"), QStringLiteral("Uno"));
  const QString perdido = archivos.filePath(QStringLiteral("Perdido.dvn"));
  AnotarReciente(uno);
  AnotarReciente(perdido);
  AbrirVentana();
  QMenu* menu = Hijo<QMenu>(QStringLiteral("mnuRecientes"));
  ASSERT_NE(menu, nullptr);
  const auto entradas = [&] {
    menu->popup(ventana->mapToGlobal(QPoint(10, 10)));
    menu->hide();
    QStringList vistas;
    for (QAction* a : menu->actions())
      vistas << (a->isSeparator() ? QStringLiteral("-")
                                  : a->text() + QLatin1Char('|') + a->statusTip());
    return vistas;
  };
  const QStringList vistas = entradas();
  ASSERT_EQ(vistas.size(), 4);
  EXPECT_EQ(vistas.at(0), QStringLiteral("Perdido.dvn|") + QDir::toNativeSeparators(perdido));
  EXPECT_EQ(vistas.at(1), QStringLiteral("Uno && dos.dvn|") + QDir::toNativeSeparators(uno));
  EXPECT_EQ(vistas.mid(2), (QStringList{QStringLiteral("-"), QStringLiteral("Vaciar la lista|")}));

  Hijo<QAction>(QStringLiteral("mnuRecientes(0)"))->trigger();
  EXPECT_EQ(mensajes, QStringList{QStringLiteral("Error|Archivo no encontrado.")});
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  EXPECT_EQ(CalculosRecientes(), QStringList{uno});
  EXPECT_EQ(entradas().size(), 3);

  Hijo<QAction>(QStringLiteral("mnuRecientes(0)"))->trigger();
  ASSERT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_EQ(Estado().NombreArchivo, uno);
  EXPECT_EQ(Datos().ValoresS.C[1].Texto(), QStringLiteral("Uno"));
  EXPECT_EQ(CalculosRecientes(), QStringList{uno});
  EXPECT_FALSE(ventana->Accion(QStringLiteral("mnuRecientes"))->isEnabled());

  AnotarReciente(perdido);
  ventana->Accion(QStringLiteral("mnuFileSave"))->trigger();
  EXPECT_EQ(mensajes.last(), QStringLiteral("Grabar|El archivo se ha grabado."));
  EXPECT_EQ(CalculosRecientes(), (QStringList{uno, perdido}));

  ventana->Accion(QStringLiteral("mnuCerrar"))->trigger();
  ASSERT_FALSE(ventana->Patillas()->isVisible());
  ventana->Accion(QStringLiteral("mnuVaciarRecientes"))->trigger();
  EXPECT_TRUE(CalculosRecientes().isEmpty());
  EXPECT_EQ(entradas(), (QStringList{QStringLiteral("-"), QStringLiteral("Vaciar la lista|")}));
}

TEST_F(PruebaEscritorio, AlArrastrarSoloSeAdmiteUnCalculo) {
  AbrirVentana();
  const QUrl dvn = QUrl::fromLocalFile(archivos.filePath(QStringLiteral("a.DVN")));
  EXPECT_TRUE(Admite({dvn}));
  EXPECT_FALSE(Admite({}));
  EXPECT_FALSE(Admite({dvn, dvn}));
  EXPECT_FALSE(Admite({QUrl::fromLocalFile(QStringLiteral("/c/a.clb"))}));
  EXPECT_FALSE(Admite({QUrl(QStringLiteral("https://x.es/a.dvn"))}));
  // Ni mientras se elige entre cálculo nuevo y grabado.
  ventana->MostrarNueva();
  ASSERT_TRUE(QTest::qWaitFor([] { return VisiblesConNombre(QStringLiteral("frmNueva")) == 1; }));
  EXPECT_FALSE(Admite({dvn}));
}

// Con un cálculo con cambios abierto, soltar otro pregunta antes como "Cerrar Cálculo".
TEST_F(PruebaEscritorio, SoltarUnCalculoCierraElAbiertoSegunLaRespuesta) {
  const QString uno = Grabado(QStringLiteral("uno.dvn"), QStringLiteral("Uno"));
  const QString dos = Grabado(QStringLiteral("dos.dvn"), QStringLiteral("Dos"));
  AbrirConClase(1);
  Datos().ValoresS.C[1] = Valor(QStringLiteral("Cambiado"));

  Soltar(uno, "cmbCancelar");
  EXPECT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_EQ(Datos().ValoresS.C[1].Texto(), QStringLiteral("Cambiado"));
  EXPECT_TRUE(Estado().NombreArchivo.isEmpty());

  Soltar(uno, "cmbNo");
  EXPECT_EQ(Estado().NombreArchivo, uno);
  EXPECT_EQ(Datos().ValoresS.C[1].Texto(), QStringLiteral("Uno"));
  EXPECT_TRUE(ventana->Patillas()->isVisible());

  // "Si" graba el abierto en su archivo y después abre el soltado.
  Datos().ValoresS.C[1] = Valor(QStringLiteral("Uno cambiado"));
  Soltar(dos, "cmbSi");
  EXPECT_EQ(Estado().NombreArchivo, dos);
  EXPECT_EQ(Datos().ValoresS.C[1].Texto(), QStringLiteral("Dos"));
  EXPECT_EQ(mensajes, QStringList{QStringLiteral("Grabar|El archivo se ha grabado.")});
  Calculo grabado;
  ASSERT_FALSE(LeerArchivo(grabado, uno));
  EXPECT_EQ(grabado.ValoresS.C[1].Texto(), QStringLiteral("Uno cambiado"));
}

// Un cálculo soltado sobre un campo lo abre la ventana; un texto no entra en el campo.
TEST_F(PruebaEscritorio, LoSoltadoSobreUnCampoVaALaVentana) {
  AbrirConClase(1);
  int campos = 0;
  for (QLineEdit* campo : ventana->findChildren<QLineEdit*>()) {
    if (!campo->isVisible()) continue;
    ++campos;
    // Qt entrega lo arrastrado al control bajo el cursor que admite soltar, o a su antecesor
    // más cercano que lo admita.
    const QPoint centro = campo->mapTo(ventana.get(), campo->rect().center());
    QWidget* destino = ventana->childAt(centro);
    while (destino && !destino->acceptDrops()) destino = destino->parentWidget();
    EXPECT_EQ(destino, ventana.get()) << campo->objectName().toStdString();
  }
  EXPECT_GT(campos, 20);
  QMimeData texto;
  texto.setText(QStringLiteral("abc"));
  QDragEnterEvent e(ventana->rect().center(), Qt::CopyAction, &texto, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(ventana.get(), &e);
  EXPECT_FALSE(e.isAccepted());

  const QString uno = Grabado(QStringLiteral("uno.dvn"), QStringLiteral("Uno"));
  Datos().ValoresS.C[1] = Valor(QStringLiteral("Cambiado"));
  Soltar(uno, "cmbNo");
  EXPECT_EQ(Estado().NombreArchivo, uno);
}

// A cualquier resolución, los autocares de "Tipo de Cálculo" se dibujan con todos los
// píxeles de la pantalla y los rangos de plazas caben en su sitio.
TEST_F(PruebaEscritorio, TipoDeCalculoNitidoYEntero) {
  AbrirVentana();
  ventana->MostrarTipoVeh();
  auto* tipo = Hijo(QStringLiteral("frmTipoVeh"));
  ASSERT_NE(tipo, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([tipo] { return tipo->isVisible(); }, 3000));
  for (int k = 0; k < 4; ++k) {
    auto* boton = tipo->findChild<QPushButton*>(QStringLiteral("cmbVehiculos(%1)").arg(k));
    ASSERT_NE(boton, nullptr);
    const qreal ratio = boton->devicePixelRatioF();
    const QPixmap dibujo = boton->icon().pixmap(boton->iconSize(), ratio);
    EXPECT_GE(dibujo.width(), qFloor(boton->iconSize().width() * ratio)) << k;
    EXPECT_LE(boton->iconSize().width(), boton->width()) << k;
  }
  for (QLabel* rotulo : tipo->findChildren<QLabel*>()) {
    const std::string texto = rotulo->text().toStdString();
    if (rotulo->wordWrap()) {
      EXPECT_LE(rotulo->heightForWidth(rotulo->width()), rotulo->height()) << texto;
      continue;
    }
    const QSize tamano = rotulo->fontMetrics().size(0, rotulo->text());
    EXPECT_LE(tamano.width(), rotulo->contentsRect().width()) << texto;
    EXPECT_LE(tamano.height(), rotulo->contentsRect().height()) << texto;
  }
}

// Lo que oye quien usa un lector de pantalla, tomado del interfaz accesible de cada campo.
TEST_F(PruebaEscritorio, CadaCampoSeNombraPorSuFilaYSuColumna) {
  AbrirConClase(1);
  const auto texto = [this](const char* campo, QAccessible::Text que) {
    QWidget* w = Hijo(QString::fromLatin1(campo));
    QAccessibleInterface* interfaz = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return interfaz ? interfaz->text(que) : QStringLiteral("<sin interfaz>");
  };
  EXPECT_EQ(texto("TextSC(9)", QAccessible::Name),
            QStringLiteral("Kilómetros recorridos anualmente, Cálculo Personalizado"));
  EXPECT_EQ(texto("TextOC(9)", QAccessible::Name),
            QStringLiteral("Kilómetros recorridos anualmente, Calibrario de Costes"));
  EXPECT_EQ(texto("TextSC(9)", QAccessible::Description),
            Hijo(QStringLiteral("TextSC(9)"))->toolTip());
  EXPECT_FALSE(texto("TextSC(9)", QAccessible::Description).isEmpty());

  // Patillas, botones de opción y entradas de menú se nombran por su leyenda.
  const auto sinAtajo = [](QString t) { return t.remove(QLatin1Char('&')); };
  int botones = 0;
  for (QAbstractButton* b : ventana->findChildren<QAbstractButton*>()) {
    if (b->text().isEmpty() || !b->isVisible()) continue;
    ++botones;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name),
              sinAtajo(b->text()))
        << b->objectName().toStdString();
  }
  EXPECT_GE(botones, 8);
  QAccessibleInterface* archivo =
      QAccessible::queryAccessibleInterface(Hijo(QStringLiteral("mnuFile")));
  ASSERT_TRUE(archivo && archivo->childCount() > 0);
  EXPECT_EQ(archivo->child(0)->text(QAccessible::Name), QStringLiteral("Abrir ..."));
}

// Todos los campos de los siete formularios tienen nombre, con su columna al final, y dentro
// de un formulario y una columna no hay dos que se llamen igual.
TEST_F(PruebaEscritorio, NingunCampoSinNombreNiRepetido) {
  AbrirConClase(1);
  for (int f = 0; f <= static_cast<int>(Formulario::Servicio); ++f) {
    ventana->ActivarFormulario(static_cast<Formulario>(f));
  }
  std::map<std::pair<QWidget*, Columna>, std::map<QString, QString>> nombres;
  int campos = 0;
  for (CampoTexto* c : ventana->findChildren<CampoTexto*>()) {
    ++campos;
    const QString nombre = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
    const QString columna = c->ColumnaCampo() == Columna::S
                                ? QStringLiteral(", Cálculo Personalizado")
                                : QStringLiteral(", Calibrario de Costes");
    EXPECT_TRUE(nombre.endsWith(columna) && nombre.size() > columna.size() + 3)
        << c->objectName().toStdString() << ": " << nombre.toStdString();
    EXPECT_FALSE(nombre.contains(QLatin1Char('\n')));
    QWidget* form = c->parentWidget();
    while (form && !qobject_cast<FormularioDatos*>(form)) form = form->parentWidget();
    auto [it, nuevo] = nombres[{form, c->ColumnaCampo()}].emplace(nombre, c->objectName());
    EXPECT_TRUE(nuevo) << nombre.toStdString() << ": " << c->objectName().toStdString() << " y "
                       << it->second.toStdString();
  }
  EXPECT_GT(campos, 200);
  // Los que no son de una fila de rótulo y campos: el total de indirectos y los del servicio.
  const auto nombre = [this](const char* campo) {
    return QAccessible::queryAccessibleInterface(Hijo(QString::fromLatin1(campo)))
        ->text(QAccessible::Name);
  };
  EXPECT_EQ(nombre("TextSI(5)"),
            QStringLiteral("Costes Indirectos anuales repercutibles a este autocar, Cálculo "
                           "Personalizado"));
  EXPECT_EQ(nombre("TextSS(18)"), QStringLiteral("Kilómetros, Servicio 3, Cálculo Personalizado"));
}

// La tarta de resultados se describe con sus sectores a la vista y sus porcentajes.
TEST_F(PruebaEscritorio, LaTartaDescribeSusSectores) {
  AbrirConClase(0);
  ventana->ActivarFormulario(Formulario::Resultados);
  auto* tarta = Hijo<Tarta>(QStringLiteral("PictureSR"));
  ASSERT_NE(tarta, nullptr);
  QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(tarta);
  ASSERT_NE(interfaz, nullptr);
  const QStringList partes =
      interfaz->text(QAccessible::Description).split(QStringLiteral("; "), Qt::SkipEmptyParts);
  QStringList esperadas;
  for (const SectorTarta& s : tarta->Sectores()) {
    if (s.dibujado)
      esperadas << Tarta::Leyenda(s.ranura).simplified() + QStringLiteral(": ") +
                       tarta->Etiqueta(s.ranura)->text();
  }
  EXPECT_GE(esperadas.size(), 3);
  EXPECT_EQ(partes, esperadas);
  EXPECT_TRUE(partes.first().endsWith(QLatin1Char('%'))) << partes.first().toStdString();
}

// El programa de verdad: uso y versión sin llegar a abrir la pantalla (con xcb y sin
// DISPLAY, crear la aplicación haría terminar el programa con error).
TEST(LineaOrdenes, UsoYVersionSinVentana) {
  QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
  entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  entorno.remove(QStringLiteral("DISPLAY"));
  entorno.remove(QStringLiteral("WAYLAND_DISPLAY"));
  const auto correr = [&](const QStringList& argumentos, const QProcessEnvironment& e) {
    QProcess programa;
    programa.setProcessEnvironment(e);
    programa.start(QStringLiteral(DORVELNA_PROGRAMA), argumentos);
    EXPECT_TRUE(programa.waitForFinished(30000));
    return std::tuple(programa.exitCode(), QString::fromUtf8(programa.readAllStandardOutput()),
                      QString::fromUtf8(programa.readAllStandardError()));
  };
  const auto [estadoUso, uso, erroresUso] = correr({QStringLiteral("--help")}, entorno);
  EXPECT_EQ(estadoUso, 0) << erroresUso.toStdString();
  EXPECT_TRUE(uso.startsWith(QStringLiteral("Uso: dorvelna [ARCHIVO]\n"))) << uso.toStdString();
  EXPECT_TRUE(uso.contains(QStringLiteral("--version"))) << uso.toStdString();
  EXPECT_TRUE(uso.contains(QStringLiteral("--exportar ARCHIVO SALIDA.pdf|SALIDA.xlsx")))
      << uso.toStdString();

  const auto [estadoVersion, version, erroresVersion] =
      correr({QStringLiteral("x.dvn"), QStringLiteral("--version")}, entorno);
  EXPECT_EQ(estadoVersion, 0) << erroresVersion.toStdString();
  EXPECT_EQ(version, QStringLiteral("Dorvelna " DORVELNA_VERSION "\n"));

  // Una opción desconocida o dos archivos son un uso incorrecto, contado en la salida de errores.
  entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (const QStringList& mal : {QStringList{QStringLiteral("--nada")},
                                 QStringList{QStringLiteral("a.dvn"), QStringLiteral("b.dvn")}}) {
    const auto [estado, salida, errores] = correr(mal, entorno);
    EXPECT_EQ(estado, 2) << mal.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(salida.isEmpty());
    EXPECT_TRUE(errores.contains(QStringLiteral("Uso: dorvelna [ARCHIVO]")))
        << errores.toStdString();
  }
}

}  // namespace
}  // namespace dorvelna::pruebas
