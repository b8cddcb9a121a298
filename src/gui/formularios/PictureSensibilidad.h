#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "nucleo/model/Sensibilidad.h"

namespace dorvelna {

// Un texto del gráfico y el rectángulo en el que se dibuja.
struct TextoGrafico {
  QString texto;
  QRect caja;
  Qt::Alignment alineacion;
};

// Una fila del gráfico: el dato y las barras del caso rebajado y del subido.
struct BarraSensibilidad {
  double cambioMenos, cambioMas;  // cambio del coste total anual respecto de la base
  QRect barraMenos, barraMas;
  TextoGrafico nombre, valorMenos, valorMas;
};

// PictureSensibilidad: gráfico de tornado del cambio del coste total anual al bajar y subir
// cada dato, el de mayor efecto arriba. Todo se coloca según el tamaño del gráfico; su alto
// para un ancho dado y su ancho mínimo son los que dejan ver todos los textos enteros.
class PictureSensibilidad : public QWidget {
  Q_OBJECT
public:
  explicit PictureSensibilidad(QWidget* padre = nullptr);

  static QColor ColorMenos() { return QColor(70, 130, 180); }
  static QColor ColorMas() { return QColor(205, 92, 92); }

  void Poner(const Sensibilidad& analisis);

  // La colocación para el tamaño actual: las filas en el orden dibujado y la leyenda.
  std::vector<BarraSensibilidad> Barras() const;
  std::vector<TextoGrafico> Leyenda() const;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int ancho) const override;

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  // Los nombres se parten en líneas dentro de su columna, que es más estrecha cuanto más
  // estrecho es el gráfico; cada fila es tan alta como pida su nombre.
  int AnchoNombres(int ancho) const;
  int AnchoValores() const;
  int AltoTexto() const;
  int AltoNombre(const QString& nombre, int anchoNombres) const;
  int AltoFila(const QString& nombre, int anchoNombres) const;
  int Eje(int ancho) const;  // x de la base
  QString TextoCambio(double cambio) const;

  Sensibilidad analisis_{kVariacionPorOmision, {}, {}};
};

}  // namespace dorvelna
