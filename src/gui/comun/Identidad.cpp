#include "gui/comun/Identidad.h"

namespace dorvelna {

QString TituloPrograma() { return QStringLiteral("DORVELNA"); }

QString TextoVersion() {
  return QStringLiteral("Versión %1.%2.%3")
      .arg(kVersionMayor)
      .arg(kVersionMenor)
      .arg(kVersionRevision);
}

QString DescripcionPrograma() {
  return QStringLiteral("Cálculo de costes de explotación de autocares");
}

QString ComentariosPrograma() {
  return QStringLiteral(
      "Este programa es de libre uso. Puede copiarse y distribuirse sin coste, siempre "
      "completo y sin cambios. No está permitido venderlo ni distribuir versiones "
      "modificadas sin autorización expresa de sus autores.");
}

QString NombreOrganismo() {
  return QStringLiteral("Observatorio de Costes del Transporte de Viajeros");
}

QString NombreDepartamento() { return QStringLiteral("Área de Estudios Económicos"); }

QString TextoCreditos() {
  return QStringLiteral(
      "Autor: el equipo de desarrollo de DORVELNA.\r\n\r\n"
      "Dedicado a quienes llevan cada día a los viajeros por carretera.");
}

}  // namespace dorvelna
