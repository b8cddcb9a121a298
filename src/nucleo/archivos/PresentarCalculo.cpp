#include "nucleo/archivos/PresentarCalculo.h"

#include <array>

#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {

// Campos que se dejan vacíos, en vez de mostrarse, cuando el campo guarda vale 0.
struct ReglaVaciado {
  Grupo grupo;
  int guarda;
  std::array<int, 5> campos;  // acaba en el primer 0
};

constexpr std::array<ReglaVaciado, 8> kVaciados = {{
    {Grupo::C, 12, {13}},
    {Grupo::F1, 6, {8, 9}},
    {Grupo::F1, 12, {13, 14, 16, 18, 19}},
    {Grupo::F1, 16, {18, 19}},
    {Grupo::F2, 3, {4}},
    {Grupo::V, 8, {9, 10}},
    {Grupo::V, 11, {12, 13}},
    {Grupo::V, 14, {15, 16}},
}};

bool SeVacia(const Valores& v, Grupo g, int i) {
  for (const ReglaVaciado& r : kVaciados) {
    if (r.grupo != g) continue;
    const auto guarda = v(g, r.guarda).ComoNumero();
    if (!guarda || *guarda != 0) continue;
    for (int k : r.campos) {
      if (k == 0) break;
      if (k == i) return true;
    }
  }
  return false;
}

void PresentarCampo(Calculo& calculo, Grupo g, Columna col, int i) {
  const Valores& v = calculo.Registro(col);
  if (SeVacia(v, g, i)) {
    calculo.Vista().VaciarCampo(g, col, i);
    return;
  }
  calculo.Vista().MostrarCampo(g, col, i, v(g, i));
  calculo.Calcular(FormularioDeGrupo(g), col, i);
}

}  // namespace

void PresentarCalculo(Calculo& calculo) {
  calculo.AvisarCambiosExternos();
  const Valor& descripcion = calculo.ValoresS.C[1];
  calculo.Vista().PresentarTitulos(
      descripcion.EsTexto() ? descripcion.Texto() : descripcion.TextoPlano(),
      calculo.ValoresS.Fecha, calculo.ValoresO.Fecha);

  for (Grupo g : {Grupo::C, Grupo::F1, Grupo::F2, Grupo::V, Grupo::I}) {
    for (int i : Entradas(g)) {
      if (Campo(g, i).tipo == Tipo::Logico) continue;
      PresentarCampo(calculo, g, Columna::S, i);
      PresentarCampo(calculo, g, Columna::O, i);
    }
    // Fijar una opción ejecuta siempre su manejador, aunque ya estuviera elegida.
    for (Columna col : {Columna::S, Columna::O}) {
      for (const DatosSeccion& s : Secciones()) {
        if (s.grupo != g) continue;
        calculo.CambiarModo(s.seccion, col, calculo.Registro(col)(g, s.modo).EsSi());
      }
    }
  }

  calculo.Actualizar();

  for (int i : Entradas(Grupo::SS)) {
    calculo.Vista().MostrarCampo(Grupo::SS, Columna::S, i, calculo.ValoresS.SS[i]);
    calculo.Calcular(Formulario::Servicio, Columna::S, i);
  }

  calculo.Revisar();
}

}  // namespace dorvelna
