# Interfaz de ventanas: formularios, ventana principal, diálogos y el programa dorvelna.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)

add_library(dorvelna_gui STATIC
  entry/CampoTexto.cpp
  entry/EdicionCampos.cpp
  forms/BotonOpcion.cpp
  forms/FormularioDatos.cpp
  forms/Tarta.cpp
  forms/EtiquetasTarta.cpp
  forms/frmCostesIndirectos.cpp
  forms/frmResultados.cpp
  forms/FormularioSinCampos.cpp
  forms/FabricaFormularios.cpp
  forms/frmCaracteristicas.cpp
  forms/frmCostesFijos1.cpp
  forms/frmCostesFijos2.cpp
  forms/frmCostesVariables.cpp
  forms/frmServicio.cpp
  files/dialogos/frmNueva.cpp
  files/dialogos/frmTipoVeh.cpp
  files/dialogos/frmArchivo.cpp
  shell/ArchivoChm.cpp
  shell/Arranque.cpp
  shell/Ayuda.cpp
  shell/BotonPatilla.cpp
  shell/Carpetas.cpp
  shell/Comprobacion.cpp
  shell/Globales.cpp
  shell/Impresion.cpp
  shell/PantallaQt.cpp
  shell/VentanaPrincipal.cpp
  shell/VentanaDesplazamiento.cpp
  shell/Rueda.cpp
  shell/Portapapeles.cpp
  shell/VentanaMandatos.cpp
  shell/MapaContenido.cpp
  shell/NavegadorChm.cpp
  shell/VentanaAyuda.cpp
)
add_library(dorvelna::gui ALIAS dorvelna_gui)
set_target_properties(dorvelna_gui PROPERTIES AUTOMOC ON)
target_link_libraries(dorvelna_gui PUBLIC dorvelna_nucleo dorvelna_dialogos Qt6::Widgets
  Qt6::PrintSupport)

add_executable(dorvelna shell/main.cpp)
target_link_libraries(dorvelna PRIVATE dorvelna_gui)

# Las ayudas compiladas (.chm) se leen con chmlib (paquete libchm-dev, sin pkg-config).
find_path(CHMLIB_INCLUDE_DIR chm_lib.h REQUIRED)
find_library(CHMLIB_LIBRARY chm REQUIRED)
target_include_directories(dorvelna_gui PRIVATE ${CHMLIB_INCLUDE_DIR})
target_link_libraries(dorvelna_gui PRIVATE ${CHMLIB_LIBRARY})
