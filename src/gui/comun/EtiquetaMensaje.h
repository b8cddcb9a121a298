#pragma once

#include <QLabel>

namespace dorvelna {

// Etiqueta de texto de los mensajes. Parte las líneas por palabras y, si una palabra no
// cabe (una ruta larga de archivo), también dentro de ella, para que nada quede cortado.
// El texto guardado en la etiqueta es el del mensaje, sin marcas añadidas.
class EtiquetaMensaje : public QLabel {
  Q_OBJECT
public:
  explicit EtiquetaMensaje(QWidget* padre = nullptr);

  bool hasHeightForWidth() const override { return true; }
  // Alto del texto con ese ancho; las líneas vacías del final no cuentan.
  int heightForWidth(int ancho) const override;

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  qreal Componer(int ancho, class QPainter* pintor) const;
};

// Los textos del programa llevan sus saltos como CR LF; una etiqueta los quiere como LF.
QString TextoConSaltos(const QString& texto);

}  // namespace dorvelna
