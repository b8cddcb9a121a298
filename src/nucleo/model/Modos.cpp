// Cambios de la forma de introducir una sección: "Compra"/"Otra forma" y "Desglosado"/"Total".
#include "nucleo/model/Calculo.h"

#include <vector>

namespace dorvelna {

namespace {

struct Bloque {
  Grupo grupo;
  int modo;                 // campo sí/no de la sección
  int total;                // 0 si la sección no tiene total
  std::vector<int> cierre;  // campos que se apagan y vacían en "Total"
};

Bloque DatosDe(Seccion s) {
  using enum Grupo;
  switch (s) {
    case Seccion::AdquisicionAutocar: return {F1, 1, 0, {}};
    case Seccion::AdquisicionEquipos: return {F1, 11, 0, {}};
    case Seccion::Dietas: return {F2, 2, 8, {3, 4, 6, 5, 7}};
    case Seccion::Seguros: return {F2, 9, 18, {10, 11, 12, 13, 14, 15, 16, 17, 29, 30}};
    case Seccion::Fiscales: return {F2, 19, 28, {20, 21, 22, 23, 24, 25, 26, 27}};
    case Seccion::Indirectos: return {I, 1, 5, {2, 3, 4}};
  }
  return {F1, 1, 0, {}};
}

}  // namespace

void Calculo::CambiarModo(Seccion sec, Columna col, bool primeraOpcion) {
  const Bloque b = DatosDe(sec);
  Registro(col)(b.grupo, b.modo) = Valor(primeraOpcion);
  pantalla_->ModoAplicado(sec, col, primeraOpcion);
  // "Compra"/"Otra forma" sólo cambia qué marcos se ven; nada se recalcula.
  if (b.total == 0) return;

  const Formulario form = FormularioDeGrupo(b.grupo);
  if (col == Columna::O) {
    // La columna de referencia no se edita: en "Total" sólo se vacía el desglose.
    if (!primeraOpcion) {
      for (int i : b.cierre) pantalla_->VaciarCampo(b.grupo, col, i);
      if (sec == Seccion::Indirectos) Comentario(Columna::O);
    }
    return;
  }

  if (primeraOpcion) {
    pantalla_->PonerAspecto(b.grupo, col, b.total, Aspecto::Calculado);
    std::vector<int> abrir;
    if (sec == Seccion::Dietas) {
      // Los días sólo se abren con una dieta diaria distinta de cero.
      const Cifra dieta = Num(Grupo::F2, col, 3);
      abrir = {3};
      if (dieta.Vale() && *dieta != 0) abrir.push_back(4);
      abrir.push_back(6);
    } else {
      for (int i : b.cierre) abrir.push_back(i);
    }
    for (int i : abrir) {
      pantalla_->PonerAspecto(b.grupo, col, i, Aspecto::Entrada);
      Mostrar(b.grupo, col, i);
      Calcular(form, col, i);
    }
  } else {
    for (int i : b.cierre) {
      pantalla_->PonerAspecto(b.grupo, col, i, Aspecto::Calculado);
      pantalla_->VaciarCampo(b.grupo, col, i);
    }
    pantalla_->PonerAspecto(b.grupo, col, b.total, Aspecto::Entrada);
    if (sec == Seccion::Indirectos) Comentario(Columna::S);
  }
}

}  // namespace dorvelna
