#pragma once

#include <QDialog>

class QRadioButton;

namespace dorvelna {

class VentanaPrincipal;

// "Tipo de Cálculo": empezar un cálculo nuevo o abrir uno grabado. No bloquea la ventana.
class frmNueva : public QDialog {
  Q_OBJECT
public:
  explicit frmNueva(VentanaPrincipal* ventana);

protected:
  void hideEvent(QHideEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  void Aceptar();
  VentanaPrincipal* ventana_;
  QRadioButton* nueva_;
  QRadioButton* grabada_;
};

// Centra un diálogo en el área de trabajo de la ventana principal (50 si no cabe).
void CentrarEnVentana(QWidget* dialogo, VentanaPrincipal* ventana);

}  // namespace dorvelna
