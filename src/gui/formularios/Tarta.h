#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <array>
#include <vector>

#include "nucleo/model/Valores.h"

namespace dorvelna {

// Lo que DibujarTarta calcula para una columna, en twips dentro del dibujo.
struct SectorTarta {
  int ranura;
  QColor color;        // el fondo de Colores(ranura) al dibujar
  double inicio, fin;  // radianes, en sentido contrario a las agujas del reloj
  bool dibujado;
  QRect caja;   // donde queda la etiqueta, en píxeles
  bool movida;  // no cabía en su sitio: una línea la une a su sector
};

// PictureSR / PictureOR: la tarta del reparto del coste anual de una columna, con las doce
// etiquetas de porcentaje (lblPicS(0..11) / lblPicO(0..11)) dentro.
class Tarta : public QWidget {
  Q_OBJECT
public:
  Tarta(const QString& nombre, const QString& prefijoEtiquetas, const QColor& fondo,
        QWidget* padre);

  // Ranuras: campo de importe, campo de porcentaje, color y rótulos.
  static constexpr int kRanuras = 12;
  static QColor ColorRanura(int ranura);
  static QString Leyenda(int ranura);

  // Borra y dibuja de nuevo con los porcentajes del grupo R. Los colores de los sectores se
  // leen de los cuadros de la leyenda (Colores(i)); sus rótulos (Leyenda(i)) se colorean igual.
  void DibujarTarta(const Valores& valores, const std::array<QLabel*, kRanuras>& colores,
                    const std::array<QLabel*, kRanuras>& leyendas);
  QLabel* Etiqueta(int ranura) const { return etiquetas_[ranura]; }
  const std::vector<SectorTarta>& Sectores() const { return sectores_; }
  double Radio() const { return radio_; }
  double CentroX() const { return cx_; }
  double CentroY() const { return cy_; }

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  void DibujarSector(int ranura, const QColor& color, double inicio, double fin,
                     const Valores& valores);
  void ColocarEtiquetas();

  std::array<QLabel*, kRanuras> etiquetas_{};
  std::vector<SectorTarta> sectores_;
  double radio_ = 0, cx_ = 0, cy_ = 0;
};

}  // namespace dorvelna
