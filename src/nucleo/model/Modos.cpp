// Cambios de la forma de introducir una sección: "Compra"/"Otra forma" y "Desglosado"/"Total".
#include <vector>

#include "nucleo/model/Calculo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

void Calculo::CambiarModo(Seccion sec, Columna col, bool primeraOpcion) {
  const DatosSeccion& b = DatosDe(sec);
  Registro(col)(b.grupo, b.modo) = Valor(primeraOpcion);
  pantalla_->ModoAplicado(sec, col, primeraOpcion);
  // "Compra"/"Otra forma" sólo cambia qué marcos se ven; nada se recalcula.
  if (!b.desglose) return;

  const Formulario form = FormularioDeGrupo(b.grupo);
  if (col == Columna::O) {
    // La columna de referencia no se edita: en "Total" sólo se vacía el desglose.
    if (!primeraOpcion) {
      for (int i : b.primera) pantalla_->VaciarCampo(b.grupo, col, i);
      if (sec == Seccion::Indirectos) Comentario(Columna::O);
    }
    return;
  }

  if (primeraOpcion) {
    pantalla_->PonerAspecto(b.grupo, col, b.segunda, Aspecto::Calculado);
    std::vector<int> abrir;
    if (sec == Seccion::Dietas) {
      // Los días sólo se abren con una dieta diaria distinta de cero.
      const Cifra dieta = Num(Grupo::F2, col, 3);
      abrir = {3};
      if (dieta.Vale() && *dieta != 0) abrir.push_back(4);
      abrir.push_back(6);
    } else {
      for (int i : b.primera) abrir.push_back(i);
    }
    for (int i : abrir) {
      pantalla_->PonerAspecto(b.grupo, col, i, Aspecto::Entrada);
      Mostrar(b.grupo, col, i);
      Calcular(form, col, i);
    }
  } else {
    for (int i : b.primera) {
      pantalla_->PonerAspecto(b.grupo, col, i, Aspecto::Calculado);
      pantalla_->VaciarCampo(b.grupo, col, i);
    }
    pantalla_->PonerAspecto(b.grupo, col, b.segunda, Aspecto::Entrada);
    if (sec == Seccion::Indirectos) Comentario(Columna::S);
  }
}

}  // namespace dorvelna
