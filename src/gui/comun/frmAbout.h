#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace dorvelna {

struct Entorno;

// "Acerca de DORVELNA". "Aceptar" es el botón por omisión pero no el de cancelar: Esc no
// cierra la ventana. Con el foco en "Aceptar", Ctrl o Esc muestran los créditos, en un
// mensaje sobre la ventana dueña.
class frmAbout : public QDialog {
  Q_OBJECT
public:
  explicit frmAbout(const Entorno& entorno, QWidget* duena = nullptr);

protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  const Entorno& entorno_;
  QLabel* picIcono;
  QLabel* lblTitulo;
  QLabel* lblVersion;
  QLabel* lblDescripcion;
  QLabel* lblAdvertencia;
  QPushButton* cmbAceptar;
};

}  // namespace dorvelna
