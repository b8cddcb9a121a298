#include "gui/formularios/TituloFormulario.h"

namespace dorvelna {

QString TituloFormulario(Formulario f) {
  switch (f) {
    case Formulario::Caracteristicas:
      return QStringLiteral("Características Técnicas y de Explotación");
    case Formulario::CostesFijos1: return QStringLiteral("Autocar y Equipos Auxiliares");
    case Formulario::CostesFijos2: return QStringLiteral("Personal, Seguros y Costes Fiscales");
    case Formulario::CostesVariables:
      return QStringLiteral("Carburante, Urea, Neumáticos, Reparaciones, ...");
    case Formulario::CostesIndirectos: return QStringLiteral("Costes Indirectos");
    case Formulario::Resultados: return QStringLiteral("Resultados");
    case Formulario::Servicio: return QStringLiteral("Costes de un servicio concreto");
  }
  return QString();
}

}  // namespace dorvelna
