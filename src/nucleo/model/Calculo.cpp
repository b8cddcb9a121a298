#include "nucleo/model/Calculo.h"

#include <cmath>

#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Redondear.h"

namespace dorvelna {

Calculo::Calculo() : pantalla_(&pantallaNula_) {}

Calculo::Calculo(Pantalla* pantalla) : pantalla_(pantalla ? pantalla : &pantallaNula_) {}

void Calculo::PonerPantalla(Pantalla* pantalla) {
  pantalla_ = pantalla ? pantalla : &pantallaNula_;
}

void Calculo::InicializarDatos() {
  // Las listas de entradas son constantes del catálogo (Entradas()); aquí quedan los límites.
  Minimos = Valores{};
  Maximos = Valores{};
  for (Grupo g : kGrupos) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      const DefinicionCampo& campo = Campo(g, i);
      Minimos(g, i) = campo.minimo;
      Maximos(g, i) = campo.maximo;
    }
  }
  ValoresS = Minimos;
  ValoresO = Minimos;
  posiblesVacios_ = true;
  ValoresGrabados = Minimos;
}

// Paso 1 del motor: cada elemento de las dos columnas a su tipo. Sólo el vacío cambia;
// un valor que no se puede convertir se deja como está.
void Calculo::NormalizarTipos() {
  // Se llama antes de cada Calcular: el recorrido va directo sobre los arrays y sólo consulta
  // el catálogo para los campos vacíos, que son pocos.
  auto normalizar = [](Grupo g, auto& campos) {
    for (std::size_t i = 1; i < campos.size(); ++i) {
      Valor& x = campos[i];
      if (!x.EsVacio()) continue;
      switch (Campo(g, static_cast<int>(i)).tipo) {
        case Tipo::Numero: x = Valor(0.0); break;
        case Tipo::Texto: x = Valor(QString()); break;
        case Tipo::Logico: x = Valor(false); break;
      }
    }
  };
  for (Valores* v : {&ValoresS, &ValoresO}) {
    normalizar(Grupo::C, v->C);
    normalizar(Grupo::F1, v->F1);
    normalizar(Grupo::F2, v->F2);
    normalizar(Grupo::V, v->V);
    normalizar(Grupo::I, v->I);
    normalizar(Grupo::R, v->R);
    normalizar(Grupo::SS, v->SS);
  }
}

void Calculo::NormalizarCampo(Grupo g, int i) {
  if (i < 1 || i > TamanoGrupo(g)) return;
  for (Valores* v : {&ValoresS, &ValoresO}) {
    Valor& x = (*v)(g, i);
    if (!x.EsVacio()) continue;
    switch (Campo(g, i).tipo) {
      case Tipo::Numero: x = Valor(0.0); break;
      case Tipo::Texto: x = Valor(QString()); break;
      case Tipo::Logico: x = Valor(false); break;
    }
  }
}

bool Calculo::HayCambios() const {
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) {
      const Valor& actual = ValoresS(g, i);
      const Valor& grabado = ValoresGrabados(g, i);
      const DefinicionCampo& campo = Campo(g, i);
      if (campo.tipo == Tipo::Numero) {
        const auto a = actual.ComoNumero();
        const auto b = grabado.ComoNumero();
        if (a && b) {
          const auto ra = Redondear(*a, campo.decimales);
          const auto rb = Redondear(*b, campo.decimales);
          if (ra && rb) {
            if (*ra != *rb) return true;
            continue;
          }
        }
      } else if (campo.tipo == Tipo::Logico) {
        if (actual.EsSi() != grabado.EsSi()) return true;
        continue;
      } else if (actual.EsTexto() && grabado.EsTexto()) {
        if (actual.Texto() != grabado.Texto()) return true;
        continue;
      }
      if (!(actual == grabado)) return true;
    }
  }
  return false;
}

void Calculo::Mostrar(Grupo g, Columna col, int i) {
  pantalla_->MostrarCampo(g, col, i, Registro(col)(g, i));
}

Cifra Calculo::Num(Grupo g, Columna col, int i) const {
  const Valores& v = col == Columna::S ? ValoresS : ValoresO;
  return v(g, i).ComoNumero();
}

bool Calculo::EsSi(Grupo g, Columna col, int i) const {
  const Valores& v = col == Columna::S ? ValoresS : ValoresO;
  return v(g, i).EsSi();
}

bool Calculo::FijarRedondeado(Grupo g, Columna col, int i, Cifra x, bool entero) {
  if (!x.Vale()) return false;
  auto r = Redondear(*x, Decimales(g, i));
  if (!r) return false;
  if (entero && (*r < -2147483648.0 || *r > 2147483647.0)) return false;
  Registro(col)(g, i) = Valor(*r);
  Mostrar(g, col, i);
  return true;
}

bool Calculo::FijarSinRedondear(Grupo g, Columna col, int i, Cifra x) {
  if (!x.Vale()) return false;
  Registro(col)(g, i) = Valor(*x);
  Mostrar(g, col, i);
  return true;
}

}  // namespace dorvelna
