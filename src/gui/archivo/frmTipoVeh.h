#pragma once

#include <QDialog>
#include <QString>

namespace dorvelna {

class VentanaPrincipal;

// "Tipo de Autocar": las cuatro clases de autocar del Calibrario. No bloquea la ventana.
class frmTipoVeh : public QDialog {
  Q_OBJECT
public:
  explicit frmTipoVeh(VentanaPrincipal* ventana);

  // Nombre del archivo de la clase k (0 la mayor), relativo a la carpeta del programa.
  static QString ArchivoClase(int k);
  void ElegirClase(int k);

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

private:
  VentanaPrincipal* ventana_;
};

}  // namespace dorvelna
