#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "nucleo/archivos/EscribirArchivo.h"
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

class VentanaPrincipal;

// El diálogo del programa para abrir y grabar cálculos (.dvn). Su modo va en Tag, "abrir" o
// "grabar", y lo pone quien lo abre. Se crea en cada uso y se muestra modal sobre la ventana
// principal. Tras un fallo al leer o grabar sigue abierto para elegir otro archivo o nombre.
class frmArchivo : public QDialog {
  Q_OBJECT
public:
  explicit frmArchivo(VentanaPrincipal* ventana);

  void PonerTag(const QString& modo);
  const QString& Tag() const { return tag_; }
  // Carpeta elegida en Dir1 (la que lista File1).
  const QString& Carpeta() const { return carpeta_; }

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

  VentanaPrincipal* ventana_;
  QString tag_;
  QString carpeta_;
  bool actualizando_ = false;      // cambios hechos por el propio diálogo, no por el usuario
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

// Raíces de las unidades que ofrece Drive1; por omisión, las de los volúmenes montados. Las
// pruebas pueden dar otra lista (una unidad que ya no está, por ejemplo); vacío la restablece.
using ListaUnidades = std::function<QStringList()>;
void EstablecerListaUnidades(ListaUnidades lista);

// Toda grabación del programa (GrabarArchivo y el diálogo) pasa por aquí. Las pruebas ponen
// un intermediario para que la escritura falle; vacío lo quita.
void EstablecerIntermediarioGrabacion(Intermediario intermediario);
std::optional<FalloArchivo> GrabarCalculo(Calculo& calculo, const QString& ruta);

}  // namespace dorvelna
