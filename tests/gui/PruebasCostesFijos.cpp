// Formularios de autocar y equipos y de personal, seguros y costes fiscales con una clase
// abierta: formas de adquisición, desglosado y total, y su disposición en pantalla.
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <ranges>
#include <set>

#include "Modales.h"
#include "PruebaFormularios.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna::pruebas {
namespace {

constexpr int kSeguros[] = {10, 11, 12, 13, 14, 15, 16, 17, 29, 30};

class PruebaCostesFijos : public pruebas::PruebaFormularios {
protected:
  void SetUp() override {
    PruebaFormularios::SetUp();
    AbrirClase(0);  // "Más de 55"
  }
  CampoTexto* F(Grupo g, char col, int i) const {
    return Caja(QStringLiteral("Text%1%2(%3)").arg(QLatin1Char(col)).arg(CodigoGrupo(g)).arg(i));
  }
  CampoTexto* F2(int i) const { return F(Grupo::F2, 'S', i); }
  QGroupBox* Marco(const QString& nombre) const { return Hijo<QGroupBox>(nombre); }
  bool Elegido(const char* boton) const {
    return Hijo<QAbstractButton>(QString::fromLatin1(boton))->isChecked();
  }
  void Clic(const QString& nombre) {
    auto* boton = Hijo<QAbstractButton>(nombre);
    ASSERT_NE(boton, nullptr) << nombre.toStdString();
    QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(6, boton->height() / 2));
  }
  // Marcos interiores a la vista de un activo: "AF" con compra, "T" con otra forma.
  QString Vistos(char col, char activo) const {
    QString vistos;
    for (char parte : {'A', 'F', 'T'}) {
      if (Marco(QStringLiteral("Frame%1%2%3").arg(col).arg(activo).arg(parte))->isVisible())
        vistos += QLatin1Char(parte);
    }
    return vistos;
  }
  static QColor Fondo(const QWidget* w) { return w->palette().color(QPalette::Base); }
  // Un campo S de F2 de entrada o calculado, con el color de TextSF2(1) o TextSF2(5), que son
  // las referencias de los dos aspectos, y su texto.
  void Ver(int i, bool entrada, const QString& texto) const {
    SCOPED_TRACE("TextSF2(" + std::to_string(i) + ")");
    EXPECT_EQ(F2(i)->isEnabled(), entrada);
    EXPECT_EQ(Fondo(F2(i)), Fondo(F2(entrada ? 1 : 5)));
    EXPECT_EQ(F2(i)->text(), texto);
  }
  double NumeroS(int i) const { return Datos().ValoresS.F2[i].ComoNumero().value_or(-1); }
};

// Luminancia relativa de un color y contraste entre dos, como los definen las pautas de
// accesibilidad WCAG.
double Luminancia(const QColor& c) {
  auto canal = [](int v) {
    const double x = v / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * canal(c.red()) + 0.7152 * canal(c.green()) + 0.0722 * canal(c.blue());
}
double Contraste(const QColor& a, const QColor& b) {
  const double la = Luminancia(a), lb = Luminancia(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Contraste del rótulo de un botón de opción tal como se pinta sobre su marco: el color más
// frecuente de la zona del rótulo es el fondo; el que más se aparta de él, el de la letra.
double ContrasteRotulo(const QAbstractButton* boton) {
  QStyleOptionButton opcion;
  opcion.initFrom(boton);
  opcion.text = boton->text();
  const QRect zona = boton->style()->subElementRect(QStyle::SE_RadioButtonContents, &opcion, boton);
  const QImage imagen =
      boton->parentWidget()->grab(QRect(boton->mapToParent(zona.topLeft()), zona.size())).toImage();
  std::map<QRgb, int> cuenta;
  for (int y = 0; y < imagen.height(); ++y) {
    for (int x = 0; x < imagen.width(); ++x) ++cuenta[imagen.pixel(x, y)];
  }
  const auto fondo = std::max_element(cuenta.begin(), cuenta.end(),
                                      [](auto& a, auto& b) { return a.second < b.second; });
  double mayor = 1;
  for (const auto& [color, veces] : cuenta) {
    mayor = std::max(mayor, Contraste(QColor(color), QColor(fondo->first)));
  }
  return mayor;
}

// Nada se sale de su contenedor ni pisa a un hermano visible, y todo texto cabe entero.
void RevisarDisposicion(QWidget* padre, QWidget* raiz) {
  QList<QWidget*> hijos;
  for (QWidget* h : padre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (h->isVisibleTo(raiz)) hijos << h;
  }
  for (QWidget* h : hijos) {
    const std::string nombre =
        h->objectName().toStdString() + " \"" + h->property("text").toString().toStdString() + "\"";
    EXPECT_TRUE(padre->rect().contains(h->geometry())) << nombre << " se sale";
    for (QWidget* otro : hijos) {
      EXPECT_TRUE(otro == h || !h->geometry().intersects(otro->geometry())) << nombre;
    }
    if (auto* l = qobject_cast<QLabel*>(h)) {
      EXPECT_LE(l->heightForWidth(l->width()), l->height()) << nombre;
    } else if (auto* b = qobject_cast<QAbstractButton*>(h)) {
      EXPECT_LE(b->sizeHint().width(), b->width()) << nombre;
    } else if (auto* c = qobject_cast<QLineEdit*>(h)) {
      EXPECT_LE(c->fontMetrics().horizontalAdvance(c->text()) + 8, c->width()) << nombre;
    } else if (auto* g = qobject_cast<QGroupBox*>(h)) {
      EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width()) << nombre;
    }
    RevisarDisposicion(h, raiz);
  }
}

TEST_F(PruebaCostesFijos, LlenosDesdeLaClaseEnLasDosColumnasYAlcanzables) {
  IrA(Formulario::CostesFijos1);
  // Las esperas de QTest no hacen fallar una prueba de GoogleTest: se espera con qWaitFor.
  const std::pair<const char*, const char*> menus[] = {{"mnuFijos2", "frmCostesFijos2"},
                                                       {"mnuFijos1", "frmCostesFijos1"}};
  for (const auto& [menu, form] : menus) {
    ventana->Accion(QString::fromLatin1(menu))->trigger();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ventana->FormActual()->objectName() == QLatin1String(form); }, 3000))
        << menu;
    EXPECT_TRUE(ventana->FormActual()->isVisible());
  }
  IrA(Formulario::CostesFijos2);

  // Cada campo que no es de modo tiene control en las dos columnas y enseña su valor. En esta
  // clase F1(16) = 0: el periodo y el interés de la financiación de los equipos quedan vacíos.
  for (Grupo g : {Grupo::F1, Grupo::F2}) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      if (dorvelna::Campo(g, i).tipo == Tipo::Logico) continue;
      const bool vacio = g == Grupo::F1 && (i == 18 || i == 19);
      for (char col : {'S', 'O'}) {
        CampoTexto* c = F(g, col, i);
        ASSERT_NE(c, nullptr) << CodigoGrupo(g) << col << i;
        const Valor& v = Datos().Registro(col == 'S' ? Columna::S : Columna::O)(g, i);
        EXPECT_EQ(c->text(), vacio ? QString() : FormatearValor(v, c->Decimales(), false))
            << c->objectName().toStdString();
        EXPECT_TRUE(col == 'S' || !c->isEnabled());
      }
    }
  }
  EXPECT_EQ(F(Grupo::F1, 'O', 22)->text(), QStringLiteral("336.320,00"));
  EXPECT_EQ(F2(6)->text(), QStringLiteral("0,012000"));
  EXPECT_EQ(F(Grupo::F2, 'O', 18)->text(), QStringLiteral("7.240,00"));

  // Las parejas de la columna S llevan la ayuda de su sección; las de la O son un reflejo
  // apagado sin ella.
  for (const DatosSeccion& sec : Secciones()) {
    if (sec.grupo == Grupo::I) continue;
    for (char col : {'S', 'O'}) {
      auto* b = Hijo<QAbstractButton>(QStringLiteral("Option%1%2(2)").arg(col).arg(sec.letra));
      ASSERT_NE(b, nullptr) << col << sec.letra;
      EXPECT_EQ(b->parentWidget()->toolTip(),
                col == 'S' ? QString::fromUtf8(sec.ayuda) : QString());
      EXPECT_EQ(b->isEnabled(), col == 'S');
    }
  }
  QStringList titulosO;
  for (QGroupBox* g : ventana->FormActual()->FrameO->findChildren<QGroupBox*>()) {
    titulosO << g->title();
  }
  EXPECT_TRUE(titulosO.contains(QStringLiteral("Personal (costes medios nacionales)")));
}

TEST_F(PruebaCostesFijos, OtraFormaYLuegoCompraDevuelveLosCamposDeCompra) {
  IrA(Formulario::CostesFijos1);
  for (Seccion sec : {Seccion::AdquisicionAutocar, Seccion::AdquisicionEquipos}) {
    const DatosSeccion& s = DatosDe(sec);
    const char letra = s.letra;
    const int modo = s.modo;
    auto campos = [&](const char* partes) {
      std::map<int, QString> textos;
      for (const char* p = partes; *p; ++p) {
        const QString marco = QStringLiteral("FrameS%1%2").arg(letra).arg(*p);
        for (CampoTexto* c : Marco(marco)->findChildren<CampoTexto*>())
          textos[c->Indice()] = c->text();
      }
      return textos;
    };
    // Los marcos de la compra guardan los campos que sólo cuentan con ella; el de la otra
    // forma, su coste anual.
    const std::map<int, QString> antes = campos("AF");
    const auto compra = std::views::keys(antes);
    EXPECT_EQ(std::set<int>(compra.begin(), compra.end()),
              std::set<int>(s.primera.begin(), s.primera.end()));
    ASSERT_EQ(campos("T").size(), 1u);
    EXPECT_EQ(campos("T").begin()->first, s.segunda);
    Clic(QStringLiteral("OptionS%1(2)").arg(letra));
    EXPECT_FALSE(Datos().ValoresS.F1[modo].EsSi());
    EXPECT_EQ(Vistos('S', letra), QStringLiteral("T"));
    EXPECT_EQ(Vistos('O', letra), QStringLiteral("AF"));  // la columna O no se entera
    Clic(QStringLiteral("OptionS%1(1)").arg(letra));
    EXPECT_TRUE(Datos().ValoresS.F1[modo].EsSi());
    EXPECT_EQ(Vistos('S', letra), QStringLiteral("AF"));
    EXPECT_EQ(campos("AF"), antes);
  }
  EXPECT_EQ(F(Grupo::F1, 'S', 2)->text(), QStringLiteral("340.000,00"));
  EXPECT_EQ(F(Grupo::F1, 'S', 12)->text(), QStringLiteral("9.000,00"));
}

TEST_F(PruebaCostesFijos, ColumnaOGuardadaEnTotalYOtraFormaSeVeAsi) {
  Datos().ValoresO.F1[11] = Valor(false);
  Datos().ValoresO.F2[2] = Valor(false);
  Datos().ValoresO.F2[9] = Valor(false);
  QTemporaryDir carpeta;
  const QString ruta = QDir(carpeta.path()).filePath(QStringLiteral("total.dvn"));
  ASSERT_FALSE(EscribirArchivo(Datos(), ruta).has_value());
  Datos().ValoresO.F2[9] = Valor(true);  // lo que cuenta es lo que dice el archivo
  ASSERT_FALSE(LeerArchivo(Datos(), ruta).has_value());
  ASSERT_FALSE(Datos().ValoresO.F2[9].EsSi());

  IrA(Formulario::CostesFijos1);
  EXPECT_EQ(Vistos('O', 'E'), QStringLiteral("T"));
  EXPECT_TRUE(Elegido("OptionOE(2)"));
  EXPECT_EQ(Vistos('O', 'A'), QStringLiteral("AF"));
  EXPECT_EQ(Vistos('S', 'E'), QStringLiteral("AF"));

  IrA(Formulario::CostesFijos2);
  for (int i : {3, 4, 5, 6, 7}) EXPECT_EQ(F(Grupo::F2, 'O', i)->text(), QString()) << i;
  for (int i : kSeguros) EXPECT_EQ(F(Grupo::F2, 'O', i)->text(), QString()) << i;
  EXPECT_EQ(Datos().ValoresO.F2[10].ComoNumero(), 1800.0);  // el valor sigue guardado
  EXPECT_EQ(F(Grupo::F2, 'O', 8)->text(), QStringLiteral("7.020,00"));
  EXPECT_EQ(F(Grupo::F2, 'O', 18)->text(), QStringLiteral("7.240,00"));
  EXPECT_EQ(F(Grupo::F2, 'O', 20)->text(), QStringLiteral("55,00"));  // fiscales, desglosados
  EXPECT_TRUE(Elegido("OptionOD(2)") && Elegido("OptionOG(2)") && Elegido("OptionOF(1)"));
  EXPECT_EQ(F2(10)->text(), QStringLiteral("1.800,00"));
  EXPECT_EQ(F2(3)->text(), QStringLiteral("28,50"));
}

TEST_F(PruebaCostesFijos, SegurosEnTotalYLuegoDesglosadoRecalculanElTotalTecleado) {
  IrA(Formulario::CostesFijos2);
  ASSERT_NE(Fondo(F2(1)), Fondo(F2(5)));
  std::map<int, QString> antes;
  for (int i : kSeguros) antes[i] = F2(i)->text();
  pruebas::GuardiaModal guardia;

  Clic(QStringLiteral("OptionSG(2)"));
  EXPECT_FALSE(Datos().ValoresS.F2[9].EsSi());
  for (int i : kSeguros) Ver(i, false, QString());
  Ver(18, true, QStringLiteral("7.240,00"));
  Teclear(F2(18), QStringLiteral("9000"));
  EXPECT_EQ(NumeroS(18), 9000.0);
  EXPECT_EQ(F2(18)->text(), QStringLiteral("9.000,00"));
  EXPECT_EQ(NumeroS(10), 1800.0);

  Clic(QStringLiteral("OptionSG(1)"));
  EXPECT_TRUE(Datos().ValoresS.F2[9].EsSi());
  for (int i : kSeguros) Ver(i, true, antes[i]);
  Ver(18, false, QStringLiteral("7.240,00"));
  EXPECT_EQ(NumeroS(18), 7240.0);
  EXPECT_FALSE(guardia.Disparada());
}

TEST_F(PruebaCostesFijos, DietasEnTotalVacianLosSubtotalesYSinDietaDiariaLosDiasSiguenCerrados) {
  IrA(Formulario::CostesFijos2);
  pruebas::GuardiaModal guardia;
  Clic(QStringLiteral("OptionSD(2)"));
  for (int i : {3, 4, 6, 5, 7}) Ver(i, false, QString());
  Ver(8, true, QStringLiteral("7.020,00"));
  EXPECT_EQ(NumeroS(5), 5700.0);
  EXPECT_EQ(NumeroS(7), 1320.0);

  Clic(QStringLiteral("OptionSD(1)"));
  Ver(4, true, QStringLiteral("200"));
  Ver(5, false, QStringLiteral("5.700,00"));
  Ver(7, false, QStringLiteral("1.320,00"));
  Ver(8, false, QStringLiteral("7.020,00"));

  // Sin dieta diaria los días se cierran, y volver de "Total" no los abre.
  Teclear(F2(3), QStringLiteral("0"));
  Clic(QStringLiteral("OptionSD(2)"));
  Clic(QStringLiteral("OptionSD(1)"));
  Ver(3, true, QString());
  Ver(6, true, QStringLiteral("0,012000"));
  Ver(4, false, QString());
  EXPECT_EQ(NumeroS(4), 200.0);
  Teclear(F2(3), QStringLiteral("30"));
  Ver(4, true, QStringLiteral("200"));
  Ver(5, false, QStringLiteral("6.000,00"));
  EXPECT_FALSE(guardia.Disparada());
}

// Con DORVELNA_CAPTURAS=carpeta se guardan las imágenes de los dos formularios para mirarlas.
TEST_F(PruebaCostesFijos, DisposicionAlineadaSinRecortesNiSolapes) {
  const QString carpeta = qEnvironmentVariable("DORVELNA_CAPTURAS");
  auto revisar = [&](const QString& captura) {
    SCOPED_TRACE(captura.toStdString());
    FormularioDatos* form = ventana->FormActual();
    RevisarDisposicion(form, form);
    // La columna O repite la S: cada campo en el mismo sitio de su marco de columna.
    EXPECT_EQ(form->FrameS->size(), form->FrameO->size());
    for (CampoTexto* s : form->FrameS->findChildren<CampoTexto*>()) {
      auto* o = Campo(s->objectName().replace(4, 1, QLatin1Char('O')));
      ASSERT_NE(o, nullptr);
      EXPECT_EQ(s->mapTo(form->FrameS, QPoint()), o->mapTo(form->FrameO, QPoint()));
      EXPECT_EQ(s->size(), o->size());
    }
    if (!carpeta.isEmpty()) {
      EXPECT_TRUE(form->grab().save(QDir(carpeta).filePath(captura)));
    }
  };
  IrA(Formulario::CostesFijos1);
  revisar(QStringLiteral("captura-frmCostesFijos1.png"));
  Clic(QStringLiteral("OptionSA(2)"));
  Clic(QStringLiteral("OptionSE(2)"));
  revisar(QStringLiteral("captura-frmCostesFijos1-otra.png"));
  IrA(Formulario::CostesFijos2);
  revisar(QStringLiteral("captura-frmCostesFijos2.png"));
  for (const char* o : {"OptionSD(2)", "OptionSG(2)", "OptionSF(2)"}) Clic(QString::fromLatin1(o));
  revisar(QStringLiteral("captura-frmCostesFijos2-total.png"));
}

// Las parejas de la columna O se leen, con un contraste de 4,5:1 como poco entre la letra y su
// fondo, y, como los campos de esa columna, no cambian ni con el ratón ni con el teclado.
TEST_F(PruebaCostesFijos, ParejasDeLaColumnaOLegiblesYQuietas) {
  const std::pair<Formulario, std::vector<const char*>> formularios[] = {
      {Formulario::CostesFijos1, {"OptionOA", "OptionOE"}},
      {Formulario::CostesFijos2, {"OptionOD", "OptionOG", "OptionOF"}},
      {Formulario::CostesIndirectos, {"OptionOI"}}};
  const std::pair<Grupo, int> modos[] = {{Grupo::F1, 1}, {Grupo::F1, 11}, {Grupo::F2, 2},
                                         {Grupo::F2, 9}, {Grupo::F2, 19}, {Grupo::I, 1}};
  std::vector<Valor> antes;
  for (const auto& [g, i] : modos) antes.push_back(Datos().ValoresO(g, i));
  for (const auto& [form, parejas] : formularios) {
    IrA(form);
    std::vector<QAbstractButton*> botones;
    for (const char* pareja : parejas) {
      for (int k = 1; k <= 2; ++k) {
        auto* b =
            EnForm<QAbstractButton>(QStringLiteral("%1(%2)").arg(QLatin1String(pareja)).arg(k));
        ASSERT_NE(b, nullptr) << pareja << k;
        botones.push_back(b);
      }
    }
    for (QAbstractButton* b : botones) {
      SCOPED_TRACE(b->objectName().toStdString() + " \"" + b->text().toStdString() + "\"");
      EXPECT_GE(ContrasteRotulo(b), 4.5);
      const bool elegido = b->isChecked();
      QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
      QTest::mouseDClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
      b->setFocus();
      for (Qt::Key tecla : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(b, tecla);
      EXPECT_EQ(b->isChecked(), elegido);
      EXPECT_FALSE(b->hasFocus());
    }
    // Con el tabulador el foco recorre el formulario sin pararse en ellas.
    Enfocar(ventana->FormActual()->ControlActivo());
    for (int n = 0; n < 60; ++n) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      ASSERT_FALSE(std::count(botones.begin(), botones.end(), QApplication::focusWidget()))
          << QApplication::focusWidget()->objectName().toStdString();
    }
  }
  for (size_t k = 0; k < std::size(modos); ++k) {
    EXPECT_EQ(Datos().ValoresO(modos[k].first, modos[k].second), antes[k]) << k;
  }
}

}  // namespace
}  // namespace dorvelna::pruebas
