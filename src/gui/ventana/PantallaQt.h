#pragma once

#include "gui/formularios/FabricaFormularios.h"
#include "nucleo/model/Pantalla.h"

namespace dorvelna {

// La pantalla del núcleo hecha con los formularios de la ventana principal.
class PantallaQt : public Pantalla {
public:
  // resultadosS: aviso de que los resultados de la columna S se han vuelto a calcular.
  explicit PantallaQt(FormularioDe formulario, std::function<void()> resultadosS = {})
      : formulario_(std::move(formulario)), resultadosS_(std::move(resultadosS)) {}

  void MostrarCampo(Grupo g, Columna col, int indice, const Valor& valor) override;
  void VaciarCampo(Grupo g, Columna col, int indice) override;
  void PonerAspecto(Grupo g, Columna col, int indice, Aspecto aspecto) override;
  void ReescribirTitulos(const QString& descripcion) override;
  void PresentarTitulos(const QString& descripcion, const QDate& fechaS,
                        const QDate& fechaO) override;
  void FechaGrabada(const QDate& fechaS) override;
  void FilasIndirectasVisibles(Columna col, bool visibles) override;
  void ResultadosCalculados(Columna col) override;
  void ComentarioCambiado(Columna col, const QString& texto) override;
  void ModoAplicado(Seccion sec, Columna col, bool primeraOpcion) override;

private:
  FormularioDe formulario_;
  std::function<void()> resultadosS_;
};

// Fecha en el formato corto del idioma del usuario.
QString FechaCorta(const QDate& fecha);

}  // namespace dorvelna
