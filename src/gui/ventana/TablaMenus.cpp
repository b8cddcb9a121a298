#include "gui/ventana/TablaMenus.h"

#include <cstring>

#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {

constexpr EstadosMenu kSiempre{true, true, true};
constexpr EstadosMenu kSinCalculo{true, false, false};
constexpr EstadosMenu kConCalculo{false, true, false};

constexpr EntradaMenu kMenus[] = {
    {"mnuCalculo", "Cálculo", "", nullptr, kSiempre},
    {"mnuNuevo", "Nuevo Cálculo", "", "mnuCalculo", kSinCalculo},
    {"mnuCerrar", "Cerrar Cálculo", "", "mnuCalculo", kConCalculo},
    {"mnuSimulacionBar1", "-", "", "mnuCalculo", kSiempre},
    {"mnuFileExit", "Salir", "", "mnuCalculo", kSiempre},

    {"mnuFile", "Archivo", "", nullptr, kSiempre},
    {"mnuFileOpen", "Abrir ...", "", "mnuFile", kSinCalculo},
    {"mnuRecientes", "Cálculos recientes", "", "mnuFile", kSinCalculo},
    {"mnuRecientesBar1", "-", "", "mnuRecientes", kSiempre},
    {"mnuVaciarRecientes", "Vaciar la lista", "", "mnuRecientes", kSinCalculo},
    {"mnuFileSave", "Guardar ...", "", "mnuFile", kConCalculo},
    {"mnuFileSaveAs", "Guardar como...", "", "mnuFile", kConCalculo},
    {"mnuExportarBar", "-", "", "mnuFile", kSiempre},
    {"mnuExportarPdf", "Exportar a PDF...", "", "mnuFile", kConCalculo},
    {"mnuExportarHoja", "Exportar a hoja de cálculo...", "", "mnuFile", kConCalculo},

    {"mnuFormularios", "Formularios", "", nullptr, kSiempre},
    {"mnuCaracteristicas", nullptr, "", "mnuFormularios", kConCalculo, Formulario::Caracteristicas},
    {"mnuTodosServicios", "Costes repercutidos a todos los servicios", "", "mnuFormularios",
     kConCalculo},
    {"mnuFijos1", nullptr, "", "mnuTodosServicios", kConCalculo, Formulario::CostesFijos1},
    {"mnuFijos2", nullptr, "", "mnuTodosServicios", kConCalculo, Formulario::CostesFijos2},
    {"mnuVariables", nullptr, "", "mnuTodosServicios", kConCalculo, Formulario::CostesVariables},
    {"mnuIndirectos", nullptr, "", "mnuTodosServicios", kConCalculo, Formulario::CostesIndirectos},
    {"mnuResultados", nullptr, "", "mnuTodosServicios", kConCalculo, Formulario::Resultados},
    {"mnuServicio", nullptr, "", "mnuFormularios", kConCalculo, Formulario::Servicio},
    {"mnuSensibilidad", "Análisis de sensibilidad", "", "mnuFormularios", kConCalculo},

    {"mnuImprimir", "Imprimir", "", nullptr, kSiempre},
    {"mnuPrintCaracteristicas", nullptr, "", "mnuImprimir", kConCalculo,
     Formulario::Caracteristicas, true},
    {"mnuPrintTodosServicios", "Costes repercutidos a todos los servicios", "", "mnuImprimir",
     kConCalculo},
    {"mnuPrintFijos1", nullptr, "", "mnuPrintTodosServicios", kConCalculo, Formulario::CostesFijos1,
     true},
    {"mnuPrintFijos2", nullptr, "", "mnuPrintTodosServicios", kConCalculo, Formulario::CostesFijos2,
     true},
    {"mnuPrintVariables", nullptr, "", "mnuPrintTodosServicios", kConCalculo,
     Formulario::CostesVariables, true},
    {"mnuPrintIndirectos", nullptr, "", "mnuPrintTodosServicios", kConCalculo,
     Formulario::CostesIndirectos, true},
    {"mnuPrintResultados", nullptr, "", "mnuPrintTodosServicios", kConCalculo,
     Formulario::Resultados, true},
    {"mnuPrintServicio", nullptr, "", "mnuImprimir", kConCalculo, Formulario::Servicio, true},
    {"mnuPrintSensibilidad", "Análisis de sensibilidad", "", "mnuImprimir", kConCalculo},
    {"mnuPrintTodo", "Todos los formularios", "", "mnuImprimir", kConCalculo},

    {"mnuEdit", "Edición", "", nullptr, kSiempre},
    {"mnuEditCut", "Cortar", "Ctrl+X", "mnuEdit", kConCalculo},
    {"mnuEditCopy", "Copiar", "Ctrl+C", "mnuEdit", kConCalculo},
    {"mnuEditPaste", "Pegar", "Ctrl+V", "mnuEdit", kConCalculo},

    {"mnuHelp", "Ayuda", "", nullptr, kSiempre},
    {"mnuHelpContents", "Contenido", "", "mnuHelp", kSiempre},
    {"mnuHelpBar1", "-", "", "mnuHelp", kSiempre},
    {"mnuHelpAbout", "Acerca de ...", "", "mnuHelp", kSiempre},

    {"mnuCalibrario", "Calibrario de Costes", "", nullptr, kSiempre},
    {"mnuAcuerdos", "Acuerdos", "", "mnuCalibrario", kSiempre},
};

bool Iguales(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

const EntradaMenu* Buscar(const char* nombre) {
  for (const EntradaMenu& e : kMenus) {
    if (Iguales(e.nombre, nombre)) return &e;
  }
  return nullptr;
}

// Cuelga del menú directamente o a través de sus submenús.
bool CuelgaDe(const EntradaMenu& entrada, const char* menu) {
  if (!entrada.padre) return false;
  if (Iguales(entrada.padre, menu)) return true;
  const EntradaMenu* padre = Buscar(entrada.padre);
  return padre && CuelgaDe(*padre, menu);
}

}  // namespace

std::span<const EntradaMenu> TablaMenus() { return kMenus; }

const EntradaMenu* EntradaDeMenu(const QString& nombre) {
  for (const EntradaMenu& e : kMenus) {
    if (nombre == QLatin1String(e.nombre)) return &e;
  }
  return nullptr;
}

QString Leyenda(const EntradaMenu& entrada) {
  if (entrada.leyenda) return QString::fromUtf8(entrada.leyenda);
  return entrada.imprime ? RotuloFormulario(entrada.formulario)
                         : RotuloMenuFormulario(entrada.formulario);
}

bool EsSeparador(const EntradaMenu& entrada) { return Iguales(entrada.leyenda, "-"); }

bool AbreMenu(const EntradaMenu& entrada) {
  if (!entrada.padre) return true;
  for (const EntradaMenu& e : kMenus) {
    if (Iguales(e.padre, entrada.nombre)) return true;
  }
  return false;
}

bool Habilitada(const EntradaMenu& entrada, SituacionMenus situacion) {
  switch (situacion) {
    case SituacionMenus::SinCalculo: return entrada.estados.sinCalculo;
    case SituacionMenus::ConCalculo: return entrada.estados.conCalculo;
    case SituacionMenus::DialogoNuevo: return entrada.estados.dialogoNuevo;
  }
  return false;
}

QStringList AccionesBajo(const char* menu) {
  QStringList nombres;
  for (const EntradaMenu& e : kMenus) {
    if (!EsSeparador(e) && !AbreMenu(e) && CuelgaDe(e, menu))
      nombres << QString::fromLatin1(e.nombre);
  }
  return nombres;
}

}  // namespace dorvelna
