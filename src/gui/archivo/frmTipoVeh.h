#pragma once

#include <QDialog>
#include <QString>

#include "nucleo/model/Calculo.h"

class QMainWindow;

namespace dorvelna {

struct Entorno;

// "Tipo de Autocar": las cuatro clases de autocar del Calibrario. No bloquea la ventana. Lee
// la clase elegida en el cálculo que recibe; lo que pide a la ventana va por sus señales.
class frmTipoVeh : public QDialog {
  Q_OBJECT
public:
  frmTipoVeh(Calculo& calculo, const Entorno& entorno, QMainWindow* ventana);

  // Nombre del archivo de la clase k (0 la mayor), relativo a la carpeta del programa.
  static QString ArchivoClase(int k);
  void ElegirClase(int k);

signals:
  // A la vista o repintado (los menús que dependen del cálculo se apagan) y fuera de ella.
  void mostrado();
  void ocultado();
  // La clase quedó leída y el diálogo cerrado: la ventana carga sus formularios.
  void calculoAbierto();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

private:
  Calculo& calculo_;
  const Entorno& entorno_;
  QMainWindow* ventana_;
};

}  // namespace dorvelna
