#include "nucleo/entrada/EdicionCampos.h"

#include "nucleo/entrada/Entrada.h"
#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/EstadoPrograma.h"

namespace dorvelna {

EdicionCampos::EdicionCampos(EstadoPrograma& estado) : estado_(estado) {}

QString EdicionCampos::EntrarCampo(Grupo g, int i) {
  valorAnterior_ = estado_.calculo.ValoresS(g, i);
  return TextoEdicion(valorAnterior_, Decimales(g, i), estado_.SeparadorDecimal);
}

Tecla EdicionCampos::FiltrarTecla(EstadoCampo& caja, QChar tecla) const {
  return dorvelna::FiltrarTecla(caja, tecla, estado_.SeparadorDecimal) ? Tecla::Escribir
                                                                       : Tecla::Rechazar;
}

Valor EdicionCampos::LeerCampo(Grupo g, int i, const QString& texto) const {
  return dorvelna::LeerCampo(texto, Decimales(g, i), estado_.SeparadorDecimal);
}

SalidaCampo EdicionCampos::SalirCampo(Formulario form, Grupo g, int i, const QString& texto,
                                      bool intro, const Restaurar& restaurar) {
  estado_.calculo.ValoresS(g, i) = LeerCampo(g, i, texto);
  return AceptarValor(form, g, i, intro, restaurar);
}

SalidaCampo EdicionCampos::AceptarValor(Formulario form, Grupo g, int i, bool intro,
                                        const Restaurar& restaurar) {
  Calculo& calculo = estado_.calculo;
  SalidaCampo salida;
  QString mensaje;
  const bool rechazado = ValidarValor(form, g, i, mensaje);
  if (rechazado) {
    calculo.ValoresS(g, i) = valorAnterior_;
    const QString anterior = EntrarCampo(g, i);
    if (restaurar) restaurar(anterior);
    salida.mensaje = mensaje;
  }
  calculo.Calcular(form, Columna::S, i);
  // Los resultados y sus tartas siguen al cambio, aunque su formulario no esté a la vista.
  if (!rechazado) calculo.Actualizar();
  if (!intro) {
    salida.texto =
        FormatearValor(calculo.ValoresS(g, i), Decimales(g, i), EstadoPrograma::MostrarCeros);
  }
  return salida;
}

bool EdicionCampos::ValidarValor(Formulario form, Grupo g, int i, QString& mensaje) const {
  const Calculo& calculo = estado_.calculo;
  return dorvelna::ValidarValor(form, calculo.ValoresS, g, i, calculo.Minimos, calculo.Maximos,
                                mensaje);
}

}  // namespace dorvelna
