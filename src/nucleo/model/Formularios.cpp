#include "nucleo/model/Formularios.h"

#include <algorithm>
#include <array>

namespace dorvelna {

namespace {

using enum Grupo;

constexpr std::array<DatosFormulario, 7> kFormularios = {{
    {Formulario::Caracteristicas, C, "frmCaracteristicas",
     "Características Técnicas y de Explotación", "Características Técnicas y de Explotación",
     "Características Técnicas y de Explotación", true},
    {Formulario::CostesFijos1, F1, "frmCostesFijos1", "Autocar y Equipos Auxiliares",
     "Autocar y Equipos Auxiliares", "Autocar y Equipos Auxiliares", true},
    {Formulario::CostesFijos2, F2, "frmCostesFijos2", "Personal, Seguros y Costes Fiscales",
     "Personal, Seguros y Costes Fiscales", "Personal, Seguros y Costes Fiscales", true},
    // El título del marco es más corto que el de la patilla y los menús.
    {Formulario::CostesVariables, V, "frmCostesVariables",
     "Carburante, Urea, Neumáticos, Reparaciones, ...",
     "Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes",
     "Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes", true},
    {Formulario::CostesIndirectos, I, "frmCostesIndirectos", "Costes Indirectos",
     "Costes Indirectos", "Costes Indirectos", true},
    {Formulario::Resultados, R, "frmResultados", "Resultados", "Resultados", "Resultados", false},
    // El menú de formularios lo dice en singular.
    {Formulario::Servicio, SS, "frmServicio", "Costes de un servicio concreto",
     "Costes de un servicio concreto", "Coste de un servicio concreto", false},
}};

constexpr FilaResultado kFilasResultado[] = {
    {18, 38, 0}, {16, 36, 1}, {14, 34, 2}, {1, 21, 3},  {2, 22, 3},  {3, 23, 3}, {5, 25, 3},
    {6, 26, 3},  {15, 35, 2}, {7, 27, 3},  {19, 39, 3}, {8, 28, 3},  {9, 29, 3}, {4, 24, 3},
    {10, 30, 3}, {17, 37, 1}, {11, 31, 3}, {12, 32, 3}, {13, 33, 3},
};

constexpr int kCompraAutocar[] = {2, 21, 22, 3, 4, 5, 6, 7, 8, 9};
constexpr int kCompraEquipos[] = {12, 13, 14, 15, 16, 17, 18, 19};
constexpr int kDietas[] = {3, 4, 6, 5, 7};
constexpr int kSeguros[] = {10, 11, 12, 13, 14, 15, 16, 17, 29, 30};
constexpr int kFiscales[] = {20, 21, 22, 23, 24, 25, 26, 27};
constexpr int kIndirectos[] = {2, 3, 4};

constexpr std::array<DatosSeccion, 6> kSecciones = {{
    {Seccion::AdquisicionAutocar, F1, 1, 'A', false, "Elegir la forma de adquisición del autocar",
     kCompraAutocar, 10},
    {Seccion::AdquisicionEquipos, F1, 11, 'E', false,
     "Elegir la forma de adquisición de los equipos auxiliares", kCompraEquipos, 20},
    {Seccion::Dietas, F2, 2, 'D', true,
     "Elegir la forma de introducir los costes anuales de dietas y plus de actividad", kDietas, 8},
    {Seccion::Seguros, F2, 9, 'G', true,
     "Elegir la forma de introducir los costes anuales de seguros", kSeguros, 18},
    {Seccion::Fiscales, F2, 19, 'F', true,
     "Elegir la forma de introducir los costes fiscales anuales", kFiscales, 28},
    {Seccion::Indirectos, I, 1, 'I', true, "Elegir la forma de introducir los costes indirectos",
     kIndirectos, 5},
}};

// Cada tabla va en el orden de su enumeración: se busca por posición.
constexpr bool EnOrden() {
  for (std::size_t k = 0; k < kFormularios.size(); ++k) {
    if (static_cast<std::size_t>(kFormularios[k].formulario) != k) return false;
  }
  for (std::size_t k = 0; k < kSecciones.size(); ++k) {
    if (static_cast<std::size_t>(kSecciones[k].seccion) != k) return false;
  }
  return true;
}
static_assert(EnOrden());

}  // namespace

std::span<const DatosFormulario> Formularios() { return kFormularios; }
QString TituloColumna(Columna col) {
  return col == Columna::S ? QStringLiteral("Cálculo Personalizado")
                           : QStringLiteral("Calibrario de Costes");
}
std::span<const FilaResultado> FilasResultados() { return kFilasResultado; }

const DatosFormulario& DatosDe(Formulario f) { return kFormularios[static_cast<int>(f)]; }

QString TituloFormulario(Formulario f) { return QString::fromUtf8(DatosDe(f).titulo); }

QString RotuloFormulario(Formulario f) { return QString::fromUtf8(DatosDe(f).rotulo); }

QString RotuloMenuFormulario(Formulario f) { return QString::fromUtf8(DatosDe(f).rotuloMenu); }

Formulario FormularioDeGrupo(Grupo g) {
  for (const DatosFormulario& d : kFormularios) {
    if (d.grupo == g) return d.formulario;
  }
  return Formulario::Caracteristicas;
}

Grupo GrupoDeFormulario(Formulario f) { return DatosDe(f).grupo; }

const char* NombreFormulario(Formulario f) { return DatosDe(f).nombre; }

std::span<const DatosSeccion> Secciones() { return kSecciones; }

const DatosSeccion& DatosDe(Seccion s) { return kSecciones[static_cast<int>(s)]; }

const DatosSeccion* SeccionDeModo(Grupo g, int i) {
  for (const DatosSeccion& s : kSecciones) {
    if (s.grupo == g && s.modo == i) return &s;
  }
  return nullptr;
}

std::pair<QString, QString> TextosOpciones(const DatosSeccion& s) {
  if (s.desglose) return {QStringLiteral("Desglosado"), QStringLiteral("Total")};
  return {QStringLiteral("Compra"), QStringLiteral("Otra forma (alquiler, ...)")};
}

bool EnPrimera(const DatosSeccion& s, int i) {
  return std::find(s.primera.begin(), s.primera.end(), i) != s.primera.end();
}

}  // namespace dorvelna
