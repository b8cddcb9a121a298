// Los menús de la ventana principal: qué hace cada entrada de la tabla de menús y cómo la
// barra de menús convive con el campo que se está editando.
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <utility>

#include "gui/campos/CampoTexto.h"
#include "gui/campos/Portapapeles.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/AbrirCalculo.h"
#include "gui/ventana/Exportacion.h"
#include "gui/ventana/Impresion.h"
#include "gui/ventana/Recientes.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

void VentanaPrincipal::CrearMenus() {
  auto irA = [this](Formulario f) { return [this, f] { ActivarFormulario(f); }; };
  auto ayuda = [this](const char* nombre) {
    return [this, nombre] { emit ayudaPedida(QString::fromLatin1(nombre)); };
  };
  Mandatos mandatos = {
      {QStringLiteral("mnuNuevo"), [this] { MostrarTipoVeh(); }},
      {QStringLiteral("mnuCerrar"), [this] { CerrarCalculo(); }},
      {QStringLiteral("mnuFileExit"), [this] { close(); }},
      {QStringLiteral("mnuFileOpen"), [this] { AbrirDialogoArchivo(QStringLiteral("abrir")); }},
      {QStringLiteral("mnuRecientes"),
       [this] {
         // Se abre como "Abrir ..."; uno que ya no está da el mensaje del lector
         // ("Archivo no encontrado.") y sale de la lista.
         LlenarMenuRecientes(*Accion(QStringLiteral("mnuRecientes"))->menu(),
                             Accion(QStringLiteral("mnuRecientesBar1")),
                             [this](const QString& ruta) {
                               if (AbrirCalculo(estado_, ruta, this, entorno_)) CargarPatillas();
                               else if (!QFileInfo::exists(ruta)) QuitarReciente(ruta);
                             });
       }},
      {QStringLiteral("mnuVaciarRecientes"), [] { VaciarRecientes(); }},
      {QStringLiteral("mnuFileSave"), [this] { GrabarArchivo(); }},
      {QStringLiteral("mnuFileSaveAs"), [this] { AbrirDialogoArchivo(QStringLiteral("grabar")); }},
      {QStringLiteral("mnuExportarPdf"),
       [this, impresion = findChild<Impresion*>()] {
         MandatoExportarPdf(
             this, estado_.calculo, estado_.NombreArchivo,
             [impresion](QPagedPaintDevice& hoja) { return impresion->ImprimirTodoEn(hoja); },
             entorno_);
       }},
      {QStringLiteral("mnuExportarHoja"),
       [this] { MandatoExportarHoja(this, estado_.calculo, estado_.NombreArchivo, entorno_); }},
      {QStringLiteral("mnuCaracteristicas"), irA(Formulario::Caracteristicas)},
      {QStringLiteral("mnuFijos1"), irA(Formulario::CostesFijos1)},
      {QStringLiteral("mnuFijos2"), irA(Formulario::CostesFijos2)},
      {QStringLiteral("mnuVariables"), irA(Formulario::CostesVariables)},
      {QStringLiteral("mnuIndirectos"), irA(Formulario::CostesIndirectos)},
      {QStringLiteral("mnuResultados"), irA(Formulario::Resultados)},
      {QStringLiteral("mnuServicio"), irA(Formulario::Servicio)},
      {QStringLiteral("mnuSensibilidad"), [this] { ActivarSensibilidad(); }},
      {QStringLiteral("mnuEditCut"), [] { Cortar(); }},
      {QStringLiteral("mnuEditCopy"), [] { Copiar(); }},
      {QStringLiteral("mnuEditPaste"), [] { Pegar(); }},
      {QStringLiteral("mnuHelpContents"), ayuda("mnuHelpContents")},
      {QStringLiteral("mnuHelpAbout"), [this] { MostrarAcercaDe(); }},
      {QStringLiteral("mnuAcuerdos"), ayuda("mnuAcuerdos")},
  };
  // El menú "Imprimir" pide cada una de sus entradas por imprimirPedido.
  for (const QString& nombre : AccionesBajo("mnuImprimir")) {
    mandatos.insert(nombre, [this, nombre] { emit imprimirPedido(nombre); });
  }
  // Abrir un menú (salvo "Edición") confirma antes el campo que se está editando.
  for (const char* menu :
       {"mnuCalculo", "mnuFile", "mnuFormularios", "mnuImprimir", "mnuHelp", "mnuCalibrario"}) {
    mandatos.insert(QString::fromLatin1(menu), [this] { ConfirmarAntesDeMenu(); });
  }
  menus_ = std::make_unique<MenusVentana>(*menuBar(), *this, mandatos);
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, this, &VentanaPrincipal::TomarBarraMenus);
  connect(qApp, &QApplication::focusChanged, this, &VentanaPrincipal::FocoCambiado);
}

// La barra de menús tomada con el teclado deja el campo en edición. Si al dejarla el foco no
// vuelve a ese campo sino que va a otro control (un clic en un botón de opción, por ejemplo),
// se ha salido del campo.
void VentanaPrincipal::FocoCambiado(QWidget* antes, QWidget* ahora) {
  const QWidget* barra = menuBar();
  if (ahora && ahora == barra) {
    campoTrasBarra_ = qobject_cast<CampoTexto*>(antes);
    return;
  }
  // Un menú que se abre desde la barra no es dejarla.
  if (!antes || antes != barra || !ahora || ahora->window() != this) return;
  const QPointer<CampoTexto> campo = std::exchange(campoTrasBarra_, nullptr);
  if (campo && campo != ahora && campo->EnEdicion()) campo->Confirmar();
}

// El foco pasa a las patillas, que lo devuelven al control activo: el campo sale (se confirma)
// y vuelve a entrar. Si la barra de menús tomó el foco con el teclado, el campo ya no lo tiene
// pero sigue en edición: se confirma aquí.
void VentanaPrincipal::ConfirmarAntesDeMenu() {
  if (!patillas_ || !patillas_->isVisible()) return;
  auto* campo = qobject_cast<CampoTexto*>(ActivoDe(formActual_));
  if (campo && campo->EnEdicion()) campo->Confirmar();
  campoTrasBarra_ = nullptr;
  patillas_->setFocus(Qt::OtherFocusReason);
}

// F10 toma la barra de menús igual que Alt: marca el primer menú sin abrirlo, y una segunda
// vez la deja. La barra sólo entra así al pulsar y soltar Alt, de modo que se le hace llegar
// ese gesto. (Los modificadores de un suceso de la propia tecla Alt son los de antes de ella.)
void VentanaPrincipal::TomarBarraMenus() {
  QKeyEvent pulsada(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
  pulsada.ignore();
  QCoreApplication::sendEvent(this, &pulsada);
  QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
  QCoreApplication::sendEvent(menuBar(), &soltada);
}

}  // namespace dorvelna
