#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "gui/formularios/FabricaFormularios.h"
#include "nucleo/model/Calculo.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace dorvelna {

class CampoTexto;
class FormularioDatos;
class frmSensibilidad;
struct Entorno;

// La impresora predeterminada del sistema, sin diálogo; nula si no hay ninguna. Es la de los
// trabajos salvo que el entorno dé otra (las pruebas imprimen a un PDF).
std::unique_ptr<QPrinter> ImpresoraPredeterminada();

// El formulario que está a la vista en la ventana principal.
using FormularioAVista = std::function<FormularioDatos*()>;
// El análisis de sensibilidad de la ventana principal, que lo crea si aún no existe.
using AnalisisDeVentana = std::function<frmSensibilidad*()>;

// El menú "Imprimir" de la ventana principal: cada formulario sale entero, tal como se ve,
// en una página. Las páginas de un mismo mandato van en un solo trabajo de impresión.
class Impresion : public QObject {
  Q_OBJECT
public:
  Impresion(Calculo& calculo, const Entorno& entorno, FormularioDe formulario,
            FormularioAVista aVista, AnalisisDeVentana analisis, QObject* padre);
  ~Impresion() override;

  // Un mandato del menú por su nombre (mnuPrintCaracteristicas, ..., mnuPrintTodo).
  void Mandato(const QString& nombre);

  // Lo mismo que "Todos los formularios", pero en `hoja` (un PDF) en vez de en la impresora
  // y cada formulario a lo ancho de la página. Vacío si salió bien; si no, el motivo.
  QString ImprimirTodoEn(QPagedPaintDevice& hoja);

  // f es uno de los cinco formularios de entrada.
  void ImprimirFormulario(Formulario f);
  void ImprimirResultados();
  void ImprimirServicio();
  void ImprimirSensibilidad();

private:
  // El formulario f con su forma de imprimirse.
  void ImprimirDe(Formulario f);
  class Trabajo;
  class Alcance;

  // El campo de la columna S que es el control activo del formulario a la vista, si éste
  // es uno de los cinco de entrada (o el del servicio, con deServicio).
  CampoTexto* CampoActivo(bool deServicio) const;
  // Confirma el campo en edición como al salir de él; lo devuelve para volver a entrar.
  CampoTexto* Confirmar(bool deServicio);
  void Reentrar(CampoTexto* campo, bool deServicio);
  void ImprimirPagina(QWidget* form);

  Calculo& calculo_;
  const Entorno& entorno_;
  FormularioDe formulario_;
  FormularioAVista aVista_;
  AnalisisDeVentana analisis_;
  std::unique_ptr<Trabajo> trabajo_;
  int niveles_ = 0;
  QPagedPaintDevice* destino_ = nullptr;  // sólo mientras dura ImprimirTodoEn
  QString motivo_;
};

}  // namespace dorvelna
