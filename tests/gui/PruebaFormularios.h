#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "VentanaPrueba.h"
#include "gui/campos/CampoTexto.h"
#include "gui/formularios/FormularioDatos.h"

namespace dorvelna::pruebas {

// Ventana mostrada con ayudas para moverse entre formularios y teclear en sus campos.
class PruebaFormularios : public VentanaPrueba {
protected:
  void SetUp() override {
    VentanaPrueba::SetUp();
    AbrirVentana();
  }
  // Cambia de formulario con un clic en su patilla.
  void IrA(Formulario f) {
    QPushButton* boton = ventana->Patillas()->Boton(f);
    ASSERT_NE(boton, nullptr);
    QTest::mouseClick(boton, Qt::LeftButton);
    // Las esperas de QTest no hacen fallar una prueba de GoogleTest: se comprueba aquí.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return ventana->FormActual() && ventana->FormActual()->Tipo() == f; }, 3000));
  }
  // Control del formulario a la vista (otros formularios repiten nombres como FrameS).
  template <class T = QWidget>
  T* EnForm(const QString& nombre) const {
    FormularioDatos* form = ventana ? ventana->FormActual() : nullptr;
    return form ? form->findChild<T*>(nombre) : nullptr;
  }
  QLabel* Etiqueta(const QString& nombre) const { return EnForm<QLabel>(nombre); }
  CampoTexto* Caja(const QString& nombre) const { return qobject_cast<CampoTexto*>(Campo(nombre)); }
  // Teclea en el campo, sustituyendo lo que tenía, y sale de él con Tab.
  void Teclear(CampoTexto* campo, const QString& teclas) {
    Enfocar(campo);
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, teclas);
    QTest::keyClick(campo, Qt::Key_Tab);
  }
};

}  // namespace dorvelna::pruebas
