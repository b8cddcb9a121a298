#include "gui/ayuda/VentanaAyuda.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "gui/ayuda/ArchivoChm.h"
#include "gui/ayuda/MapaContenido.h"
#include "gui/ayuda/NavegadorChm.h"
#include "gui/comun/Twips.h"

namespace dorvelna {

namespace {

constexpr int kRolPagina = Qt::UserRole;    // dirección de la página de la entrada
constexpr int kRolRuta = Qt::UserRole + 1;  // su ruta en minúsculas, para reconocerla

QToolButton* Boton(QWidget* padre, const char* nombre, const QString& texto,
                   QStyle::StandardPixmap icono, const QString& consejo) {
  auto* boton = new QToolButton(padre);
  boton->setObjectName(QString::fromLatin1(nombre));
  boton->setText(texto);
  boton->setToolTip(consejo);
  boton->setIcon(padre->style()->standardIcon(icono));
  boton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  boton->setAutoRaise(true);
  return boton;
}

}  // namespace

VentanaAyuda::VentanaAyuda(std::unique_ptr<ArchivoChm> chm, const QString& ruta, QWidget* duena)
    : QWidget(duena, Qt::Window), chm_(std::move(chm)), ruta_(ruta) {
  setObjectName(QStringLiteral("VentanaAyuda"));
  setAttribute(Qt::WA_DeleteOnClose);

  cmbAtras_ = Boton(this, "cmbAtras", QStringLiteral("Atrás"), QStyle::SP_ArrowBack,
                    QStringLiteral("Volver a la página anterior (Alt+Izquierda)"));
  cmbAdelante_ = Boton(this, "cmbAdelante", QStringLiteral("Adelante"), QStyle::SP_ArrowForward,
                       QStringLiteral("Ir a la página siguiente (Alt+Derecha)"));
  cmbInicio_ = Boton(this, "cmbInicio", QStringLiteral("Inicio"), QStyle::SP_DirHomeIcon,
                     QStringLiteral("Volver a la portada de la ayuda"));
  cmbAtras_->setEnabled(false);
  cmbAdelante_->setEnabled(false);

  arbol_ = new QTreeWidget(this);
  arbol_->setObjectName(QStringLiteral("arbolContenido"));
  arbol_->setHeaderHidden(true);
  arbol_->header()->setStretchLastSection(true);

  navegador_ = new NavegadorChm(this);
  navegador_->setObjectName(QStringLiteral("Navegador"));
  navegador_->PonerArchivo(chm_.get());

  auto* division = new QSplitter(Qt::Horizontal, this);
  division->addWidget(arbol_);
  division->addWidget(navegador_);
  division->setStretchFactor(1, 1);

  auto* barra = new QHBoxLayout;
  barra->setContentsMargins(4, 4, 4, 0);
  barra->addWidget(cmbAtras_);
  barra->addWidget(cmbAdelante_);
  barra->addWidget(cmbInicio_);
  barra->addStretch(1);
  auto* caja = new QVBoxLayout(this);
  caja->setContentsMargins(0, 0, 0, 0);
  caja->setSpacing(2);
  caja->addLayout(barra);
  caja->addWidget(division, 1);

  connect(cmbAtras_, &QToolButton::clicked, navegador_, &QTextBrowser::backward);
  connect(cmbAdelante_, &QToolButton::clicked, navegador_, &QTextBrowser::forward);
  connect(cmbInicio_, &QToolButton::clicked, this,
          [this] { navegador_->setSource(NavegadorChm::Direccion(chm_->TemaPorDefecto())); });
  connect(navegador_, &QTextBrowser::backwardAvailable, cmbAtras_, &QWidget::setEnabled);
  connect(navegador_, &QTextBrowser::forwardAvailable, cmbAdelante_, &QWidget::setEnabled);
  connect(navegador_, &QTextBrowser::sourceChanged, this, &VentanaAyuda::MarcarEnContenido);
  connect(arbol_, &QTreeWidget::itemClicked, this, &VentanaAyuda::AbrirEntrada);
  connect(arbol_, &QTreeWidget::itemActivated, this, &VentanaAyuda::AbrirEntrada);
  new QShortcut(QKeySequence::Back, this, navegador_, &QTextBrowser::backward);
  new QShortcut(QKeySequence::Forward, this, navegador_, &QTextBrowser::forward);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

  LlenarContenido();
  resize(TwipsAPixeles(13800), TwipsAPixeles(9900));
  // El índice, con sitio para sus entradas a la vista enteras, sin puntos suspensivos.
  const int indice = static_cast<QAbstractItemView*>(arbol_)->sizeHintForColumn(0) +
                     2 * arbol_->frameWidth() +
                     arbol_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  division->setSizes({std::max(TwipsAPixeles(4200), indice), TwipsAPixeles(9600)});
}

VentanaAyuda::~VentanaAyuda() {
  // El navegador se destruye después que el archivo: que no vuelva a leer de él.
  navegador_->PonerArchivo(nullptr);
}

void VentanaAyuda::CambiarArchivo(std::unique_ptr<ArchivoChm> chm) {
  navegador_->PonerArchivo(chm.get());
  chm_ = std::move(chm);
  LlenarContenido();
}

void VentanaAyuda::LlenarContenido() {
  const QString titulo = chm_->Titulo();
  setWindowTitle(titulo.isEmpty() ? QFileInfo(ruta_).completeBaseName() : titulo);
  arbol_->clear();
  if (!chm_->IndiceContenido().isEmpty()) {
    if (const auto hhc = chm_->Leer(chm_->IndiceContenido())) {
      AnadirEntradas(nullptr, LeerMapaContenido(*hhc));
    }
  }
  arbol_->expandToDepth(0);
  // Sin índice de contenido sólo queda la página.
  arbol_->setVisible(arbol_->topLevelItemCount() > 0);
}

void VentanaAyuda::AnadirEntradas(QTreeWidgetItem* padre,
                                  const std::vector<EntradaContenido>& entradas) {
  // Las páginas del índice son relativas a la carpeta del propio .hhc.
  const QUrl base = NavegadorChm::Direccion(chm_->IndiceContenido());
  for (const EntradaContenido& entrada : entradas) {
    auto* elemento = padre ? new QTreeWidgetItem(padre) : new QTreeWidgetItem(arbol_);
    elemento->setText(0, entrada.nombre);
    elemento->setToolTip(0, entrada.nombre);
    if (!entrada.pagina.isEmpty()) {
      const QUrl pagina = base.resolved(QUrl(entrada.pagina));
      elemento->setData(0, kRolPagina, pagina);
      elemento->setData(0, kRolRuta, NavegadorChm::RutaDe(pagina).toLower());
    }
    AnadirEntradas(elemento, entrada.hijas);
  }
}

void VentanaAyuda::AbrirEntrada(QTreeWidgetItem* elemento) {
  if (!elemento) return;
  const QUrl pagina = elemento->data(0, kRolPagina).toUrl();
  if (pagina.isValid() && !pagina.isEmpty()) navegador_->setSource(pagina);
}

// La entrada del índice de la página que se ve queda señalada. La página llega con la señal:
// mientras se emite, source() todavía devuelve la anterior.
void VentanaAyuda::MarcarEnContenido(const QUrl& pagina) {
  const QString actual = NavegadorChm::RutaDe(pagina).toLower();
  QTreeWidgetItemIterator it(arbol_);
  for (; *it; ++it) {
    if ((*it)->data(0, kRolRuta).toString() == actual) break;
  }
  const QSignalBlocker bloqueo(arbol_);
  if (*it) {
    arbol_->setCurrentItem(*it);
    arbol_->scrollToItem(*it);
  } else {
    arbol_->clearSelection();
  }
}

void VentanaAyuda::MostrarTemaPorDefecto() {
  navegador_->setSource(NavegadorChm::Direccion(chm_->TemaPorDefecto()));
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace dorvelna
