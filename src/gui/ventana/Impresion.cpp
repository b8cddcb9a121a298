#include "gui/ventana/Impresion.h"

#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <utility>

#include "gui/campos/CampoTexto.h"
#include "gui/comun/Entorno.h"
#include "gui/comun/frmMensaje.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/frmSensibilidad.h"
#include "gui/ventana/TablaMenus.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

std::unique_ptr<QPrinter> ImpresoraPredeterminada() {
  const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
  if (predeterminada.isNull()) return nullptr;
  return std::make_unique<QPrinter>(predeterminada, QPrinter::HighResolution);
}

// Un trabajo de impresión: la impresora se pide al llegar la primera página. Si no la hay,
// o no se deja abrir o falla a mitad, las páginas que quedan se saltan y al cerrar el
// trabajo se dice por qué: imprimir nunca falla en silencio.
class Impresion::Trabajo {
public:
  Trabajo(const FabricaImpresora& fabrica, QPagedPaintDevice* destino)
      : fabrica_(fabrica), hoja_(destino) {}
  ~Trabajo() {
    if (pintor_.isActive()) pintor_.end();
  }

  QPainter* NuevaPagina() {
    if (!motivo_.isEmpty()) return nullptr;
    if (!pintor_.isActive()) {
      if (!hoja_) {
        impresora_ = fabrica_ ? fabrica_() : ImpresoraPredeterminada();
        if (!impresora_) {
          motivo_ = QStringLiteral("No hay ninguna impresora predeterminada.");
          return nullptr;
        }
        if (impresora_->isValid()) hoja_ = impresora_.get();
      }
      if (!hoja_ || !pintor_.begin(hoja_)) {
        motivo_ = NoSeHaPodido();
        return nullptr;
      }
      return &pintor_;
    }
    if (hoja_->newPage()) return &pintor_;
    motivo_ = NoSeHaPodido();
    return nullptr;
  }

  // Termina el trabajo; vacío si todo fue bien, o el motivo por el que no salió.
  QString Cerrar() {
    if (pintor_.isActive() && !pintor_.end() && motivo_.isEmpty()) motivo_ = NoSeHaPodido();
    return motivo_;
  }

private:
  const FabricaImpresora& fabrica_;
  QString NoSeHaPodido() const {
    const QString nombre = impresora_ ? impresora_->printerName() : QString();
    return nombre.isEmpty()
               ? QStringLiteral("No se ha podido imprimir.")
               : QStringLiteral("No se ha podido imprimir en ") + nombre + QStringLiteral(".");
  }

  std::unique_ptr<QPrinter> impresora_;
  QPagedPaintDevice* hoja_;
  QPainter pintor_;
  QString motivo_;
};

// Mientras dura un mandato (o una operación suelta) hay un trabajo abierto; el más externo
// lo abre y lo cierra, y los de dentro ponen sus páginas en él.
class Impresion::Alcance {
public:
  explicit Alcance(Impresion& impresion) : impresion_(impresion) {
    if (impresion_.niveles_++ == 0) {
      impresion_.trabajo_ =
          std::make_unique<Trabajo>(impresion_.entorno_.impresora, impresion_.destino_);
    }
  }
  ~Alcance() {
    if (--impresion_.niveles_ != 0) return;
    const QString motivo = impresion_.trabajo_->Cerrar();
    impresion_.trabajo_.reset();
    if (impresion_.destino_) {
      impresion_.motivo_ = motivo;
    } else if (!motivo.isEmpty()) {
      MostrarMensaje(motivo + QStringLiteral("\r\n\r\nPuede guardar los formularios en PDF con "
                                             "«Archivo → Exportar a PDF...»."),
                     QStringLiteral("Imprimir"), qobject_cast<QWidget*>(impresion_.parent()),
                     impresion_.entorno_);
    }
  }
  Alcance(const Alcance&) = delete;
  Alcance& operator=(const Alcance&) = delete;

private:
  Impresion& impresion_;
};

Impresion::Impresion(Calculo& calculo, const Entorno& entorno, FormularioDe formulario,
                     FormularioAVista aVista, AnalisisDeVentana analisis, QObject* padre)
    : QObject(padre),
      calculo_(calculo),
      entorno_(entorno),
      formulario_(std::move(formulario)),
      aVista_(std::move(aVista)),
      analisis_(std::move(analisis)) {
  setObjectName(QStringLiteral("Impresion"));
}

Impresion::~Impresion() = default;

void Impresion::Mandato(const QString& nombre) {
  Alcance alcance(*this);
  if (nombre == QLatin1String("mnuPrintSensibilidad")) {
    ImprimirSensibilidad();
  } else if (nombre == QLatin1String("mnuPrintTodo")) {
    // Los siete formularios en el orden de las patillas y, al final, el análisis.
    for (const DatosFormulario& d : Formularios()) ImprimirDe(d.formulario);
    ImprimirSensibilidad();
  } else if (const EntradaMenu* entrada = EntradaDeMenu(nombre); entrada && entrada->imprime) {
    ImprimirDe(entrada->formulario);
  }
}

void Impresion::ImprimirDe(Formulario f) {
  if (f == Formulario::Resultados) ImprimirResultados();
  else if (f == Formulario::Servicio) ImprimirServicio();
  else ImprimirFormulario(f);
}

QString Impresion::ImprimirTodoEn(QPagedPaintDevice& hoja) {
  destino_ = &hoja;
  Mandato(QStringLiteral("mnuPrintTodo"));
  destino_ = nullptr;
  return std::exchange(motivo_, QString());
}

void Impresion::ImprimirFormulario(Formulario f) {
  Alcance alcance(*this);
  const QPointer<CampoTexto> campo = Confirmar(false);
  ImprimirPagina(formulario_(f));
  Reentrar(campo, false);
}

void Impresion::ImprimirResultados() {
  Alcance alcance(*this);
  // La tarta se dibuja al pintar el formulario, así que la imagen la lleva sin más.
  FormularioDatos* resultados = formulario_(Formulario::Resultados);
  calculo_.Actualizar();
  ImprimirPagina(resultados);
}

void Impresion::ImprimirServicio() {
  Alcance alcance(*this);
  formulario_(Formulario::Resultados);
  calculo_.Actualizar();
  const QPointer<CampoTexto> campo = Confirmar(true);
  ImprimirPagina(formulario_(Formulario::Servicio));
  Reentrar(campo, true);
}

// El análisis se rehace en el momento con el campo en edición ya confirmado; si nunca se ha
// visto, sus piezas se colocan antes de dibujarlo.
void Impresion::ImprimirSensibilidad() {
  Alcance alcance(*this);
  const QPointer<CampoTexto> campo = Confirmar(false);
  frmSensibilidad* form = analisis_();
  form->Actualizar();
  ImprimirPagina(form->Hoja());
  Reentrar(campo, false);
}

CampoTexto* Impresion::CampoActivo(bool deServicio) const {
  FormularioDatos* actual = aVista_();
  if (!actual) return nullptr;
  const bool esEntrada = DatosDe(actual->Tipo()).entrada;
  if (deServicio ? actual->Tipo() != Formulario::Servicio : !esEntrada) return nullptr;
  auto* campo = qobject_cast<CampoTexto*>(actual->ControlActivo());
  return campo && campo->ColumnaCampo() == Columna::S ? campo : nullptr;
}

CampoTexto* Impresion::Confirmar(bool deServicio) {
  CampoTexto* campo = CampoActivo(deServicio);
  if (!campo || !campo->EnEdicion()) return nullptr;
  campo->Confirmar();
  return campo;
}

void Impresion::Reentrar(CampoTexto* campo, bool deServicio) {
  if (campo && CampoActivo(deServicio) == campo) campo->Reentrar();
}

// La imagen del formulario entero, arriba a la izquierda de la zona imprimible, al mismo
// tamaño que en la pantalla; si no cabe en la hoja, reducida lo justo para que quepa.
// Se dibuja primero en un QPicture: así la hoja lleva el dibujo y el texto tal cual, nítidos,
// y no una copia en píxeles de la pantalla (que es lo que hace render() sobre una impresora).
// Al reproducirlo, el QPicture ya pasa de la resolución de la pantalla a la de la impresora.
void Impresion::ImprimirPagina(QWidget* form) {
  if (!form || form->size().isEmpty() || !trabajo_) return;
  QPainter* pintor = trabajo_->NuevaPagina();
  if (!pintor) return;
  QPicture dibujo;
  QPainter grabador(&dibujo);
  form->render(&grabador, QPoint(), QRegion(form->rect()));
  grabador.end();
  const QPaintDevice* hoja = pintor->device();
  const double ancho = form->width() * double(hoja->logicalDpiX()) / dibujo.logicalDpiX();
  const double alto = form->height() * double(hoja->logicalDpiY()) / dibujo.logicalDpiY();
  // En la impresora, a su tamaño si cabe; en un PDF, siempre a lo ancho de la página.
  const double escala = std::min(
      {destino_ ? hoja->width() / ancho : 1.0, hoja->width() / ancho, hoja->height() / alto});
  pintor->save();
  pintor->scale(escala, escala);
  pintor->drawPicture(0, 0, dibujo);
  pintor->restore();
}

}  // namespace dorvelna
