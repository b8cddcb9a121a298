#pragma once

#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "gui/comun/Entorno.h"
#include "gui/ventana/MenusVentana.h"
#include "gui/ventana/TiraDesplazamiento.h"
#include "gui/ventana/TiraPatillas.h"
#include "nucleo/entrada/EdicionCampos.h"
#include "nucleo/model/EstadoPrograma.h"

namespace dorvelna {

class CampoTexto;
class FormularioDatos;
class frmSensibilidad;
class PantallaQt;

// frmMain: la ventana del programa, con sus menús, la tira de patillas, las dos tiras de
// desplazamiento y el área donde se ven los formularios de datos, uno cada vez. Aquí están
// los mandatos y lo que une las piezas: tiene el estado del programa, la edición de campos y
// el entorno, y da a formularios y diálogos lo que necesitan de ellos.
class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
public:
  explicit VentanaPrincipal(Entorno entorno = {}, QWidget* padre = nullptr);
  ~VentanaPrincipal() override;

  EstadoPrograma& Estado() { return estado_; }
  // Las pruebas cambian los enganches del entorno con la ventana ya abierta.
  Entorno& EntornoPrograma() { return entorno_; }
  Calculo& Datos() { return estado_.calculo; }
  // Posición vertical (twips) que recuerdan los resultados al dejarlos o al girar la rueda.
  int PosicionResultadosV() const { return PosicionV; }

  // Los formularios se crean la primera vez que algo los nombra.
  FormularioDatos* ObtenerFormulario(dorvelna::Formulario f);
  // El formulario si ya está creado; nullptr si no (lo usan las medidas).
  FormularioDatos* FormularioCargado(dorvelna::Formulario f) const;
  FormularioDatos* FormActual() const;

  // Carga: menús, datos iniciales, colocación en la pantalla y frmNueva.
  void Cargar(bool mostrarNueva = true);

  void CargarPatillas();
  void CerrarPatillas();
  void ActivarFormulario(dorvelna::Formulario f);
  // El análisis de sensibilidad no es un formulario de datos: ocupa el área de trabajo entera
  // y se rehace cuando cambian los resultados de la columna S.
  frmSensibilidad* ObtenerSensibilidad();
  void ActivarSensibilidad();
  void ResultadosSCambiados();

  // La vista sigue al foco, a las teclas de página y a la rueda (twips).
  void MoverScrollV(FormularioDatos* objeto);
  void MoverScrollH(FormularioDatos* objeto);
  void DesplazarScrollV(FormularioDatos* objeto, int nuevoValor);
  void MouseWheel(int rotacion);

  bool HayCambios() const { return estado_.calculo.HayCambios(); }
  void AbrirDialogoArchivo(const QString& modo);
  void PonerMenus(SituacionMenus situacion) const { menus_->Poner(situacion); }
  void MostrarTipoVeh();
  void MostrarNueva();

  QAction* Accion(const QString& nombre) const { return menus_->Accion(nombre); }
  TiraPatillas* Patillas() const { return patillas_; }
  TiraDesplazamiento* PicVScroll() const { return picV_; }
  TiraDesplazamiento* PicHScroll() const { return picH_; }
  QWidget* AreaCliente() const { return area_; }

signals:
  void imprimirPedido(const QString& mandato);
  void ayudaPedida(const QString& mandato);

protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

private:
  void CrearMenus();
  void ConfirmarAntesDeMenu();
  void TomarBarraMenus();
  void FocoCambiado(QWidget* antes, QWidget* ahora);
  void CrearPatillas();
  void CrearTirasDesplazamiento();
  void ColocarTiras();
  void Colocar();
  void DesactivarFormulario();
  void DevolverFoco();

  // Flujos de cerrar el cálculo y de grabar.
  void CerrarCalculo();
  void GrabarArchivo();
  // Pregunta si grabar antes de cerrar o salir; true si no hay que seguir cerrando.
  bool PreguntarAntesDeCerrar(const QString& titulo);
  void MostrarAcercaDe();

  // Desplazamiento del formulario en el área de trabajo (twips).
  void SituarScrollV(FormularioDatos* objeto);
  void SituarScrollH(FormularioDatos* objeto);
  void DesplazarScrollH(FormularioDatos* objeto, int nuevoValor);
  void CambioScrollV();
  void CambioScrollH();
  void ReajustarScrollV();
  void ReajustarScrollH();
  // Una tira de desplazamiento cambia de tamaño: las barras y el formulario la siguen.
  void TiraRedimensionada(QWidget* tira, const QSize& anterior);
  // Posición (twips) del control activo del formulario, para llevarlo a la vista.
  QWidget* ActivoDe(FormularioDatos* form) const;
  int PosicionVertical(QWidget* control) const;
  int PosicionHorizontal(QWidget* control) const;
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
  std::unique_ptr<MenusVentana> menus_;
  std::array<QPointer<FormularioDatos>, 7> formularios_;
  QPointer<FormularioDatos> formActual_;
  QPointer<frmSensibilidad> sensibilidad_;
  QWidget* central_ = nullptr;
  QWidget* area_ = nullptr;
  TiraPatillas* patillas_ = nullptr;
  TiraDesplazamiento* picV_ = nullptr;
  TiraDesplazamiento* picH_ = nullptr;
  // Las barras de las dos tiras.
  QScrollBar* vscroll_ = nullptr;
  QScrollBar* hscroll_ = nullptr;
  QColor colorFondo_;
  QPointer<CampoTexto> campoTrasBarra_;
  int PosicionV = 0;
  int PosicionH = 0;
};

}  // namespace dorvelna
