#include "gui/ventana/TiraPatillas.h"

#include <QGroupBox>

#include "gui/comun/Aspecto.h"
#include "gui/comun/Twips.h"
#include "gui/ventana/BotonPatilla.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {

const QColor kFondoPatillas(255, 255, 192);
const QColor kColorActivoDiseno(180, 215, 168);
const QColor kFondoTodos(223, 217, 140);

// Sitio de cada botón en twips; los cinco del medio van dentro de FrameTodos. Su texto es
// el rótulo del formulario.
struct Patilla {
  Formulario form;
  const char* boton;
  bool enTodos;
  int left, top, width, height;
};

constexpr Patilla kPatillas[] = {
    {Formulario::Caracteristicas, "cmbCaracteristicas", false, 120, 300, 1575, 1215},
    {Formulario::CostesFijos1, "cmbCostesF1", true, 120, 240, 1215, 1215},
    {Formulario::CostesFijos2, "cmbCostesF2", true, 1440, 240, 1215, 1215},
    {Formulario::CostesVariables, "cmbCostesV", true, 2760, 240, 1815, 1215},
    {Formulario::CostesIndirectos, "cmbIndirectos", true, 4680, 240, 1095, 1215},
    {Formulario::Resultados, "cmbResultados", true, 5880, 240, 1215, 1215},
    {Formulario::Servicio, "cmbServicio", false, 9120, 540, 1215, 735},
};

}  // namespace

TiraPatillas::TiraPatillas(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("Patillas"));
  PintarFondo(this, kFondoPatillas);
  setFocusPolicy(Qt::ClickFocus);

  auto* todos = new QGroupBox(QStringLiteral("Costes repercutidos a todos los servicios"), this);
  todos->setObjectName(QStringLiteral("FrameTodos"));
  todos->setGeometry(RectTwips(1800, 60, 7215, 1515));
  PintarFondo(todos, kFondoTodos);
  PonerNegrita(todos);

  for (int k = 0; k < 7; ++k) {
    const Patilla& p = kPatillas[k];
    auto* boton =
        new BotonPatilla(RotuloFormulario(p.form), p.enTodos ? static_cast<QWidget*>(todos) : this);
    boton->setObjectName(QString::fromLatin1(p.boton));
    boton->setGeometry(RectTwips(p.left, p.top, p.width, p.height));
    connect(boton, &QPushButton::clicked, this, [this, f = p.form] { emit formularioPedido(f); });
    botones_[k] = boton;
  }
  botones_[0]->PonerColor(kColorActivoDiseno);

  cerrar_ = new BotonPatilla(QStringLiteral("Cerrar"), this);
  cerrar_->setObjectName(QStringLiteral("cmbCerrar"));
  cerrar_->setGeometry(RectTwips(10980, 420, 915, 375));
  connect(cerrar_, &QPushButton::clicked, this, &TiraPatillas::cerrarPedido);
  grabar_ = new BotonPatilla(QStringLiteral("Grabar"), this);
  grabar_->setObjectName(QStringLiteral("cmbGrabar"));
  grabar_->setGeometry(RectTwips(10980, 900, 915, 375));
  connect(grabar_, &QPushButton::clicked, this, &TiraPatillas::grabarPedido);
  hide();
}

void TiraPatillas::FiltrarCon(QObject* filtro) {
  installEventFilter(filtro);
  for (BotonPatilla* b : botones_) b->installEventFilter(filtro);
  cerrar_->installEventFilter(filtro);
  grabar_->installEventFilter(filtro);
}

QPushButton* TiraPatillas::Boton(Formulario f) const { return botones_[static_cast<int>(f)]; }

void TiraPatillas::TomarColorActivo() { colorActivo_ = botones_[0]->Color(); }

void TiraPatillas::Marcar(Formulario f) { botones_[static_cast<int>(f)]->PonerColor(colorActivo_); }

void TiraPatillas::Desmarcar() {
  for (BotonPatilla* b : botones_) b->PonerColor(ColorInactivo());
}

void TiraPatillas::RestaurarColores() {
  botones_[0]->PonerColor(colorActivo_.isValid() ? colorActivo_ : kColorActivoDiseno);
  for (int k = 1; k < 7; ++k) botones_[k]->PonerColor(ColorInactivo());
}

QColor TiraPatillas::ColorInactivo() const { return cerrar_->palette().color(QPalette::Button); }

}  // namespace dorvelna
