#include "Modales.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace dorvelna::pruebas {

void ResponderModal(const QString& dialogo, const QString& boton,
                    std::function<void(QWidget*)> revisar, std::function<void(QWidget*)> actuar,
                    int limiteMs) {
  auto* sondeo = new QTimer(qApp);
  const QDeadlineTimer plazo(limiteMs);
  sondeo->setInterval(10);
  QObject::connect(sondeo, &QTimer::timeout, sondeo, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != dialogo || !modal->isVisible()) {
      if (plazo.hasExpired()) {
        sondeo->deleteLater();
        sondeo->stop();
        ADD_FAILURE() << "No apareció el diálogo modal " << dialogo.toStdString();
      }
      return;
    }
    sondeo->stop();
    sondeo->deleteLater();
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
