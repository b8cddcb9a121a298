#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <memory>

class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dorvelna {

class ArchivoChm;
class NavegadorChm;
struct EntradaContenido;

// Ventana de una ayuda compilada: el índice de contenido a la izquierda, la página a la
// derecha y los botones "Atrás", "Adelante" e "Inicio". Es una ventana aparte que pertenece
// a la ventana principal; se destruye al cerrarla.
class VentanaAyuda : public QWidget {
  Q_OBJECT
public:
  VentanaAyuda(std::unique_ptr<ArchivoChm> chm, const QString& ruta, QWidget* duena);
  ~VentanaAyuda() override;

  // Otra vez el mismo archivo (quizá cambiado en el disco): lo toma y vuelve a la portada.
  void CambiarArchivo(std::unique_ptr<ArchivoChm> chm);
  // Muestra la página que el archivo declara como tema por defecto y trae la ventana delante.
  void MostrarTemaPorDefecto();

  QString Ruta() const { return ruta_; }
  const ArchivoChm& Archivo() const { return *chm_; }
  NavegadorChm* Navegador() const { return navegador_; }
  QTreeWidget* Contenido() const { return arbol_; }

private:
  void LlenarContenido();
  void AnadirEntradas(QTreeWidgetItem* padre, const std::vector<EntradaContenido>& entradas);
  void MarcarEnContenido(const QUrl& pagina);
  void AbrirEntrada(QTreeWidgetItem* elemento);

  std::unique_ptr<ArchivoChm> chm_;
  QString ruta_;
  NavegadorChm* navegador_ = nullptr;
  QTreeWidget* arbol_ = nullptr;
  QToolButton* cmbAtras_ = nullptr;
  QToolButton* cmbAdelante_ = nullptr;
  QToolButton* cmbInicio_ = nullptr;
};

}  // namespace dorvelna
