#include "gui/ventana/VentanaPrincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <utility>

#include "gui/ayuda/Ayuda.h"
#include "gui/campos/CampoTexto.h"
#include "gui/comun/Identidad.h"
#include "gui/comun/Twips.h"
#include "gui/formularios/FabricaFormularios.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/frmSensibilidad.h"
#include "gui/ventana/AbrirCalculo.h"
#include "gui/ventana/Impresion.h"
#include "gui/ventana/PantallaQt.h"
#include "gui/ventana/Rueda.h"
#include "gui/ventana/SoltarCalculos.h"

namespace dorvelna {

VentanaPrincipal::VentanaPrincipal(Entorno entorno, QWidget* padre)
    : QMainWindow(padre),
      entorno_(std::move(entorno)),
      pantalla_(std::make_unique<PantallaQt>([this](Formulario f) { return ObtenerFormulario(f); },
                                             [this] { ResultadosSCambiados(); })) {
  setObjectName(QStringLiteral("frmMain"));
  estado_.calculo.PonerPantalla(pantalla_.get());

  central_ = new QWidget(this);
  setCentralWidget(central_);
  central_->installEventFilter(this);
  area_ = new QWidget(central_);
  area_->setObjectName(QStringLiteral("AreaCliente"));
  PintarFondo(area_, QApplication::palette().color(QPalette::Dark));

  // El menú "Imprimir" pide sus mandatos por imprimirPedido.
  auto* impresion = new Impresion(
      estado_.calculo, entorno_, [this](Formulario f) { return ObtenerFormulario(f); },
      [this] { return FormActual(); }, [this] { return ObtenerSensibilidad(); }, this);
  connect(this, &VentanaPrincipal::imprimirPedido, impresion, &Impresion::Mandato);
  // Los mandatos de ayuda abren su archivo en una ventana de ayuda de esta ventana.
  connect(this, &VentanaPrincipal::ayudaPedida, this, [this](const QString& mandato) {
    MandatoAyuda(this, entorno_, mandato, estado_.ArchivoAyuda);
  });
  CrearMenus();
  CrearPatillas();
  CrearTirasDesplazamiento();
  // Un .dvn soltado se abre como con "Abrir ...", cerrando antes (con su pregunta) el cálculo
  // abierto; no mientras se eligen cálculo nuevo o clase de autocar.
  new SoltarCalculos(
      *this,
      [this] {
        return patillas_->isVisible() || Accion(QStringLiteral("mnuFileOpen"))->isEnabled();
      },
      [this](const QString& ruta) {
        if (patillas_->isVisible()) CerrarCalculo();
        if (!patillas_->isVisible() && AbrirCalculo(estado_, ruta, this, entorno_))
          CargarPatillas();
      });
  resize(TwipsAPixeles(11985), TwipsAPixeles(8250));
}

VentanaPrincipal::~VentanaPrincipal() {
  // Al destruirse los hijos el foco aún cambia; esta ventana ya no lo sigue.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  estado_.calculo.PonerPantalla(nullptr);
  // Los formularios y los diálogos usan el estado y la edición, miembros que se destruyen
  // antes que los hijos de la ventana: se van ellos primero.
  qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
  delete central_;
}

void VentanaPrincipal::CrearPatillas() {
  patillas_ = new TiraPatillas(central_);
  patillas_->FiltrarCon(this);
  connect(patillas_, &TiraPatillas::formularioPedido, this, &VentanaPrincipal::ActivarFormulario);
  connect(patillas_, &TiraPatillas::cerrarPedido, this, [this] { CerrarCalculo(); });
  connect(patillas_, &TiraPatillas::grabarPedido, this, [this] { GrabarArchivo(); });
}

void VentanaPrincipal::CrearTirasDesplazamiento() {
  picV_ = new TiraDesplazamiento(Qt::Vertical, QStringLiteral("PicVScroll"),
                                 QStringLiteral("VScroll1"), central_);
  picH_ = new TiraDesplazamiento(Qt::Horizontal, QStringLiteral("PicHScroll"),
                                 QStringLiteral("HScroll1"), central_);
  vscroll_ = picV_->Barra();
  hscroll_ = picH_->Barra();
  for (TiraDesplazamiento* tira : {picV_, picH_}) {
    tira->FiltrarCon(this);
    connect(tira, &TiraDesplazamiento::redimensionada, this,
            [this, tira](const QSize& anterior) { TiraRedimensionada(tira, anterior); });
  }
  connect(vscroll_, &QScrollBar::valueChanged, this, [this] { CambioScrollV(); });
  connect(hscroll_, &QScrollBar::valueChanged, this, [this] { CambioScrollH(); });
}

// Tiras pegadas a los bordes: patillas arriba, la horizontal abajo a todo lo ancho, la
// vertical a la derecha entre las dos; el área de trabajo ocupa el resto.
void VentanaPrincipal::ColocarTiras() {
  const QRect total = central_->rect();
  int arriba = 0, abajo = total.height(), derecha = total.width();
  if (patillas_->isVisible()) {
    patillas_->setGeometry(0, 0, total.width(), TwipsAPixeles(TiraPatillas::kAlto));
    arriba = patillas_->height();
  }
  const int grosor = TwipsAPixeles(TiraDesplazamiento::kGrosor);
  if (picH_->isVisible()) {
    picH_->setGeometry(0, total.height() - grosor, total.width(), grosor);
    abajo -= grosor;
  }
  if (picV_->isVisible()) {
    picV_->setGeometry(total.width() - grosor, arriba, grosor, std::max(0, abajo - arriba));
    derecha -= grosor;
  }
  area_->setGeometry(0, arriba, std::max(0, derecha), std::max(0, abajo - arriba));
  if (sensibilidad_ && sensibilidad_->isVisible()) {
    const int margen = TwipsAPixeles(180);
    sensibilidad_->setGeometry(area_->rect().adjusted(margen, margen, -margen, -margen));
  }
  picV_->ColocarBarra(picV_->height());
  picH_->ColocarBarra(std::max(0, picH_->width() - (picV_->isVisible() ? picV_->width() : 0)));
}

void VentanaPrincipal::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  ColocarTiras();
}

void VentanaPrincipal::Cargar(bool mostrarNueva) {
  colorFondo_ = area_->palette().color(QPalette::Window);
  setWindowTitle(TituloPrograma());
  formActual_ = nullptr;
  estado_.Cancelado = true;
  PonerMenus(SituacionMenus::SinCalculo);
  estado_.calculo.InicializarDatos();
  Colocar();
  if (mostrarNueva) MostrarNueva();
}

// La ventana ocupa todo el alto del área de trabajo y el ancho justo para un formulario
// con sus márgenes y la tira vertical; si no cabe, todo el ancho.
void VentanaPrincipal::Colocar() {
  if (isMinimized() || isMaximized()) return;
  const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!pantalla) return;
  const QRect trabajo = pantalla->availableGeometry();
  const int extraAncho = frameGeometry().width() - geometry().width();
  const int extraAlto = frameGeometry().height() - geometry().height();
  const int ancho = TwipsAPixeles(TiraDesplazamiento::kGrosor + 11595) + extraAncho;
  int izquierda = trabajo.left();
  int anchoFinal = ancho;
  if (ancho >= trabajo.width()) anchoFinal = trabajo.width();
  else izquierda = trabajo.left() + (trabajo.width() - ancho) / 2;
  resize(anchoFinal - extraAncho, trabajo.height() - extraAlto);
  move(izquierda, trabajo.top());
}

FormularioDatos* VentanaPrincipal::FormularioCargado(dorvelna::Formulario f) const {
  return formularios_[static_cast<int>(f)];
}

FormularioDatos* VentanaPrincipal::ObtenerFormulario(dorvelna::Formulario f) {
  QPointer<FormularioDatos>& form = formularios_[static_cast<int>(f)];
  if (!form) {
    form = CrearFormulario(f, estado_.calculo, edicion_, area_);
    ConectarFormulario(form);
    form->hide();
    form->move(TwipsAPixeles(180), TwipsAPixeles(180));
  }
  return form;
}

void VentanaPrincipal::CargarPatillas() {
  PonerMenus(SituacionMenus::ConCalculo);
  patillas_->TomarColorActivo();
  patillas_->show();
  PintarFondo(area_, patillas_->palette().color(QPalette::Window));
  FormularioDatos* form = ObtenerFormulario(dorvelna::Formulario::Caracteristicas);
  formActual_ = form;
  PosicionV = 0;
  PosicionH = 0;
  PintarFondo(form, area_->palette().color(QPalette::Window));
  PintarFondo(form->Frame1, patillas_->ColorActivo());
  form->show();
  form->raise();
  picV_->show();
  picH_->show();
  ColocarTiras();
  const int altoV = PixelesATwips(picV_->height());
  const int altoForm = PixelesATwips(form->height());
  vscroll_->setMinimum(0);
  vscroll_->setMaximum(altoForm + 360 > altoV ? altoForm + 360 - altoV : 0);
  vscroll_->setValue(0);
  const int anchoH = PixelesATwips(picH_->width());
  const int anchoV = PixelesATwips(picV_->width());
  const int anchoForm = PixelesATwips(form->width());
  hscroll_->setMinimum(0);
  hscroll_->setMaximum(anchoForm + 360 + anchoV > anchoH ? anchoForm + 360 + anchoV - anchoH : 0);
  hscroll_->setValue(0);
  SituarScrollV(form);
  SituarScrollH(form);
  InstalarRueda(form);
  DevolverFoco();
}

void VentanaPrincipal::CerrarPatillas() {
  estado_.NombreArchivo.clear();
  QuitarRueda(formActual_);
  formActual_ = nullptr;
  estado_.calculo.InicializarDatos();
  if (sensibilidad_) {
    sensibilidad_->hide();
    sensibilidad_->deleteLater();
    sensibilidad_ = nullptr;
  }
  for (auto& form : formularios_) {
    if (form) {
      form->hide();
      form->deleteLater();
      form = nullptr;
    }
  }
  PonerMenus(SituacionMenus::SinCalculo);
  patillas_->RestaurarColores();
  PintarFondo(area_, colorFondo_);
  picV_->hide();
  picH_->hide();
  patillas_->hide();
  ColocarTiras();
}

void VentanaPrincipal::DesactivarFormulario() {
  QuitarRueda(formActual_);
  patillas_->Desmarcar();
  if (formActual_ && formActual_->Tipo() == dorvelna::Formulario::Resultados) {
    PosicionV = vscroll_->value();
    PosicionH = hscroll_->value();
  }
  if (formActual_) formActual_->hide();
  if (sensibilidad_) sensibilidad_->hide();
}

void VentanaPrincipal::ActivarFormulario(dorvelna::Formulario f) {
  if (!patillas_->isVisible()) return;
  DesactivarFormulario();
  patillas_->Marcar(f);
  if (!picV_->isVisible()) {
    picV_->show();
    picH_->show();
    ColocarTiras();
  }
  FormularioDatos* form = ObtenerFormulario(f);
  PintarFondo(form, area_->palette().color(QPalette::Window));
  PintarFondo(form->Frame1, patillas_->ColorActivo());
  form->show();
  form->raise();
  formActual_ = form;
  SituarScrollV(form);
  SituarScrollH(form);
  InstalarRueda(form);
  DevolverFoco();
}

frmSensibilidad* VentanaPrincipal::ObtenerSensibilidad() {
  if (!sensibilidad_) {
    sensibilidad_ = new frmSensibilidad(estado_.calculo, area_);
    sensibilidad_->hide();
    sensibilidad_->resize(TwipsAPixeles(11595), TwipsAPixeles(9000));
  }
  return sensibilidad_;
}

// Ocupa el área de trabajo entera y se desplaza con sus propias barras: las tiras de
// desplazamiento, que mueven los formularios de datos, se apartan mientras está a la vista.
void VentanaPrincipal::ActivarSensibilidad() {
  if (!patillas_->isVisible()) return;
  DesactivarFormulario();
  formActual_ = nullptr;
  frmSensibilidad* form = ObtenerSensibilidad();
  form->Actualizar();
  PintarFondo(form->Frame1, patillas_->ColorActivo());
  form->show();
  form->raise();
  picV_->hide();
  picH_->hide();
  ColocarTiras();
  DevolverFoco();
}

void VentanaPrincipal::ResultadosSCambiados() {
  if (sensibilidad_) sensibilidad_->PedirActualizacion();
}

void VentanaPrincipal::DevolverFoco() {
  if (sensibilidad_ && sensibilidad_->isVisible()) {
    QWidget* control = sensibilidad_->focusWidget();
    (control ? control : sensibilidad_->cmbVariacion)->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (!formActual_) return;
  if (QWidget* control = formActual_->ControlActivo()) control->setFocus(Qt::OtherFocusReason);
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == central_ && e->type() == QEvent::Resize) {
    ColocarTiras();
    return false;
  }
  // La rueda sobre una barra no la mueve por su cuenta (tres pasos pequeños, o la barra
  // horizontal): el gancho de la rueda ya ha movido el formulario un paso por el giro.
  if ((objeto == vscroll_ || objeto == hscroll_) && e->type() == QEvent::Wheel) {
    e->ignore();
    return true;
  }
  // Las tiras y las barras nunca se quedan con el foco; las teclas de página sí desplazan.
  if (e->type() == QEvent::FocusIn &&
      (formActual_ || (sensibilidad_ && sensibilidad_->isVisible()))) {
    DevolverFoco();
    return false;
  }
  if (e->type() == QEvent::KeyPress && formActual_) {
    auto* tecla = static_cast<QKeyEvent*>(e);
    if (tecla->key() == Qt::Key_PageDown || tecla->key() == Qt::Key_PageUp) {
      TeclaNavegacion(tecla->key() == Qt::Key_PageDown ? 34 : 33, formActual_);
      return true;
    }
  }
  return QMainWindow::eventFilter(objeto, e);
}

void VentanaPrincipal::closeEvent(QCloseEvent* e) {
  if (!patillas_->isVisible() || !HayCambios()) {
    e->accept();
    return;
  }
  e->setAccepted(!PreguntarAntesDeCerrar(QStringLiteral("Salir")));
}

void VentanaPrincipal::CerrarCalculo() {
  if (!HayCambios() || !PreguntarAntesDeCerrar(QStringLiteral("Cerrar"))) CerrarPatillas();
}

FormularioDatos* VentanaPrincipal::FormActual() const { return formActual_; }

}  // namespace dorvelna
