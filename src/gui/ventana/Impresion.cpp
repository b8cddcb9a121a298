#include "gui/ventana/Impresion.h"

#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "gui/campos/CampoTexto.h"
#include "gui/comun/Entorno.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/formularios/frmSensibilidad.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {


}  // namespace

std::unique_ptr<QPrinter> ImpresoraPredeterminada() {
  const QPrinterInfo predeterminada = QPrinterInfo::defaultPrinter();
  if (predeterminada.isNull()) return nullptr;
  return std::make_unique<QPrinter>(predeterminada, QPrinter::HighResolution);
}

// Un trabajo de impresión: la impresora se pide al llegar la primera página. Sin impresora,
// o si no se deja abrir, las páginas se saltan sin decir nada.
class Impresion::Trabajo {
public:
  explicit Trabajo(const FabricaImpresora& fabrica) : fabrica_(fabrica) {}
  ~Trabajo() {
    if (pintor_.isActive()) pintor_.end();
  }

  QPainter* NuevaPagina() {
    if (fallido_) return nullptr;
    if (!pintor_.isActive()) {
      impresora_ = fabrica_ ? fabrica_() : ImpresoraPredeterminada();
      if (!impresora_ || !impresora_->isValid() || !pintor_.begin(impresora_.get())) {
        fallido_ = true;
        return nullptr;
      }
      return &pintor_;
    }
    return impresora_->newPage() ? &pintor_ : nullptr;
  }

private:
  const FabricaImpresora& fabrica_;
  std::unique_ptr<QPrinter> impresora_;
  QPainter pintor_;
  bool fallido_ = false;
};

// Mientras dura un mandato (o una operación suelta) hay un trabajo abierto; el más externo
// lo abre y lo cierra, y los de dentro ponen sus páginas en él.
class Impresion::Alcance {
public:
  explicit Alcance(Impresion& impresion) : impresion_(impresion) {
    if (impresion_.niveles_++ == 0) {
      impresion_.trabajo_ = std::make_unique<Trabajo>(impresion_.entorno_.impresora);
    }
  }
  ~Alcance() {
    if (--impresion_.niveles_ == 0) impresion_.trabajo_.reset();
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
  if (nombre == QLatin1String("mnuPrintCaracteristicas")) {
    ImprimirFormulario(Formulario::Caracteristicas);
  } else if (nombre == QLatin1String("mnuPrintFijos1")) {
    ImprimirFormulario(Formulario::CostesFijos1);
  } else if (nombre == QLatin1String("mnuPrintFijos2")) {
    ImprimirFormulario(Formulario::CostesFijos2);
  } else if (nombre == QLatin1String("mnuPrintVariables")) {
    ImprimirFormulario(Formulario::CostesVariables);
  } else if (nombre == QLatin1String("mnuPrintIndirectos")) {
    ImprimirFormulario(Formulario::CostesIndirectos);
  } else if (nombre == QLatin1String("mnuPrintResultados")) {
    ImprimirResultados();
  } else if (nombre == QLatin1String("mnuPrintServicio")) {
    ImprimirServicio();
  } else if (nombre == QLatin1String("mnuPrintSensibilidad")) {
    ImprimirSensibilidad();
  } else if (nombre == QLatin1String("mnuPrintTodo")) {
    for (const DatosFormulario& d : Formularios()) {
      if (d.entrada) ImprimirFormulario(d.formulario);
    }
    ImprimirResultados();
    ImprimirServicio();
    ImprimirSensibilidad();
  }
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
  const double escala = std::min({1.0, hoja->width() / ancho, hoja->height() / alto});
  pintor->save();
  pintor->scale(escala, escala);
  pintor->drawPicture(0, 0, dibujo);
  pintor->restore();
}

}  // namespace dorvelna
