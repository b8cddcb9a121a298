#pragma once

#include <QLineEdit>

#include "nucleo/model/Pantalla.h"

namespace dorvelna {

class FormularioDatos;

// Caja de texto de un campo (TextSC(9), TextOF2(18), ...). Lleva sus decimales (-1 en un
// texto) y lleva sus sucesos de foco y de teclado a las rutinas de edición de campos.
class CampoTexto : public QLineEdit {
  Q_OBJECT
public:
  CampoTexto(FormularioDatos* form, Grupo g, Columna col, int indice, QWidget* padre);

  FormularioDatos* Form() const { return form_; }
  Grupo GrupoCampo() const { return grupo_; }
  Columna ColumnaCampo() const { return columna_; }
  int Indice() const { return indice_; }
  int Decimales() const { return decimales_; }
  bool EsTexto() const { return decimales_ < 0; }

  void PonerAspecto(Aspecto aspecto);
  Aspecto AspectoActual() const { return aspecto_; }
  // Mientras el campo está en edición (entre EntrarCampo y SalirCampo).
  bool EnEdicion() const { return enEdicion_; }
  // Confirma el campo en edición como si se hubiera salido de él (la impresión lo usa).
  void Confirmar();
  // Vuelve a ponerlo en edición como si recibiera el foco (tras confirmarlo al imprimir).
  void Reentrar();

protected:
  bool event(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  FormularioDatos* form_;
  Grupo grupo_;
  Columna columna_;
  int indice_;
  int decimales_;
  Aspecto aspecto_ = Aspecto::Entrada;
  bool enEdicion_ = false;
};

}  // namespace dorvelna
