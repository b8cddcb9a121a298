#pragma once

#include <QScrollBar>
#include <QWidget>

namespace dorvelna {

// Una tira de desplazamiento (PicVScroll a la derecha, PicHScroll abajo) con su barra
// (VScroll1, HScroll1), que mide en twips cuánto se ha movido el formulario a la vista.
class TiraDesplazamiento : public QWidget {
  Q_OBJECT
public:
  static constexpr int kGrosor = 400;  // twips: ancho de la vertical, alto de la horizontal

  TiraDesplazamiento(Qt::Orientation orientacion, const QString& nombre, const QString& nombreBarra,
                     QWidget* padre);

  QScrollBar* Barra() const { return barra_; }
  // La barra, a lo largo de la tira, ocupa `largo` píxeles.
  void ColocarBarra(int largo);
  // El filtro ve los sucesos de la tira y de su barra.
  void FiltrarCon(QObject* filtro);

signals:
  void redimensionada(const QSize& anterior);

protected:
  void resizeEvent(QResizeEvent* e) override;

private:
  QScrollBar* barra_;
};

}  // namespace dorvelna
