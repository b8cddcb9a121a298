#pragma once

#include <QChar>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "nucleo/entrada/EstadoCampo.h"
#include "nucleo/model/Calculo.h"

namespace dorvelna {

class EstadoPrograma;

// Qué hace la caja de un campo con una tecla de carácter.
enum class Tecla {
  Escribir,  // la caja queda como dice el estado y el carácter se escribe en el cursor
  Rechazar,  // la caja queda como dice el estado, no se escribe nada y suena el pitido
};

// Lo que la caja debe hacer al terminar SalirCampo.
struct SalidaCampo {
  std::optional<QString> mensaje;  // valor rechazado: el mensaje, con el título "Error"
  std::optional<QString> texto;    // el valor con su formato; nada con Intro
};

// La edición de los campos de la columna S, sin controles: la caja de cada campo le pasa
// sus sucesos y muestra lo que se le devuelve. Guarda ValorAnterior, el valor que tenía el
// campo al recibir el foco, que vuelve si el valor tecleado se rechaza.
class EdicionCampos {
public:
  explicit EdicionCampos(EstadoPrograma& estado);
  EdicionCampos(const EdicionCampos&) = delete;
  EdicionCampos& operator=(const EdicionCampos&) = delete;

  // El valor del campo pasa a ser ValorAnterior. Devuelve el texto que se edita: el valor sin
  // formato ni agrupar, vacío si es cero (la caja pone el cursor al principio, sin selección).
  QString EntrarCampo(Grupo g, int i);

  // El filtro de TeclaCampo para una tecla de carácter (ni Intro ni retroceso). Borra la
  // selección del estado, se admita la tecla o no (unas comillas en un texto no se admiten).
  Tecla FiltrarTecla(EstadoCampo& caja, QChar tecla) const;

  // El valor de un texto tecleado en el campo (i) del grupo g.
  Valor LeerCampo(Grupo g, int i, const QString& texto) const;

  // LeerCampo en la ficha y AceptarValor. Con Intro el campo sigue en edición y su texto no
  // se formatea. Si el valor se rechaza, `restaurar` recibe el texto del valor anterior antes
  // de que el motor recalcule: el motor puede volver a mostrar el propio campo, y lo que deje
  // es lo que se ve mientras sale el mensaje.
  using Restaurar = std::function<void(const QString& texto)>;
  SalidaCampo SalirCampo(Formulario form, Grupo g, int i, const QString& texto, bool intro,
                         const Restaurar& restaurar);
  // El valor ya leído en la ficha se admite o vuelve ValorAnterior; en los dos casos corre
  // el motor (Calcular) para el campo.
  SalidaCampo AceptarValor(Formulario form, Grupo g, int i, bool intro, const Restaurar& restaurar);
  // True si el valor de la ficha se rechaza; el mensaje se compone siempre.
  bool ValidarValor(Formulario form, Grupo g, int i, QString& mensaje) const;

  const Valor& ValorAnterior() const { return valorAnterior_; }

  // La caja del campo que tiene ValorAnterior mientras está en edición; nula si ninguna.
  // Quien entra en otro campo confirma antes a ésta.
  QObject* CajaEnEdicion() const { return caja_; }
  void PonerCajaEnEdicion(QObject* caja) { caja_ = caja; }

private:
  EstadoPrograma& estado_;
  Valor valorAnterior_;
  QPointer<QObject> caja_;
};

}  // namespace dorvelna
