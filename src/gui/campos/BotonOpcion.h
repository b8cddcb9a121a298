#pragma once

#include <QRadioButton>

namespace dorvelna {

// Botón de una pareja de opciones (OptionSI(1), ...): al recibir el foco lo dice, para que su
// formulario lo recuerde como control activo y se desplace hasta él, como con un campo.
class BotonOpcion : public QRadioButton {
  Q_OBJECT
public:
  BotonOpcion(const QString& nombre, int indice, const QString& texto, QWidget* padre);

signals:
  void activado();
  void enfocado();

protected:
  void focusInEvent(QFocusEvent* e) override;
};

}  // namespace dorvelna
