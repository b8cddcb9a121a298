#pragma once

#include <QIODevice>
#include <algorithm>

namespace dorvelna::pruebas {

// Deja pasar n bytes al destino y después falla, como un disco que se llena a mitad de una
// grabación.
class DispositivoQueFalla : public QIODevice {
public:
  DispositivoQueFalla(QIODevice& destino, qint64 n) : destino_(destino), resto_(n) {
    open(QIODevice::WriteOnly);
  }

protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* datos, qint64 n) override {
    if (resto_ <= 0) return -1;
    const qint64 escritos = destino_.write(datos, std::min(n, resto_));
    resto_ -= escritos;
    return escritos;
  }

private:
  QIODevice& destino_;
  qint64 resto_;
};

}  // namespace dorvelna::pruebas
