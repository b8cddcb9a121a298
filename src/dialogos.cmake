# Diálogos propios del programa (mensajes, pregunta de grabar), presentación, "Acerca de",
# dibujos y el paso de twips a píxeles.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(dorvelna_dialogos STATIC
  entry/dialogos/VentanaDuena.cpp
  entry/dialogos/EtiquetaMensaje.cpp
  entry/dialogos/frmMensaje.cpp
  entry/dialogos/frmPreguntaGrabar.cpp
  shell/Twips.cpp
  shell/Identidad.cpp
  shell/Dibujos.cpp
  shell/DibujosEmblemas.cpp
  shell/frmSplash.cpp
  shell/frmAbout.cpp
)
add_library(dorvelna::dialogos ALIAS dorvelna_dialogos)
set_target_properties(dorvelna_dialogos PROPERTIES AUTOMOC ON)
target_include_directories(dorvelna_dialogos PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(dorvelna_dialogos PUBLIC dorvelna_nucleo Qt6::Widgets)
