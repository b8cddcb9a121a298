# cmake -DCONSTRUCCION=... -DPREFIJO=... -DID=... -DDATOS=... -DBINARIOS=... -DCOMPARTIDOS=...
#       -P PruebaInstalacion.cmake
cmake_minimum_required(VERSION 3.21)

function(fallar)
  message(FATAL_ERROR ${ARGV})
endfunction()

file(REMOVE_RECURSE "${PREFIJO}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${CONSTRUCCION}" --prefix "${PREFIJO}"
                RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT estado EQUAL 0)
  fallar("cmake --install falló (${estado}):\n${salida}\n${errores}")
endif()

# Cada cosa en su sitio.
set(datos "${PREFIJO}/${DATOS}")
set(esperados
  "${PREFIJO}/${BINARIOS}/dorvelna"
  "${PREFIJO}/${BINARIOS}/dorvelna-calc"
  "${PREFIJO}/${COMPARTIDOS}/applications/${ID}.desktop"
  "${PREFIJO}/${COMPARTIDOS}/metainfo/${ID}.metainfo.xml"
  "${PREFIJO}/${COMPARTIDOS}/icons/hicolor/48x48/apps/${ID}.png"
  "${PREFIJO}/${COMPARTIDOS}/icons/hicolor/256x256/apps/${ID}.png"
  "${PREFIJO}/${COMPARTIDOS}/mime/packages/dorvelna.xml")
foreach(lado 16 48 256)
  list(APPEND esperados
    "${PREFIJO}/${COMPARTIDOS}/icons/hicolor/${lado}x${lado}/mimetypes/application-x-dorvelna-calculo.png")
endforeach()
foreach(clase "mas 55" "39 a 55" "26 a 38" "10 a 25")
  list(APPEND esperados "${datos}/Calibrario/Autocar Estandar ${clase} plazas.clb")
endforeach()
foreach(archivo IN LISTS esperados)
  if(NOT EXISTS "${archivo}")
    fallar("No se instaló ${archivo}")
  endif()
endforeach()
# Nada de la construcción se cuela junto al programa instalado.
if(EXISTS "${PREFIJO}/${BINARIOS}/Calibrario")
  fallar("El Calibrario no debe instalarse junto al ejecutable")
endif()

set(entrada "${PREFIJO}/${COMPARTIDOS}/applications/${ID}.desktop")
file(STRINGS "${entrada}" exec REGEX "^Exec=")
file(STRINGS "${entrada}" icono REGEX "^Icon=")
# file(STRINGS) partiría la línea por el punto y coma: se busca en el texto entero.
file(READ "${entrada}" texto_entrada)
string(FIND "${texto_entrada}" "\nMimeType=application/x-dorvelna-calculo;\n" tipos)
if(NOT exec STREQUAL "Exec=dorvelna %f" OR NOT icono STREQUAL "Icon=${ID}" OR tipos EQUAL -1)
  fallar("Entrada de escritorio inesperada:\n${texto_entrada}")
endif()

# El escritorio tal como lo vería tras instalar el paquete: entrada válida, y un .dvn
# reconocido por su tipo una vez puesta al día la base de tipos del prefijo.
find_program(validador desktop-file-validate)
find_program(base_tipos update-mime-database)
find_program(xdg_mime xdg-mime)
if(NOT validador OR NOT base_tipos OR NOT xdg_mime)
  fallar("Faltan desktop-file-validate, update-mime-database o xdg-mime (scripts/instalar.sh)")
endif()
execute_process(COMMAND "${validador}" "${entrada}" RESULT_VARIABLE estado
                OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT estado EQUAL 0 OR NOT "${salida}${errores}" STREQUAL "")
  fallar("desktop-file-validate no acepta la entrada:\n${salida}${errores}")
endif()
execute_process(COMMAND "${base_tipos}" "${PREFIJO}/${COMPARTIDOS}/mime" RESULT_VARIABLE estado
                ERROR_VARIABLE errores)
if(NOT estado EQUAL 0)
  fallar("update-mime-database falló: ${errores}")
endif()
file(STRINGS "${PREFIJO}/${COMPARTIDOS}/mime/icons" iconos_tipo
     REGEX "^application/x-dorvelna-calculo:")
if(NOT iconos_tipo STREQUAL "application/x-dorvelna-calculo:application-x-dorvelna-calculo")
  fallar("El tipo no lleva su icono: ${iconos_tipo}")
endif()
set(vacia "${PREFIJO}/sin-datos")
file(MAKE_DIRECTORY "${vacia}")
file(WRITE "${PREFIJO}/Prueba de tipo.dvn" "Cálculo de prueba\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CURRENT_DESKTOP --unset=KDE_FULL_SESSION
          --unset=GNOME_DESKTOP_SESSION_ID --unset=DESKTOP_SESSION
          XDG_DATA_DIRS=${PREFIJO}/${COMPARTIDOS} XDG_DATA_HOME=${vacia}
          "${xdg_mime}" query filetype "${PREFIJO}/Prueba de tipo.dvn"
  RESULT_VARIABLE estado OUTPUT_VARIABLE tipo ERROR_VARIABLE errores)
string(STRIP "${tipo}" tipo)
if(NOT estado EQUAL 0 OR NOT tipo STREQUAL "application/x-dorvelna-calculo")
  fallar("xdg-mime ve un .dvn como \"${tipo}\" (${estado}) ${errores}")
endif()

# El programa arrancado sin pantalla, con una carpeta personal vacía.
set(casa "${PREFIJO}/casa")
file(MAKE_DIRECTORY "${casa}")
function(arrancar programa clase)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${casa}
            XDG_CONFIG_HOME=${casa}/.config XDG_DATA_HOME=${casa}/.local/share
            "${programa}" --comprobar ${clase}
    WORKING_DIRECTORY "${casa}"
    TIMEOUT 120
    RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
  set(estado "${estado}" PARENT_SCOPE)
  set(salida "${salida}" PARENT_SCOPE)
  message(STATUS "${programa} --comprobar ${clase} -> ${estado}\n${salida}${errores}")
endfunction()

# Desde la carpeta de construcción usa el Calibrario que tiene al lado, y allí mismo
# guardaría los cálculos.
arrancar("${CONSTRUCCION}/bin/dorvelna" 2)
string(FIND "${salida}" "Carpeta del programa: ${CONSTRUCCION}/bin\n" donde)
string(FIND "${salida}" "Carpeta de los cálculos: ${CONSTRUCCION}/bin/Cálculos\n" donde2)
if(NOT estado EQUAL 0 OR donde EQUAL -1 OR donde2 EQUAL -1)
  fallar("El programa de la construcción no usó su propia carpeta")
endif()
if(EXISTS "${casa}/Documents")
  fallar("El programa de la construcción no debe tocar la carpeta de documentos")
endif()

# El instalado encuentra sus datos por la instalación y deja los cálculos en la carpeta de
# documentos, que crea.
set(programa "${PREFIJO}/${BINARIOS}/dorvelna")
arrancar("${programa}" 1)
if(NOT estado EQUAL 0)
  fallar("El programa instalado no abrió la clase 1")
endif()
string(FIND "${salida}" "Carpeta del programa: ${datos}\n" donde)
if(donde EQUAL -1)
  fallar("No tomó los datos de ${datos}")
endif()
string(FIND "${salida}" "Carpeta de los cálculos: ${casa}/Documents/Cálculos\n" donde)
if(donde EQUAL -1 OR NOT IS_DIRECTORY "${casa}/Documents/Cálculos")
  fallar("La carpeta de los cálculos no está en los documentos del usuario")
endif()
if(NOT salida MATCHES "Clase abierta: [^\n]+")
  fallar("No dijo qué clase abrió")
endif()
# Las ayudas que compiló la construcción se instalan con los datos, y el programa las ve.
foreach(ayuda Dorvelna.chm Acuerdos.chm)
  if(EXISTS "${CONSTRUCCION}/bin/${ayuda}")
    string(FIND "${salida}" "Ayuda ${ayuda}: está\n" donde)
    if(NOT EXISTS "${datos}/${ayuda}" OR donde EQUAL -1)
      fallar("La ayuda ${ayuda} no quedó junto a los datos instalados")
    endif()
  endif()
endforeach()

# Sin el archivo de esa clase la comprobación falla con el mensaje del programa.
file(REMOVE "${datos}/Calibrario/Autocar Estandar 39 a 55 plazas.clb")
arrancar("${programa}" 1)
# El mensaje, entero en una línea.
if(NOT estado EQUAL 1 OR NOT salida MATCHES
   "No se pudo abrir la clase 1: Archivo no encontrado en el subdirectorio [^\n]* Los datos del Calibrario")
  fallar("Sin el archivo de la clase, la comprobación debía fallar")
endif()
arrancar("${programa}" 0)
if(NOT estado EQUAL 0)
  fallar("Las demás clases deben seguir abriéndose")
endif()
