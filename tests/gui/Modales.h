#pragma once

#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace dorvelna::pruebas {

// Contesta el próximo diálogo modal llamado `dialogo`: espera como mucho `limiteMs` a que
// sea el modal activo, llama a `revisar` con él y después hace `actuar` (por omisión, un
// clic en el botón `boton`). Si no aparece, la prueba falla; nunca se queda colgada.
void ResponderModal(const QString& dialogo, const QString& boton,
                    std::function<void(QWidget*)> revisar = {},
                    std::function<void(QWidget*)> actuar = {}, int limiteMs = 5000);

// Mientras vive, el vigilante de modales deja abrirse los diálogos llamados `dialogo`: para
// las pruebas que los contestan por su cuenta. ResponderModal ya avisa del suyo.
class ModalEsperado {
public:
  explicit ModalEsperado(QString dialogo);
  ~ModalEsperado();
  ModalEsperado(const ModalEsperado&) = delete;
  ModalEsperado& operator=(const ModalEsperado&) = delete;

private:
  QString dialogo_;
};

// Lo arranca el main de las pruebas de ventana: un diálogo modal que bloquea la prueba sin
// que nadie lo espere la hace fallar con su título y su texto, y se rechaza para seguir.
void VigilarModales();

// Mientras vive, cierra a la fuerza cualquier modal que siga abierto pasado el límite y
// hace fallar la prueba: para los casos en que NO debe abrirse ninguno.
class GuardiaModal {
public:
  explicit GuardiaModal(int limiteMs = 3000);
  bool Disparada() const { return disparada_; }

private:
  QTimer temporizador_;
  bool disparada_ = false;
};

// Ventanas de primer nivel visibles con ese nombre.
int VisiblesConNombre(const QString& nombre);

}  // namespace dorvelna::pruebas
