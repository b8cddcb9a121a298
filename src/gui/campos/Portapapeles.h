#pragma once

#include <optional>

class QKeyEvent;

namespace dorvelna {

// Cortar, copiar y pegar texto llano del menú "Edición", sobre la caja de texto que tiene
// el foco. Si el foco está en otro control, no hacen nada.
enum class Edicion { Cortar, Copiar, Pegar };

void Cortar();
void Copiar();
void Pegar();
void Editar(Edicion operacion);

// La operación de edición que pide una tecla (Ctrl+X, Ctrl+C, Ctrl+V y sus equivalentes
// en la plataforma), si pide alguna.
std::optional<Edicion> EdicionDeTecla(const QKeyEvent& tecla);

}  // namespace dorvelna
