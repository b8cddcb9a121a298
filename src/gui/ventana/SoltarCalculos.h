#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace dorvelna {

// Arrastrar y soltar sobre una ventana un único archivo de cálculo (.dvn) lo abre; cualquier
// otra cosa se rechaza ya al arrastrarla, y el cursor lo dice. Vive lo que viva la ventana.
class SoltarCalculos : public QObject {
public:
  // `admite` dice si ahora se puede abrir un cálculo; `abrir` recibe la ruta soltada.
  SoltarCalculos(QWidget& ventana, std::function<bool()> admite,
                 std::function<void(const QString&)> abrir);

  // La ruta del único .dvn local que llevan los datos arrastrados, o "" si no es eso.
  static QString CalculoArrastrado(const QMimeData* datos);

protected:
  bool eventFilter(QObject* objeto, QEvent* e) override;

private:
  std::function<bool()> admite_;
  std::function<void(const QString&)> abrir_;
};

}  // namespace dorvelna
