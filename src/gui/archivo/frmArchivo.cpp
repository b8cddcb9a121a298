#include "gui/archivo/frmArchivo.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>

#include "gui/comun/Carpetas.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/Twips.h"
#include "gui/comun/frmMensaje.h"
#include "gui/ventana/AbrirCalculo.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/model/EstadoPrograma.h"

namespace dorvelna {

namespace {

const QString kAbrir = QStringLiteral("abrir");
const QString kGrabar = QStringLiteral("grabar");
const QString kExtension = QStringLiteral(".dvn");

QStringList RaicesMontadas() {
  QStringList raices;
  for (const QStorageInfo& volumen : QStorageInfo::mountedVolumes()) {
    if (!raices.contains(volumen.rootPath())) raices << volumen.rootPath();
  }
  return raices;
}

// Carpeta + separador + nombre, sin doblar el separador en la raíz.
QString Unir(const QString& carpeta, const QString& nombre) {
  return carpeta.endsWith(QLatin1Char('/')) ? carpeta + nombre
                                            : carpeta + QLatin1Char('/') + nombre;
}

// "carpeta" está en "raiz" (o es ella).
bool Contiene(const QString& raiz, const QString& carpeta) {
  return carpeta == raiz || carpeta.startsWith(Unir(raiz, QString()));
}

void FondoDeDialogo(QWidget* control, const QWidget* dialogo) {
  QPalette paleta = control->palette();
  paleta.setColor(QPalette::Base, dialogo->palette().color(QPalette::Window));
  control->setPalette(paleta);
}

}  // namespace

std::optional<FalloArchivo> GrabarCalculo(Calculo& calculo, const QString& ruta,
                                          const Entorno& entorno) {
  return EscribirArchivo(calculo, ruta, entorno.grabacion);
}

frmArchivo::frmArchivo(EstadoPrograma& estado, const Entorno& entorno, QWidget* ventana)
    : QDialog(ventana), estado_(estado), entorno_(entorno), ventana_(ventana) {
  setObjectName(QStringLiteral("frmArchivo"));
  setWindowTitle(QStringLiteral("Archivo"));
  setModal(true);
  setFixedSize(TwipsAPixeles(6615), TwipsAPixeles(4875));

  auto etiqueta = [this](const char* nombre, const QString& texto, QRect sitio) {
    auto* l = new QLabel(texto, this);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(sitio);
    return l;
  };
  Label1 = etiqueta("Label1", QStringLiteral("Unidad"), RectTwips(180, 180, 615, 195));
  Drive1 = new QComboBox(this);
  Drive1->setObjectName(QStringLiteral("Drive1"));
  Drive1->setGeometry(RectTwips(180, 420, 2775, 315));
  Label2 = etiqueta("Label2", QStringLiteral("Directorio"), RectTwips(180, 840, 840, 195));

  modeloCarpetas_ = new QFileSystemModel(this);
  modeloCarpetas_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
  modeloCarpetas_->setReadOnly(true);
  modeloCarpetas_->setRootPath(QDir::rootPath());
  Dir1 = new QTreeView(this);
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setGeometry(RectTwips(180, 1080, 2775, 2340));
  Dir1->setModel(modeloCarpetas_);
  Dir1->setHeaderHidden(true);
  for (int c = 1; c < modeloCarpetas_->columnCount(); ++c) Dir1->hideColumn(c);
  Dir1->setIndentation(TwipsAPixeles(180));

  Label3 = etiqueta("Label3", QStringLiteral("Archivo"), RectTwips(3180, 180, 660, 195));
  modeloArchivos_ = new QFileSystemModel(this);
  modeloArchivos_->setFilter(QDir::Files);
  modeloArchivos_->setNameFilters({QStringLiteral("*.dvn")});
  modeloArchivos_->setNameFilterDisables(false);
  modeloArchivos_->setReadOnly(true);
  File1 = new QListView(this);
  File1->setObjectName(QStringLiteral("File1"));
  File1->setGeometry(RectTwips(3180, 420, 3255, 3015));
  File1->setModel(modeloArchivos_);
  File1->setEditTriggers(QAbstractItemView::NoEditTriggers);

  Label4 =
      etiqueta("Label4", QStringLiteral("Nombre del archivo"), RectTwips(1260, 3660, 1665, 195));
  Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  TextArchivo = new QLineEdit(this);
  TextArchivo->setObjectName(QStringLiteral("TextArchivo"));
  TextArchivo->setGeometry(RectTwips(3180, 3600, 2655, 315));
  lblArchivo = etiqueta("lblArchivo", kExtension, RectTwips(5820, 3600, 615, 315));
  lblArchivo->setAlignment(Qt::AlignCenter);
  lblArchivo->setAutoFillBackground(true);

  cmbAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
  cmbAceptar->setObjectName(QStringLiteral("cmbAceptar"));
  cmbAceptar->setGeometry(RectTwips(1800, 4260, 1155, 435));
  cmbAceptar->setDefault(true);
  cmbCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
  cmbCancelar->setObjectName(QStringLiteral("cmbCancelar"));
  cmbCancelar->setGeometry(RectTwips(3180, 4260, 1155, 435));

  connect(cmbAceptar, &QPushButton::clicked, this, &frmArchivo::Aceptar);
  connect(cmbCancelar, &QPushButton::clicked, this, &QDialog::reject);
  connect(Drive1, &QComboBox::currentIndexChanged, this, &frmArchivo::CambiarUnidad);
  connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& actual) {
            if (!actualizando_ && actual.isValid()) {
              CambiarCarpeta(modeloCarpetas_->filePath(actual));
            }
          });
  // El árbol también se llena (y se ordena) en segundo plano: cada antecesora de la carpeta
  // elegida se abre al cargarse, y la carpeta se mantiene a la vista hasta que el usuario
  // mueve el árbol por su cuenta.
  connect(modeloCarpetas_, &QFileSystemModel::directoryLoaded, this, [this](const QString& ruta) {
    if (Contiene(QDir::cleanPath(ruta), carpeta_)) Dir1->expand(modeloCarpetas_->index(ruta));
    VerCarpeta();
  });
  connect(modeloCarpetas_, &QFileSystemModel::layoutChanged, this, &frmArchivo::VerCarpeta);
  connect(modeloCarpetas_, &QFileSystemModel::rowsInserted, this, &frmArchivo::VerCarpeta);
  Dir1->viewport()->installEventFilter(this);
  Dir1->installEventFilter(this);
  connect(File1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &frmArchivo::ArchivoElegido);
  connect(File1, &QListView::doubleClicked, this, [this](const QModelIndex& indice) {
    if (tag_ != kAbrir || !indice.isValid()) return;
    ArchivoElegido(indice);
    Aceptar();
  });
  // La lista se llena en segundo plano (y se ordena después): la elección del primer archivo
  // se repite mientras el usuario no haya elegido otro.
  connect(modeloArchivos_, &QFileSystemModel::directoryLoaded, this, &frmArchivo::ElegirPrimero);
  connect(modeloArchivos_, &QFileSystemModel::rowsInserted, this, &frmArchivo::ElegirPrimero);
  connect(modeloArchivos_, &QFileSystemModel::layoutChanged, this, &frmArchivo::ElegirPrimero);

  CargarUnidades();
  // "Cálculos" junto al programa o, si el programa está instalado donde no se puede escribir,
  // en los documentos del usuario; si no existe, la carpeta del programa.
  const QString programa = QDir::cleanPath(CarpetaPrograma(entorno_));
  const QString calculos = QDir::cleanPath(CarpetaCalculos(entorno_));
  CambiarCarpeta(QFileInfo(calculos).isDir() ? calculos : programa);
}

// Los mensajes del diálogo, como todos los del programa, salen sobre la ventana principal.
void frmArchivo::Mensaje(const QString& texto, const QString& titulo) {
  MostrarMensaje(texto, titulo, ventana_, entorno_);
}

void frmArchivo::CargarUnidades() {
  const ListaUnidades& lista = entorno_.unidades;
  QStringList raices = lista ? lista() : RaicesMontadas();
  // La unidad del programa siempre está, aunque el sistema no la dé como volumen.
  const QString programa = QDir::cleanPath(CarpetaPrograma(entorno_));
  bool esta = false;
  for (const QString& raiz : raices) esta = esta || Contiene(raiz, programa);
  if (!esta) {
    const QString propia = QStorageInfo(programa).rootPath();
    raices.prepend(propia.isEmpty() ? QDir::rootPath() : propia);
  }
  const QSignalBlocker bloqueo(Drive1);
  for (const QString& raiz : raices) {
    const QString nombre = QStorageInfo(raiz).name();
    QString texto = QDir::toNativeSeparators(raiz);
    if (!nombre.isEmpty()) texto += QStringLiteral(" [%1]").arg(nombre);
    Drive1->addItem(texto, raiz);
  }
}

// La unidad de una carpeta es la de la lista que la contiene con la raíz más larga.
QString frmArchivo::UnidadDe(const QString& carpeta) const {
  QString mejor;
  for (int k = 0; k < Drive1->count(); ++k) {
    const QString raiz = Drive1->itemData(k).toString();
    if (Contiene(raiz, carpeta) && raiz.size() > mejor.size()) mejor = raiz;
  }
  return mejor;
}

void frmArchivo::SeleccionarUnidad(const QString& raiz) {
  const QSignalBlocker bloqueo(Drive1);
  Drive1->setCurrentIndex(Drive1->findData(raiz));
}

void frmArchivo::CambiarUnidad(int indice) {
  const QString raiz = Drive1->itemData(indice).toString();
  const QStorageInfo volumen(raiz);
  if (raiz.isEmpty() || !volumen.isValid() || !volumen.isReady() || !QFileInfo(raiz).isDir()) {
    SeleccionarUnidad(UnidadDe(carpeta_));
    Mensaje(QStringLiteral("La unidad no está preparada."), QStringLiteral("Error"));
    return;
  }
  const QString recordada = estado_.CarpetaDeUnidad.value(raiz);
  CambiarCarpeta(!recordada.isEmpty() && QFileInfo(recordada).isDir() ? recordada : raiz);
}

void frmArchivo::VerCarpeta() {
  if (seguirCarpeta_) Dir1->scrollTo(Dir1->currentIndex());
}

bool frmArchivo::eventFilter(QObject* objeto, QEvent* e) {
  const auto tipo = e->type();
  if (tipo == QEvent::MouseButtonPress || tipo == QEvent::Wheel || tipo == QEvent::KeyPress) {
    seguirCarpeta_ = false;
  }
  return QDialog::eventFilter(objeto, e);
}

void frmArchivo::CambiarCarpeta(const QString& carpeta) {
  carpeta_ = QDir::cleanPath(QFileInfo(carpeta).absoluteFilePath());
  seguirCarpeta_ = true;
  actualizando_ = true;
  // Dir1: la carpeta a la vista, abierta con sus antecesoras para ver sus subcarpetas.
  const QModelIndex enArbol = modeloCarpetas_->index(carpeta_);
  for (QModelIndex i = enArbol; i.isValid(); i = i.parent()) Dir1->expand(i);
  Dir1->setCurrentIndex(enArbol);
  Dir1->scrollTo(enArbol);
  // File1: los .dvn de esa carpeta.
  modeloArchivos_->setRootPath(carpeta_);
  File1->setRootIndex(modeloArchivos_->index(carpeta_));
  File1->setCurrentIndex(QModelIndex());
  actualizando_ = false;

  const QString unidad = UnidadDe(carpeta_);
  if (!unidad.isEmpty()) {
    estado_.CarpetaDeUnidad.insert(unidad, carpeta_);
    SeleccionarUnidad(unidad);
  }
  elegidoPorUsuario_ = false;
  if (tag_ == kAbrir) {
    TextArchivo->clear();
    ElegirPrimero();
  }
}

void frmArchivo::PonerTag(const QString& modo) {
  tag_ = modo;
  AplicarModo();
}

void frmArchivo::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  AplicarModo();
  if (tag_ == kGrabar) TextArchivo->setFocus(Qt::OtherFocusReason);
}

void frmArchivo::AplicarModo() {
  if (tag_ == kAbrir) {
    setWindowTitle(QStringLiteral("Abrir archivo"));
    // El nombre sólo se elige en la lista.
    TextArchivo->setEnabled(false);
    FondoDeDialogo(TextArchivo, this);
    lblArchivo->setText(QString());
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    ElegirPrimero();
  } else if (tag_ == kGrabar) {
    setWindowTitle(QStringLiteral("Guardar archivo"));
    // La lista sólo enseña qué nombres ya existen.
    FondoDeDialogo(File1, this);
    File1->setSelectionMode(QAbstractItemView::NoSelection);
    TextArchivo->setEnabled(true);
    lblArchivo->setText(kExtension);
  }
}

void frmArchivo::ElegirPrimero() {
  if (tag_ != kAbrir || elegidoPorUsuario_) return;
  const QModelIndex raiz = File1->rootIndex();
  if (!raiz.isValid() || modeloArchivos_->rowCount(raiz) == 0) return;
  const QModelIndex primero = modeloArchivos_->index(0, 0, raiz);
  actualizando_ = true;
  File1->setCurrentIndex(primero);
  actualizando_ = false;
  TextArchivo->setText(modeloArchivos_->fileName(primero));
}

void frmArchivo::ArchivoElegido(const QModelIndex& indice) {
  if (actualizando_ || tag_ != kAbrir || !indice.isValid()) return;
  elegidoPorUsuario_ = true;
  TextArchivo->setText(modeloArchivos_->fileName(indice));
}

void frmArchivo::Aceptar() {
  const QString texto = TextArchivo->text();
  if (texto.isEmpty()) {
    Mensaje(QStringLiteral("No se ha seleccionado un fichero."), QStringLiteral("Error"));
    return;
  }
  const QString ruta = Unir(carpeta_, texto);
  if (tag_ == kAbrir) AceptarAbrir(ruta);
  else if (tag_ == kGrabar) AceptarGrabar(ruta);
}

void frmArchivo::AceptarAbrir(const QString& ruta) {
  if (!AbrirCalculo(estado_, ruta, ventana_, entorno_)) return;
  accept();
  emit calculoAbierto();
}

// Nunca se sustituye un archivo desde aquí: un nombre que ya está en la carpeta, sin
// distinguir mayúsculas, se rechaza. Se mira la carpeta misma y no lo que la lista haya
// llegado a cargar, y cuentan también los archivos ocultos.
bool frmArchivo::YaExiste(const QString& nombre) const {
  const QStringList presentes = QDir(carpeta_).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& presente : presentes) {
    if (presente.toLower() == nombre) return true;
  }
  return false;
}

void frmArchivo::AceptarGrabar(const QString& ruta) {
  const QString texto = TextArchivo->text();
  if (YaExiste((texto + kExtension).toLower())) {
    Mensaje(QStringLiteral("Este fichero ya existe."), QStringLiteral("Error"));
    return;
  }
  const QString destino = ruta + kExtension;
  if (const auto fallo = GrabarCalculo(estado_.calculo, destino, entorno_)) {
    Mensaje(MensajeFallo(*fallo), QStringLiteral("Error"));
    return;
  }
  estado_.NombreArchivo = destino;
  const QString aviso = QStringLiteral("El archivo se ha grabado en: \r\n") +
                        QDir::toNativeSeparators(Unir(carpeta_, QString())) +
                        QStringLiteral("\r\n\r\nCon el nombre: \r\n") + texto + kExtension;
  accept();
  Mensaje(aviso, QStringLiteral("Grabar"));
}

}  // namespace dorvelna
