#pragma once

#include <QLineEdit>

#include "nucleo/model/Calculo.h"

namespace dorvelna {

class EdicionCampos;

// Caja de texto de un campo (TextSC(9), TextOF2(18), ...). Lleva sus decimales (-1 en un
// texto); en la columna S pasa sus sucesos de foco y de teclado a la edición de campos y
// muestra lo que ésta le devuelve. Lo que pide a la ventana va por sus señales.
class CampoTexto : public QLineEdit {
  Q_OBJECT
public:
  CampoTexto(EdicionCampos& edicion, Formulario form, Grupo g, Columna col, int indice,
             QWidget* padre);

  Formulario FormularioCampo() const { return form_; }
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

signals:
  // Recibió el foco: su formulario lo recuerda como control activo.
  void activado();
  // Entró en edición: el formulario a la vista se desplaza hasta dejarlo a la vista.
  void enfocado();
  // Se teclea en él: su formulario se desplaza hasta dejarlo a la vista.
  void tecleado();
  // RePág (33) o AvPág (34): el formulario se desplaza una página.
  void paginaPedida(int tecla);
  // El valor tecleado no se admite: el mensaje se da con el título "Error".
  void valorRechazado(const QString& mensaje);

protected:
  bool event(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  // EntrarCampo: el texto sin formato, el cursor al principio y nada seleccionado.
  void Entrar();
  void MostrarEdicion(const QString& texto);
  // SalirCampo: el valor se lee, se admite o se rechaza; con Intro el texto no se formatea.
  void Salir(bool intro);
  // Una tecla de carácter pasa por el filtro; true si hay que escribirla.
  bool Filtrar(QChar tecla);

  EdicionCampos& edicion_;
  Formulario form_;
  Grupo grupo_;
  Columna columna_;
  int indice_;
  int decimales_;
  Aspecto aspecto_ = Aspecto::Entrada;
  bool enEdicion_ = false;
};

}  // namespace dorvelna
