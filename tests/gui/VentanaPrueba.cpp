#include "VentanaPrueba.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "gui/archivo/frmTipoVeh.h"
#include "gui/ventana/Arranque.h"

namespace dorvelna::pruebas {

void VentanaPrueba::SetUp() { entorno.carpetaPrograma = QCoreApplication::applicationDirPath(); }

void VentanaPrueba::TearDown() {
  // Sin close(): la ventana no pregunta nada al destruirse.
  ventana.reset();
  QApplication::processEvents();
}

QString VentanaPrueba::CarpetaTemporal(bool copiarCalibrario) {
  temporal = std::make_unique<QTemporaryDir>();
  const QString carpeta = temporal->path();
  if (copiarCalibrario) {
    const QDir origen(QCoreApplication::applicationDirPath() + QStringLiteral("/Calibrario"));
    QDir(carpeta).mkdir(QStringLiteral("Calibrario"));
    for (const QString& archivo : origen.entryList(QDir::Files)) {
      QFile::copy(origen.filePath(archivo), carpeta + QStringLiteral("/Calibrario/") + archivo);
    }
  }
  entorno.carpetaPrograma = carpeta;
  return carpeta;
}

void VentanaPrueba::AbrirVentana() {
  ventana = AbrirPrograma(entorno, false);
  QApplication::setActiveWindow(ventana.get());
  ventana->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get(), 5000));
}

void VentanaPrueba::AbrirClase(int k) {
  ventana->MostrarTipoVeh();
  auto* tipo = ventana->findChild<frmTipoVeh*>(QStringLiteral("frmTipoVeh"));
  ASSERT_NE(tipo, nullptr);
  // Las esperas QTRY de QTest no hacen fallar una prueba de GoogleTest.
  ASSERT_TRUE(QTest::qWaitFor([tipo] { return tipo->isVisible(); }, 3000));
  auto* boton = tipo->findChild<QPushButton*>(QStringLiteral("cmbVehiculos(%1)").arg(k));
  ASSERT_NE(boton, nullptr);
  QTest::mouseClick(boton, Qt::LeftButton);
  QApplication::processEvents();
}

void VentanaPrueba::AbrirConClase(int k) {
  AbrirVentana();
  AbrirClase(k);
  ASSERT_TRUE(QTest::qWaitFor([this] { return ventana->Patillas()->isVisible(); }, 3000));
  QApplication::setActiveWindow(ventana.get());
  ventana->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(ventana.get(), 5000));
}

void VentanaPrueba::Enfocar(QWidget* w) const {
  ASSERT_NE(w, nullptr);
  // Un mensaje que acaba de cerrarse puede dejar la ventana sin activar: se insiste.
  ASSERT_TRUE(QTest::qWaitFor(
      [w] {
        if (!w->window()->isActiveWindow()) QApplication::setActiveWindow(w->window());
        if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
        return w->hasFocus();
      },
      3000));
}

}  // namespace dorvelna::pruebas
