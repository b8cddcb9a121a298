// Cortar, copiar y pegar del menú "Edición" sobre el campo con el foco, con las teclas
// Ctrl+X, Ctrl+C y Ctrl+V y con las entradas del menú abierto con el ratón, con Alt o con F10.
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "gui/formularios/FormularioDatos.h"

namespace dorvelna::pruebas {
namespace {

enum class Via { Teclas, Raton, Alt, F10 };

class PruebaEdicion : public pruebas::VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    AbrirConClase(1);
  }

  static QClipboard* Portapapeles() { return QGuiApplication::clipboard(); }

  // Toma la barra de menús con Alt o F10 (queda marcado el primer menú), va con las flechas
  // hasta `menu` y lo abre hacia abajo.
  void AbrirConTeclado(Via via, QMenu* menu) {
    QMenuBar* barra = ventana->menuBar();
    QWidget* foco = QApplication::focusWidget();
    if (via == Via::Alt) QTest::keyClick(foco, Qt::Key_Alt, Qt::AltModifier);
    else QTest::keyClick(foco, Qt::Key_F10);
    EXPECT_TRUE(barra->hasFocus());
    EXPECT_EQ(barra->activeAction(), barra->actions().first());
    for (int k = 0; k < 10 && barra->activeAction() != menu->menuAction(); ++k) {
      QTest::keyClick(barra, Qt::Key_Right);
    }
    EXPECT_FALSE(menu->isVisible());
    QTest::keyClick(barra, Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(menu->isVisible()); }, 2000));
  }

  // Sin gestor de ventanas, cerrar un menú deja la ventana principal sin activar: se vuelve
  // a ella, con el foco donde estaba.
  void VolverA(QWidget* foco) {
    QApplication::processEvents();
    Enfocar(foco);
  }

  // Cortar (X), copiar (C) o pegar (V) como el usuario: con la tecla, o abriendo "Edición"
  // y eligiendo la entrada.
  void Editar(Via via, char operacion) {
    const int k = operacion == 'X' ? 0 : operacion == 'C' ? 1 : 2;
    QWidget* foco = QApplication::focusWidget();
    if (via == Via::Teclas) {
      const Qt::Key teclas[] = {Qt::Key_X, Qt::Key_C, Qt::Key_V};
      QTest::keyClick(foco, teclas[k], Qt::ControlModifier);
      return;
    }
    const char* nombres[] = {"mnuEditCut", "mnuEditCopy", "mnuEditPaste"};
    QMenu* menu = Hijo<QMenu>(QStringLiteral("mnuEdit"));
    QAction* entrada = ventana->Accion(QString::fromLatin1(nombres[k]));
    if (via == Via::Raton) {
      QMenuBar* barra = ventana->menuBar();
      QTest::mouseClick(barra, Qt::LeftButton, {},
                        barra->actionGeometry(menu->menuAction()).center());
      EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(menu->isVisible()); }, 2000));
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entrada).center());
    } else {
      AbrirConTeclado(via, menu);
      for (int n = 0; n < 5 && menu->activeAction() != entrada; ++n) {
        QTest::keyClick(menu, Qt::Key_Down);
      }
      QTest::keyClick(menu, Qt::Key_Return);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(!menu->isVisible()); }, 2000));
    VolverA(foco);
  }

  // Pone el texto en el campo con el foco y, con el teclado, deja el cursor tras `desde`
  // caracteres y selecciona `cuantos`.
  QLineEdit* Preparar(const QString& nombre, const QString& texto, int desde, int cuantos) {
    QLineEdit* campo = Campo(nombre);
    Enfocar(campo);
    campo->setText(texto);
    Seleccionar(campo, desde, cuantos);
    return campo;
  }
  static void Seleccionar(QLineEdit* campo, int desde, int cuantos) {
    QTest::keyClick(campo, Qt::Key_Home);
    for (int k = 0; k < desde; ++k) QTest::keyClick(campo, Qt::Key_Right);
    for (int k = 0; k < cuantos; ++k) QTest::keyClick(campo, Qt::Key_Right, Qt::ShiftModifier);
  }
};

// Los mismos casos por cada camino hasta "Cortar", "Copiar" y "Pegar".
class PruebaPortapapeles : public PruebaEdicion, public ::testing::WithParamInterface<Via> {
protected:
  void Editar(char operacion) { PruebaEdicion::Editar(GetParam(), operacion); }
};

TEST_P(PruebaPortapapeles, CortarCopiarYPegarLlevanYTraenLaSeleccion) {
  QLineEdit* campo = Preparar(QStringLiteral("TextSC(9)"), QStringLiteral("123456"), 1, 3);
  Editar('C');
  EXPECT_EQ(Portapapeles()->text(), QStringLiteral("234"));
  EXPECT_EQ(campo->text(), QStringLiteral("123456"));
  EXPECT_EQ(campo->selectedText(), QStringLiteral("234"));  // el menú no se lleva el foco
  Editar('X');
  EXPECT_EQ(Portapapeles()->text(), QStringLiteral("234"));
  EXPECT_EQ(campo->text(), QStringLiteral("156"));
  // Se pega en el cursor; sobre una selección, la sustituye.
  QTest::keyClick(campo, Qt::Key_End);
  Editar('V');
  EXPECT_EQ(campo->text(), QStringLiteral("156234"));
  Seleccionar(campo, 0, 2);
  Editar('V');
  EXPECT_EQ(campo->text(), QStringLiteral("2346234"));
}

TEST_P(PruebaPortapapeles, SinSeleccionCopiarYCortarDejanVacioElPortapapeles) {
  QLineEdit* campo = Preparar(QStringLiteral("TextSC(9)"), QStringLiteral("123456"), 2, 0);
  for (char operacion : {'C', 'X'}) {
    Portapapeles()->setText(QStringLiteral("previo"));
    Editar(operacion);
    EXPECT_TRUE(Portapapeles()->text().isEmpty()) << operacion;
    EXPECT_EQ(campo->text(), QStringLiteral("123456"));
    EXPECT_EQ(campo->cursorPosition(), 2);
  }
}

TEST_P(PruebaPortapapeles, PegarSinTextoBorraLaSeleccion) {
  QLineEdit* campo = Preparar(QStringLiteral("TextSC(1)"), QStringLiteral("Autocar grande"), 7, 7);
  // Datos que no son texto cuentan, para pegar, como un portapapeles sin texto.
  auto* imagen = new QMimeData;
  imagen->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
  Portapapeles()->setMimeData(imagen);
  Editar('V');
  EXPECT_EQ(campo->text(), QStringLiteral("Autocar"));
  Portapapeles()->clear();
  Seleccionar(campo, 0, 2);
  Editar('V');
  EXPECT_EQ(campo->text(), QStringLiteral("tocar"));
  Editar('V');  // sin selección y sin texto, nada cambia
  EXPECT_EQ(campo->text(), QStringLiteral("tocar"));
}

TEST_P(PruebaPortapapeles, LasLetrasPegadasLleganAlCampoYSeDescartanAlSalir) {
  pruebas::GuardiaModal guardia;
  QLineEdit* campo = Preparar(QStringLiteral("TextSC(9)"), QString(), 0, 0);
  const double antes = Datos().ValoresS(Grupo::C, 9).Numero();
  ASSERT_NE(antes, 150000.0);
  QTest::keyClick(campo, Qt::Key_A);  // tecleada, la letra no entra
  EXPECT_TRUE(campo->text().isEmpty());
  Portapapeles()->setText(QStringLiteral("150a000"));
  Editar('V');
  EXPECT_EQ(campo->text(), QStringLiteral("150a000"));
  EXPECT_TRUE(campo->hasFocus());
  EXPECT_EQ(Datos().ValoresS(Grupo::C, 9).Numero(), antes);  // aún sin confirmar
  QTest::keyClick(campo, Qt::Key_Tab);
  EXPECT_EQ(Datos().ValoresS(Grupo::C, 9).Numero(), 150000.0);
  EXPECT_EQ(campo->text(), QStringLiteral("150.000"));
  EXPECT_FALSE(guardia.Disparada());
}

TEST_P(PruebaPortapapeles, ConElFocoEnUnBotonDeOpcionNoHacenNada) {
  ventana->ActivarFormulario(Formulario::CostesIndirectos);
  auto* opcion = Hijo<QRadioButton>(QStringLiteral("OptionSI(1)"));
  Enfocar(opcion);
  const bool marcada = opcion->isChecked();
  auto textos = [this] {
    QStringList t;
    for (QLineEdit* c : ventana->FormActual()->findChildren<QLineEdit*>()) t << c->text();
    return t;
  };
  const QStringList antes = textos();
  Portapapeles()->setText(QStringLiteral("previo"));
  for (char operacion : {'X', 'C', 'V'}) Editar(operacion);
  EXPECT_EQ(Portapapeles()->text(), QStringLiteral("previo"));
  EXPECT_TRUE(opcion->hasFocus());
  EXPECT_EQ(opcion->isChecked(), marcada);
  EXPECT_EQ(textos(), antes);
}

// Con el teclado, la barra de menús no confirma el campo al tomar el foco; otro menú que se
// abre desde ella sí lo confirma, y el campo vuelve a quedar en edición.
TEST_F(PruebaEdicion, OtroMenuAbiertoConElTecladoConfirmaElCampo) {
  pruebas::GuardiaModal guardia;
  QLineEdit* campo = Campo(QStringLiteral("TextSC(9)"));
  QMenu* archivo = Hijo<QMenu>(QStringLiteral("mnuFile"));
  for (const Via via : {Via::Alt, Via::F10}) {
    const double valor = via == Via::Alt ? 150000 : 160000;
    Preparar(QStringLiteral("TextSC(9)"), QString(), 0, 0);
    QTest::keyClicks(campo, QString::number(valor));
    QMenuBar* barra = ventana->menuBar();
    QTest::keyClick(campo, via == Via::Alt ? Qt::Key_Alt : Qt::Key_F10,
                    via == Via::Alt ? Qt::AltModifier : Qt::NoModifier);
    ASSERT_TRUE(barra->hasFocus());
    EXPECT_NE(Datos().ValoresS(Grupo::C, 9).Numero(), valor);
    // Escape, o F10 otra vez, deja la barra: el foco vuelve al campo, aún en edición.
    QTest::keyClick(barra, via == Via::Alt ? Qt::Key_Escape : Qt::Key_F10);
    EXPECT_FALSE(barra->hasFocus());
    EXPECT_TRUE(campo->hasFocus());
    EXPECT_NE(Datos().ValoresS(Grupo::C, 9).Numero(), valor);

    AbrirConTeclado(via, archivo);
    EXPECT_EQ(Datos().ValoresS(Grupo::C, 9).Numero(), valor);
    EXPECT_EQ(campo->text(), QString::number(valor));  // de nuevo en edición, sin puntos
    QTest::keyClick(archivo, Qt::Key_Escape);
    QTest::keyClick(barra, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(!archivo->isVisible()); }, 2000));
    VolverA(campo);
  }
  EXPECT_FALSE(guardia.Disparada());
}

// Dejar la barra con un clic en un control que no es un campo también es salir del campo.
TEST_F(PruebaEdicion, DejarLaBarraConUnClicEnOtroControlConfirmaElCampo) {
  pruebas::GuardiaModal guardia;
  ventana->ActivarFormulario(Formulario::CostesIndirectos);
  auto* desglosado = Hijo<QRadioButton>(QStringLiteral("OptionSI(1)"));
  ASSERT_TRUE(desglosado->isChecked());
  QLineEdit* campo = Preparar(QStringLiteral("TextSI(2)"), QString(), 0, 0);
  QTest::keyClicks(campo, QStringLiteral("1234"));
  QTest::keyClick(campo, Qt::Key_Alt, Qt::AltModifier);
  ASSERT_TRUE(ventana->menuBar()->hasFocus());
  QTest::mouseClick(desglosado, Qt::LeftButton);
  EXPECT_TRUE(desglosado->hasFocus());
  EXPECT_EQ(Datos().ValoresS(Grupo::I, 2).Numero(), 1234);
  EXPECT_EQ(campo->text(), QStringLiteral("1.234,00"));
  EXPECT_FALSE(guardia.Disparada());
}

std::string NombreVia(const ::testing::TestParamInfo<Via>& info) {
  static const char* const nombres[] = {"Teclas", "Raton", "Alt", "F10"};
  return nombres[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Caminos, PruebaPortapapeles,
                         ::testing::Values(Via::Teclas, Via::Raton, Via::Alt, Via::F10), NombreVia);

}  // namespace
}  // namespace dorvelna::pruebas
