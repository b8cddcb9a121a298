#include "gui/formularios/FormularioDatos.h"

#include <QApplication>

#include "gui/campos/BotonOpcion.h"
#include "gui/campos/CampoTexto.h"
#include "gui/campos/NombreAccesible.h"
#include "gui/comun/Twips.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

FormularioDatos::FormularioDatos(Formulario tipo, Calculo& calculo, EdicionCampos& edicion,
                                 QWidget* padre)
    : QWidget(padre), tipo_(tipo), calculo_(calculo), edicion_(edicion) {
  setObjectName(QString::fromLatin1(NombreFormulario(tipo)));
}

QString FormularioDatos::Titulo() const { return TituloFormulario(tipo_); }

void FormularioDatos::Construir(int anchoColumna, int altoColumna, bool conColumnaO) {
  const int anchoTotal = 11235;
  const int altoTotal = 420 + altoColumna + 180;
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setProperty("Tag", Titulo());
  Frame1->setGeometry(RectTwips(0, 0, anchoTotal, altoTotal));
  PintarFondo(Frame1, palette().color(QPalette::Window));

  FrameS = NuevoMarco(Frame1, TituloColumna(Columna::S), 180, 420, anchoColumna, altoColumna,
                      Colores::MarcoS);
  FrameS->setObjectName(QStringLiteral("FrameS"));
  ConstruirColumna(FrameS, Columna::S);
  DistinguirNombres(*FrameS, Columna::S);
  int alto = std::max(altoColumna, AltoContenido(FrameS));
  if (conColumnaO) {
    FrameO = NuevoMarco(Frame1, TituloColumna(Columna::O), 5700, 420, anchoColumna, altoColumna,
                        Colores::MarcoO);
    FrameO->setObjectName(QStringLiteral("FrameO"));
    ConstruirColumna(FrameO, Columna::O);
    DistinguirNombres(*FrameO, Columna::O);
    alto = std::max(alto, AltoContenido(FrameO));
    FrameO->resize(FrameO->width(), TwipsAPixeles(alto));
  }
  FrameS->resize(FrameS->width(), TwipsAPixeles(alto));
  Frame1->resize(Frame1->width(), TwipsAPixeles(420 + alto + 180));
  resize(Frame1->size());
}

int AltoContenido(QWidget* marco) {
  int abajo = 0;
  for (QWidget* hijo : marco->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    abajo = std::max(abajo, hijo->geometry().bottom() + 1);
  }
  return PixelesATwips(abajo) + 120;
}

void AjustarAlto(QWidget* marco) {
  marco->resize(marco->width(), TwipsAPixeles(AltoContenido(marco)));
}

CampoTexto* FormularioDatos::Control(Columna col, int indice) const {
  const auto& campos = col == Columna::S ? camposS_ : camposO_;
  auto it = campos.find(indice);
  return it == campos.end() ? nullptr : it->second;
}

QWidget* FormularioDatos::ControlActivo() const {
  if (activo_ && activo_->isEnabled() && activo_->isVisibleTo(const_cast<FormularioDatos*>(this)))
    return activo_;
  // El primero, en el orden de tabulación, que puede recibir el foco.
  QWidget* w = const_cast<FormularioDatos*>(this)->nextInFocusChain();
  while (w && w != this) {
    if (isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(const_cast<FormularioDatos*>(this)) &&
        (w->focusPolicy() & Qt::TabFocus)) {
      return w;
    }
    w = w->nextInFocusChain();
  }
  return nullptr;
}

FormularioDatos::FilaDatos FormularioDatos::NuevaFila(QWidget* contenedor, Columna col, int& y,
                                                      const PasoFilas& paso, const QString& rotulo,
                                                      int left, int width,
                                                      const std::vector<CampoFila>& campos,
                                                      int guion, int anchoGuion) {
  constexpr int kAltoCampo = 285;
  FilaDatos fila;
  fila.rotulo = NuevaEtiqueta(contenedor, rotulo, left, y, width, paso.altoRotulo);
  const int alto = paso.medir ? std::max(paso.altoMinimo, PixelesATwips(fila.rotulo->height()))
                              : paso.altoRotulo;
  const int top = y + std::max(0, (alto - kAltoCampo) / 2);
  if (guion >= 0) {
    fila.controles.push_back(
        NuevaEtiqueta(contenedor, QStringLiteral("-"), guion, y, anchoGuion, kAltoCampo,
                      Qt::AlignLeft | (alto > kAltoCampo ? Qt::AlignTop : Qt::AlignVCenter)));
  }
  for (const CampoFila& c : campos) {
    CampoTexto* campo = NuevoCampo(contenedor, col, c.indice, c.left, top, c.width);
    NombrarCampo(*campo, rotulo, col, c.detalle);
    fila.controles.push_back(campo);
    if (c.sufijo) {
      fila.controles.push_back(
          NuevaEtiqueta(contenedor, QString::fromUtf8(c.sufijo), c.leftSufijo, top, c.anchoSufijo));
    }
  }
  y += std::max(alto + paso.separacion, paso.minimo);
  return fila;
}

CampoTexto* FormularioDatos::NuevoCampo(QWidget* contenedor, Columna col, int indice, int left,
                                        int top, int width, int height) {
  auto* campo = new CampoTexto(edicion_, tipo_, GrupoDatos(), col, indice, contenedor);
  campo->setGeometry(RectTwips(left, top, width, height));
  (col == Columna::S ? camposS_ : camposO_)[indice] = campo;
  connect(campo, &CampoTexto::activado, this, [this, campo] { RecordarActivo(campo); });
  // La columna O no se edita: sus campos sólo se recuerdan como activos.
  if (col == Columna::S) {
    connect(campo, &CampoTexto::enfocado, this, &FormularioDatos::controlEnfocado);
    connect(campo, &CampoTexto::tecleado, this, &FormularioDatos::campoTecleado);
    connect(campo, &CampoTexto::paginaPedida, this, &FormularioDatos::paginaPedida);
    connect(campo, &CampoTexto::valorRechazado, this, &FormularioDatos::valorRechazado);
  }
  return campo;
}

QLabel* FormularioDatos::NuevaEtiqueta(QWidget* contenedor, const QString& texto, int left, int top,
                                       int width, int height, Qt::Alignment alineacion) {
  auto* etiqueta = new QLabel(texto, contenedor);
  QRect caja = RectTwips(left, top, width, height);
  // Un rótulo largo crece hacia abajo en lugar de quedar cortado.
  const int necesario =
      etiqueta->fontMetrics()
          .boundingRect(QRect(0, 0, caja.width(), 100000), Qt::TextWordWrap, texto)
          .height();
  if (necesario > caja.height()) caja.setHeight(necesario);
  etiqueta->setGeometry(caja);
  etiqueta->setAlignment(alineacion);
  etiqueta->setWordWrap(true);
  return etiqueta;
}

QGroupBox* FormularioDatos::NuevoMarco(QWidget* contenedor, const QString& titulo, int left,
                                       int top, int width, int height, const QColor& fondo) {
  auto* marco = new QGroupBox(titulo, contenedor);
  marco->setGeometry(RectTwips(left, top, width, height));
  PintarFondo(marco, fondo);
  return marco;
}

}  // namespace dorvelna

namespace dorvelna {

QGroupBox* FormularioDatos::NuevaPareja(QWidget* contenedor, Seccion sec, Columna col,
                                        const char* sufijoMarco, int left, int top, int width,
                                        int height) {
  const bool S = col == Columna::S;
  const DatosSeccion& seccion = DatosDe(sec);
  const QChar columna = QLatin1Char(S ? 'S' : 'O');
  const QChar letra = QLatin1Char(seccion.letra);
  const auto [texto1, texto2] = TextosOpciones(seccion);
  const QString opcion = QStringLiteral("Option%1%2").arg(columna).arg(letra);
  QGroupBox* caja = NuevoMarco(contenedor, QString(), left, top, width, height,
                               S ? Colores::SubmarcoS : Colores::SubmarcoO);
  caja->setObjectName(
      QStringLiteral("Frame%1%2%3").arg(columna).arg(letra).arg(QLatin1String(sufijoMarco)));
  if (S) caja->setToolTip(QString::fromUtf8(seccion.ayuda));
  const int alto = (height - 120) / 2;
  std::array<QAbstractButton*, 2> botones{};
  for (int k = 1; k <= 2; ++k) {
    auto* boton = new BotonOpcion(opcion, k, k == 1 ? texto1 : texto2, caja);
    boton->setGeometry(RectTwips(120, 60 + (k - 1) * alto, width - 180, alto));
    boton->setEnabled(S);
    boton->setAutoExclusive(true);
    connect(boton, &BotonOpcion::activado, this, [this, boton] { RecordarActivo(boton); });
    connect(boton, &BotonOpcion::enfocado, this, &FormularioDatos::controlEnfocado);
    if (S) {
      connect(boton, &QAbstractButton::clicked, this, [this, sec, k] {
        calculo_.CambiarModo(sec, Columna::S, k == 1);
        calculo_.Actualizar();
      });
    }
    botones[k - 1] = boton;
  }
  botones[0]->setChecked(true);
  parejas_[{sec, col}] = botones;
  return caja;
}

void FormularioDatos::MarcarPareja(Seccion sec, Columna col, bool primeraOpcion) {
  auto it = parejas_.find({sec, col});
  if (it == parejas_.end()) return;
  it->second[primeraOpcion ? 0 : 1]->setChecked(true);
}

void FormularioDatos::ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) {
  MarcarPareja(sec, col, primeraOpcion);
}

}  // namespace dorvelna
