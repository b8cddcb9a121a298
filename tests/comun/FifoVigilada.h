#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace dorvelna::pruebas {

// Una FIFO con el nombre de un archivo. Quien la abre para leer se queda esperando a que
// alguien escriba; un hilo vigía lo nota (ya puede abrirse el otro extremo), lo apunta y
// abre y cierra ese extremo para soltarlo, que lee un archivo vacío. Así una prueba que
// falla no deja colgado al programa.
class FifoVigilada {
public:
  explicit FifoVigilada(const QString& ruta) : ruta_(QFile::encodeName(ruta)) {
    creada_ = ::mkfifo(ruta_.constData(), 0644) == 0;
    if (creada_) vigia_ = std::thread([this] { Vigilar(); });
  }
  ~FifoVigilada() {
    fin_ = true;
    if (vigia_.joinable()) vigia_.join();
    if (creada_) ::unlink(ruta_.constData());
  }
  FifoVigilada(const FifoVigilada&) = delete;
  FifoVigilada& operator=(const FifoVigilada&) = delete;

  bool Creada() const { return creada_; }
  // Alguien la abrió para leer.
  bool Abierta() const { return abierta_; }

private:
  void Vigilar() {
    while (!fin_) {
      const int fd = ::open(ruta_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) {
        abierta_ = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  QByteArray ruta_;
  bool creada_ = false;
  std::atomic<bool> fin_{false};
  std::atomic<bool> abierta_{false};
  std::thread vigia_;
};

}  // namespace dorvelna::pruebas
