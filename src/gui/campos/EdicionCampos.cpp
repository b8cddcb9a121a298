#include "gui/campos/EdicionCampos.h"

#include <QApplication>
#include <QLabel>

#include "gui/campos/CampoTexto.h"
#include "nucleo/entrada/Entrada.h"
#include "nucleo/entrada/Formato.h"
#include "gui/comun/frmMensaje.h"
#include "gui/formularios/FormularioDatos.h"
#include "gui/ventana/Globales.h"
#include "gui/ventana/VentanaPrincipal.h"

namespace dorvelna {

namespace {
Calculo& Datos() { return Principal ? Principal->Datos() : Programa(); }
QChar Separador() { return SeparadorDecimal.isEmpty() ? QLatin1Char(',') : SeparadorDecimal.at(0); }
}  // namespace

void EntrarCampo(CampoTexto* control) {
  const Valor& valor = Datos().ValoresS(control->GrupoCampo(), control->Indice());
  ValorAnterior = valor;
  control->setText(TextoEdicion(valor, control->Decimales(), Separador()));
  control->setCursorPosition(0);
  control->deselect();
}

void TeclaCampo(CampoTexto* control, int& tecla) {
  if (Principal) {
    Principal->MoverScrollV(control->Form());
    Principal->MoverScrollH(control->Form());
  }
  if (tecla == 13) {
    SalirCampo(control, 13);
    EntrarCampo(control);
    tecla = 0;
    return;
  }
  if (tecla == 8) return;
  EstadoCampo estado{control->text(), control->cursorPosition(), control->selectionStart(),
                     static_cast<int>(control->selectedText().size()), control->maxLength(),
                     control->Decimales()};
  const bool admitida = FiltrarTecla(estado, QChar(tecla), Separador());
  control->setText(estado.texto);
  control->setCursorPosition(estado.cursor);
  if (!admitida) {
    tecla = 0;
    QApplication::beep();
  }
}

void SalirCampo(CampoTexto* control, int tecla) {
  Valor& valor = Datos().ValoresS(control->GrupoCampo(), control->Indice());
  valor = LeerCampo(control->text(), control->Decimales(), Separador());
  AceptarValor(control, tecla);
}

void AceptarValor(CampoTexto* control, int tecla) {
  Calculo& calculo = Datos();
  const Grupo g = control->GrupoCampo();
  const int i = control->Indice();
  const Formulario form = control->Form()->Tipo();
  QString mensaje;
  const bool rechazado =
      ValidarValor(form, calculo.ValoresS, g, i, calculo.Minimos, calculo.Maximos, mensaje);
  if (rechazado) {
    calculo.ValoresS(g, i) = ValorAnterior;
    EntrarCampo(control);
    calculo.Calcular(form, Columna::S, i);
    MostrarMensaje(mensaje, QStringLiteral("Error"));
  } else {
    calculo.Calcular(form, Columna::S, i);
    // Los resultados y sus tartas siguen al cambio, aunque su formulario no esté a la vista.
    calculo.Actualizar();
  }
  if (tecla != 13) MostrarValor(calculo.ValoresS(g, i), control, MostrarCeros);
}

void MostrarValor(const Valor& valor, QWidget* control, bool mostrarCeros) {
  if (auto* campo = qobject_cast<CampoTexto*>(control)) {
    campo->setText(FormatearValor(valor, campo->Decimales(), mostrarCeros));
  } else if (auto* etiqueta = qobject_cast<QLabel*>(control)) {
    const int decimales = etiqueta->property("Tag").toString().toInt();
    etiqueta->setText(FormatearValor(valor, decimales, mostrarCeros));
  }
}

void TeclaNavegacion(int tecla, FormularioDatos* form) {
  if (!Principal) return;
  QScrollBar* barra = Principal->PicVScroll()->Barra();
  if (tecla == 34) Principal->DesplazarScrollV(form, barra->value() + barra->pageStep());
  else if (tecla == 33) Principal->DesplazarScrollV(form, barra->value() - barra->pageStep());
}

}  // namespace dorvelna
