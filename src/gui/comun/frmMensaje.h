#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;

namespace dorvelna {

class EtiquetaMensaje;
struct Entorno;

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

// Muestra el mensaje en un frmMensaje nuevo, modal sobre la ventana dueña (sin dueña, suelto),
// y espera a que se cierre. Si el entorno tiene observador de mensajes, el mensaje pasa antes
// por él, que puede darlo por visto sin que se abra el cuadro.
void MostrarMensaje(const QString& texto, const QString& titulo, QWidget* duena,
                    const Entorno& entorno);

}  // namespace dorvelna
