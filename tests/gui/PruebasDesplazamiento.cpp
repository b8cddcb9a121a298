// Desplazamiento de los formularios en la ventana principal: barras, teclas de página,
// foco que arrastra la vista, rueda del ratón y tiras que siguen el tamaño de la ventana.
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "Modales.h"
#include "VentanaPrueba.h"
#include "gui/campos/CampoTexto.h"
#include "gui/comun/Twips.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/Rueda.h"

namespace dorvelna::pruebas {
namespace {

class PruebaDesplazamiento : public pruebas::VentanaPrueba, public QObject {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    AbrirConClase(1);
  }
  // Cuenta los giros que siguen su camino hasta el contenedor de los formularios.
  bool eventFilter(QObject*, QEvent* e) override {
    giros += e->type() == QEvent::Wheel;
    return false;
  }

  QScrollBar* V() const { return ventana->PicVScroll()->Barra(); }
  QScrollBar* H() const { return ventana->PicHScroll()->Barra(); }
  FormularioDatos* Form() const { return ventana->FormActual(); }
  QWidget* CampoS(int i) const { return Campo(QStringLiteral("TextSC(%1)").arg(i)); }
  void Pulsar(const char* boton) {
    QTest::mouseClick(Hijo<QPushButton>(QString::fromLatin1(boton)), Qt::LeftButton);
  }

  // Cambia el tamaño de la ventana hasta que la tira vertical mida `alto` twips de alto y
  // la horizontal `ancho` de ancho (0: como esté).
  void Vista(int alto, int ancho = 0) {
    QWidget *tiraV = ventana->PicVScroll(), *tiraH = ventana->PicHScroll();
    const int a = alto ? TwipsAPixeles(alto) : tiraV->height();
    const int b = ancho ? TwipsAPixeles(ancho) : tiraH->width();
    ventana->resize(ventana->width() + b - tiraH->width(), ventana->height() + a - tiraV->height());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (QSize(tiraH->width(), tiraV->height())) == (QSize(b, a)); }, 3000));
    EXPECT_EQ(QSize(tiraH->width(), tiraV->height()), QSize(b, a));
  }
  int AltoVista() const { return PixelesATwips(ventana->PicVScroll()->height()); }
  // Esquina de un control en la vista (el área de trabajo), en twips.
  QPoint EnVista(QWidget* w, bool abajo = false) const {
    const QPoint p = w->mapTo(ventana->AreaCliente(), QPoint(0, abajo ? w->height() : 0));
    return QPoint(PixelesATwips(p.x()), PixelesATwips(p.y()));
  }
  void EsperarFormEn(int h, int v) const {
    const QPoint sitio(TwipsAPixeles(180 - h), TwipsAPixeles(180 - v));
    EXPECT_TRUE(QTest::qWaitFor([&] { return (Form()->pos()) == (sitio); }, 2000));
    EXPECT_EQ(Form()->pos(), sitio);
  }

  // Un giro como lo entrega la plataforma: a la ventana principal, con el puntero en medio
  // de lo que se ve del formulario; la ventana lo lleva al control que hay debajo.
  void Girar(int giro) {
    QWidget* area = ventana->AreaCliente();
    const QPoint local =
        area->mapTo(ventana.get(), Form()->geometry().intersected(area->rect()).center());
    ASSERT_TRUE(Form()->isAncestorOf(ventana->childAt(local)));
    Entregar(ventana->windowHandle(), local, ventana->mapToGlobal(local), giro);
  }
  // Un giro con el puntero en el centro de `w` (o en su punto `p`), entregado a la ventana
  // principal como lo hace la plataforma.
  void GirarSobre(QWidget* w, int giro, QPoint p = {-1, -1}) {
    ASSERT_NE(w, nullptr);
    const QPoint local = w->mapTo(ventana.get(), p.x() < 0 ? w->rect().center() : p);
    ASSERT_EQ(ventana->childAt(local), w);
    Entregar(ventana->windowHandle(), local, ventana->mapToGlobal(local), giro);
  }
  // Un giro entregado directamente a un control, con el puntero en ese punto de la pantalla.
  static void Entregar(QObject* a, QPoint local, QPoint pantalla, int giro) {
    QWheelEvent e(local, pantalla, QPoint(), QPoint(0, giro), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::instance()->notify(a, &e);
  }

  int giros = 0;
};

TEST_F(PruebaDesplazamiento, UnFormularioMasCortoQueLaVistaNoSeMueve) {
  Pulsar("cmbIndirectos");
  ASSERT_EQ(Form()->objectName(), QStringLiteral("frmCostesIndirectos"));
  ASSERT_LT(PixelesATwips(Form()->height()) + 360, AltoVista());
  EXPECT_EQ(V()->maximum(), 0);
  Girar(-120);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
  EXPECT_EQ(V()->value(), 0);
  EsperarFormEn(0, 0);
}

TEST_F(PruebaDesplazamiento, AlMostrarseVaALaPaginaDeSuControlActivo) {
  QWidget* bajo = CampoS(21);  // a unos 9000 twips
  auto volver = [this] {
    Pulsar("cmbIndirectos");
    Pulsar("cmbCaracteristicas");
  };
  Vista(5220);
  ASSERT_EQ(V()->pageStep(), 5000);
  ASSERT_GT(V()->maximum(), 5000);
  Enfocar(bajo);
  volver();
  EXPECT_EQ(V()->value(), 5000);
  EsperarFormEn(H()->value(), 5000);
  EXPECT_TRUE(bajo->hasFocus());

  // Con páginas de 2975 twips la página del campo empieza en 8925, más allá del máximo.
  Vista(3195);
  ASSERT_LT(V()->maximum(), 8925);
  volver();
  EXPECT_EQ(V()->value(), V()->maximum());
  EXPECT_LE(EnVista(bajo, true).y(), AltoVista());

  Enfocar(CampoS(1));
  volver();
  EXPECT_EQ(V()->value(), 0);
}

TEST_F(PruebaDesplazamiento, TabularLlevaLaVistaConElFoco) {
  pruebas::GuardiaModal guardia;
  Vista(3195);
  const int linea = AltoVista() - 220;  // la línea del paso de página
  Enfocar(CampoS(1));
  // Hacia abajo, el campo que pasaría de la línea de página queda con su borde en ella; hacia
  // arriba, el que asoma por arriba queda 220 twips por debajo del borde de la vista.
  int movimientos[2] = {0, 0}, anterior = V()->value();
  for (const bool bajar : {true, false}) {
    QWidget* fin = bajar ? CampoS(21) : CampoS(1);
    for (int paso = 0; paso < 30 && !fin->hasFocus(); ++paso) {
      QTest::keyClick(QApplication::focusWidget(), bajar ? Qt::Key_Tab : Qt::Key_Backtab);
      QWidget* campo = QApplication::focusWidget();
      SCOPED_TRACE(campo->objectName().toStdString());
      if (V()->value() != anterior) {
        ++movimientos[bajar];
        EXPECT_EQ(V()->value() > anterior, bajar);
        if (bajar) {
          EXPECT_NEAR(EnVista(campo, true).y(), linea, 15);
        } else if (V()->value() > 0) {
          EXPECT_NEAR(EnVista(campo).y(), 220, 15);
        }
      }
      EXPECT_GE(EnVista(campo).y(), 0);
      EXPECT_LE(EnVista(campo, true).y(), linea + 15);
      anterior = V()->value();
    }
    ASSERT_TRUE(fin->hasFocus());
  }
  EXPECT_GE(movimientos[1], 2);
  EXPECT_GE(movimientos[0], 2);
  EXPECT_FALSE(guardia.Disparada());
}

TEST_F(PruebaDesplazamiento, LaVistaHorizontalSigueAlFoco) {
  Vista(0, 6000);
  const int ancho = 6000 - PixelesATwips(ventana->PicVScroll()->width());
  ASSERT_EQ(H()->pageStep(), ancho - 1300);
  Enfocar(CampoS(9));  // su borde izquierdo queda 1300 twips antes del borde derecho
  EXPECT_NEAR(EnVista(CampoS(9)).x(), ancho - 1300, 15);
  H()->setSliderPosition(2000);
  Enfocar(CampoS(1));  // asomaba por la izquierda: queda 1300 twips dentro
  EXPECT_NEAR(EnVista(CampoS(1)).x(), 1300, 15);
}

// Teclear en un campo que las teclas de página han dejado fuera de la vista lo trae a ella;
// el foco en un botón de opción la lleva hasta él, como a un campo.
TEST_F(PruebaDesplazamiento, TeclearOEnfocarUnaOpcionLlevanLaVistaAlControl) {
  Vista(3195);
  QWidget* campo = CampoS(1);
  Enfocar(campo);
  QTest::keyClick(campo, Qt::Key_PageDown);
  ASSERT_LT(EnVista(campo, true).y(), 0);
  QTest::keyClick(campo, Qt::Key_A);
  EXPECT_GE(EnVista(campo).y(), 0);

  Pulsar("cmbCostesF1");
  QWidget* opcion = Form()->findChild<QWidget*>(QStringLiteral("OptionSA(1)"));
  ASSERT_NE(opcion, nullptr);
  Enfocar(CampoS(1));
  QWidget* abajo = nullptr;
  for (auto* c : Form()->findChildren<CampoTexto*>()) {
    if (c->isEnabled() && (!abajo || EnVista(c).y() > EnVista(abajo).y())) abajo = c;
  }
  Enfocar(abajo);
  ASSERT_LT(EnVista(opcion, true).y(), 0);
  Enfocar(opcion);
  EXPECT_GE(EnVista(opcion).y(), 0);
}

TEST_F(PruebaDesplazamiento, LasTeclasDePaginaMuevenUnaPaginaSinPasarseDeLosTopes) {
  Vista(3195);
  const int pagina = V()->pageStep(), maximo = V()->maximum();
  ASSERT_EQ(pagina, 2975);
  ASSERT_LT(maximo, 3 * pagina);
  QWidget* campo = CampoS(1);
  Enfocar(campo);
  const struct {
    Qt::Key tecla;
    int valor;
  } pasos[] = {{Qt::Key_PageDown, pagina},
               {Qt::Key_PageDown, 2 * pagina},
               {Qt::Key_PageDown, maximo},
               {Qt::Key_PageUp, maximo - pagina},
               {Qt::Key_PageUp, maximo - 2 * pagina},
               {Qt::Key_PageUp, 0}};
  for (const auto& p : pasos) {
    QTest::keyClick(campo, p.tecla);
    EXPECT_EQ(V()->value(), p.valor);
  }
  EsperarFormEn(H()->value(), 0);
  EXPECT_TRUE(campo->hasFocus());
  // Desde la tira de patillas hacen lo mismo, y desde la barra horizontal mueven la vertical.
  QTest::keyClick(ventana->Patillas(), Qt::Key_PageDown);
  EXPECT_EQ(V()->value(), pagina);
  const int horizontal = H()->value();
  QTest::keyClick(H(), Qt::Key_PageDown);
  EXPECT_EQ(V()->value(), 2 * pagina);
  EXPECT_EQ(H()->value(), horizontal);
}

// Las tiras, sus botones y las barras nunca se quedan con el foco: vuelve al control activo.
TEST_F(PruebaDesplazamiento, LasTirasDevuelvenElFocoAlControlActivo) {
  QWidget* campo = CampoS(2);
  Enfocar(campo);
  QList<QWidget*> tiras = {ventana->Patillas(), ventana->PicVScroll(), ventana->PicHScroll(), V(),
                           H()};
  for (QPushButton* b : ventana->Patillas()->findChildren<QPushButton*>()) tiras << b;
  ASSERT_EQ(tiras.size(), 14);
  for (QWidget* w : tiras) {
    w->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(campo->hasFocus()) << w->objectName().toStdString();
  }
}

TEST_F(PruebaDesplazamiento, LaRuedaMueveUnPasoPequenoElFormularioALaVista) {
  Vista(5220);
  const int maximo = V()->maximum();
  ASSERT_GT(maximo, 1800);
  Enfocar(CampoS(1));
  ventana->AreaCliente()->installEventFilter(this);
  // Hacia el usuario baja 600 twips por giro, sea cual sea su tamaño; hacia fuera sube.
  const std::pair<int, int> pasos[] = {{-120, 600}, {-360, 1200}, {120, 600}};
  for (const auto& [giro, valor] : pasos) {
    Girar(giro);
    EXPECT_EQ(V()->value(), valor);
  }
  EsperarFormEn(H()->value(), 600);
  EXPECT_EQ(giros, 3);  // el giro sigue su camino
  for (int k = 0; k < 20; ++k) Girar(-120);
  EXPECT_EQ(V()->value(), maximo);
  for (int k = 0; k < 20; ++k) Girar(120);
  EXPECT_EQ(V()->value(), 0);

  // Un giro que llega al formulario con el puntero fuera de la ventana principal no mueve
  // nada; el mismo giro con el puntero dentro, sí.
  const QRect marco = ventana->frameGeometry();
  QWidget* campo = CampoS(1);
  Entregar(campo, QPoint(1, 1), marco.bottomRight() + QPoint(5, 5), -120);
  Entregar(campo, QPoint(1, 1), marco.topLeft() - QPoint(0, 1), -120);
  EXPECT_EQ(V()->value(), 0);
  Entregar(campo, QPoint(1, 1), marco.topLeft(), -120);
  EXPECT_EQ(V()->value(), 600);

  // El gancho va con el formulario a la vista, y sólo uno aunque se muestre dos veces.
  FormularioDatos* caracteristicas = Form();
  Pulsar("cmbCaracteristicas");
  Pulsar("cmbCaracteristicas");
  const int antes = V()->value();
  Girar(-120);
  EXPECT_EQ(V()->value(), antes + 600);
  Pulsar("cmbResultados");
  EXPECT_FALSE(TieneRueda(caracteristicas));
  EXPECT_TRUE(TieneRueda(Form()));
  ventana->CerrarPatillas();
  EXPECT_FALSE(TieneRueda(caracteristicas));
}

// Qt entrega el giro al control bajo el puntero, no al formulario; en cualquier sitio de la
// ventana un giro mueve el formulario a la vista un paso pequeño, y sólo en vertical.
TEST_F(PruebaDesplazamiento, LaRuedaDesplazaDesdeCualquierSitioDeLaVentana) {
  Vista(3195, 6000);
  ASSERT_GT(V()->maximum(), 3600);
  ASSERT_GT(H()->maximum(), 0);
  const int h = H()->value();
  QWidget* area = ventana->AreaCliente();
  // Un campo que se ve entero en la vista.
  auto campoVisible = [&]() -> QWidget* {
    for (int i = 1; i <= 24; ++i) {
      QWidget* c = CampoS(i);
      if (c && c->isVisible() && area->rect().contains(QRect(c->mapTo(area, QPoint()), c->size())))
        return c;
    }
    return nullptr;
  };
  QWidget* tira = ventana->Patillas();
  for (const int giro : {-120, 120}) {
    for (int sitio = 0; sitio < 6; ++sitio) {
      SCOPED_TRACE(sitio);
      const int antes = V()->value();
      switch (sitio) {
        case 0: GirarSobre(V(), giro); break;
        case 1: GirarSobre(H(), giro); break;
        case 2: GirarSobre(tira, giro, QPoint(3, 3)); break;
        case 3: GirarSobre(ventana->menuBar(), giro); break;
        case 4: GirarSobre(campoVisible(), giro); break;
        case 5: Girar(giro); break;
      }
      EXPECT_EQ(V()->value(), antes - giro / 120 * 600);
      EXPECT_EQ(H()->value(), h);
    }
  }

  // Los resultados recuerdan lo que mueve la rueda, esté donde esté el puntero.
  Pulsar("cmbResultados");
  ASSERT_GT(V()->maximum(), 1800);
  GirarSobre(V(), -120);
  GirarSobre(H(), -120);
  EXPECT_EQ(V()->value(), 1200);
  EXPECT_EQ(ventana->PosicionResultadosV(), 1200);
  GirarSobre(tira, 120, QPoint(3, 3));
  EXPECT_EQ(ventana->PosicionResultadosV(), 600);
  Pulsar("cmbCaracteristicas");
  Pulsar("cmbResultados");
  EXPECT_EQ(V()->value(), 600);
  EsperarFormEn(H()->value(), 600);

  // Fuera de la ventana, nada.
  const QPoint fuera = ventana->frameGeometry().bottomRight() + QPoint(5, 5);
  Entregar(ventana->windowHandle(), ventana->mapFromGlobal(fuera), fuera, -120);
  EXPECT_EQ(V()->value(), 600);
}

TEST_F(PruebaDesplazamiento, ResultadosVuelvenDondeSeDejaron) {
  Vista(0, 10500);
  Pulsar("cmbResultados");
  ASSERT_EQ(Form()->objectName(), QStringLiteral("frmResultados"));
  ASSERT_GE(H()->maximum(), 300);
  Girar(-120);
  Girar(-120);
  H()->setSliderPosition(300);  // como al arrastrar la barra
  EsperarFormEn(300, 1200);

  Pulsar("cmbCaracteristicas");
  Pulsar("cmbIndirectos");
  Pulsar("cmbResultados");
  EXPECT_EQ(V()->value(), 1200);
  EXPECT_EQ(H()->value(), 300);
  EsperarFormEn(300, 1200);

  // Un cálculo nuevo empieza con los resultados arriba del todo.
  ventana->CerrarPatillas();
  AbrirClase(2);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return static_cast<bool>(ventana->Patillas()->isVisible()); }, 3000));
  Pulsar("cmbResultados");
  EsperarFormEn(0, 0);
}

TEST_F(PruebaDesplazamiento, LasTirasSiguenElTamanoDeLaVentana) {
  QWidget* bajo = CampoS(21);
  Enfocar(bajo);
  Vista(5220, 10500);
  const int tiraV = PixelesATwips(ventana->PicVScroll()->width());
  EXPECT_EQ(V()->pageStep(), 5000);
  EXPECT_EQ(V()->maximum(), PixelesATwips(Form()->height()) + 360 - 5220);
  EXPECT_EQ(H()->pageStep(), 10500 - tiraV - 1300);
  EXPECT_EQ(H()->maximum(), PixelesATwips(Form()->width()) + 360 + tiraV - 10500);
  // La barra horizontal deja libre la esquina.
  EXPECT_EQ(H()->width(), ventana->PicHScroll()->width() - ventana->PicVScroll()->width());

  // Al encoger la vista, el campo con el foco sigue a la vista y con el foco.
  Vista(2220);
  EXPECT_EQ(V()->pageStep(), 2000);
  EXPECT_TRUE(bajo->hasFocus());
  EXPECT_GE(EnVista(bajo).y(), 0);
  EXPECT_LE(EnVista(bajo, true).y(), AltoVista());

  // Con tiras diminutas el paso de página es 1.
  Vista(210, 1500);
  EXPECT_EQ(V()->pageStep(), 1);
  EXPECT_EQ(H()->pageStep(), 1);
}

}  // namespace
}  // namespace dorvelna::pruebas
