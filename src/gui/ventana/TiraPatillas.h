#pragma once

#include <QColor>
#include <QWidget>
#include <array>

#include "nucleo/model/Calculo.h"

class QPushButton;

namespace dorvelna {

class BotonPatilla;

// Patillas: la tira de arriba, con un botón por formulario de datos (los de los costes
// repercutidos a todos los servicios en su marco, FrameTodos) y los de cerrar y grabar.
// El botón del formulario a la vista lleva el color activo.
class TiraPatillas : public QWidget {
  Q_OBJECT
public:
  static constexpr int kAlto = 1695;  // twips

  explicit TiraPatillas(QWidget* padre);

  // El filtro ve los sucesos de la tira y de cada uno de sus botones.
  void FiltrarCon(QObject* filtro);
  QPushButton* Boton(Formulario f) const;

  QColor ColorActivo() const { return colorActivo_; }
  // El color activo es el que tiene el botón de características al abrir un cálculo.
  void TomarColorActivo();
  void Marcar(Formulario f);
  // Los siete botones con el color inactivo, el de cmbCerrar.
  void Desmarcar();
  // Como al empezar: características con el color activo, los demás con el inactivo.
  void RestaurarColores();

signals:
  void formularioPedido(Formulario f);
  void cerrarPedido();
  void grabarPedido();

private:
  QColor ColorInactivo() const;

  std::array<BotonPatilla*, 7> botones_{};
  BotonPatilla* cerrar_ = nullptr;
  BotonPatilla* grabar_ = nullptr;
  QColor colorActivo_;
};

}  // namespace dorvelna
