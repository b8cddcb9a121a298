// Los menús de la ventana principal salen de TablaMenus: el árbol que ve el usuario y lo que
// se puede elegir en cada situación de la ventana.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "VentanaPrueba.h"
#include "gui/ventana/TablaMenus.h"

namespace dorvelna::pruebas {
namespace {

QString Fila(const QString& nombre, const QString& padre, const QString& leyenda,
             const QString& atajo) {
  return QStringList{nombre, padre, leyenda, atajo}.join(QLatin1Char('|'));
}

// Cada entrada como la ve el usuario, en orden, con los submenús tras la entrada que los abre.
void Recorrer(const QList<QAction*>& acciones, const QString& padre, QStringList& filas) {
  for (QAction* a : acciones) {
    filas << Fila(a->objectName(), padre, a->isSeparator() ? QStringLiteral("-") : a->text(),
                  a->shortcut().toString());
    if (a->menu()) Recorrer(a->menu()->actions(), a->objectName(), filas);
  }
}

TEST(TablaMenus, CadaPadreEsUnMenuAnteriorYLosNombresNoSeRepiten) {
  QSet<QString> menus, nombres;
  int cambian = 0;
  for (const EntradaMenu& e : TablaMenus()) {
    const QString nombre = QString::fromLatin1(e.nombre);
    EXPECT_FALSE(nombres.contains(nombre)) << e.nombre;
    nombres << nombre;
    if (e.padre) {
      EXPECT_TRUE(menus.contains(QString::fromLatin1(e.padre))) << e.nombre;
    }
    if (AbreMenu(e)) menus << nombre;
    const EstadosMenu& s = e.estados;
    if (!EsSeparador(e)) cambian += !(s.sinCalculo && s.conCalculo && s.dialogoNuevo);
  }
  EXPECT_EQ(nombres.size(), 46);
  EXPECT_EQ(cambian, 31);
  EXPECT_EQ(AccionesBajo("mnuImprimir").size(), 9);
  EXPECT_EQ(AccionesBajo("mnuFormularios").size(), 8);
}

class PruebaMenus : public pruebas::VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    AbrirVentana();
  }
  // Comprueba cada entrada contra la tabla y devuelve cuántas se pueden elegir.
  int Habilitadas(SituacionMenus situacion) const {
    int n = 0;
    for (const EntradaMenu& e : TablaMenus()) {
      if (EsSeparador(e)) continue;
      QAction* a = ventana->Accion(QString::fromLatin1(e.nombre));
      if (!a) {
        ADD_FAILURE() << e.nombre;
        continue;
      }
      EXPECT_EQ(a->isEnabled(), Habilitada(e, situacion)) << e.nombre;
      n += a->isEnabled();
    }
    return n;
  }
};

TEST_F(PruebaMenus, LaBarraMuestraElArbolDeLaTablaEnSuOrden) {
  QStringList vistas, tabla;
  Recorrer(ventana->menuBar()->actions(), QString(), vistas);
  for (const EntradaMenu& e : TablaMenus()) {
    tabla << Fila(QString::fromLatin1(e.nombre), QString::fromLatin1(e.padre), Leyenda(e),
                  QString::fromLatin1(e.atajo));
  }
  EXPECT_EQ(vistas, tabla);
  EXPECT_TRUE(vistas.contains(QStringLiteral("mnuEditCopy|mnuEdit|Copiar|Ctrl+C")));
  EXPECT_TRUE(vistas.contains(QStringLiteral("mnuHelpBar1|mnuHelp|-|")));
  EXPECT_TRUE(
      vistas.contains(QStringLiteral("mnuPrintResultados|mnuPrintTodosServicios|Resultados|")));
  EXPECT_EQ(vistas.last(), QStringLiteral("mnuAcuerdos|mnuCalibrario|Acuerdos|"));
  // Las de los formularios salen de los formularios: el menú de formularios dice el servicio
  // en singular; "Imprimir", como la patilla.
  EXPECT_TRUE(
      vistas.contains(QStringLiteral("mnuServicio|mnuFormularios|Coste de un servicio concreto|")));
  EXPECT_TRUE(vistas.contains(
      QStringLiteral("mnuPrintServicio|mnuImprimir|Costes de un servicio concreto|")));
  EXPECT_TRUE(vistas.contains(QStringLiteral(
      "mnuVariables|mnuTodosServicios|Carburante, Urea, Neumáticos, Reparaciones, Conservación y "
      "Peajes|")));
}

TEST_F(PruebaMenus, CadaSituacionDejaElegirLoQueDiceLaTabla) {
  // Sin cálculo: los menús, "Nuevo Cálculo", "Salir", "Abrir ...", los cálculos recientes,
  // las ayudas y "Acuerdos".
  EXPECT_EQ(Habilitadas(SituacionMenus::SinCalculo), 15);
  for (bool tipo : {false, true}) {
    SCOPED_TRACE(tipo);
    if (tipo) ventana->MostrarTipoVeh();
    else ventana->MostrarNueva();
    QPointer<QWidget> dialogo = Hijo(QString::fromLatin1(tipo ? "frmTipoVeh" : "frmNueva"));
    ASSERT_NE(dialogo, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([dialogo] { return dialogo->isVisible(); }, 3000));
    EXPECT_EQ(Habilitadas(SituacionMenus::DialogoNuevo), 11);
    dialogo->close();  // se borra al cerrarse
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialogo.isNull());
    EXPECT_EQ(Habilitadas(SituacionMenus::SinCalculo), 15);
  }
  AbrirClase(1);
  ASSERT_TRUE(QTest::qWaitFor([this] { return ventana->Patillas()->isVisible(); }, 3000));
  EXPECT_EQ(Habilitadas(SituacionMenus::ConCalculo), 38);
  QTest::mouseClick(Hijo<QPushButton>(QStringLiteral("cmbCerrar")), Qt::LeftButton);
  EXPECT_EQ(Habilitadas(SituacionMenus::SinCalculo), 15);
}

}  // namespace
}  // namespace dorvelna::pruebas
