#include "gui/ventana/VentanaPrincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include "gui/comun/frmPreguntaGrabar.h"
#include "gui/formularios/FabricaFormularios.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/ayuda/Ayuda.h"
#include "gui/campos/Portapapeles.h"
#include "gui/ventana/BotonPatilla.h"
#include "gui/ventana/Impresion.h"
#include "gui/ventana/PantallaQt.h"
#include "gui/ventana/Rueda.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {

constexpr int kAltoPatillas = 1695;
constexpr int kAnchoTiraV = 400;
constexpr int kAltoTiraH = 400;
const QColor kFondoPatillas(255, 255, 192);
const QColor kColorActivoDiseno(180, 215, 168);
const QColor kFondoTodos(223, 217, 140);

struct Patilla {
  Formulario form;
  const char* boton;
  const char* texto;
  const char* menu;
};

constexpr Patilla kPatillas[] = {
    {Formulario::Caracteristicas, "cmbCaracteristicas", "Características Técnicas y de Explotación",
     "mnuCaracteristicas"},
    {Formulario::CostesFijos1, "cmbCostesF1", "Autocar y Equipos Auxiliares", "mnuFijos1"},
    {Formulario::CostesFijos2, "cmbCostesF2", "Personal, Seguros y Costes Fiscales", "mnuFijos2"},
    {Formulario::CostesVariables, "cmbCostesV",
     "Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes", "mnuVariables"},
    {Formulario::CostesIndirectos, "cmbIndirectos", "Costes Indirectos", "mnuIndirectos"},
    {Formulario::Resultados, "cmbResultados", "Resultados", "mnuResultados"},
    {Formulario::Servicio, "cmbServicio", "Costes de un servicio concreto", "mnuServicio"},
};

}  // namespace

const QStringList& MandatosDeCalculo() {
  static const QStringList nombres = {
      QStringLiteral("mnuNuevo"),           QStringLiteral("mnuCerrar"),
      QStringLiteral("mnuFileOpen"),        QStringLiteral("mnuFileSave"),
      QStringLiteral("mnuFileSaveAs"),      QStringLiteral("mnuCaracteristicas"),
      QStringLiteral("mnuTodosServicios"),  QStringLiteral("mnuFijos1"),
      QStringLiteral("mnuFijos2"),          QStringLiteral("mnuVariables"),
      QStringLiteral("mnuIndirectos"),      QStringLiteral("mnuResultados"),
      QStringLiteral("mnuServicio"),        QStringLiteral("mnuPrintCaracteristicas"),
      QStringLiteral("mnuPrintTodosServicios"), QStringLiteral("mnuPrintFijos1"),
      QStringLiteral("mnuPrintFijos2"),     QStringLiteral("mnuPrintVariables"),
      QStringLiteral("mnuPrintIndirectos"), QStringLiteral("mnuPrintResultados"),
      QStringLiteral("mnuPrintServicio"),   QStringLiteral("mnuPrintTodo"),
      QStringLiteral("mnuEditCut"),         QStringLiteral("mnuEditCopy"),
      QStringLiteral("mnuEditPaste")};
  return nombres;
}

VentanaPrincipal::VentanaPrincipal(Entorno entorno, QWidget* padre)
    : QMainWindow(padre),
      entorno_(std::move(entorno)),
      pantalla_(
          std::make_unique<PantallaQt>([this](Formulario f) { return ObtenerFormulario(f); })) {
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
      [this] { return FormActual(); }, this);
  connect(this, &VentanaPrincipal::imprimirPedido, impresion, &Impresion::Mandato);
  // Los mandatos de ayuda abren su archivo en una ventana de ayuda de esta ventana.
  connect(this, &VentanaPrincipal::ayudaPedida, this, [this](const QString& mandato) {
    MandatoAyuda(this, entorno_, mandato, estado_.ArchivoAyuda);
  });
  CrearMenus();
  CrearPatillas();
  CrearTirasDesplazamiento();
  resize(TwipsAPixeles(11985), TwipsAPixeles(8250));
}

VentanaPrincipal::~VentanaPrincipal() {
  estado_.calculo.PonerPantalla(nullptr);
  // Los formularios y los diálogos usan el estado y la edición, miembros que se destruyen
  // antes que los hijos de la ventana: se van ellos primero.
  qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
  delete central_;
}

void VentanaPrincipal::CrearMenus() {
  auto menu = [this](QMenu* padre, const char* nombre, const QString& texto) {
    QMenu* m = padre ? padre->addMenu(texto) : menuBar()->addMenu(texto);
    m->setObjectName(QString::fromLatin1(nombre));
    m->menuAction()->setObjectName(QString::fromLatin1(nombre));
    return m;
  };
  auto accion = [this](QMenu* padre, const char* nombre, const QString& texto, auto&& hacer) {
    QAction* a = padre->addAction(texto);
    a->setObjectName(QString::fromLatin1(nombre));
    connect(a, &QAction::triggered, this, hacer);
    return a;
  };
  auto separador = [](QMenu* padre, const char* nombre) {
    padre->addSeparator()->setObjectName(QString::fromLatin1(nombre));
  };

  QMenu* calculo = menu(nullptr, "mnuCalculo", QStringLiteral("Cálculo"));
  accion(calculo, "mnuNuevo", QStringLiteral("Nuevo Cálculo"), [this] { MostrarTipoVeh(); });
  accion(calculo, "mnuCerrar", QStringLiteral("Cerrar Cálculo"), [this] { CerrarCalculo(); });
  separador(calculo, "mnuSimulacionBar1");
  accion(calculo, "mnuFileExit", QStringLiteral("Salir"), [this] { close(); });

  QMenu* archivo = menu(nullptr, "mnuFile", QStringLiteral("Archivo"));
  accion(archivo, "mnuFileOpen", QStringLiteral("Abrir ..."),
         [this] { AbrirDialogoArchivo(QStringLiteral("abrir")); });
  accion(archivo, "mnuFileSave", QStringLiteral("Guardar ..."), [this] { GrabarArchivo(); });
  accion(archivo, "mnuFileSaveAs", QStringLiteral("Guardar como..."),
         [this] { AbrirDialogoArchivo(QStringLiteral("grabar")); });

  auto irA = [this](dorvelna::Formulario f) { return [this, f] { ActivarFormulario(f); }; };
  QMenu* formularios = menu(nullptr, "mnuFormularios", QStringLiteral("Formularios"));
  accion(formularios, "mnuCaracteristicas", QStringLiteral("Características Técnicas y de Explotación"),
         irA(Formulario::Caracteristicas));
  QMenu* todos = menu(formularios, "mnuTodosServicios",
                      QStringLiteral("Costes repercutidos a todos los servicios"));
  accion(todos, "mnuFijos1", QStringLiteral("Autocar y Equipos Auxiliares"),
         irA(Formulario::CostesFijos1));
  accion(todos, "mnuFijos2", QStringLiteral("Personal, Seguros y Costes Fiscales"),
         irA(Formulario::CostesFijos2));
  accion(todos, "mnuVariables",
         QStringLiteral("Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes"),
         irA(Formulario::CostesVariables));
  accion(todos, "mnuIndirectos", QStringLiteral("Costes Indirectos"),
         irA(Formulario::CostesIndirectos));
  accion(todos, "mnuResultados", QStringLiteral("Resultados"), irA(Formulario::Resultados));
  accion(formularios, "mnuServicio", QStringLiteral("Coste de un servicio concreto"),
         irA(Formulario::Servicio));

  auto imprimir = [this](const char* nombre) {
    return [this, nombre] { emit imprimirPedido(QString::fromLatin1(nombre)); };
  };
  QMenu* impresion = menu(nullptr, "mnuImprimir", QStringLiteral("Imprimir"));
  accion(impresion, "mnuPrintCaracteristicas",
         QStringLiteral("Características Técnicas y de Explotación"),
         imprimir("mnuPrintCaracteristicas"));
  QMenu* imprimirTodos = menu(impresion, "mnuPrintTodosServicios",
                              QStringLiteral("Costes repercutidos a todos los servicios"));
  accion(imprimirTodos, "mnuPrintFijos1", QStringLiteral("Autocar y Equipos Auxiliares"),
         imprimir("mnuPrintFijos1"));
  accion(imprimirTodos, "mnuPrintFijos2", QStringLiteral("Personal, Seguros y Costes Fiscales"),
         imprimir("mnuPrintFijos2"));
  accion(imprimirTodos, "mnuPrintVariables",
         QStringLiteral("Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes"),
         imprimir("mnuPrintVariables"));
  accion(imprimirTodos, "mnuPrintIndirectos", QStringLiteral("Costes Indirectos"),
         imprimir("mnuPrintIndirectos"));
  accion(imprimirTodos, "mnuPrintResultados", QStringLiteral("Resultados"),
         imprimir("mnuPrintResultados"));
  accion(impresion, "mnuPrintServicio", QStringLiteral("Costes de un servicio concreto"),
         imprimir("mnuPrintServicio"));
  accion(impresion, "mnuPrintTodo", QStringLiteral("Todos los formularios"),
         imprimir("mnuPrintTodo"));

  QMenu* edicion = menu(nullptr, "mnuEdit", QStringLiteral("Edición"));
  accion(edicion, "mnuEditCut", QStringLiteral("Cortar"), [] { Cortar(); })
      ->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
  accion(edicion, "mnuEditCopy", QStringLiteral("Copiar"), [] { Copiar(); })
      ->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  accion(edicion, "mnuEditPaste", QStringLiteral("Pegar"), [] { Pegar(); })
      ->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));

  QMenu* ayuda = menu(nullptr, "mnuHelp", QStringLiteral("Ayuda"));
  accion(ayuda, "mnuHelpContents", QStringLiteral("Contenido"),
         [this] { emit ayudaPedida(QStringLiteral("mnuHelpContents")); });
  separador(ayuda, "mnuHelpBar1");
  accion(ayuda, "mnuHelpAbout", QStringLiteral("Acerca de ..."), [this] { MostrarAcercaDe(); });

  QMenu* calibrario = menu(nullptr, "mnuCalibrario", QStringLiteral("Calibrario de Costes"));
  accion(calibrario, "mnuAcuerdos", QStringLiteral("Acuerdos"),
         [this] { emit ayudaPedida(QStringLiteral("mnuAcuerdos")); });

  // Abrir un menú (salvo "Edición") confirma antes el campo que se está editando.
  for (QMenu* m : {calculo, archivo, formularios, impresion, ayuda, calibrario}) {
    connect(m, &QMenu::aboutToShow, this, [this] {
      if (patillas_ && patillas_->isVisible()) patillas_->setFocus(Qt::OtherFocusReason);
    });
  }
}

void VentanaPrincipal::CrearPatillas() {
  patillas_ = new QWidget(central_);
  patillas_->setObjectName(QStringLiteral("Patillas"));
  PintarFondo(patillas_, kFondoPatillas);
  patillas_->setFocusPolicy(Qt::ClickFocus);
  patillas_->installEventFilter(this);

  frameTodos_ = new QGroupBox(QStringLiteral("Costes repercutidos a todos los servicios"),
                              patillas_);
  frameTodos_->setObjectName(QStringLiteral("FrameTodos"));
  frameTodos_->setGeometry(RectTwips(1800, 60, 7215, 1515));
  PintarFondo(frameTodos_, kFondoTodos);
  QFont negrita = frameTodos_->font();
  negrita.setBold(true);
  frameTodos_->setFont(negrita);

  struct Sitio {
    QWidget* contenedor;
    int left, top, width, height;
  };
  const Sitio sitios[] = {{patillas_, 120, 300, 1575, 1215},  {frameTodos_, 120, 240, 1215, 1215},
                          {frameTodos_, 1440, 240, 1215, 1215}, {frameTodos_, 2760, 240, 1815, 1215},
                          {frameTodos_, 4680, 240, 1095, 1215}, {frameTodos_, 5880, 240, 1215, 1215},
                          {patillas_, 9120, 540, 1215, 735}};
  for (int k = 0; k < 7; ++k) {
    auto* boton = new dorvelna::BotonPatilla(QString::fromUtf8(kPatillas[k].texto), sitios[k].contenedor);
    boton->setObjectName(QString::fromLatin1(kPatillas[k].boton));
    boton->setGeometry(
        RectTwips(sitios[k].left, sitios[k].top, sitios[k].width, sitios[k].height));
    boton->installEventFilter(this);
    const dorvelna::Formulario f = kPatillas[k].form;
    connect(boton, &QPushButton::clicked, this, [this, f] { ActivarFormulario(f); });
    botones_[k] = boton;
  }
  static_cast<dorvelna::BotonPatilla*>(botones_[0])->PonerColor(kColorActivoDiseno);

  auto* cerrar = new dorvelna::BotonPatilla(QStringLiteral("Cerrar"), patillas_);
  cerrar->setObjectName(QStringLiteral("cmbCerrar"));
  cerrar->setGeometry(RectTwips(10980, 420, 915, 375));
  cerrar->installEventFilter(this);
  connect(cerrar, &QPushButton::clicked, this, [this] { CerrarCalculo(); });
  auto* grabar = new dorvelna::BotonPatilla(QStringLiteral("Grabar"), patillas_);
  grabar->setObjectName(QStringLiteral("cmbGrabar"));
  grabar->setGeometry(RectTwips(10980, 900, 915, 375));
  grabar->installEventFilter(this);
  connect(grabar, &QPushButton::clicked, this, [this] { GrabarArchivo(); });
  for (QPushButton* b : {static_cast<QPushButton*>(cerrar), static_cast<QPushButton*>(grabar)}) {
    QFont f = b->font();
    b->setFont(f);
  }
  patillas_->hide();
}

void VentanaPrincipal::CrearTirasDesplazamiento() {
  const QColor colorTira = QApplication::palette().color(QPalette::Button);
  picV_ = new QWidget(central_);
  picV_->setObjectName(QStringLiteral("PicVScroll"));
  PintarFondo(picV_, colorTira);
  vscroll_ = new QScrollBar(Qt::Vertical, picV_);
  vscroll_->setObjectName(QStringLiteral("VScroll1"));
  picH_ = new QWidget(central_);
  picH_->setObjectName(QStringLiteral("PicHScroll"));
  PintarFondo(picH_, colorTira);
  hscroll_ = new QScrollBar(Qt::Horizontal, picH_);
  hscroll_->setObjectName(QStringLiteral("HScroll1"));
  for (QScrollBar* barra : {vscroll_, hscroll_}) {
    barra->setRange(0, 5000);
    barra->setSingleStep(600);
    barra->setPageStep(5000);
    barra->setFocusPolicy(Qt::ClickFocus);
    barra->installEventFilter(this);
  }
  for (QWidget* tira : {picV_, picH_}) {
    tira->setFocusPolicy(Qt::ClickFocus);
    tira->installEventFilter(this);
    tira->hide();
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
    patillas_->setGeometry(0, 0, total.width(), TwipsAPixeles(kAltoPatillas));
    arriba = patillas_->height();
  }
  if (picH_->isVisible()) {
    const int alto = TwipsAPixeles(kAltoTiraH);
    picH_->setGeometry(0, total.height() - alto, total.width(), alto);
    abajo -= alto;
  }
  if (picV_->isVisible()) {
    const int ancho = TwipsAPixeles(kAnchoTiraV);
    picV_->setGeometry(total.width() - ancho, arriba, ancho, std::max(0, abajo - arriba));
    derecha -= ancho;
  }
  area_->setGeometry(0, arriba, std::max(0, derecha), std::max(0, abajo - arriba));
  vscroll_->setGeometry(TwipsAPixeles(80), 0, TwipsAPixeles(240), picV_->height());
  const int anchoH = picH_->width() - (picV_->isVisible() ? picV_->width() : 0);
  hscroll_->setGeometry(0, TwipsAPixeles(80), std::max(0, anchoH), TwipsAPixeles(240));
}

void VentanaPrincipal::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  ColocarTiras();
}

void VentanaPrincipal::Cargar(bool mostrarNueva) {
  colorFondo_ = area_->palette().color(QPalette::Window);
  setWindowTitle(QStringLiteral("DORVELNA"));
  formActual_ = nullptr;
  estado_.Cancelado = true;
  PonerHabilitadas(MandatosDeCalculo(), false);
  PonerHabilitadas({QStringLiteral("mnuNuevo"), QStringLiteral("mnuFileOpen")}, true);
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
  const int ancho = TwipsAPixeles(kAnchoTiraV + 11595) + extraAncho;
  int izquierda = trabajo.left();
  int anchoFinal = ancho;
  if (ancho >= trabajo.width()) anchoFinal = trabajo.width();
  else izquierda = trabajo.left() + (trabajo.width() - ancho) / 2;
  resize(anchoFinal - extraAncho, trabajo.height() - extraAlto);
  move(izquierda, trabajo.top());
}

QAction* VentanaPrincipal::Accion(const QString& nombre) const {
  return findChild<QAction*>(nombre);
}

QMenu* VentanaPrincipal::Menu(const QString& nombre) const { return findChild<QMenu*>(nombre); }

void VentanaPrincipal::PonerHabilitadas(const QStringList& nombres, bool habilitadas) {
  for (const QString& n : nombres) {
    if (QAction* a = Accion(n)) a->setEnabled(habilitadas);
  }
}

void VentanaPrincipal::MenusSinCalculo() {
  PonerHabilitadas(MandatosDeCalculo(), false);
  PonerHabilitadas({QStringLiteral("mnuNuevo"), QStringLiteral("mnuFileOpen")}, true);
}

void VentanaPrincipal::MenusConCalculo() {
  PonerHabilitadas(MandatosDeCalculo(), true);
  PonerHabilitadas({QStringLiteral("mnuNuevo"), QStringLiteral("mnuFileOpen")}, false);
}

void VentanaPrincipal::MenusDialogoNuevo() { PonerHabilitadas(MandatosDeCalculo(), false); }

QPushButton* VentanaPrincipal::BotonDe(dorvelna::Formulario f) const {
  return botones_[static_cast<int>(f)];
}

QColor VentanaPrincipal::ColorInactivo() const {
  auto* cerrar = patillas_->findChild<QPushButton*>(QStringLiteral("cmbCerrar"));
  return cerrar ? cerrar->palette().color(QPalette::Button) : QColor();
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
  MenusConCalculo();
  colorActivo_ = static_cast<dorvelna::BotonPatilla*>(botones_[0])->Color();
  patillas_->show();
  PintarFondo(area_, patillas_->palette().color(QPalette::Window));
  FormularioDatos* form = ObtenerFormulario(dorvelna::Formulario::Caracteristicas);
  formActual_ = form;
  PosicionV = 0;
  PosicionH = 0;
  PintarFondo(form, area_->palette().color(QPalette::Window));
  PintarFondo(form->Frame1, colorActivo_);
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
  for (auto& form : formularios_) {
    if (form) {
      form->hide();
      form->deleteLater();
      form = nullptr;
    }
  }
  MenusSinCalculo();
  static_cast<dorvelna::BotonPatilla*>(botones_[0])->PonerColor(colorActivo_.isValid() ? colorActivo_ : kColorActivoDiseno);
  for (int k = 1; k < 7; ++k) static_cast<dorvelna::BotonPatilla*>(botones_[k])->PonerColor(ColorInactivo());
  PintarFondo(area_, colorFondo_);
  picV_->hide();
  picH_->hide();
  patillas_->hide();
  ColocarTiras();
}

void VentanaPrincipal::DesactivarFormulario() {
  QuitarRueda(formActual_);
  for (QPushButton* b : botones_) static_cast<dorvelna::BotonPatilla*>(b)->PonerColor(ColorInactivo());
  if (formActual_ && formActual_->Tipo() == dorvelna::Formulario::Resultados) {
    PosicionV = vscroll_->value();
    PosicionH = hscroll_->value();
  }
  if (formActual_) formActual_->hide();
}

void VentanaPrincipal::ActivarFormulario(dorvelna::Formulario f) {
  if (!patillas_->isVisible()) return;
  DesactivarFormulario();
  static_cast<dorvelna::BotonPatilla*>(BotonDe(f))->PonerColor(colorActivo_);
  FormularioDatos* form = ObtenerFormulario(f);
  PintarFondo(form, area_->palette().color(QPalette::Window));
  PintarFondo(form->Frame1, colorActivo_);
  form->show();
  form->raise();
  formActual_ = form;
  SituarScrollV(form);
  SituarScrollH(form);
  InstalarRueda(form);
  DevolverFoco();
}

void VentanaPrincipal::DevolverFoco() {
  if (!formActual_) return;
  if (QWidget* control = formActual_->ControlActivo()) control->setFocus(Qt::OtherFocusReason);
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == central_ && e->type() == QEvent::Resize) {
    ColocarTiras();
    return false;
  }
  if ((objeto == picV_ || objeto == picH_) && e->type() == QEvent::Resize) {
    TiraRedimensionada(static_cast<QWidget*>(objeto), static_cast<QResizeEvent*>(e)->oldSize());
    return false;
  }
  // Las tiras y las barras nunca se quedan con el foco; las teclas de página sí desplazan.
  if (e->type() == QEvent::FocusIn && formActual_) {
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

}  // namespace dorvelna

namespace dorvelna {
FormularioDatos* VentanaPrincipal::FormActual() const { return formActual_; }
}  // namespace dorvelna
