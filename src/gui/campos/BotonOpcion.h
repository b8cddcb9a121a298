#pragma once

#include <QRadioButton>

namespace dorvelna {

class FormularioDatos;

// Botón de una pareja de opciones (OptionSI(1), ...): al recibir el foco lleva el
// formulario a la vista, como un campo.
class BotonOpcion : public QRadioButton {
  Q_OBJECT
public:
  BotonOpcion(FormularioDatos* form, const QString& nombre, int indice, const QString& texto,
              QWidget* padre);
  int Indice() const { return indice_; }

protected:
  void focusInEvent(QFocusEvent* e) override;

private:
  FormularioDatos* form_;
  int indice_;
};

}  // namespace dorvelna
