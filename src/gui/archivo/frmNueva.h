#pragma once

#include <QDialog>

class QMainWindow;
class QRadioButton;

namespace dorvelna {

// "Tipo de Cálculo": empezar un cálculo nuevo o abrir uno grabado. No bloquea la ventana.
// Lo que pide a la ventana principal va por sus señales.
class frmNueva : public QDialog {
  Q_OBJECT
public:
  explicit frmNueva(QMainWindow* ventana);

signals:
  // A la vista (los menús que dependen del cálculo se apagan) y fuera de ella.
  void mostrado();
  void ocultado();
  // Elegido, ya cerrado el diálogo: un cálculo nuevo o uno grabado.
  void calculoNuevoPedido();
  void calculoGrabadoPedido();

protected:
  void hideEvent(QHideEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  void Aceptar();
  QMainWindow* ventana_;
  QRadioButton* nueva_;
  QRadioButton* grabada_;
};

// Centra un diálogo en el área de trabajo de la ventana principal (50 si no cabe).
void CentrarEnVentana(QWidget* dialogo, const QMainWindow* ventana);

}  // namespace dorvelna
