// La ventana principal con una clase de autocar abierta: menús, patillas, formulario de
// características y entrada de campos, manejados con teclado y ratón como lo haría un usuario.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "comun/FifoVigilada.h"
#include "gui/campos/CampoTexto.h"
#include "gui/comun/frmPreguntaGrabar.h"
#include "gui/formularios/FormularioDatos.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::GuardiaModal;
using pruebas::ResponderModal;

const QString kSegunda =
    QStringLiteral("\n\nLos datos del Calibrario deben estar en este subdirectorio.");

class PruebaVentana : public pruebas::VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    AbrirVentana();
  }

  CampoTexto* CampoS(int i) const {
    return qobject_cast<CampoTexto*>(Campo(QStringLiteral("TextSC(%1)").arg(i)));
  }
  CampoTexto* CampoO(int i) const {
    return qobject_cast<CampoTexto*>(Campo(QStringLiteral("TextOC(%1)").arg(i)));
  }
  double NumeroS(int i) const { return Datos().ValoresS(Grupo::C, i).ComoNumero().value_or(-1); }

  // Teclea en el campo (con el foco) y sale de él con Tab.
  void Teclear(CampoTexto* campo, const QString& teclas, bool salir = true) {
    Enfocar(campo);
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, teclas);
    if (salir) QTest::keyClick(campo, Qt::Key_Tab);
  }

  bool Visible(const QString& accion) const {
    QAction* a = ventana->Accion(accion);
    return a && a->isEnabled();
  }
};

// Cada entrada del menú, habilitada (+) o no (-): sin cálculo, con un cálculo abierto y con
// frmNueva o frmTipoVeh a la vista.
// clang-format off
const std::pair<const char*, const char*> kMenus[] = {
    {"mnuCalculo", "+++"}, {"mnuNuevo", "+--"}, {"mnuCerrar", "-+-"}, {"mnuFileExit", "+++"},
    {"mnuFile", "+++"}, {"mnuFileOpen", "+--"}, {"mnuRecientes", "+--"},
    {"mnuFileSave", "-+-"}, {"mnuFileSaveAs", "-+-"},
    {"mnuExportarPdf", "-+-"}, {"mnuExportarHoja", "-+-"},
    {"mnuFormularios", "+++"}, {"mnuCaracteristicas", "-+-"}, {"mnuTodosServicios", "-+-"},
    {"mnuFijos1", "-+-"}, {"mnuFijos2", "-+-"}, {"mnuVariables", "-+-"},
    {"mnuIndirectos", "-+-"}, {"mnuResultados", "-+-"}, {"mnuServicio", "-+-"},
    {"mnuSensibilidad", "-+-"},
    {"mnuImprimir", "+++"}, {"mnuPrintCaracteristicas", "-+-"}, {"mnuPrintTodosServicios", "-+-"},
    {"mnuPrintFijos1", "-+-"}, {"mnuPrintFijos2", "-+-"}, {"mnuPrintVariables", "-+-"},
    {"mnuPrintIndirectos", "-+-"}, {"mnuPrintResultados", "-+-"}, {"mnuPrintServicio", "-+-"},
    {"mnuPrintSensibilidad", "-+-"}, {"mnuPrintTodo", "-+-"},
    {"mnuEdit", "+++"}, {"mnuEditCut", "-+-"}, {"mnuEditCopy", "-+-"}, {"mnuEditPaste", "-+-"},
    {"mnuHelp", "+++"}, {"mnuHelpContents", "+++"}, {"mnuHelpAbout", "+++"},
    {"mnuCalibrario", "+++"}, {"mnuAcuerdos", "+++"}};
// clang-format on

TEST_F(PruebaVentana, CadaEntradaDelMenuSeHabilitaSegunLaSituacion) {
  enum { kSinCalculo, kConCalculo, kDialogoNuevo };
  auto comprobar = [this](int situacion) {
    for (const auto& [nombre, estados] : kMenus) {
      QAction* a = ventana->Accion(QString::fromLatin1(nombre));
      ASSERT_TRUE(a) << nombre;
      EXPECT_EQ(a->isEnabled(), estados[situacion] == '+') << nombre << " en " << situacion;
    }
  };
  EXPECT_EQ(ventana->windowTitle(), QStringLiteral("DORVELNA"));
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  comprobar(kSinCalculo);

  ventana->MostrarNueva();
  auto* nueva = Hijo(QStringLiteral("frmNueva"));
  ASSERT_TRUE(nueva && QTest::qWaitFor([nueva] { return nueva->isVisible(); }, 3000));
  comprobar(kDialogoNuevo);
  QTest::mouseClick(nueva->findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
  comprobar(kSinCalculo);

  ventana->Accion(QStringLiteral("mnuNuevo"))->trigger();
  auto* tipo = Hijo(QStringLiteral("frmTipoVeh"));
  ASSERT_TRUE(tipo && QTest::qWaitFor([tipo] { return tipo->isVisible(); }, 3000));
  comprobar(kDialogoNuevo);
  QTest::mouseClick(tipo->findChild<QPushButton*>(QStringLiteral("cmbVehiculos(1)")),
                    Qt::LeftButton);
  ASSERT_TRUE(ventana->Patillas()->isVisible());
  comprobar(kConCalculo);

  QTest::mouseClick(Hijo<QPushButton>(QStringLiteral("cmbCerrar")), Qt::LeftButton);
  comprobar(kSinCalculo);

  // Los menús de primer nivel, en su orden y con sus leyendas.
  QStringList leyendas;
  for (QAction* a : ventana->menuBar()->actions()) leyendas << a->text();
  EXPECT_EQ(leyendas.first(), QStringLiteral("Cálculo"));
  EXPECT_TRUE(leyendas.contains(QStringLiteral("Edición")));
}

// Mientras "Tipo de Cálculo" o "Tipo de Autocar" están a la vista no se puede empezar ni abrir
// otro cálculo; al cerrarlos sin elegir, vuelve a poderse. "Nuevo Cálculo" lleva al segundo.
TEST_F(PruebaVentana, LosDialogosDeCalculoNuevoApaganLosMenusMientrasSeVen) {
  auto menus = [this] {
    return Visible(QStringLiteral("mnuNuevo")) + Visible(QStringLiteral("mnuFileOpen"));
  };
  auto aLaVista = [this](const char* nombre) -> QWidget* {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* dialogo = Hijo<QWidget>(QString::fromLatin1(nombre));
    if (!dialogo || !QTest::qWaitFor([dialogo] { return dialogo->isVisible(); }, 3000)) {
      ADD_FAILURE() << nombre << " no se ve";
      return nullptr;
    }
    return dialogo;
  };
  auto pulsar = [](QWidget* dialogo, const char* boton) {
    QTest::mouseClick(dialogo->findChild<QPushButton*>(QString::fromLatin1(boton)), Qt::LeftButton);
  };
  ventana->MostrarNueva();
  QWidget* nueva = aLaVista("frmNueva");
  ASSERT_TRUE(nueva);
  EXPECT_EQ(menus(), 0);
  pulsar(nueva, "CancelButton");
  EXPECT_EQ(menus(), 2);

  ventana->MostrarNueva();
  nueva = aLaVista("frmNueva");
  ASSERT_TRUE(nueva);
  pulsar(nueva, "OKButton");
  QWidget* tipo = aLaVista("frmTipoVeh");
  ASSERT_TRUE(tipo);
  EXPECT_EQ(menus(), 0);
  tipo->close();
  EXPECT_EQ(menus(), 2);
}

TEST_F(PruebaVentana, CadaClaseLlenaLasDosColumnasConSusFechas) {
  QStringList descripciones;
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    AbrirClase(k);
    ASSERT_TRUE(ventana->Patillas()->isVisible());
    FormularioDatos* form = ventana->FormActual();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->objectName(), QStringLiteral("frmCaracteristicas"));
    EXPECT_TRUE(form->isVisible());

    // Las dos columnas muestran la clase (S = O en el Calibrario), formateada.
    for (int i : {2, 3, 9, 10, 11, 14}) {
      const QString esperado = FormatearValor(Datos().ValoresS(Grupo::C, i), Decimales(Grupo::C, i),
                                              EstadoPrograma::MostrarCeros);
      EXPECT_FALSE(esperado.isEmpty()) << i;
      EXPECT_EQ(CampoS(i)->text(), esperado) << i;
      EXPECT_EQ(CampoO(i)->text(), esperado) << i;
    }
    EXPECT_FALSE(CampoS(1)->text().isEmpty());
    EXPECT_FALSE(descripciones.contains(CampoS(1)->text()));
    descripciones << CampoS(1)->text();

    const QString fecha = QLocale().toString(QDate(2025, 7, 1), QLocale::ShortFormat);
    EXPECT_EQ(form->FrameS->title(), QStringLiteral("Cálculo Personalizado (%1)").arg(fecha));
    EXPECT_EQ(form->FrameO->title(), QStringLiteral("Calibrario de Costes (%1)").arg(fecha));
    EXPECT_TRUE(form->Frame1->title().contains(CampoS(1)->text()));

    EXPECT_TRUE(Visible(QStringLiteral("mnuCerrar")));
    EXPECT_FALSE(Visible(QStringLiteral("mnuNuevo")));
    EXPECT_FALSE(ventana->HayCambios());

    // Cerrar sin cambios no pregunta y deja la ventana como al empezar.
    {
      GuardiaModal guardia;
      QTest::mouseClick(Hijo<QPushButton>(QStringLiteral("cmbCerrar")), Qt::LeftButton);
      EXPECT_FALSE(guardia.Disparada());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(ventana->Patillas()->isVisible());
    EXPECT_EQ(ventana->FormActual(), nullptr);
    EXPECT_TRUE(ventana->AreaCliente()->findChildren<FormularioDatos*>().isEmpty());
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("DORVELNA"));
    EXPECT_TRUE(Visible(QStringLiteral("mnuNuevo")));
    EXPECT_FALSE(Visible(QStringLiteral("mnuCerrar")));
  }
}

TEST_F(PruebaVentana, LasPatillasYElMenuLlevanACadaFormularioSinQuedarseElFoco) {
  AbrirClase(1);
  const struct {
    Formulario f;
    const char* boton;
  } casos[] = {{Formulario::CostesFijos1, "cmbFormularios(1)"},
               {Formulario::Resultados, "cmbFormularios(5)"},
               {Formulario::Caracteristicas, "cmbFormularios(0)"}};
  for (const auto& caso : casos) {
    QPushButton* boton = ventana->Patillas()->Boton(caso.f);
    ASSERT_NE(boton, nullptr);
    QTest::mouseClick(boton, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_NE(ventana->FormActual(), nullptr);
    EXPECT_EQ(ventana->FormActual()->Tipo(), caso.f);
    EXPECT_TRUE(ventana->FormActual()->isVisible());
    EXPECT_FALSE(ventana->Patillas()->isAncestorOf(QApplication::focusWidget()));
  }
  ventana->Accion(QStringLiteral("mnuIndirectos"))->trigger();
  QApplication::processEvents();
  ASSERT_NE(ventana->FormActual(), nullptr);
  EXPECT_EQ(ventana->FormActual()->Tipo(), Formulario::CostesIndirectos);
  // Sólo un formulario a la vista.
  int visibles = 0;
  for (auto* f : ventana->AreaCliente()->findChildren<FormularioDatos*>())
    visibles += f->isVisible();
  EXPECT_EQ(visibles, 1);
}

TEST_F(PruebaVentana, ComaDecimalPuntoRechazadoYSegundoSeparadorRechazado) {
  AbrirClase(1);
  CampoTexto* longitud = CampoS(3);  // 2 decimales, 5 caracteres
  Teclear(longitud, QStringLiteral("12.,5,3"), false);
  EXPECT_EQ(longitud->text(), QStringLiteral("12,53"));
  QTest::keyClick(longitud, Qt::Key_Tab);
  EXPECT_DOUBLE_EQ(NumeroS(3), 12.53);
  EXPECT_EQ(longitud->text(), QStringLiteral("12,53"));

  // Entero de 7 caracteres: seis cifras y la séptima no entra (la pantalla pondrá un punto).
  CampoTexto* km = CampoS(9);
  Teclear(km, QStringLiteral("1234567"), false);
  EXPECT_EQ(km->text(), QStringLiteral("123456"));
  // Intro confirma, se queda en el campo y muestra el valor sin agrupar.
  QTest::keyClick(km, Qt::Key_Return);
  EXPECT_TRUE(km->hasFocus());
  EXPECT_EQ(km->text(), QStringLiteral("123456"));
  EXPECT_DOUBLE_EQ(NumeroS(9), 123456);
  // Los kilómetros llegan a los facturados y no facturados.
  const double porcentaje = NumeroS(10);
  EXPECT_EQ(NumeroS(11), std::round(123456 * porcentaje / 100));
  EXPECT_EQ(NumeroS(13), 123456 - NumeroS(11));
  EXPECT_EQ(CampoS(11)->text(), FormatearValor(Datos().ValoresS(Grupo::C, 11), 0, false));
  // Al salir se ve agrupado.
  QTest::keyClick(km, Qt::Key_Tab);
  EXPECT_EQ(km->text(), QStringLiteral("123.456"));
  EXPECT_TRUE(ventana->HayCambios());
}

// Una tecla rechazada no escribe nada y sólo borra lo seleccionado, nunca lo que sigue al cursor.
TEST_F(PruebaVentana, UnaTeclaRechazadaSoloBorraLaSeleccion) {
  AbrirClase(0);
  CampoTexto* descripcion = CampoS(1);
  Enfocar(descripcion);
  const QString clase = QStringLiteral("Autocar estándar de más de 55 plazas");
  ASSERT_EQ(descripcion->text(), clase);
  ASSERT_EQ(descripcion->cursorPosition(), 0);
  QTest::keyClicks(descripcion, QStringLiteral("\"\""));
  EXPECT_EQ(descripcion->text(), clase);
  descripcion->setSelection(0, 8);
  QTest::keyClicks(descripcion, QStringLiteral("\""));
  EXPECT_EQ(descripcion->text(), clase.mid(8));

  struct Caso {
    int campo;
    QString teclas;
  };
  // Letras y signos; el punto y la segunda coma en un decimal; la coma en un entero.
  for (const Caso& c : {Caso{3, QStringLiteral("a.,-\"")}, Caso{9, QStringLiteral("x,. ")}}) {
    CampoTexto* campo = CampoS(c.campo);
    Enfocar(campo);
    const QString texto = campo->text();
    ASSERT_GE(texto.size(), 4);
    campo->setCursorPosition(1);
    QTest::keyClicks(campo, c.teclas);
    EXPECT_EQ(campo->text(), texto) << c.campo;
    campo->setSelection(1, 2);
    QTest::keyClicks(campo, c.teclas.left(1));
    EXPECT_EQ(campo->text(), texto.left(1) + texto.mid(3)) << c.campo;
    EXPECT_EQ(campo->cursorPosition(), 1) << c.campo;
    // Vuelve el valor de la clase antes de salir del campo.
    campo->selectAll();
    QTest::keyClicks(campo, texto);
  }
  EXPECT_EQ(NumeroS(3), 14.95);
  EXPECT_EQ(NumeroS(9), 110000);
}

TEST_F(PruebaVentana, UnValorFueraDeLimitesSeRechazaConSuMensajeYVuelveElAnterior) {
  AbrirClase(1);
  const double antes = NumeroS(2);
  bool visto = false;
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
    visto = true;
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Error"));
    auto* texto = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
    ASSERT_TRUE(texto);
    EXPECT_EQ(texto->text(), QStringLiteral("Valor mínimo = 10\n\nValor máximo = 200\n\n"));
  });
  Teclear(CampoS(2), QStringLiteral("5"));
  EXPECT_TRUE(visto);
  EXPECT_EQ(NumeroS(2), antes);
  EXPECT_EQ(CampoS(2)->text(), FormatearValor(Valor(antes), 0, false));
  EXPECT_FALSE(ventana->HayCambios());

  // C(19) = 0 está por debajo de su mínimo pero se admite.
  {
    GuardiaModal guardia;
    Teclear(CampoS(19), QStringLiteral("0"));
    EXPECT_FALSE(guardia.Disparada());
  }
  EXPECT_EQ(NumeroS(19), 0);
}

TEST_F(PruebaVentana, UnaDiferenciaQueNoSeVeConLosDecimalesDelCampoNoEsUnCambio) {
  AbrirClase(0);
  ASSERT_EQ(Decimales(Grupo::C, 3), 2);
  const double guardado = Datos().ValoresGrabados(Grupo::C, 3).Numero();
  Datos().ValoresS(Grupo::C, 3) = Valor(guardado + 0.001);
  EXPECT_FALSE(ventana->HayCambios());
  Datos().ValoresS(Grupo::C, 3) = Valor(guardado + 0.01);
  EXPECT_TRUE(ventana->HayCambios());
}

TEST_F(PruebaVentana, LaPreguntaAlCerrarRespetaCadaRespuesta) {
  AbrirClase(2);
  Teclear(CampoS(9), QStringLiteral("200000"));
  ASSERT_TRUE(ventana->HayCambios());

  // "Cancelar" y la caja de cerrar dejan el cálculo abierto con su cambio.
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbCancelar"),
                 [](QWidget* d) { EXPECT_EQ(d->windowTitle(), QStringLiteral("Cerrar")); });
  ventana->Accion(QStringLiteral("mnuCerrar"))->trigger();
  EXPECT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_TRUE(Estado().Cancelado);

  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QString(), {},
                 [](QWidget* d) { d->close(); });
  ventana->Accion(QStringLiteral("mnuCerrar"))->trigger();
  EXPECT_TRUE(ventana->Patillas()->isVisible());
  EXPECT_EQ(NumeroS(9), 200000);

  // Cerrar el programa con "Cancelar" tampoco sale.
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbCancelar"),
                 [](QWidget* d) { EXPECT_EQ(d->windowTitle(), QStringLiteral("Salir")); });
  EXPECT_FALSE(ventana->close());
  EXPECT_TRUE(ventana->isVisible());

  // "No" cierra sin grabar y deja la ventana como al empezar.
  ResponderModal(QStringLiteral("frmPreguntaGrabar"), QStringLiteral("cmbNo"));
  ventana->Accion(QStringLiteral("mnuCerrar"))->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(ventana->Patillas()->isVisible());
  EXPECT_FALSE(Estado().Cancelado);
  EXPECT_FALSE(ventana->HayCambios());
  EXPECT_TRUE(Visible(QStringLiteral("mnuNuevo")));
}

TEST_F(PruebaVentana, AbrirUnMenuConfirmaElCampoEnEdicion) {
  AbrirClase(1);
  CampoTexto* km = CampoS(9);
  Teclear(km, QStringLiteral("150000"), false);
  EXPECT_NE(NumeroS(9), 150000);
  QMenu* archivo = Hijo<QMenu>(QStringLiteral("mnuFile"));
  ASSERT_NE(archivo, nullptr);
  archivo->popup(ventana->mapToGlobal(QPoint(10, 10)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return NumeroS(9) == 150000.0; }, 3000));
  archivo->hide();
}

class PruebaCalibrario : public pruebas::VentanaPrueba {};

TEST_F(PruebaCalibrario, SinCarpetaOSinArchivoOConArchivoDanadoDaSuMensaje) {
  const QString carpeta = CarpetaTemporal(false);
  AbrirVentana();
  auto esperar = [&](const QString& texto) {
    bool visto = false;
    ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
      visto = true;
      EXPECT_EQ(d->windowTitle(), QStringLiteral("Error"));
      EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("lblMensaje"))->text(), texto);
    });
    AbrirClase(0);
    EXPECT_TRUE(visto);
    EXPECT_FALSE(ventana->Patillas()->isVisible());
    if (auto* tipo = ventana->findChild<QWidget*>(QStringLiteral("frmTipoVeh"))) tipo->close();
    QApplication::processEvents();
  };
  esperar(QStringLiteral("No existe el subdirectorio ...\\Calibrario.") + kSegunda);

  QDir(carpeta).mkdir(QStringLiteral("Calibrario"));
  esperar(QStringLiteral("Archivo no encontrado en el subdirectorio ...\\Calibrario.") + kSegunda);

  QFile danado(carpeta + QStringLiteral("/Calibrario/Autocar Estandar mas 55 plazas.clb"));
  ASSERT_TRUE(danado.open(QIODevice::WriteOnly));
  danado.write("\"Autocar\"\r\n1\r\n");
  danado.close();
  esperar(QStringLiteral("Archivo en mal estado."));
  EXPECT_FALSE(ventana->HayCambios());

  // Una FIFO en su lugar no se abre: dejaría al programa esperando a quien escriba en ella.
  ASSERT_TRUE(QFile::remove(danado.fileName()));
  pruebas::FifoVigilada fifo(danado.fileName());
  ASSERT_TRUE(fifo.Creada());
  esperar(QStringLiteral("Archivo en mal estado."));
  EXPECT_FALSE(fifo.Abierta());
}

// Secuencias de teclas al azar en todos los campos S del formulario de características: el
// programa no se cae y lo que queda guardado respeta los límites del campo.
TEST_F(PruebaVentana, TeclasAlAzarEnCadaCampoNuncaDejanUnValorFueraDeLimites) {
  AbrirClase(0);
  QRandomGenerator azar(20261208);
  const QString teclas = QStringLiteral("0123456789,.,aZ-");
  int rechazos = 0;
  for (int i : Entradas(Grupo::C)) {
    CampoTexto* campo = CampoS(i);
    if (!campo || !campo->isEnabled()) continue;
    for (int vuelta = 0; vuelta < 6; ++vuelta) {
      SCOPED_TRACE(QStringLiteral("C(%1) vuelta %2").arg(i).arg(vuelta).toStdString());
      // C(19) = 0 cierra los campos que dependen de él.
      if (!campo->isEnabled()) break;
      // Si un valor se rechaza (con Intro o al salir) sale el mensaje, que se contesta.
      bool rechazado = false;
      pruebas::ModalEsperado esperado(QStringLiteral("frmMensaje"));
      QTimer vigia;
      QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QStringLiteral("frmMensaje")) return;
        rechazado = true;
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmbAceptar")),
                          Qt::LeftButton);
      });
      vigia.start(10);
      Enfocar(campo);
      const int n = azar.bounded(1, 10);
      QString secuencia;  // para el mensaje si algo falla: < retroceso, | Intro
      for (int k = 0; k < n; ++k) {
        const int r = azar.bounded(teclas.size() + 2);
        if (r == teclas.size()) {
          secuencia += QLatin1Char('<');
          QTest::keyClick(campo, Qt::Key_Backspace);
        } else if (r == teclas.size() + 1) {
          secuencia += QLatin1Char('|');
          QTest::keyClick(campo, Qt::Key_Return);
        } else {
          secuencia += teclas.at(r);
          QTest::keyClicks(campo, QString(teclas.at(r)));
        }
      }
      SCOPED_TRACE(secuencia.toStdString());
      QTest::keyClick(campo, Qt::Key_Tab);
      QApplication::processEvents();
      vigia.stop();
      if (rechazado) ++rechazos;
      const Valor& v = Datos().ValoresS(Grupo::C, i);
      const Valor& mn = Datos().Minimos(Grupo::C, i);
      const Valor& mx = Datos().Maximos(Grupo::C, i);
      if (v.EsTexto()) {
        EXPECT_GE(v.Texto().trimmed().size(), mn.Texto().size());
      } else if (i != 19 || v.ComoNumero() != 0.0) {
        ASSERT_TRUE(v.EsNumero());
        ASSERT_TRUE(mn.EsNumero() && mx.EsNumero());
        EXPECT_GE(v.Numero(), mn.Numero());
        EXPECT_LE(v.Numero(), mx.Numero());
      }
    }
  }
  EXPECT_GT(rechazos, 0);
}

}  // namespace
}  // namespace dorvelna::pruebas
