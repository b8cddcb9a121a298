#include <cmath>
#include <initializer_list>
#include <optional>

#include "nucleo/entrada/Entrada.h"
#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"

namespace dorvelna {

namespace {

const QString kFinParrafo = QStringLiteral("\r\n\r\n");

bool Entre(int i, std::initializer_list<int> indices) {
  for (int j : indices) {
    if (i == j) return true;
  }
  return false;
}

std::optional<double> Num(const Valores& v, Grupo g, int i) { return v(g, i).ComoNumero(); }

// Precio de compra del autocar por debajo del valor de los neumáticos que incluye.
// Un operando que no es un número hace fallar el paso, que no rechaza nada.
bool NeumaticosSuperanPrecio(const Valores& r) {
  using enum Grupo;
  const auto precio = Num(r, F1, 2);
  const auto porcentaje = Num(r, F1, 21);
  double neumaticos = 0;
  for (int n : {8, 11, 14}) {
    const auto cantidad = Num(r, V, n);
    const auto unidad = Num(r, V, n + 1);
    if (!cantidad || !unidad) return false;
    neumaticos += *cantidad * *unidad;
  }
  if (!precio || !porcentaje) return false;
  return *precio - *porcentaje / 100 * neumaticos < 0;
}

// Reglas que atan el campo a otros del mismo registro; añade el texto de cada una que falla.
bool ReglasCruzadas(Formulario form, const Valores& r, int i, double v, const Valores& minimos,
                    const Valores& maximos, QString& reglas) {
  using enum Grupo;
  bool rechazado = false;
  auto Falla = [&](const char* texto) {
    rechazado = true;
    reglas += QString::fromUtf8(texto) + kFinParrafo;
  };
  const char* kNeumaticos =
      "En la compra el precio de los neumáticos no puede ser mayor que el precio del autocar.";

  switch (form) {
    case Formulario::CostesFijos1:
      if (Entre(i, {2, 21}) && NeumaticosSuperanPrecio(r)) Falla(kNeumaticos);
      break;
    case Formulario::CostesVariables: {
      if (i == 3) {
        const auto precio = Num(r, V, 1);
        const auto descuento = Num(r, V, 3);
        const auto maximo = Num(maximos, V, 2);
        const auto minimo = Num(minimos, V, 2);
        if (precio && descuento && maximo && minimo && *precio > 0 &&
            (*descuento > *precio * *maximo / 100 || *descuento < *precio * *minimo / 100)) {
          rechazado = true;
          reglas += QStringLiteral("El porcentaje de descuento debe estar entre el ") +
                    FormatearValor(minimos(V, 2), 1, true) + QStringLiteral("%") +
                    QStringLiteral(" y el ") + FormatearValor(maximos(V, 2), 1, true) +
                    QStringLiteral("%.") + kFinParrafo;
        }
      }
      if (Entre(i, {8, 11, 14}) && std::fmod(v, 2.0) == 1.0) {
        Falla("El número de neumáticos debe ser par.");
      }
      if (Entre(i, {8, 9, 11, 12, 14, 15}) && NeumaticosSuperanPrecio(r)) Falla(kNeumaticos);
      if (i == 20) {
        const auto devolucion = Num(r, V, 20);
        const auto precio = Num(r, V, 1);
        if (devolucion && precio && *devolucion > *precio) {
          Falla(
              "La devolución por gasóleo profesional no puede ser mayor que el precio de "
              "adquisición del carburante.");
        }
      }
      break;
    }
    case Formulario::Servicio: {
      const bool kilometros = Entre(i, {3, 9, 15, 21, 27});
      const bool horas = Entre(i, {4, 10, 16, 22, 28});
      const auto total = kilometros ? Num(r, C, 11) : horas ? Num(r, C, 16) : std::nullopt;
      if (total && v > *total) {
        Falla(kilometros ? "El número de kilómetros facturados en este servicio no puede ser "
                           "mayor que el total."
                         : "El número de horas facturadas en este servicio no puede ser mayor "
                           "que el total.");
      }
      break;
    }
    default: break;
  }
  return rechazado;
}

}  // namespace

bool ValidarValor(Formulario form, const Valores& registro, Grupo g, int i, const Valores& minimos,
                  const Valores& maximos, QString& mensaje) {
  const DefinicionCampo& campo = Campo(g, i);
  const Valor& valor = registro(g, i);

  if (campo.tipo == Tipo::Texto) {
    const qsizetype n = minimos(g, i).TextoPlano().size();
    if (valor.TextoPlano().size() < n) {
      mensaje = QStringLiteral("El mínimo de caracteres es de ") + QString::number(n) +
                QStringLiteral(".") + kFinParrafo;
      return true;
    }
    mensaje.clear();
    return false;
  }

  bool rechazado = false;
  QString reglas;
  const auto v = valor.ComoNumero();
  if (v) {
    const auto minimo = minimos(g, i).ComoNumero();
    const auto maximo = maximos(g, i).ComoNumero();
    if ((minimo && *v < *minimo) || (maximo && *v > *maximo)) {
      rechazado = true;
      // Un 0 en el porcentaje de kilómetros con viajeros o en el de ocupación es un cálculo sin
      // producción de viajeros: se admite aunque quede bajo el mínimo.
      if (form == Formulario::Caracteristicas && (i == 19 || i == 21) && *v == 0) {
        rechazado = false;
      }
    }
    if (ReglasCruzadas(form, registro, i, *v, minimos, maximos, reglas)) rechazado = true;
  }

  mensaje = QStringLiteral("Valor mínimo = ") +
            FormatearValor(minimos(g, i), campo.decimales, true) + kFinParrafo +
            QStringLiteral("Valor máximo = ") +
            FormatearValor(maximos(g, i), campo.decimales, true) + kFinParrafo + reglas;
  return rechazado;
}

}  // namespace dorvelna
