#include "gui/formularios/frmSensibilidad.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/formularios/ModeloSensibilidad.h"
#include "gui/formularios/PictureSensibilidad.h"
#include "nucleo/model/Sensibilidad.h"

namespace dorvelna {

frmSensibilidad::frmSensibilidad(const Calculo& calculo, QWidget* padre)
    : QWidget(padre), calculo_(calculo) {
  setObjectName(QStringLiteral("frmSensibilidad"));
  auto* exterior = new QVBoxLayout(this);
  exterior->setContentsMargins(0, 0, 0, 0);
  // La tabla y el gráfico se ven enteros, sin barras propias; si no caben en el área de
  // trabajo, se desplaza el formulario.
  vista_ = new QScrollArea(this);
  vista_->setWidgetResizable(true);
  vista_->setFrameShape(QFrame::NoFrame);
  exterior->addWidget(vista_);
  Frame1 = new QGroupBox(QStringLiteral("Análisis de sensibilidad"), vista_);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  vista_->setWidget(Frame1);
  auto* columna = new QVBoxLayout(Frame1);

  auto* fila = new QHBoxLayout;
  auto* rotulo = new QLabel(QStringLiteral("Variación de cada dato de la columna S:"), Frame1);
  cmbVariacion = new QComboBox(Frame1);
  cmbVariacion->setObjectName(QStringLiteral("cmbVariacion"));
  for (int p : {5, 10, 20}) cmbVariacion->addItem(QStringLiteral("%1 %").arg(p), p);
  cmbVariacion->setCurrentIndex(cmbVariacion->findData(int(kVariacionPorOmision)));
  rotulo->setBuddy(cmbVariacion);
  fila->addWidget(rotulo);
  fila->addWidget(cmbVariacion);
  fila->addStretch();
  columna->addLayout(fila);

  modelo_ = new ModeloSensibilidad(this);
  orden_ = new QSortFilterProxyModel(this);
  orden_->setSourceModel(modelo_);
  orden_->setSortRole(ModeloSensibilidad::kRolOrden);
  tblSensibilidad = new QTableView(Frame1);
  tblSensibilidad->setObjectName(QStringLiteral("tblSensibilidad"));
  tblSensibilidad->setModel(orden_);
  tblSensibilidad->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblSensibilidad->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblSensibilidad->verticalHeader()->hide();
  // La tabla toma el ancho del formulario: los rótulos, largos, se parten en líneas y cada
  // fila crece lo que pidan; el alto es el de todas las filas.
  tblSensibilidad->setWordWrap(true);
  tblSensibilidad->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblSensibilidad->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  tblSensibilidad->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  tblSensibilidad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tblSensibilidad->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tblSensibilidad->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblSensibilidad->horizontalHeader()->setSectionResizeMode(ModeloSensibilidad::kRotulo,
                                                            QHeaderView::Stretch);
  // Sin orden elegido las filas van en el orden del análisis; un clic en una cabecera de C4
  // las ordena por cuánto cambia C4.
  tblSensibilidad->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
  tblSensibilidad->setSortingEnabled(true);
  columna->addWidget(tblSensibilidad);

  grafico_ = new PictureSensibilidad(Frame1);
  columna->addWidget(grafico_);
  columna->addStretch();

  pendiente_.setSingleShot(true);
  pendiente_.setInterval(0);
  connect(&pendiente_, &QTimer::timeout, this, &frmSensibilidad::Actualizar);
  connect(cmbVariacion, &QComboBox::currentIndexChanged, this, &frmSensibilidad::Actualizar);
  Actualizar();
}

double frmSensibilidad::Variacion() const { return cmbVariacion->currentData().toDouble(); }

void frmSensibilidad::Actualizar() {
  pendiente_.stop();
  // Sin análisis (una variación que no vale), la tabla y el gráfico quedan vacíos a la vez.
  const Sensibilidad analisis =
      AnalizarSensibilidad(calculo_, Variacion()).value_or(Sensibilidad{Variacion(), {}, {}});
  modelo_->Poner(analisis);
  grafico_->Poner(analisis);
}

void frmSensibilidad::PedirActualizacion() { pendiente_.start(); }

QWidget* frmSensibilidad::Hoja() {
  Frame1->layout()->activate();
  if (!isVisible()) {
    const int ancho = std::max(width(), Frame1->minimumSizeHint().width());
    const int alto =
        Frame1->hasHeightForWidth() ? Frame1->heightForWidth(ancho) : Frame1->sizeHint().height();
    Frame1->resize(ancho, std::max(alto, Frame1->minimumSizeHint().height()));
    Frame1->layout()->activate();
  }
  return Frame1;
}

}  // namespace dorvelna
