#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <memory>

#include "gui/comun/Entorno.h"
#include "nucleo/entrada/EdicionCampos.h"
#include "nucleo/model/EstadoPrograma.h"

class QGroupBox;

namespace dorvelna {

class FormularioDatos;
class PantallaQt;

// frmMain: la ventana del programa, con sus menús, la tira de patillas, las dos tiras de
// desplazamiento y el área donde se ven los formularios de datos, uno cada vez. Tiene el
// estado del programa, la edición de campos y el entorno, y da a formularios y diálogos lo
// que necesitan de ellos.
class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
public:
  explicit VentanaPrincipal(Entorno entorno = {}, QWidget* padre = nullptr);
  ~VentanaPrincipal() override;

  EstadoPrograma& Estado() { return estado_; }
  // Las pruebas cambian los enganches del entorno con la ventana ya abierta.
  Entorno& EntornoPrograma() { return entorno_; }
  Calculo& Datos() { return estado_.calculo; }

  // Los formularios se crean la primera vez que algo los nombra.
  FormularioDatos* ObtenerFormulario(dorvelna::Formulario f);
  FormularioDatos* FormularioCargado(dorvelna::Formulario f) const;
  FormularioDatos* FormActual() const;

  // Carga: menús, datos iniciales, colocación en la pantalla y frmNueva.
  void Cargar(bool mostrarNueva = true);

  void CargarPatillas();
  void CerrarPatillas();
  void ActivarFormulario(dorvelna::Formulario f);
  void DesactivarFormulario();
  void DevolverFoco();

  // Desplazamiento del formulario en el área de trabajo (twips).
  void SituarScrollV(FormularioDatos* objeto);
  void SituarScrollH(FormularioDatos* objeto);
  void MoverScrollV(FormularioDatos* objeto);
  void MoverScrollH(FormularioDatos* objeto);
  void DesplazarScrollV(FormularioDatos* objeto, int nuevoValor);
  void DesplazarScrollH(FormularioDatos* objeto, int nuevoValor);
  void CambioScrollV();
  void CambioScrollH();
  void ReajustarScrollV();
  void ReajustarScrollH();
  void MouseWheel(int rotacion);

  bool HayCambios() const { return estado_.calculo.HayCambios(); }
  // Flujos de cerrar el cálculo y de grabar.
  void CerrarCalculo();
  void GrabarArchivo();
  void AbrirDialogoArchivo(const QString& modo);

  // Estados de menú: sin cálculo, con cálculo, y mientras se ven frmNueva o frmTipoVeh.
  void MenusSinCalculo();
  void MenusConCalculo();
  void MenusDialogoNuevo();

  void MostrarTipoVeh();
  void MostrarNueva();
  void MostrarAcercaDe();
  // Pregunta si grabar antes de cerrar o salir; true si no hay que seguir cerrando.
  bool PreguntarAntesDeCerrar(const QString& titulo);

  QAction* Accion(const QString& nombre) const;
  QMenu* Menu(const QString& nombre) const;
  QWidget* Patillas() const { return patillas_; }
  QWidget* AreaCliente() const { return area_; }
  QScrollBar* VScroll1() const { return vscroll_; }
  QScrollBar* HScroll1() const { return hscroll_; }
  QWidget* PicVScroll() const { return picV_; }
  QWidget* PicHScroll() const { return picH_; }
  QPushButton* BotonDe(dorvelna::Formulario f) const;

  int PosicionV = 0;
  int PosicionH = 0;

signals:
  void imprimirPedido(const QString& mandato);
  void ayudaPedida(const QString& mandato);

protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

private:
  void CrearMenus();
  void CrearPatillas();
  void CrearTirasDesplazamiento();
  void ColocarTiras();
  // Una tira de desplazamiento cambia de tamaño: las barras y el formulario la siguen.
  void TiraRedimensionada(QWidget* tira, const QSize& anterior);
  void Colocar();
  void PonerHabilitadas(const QStringList& nombres, bool habilitadas);
  // Posición (twips) del control activo del formulario, para llevarlo a la vista.
  QWidget* ActivoDe(FormularioDatos* form) const;
  int PosicionVertical(QWidget* control) const;
  int PosicionHorizontal(QWidget* control) const;
  QColor ColorInactivo() const;
  // Las señales del formulario recién creado: desplazarse hasta sus controles, páginas y
  // mensajes de los valores rechazados.
  void ConectarFormulario(FormularioDatos* form);
  // RePág (33) y AvPág (34): el formulario se desplaza una página de la barra vertical.
  void TeclaNavegacion(int tecla, FormularioDatos* form);
  // El gancho de la rueda en el formulario a la vista mueve esta ventana (MouseWheel).
  void InstalarRueda(FormularioDatos* form);

  Entorno entorno_;
  EstadoPrograma estado_;
  EdicionCampos edicion_{estado_};
  std::unique_ptr<PantallaQt> pantalla_;
  std::array<QPointer<FormularioDatos>, 7> formularios_;
  QPointer<FormularioDatos> formActual_;
  QWidget* central_ = nullptr;
  QWidget* area_ = nullptr;
  QWidget* patillas_ = nullptr;
  QGroupBox* frameTodos_ = nullptr;
  QWidget* picV_ = nullptr;
  QWidget* picH_ = nullptr;
  QScrollBar* vscroll_ = nullptr;
  QScrollBar* hscroll_ = nullptr;
  std::array<QPushButton*, 7> botones_{};
  QColor colorFondo_;
  QColor colorActivo_;
  QPointer<QWidget> dialogoNuevo_;
};

// Los 25 mandatos que dependen de que haya un cálculo abierto.
const QStringList& MandatosDeCalculo();

}  // namespace dorvelna
