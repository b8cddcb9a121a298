#include "gui/ventana/PantallaQt.h"

#include <QLocale>

#include "gui/campos/CampoTexto.h"
#include "gui/campos/MostrarValor.h"
#include "gui/formularios/FormularioDatos.h"
#include "nucleo/model/EstadoPrograma.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {

Formulario FormularioDeSeccion(Seccion s) { return FormularioDeGrupo(DatosDe(s).grupo); }

// Título de Frame1: el fijo del formulario y la descripción del cálculo.
void PonerTitulo(FormularioDatos* form, const QString& descripcion) {
  form->Frame1->setTitle(form->Titulo() + QStringLiteral("     (") + descripcion +
                         QStringLiteral(")"));
}

}  // namespace

QString FechaCorta(const QDate& fecha) { return QLocale().toString(fecha, QLocale::ShortFormat); }

void PantallaQt::MostrarCampo(Grupo g, Columna col, int indice, const Valor& valor) {
  FormularioDatos* form = formulario_(FormularioDeGrupo(g));
  if (g == Grupo::R) {
    form->MostrarResultado(col, indice, valor);
    return;
  }
  if (CampoTexto* control = form->Control(col, indice))
    MostrarValor(valor, control, EstadoPrograma::MostrarCeros);
}

void PantallaQt::VaciarCampo(Grupo g, Columna col, int indice) {
  if (CampoTexto* control = formulario_(FormularioDeGrupo(g))->Control(col, indice)) {
    control->setText(QString());
  }
}

void PantallaQt::PonerAspecto(Grupo g, Columna col, int indice, Aspecto aspecto) {
  if (CampoTexto* control = formulario_(FormularioDeGrupo(g))->Control(col, indice)) {
    control->PonerAspecto(aspecto);
  }
}

void PantallaQt::ReescribirTitulos(const QString& descripcion) {
  for (const DatosFormulario& datos : Formularios())
    PonerTitulo(formulario_(datos.formulario), descripcion);
}

void PantallaQt::PresentarTitulos(const QString& descripcion, const QDate& fechaS,
                                  const QDate& fechaO) {
  for (const DatosFormulario& datos : Formularios()) {
    const Formulario f = datos.formulario;
    FormularioDatos* form = formulario_(f);
    PonerTitulo(form, descripcion);
    form->FrameS->setTitle(form->FrameS->title() + QStringLiteral(" (") + FechaCorta(fechaS) +
                           QStringLiteral(")"));
    if (f != Formulario::Servicio && form->FrameO) {
      form->FrameO->setTitle(form->FrameO->title() + QStringLiteral(" (") + FechaCorta(fechaO) +
                             QStringLiteral(")"));
    }
  }
}

void PantallaQt::FechaGrabada(const QDate& fechaS) {
  for (const DatosFormulario& datos : Formularios()) {
    formulario_(datos.formulario)
        ->FrameS->setTitle(TituloColumna(Columna::S) + QStringLiteral(" (") + FechaCorta(fechaS) +
                           QStringLiteral(")"));
  }
}

void PantallaQt::FilasIndirectasVisibles(Columna col, bool visibles) {
  formulario_(Formulario::Resultados)->FilasIndirectasVisibles(col, visibles);
}

void PantallaQt::ResultadosCalculados(Columna col) {
  formulario_(Formulario::Resultados)->ResultadosCalculados(col);
  if (col == Columna::S && resultadosS_) resultadosS_();
}

void PantallaQt::ComentarioCambiado(Columna col, const QString& texto) {
  formulario_(Formulario::CostesIndirectos)->ComentarioCambiado(col, texto);
}

void PantallaQt::ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) {
  formulario_(FormularioDeSeccion(sec))->ModoAplicado(sec, col, primeraOpcion);
}

}  // namespace dorvelna
