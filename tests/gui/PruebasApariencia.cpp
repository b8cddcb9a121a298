#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "gui/comun/Entorno.h"
#include "gui/comun/frmAbout.h"
#include "gui/comun/frmMensaje.h"
#include "gui/comun/frmPreguntaGrabar.h"
#include "gui/comun/frmSplash.h"

namespace dorvelna::pruebas {
namespace {

// Nada se sale de su padre, nada se pisa con sus hermanos y todo texto cabe en su control.
void RevisarHijos(QWidget* padre) {
  const QList<QWidget*> hijos = padre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* hijo : hijos) {
    if (!hijo->isVisible()) continue;
    const std::string nombre = hijo->objectName().toStdString();
    EXPECT_TRUE(padre->rect().contains(hijo->geometry())) << nombre << " se sale";
    for (QWidget* otro : hijos) {
      if (otro != hijo && otro->isVisible()) {
        EXPECT_FALSE(hijo->geometry().intersects(otro->geometry()))
            << nombre << " pisa " << otro->objectName().toStdString();
      }
    }
    if (auto* etiqueta = qobject_cast<QLabel*>(hijo)) {
      const QRect sitio = etiqueta->contentsRect();
      if (const QPixmap dibujo = etiqueta->pixmap(); !dibujo.isNull()) {
        EXPECT_LE(dibujo.deviceIndependentSize().width(), sitio.width()) << nombre;
        EXPECT_LE(dibujo.deviceIndependentSize().height(), sitio.height()) << nombre;
        // Dibujado con todos los píxeles de la pantalla, no estirado.
        EXPECT_EQ(dibujo.devicePixelRatio(), etiqueta->devicePixelRatioF()) << nombre;
      } else if (etiqueta->wordWrap()) {
        EXPECT_LE(etiqueta->heightForWidth(etiqueta->width()), etiqueta->height()) << nombre;
      } else {
        const QSize texto = etiqueta->fontMetrics().size(0, etiqueta->text());
        EXPECT_LE(texto.width(), sitio.width()) << nombre;
        EXPECT_LE(texto.height(), sitio.height()) << nombre;
      }
    }
    if (auto* boton = qobject_cast<QPushButton*>(hijo)) {
      EXPECT_LE(boton->fontMetrics().horizontalAdvance(boton->text()) + 8, boton->width())
          << nombre;
    }
    RevisarHijos(hijo);
  }
}

void Revisar(QDialog* dialogo, const QString& archivo) {
  SCOPED_TRACE(archivo.toStdString());
  dialogo->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogo));
  RevisarHijos(dialogo);
  // Con DORVELNA_CAPTURAS=carpeta se guardan las imágenes para mirarlas.
  const QString carpeta = qEnvironmentVariable("DORVELNA_CAPTURAS");
  if (!carpeta.isEmpty()) {
    EXPECT_TRUE(dialogo->grab().save(QDir(carpeta).filePath(archivo)));
  }
  dialogo->close();
}

TEST(Apariencia, LosDialogosSeVenEnterosYOrdenados) {
  const QString reglas = QStringLiteral(
      "Valor mínimo = 0\r\n\r\nValor máximo = 6\r\n\r\nEl número de neumáticos debe ser par."
      "\r\n\r\nEn la compra el precio de los neumáticos no puede ser mayor que el precio del "
      "autocar.\r\n\r\n");
  const QString grabado = QStringLiteral(
      "El archivo se ha grabado en: \r\n/home/usuaria/Documentos/Explotacion/Autocares/"
      "Calculos_de_la_temporada_de_verano/\r\n\r\nCon el nombre: \r\n"
      "autocar_de_la_linea_regular_numero_cuarenta_y_dos.dvn");
  const struct {
    QString texto, titulo, archivo;
  } mensajes[] = {
      {reglas, QStringLiteral("Error"), QStringLiteral("dialogos-mensaje-error.png")},
      {grabado, QStringLiteral("Grabar"), QStringLiteral("dialogos-mensaje-grabar.png")},
      {QStringLiteral("Mensaje"), QString(), QStringLiteral("dialogos-mensaje-vacio.png")},
  };
  for (const auto& m : mensajes) {
    frmMensaje d;
    d.Preparar(m.texto, m.titulo);
    Revisar(&d, m.archivo);
  }
  bool cancelado = true;
  frmPreguntaGrabar pregunta(cancelado, {});
  pregunta.setWindowTitle(QStringLiteral("Salir"));
  Revisar(&pregunta, QStringLiteral("dialogos-pregunta.png"));
  frmSplash presentacion;
  Revisar(&presentacion, QStringLiteral("dialogos-presentacion.png"));
  const Entorno entorno;
  frmAbout acerca(entorno);
  Revisar(&acerca, QStringLiteral("dialogos-acercade.png"));
}

}  // namespace
}  // namespace dorvelna::pruebas
