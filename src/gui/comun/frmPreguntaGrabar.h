#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace dorvelna {

// Pregunta si se graban los cambios antes de cerrar el cálculo o salir. Su respuesta va a
// Cancelado (true: el usuario no quiere seguir cerrando): al cargarse lo deja a true; sólo
// "Si" (después de grabar) y "No" lo ponen a false.
class frmPreguntaGrabar : public QDialog {
  Q_OBJECT
public:
  frmPreguntaGrabar(bool& cancelado, std::function<void()> grabarArchivo, QWidget* duena = nullptr);

private:
  void ResponderSi();
  void ResponderNo();
  void ResponderCancelar();

  bool& cancelado_;
  std::function<void()> grabarArchivo_;
  QLabel* picPregunta;
  QGroupBox* Frame1;
  QLabel* lblMensaje;
  QPushButton* cmbSi;
  QPushButton* cmbNo;
  QPushButton* cmbCancelar;
};

// Abre la pregunta con el título dado ("Cerrar" o "Salir"), modal sobre la ventana dueña,
// y devuelve Cancelado. "Si" cierra la pregunta y sólo entonces llama a grabarArchivo.
bool PreguntarGrabar(bool& cancelado, const QString& titulo,
                     const std::function<void()>& grabarArchivo, QWidget* duena);

}  // namespace dorvelna
