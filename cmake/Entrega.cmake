# Entrega como programa de escritorio: qué instala `cmake --install` y el paquete Debian
# que construye `cpack -G DEB`. Los datos van a su sitio según GNUInstallDirs y el programa
# los encuentra desde su propia carpeta (src/gui/comun/Carpetas.cpp).
include(GNUInstallDirs)

set(DORVELNA_ID "es.dorvelna.Dorvelna")
set(DORVELNA_DATOS "${CMAKE_INSTALL_DATADIR}/dorvelna")
# Tipo de los archivos de cálculo (.dvn) para el escritorio; su icono lleva el mismo nombre
# con "-" en lugar de "/", como piden los temas de iconos.
set(DORVELNA_TIPO "application/x-dorvelna-calculo")
string(REPLACE "/" "-" DORVELNA_ICONO_TIPO "${DORVELNA_TIPO}")

# El camino de la carpeta de los ejecutables a la de datos, relativo para que el programa
# instalado siga encontrando sus datos aunque se instale en otro prefijo.
file(RELATIVE_PATH DORVELNA_DATOS_RELATIVOS "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_DATADIR}/dorvelna")
set_source_files_properties(src/gui/comun/Carpetas.cpp TARGET_DIRECTORY dorvelna_gui_comun
  PROPERTIES COMPILE_DEFINITIONS
    "DORVELNA_DATOS_RELATIVOS=\"${DORVELNA_DATOS_RELATIVOS}\";DORVELNA_DATOS_INSTALADOS=\"${CMAKE_INSTALL_FULL_DATADIR}/dorvelna\"")
set_source_files_properties(src/gui/ventana/Arranque.cpp TARGET_DIRECTORY dorvelna_gui
  PROPERTIES COMPILE_DEFINITIONS "DORVELNA_ID=\"${DORVELNA_ID}\"")

install(TARGETS dorvelna dorvelna-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY data/Calibrario/ DESTINATION ${DORVELNA_DATOS}/Calibrario
        FILES_MATCHING PATTERN "*.clb")
# Las dos ayudas se compilan en la construcción junto al programa.
install(FILES ${CMAKE_BINARY_DIR}/bin/Dorvelna.chm ${CMAKE_BINARY_DIR}/bin/Acuerdos.chm
        DESTINATION ${DORVELNA_DATOS} OPTIONAL)

# Entrada del menú de aplicaciones, metadatos AppStream e icono, dibujado por el propio
# programa en cada tamaño.
configure_file(data/escritorio/dorvelna.desktop.in
               ${CMAKE_BINARY_DIR}/escritorio/${DORVELNA_ID}.desktop @ONLY)
configure_file(data/escritorio/dorvelna.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/escritorio/${DORVELNA_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/escritorio/${DORVELNA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/escritorio/${DORVELNA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# En share/mime/packages el disparador de shared-mime-info del paquete Debian lo registra.
install(FILES data/escritorio/dorvelna-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME dorvelna.xml)

set(DORVELNA_LADOS_ICONO 16 24 32 48 64 128 256)
set(DORVELNA_ICONOS)
foreach(lado IN LISTS DORVELNA_LADOS_ICONO)
  list(APPEND DORVELNA_ICONOS ${CMAKE_BINARY_DIR}/iconos/${lado}/${DORVELNA_ID}.png
       ${CMAKE_BINARY_DIR}/iconos/${lado}/${DORVELNA_ICONO_TIPO}.png)
  install(FILES ${CMAKE_BINARY_DIR}/iconos/${lado}/${DORVELNA_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps)
  install(FILES ${CMAKE_BINARY_DIR}/iconos/${lado}/${DORVELNA_ICONO_TIPO}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/mimetypes)
endforeach()
add_custom_command(OUTPUT ${DORVELNA_ICONOS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:dorvelna_iconos> ${CMAKE_BINARY_DIR}/iconos ${DORVELNA_ID}
          ${DORVELNA_ICONO_TIPO}
  DEPENDS dorvelna_iconos
  COMMENT "Dibujando los iconos del programa y de sus archivos")
add_custom_target(iconos ALL DEPENDS ${DORVELNA_ICONOS})

# Paquete Debian: las dependencias de bibliotecas (Qt 6, chmlib...) las calcula
# dpkg-shlibdeps a partir de los ejecutables.
set(CPACK_PACKAGE_NAME "dorvelna")
set(CPACK_PACKAGE_VENDOR "Observatorio de Costes del Transporte de Viajeros")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cálculo de costes de explotación de autocares")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equipo de desarrollo de Dorvelna <dorvelna@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# La primera línea de la descripción es CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Asistente de escritorio, en español, que calcula el coste anual de tener un\n\
autocar funcionando, sus costes unitarios (por viajero-kilómetro, por kilómetro\n\
facturado y por hora facturada) y el precio de servicios concretos, junto a los\n\
valores de referencia de las cuatro clases de autocar estándar del Calibrario.")
include(CPack)
