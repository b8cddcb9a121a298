#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "nucleo/archivos/FalloArchivo.h"
#include "nucleo/model/Calculo.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace dorvelna {

class EstadoPrograma;
struct Entorno;

// El diálogo del programa para abrir y grabar cálculos (.dvn). Su modo va en Tag, "abrir" o
// "grabar", y lo pone quien lo abre. Se crea en cada uso y se muestra modal sobre la ventana
// principal. Tras un fallo al leer o grabar sigue abierto para elegir otro archivo o nombre.
// Lee y graba el cálculo del estado y deja en él el nombre del archivo.
class frmArchivo : public QDialog {
  Q_OBJECT
public:
  frmArchivo(EstadoPrograma& estado, const Entorno& entorno, QWidget* ventana);

  void PonerTag(const QString& modo);
  const QString& Tag() const { return tag_; }
  // Carpeta elegida en Dir1 (la que lista File1).
  const QString& Carpeta() const { return carpeta_; }

signals:
  // Se abrió un cálculo: la ventana carga sus formularios.
  void calculoAbierto();

protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

private:
  void CargarUnidades();
  void CambiarUnidad(int indice);
  void CambiarCarpeta(const QString& carpeta);
  void VerCarpeta();
  void SeleccionarUnidad(const QString& raiz);
  QString UnidadDe(const QString& carpeta) const;
  void AplicarModo();
  void ElegirPrimero();
  void ArchivoElegido(const QModelIndex& indice);
  void Aceptar();
  void AceptarAbrir(const QString& ruta);
  void AceptarGrabar(const QString& ruta);
  bool YaExiste(const QString& nombre) const;
  void Mensaje(const QString& texto, const QString& titulo);

  EstadoPrograma& estado_;
  const Entorno& entorno_;
  QWidget* ventana_;
  QString tag_;
  QString carpeta_;
  bool actualizando_ = false;       // cambios hechos por el propio diálogo, no por el usuario
  bool elegidoPorUsuario_ = false;  // el usuario ya eligió archivo en esta carpeta
  bool seguirCarpeta_ = true;       // Dir1 mantiene a la vista la carpeta elegida

  QFileSystemModel* modeloCarpetas_;
  QFileSystemModel* modeloArchivos_;
  QLabel* Label1;
  QComboBox* Drive1;
  QLabel* Label2;
  QTreeView* Dir1;
  QLabel* Label3;
  QListView* File1;
  QLabel* Label4;
  QLineEdit* TextArchivo;
  QLabel* lblArchivo;
  QPushButton* cmbAceptar;
  QPushButton* cmbCancelar;
};

// Toda grabación del programa (GrabarArchivo y el diálogo) pasa por aquí, con el
// intermediario de grabación del entorno si lo tiene (las pruebas hacen fallar la escritura).
std::optional<FalloArchivo> GrabarCalculo(Calculo& calculo, const QString& ruta,
                                          const Entorno& entorno);

}  // namespace dorvelna
