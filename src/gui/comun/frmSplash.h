#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace dorvelna {

// Presentación del programa al arrancar. Se cierra sola a los 10 segundos de verse, o
// antes con un clic sobre su fondo (un clic en un texto o en un dibujo no la cierra).
class frmSplash : public QDialog {
  Q_OBJECT
public:
  static constexpr int kIntervalo = 10000;

  explicit frmSplash(QWidget* padre = nullptr);
  // Las pruebas no esperan 10 segundos.
  void EstablecerIntervalo(int milisegundos);

protected:
  void showEvent(QShowEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

private:
  bool EsFondo(const QPoint& punto) const;

  QFrame* Frame1;
  QLabel* picEscudo;
  QLabel* lblOrganismo;
  QLabel* lblDepartamento;
  QLabel* picLogo;
  QLabel* lblProductName;
  QLabel* lblVersion;
  QLabel* lblDescripcion;
  QTimer* Timer1;
  bool pulsadoEnFondo_ = false;
};

// Muestra la presentación, modal y sin dueña, y vuelve cuando se ha cerrado.
void MostrarPresentacion();

}  // namespace dorvelna
