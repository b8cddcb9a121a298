// Formularios de autocar y equipos y de personal, seguros y costes fiscales con una clase
// abierta: formas de adquisición, desglosado y total, y su disposición en pantalla.
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QTemporaryDir>

#include "Modales.h"
#include "PruebaFormularios.h"
#include "nucleo/entrada/Formato.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {
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

  // Las parejas de la columna S llevan su ayuda; las de la O son un reflejo apagado sin ella.
  const std::pair<const char*, const char*> ayudas[] = {
      {"SAC", "Elegir la forma de adquisición del autocar"},
      {"SEC", "Elegir la forma de adquisición de los equipos auxiliares"},
      {"SD", "Elegir la forma de introducir los costes anuales de dietas y plus de actividad"},
      {"SG", "Elegir la forma de introducir los costes anuales de seguros"},
      {"SF", "Elegir la forma de introducir los costes fiscales anuales"}};
  for (const auto& [sufijo, ayuda] : ayudas) {
    QString nombre = QStringLiteral("Frame") + QLatin1String(sufijo);
    ASSERT_NE(Marco(nombre), nullptr) << sufijo;
    EXPECT_EQ(Marco(nombre)->toolTip(), QString::fromUtf8(ayuda));
    nombre[5] = QLatin1Char('O');
    ASSERT_NE(Marco(nombre), nullptr) << sufijo;
    EXPECT_TRUE(Marco(nombre)->toolTip().isEmpty());
    for (auto* b : Marco(nombre)->findChildren<QAbstractButton*>()) EXPECT_FALSE(b->isEnabled());
  }
  QStringList titulosO;
  for (QGroupBox* g : ventana->FormActual()->FrameO->findChildren<QGroupBox*>()) {
    titulosO << g->title();
  }
  EXPECT_TRUE(titulosO.contains(QStringLiteral("Personal (costes medios nacionales)")));
}

TEST_F(PruebaCostesFijos, OtraFormaYLuegoCompraDevuelveLosCamposDeCompra) {
  IrA(Formulario::CostesFijos1);
  for (const auto& [letra, modo] : {std::pair{'A', 1}, std::pair{'E', 11}}) {
    auto textos = [&] {
      QStringList t;
      for (char parte : {'A', 'F'}) {
        const QString marco = QStringLiteral("FrameS%1%2").arg(letra).arg(parte);
        for (CampoTexto* c : Marco(marco)->findChildren<CampoTexto*>()) t << c->text();
      }
      return t;
    };
    const QStringList antes = textos();
    Clic(QStringLiteral("OptionS%1(2)").arg(letra));
    EXPECT_FALSE(Datos().ValoresS.F1[modo].EsSi());
    EXPECT_EQ(Vistos('S', letra), QStringLiteral("T"));
    EXPECT_EQ(Vistos('O', letra), QStringLiteral("AF"));  // la columna O no se entera
    Clic(QStringLiteral("OptionS%1(1)").arg(letra));
    EXPECT_TRUE(Datos().ValoresS.F1[modo].EsSi());
    EXPECT_EQ(Vistos('S', letra), QStringLiteral("AF"));
    EXPECT_EQ(textos(), antes);
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

}  // namespace
}  // namespace dorvelna
