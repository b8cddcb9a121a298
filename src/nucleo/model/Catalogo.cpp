#include "nucleo/model/Catalogo.h"

#include <QtGlobal>
#include <array>
#include <vector>

namespace dorvelna {

namespace {

struct Tabla {
  std::vector<DefinicionCampo> campos[7];

  std::vector<DefinicionCampo>& De(Grupo g) { return campos[static_cast<int>(g)]; }

  // Campo numérico de entrada (o de entrada en modo "Total").
  void E(Grupo g, int i, int dec, int car, double mn, double mx, const char* unidad,
         const char* significado, Rol rol = Rol::Entrada, const char* derivacion = "") {
    De(g).push_back({g, i, Tipo::Numero, dec, car, Valor(mn), Valor(mx), rol, unidad, significado,
                     significado, derivacion});
  }
  // Campo numérico calculado, sin límites ni ayuda.
  void D(Grupo g, int i, int dec, int car, const char* unidad, const char* significado,
         const char* derivacion) {
    De(g).push_back({g, i, Tipo::Numero, dec, car, Valor(), Valor(), Rol::Derivado, unidad,
                     significado, "", derivacion});
  }
  // Campo de texto.
  void T(Grupo g, int i, int car, const char* minimo, const char* significado) {
    De(g).push_back({g, i, Tipo::Texto, -1, car, Valor(minimo), Valor(), Rol::Entrada, "texto",
                     significado, significado, ""});
  }
  // Campo sí/no (forma de introducir una sección); sí en los dos límites.
  void L(Grupo g, int i, const char* significado) {
    De(g).push_back({g, i, Tipo::Logico, -1, 0, Valor(true), Valor(true), Rol::Entrada, "sí/no",
                     significado, "", ""});
  }

  Tabla();
};

Tabla::Tabla() {
  using enum Grupo;
  // Grupo C: características técnicas y de explotación.
  T(C, 1, 45, "A", "Descripción del tipo de autocar");
  E(C, 2, 0, 3, 10, 200, "plazas", "Número de plazas del autocar incluida la del conductor");
  E(C, 3, 2, 5, 4, 18.75, "m", "Longitud total del autocar en metros");
  E(C, 4, 0, 1, 2, 4, "ejes", "Número total de ejes del autocar");
  E(C, 5, 0, 3, 0, 999, "CV", "Potencia del autocar en Caballos de Vapor");
  E(C, 6, 0, 6, 0, 29000, "kg", "MMA del autocar en kilogramos");
  T(C, 7, 10, "", "Categoría del autocar");
  T(C, 8, 45, "", "Descripción del tipo de explotación del autocar");
  E(C, 9, 0, 7, 5000, 400000, "km/año", "Kilómetros totales anuales recorridos por el autocar");
  E(C, 10, 1, 5, 20, 100, "%",
    "Porcentaje de los kilómetros anuales recorridos que son facturados");
  D(C, 11, 0, 7, "km/año", "Kilómetros facturados de los recorridos al año", "RepartirTotal");
  D(C, 12, 1, 5, "%", "Kilómetros no facturados de los recorridos al año (%)", "RepartirTotal");
  D(C, 13, 0, 7, "km/año", "Kilómetros no facturados de los recorridos al año", "RepartirTotal");
  E(C, 14, 0, 5, 100, 6000, "h/año",
    "Horas anuales en las que el autocar realiza alguna actividad");
  E(C, 15, 1, 5, 20, 100, "%", "Porcentaje de las horas anuales trabajadas que son facturadas");
  D(C, 16, 0, 5, "h/año", "Horas facturadas de las trabajadas al año", "RepartirTotal");
  D(C, 17, 1, 5, "%", "Horas no facturadas de las trabajadas al año (%)", "RepartirTotal");
  D(C, 18, 0, 5, "h/año", "Horas no facturadas de las trabajadas al año", "RepartirTotal");
  E(C, 19, 1, 5, 20, 100, "%",
    "Porcentaje de los kilómetros recorridos anualmente que son realizados con algún viajero");
  D(C, 20, 0, 7, "km/año", "Kilómetros con viajeros de los recorridos al año",
    "CalcularProduccion");
  E(C, 21, 1, 5, 10, 100, "%",
    "Porcentaje medio de ocupación de las plazas del autocar en los kilómetros recorridos con "
    "algún viajero");
  D(C, 22, 1, 5, "viajeros", "viajeros por vehículo", "CalcularProduccion");
  D(C, 23, 0, 10, "viajeros-km/año", "Producción anual (viajeros - kilómetro)",
    "CalcularProduccion");
  D(C, 24, 0, 3, "kW", "Potencia en kilovatios", "ConvertirPotencia");

  // Grupo F1: autocar y equipos auxiliares.
  L(F1, 1,
    "Forma de adquisición del autocar: sí = \"Compra\", no = \"Otra forma (alquiler, ...)\"");
  E(F1, 2, 2, 10, 3000, 900000, "€", "Precio sin IVA de adquisición del autocar (euros)");
  E(F1, 3, 1, 4, 0.5, 35, "años",
    "Número de años desde la compra hasta la venta o baja del autocar");
  E(F1, 4, 1, 4, 0, 80, "%",
    "Precio sin IVA de venta del autocar al final de su vida útil, expresado en % del precio de "
    "adquisición");
  D(F1, 5, 2, 10, "€", "Valor residual sin IVA (Euros)", "AplicarPorcentaje");
  E(F1, 6, 1, 5, 0, 125, "%",
    "Capital invertido en el autocar que se financia, expresado en % del valor de adquisición");
  D(F1, 7, 2, 10, "€", "Capital a financiar", "AplicarPorcentaje");
  E(F1, 8, 1, 4, 0.5, 25, "años", "Número de años de la financiación del autocar");
  E(F1, 9, 2, 5, 0.1, 25, "%/año", "Interés anual de la financiación del autocar (%)");
  E(F1, 10, 2, 10, 0, 60000, "€/año",
    "Coste anual sin IVA del alquiler o similar del autocar (euros)");
  L(F1, 11,
    "Forma de adquisición de los equipos auxiliares: sí = \"Compra\", no = \"Otra forma "
    "(alquiler, ...)\"");
  E(F1, 12, 2, 10, 0, 300000, "€",
    "Precio sin IVA de adquisición de los equipos auxiliares (euros)");
  E(F1, 13, 1, 4, 0.5, 35, "años",
    "Número de años desde la compra hasta la venta o baja de los equipos auxiliares");
  E(F1, 14, 1, 4, 0, 80, "%",
    "Precio sin IVA de venta de los equipos auxiliares al final de su vida útil, expresado en % "
    "del precio de adquisición");
  D(F1, 15, 2, 10, "€", "Valor residual sin IVA (Euros)", "AplicarPorcentaje");
  E(F1, 16, 1, 5, 0, 125, "%",
    "Capital invertido en los equipos auxiliares que se financia, expresado en % del valor de "
    "adquisición");
  D(F1, 17, 2, 10, "€", "Capital a financiar", "AplicarPorcentaje");
  E(F1, 18, 1, 4, 0.5, 25, "años", "Número de años de la financiación de los equipos auxiliares");
  E(F1, 19, 2, 5, 0.1, 25, "%/año",
    "Interés anual de la financiación de los equipos auxiliares (%)");
  E(F1, 20, 2, 10, 0, 60000, "€/año",
    "Coste anual sin IVA del alquiler o similar de los equipos auxiliares (euros)");
  E(F1, 21, 1, 5, 0, 200, "%",
    "Valor de los neumáticos del autocar comprado (% sobre el valor actual de los mismos)");
  D(F1, 22, 2, 10, "€", "Precio de adquisición sin neumáticos y sin IVA (Euros)",
    "PrecioSinNeumaticos");

  // Grupo F2: personal, seguros y costes fiscales.
  E(F2, 1, 2, 10, 0, 150000, "€/año",
    "Coste anual para la empresa del sueldo del personal de a bordo del autocar (euros)");
  L(F2, 2,
    "Forma de introducir las dietas y el plus de actividad: sí = \"Desglosado\", no = \"Total\"");
  E(F2, 3, 2, 6, 0, 300, "€/día",
    "Coste para la empresa de la dieta diaria del personal de a bordo (euros / día)");
  E(F2, 4, 0, 3, 0, 366, "días/año",
    "Número de días al año en los que el personal de a bordo percibe la dieta anterior");
  D(F2, 5, 2, 10, "€/año", "Dieta total anual (Euros)", "MultiplicarYSumar");
  E(F2, 6, 6, 8, 0, 0.5, "€/km",
    "Coste para la empresa del plus de actividad que percibe el personal de a bordo por "
    "kilómetro recorrido anualmente (euros / kilómetro)");
  D(F2, 7, 2, 10, "€/año", "Plus de actividad anual del personal de a bordo",
    "CalcularPlusActividad");
  E(F2, 8, 2, 10, 0, 100000, "€/año",
    "Coste anual para la empresa de las dietas y plus de actividad que percibe el personal de "
    "a bordo (euros)",
    Rol::EntradaSiTotal, "MultiplicarYSumar");
  L(F2, 9, "Forma de introducir los seguros: sí = \"Desglosado\", no = \"Total\"");
  E(F2, 10, 2, 9, 0, 15000, "€/año", "Coste anual del seguro obligatorio del autocar (euros)");
  E(F2, 11, 2, 9, 0, 30000, "€/año",
    "Coste anual del seguro de responsabilidad civil ilimitada del autocar (euros)");
  E(F2, 12, 2, 9, 0, 30000, "€/año", "Coste anual del seguro obligatorio de viajeros (euros)");
  E(F2, 13, 2, 9, 0, 5000, "€/año",
    "Coste anual del seguro de defensa y reclamación de daños (euros)");
  E(F2, 14, 2, 9, 0, 1500, "€/año", "Coste anual del seguro de accidentes del conductor (euros)");
  E(F2, 15, 2, 9, 0, 5000, "€/año", "Coste anual del seguro de incendios del autocar (euros)");
  E(F2, 16, 2, 9, 0, 30000, "€/año", "Coste anual del seguro de daños propios (euros)");
  E(F2, 17, 2, 9, 0, 30000, "€/año", "Coste anuales de otros seguros (euros)");
  E(F2, 18, 2, 9, 0, 100000, "€/año", "Coste anual de los seguros (euros)", Rol::EntradaSiTotal,
    "SumarCampos");
  L(F2, 19, "Forma de introducir los costes fiscales: sí = \"Desglosado\", no = \"Total\"");
  E(F2, 20, 2, 8, 0, 1500, "€/año", "Coste anual de los visados (euros)");
  E(F2, 21, 2, 8, 0, 1500, "€/año", "Coste anual de la Inspección Técnica de Vehículos (euros)");
  E(F2, 22, 2, 8, 0, 3000, "€/año",
    "Coste anual del Impuesto de Actividades Económicas repercutible a este autocar (euros)");
  E(F2, 23, 2, 8, 0, 3000, "€/año",
    "Coste anual del Impuesto de Vehículos de Tracción Mecánica (euros)");
  E(F2, 24, 2, 8, 0, 1500, "€/año", "Coste anual de la revisión del tacógrafo (euros)");
  E(F2, 25, 2, 8, 0, 10000, "€/año",
    "Coste anual de las tasas de estación de este autocar (euros)");
  E(F2, 26, 2, 8, 0, 10000, "€/año",
    "Coste anual de las tasas de estación de los viajeros de este autocar (euros)");
  E(F2, 27, 2, 9, 0, 10000, "€/año", "Coste anual de otros costes fiscales (euros)");
  E(F2, 28, 2, 9, 0, 30000, "€/año", "Costes fiscales anuales (euros)", Rol::EntradaSiTotal,
    "SumarCampos");
  E(F2, 29, 2, 9, 0, 3000, "€/año", "Coste anual del seguro de asistencia en viaje (euros)");
  E(F2, 30, 2, 9, 0, 2000, "€/año", "Coste anual del seguro de rotura de lunas (euros)");

  // Grupo V: carburante, neumáticos, reparaciones, peajes y urea.
  E(V, 1, 4, 6, 0.1, 5, "€/l",
    "Precio con IVA, antes de restar el descuento, al que se compra el carburante del autocar "
    "(euros / litro)");
  D(V, 2, 1, 5, "%", "Descuento en % del precio del carburante", "PrecioCarburante");
  // Límites del porcentaje de descuento, que se aplican a V(3).
  De(V).back().minimo = Valor(0.0);
  De(V).back().maximo = Valor(60.0);
  E(V, 3, 4, 6, 0, 5, "€/l",
    "Descuento conseguido en el precio del carburante del autocar (Euros / litro)");
  E(V, 4, 1, 4, 0, 40, "%", "IVA aplicado al carburante del autocar (%)");
  D(V, 5, 4, 6, "€/l", "IVA aplicado al carburante", "PrecioCarburante");
  D(V, 6, 7, 9, "€/l", "Precio de adquisición sin IVA", "PrecioCarburante");
  E(V, 7, 1, 4, 3, 99.9, "l/100 km", "Consumo medio de carburante del autocar (litros / 100 km)");
  E(V, 8, 0, 1, 0, 6, "neumáticos", "Número de neumáticos de los ejes direccionales del autocar");
  E(V, 9, 2, 8, 30, 5000, "€/neumático",
    "Precio sin IVA de sustitución de un neumático direccional del autocar (euros)");
  E(V, 10, 0, 7, 10000, 400000, "km",
    "Duración media de los neumáticos direccionales del autocar (kilómetros)");
  E(V, 11, 0, 1, 0, 6, "neumáticos", "Número de neumáticos de los ejes tractores del autocar");
  E(V, 12, 2, 8, 30, 5000, "€/neumático",
    "Precio sin IVA de sustitución de un neumático motriz del autocar (euros)");
  E(V, 13, 0, 7, 10000, 400000, "km",
    "Duración media de los neumáticos motrices del autocar (kilómetros)");
  E(V, 14, 0, 1, 0, 6, "neumáticos",
    "Número de neumáticos de los ejes no direccionales y no tractores del autocar");
  E(V, 15, 2, 8, 30, 5000, "€/neumático",
    "Precio sin IVA de sustitución de un neumático de arrastre del autocar (euros)");
  E(V, 16, 0, 7, 10000, 400000, "km",
    "Duración media de los neumáticos de arrastre del autocar (kilómetros)");
  E(V, 17, 6, 8, 0, 1, "€/km",
    "Coste kilómetrico sin IVA de las reparaciones y conservación del autocar (euros / "
    "kilómetro)");
  D(V, 18, 2, 9, "€/año", "Coste anual sin IVA (Euros)", "CalcularReparaciones");
  E(V, 19, 2, 9, 0, 50000, "€/año", "Coste anual sin IVA de los peajes (euros)");
  E(V, 20, 4, 6, 0, 0.6, "€/l",
    "Devolución por gasóleo profesional en el carburante del autobús adquirido en España (euros "
    "/ litro)");
  E(V, 21, 2, 9, 0, 15000, "€/año", "Coste anual sin IVA en disolución de urea (euros)");

  // Grupo I: costes indirectos.
  L(I, 1, "Forma de introducir los costes indirectos: sí = \"Desglosado\", no = \"Total\"");
  E(I, 2, 2, 9, 0, 30000, "€/año",
    "Coste anual de estructura de la empresa a repercutir sobre este autocar (euros)");
  E(I, 3, 2, 9, 0, 30000, "€/año",
    "Coste anual de comercialización a repercutir sobre este autocar (euros)");
  E(I, 4, 2, 9, 0, 30000, "€/año",
    "Otros costes indirectos anuales de la empresa a repercutir sobre este autocar (euros)");
  E(I, 5, 2, 9, 0, 90000, "€/año",
    "Coste indirectos anuales a repercutir sobre este autocar (euros)", Rol::EntradaSiTotal,
    "SumarCampos");

  // Grupo R: resultados, todos calculados.
  struct FilaR {
    int dec;
    const char* unidad;
    const char* significado;
  };
  static const FilaR r[] = {
      {2, "€/año", "Amortización del autocar"},
      {2, "€/año", "Financiación del autocar"},
      {2, "€/año", "Personal de a bordo"},
      {2, "€/año", "Dietas del personal de a bordo"},
      {2, "€/año", "Seguros del autocar"},
      {2, "€/año", "Costes Fiscales"},
      {2, "€/año", "Combustible"},
      {2, "€/año", "Neumáticos"},
      {2, "€/año", "Reparaciones y conservación"},
      {2, "€/año", "Peajes"},
      {2, "€/año", "Costes de estructura"},
      {2, "€/año", "Costes de comercialización"},
      {2, "€/año", "Otros costes indirectos"},
      {2, "€/año", "Costes Temporales"},
      {2, "€/año", "Costes Kilométricos"},
      {2, "€/año", "Costes Directos"},
      {2, "€/año", "Costes Indirectos"},
      {2, "€/año", "Costes Totales"},
      {2, "€/año", "Consumo de disolución de urea"},
      {2, "", "Sin uso"},
  };
  for (int i = 1; i <= 20; ++i) {
    D(R, i, r[i - 1].dec, 0, r[i - 1].unidad, r[i - 1].significado, "MostrarColumna");
  }
  for (int i = 21; i <= 39; ++i) {
    D(R, i, 1, 0, "%", r[i - 21].significado, "MostrarColumna");
  }
  D(R, 40, 5, 0, "€/viajero-km", "C1 = coste unitario por viajero-kilómetro", "MostrarColumna");
  D(R, 41, 0, 0, "km/año", "Kilometraje anual", "MostrarColumna");
  D(R, 42, 0, 0, "km/año", "Kilometraje anual facturado", "MostrarColumna");
  D(R, 43, 0, 0, "h/año", "Horas anuales", "MostrarColumna");
  D(R, 44, 0, 0, "h/año", "Horas anuales facturadas", "MostrarColumna");
  D(R, 45, 4, 0, "€/km", "C2 = coste unitario por kilómetro", "MostrarColumna");
  D(R, 46, 2, 0, "€/hora", "C3 = coste unitario por hora", "MostrarColumna");
  D(R, 47, 4, 0, "€/km", "C4 = coste unitario por kilómetro", "MostrarColumna");
  D(R, 48, 2, 0, "€/hora", "C5 = coste unitario por hora", "MostrarColumna");
  D(R, 49, 0, 0, "viajeros-km/año", "Viajeros-Kilometro anuales", "MostrarColumna");

  // Grupo SS: servicios concretos.
  D(SS, 1, 5, 0, "€/viajero-km", "Coste unitario por viajero-kilómetro", "Revisar");
  for (int n = 1; n <= 5; ++n) {
    E(SS, 6 * n - 4, 2, 9, 0, 50000, "€", "Costes repercutidos únicamente a este servicio (euros)");
    E(SS, 6 * n - 3, 1, 9, 0, 400000, "km", "Kilómetros facturados a este servicio");
    E(SS, 6 * n - 2, 2, 8, 0, 6000, "h", "Horas facturadas a este servicio");
    D(SS, 6 * n - 1, 2, 10, "€", "Kilómetros y horas", "CosteServicio");
    D(SS, 6 * n, 2, 10, "€", "Kilómetros", "CosteServicio");
    D(SS, 6 * n + 1, 2, 10, "€", "Horas", "CosteServicio");
  }

  // La tabla se escribe a mano: cada grupo debe quedar completo y en orden.
  for (Grupo g : kGrupos) {
    const auto& lista = De(g);
    bool completo = static_cast<int>(lista.size()) == TamanoGrupo(g);
    for (int i = 0; completo && i < static_cast<int>(lista.size()); ++i) {
      completo = lista[i].indice == i + 1;
    }
    if (!completo) qFatal("Catálogo de campos incompleto en el grupo %s", CodigoGrupo(g));
  }
}

const Tabla& LaTabla() {
  static const Tabla tabla;
  return tabla;
}

constexpr int kEntradasC[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 19, 21};
constexpr int kEntradasF1[] = {1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 14, 16, 18, 19, 20, 21};
constexpr int kEntradasF2[] = {1,  2,  3,  4,  6,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                               17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
constexpr int kEntradasV[] = {1, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21};
constexpr int kEntradasI[] = {1, 2, 3, 4, 5};
constexpr int kEntradasSS[] = {2, 3, 4, 8, 9, 10, 14, 15, 16, 20, 21, 22, 26, 27, 28};

}  // namespace

const DefinicionCampo& Campo(Grupo g, int indice) {
  return LaTabla().campos[static_cast<int>(g)][indice - 1];
}

int Decimales(Grupo g, int indice) {
  // Se consulta en cada redondeo: una tabla plana evita recorrer el catálogo.
  static const auto decimales = [] {
    std::array<std::array<signed char, 50>, 7> d{};
    for (Grupo gr : kGrupos) {
      for (int i = 1; i <= TamanoGrupo(gr); ++i) {
        d[static_cast<int>(gr)][i] = static_cast<signed char>(Campo(gr, i).decimales);
      }
    }
    return d;
  }();
  return decimales[static_cast<int>(g)][indice];
}

std::span<const int> Entradas(Grupo g) {
  switch (g) {
    case Grupo::C: return kEntradasC;
    case Grupo::F1: return kEntradasF1;
    case Grupo::F2: return kEntradasF2;
    case Grupo::V: return kEntradasV;
    case Grupo::I: return kEntradasI;
    case Grupo::SS: return kEntradasSS;
    case Grupo::R: break;
  }
  return {};
}

bool EsEntrada(Grupo g, int indice) {
  for (int i : Entradas(g)) {
    if (i == indice) return true;
  }
  return false;
}

}  // namespace dorvelna
