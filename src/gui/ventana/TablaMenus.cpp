#include "gui/ventana/TablaMenus.h"

#include <cstring>

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
    {"mnuCaracteristicas", "Características Técnicas y de Explotación", "", "mnuFormularios",
     kConCalculo},
    {"mnuTodosServicios", "Costes repercutidos a todos los servicios", "", "mnuFormularios",
     kConCalculo},
    {"mnuFijos1", "Autocar y Equipos Auxiliares", "", "mnuTodosServicios", kConCalculo},
    {"mnuFijos2", "Personal, Seguros y Costes Fiscales", "", "mnuTodosServicios", kConCalculo},
    {"mnuVariables", "Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes", "",
     "mnuTodosServicios", kConCalculo},
    {"mnuIndirectos", "Costes Indirectos", "", "mnuTodosServicios", kConCalculo},
    {"mnuResultados", "Resultados", "", "mnuTodosServicios", kConCalculo},
    {"mnuServicio", "Coste de un servicio concreto", "", "mnuFormularios", kConCalculo},
    {"mnuSensibilidad", "Análisis de sensibilidad", "", "mnuFormularios", kConCalculo},

    {"mnuImprimir", "Imprimir", "", nullptr, kSiempre},
    {"mnuPrintCaracteristicas", "Características Técnicas y de Explotación", "", "mnuImprimir",
     kConCalculo},
    {"mnuPrintTodosServicios", "Costes repercutidos a todos los servicios", "", "mnuImprimir",
     kConCalculo},
    {"mnuPrintFijos1", "Autocar y Equipos Auxiliares", "", "mnuPrintTodosServicios", kConCalculo},
    {"mnuPrintFijos2", "Personal, Seguros y Costes Fiscales", "", "mnuPrintTodosServicios",
     kConCalculo},
    {"mnuPrintVariables", "Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes", "",
     "mnuPrintTodosServicios", kConCalculo},
    {"mnuPrintIndirectos", "Costes Indirectos", "", "mnuPrintTodosServicios", kConCalculo},
    {"mnuPrintResultados", "Resultados", "", "mnuPrintTodosServicios", kConCalculo},
    {"mnuPrintServicio", "Costes de un servicio concreto", "", "mnuImprimir", kConCalculo},
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
