// Formularios de costes variables, indirectos y de servicio con una clase abierta, manejados
// con teclado y ratón.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "Modales.h"
#include "PruebaFormularios.h"
#include "gui/comun/Twips.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::ResponderModal;

using PruebaCostes = pruebas::PruebaFormularios;

double Numero(const Valor& v) { return v.ComoNumero().value_or(-1); }

// El texto de un campo de datos: vacío si vale cero; si no, la cifra con sus decimales,
// miles con punto y coma decimal.
void ComprobarCampo(const CampoTexto* c, double valor) {
  ASSERT_NE(c, nullptr);
  SCOPED_TRACE(c->objectName().toStdString() + " = \"" + c->text().toStdString() + "\"");
  if (valor == 0) {
    EXPECT_EQ(c->text(), QString());
    return;
  }
  const int d = c->Decimales();
  const QString patron = d > 0 ? QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{%1}$").arg(d)
                               : QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*$");
  EXPECT_TRUE(QRegularExpression(patron).match(c->text()).hasMatch());
  QString llano = c->text();
  llano.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
  EXPECT_EQ(llano, QString::number(valor, 'f', d));
}

// Dentro de cada contenedor, los controles visibles caben en él y no se pisan unos a otros.
void ComprobarSinSolapes(QWidget* raiz) {
  QList<QWidget*> contenedores = raiz->findChildren<QWidget*>();
  contenedores.prepend(raiz);
  for (QWidget* padre : contenedores) {
    QList<QWidget*> hijos;
    for (QWidget* h : padre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (h->isVisibleTo(raiz) && !h->isWindow()) hijos << h;
    }
    for (int a = 0; a < hijos.size(); ++a) {
      const QRect ra = hijos[a]->geometry();
      EXPECT_TRUE(QRect(QPoint(0, 0), padre->size()).contains(ra))
          << hijos[a]->objectName().toStdString() << " sale de "
          << padre->objectName().toStdString();
      for (int b = a + 1; b < hijos.size(); ++b) {
        EXPECT_FALSE(ra.intersects(hijos[b]->geometry()))
            << padre->objectName().toStdString() << ": " << hijos[a]->objectName().toStdString()
            << " \"" << hijos[a]->property("text").toString().toStdString() << "\" pisa "
            << hijos[b]->objectName().toStdString() << " \""
            << hijos[b]->property("text").toString().toStdString() << "\"";
      }
    }
  }
}

TEST_F(PruebaCostes, CostesVariablesLlenosDesdeUnaClase) {
  AbrirClase(0);
  IrA(Formulario::CostesVariables);
  FormularioDatos* form = ventana->FormActual();
  ASSERT_EQ(form->objectName(), QStringLiteral("frmCostesVariables"));
  QWidget* S = EnForm(QStringLiteral("FrameS"));
  const auto& vs = Datos().ValoresS.V;
  const auto& vo = Datos().ValoresO.V;
  for (int i = 1; i <= 21; ++i) {
    SCOPED_TRACE(i);
    CampoTexto* s = Caja(QStringLiteral("TextSV(%1)").arg(i));
    CampoTexto* o = Caja(QStringLiteral("TextOV(%1)").arg(i));
    ASSERT_TRUE(s && o);
    EXPECT_TRUE(form->FrameS->isAncestorOf(s));
    EXPECT_TRUE(form->FrameO->isAncestorOf(o));
    const bool calculado = i == 2 || i == 5 || i == 6 || i == 18;
    EXPECT_EQ(s->isEnabled(), !calculado);
    EXPECT_EQ(s->toolTip().isEmpty(), calculado);
    EXPECT_FALSE(o->isEnabled());
    EXPECT_TRUE(o->toolTip().isEmpty());
    // Precio y duración de un eje sin neumáticos se dejan vacíos al presentar el cálculo.
    auto sinNeumaticos = [&](const auto& v) {
      return (i == 9 || i == 10    ? Numero(v[8])
              : i == 12 || i == 13 ? Numero(v[11])
              : i == 15 || i == 16 ? Numero(v[14])
                                   : 1) == 0;
    };
    ComprobarCampo(s, sinNeumaticos(vs) ? 0 : Numero(vs[i]));
    ComprobarCampo(o, sinNeumaticos(vo) ? 0 : Numero(vo[i]));
    // Mismo sitio en las dos columnas.
    EXPECT_EQ(s->mapTo(form->FrameS, QPoint(0, 0)), o->mapTo(form->FrameO, QPoint(0, 0)));
  }
  EXPECT_EQ(Caja(QStringLiteral("TextSV(1)"))->toolTip(),
            QStringLiteral("Precio con IVA, antes de restar el descuento, al que se compra el "
                           "carburante del autocar (euros / litro)"));
  EXPECT_EQ(Caja(QStringLiteral("TextSV(3)"))->toolTip(),
            QStringLiteral("Descuento conseguido en el precio del carburante del autocar (Euros / "
                           "litro)"));
  EXPECT_TRUE(Caja(QStringLiteral("TextSV(6)"))->toolTip().isEmpty());
  QStringList titulos;
  for (QGroupBox* g : S->findChildren<QGroupBox*>()) titulos << g->title();
  EXPECT_EQ(titulos,
            (QStringList{QStringLiteral("Carburante"), QStringLiteral("Disolución de urea"),
                         QStringLiteral("Neumáticos"),
                         QStringLiteral("Reparaciones y Conservación"), QStringLiteral("Peajes")}));
  ComprobarSinSolapes(form);

  // Las comprobaciones del grupo vienen de la entrada de campos: un número impar de
  // neumáticos se rechaza y el campo vuelve a su valor.
  const double antes = Numero(vs[8]);
  ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [](QWidget* d) {
    auto* texto = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
    ASSERT_TRUE(texto);
    EXPECT_TRUE(texto->text().contains(QStringLiteral("El número de neumáticos debe ser par.")));
  });
  Teclear(Caja(QStringLiteral("TextSV(8)")), QStringLiteral("3"));
  ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 5000));
  EXPECT_EQ(Numero(vs[8]), antes);
}

TEST_F(PruebaCostes, ServicioLlenoDesdeUnaClase) {
  AbrirClase(0);
  IrA(Formulario::Servicio);
  FormularioDatos* form = ventana->FormActual();
  ASSERT_EQ(form->objectName(), QStringLiteral("frmServicio"));
  EXPECT_EQ(form->FrameO, nullptr);
  EXPECT_EQ(EnForm(QStringLiteral("FrameO")), nullptr);
  EXPECT_EQ(form->FrameS->palette().color(QPalette::Window), QColor(224, 224, 224));
  const auto& ss = Datos().ValoresS.SS;
  for (int i = 1; i <= 31; ++i) {
    SCOPED_TRACE(i);
    CampoTexto* c = Caja(QStringLiteral("TextSS(%1)").arg(i));
    ASSERT_NE(c, nullptr);
    const int r = (i - 2) % 6;  // 0 costes, 1 km, 2 horas, 3..5 precios
    const bool entrada = i > 1 && r < 3;
    EXPECT_EQ(c->isEnabled(), entrada);
    if (entrada) {
      const char* ayudas[3] = {"Costes repercutidos únicamente a este servicio (euros)",
                               "Kilómetros facturados a este servicio",
                               "Horas facturadas a este servicio"};
      EXPECT_EQ(c->toolTip(), QString::fromUtf8(ayudas[r]));
    }
    // Los precios vacíos se ven vacíos; los demás, con sus decimales.
    ComprobarCampo(c, ss[i].EsVacio() ? 0 : Numero(ss[i]));
  }
  // SS(1) es el coste por viajero-kilómetro de los resultados, con cinco decimales.
  EXPECT_GT(Numero(Datos().ValoresS.R[40]), 0);
  EXPECT_EQ(Numero(ss[1]), Numero(Datos().ValoresS.R[40]));
  EXPECT_EQ(Caja(QStringLiteral("TextSS(1)"))->Decimales(), 5);
  QStringList textos;
  for (QLabel* l : form->findChildren<QLabel*>()) textos << l->text();
  for (const char* t :
       {"COSTE DEL SERVICIO (viajeros-kilómetro)", "COSTE DEL SERVICIO (kilómetros y horas)",
        "COSTE DEL SERVICIO según el tipo de facturación (Euros)",
        "Coste unitario por viajero-kilómetro", "€/viajero-km", "Servicio 1", "Servicio 5",
        "Kilómetros y horas", "Kilómetros", "Horas",
        "Costes repercutidos únicamente a este servicio (Euros)"}) {
    EXPECT_TRUE(textos.contains(QString::fromUtf8(t))) << t;
  }
  EXPECT_EQ(textos.count(QStringLiteral("Euros (€)")), 5);
  EXPECT_EQ(textos.count(QStringLiteral("-")), 3);
  ComprobarSinSolapes(form);
}

// Los kilómetros de un servicio por encima de los facturados del año se pierden al volver
// al formulario; los iguales al total se quedan. La entrada los rechaza con su mensaje.
TEST_F(PruebaCostes, ServicioConKilometrosDeMasQuedaACeroAlActivarse) {
  AbrirClase(0);
  IrA(Formulario::Servicio);
  const Valores& v = Datos().ValoresS;
  ASSERT_GE(Numero(v.C[11]), 9000);
  Teclear(Caja(QStringLiteral("TextSS(3)")), QStringLiteral("9000"));
  Teclear(Caja(QStringLiteral("TextSS(8)")), QStringLiteral("50"));
  Teclear(Caja(QStringLiteral("TextSS(9)")), QStringLiteral("8000"));
  ASSERT_EQ(Numero(v.SS[3]), 9000);
  EXPECT_FALSE(v.SS[6].EsVacio());  // precio por kilómetros del servicio 1

  // Kilómetros facturados del año: 80 % de 10.000.
  IrA(Formulario::Caracteristicas);
  Teclear(Caja(QStringLiteral("TextSC(9)")), QStringLiteral("10000"));
  Teclear(Caja(QStringLiteral("TextSC(10)")), QStringLiteral("80"));
  ASSERT_EQ(Numero(v.C[11]), 8000);
  EXPECT_EQ(Numero(v.SS[3]), 9000);  // nada cambia hasta que el formulario se activa

  IrA(Formulario::Servicio);
  EXPECT_EQ(Numero(v.SS[3]), 0);
  EXPECT_EQ(Caja(QStringLiteral("TextSS(3)"))->text(), QString());
  for (int precio : {5, 6}) {
    // Sin kilómetros no hay precio (el motor guarda el vacío como 0 en cuanto recalcula).
    EXPECT_TRUE(v.SS[precio].EsVacio() || Numero(v.SS[precio]) == 0) << precio;
    EXPECT_EQ(Caja(QStringLiteral("TextSS(%1)").arg(precio))->text(), QString());
  }
  EXPECT_EQ(Numero(v.SS[9]), 8000);
  EXPECT_EQ(Caja(QStringLiteral("TextSS(9)"))->text(), QStringLiteral("8.000,0"));
  // El servicio 2 se recalcula con el C4 de ahora: 50 + 8000 × R(47).
  const double c4 = Numero(v.R[47]);
  EXPECT_NEAR(Numero(v.SS[12]), 50 + 8000 * c4, 0.005 + 1e-9);
  EXPECT_EQ(Numero(v.R[42]), 8000);

  // Teclear más kilómetros u horas que los del año: mensaje y el campo no cambia.
  const QString reglas[2] = {
      QStringLiteral("El número de kilómetros facturados en este servicio no puede ser mayor "
                     "que el total."),
      QStringLiteral("El número de horas facturadas en este servicio no puede ser mayor que el "
                     "total.")};
  const int campos[2] = {15, 16};
  const double exceso[2] = {8000.5, Numero(v.C[16]) + 1};
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    ResponderModal(QStringLiteral("frmMensaje"), QStringLiteral("cmbAceptar"), [&](QWidget* d) {
      EXPECT_EQ(d->windowTitle(), QStringLiteral("Error"));
      auto* texto = d->findChild<QLabel*>(QStringLiteral("lblMensaje"));
      ASSERT_TRUE(texto);
      EXPECT_TRUE(texto->text().contains(reglas[k])) << texto->text().toStdString();
    });
    Teclear(Caja(QStringLiteral("TextSS(%1)").arg(campos[k])),
            QString::number(exceso[k], 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')));
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 5000));
    EXPECT_EQ(Numero(v.SS[campos[k]]), 0);
  }
}

// "Total": el comentario ocupa el sitio del desglose y compara los indirectos con los
// directos; se rehace al activar el formulario; "Desglosado" lo quita y recalcula I(5).
TEST_F(PruebaCostes, ComentarioDeIndirectos) {
  AbrirClase(0);
  IrA(Formulario::CostesIndirectos);
  // Preparación: unos costes directos de 400 € (sólo el personal de a bordo).
  Valores& s = Datos().ValoresS;
  for (int i : {2, 7, 10, 12, 17, 20}) s.F1[i] = Valor(0.0);
  for (int i : {8, 18, 28}) s.F2[i] = Valor(0.0);
  s.F2[1] = Valor(400.0);
  for (int i : {7, 8, 11, 14, 18, 19, 21}) s.V[i] = Valor(0.0);
  const double partes = Numero(s.I[2]) + Numero(s.I[3]) + Numero(s.I[4]);

  QLabel* comentario = Etiqueta(QStringLiteral("Label6"));
  ASSERT_NE(comentario, nullptr);
  EXPECT_FALSE(comentario->isVisible());
  QTest::mouseClick(EnForm<QAbstractButton>(QStringLiteral("OptionSI(2)")), Qt::LeftButton);
  EXPECT_TRUE(comentario->isVisible());
  EXPECT_EQ(comentario->geometry(), RectTwips(1200, 1740, 2985, 1215));
  for (const char* oculto :
       {"Label1", "Label2", "Label3", "Label5", "TextSI(2)", "TextSI(3)", "TextSI(4)"}) {
    EXPECT_FALSE(EnForm(QString::fromLatin1(oculto))->isVisible()) << oculto;
  }
  EXPECT_TRUE(Etiqueta(QStringLiteral("Label7"))->isVisible());
  EXPECT_TRUE(Caja(QStringLiteral("TextSI(5)"))->isEnabled());

  auto lineas = [](const char* medio) {
    return QStringLiteral("Los  Costes  Indirectos  anuales  representan  el\n") +
           QString::fromUtf8(medio) + QStringLiteral("\nde  los  Costes  Directos.");
  };
  Teclear(Caja(QStringLiteral("TextSI(5)")), QStringLiteral("60"));
  EXPECT_EQ(comentario->text(), lineas("15,0  %"));
  // Todo el texto cabe en el rótulo, aunque la primera línea se parta en dos.
  const QRect necesario = comentario->fontMetrics().boundingRect(
      QRect(0, 0, comentario->width(), 10000), Qt::TextWordWrap, comentario->text());
  EXPECT_LE(necesario.height(), comentario->height());
  EXPECT_TRUE(comentario->wordWrap());

  // 100 € de peajes suben los directos a 500: se ve al volver al formulario.
  IrA(Formulario::CostesVariables);
  Teclear(Caja(QStringLiteral("TextSV(19)")), QStringLiteral("100"));
  EXPECT_EQ(comentario->text(), lineas("15,0  %"));
  IrA(Formulario::CostesIndirectos);
  EXPECT_EQ(comentario->text(), lineas("12,0  %"));

  // Sin costes directos la división no se hace y el porcentaje es 0.
  s.F2[1] = Valor(0.0);
  IrA(Formulario::CostesVariables);
  Teclear(Caja(QStringLiteral("TextSV(19)")), QStringLiteral("0"));
  IrA(Formulario::CostesIndirectos);
  EXPECT_EQ(comentario->text(), lineas("0,0  %"));

  // "Desglosado": vuelven los tres importes y I(5) es otra vez su suma.
  QTest::mouseClick(EnForm<QAbstractButton>(QStringLiteral("OptionSI(1)")), Qt::LeftButton);
  EXPECT_FALSE(comentario->isVisible());
  EXPECT_EQ(comentario->text(), QString());
  EXPECT_FALSE(Etiqueta(QStringLiteral("Label7"))->isVisible());
  for (const char* visible :
       {"Label1", "Label2", "Label3", "Label5", "TextSI(2)", "TextSI(3)", "TextSI(4)"}) {
    EXPECT_TRUE(EnForm(QString::fromLatin1(visible))->isVisible()) << visible;
  }
  EXPECT_NEAR(Numero(s.I[5]), partes, 1e-6);
  EXPECT_FALSE(Caja(QStringLiteral("TextSI(5)"))->isEnabled());
  ComprobarCampo(Caja(QStringLiteral("TextSI(2)")), Numero(s.I[2]));
  // Activarlo en "Desglosado" no cambia nada a la vista.
  IrA(Formulario::Resultados);
  IrA(Formulario::CostesIndirectos);
  EXPECT_FALSE(comentario->isVisible());
  EXPECT_EQ(comentario->text(), QString());
  ComprobarSinSolapes(ventana->FormActual());
}

// Una columna O guardada en "Total" enseña su comentario en el sitio del desglose; al
// repintarse el formulario sólo se rehace el comentario de S.
TEST_F(PruebaCostes, ColumnaODeReferenciaEnTotal) {
  QFile origen(QCoreApplication::applicationDirPath() +
               QStringLiteral("/Calibrario/Autocar Estandar mas 55 plazas.clb"));
  ASSERT_TRUE(origen.open(QIODevice::ReadOnly));
  QList<QByteArray> lineas = origen.readAll().split('\n');
  // Línea 174: I(1) de la columna O (tras las 97 de S y 77 entradas de O).
  ASSERT_EQ(lineas[173].trimmed(), QByteArray("#TRUE#"));
  lineas[173] = "#FALSE#\r";
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("total.dvn"));
  QFile destino(ruta);
  ASSERT_TRUE(destino.open(QIODevice::WriteOnly));
  destino.write(lineas.join('\n'));
  destino.close();
  ASSERT_FALSE(LeerArchivo(Datos(), ruta).has_value());
  ventana->CargarPatillas();
  IrA(Formulario::CostesIndirectos);

  const Valores& o = Datos().ValoresO;
  const double p = std::round(1000 * Numero(o.I[5]) / Numero(o.R[16])) / 10;
  const QString medio = QString::number(p, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
  QLabel* comentario = Etiqueta(QStringLiteral("Label13"));
  ASSERT_NE(comentario, nullptr);
  EXPECT_TRUE(comentario->isVisible());
  EXPECT_EQ(comentario->geometry(), RectTwips(1200, 1740, 2985, 1215));
  const QString texto = QStringLiteral("Los  Costes  Indirectos  anuales  representan  el\n") +
                        medio + QStringLiteral("  %\nde  los  Costes  Directos.");
  EXPECT_EQ(comentario->text(), texto);
  EXPECT_TRUE(Etiqueta(QStringLiteral("Label14"))->isVisible());
  for (const char* oculto :
       {"Label8", "Label9", "Label10", "Label12", "TextOI(2)", "TextOI(3)", "TextOI(4)"}) {
    EXPECT_FALSE(EnForm(QString::fromLatin1(oculto))->isVisible()) << oculto;
  }
  EXPECT_TRUE(Etiqueta(QStringLiteral("Label11"))->isVisible());
  EXPECT_FALSE(Etiqueta(QStringLiteral("Label6"))->isVisible());  // S sigue desglosada
  ComprobarSinSolapes(ventana->FormActual());

  // Otro total de O no se ve al volver al formulario: sólo S se refresca.
  Datos().ValoresO.I[5] = Valor(2 * Numero(o.I[5]));
  IrA(Formulario::Resultados);
  for (int i : {11, 12, 13, 31, 32, 33}) {
    EXPECT_FALSE(Etiqueta(QStringLiteral("lblOR(%1)").arg(i))->isVisible()) << i;
    EXPECT_TRUE(Etiqueta(QStringLiteral("lblSR(%1)").arg(i))->isVisible()) << i;
  }
  IrA(Formulario::CostesIndirectos);
  EXPECT_EQ(comentario->text(), texto);
}

}  // namespace
}  // namespace dorvelna::pruebas
