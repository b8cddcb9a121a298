// Cortar, copiar y pegar del menú "Edición" sobre el campo con el foco, con las teclas
// Ctrl+X, Ctrl+C y Ctrl+V y con las entradas del menú abiertas con el ratón.
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "gui/formularios/FormularioDatos.h"

namespace dorvelna {
namespace {

enum class Via { Teclas, Menu };

class PruebaPortapapeles : public pruebas::VentanaPrueba,
                           public ::testing::WithParamInterface<Via> {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    AbrirConClase(1);
  }

  static QClipboard* Portapapeles() { return QGuiApplication::clipboard(); }

  // Cortar (X), copiar (C) o pegar (V) como el usuario: con la tecla, o abriendo "Edición"
  // con el ratón y pulsando la entrada.
  void Editar(char operacion) {
    const int k = operacion == 'X' ? 0 : operacion == 'C' ? 1 : 2;
    if (GetParam() == Via::Teclas) {
      const Qt::Key teclas[] = {Qt::Key_X, Qt::Key_C, Qt::Key_V};
      QTest::keyClick(QApplication::focusWidget(), teclas[k], Qt::ControlModifier);
      return;
    }
    const char* nombres[] = {"mnuEditCut", "mnuEditCopy", "mnuEditPaste"};
    QMenu* menu = ventana->Menu(QStringLiteral("mnuEdit"));
    QAction* entrada = ventana->Accion(QString::fromLatin1(nombres[k]));
    QMenuBar* barra = ventana->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {},
                      barra->actionGeometry(menu->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(menu->isVisible()); }, 2000));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entrada).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(!menu->isVisible()); }, 2000));
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

INSTANTIATE_TEST_SUITE_P(TeclasYMenu, PruebaPortapapeles, ::testing::Values(Via::Teclas, Via::Menu),
                         [](const auto& info) {
                           return info.param == Via::Teclas ? "Teclas" : "Menu";
                         });

}  // namespace
}  // namespace dorvelna
