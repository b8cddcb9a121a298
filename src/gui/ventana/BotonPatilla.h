#pragma once

#include <QPushButton>

namespace dorvelna {

// Botón grande de la tira de patillas: negrita y texto partido en líneas, con el color de
// fondo a la vista (marca la patilla activa).
class BotonPatilla : public QPushButton {
public:
  BotonPatilla(const QString& texto, QWidget* padre);
  void PonerColor(const QColor& color);
  QColor Color() const;

protected:
  void paintEvent(QPaintEvent* e) override;
};

}  // namespace dorvelna
