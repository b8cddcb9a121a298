# Compila un proyecto de ayuda (.hhp) con chmcmd y deja el .chm en SALIDA. Cualquier aviso
# de chmcmd (una página o una imagen enlazada que no existe) hace fallar la construcción.
#   cmake -DCHMCMD=... -DPROYECTO=carpeta/Nombre.hhp -DSALIDA=bin/Nombre.chm -P CompilarChm.cmake
get_filename_component(carpeta "${PROYECTO}" DIRECTORY)
get_filename_component(nombre "${PROYECTO}" NAME_WE)
file(REMOVE "${carpeta}/${nombre}.chm")
execute_process(
  COMMAND "${CHMCMD}" "${nombre}.hhp"
  WORKING_DIRECTORY "${carpeta}"
  RESULT_VARIABLE resultado
  OUTPUT_VARIABLE salida
  ERROR_VARIABLE errores)
if(NOT resultado EQUAL 0 OR NOT EXISTS "${carpeta}/${nombre}.chm")
  message(FATAL_ERROR "chmcmd no pudo compilar ${nombre}.hhp (${resultado}):\n${salida}\n${errores}")
endif()
if(salida MATCHES "Warning" OR errores MATCHES "Warning")
  message(FATAL_ERROR "chmcmd avisa al compilar ${nombre}.hhp:\n${salida}\n${errores}")
endif()
file(COPY_FILE "${carpeta}/${nombre}.chm" "${SALIDA}")
