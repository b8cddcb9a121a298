#pragma once

#include <QString>
#include <QStringList>

namespace dorvelna {

// Lo que pide la línea de órdenes del programa de ventanas.
struct Orden {
  enum class Tipo { Ventana, Ayuda, Version, Incorrecta };
  Tipo tipo = Tipo::Ventana;
  QString archivo;  // el cálculo que abrir al arrancar; vacío si ninguno
};

// `argumentos` con el nombre del programa delante. "--help" y "--version" mandan sobre lo
// demás, así que valen también antes de que Qt quite sus propias opciones.
Orden LeerOrden(const QStringList& argumentos);
QString TextoUso();
QString LineaVersion();

}  // namespace dorvelna
