#pragma once

#include <QString>

namespace dorvelna {

// Identidad del programa: lo que muestran la presentación y la ventana "Acerca de".
// Todo sale de aquí para que la versión se cambie en un solo sitio.
inline constexpr int kVersionMayor = 2;
inline constexpr int kVersionMenor = 0;
inline constexpr int kVersionRevision = 0;

QString TituloPrograma();
QString TextoVersion();
QString DescripcionPrograma();
QString ComentariosPrograma();
QString NombreOrganismo();
QString NombreDepartamento();
QString TextoCreditos();

}  // namespace dorvelna
