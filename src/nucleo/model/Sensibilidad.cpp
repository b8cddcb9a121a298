#include "nucleo/model/Sensibilidad.h"

#include <algorithm>
#include <limits>

#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/archivos/InterpretarArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Redondear.h"

namespace dorvelna {

namespace {

// Lo que tendría el archivo si se grabara ahora, pasado por el escritor y el lector: así cada
// valor es el double que daría abrirlo (a 15 cifras, sin el ruido de los últimos bits).
std::optional<ContenidoArchivo> CopiaDelArchivo(const Calculo& calculo) {
  Valores s = calculo.ValoresS;
  Valores o = calculo.ValoresO;
  // Ni las fechas ni los textos entran en las cifras: sin fecha, o con un texto que el archivo
  // no admite (un NUL), la copia no podría leerse.
  for (Valores* v : {&s, &o}) {
    if (!v->Fecha.isValid()) v->Fecha = QDate(2000, 1, 1);
    for (int i : {1, 7, 8}) v->C[i] = Valor(QString());
  }
  return InterpretarArchivo(ComponerArchivo(s, o));
}

// Abre la copia como la abre el programa: un cálculo recién inicializado que adopta lo leído.
CasoSensibilidad Evaluar(const ContenidoArchivo& copia, double valor = 0) {
  Calculo calculo;
  calculo.InicializarDatos();
  AdoptarContenido(calculo, copia);
  CasoSensibilidad caso;
  caso.valor = valor;
  for (std::size_t k = 0; k < kResultadosSensibles.size(); ++k) {
    const Valor& r = calculo.ValoresS.R[kResultadosSensibles[k]];
    caso.cifras[k] = r.EsNumero() ? r.Numero() : std::numeric_limits<double>::quiet_NaN();
  }
  return caso;
}

bool Incluido(const Valores& s, const CampoSensible& campo) {
  const Valor& v = s(campo.grupo, campo.indice);
  if (!v.EsNumero() || v.Numero() == 0) return false;
  if (campo.grupo != Grupo::F1) return true;
  const bool compra = s.F1[1].EsSi();
  return campo.indice == 10 ? !compra : compra;
}

// El valor variado; acotar antes de redondear da lo mismo (los límites ya van redondeados a
// los decimales del campo) y evita que Redondear falle con un valor desmesurado del archivo.
double Variar(const Calculo& calculo, const CampoSensible& campo, double valor, double factor) {
  double x = valor * factor;
  if (const auto minimo = calculo.Minimos(campo.grupo, campo.indice).ComoNumero()) {
    x = std::max(x, *minimo);
  }
  if (const auto maximo = calculo.Maximos(campo.grupo, campo.indice).ComoNumero()) {
    x = std::min(x, *maximo);
  }
  return Redondear(x, Decimales(campo.grupo, campo.indice)).value_or(x);
}

}  // namespace

bool VariacionValida(double p) { return p > 0 && p <= 50; }

QString EntradaSensibilidad::Codigo() const {
  return QStringLiteral("%1(%2)").arg(QString::fromLatin1(CodigoGrupo(grupo))).arg(indice);
}

std::optional<Sensibilidad> AnalizarSensibilidad(const Calculo& calculo, double variacion) {
  if (!VariacionValida(variacion)) return std::nullopt;
  auto copia = CopiaDelArchivo(calculo);
  if (!copia) return std::nullopt;

  Sensibilidad analisis{variacion, Evaluar(*copia), {}};
  for (const CampoSensible& campo : kCamposSensibles) {
    if (!Incluido(copia->S, campo)) continue;
    Valor& celda = copia->S(campo.grupo, campo.indice);
    const Valor original = celda;
    const double valor = original.Numero();
    EntradaSensibilidad entrada{
        campo.grupo, campo.indice, QString::fromUtf8(Campo(campo.grupo, campo.indice).ayuda),
        valor,       {},           {}};
    for (const auto& [caso, signo] : {std::pair{&entrada.menos, -1.0}, {&entrada.mas, 1.0}}) {
      const double x = Variar(calculo, campo, valor, 1 + signo * variacion / 100);
      celda = Valor(x);
      *caso = Evaluar(*copia, x);
    }
    celda = original;
    analisis.entradas.push_back(std::move(entrada));
  }
  return analisis;
}

}  // namespace dorvelna
