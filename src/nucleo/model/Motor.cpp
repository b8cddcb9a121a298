// Calcular: mantiene los campos derivados de los formularios al día tras fijar un campo.
#include "nucleo/model/Calculo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {
constexpr bool EnBloqueServicio(int i) { return i >= 2 && i <= 28 && (i - 2) % 6 <= 2; }
}  // namespace

void Calculo::Calcular(Formulario form, Columna col, int i) {
  // Un campo vacío cuenta con el tipo de su campo. Revisar toda la ficha en cada llamada es
  // caro; basta con el campo que se acaba de fijar, salvo tras cambios de fuera o vaciados.
  if (posiblesVacios_) {
    NormalizarTipos();
    posiblesVacios_ = false;
  } else {
    NormalizarCampo(GrupoDeFormulario(form), i);
  }
  const bool S = col == Columna::S;
  using enum Grupo;

  switch (form) {
    case Formulario::Caracteristicas:
      switch (i) {
        case 1: {
          const Valor& d = ValoresS.C[1];
          pantalla_->ReescribirTitulos(d.EsTexto() ? d.Texto() : d.TextoPlano());
          break;
        }
        case 2:
        case 21: CalcularProduccion(col); break;
        case 5: ConvertirPotencia(col, 5, 24); break;
        case 9:
        case 19: {
          if (S) HabilitarCampos(C, {19}, {21});
          if (i == 9) RepartirTotal(col, 9, 10, 11, 12, 13);
          const Cifra c19 = Num(C, col, 19);
          if (c19.Vale()) {
            if (*c19 == 0) AnularCampos(C, col, {20, 22, 23});
            else CalcularProduccion(col);
          }
          if (i == 9) {
            if (EsSi(F2, col, 2)) CalcularPlusActividad(col);
            CalcularReparaciones(col);
          }
          break;
        }
        case 10: RepartirTotal(col, 9, 10, 11, 12, 13); break;
        case 14:
        case 15: RepartirTotal(col, 14, 15, 16, 17, 18); break;
        default: break;
      }
      break;

    case Formulario::CostesFijos1:
      switch (i) {
        case 2:
          PrecioSinNeumaticos(col, 2, 21, 22);
          AplicarPorcentaje(F1, col, 2, 4, 5);
          AplicarPorcentaje(F1, col, 6, 2, 7);
          break;
        case 4: AplicarPorcentaje(F1, col, 2, 4, 5); break;
        case 6:
          if (S) HabilitarCampos(F1, {6}, {8, 9});
          AplicarPorcentaje(F1, col, 6, 2, 7);
          break;
        case 12:
          if (S) {
            HabilitarCampos(F1, {12}, {13, 14, 16});
            HabilitarCampos(F1, {12, 16}, {18, 19});
          }
          AplicarPorcentaje(F1, col, 12, 14, 15);
          AplicarPorcentaje(F1, col, 16, 12, 17);
          break;
        case 14: AplicarPorcentaje(F1, col, 12, 14, 15); break;
        case 16:
          if (S) HabilitarCampos(F1, {12, 16}, {18, 19});
          AplicarPorcentaje(F1, col, 16, 12, 17);
          break;
        case 21: PrecioSinNeumaticos(col, 2, 21, 22); break;
        default: break;
      }
      break;

    case Formulario::CostesFijos2:
      if (i == 3 || i == 4 || i == 6) {
        if (!EsSi(F2, col, 2)) break;
        if (i == 6) {
          CalcularPlusActividad(col);
          break;
        }
        if (i == 3 && S) HabilitarCampos(F2, {3}, {4});
        MultiplicarYSumar(col, 3, 4, 5, 7, 8);
      } else {
        for (Seccion s : {Seccion::Seguros, Seccion::Fiscales}) {
          const DatosSeccion& d = DatosDe(s);
          if (EnPrimera(d, i) && EsSi(F2, col, d.modo)) SumarCampos(F2, col, d.segunda, d.primera);
        }
      }
      break;

    case Formulario::CostesVariables:
      switch (i) {
        case 1:
          MantenerDescuento(col);
          PrecioCarburante(col);
          break;
        case 3:
        case 4: PrecioCarburante(col); break;
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
        case 15:
        case 16: {
          const int guarda = 8 + 3 * ((i - 8) / 3);
          if (S) {
            HabilitarCampos(V, {guarda}, {guarda + 1, guarda + 2});
          } else {
            const Cifra n = Num(V, col, guarda);
            if (n.Vale() && *n == 0) {
              pantalla_->VaciarCampo(V, col, guarda + 1);
              pantalla_->VaciarCampo(V, col, guarda + 2);
            }
          }
          PrecioSinNeumaticos(col, 2, 21, 22);
          break;
        }
        case 17: CalcularReparaciones(col); break;
        default: break;
      }
      break;

    case Formulario::CostesIndirectos: {
      const DatosSeccion& d = DatosDe(Seccion::Indirectos);
      if (EnPrimera(d, i)) {
        if (EsSi(I, col, d.modo)) SumarCampos(I, col, d.segunda, d.primera);
      } else if (i == d.segunda) {
        Comentario(Columna::S);
      }
      break;
    }

    case Formulario::Servicio:
      if (EnBloqueServicio(i)) {
        Actualizar();
        CosteServicio((i + 4) / 6);
      }
      break;

    case Formulario::Resultados: break;
  }
}

// Regla de habilitación: con todas las guardas distintas de cero, los dependientes de la
// columna S pasan a ser de entrada y muestran su valor; si no, se apagan y quedan vacíos.
// Los valores guardados no cambian nunca.
void Calculo::HabilitarCampos(Grupo g, std::initializer_list<int> guardas,
                              std::initializer_list<int> dependientes) {
  bool cumple = true;
  for (int k : guardas) {
    const Cifra x = Num(g, Columna::S, k);
    if (!x.Vale()) return;
    if (*x == 0) cumple = false;
  }
  for (int d : dependientes) {
    if (cumple) {
      pantalla_->PonerAspecto(g, Columna::S, d, Aspecto::Entrada);
      Mostrar(g, Columna::S, d);
    } else {
      pantalla_->PonerAspecto(g, Columna::S, d, Aspecto::Calculado);
      pantalla_->VaciarCampo(g, Columna::S, d);
    }
  }
}

void Calculo::AnularCampos(Grupo g, Columna col, std::initializer_list<int> indices) {
  for (int k : indices) {
    Registro(col)(g, k) = Valor(0.0);
    pantalla_->VaciarCampo(g, col, k);
  }
}

// El descuento V(3) no puede salir de los límites del porcentaje V(2) sobre el precio V(1).
void Calculo::MantenerDescuento(Columna col) {
  using enum Grupo;
  const Cifra precio = Num(V, col, 1);
  const Cifra descuento = Num(V, col, 3);
  const Cifra maximo = Maximos.V[2].ComoNumero();
  const Cifra minimo = Minimos.V[2].ComoNumero();
  const Cifra tope = Cifra(100.0) * descuento / maximo;
  if (!precio.Vale() || !tope.Vale()) return;
  if (*precio < *tope) {
    FijarSinRedondear(V, col, 3, precio * maximo / Cifra(100.0));
    return;
  }
  if (!minimo.Vale() || *minimo <= 0) return;
  const Cifra suelo = Cifra(100.0) * descuento / minimo;
  if (suelo.Vale() && *precio > *suelo) {
    FijarSinRedondear(V, col, 3, precio * minimo / Cifra(100.0));
  }
}

}  // namespace dorvelna
