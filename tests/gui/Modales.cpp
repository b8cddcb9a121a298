#include "Modales.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace dorvelna::pruebas {

namespace {

QStringList& Esperados() {
  static QStringList nombres;
  return nombres;
}

// Marca del diálogo que ya tomó una respuesta: lo que haga con él es cosa de la prueba.
constexpr char kContestado[] = "pruebaContestado";

}  // namespace

ModalEsperado::ModalEsperado(QString dialogo) : dialogo_(std::move(dialogo)) {
  Esperados().append(dialogo_);
}

ModalEsperado::~ModalEsperado() { Esperados().removeOne(dialogo_); }

void VigilarModales() {
  auto* vigia = new QTimer(qApp);
  // El modal visto en la vuelta anterior: sólo se da por perdido el que sigue abierto en la
  // siguiente, para no adelantarse a quien lo contesta al momento.
  auto visto = std::make_shared<QPointer<QWidget>>();
  QObject::connect(vigia, &QTimer::timeout, vigia, [visto] {
    QWidget* modal = QApplication::activeModalWidget();
    // Sólo bloquea la prueba un modal dentro de su exec(); los que se muestran con show()
    // los revisa la prueba que los abre.
    if (!modal || QThread::currentThread()->loopLevel() == 0 ||
        modal->property(kContestado).toBool() || Esperados().contains(modal->objectName())) {
      *visto = nullptr;
      return;
    }
    if (*visto != modal) {
      *visto = modal;
      return;
    }
    *visto = nullptr;
    QStringList textos;
    for (auto* etiqueta : modal->findChildren<QLabel*>()) {
      if (!etiqueta->text().isEmpty()) textos << etiqueta->text();
    }
    ADD_FAILURE() << "Diálogo modal inesperado " << modal->objectName().toStdString() << " \""
                  << modal->windowTitle().toStdString()
                  << "\": " << textos.join(QStringLiteral(" | ")).toStdString();
    if (auto* dialogo = qobject_cast<QDialog*>(modal)) dialogo->reject();
    else modal->close();
  });
  vigia->start(250);
}

void ResponderModal(const QString& dialogo, const QString& boton,
                    std::function<void(QWidget*)> revisar, std::function<void(QWidget*)> actuar,
                    int limiteMs) {
  auto* sondeo = new QTimer(qApp);
  const QDeadlineTimer plazo(limiteMs);
  sondeo->setInterval(10);
  auto esperado = std::make_shared<ModalEsperado>(dialogo);
  QObject::connect(sondeo, &QTimer::timeout, sondeo, [=]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != dialogo || !modal->isVisible()) {
      if (plazo.hasExpired()) {
        esperado.reset();
        sondeo->deleteLater();
        sondeo->stop();
        ADD_FAILURE() << "No apareció el diálogo modal " << dialogo.toStdString();
      }
      return;
    }
    sondeo->stop();
    sondeo->deleteLater();
    esperado.reset();
    modal->setProperty(kContestado, true);
    if (revisar) revisar(modal);
    if (actuar) {
      actuar(modal);
      return;
    }
    auto* pulsador = modal->findChild<QPushButton*>(boton);
    if (!pulsador) {
      ADD_FAILURE() << "El diálogo " << dialogo.toStdString() << " no tiene el botón "
                    << boton.toStdString();
      modal->close();
      return;
    }
    QTest::mouseClick(pulsador, Qt::LeftButton);
  });
  sondeo->start();
}

GuardiaModal::GuardiaModal(int limiteMs) {
  temporizador_.setSingleShot(true);
  QObject::connect(&temporizador_, &QTimer::timeout, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      disparada_ = true;
      ADD_FAILURE() << "Se abrió un diálogo modal que no debía: "
                    << modal->objectName().toStdString();
      modal->close();
    }
  });
  temporizador_.start(limiteMs);
}

int VisiblesConNombre(const QString& nombre) {
  int cuantas = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == nombre && w->isVisible()) ++cuantas;
  }
  return cuantas;
}

}  // namespace dorvelna::pruebas
