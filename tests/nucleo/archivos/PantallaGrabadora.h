#pragma once

#include <QLocale>
#include <QMap>
#include <QStringList>
#include <tuple>

#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Pantalla.h"

namespace dorvelna::pruebas {

// Guarda lo que cada control mostraría y los avisos de rótulos y modos, en orden.
class PantallaGrabadora : public Pantalla {
public:
  using Clave = std::tuple<Grupo, Columna, int>;
  QMap<Clave, QString> textos;
  QStringList avisos;

  QString Texto(Grupo g, Columna c, int i) const { return textos.value({g, c, i}); }

  void MostrarCampo(Grupo g, Columna c, int i, const Valor& v) override {
    textos[{g, c, i}] = FormatearValor(v, Decimales(g, i), false, QLocale::c());
  }
  void VaciarCampo(Grupo g, Columna c, int i) override { textos[{g, c, i}] = QString(); }
  void PresentarTitulos(const QString& d, const QDate& s, const QDate& o) override {
    avisos << QStringLiteral("Titulos %1 %2 %3")
                  .arg(d, s.toString(Qt::ISODate), o.toString(Qt::ISODate));
  }
  void FechaGrabada(const QDate& s) override {
    avisos << QStringLiteral("Grabada ") + s.toString(Qt::ISODate);
  }
  void ModoAplicado(Seccion s, Columna c, bool primera) override {
    avisos << QStringLiteral("Modo %1 %2 %3")
                  .arg(static_cast<int>(s))
                  .arg(c == Columna::S ? 'S' : 'O')
                  .arg(primera ? 1 : 2);
  }
};

}  // namespace dorvelna::pruebas
