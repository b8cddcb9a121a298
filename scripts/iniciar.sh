#!/usr/bin/env bash
# Instala lo que falte, construye Dorvelna (sin pruebas, para ir rápido) y lo pone en marcha.
# Sin pantalla, o mientras no exista el programa de ventanas, muestra en su lugar el resumen
# de las cuatro clases de autocar estándar con la calculadora de línea de órdenes.
#
# Carpeta de construcción (relativa a la raíz del repositorio): DORVELNA_CONSTRUCCION_APP,
# build-app/ si no se indica otra.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz"

app=${DORVELNA_CONSTRUCCION_APP:-build-app}
trabajos=${DORVELNA_TRABAJOS:-2}

bash scripts/instalar.sh

cmake -S . -B "$app" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDORVELNA_PRUEBAS=OFF -DDORVELNA_BENCH=OFF -DDORVELNA_HERRAMIENTAS=OFF -DDORVELNA_SANITIZERS=OFF -DDORVELNA_FUZZ=OFF
cmake --build "$app" -j "$trabajos"

# Desde la carpeta de construcción, para que el resumen nombre los archivos por su ruta corta.
cd "$app"

resumen() {
  shopt -s nullglob
  local clases=(bin/Calibrario/*.clb)
  shopt -u nullglob
  if ((${#clases[@]} == 0)); then
    echo "No se encuentran los archivos de las clases de autocar en $app/bin/Calibrario." >&2
    exit 1
  fi
  if [[ ! -x bin/dorvelna-calc ]]; then
    echo "No se encuentra la calculadora $app/bin/dorvelna-calc." >&2
    exit 1
  fi
  exec bin/dorvelna-calc --csv "${clases[@]}"
}

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No hay pantalla (ni DISPLAY ni WAYLAND_DISPLAY): en su lugar se muestra el resumen de las cuatro clases de autocar estándar."
  resumen
fi

if [[ ! -x bin/dorvelna ]]; then
  echo "El programa de ventanas aún no está construido: en su lugar se muestra el resumen de las cuatro clases de autocar estándar."
  resumen
fi

exec bin/dorvelna
