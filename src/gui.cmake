# Interfaz de ventanas: formularios, ventana principal, diálogos y el programa dorvelna.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(dorvelna_gui STATIC
  entry/CampoTexto.cpp
  entry/EdicionCampos.cpp
  forms/BotonOpcion.cpp
  forms/FormularioDatos.cpp
  forms/Tarta.cpp
  forms/frmCostesIndirectos.cpp
  forms/frmResultados.cpp
  forms/FormularioSinCampos.cpp
  forms/FabricaFormularios.cpp
  forms/frmCaracteristicas.cpp
  files/dialogos/frmNueva.cpp
  files/dialogos/frmTipoVeh.cpp
  shell/Arranque.cpp
  shell/BotonPatilla.cpp
  shell/Carpetas.cpp
  shell/Globales.cpp
  shell/PantallaQt.cpp
  shell/VentanaPrincipal.cpp
  shell/VentanaDesplazamiento.cpp
  shell/VentanaMandatos.cpp
)
add_library(dorvelna::gui ALIAS dorvelna_gui)
set_target_properties(dorvelna_gui PROPERTIES AUTOMOC ON)
target_link_libraries(dorvelna_gui PUBLIC dorvelna_nucleo dorvelna_dialogos Qt6::Widgets)

add_executable(dorvelna shell/main.cpp)
target_link_libraries(dorvelna PRIVATE dorvelna_gui)
