#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Modales.h"

int main(int argc, char** argv) {
  // También al listar las pruebas, cuando CTest aún no ha puesto el entorno.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication aplicacion(argc, argv);
  QFont letra = aplicacion.font();
  letra.setPointSizeF(8.25);
  aplicacion.setFont(letra);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  // Los cálculos recientes que anotan las pruebas nunca van a la configuración del usuario.
  QTemporaryDir configuracion;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuracion.path());
  ::testing::InitGoogleTest(&argc, argv);
  dorvelna::pruebas::VigilarModales();
  return RUN_ALL_TESTS();
}
