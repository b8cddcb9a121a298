#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace dorvelna {

class EtiquetaMensaje;

// El cuadro de mensajes del programa: un texto, un título y, según el título, un icono.
class frmMensaje : public QDialog {
  Q_OBJECT
public:
  explicit frmMensaje(QWidget* duena = nullptr);

  // Título como leyenda (vacío: queda "Título" con los dos iconos) y texto con sus
  // propios saltos de línea CR LF.
  void Preparar(const QString& texto, const QString& titulo);

private:
  void AjustarAlto();

  QLabel* picAlarma;
  QLabel* picInformacion;
  QGroupBox* Frame1;
  EtiquetaMensaje* lblMensaje;
  QPushButton* cmbAceptar;
};

// Si hay observador, cada mensaje pasa antes por él; si devuelve true el mensaje se da por
// visto y no se abre el cuadro. Sirve para que las pruebas recojan los mensajes.
using ObservadorMensajes = std::function<bool(const QString& texto, const QString& titulo)>;
void EstablecerObservadorMensajes(ObservadorMensajes observador);

// Muestra el mensaje en un frmMensaje nuevo, modal sobre la ventana dueña, y espera a que
// se cierre.
void MostrarMensaje(const QString& texto, const QString& titulo);

}  // namespace dorvelna
