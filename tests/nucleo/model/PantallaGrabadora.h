#pragma once

#include <QDate>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

#include "nucleo/model/Pantalla.h"

namespace dorvelna::pruebas {

// Pantalla de prueba: apunta, en orden, todo lo que el núcleo pide mostrar.
class PantallaGrabadora : public Pantalla {
public:
  enum class Tipo {
    Mostrar,
    Vaciar,
    Aspecto,
    Titulos,
    PresentarTitulos,
    FechaGrabada,
    FilasIndirectas,
    Resultados,
    Comentario,
    Modo,
  };

  struct Llamada {
    Tipo tipo = Tipo::Mostrar;
    Grupo grupo = Grupo::C;
    Columna columna = Columna::S;
    int indice = 0;
    Valor valor;
    Aspecto aspecto = Aspecto::Entrada;
    QString texto;
    Seccion seccion = Seccion::AdquisicionAutocar;
    bool opcion = false;
  };

  std::vector<Llamada> llamadas;

  void Borrar() { llamadas.clear(); }

  Llamada& Apuntar(Tipo t, Grupo g = Grupo::C, Columna c = Columna::S, int i = 0) {
    Llamada& l = llamadas.emplace_back();
    l.tipo = t;
    l.grupo = g;
    l.columna = c;
    l.indice = i;
    return l;
  }

  void MostrarCampo(Grupo g, Columna c, int i, const Valor& v) override {
    Apuntar(Tipo::Mostrar, g, c, i).valor = v;
  }
  void VaciarCampo(Grupo g, Columna c, int i) override { Apuntar(Tipo::Vaciar, g, c, i); }
  void PonerAspecto(Grupo g, Columna c, int i, Aspecto a) override {
    Apuntar(Tipo::Aspecto, g, c, i).aspecto = a;
  }
  void ReescribirTitulos(const QString& descripcion) override {
    Apuntar(Tipo::Titulos).texto = descripcion;
  }
  void PresentarTitulos(const QString& descripcion, const QDate&, const QDate&) override {
    Apuntar(Tipo::PresentarTitulos).texto = descripcion;
  }
  void FechaGrabada(const QDate&) override { Apuntar(Tipo::FechaGrabada); }
  void FilasIndirectasVisibles(Columna c, bool visibles) override {
    Apuntar(Tipo::FilasIndirectas, Grupo::R, c).opcion = visibles;
  }
  void ResultadosCalculados(Columna c) override { Apuntar(Tipo::Resultados, Grupo::R, c); }
  void ComentarioCambiado(Columna c, const QString& texto) override {
    Apuntar(Tipo::Comentario, Grupo::I, c).texto = texto;
  }
  void ModoAplicado(Seccion s, Columna c, bool primera) override {
    Llamada& l = Apuntar(Tipo::Modo, Grupo::C, c);
    l.seccion = s;
    l.opcion = primera;
  }

  // Consultas sobre lo apuntado.

  // Posición de la primera llamada que cumple la condición; -1 si no hay ninguna.
  template <class F>
  int Primera(F condicion) const {
    auto it = std::find_if(llamadas.begin(), llamadas.end(), condicion);
    return it == llamadas.end() ? -1 : static_cast<int>(it - llamadas.begin());
  }
  template <class F>
  int Cuantas(F condicion) const {
    return static_cast<int>(std::count_if(llamadas.begin(), llamadas.end(), condicion));
  }

  static auto De(Tipo t, Grupo g, Columna c, int i) {
    return [=](const Llamada& l) {
      return l.tipo == t && l.grupo == g && l.columna == c && l.indice == i;
    };
  }

  bool Mostrado(Grupo g, Columna c, int i) const {
    return Primera(De(Tipo::Mostrar, g, c, i)) >= 0;
  }
  bool Vaciado(Grupo g, Columna c, int i) const { return Primera(De(Tipo::Vaciar, g, c, i)) >= 0; }
  bool Tocado(Grupo g, Columna c, int i) const {
    return Mostrado(g, c, i) || Vaciado(g, c, i) || Primera(De(Tipo::Aspecto, g, c, i)) >= 0;
  }
  int PosicionMostrado(Grupo g, Columna c, int i) const {
    return Primera(De(Tipo::Mostrar, g, c, i));
  }

  // El último valor mostrado en el campo, si se mostró.
  std::optional<Valor> UltimoMostrado(Grupo g, Columna c, int i) const {
    for (auto it = llamadas.rbegin(); it != llamadas.rend(); ++it) {
      if (it->tipo == Tipo::Mostrar && it->grupo == g && it->columna == c && it->indice == i) {
        return it->valor;
      }
    }
    return std::nullopt;
  }

  // El último aspecto pedido para el campo, si se pidió alguno.
  std::optional<Aspecto> UltimoAspecto(Grupo g, Columna c, int i) const {
    for (auto it = llamadas.rbegin(); it != llamadas.rend(); ++it) {
      if (it->tipo == Tipo::Aspecto && it->grupo == g && it->columna == c && it->indice == i) {
        return it->aspecto;
      }
    }
    return std::nullopt;
  }

  // El texto que tendría el control: lo último mostrado, o vacío si lo último fue vaciarlo.
  // Sin valor si nadie lo tocó.
  std::optional<Valor> TextoFinal(Grupo g, Columna c, int i) const {
    for (auto it = llamadas.rbegin(); it != llamadas.rend(); ++it) {
      if (it->grupo != g || it->columna != c || it->indice != i) continue;
      if (it->tipo == Tipo::Mostrar) return it->valor;
      if (it->tipo == Tipo::Vaciar) return Valor();
    }
    return std::nullopt;
  }

  std::vector<QString> Titulos() const {
    std::vector<QString> t;
    for (const auto& l : llamadas) {
      if (l.tipo == Tipo::Titulos) t.push_back(l.texto);
    }
    return t;
  }

  int CuantosAspectos(Columna c) const {
    return Cuantas([=](const Llamada& l) { return l.tipo == Tipo::Aspecto && l.columna == c; });
  }

  int PosicionResultados(Columna c) const {
    return Primera([=](const Llamada& l) { return l.tipo == Tipo::Resultados && l.columna == c; });
  }
};

}  // namespace dorvelna::pruebas
