#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "nucleo/model/Calculo.h"

class QPagedPaintDevice;
class QPrinter;

namespace dorvelna {

class CampoTexto;
class FormularioDatos;
class VentanaPrincipal;

// Impresora a la que van los trabajos: por omisión la predeterminada del sistema, sin
// diálogo; nula si no hay ninguna. Las pruebas la cambian para imprimir a un PDF.
using FabricaImpresora = std::function<std::unique_ptr<QPrinter>()>;
void FijarFabricaImpresora(FabricaImpresora fabrica);  // vacía: vuelve a la del sistema
std::unique_ptr<QPrinter> ImpresoraPredeterminada();

// El menú "Imprimir" de la ventana principal: cada formulario sale entero, tal como se ve,
// en una página. Las páginas de un mismo mandato van en un solo trabajo de impresión.
class Impresion : public QObject {
  Q_OBJECT
public:
  explicit Impresion(VentanaPrincipal& ventana);
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

private:
  class Trabajo;
  class Alcance;

  // El campo de la columna S que es el control activo del formulario a la vista, si éste
  // es uno de los cinco de entrada (o el del servicio, con deServicio).
  CampoTexto* CampoActivo(bool deServicio) const;
  // Confirma el campo en edición como al salir de él; lo devuelve para volver a entrar.
  CampoTexto* Confirmar(bool deServicio);
  void Reentrar(CampoTexto* campo, bool deServicio);
  void ImprimirPagina(FormularioDatos* form);

  VentanaPrincipal& ventana_;
  std::unique_ptr<Trabajo> trabajo_;
  int niveles_ = 0;
  QPagedPaintDevice* destino_ = nullptr;  // sólo mientras dura ImprimirTodoEn
  QString motivo_;
};

}  // namespace dorvelna
