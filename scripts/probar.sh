#!/usr/bin/env bash
# Construye Dorvelna y pasa todas las pruebas dos veces: una construcción normal y otra con
# AddressSanitizer y UndefinedBehaviorSanitizer. Cualquier fallo o informe de un sanitizer
# termina el guion con un estado distinto de cero.
#
# Carpetas de construcción (relativas a la raíz del repositorio, se pueden cambiar):
#   DORVELNA_CONSTRUCCION       build/
#   DORVELNA_CONSTRUCCION_ASAN  build-asan/
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz"

normal=${DORVELNA_CONSTRUCCION:-build}
asan=${DORVELNA_CONSTRUCCION_ASAN:-build-asan}
# La máquina de referencia tiene dos núcleos; más trabajos solo pelean por la memoria.
trabajos=${DORVELNA_TRABAJOS:-2}

bash scripts/instalar.sh

# Las pruebas de la interfaz manejan ventanas de verdad, pero sin pantalla.
export QT_QPA_PLATFORM=offscreen

fase() { printf '\n==== %s ====\n' "$*"; }

pruebas() {
  # --no-tests=error: una configuración que no registra pruebas no debe pasar por buena.
  ctest --test-dir "$1" --output-on-failure --no-tests=error -j "$trabajos" --timeout 600
}

inicio=$SECONDS

# Capas e inclusiones antes de construir: un archivo que incluye de una capa superior o un
# ciclo de inclusiones hace fallar el guion, que nombra el archivo y la inclusión.
fase "Capas e inclusiones"
python3 scripts/comprobar_capas.py

# Todo el C++ con el formato del proyecto (.clang-format).
fase "Formato"
bash scripts/comprobar_formato.sh

# Las opciones van siempre explícitas: una carpeta reutilizada no debe conservar otras.
fase "Construcción normal ($normal/)"
cmake -S . -B "$normal" -G Ninja \
  -DDORVELNA_PRUEBAS=ON -DDORVELNA_BENCH=ON -DDORVELNA_HERRAMIENTAS=ON -DDORVELNA_SANITIZERS=OFF -DDORVELNA_FUZZ=OFF \
  -DDORVELNA_WERROR=ON
cmake --build "$normal" -j "$trabajos"

fase "Pruebas ($normal/)"
pruebas "$normal"

fase "Construcción con AddressSanitizer y UBSan ($asan/)"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$raiz/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B "$asan" -G Ninja \
  -DDORVELNA_PRUEBAS=ON -DDORVELNA_BENCH=OFF -DDORVELNA_HERRAMIENTAS=OFF -DDORVELNA_SANITIZERS=ON -DDORVELNA_FUZZ=OFF \
  -DDORVELNA_WERROR=OFF
cmake --build "$asan" -j "$trabajos"

fase "Pruebas con AddressSanitizer y UBSan ($asan/)"
pruebas "$asan"

# Un informe escrito por un proceso hijo cuyo estado de salida nadie mira no hace fallar a
# ctest; el registro completo de la ejecución sí lo recoge.
registro="$asan/Testing/Temporary/LastTest.log"
informe='ERROR: (AddressSanitizer|LeakSanitizer)|runtime error: |SUMMARY: UndefinedBehaviorSanitizer'
if [[ -f $registro ]] && grep -q -E "$informe" "$registro"; then
  echo "Hay informes de los sanitizers en $registro:" >&2
  grep -n -E -A3 "$informe" "$registro" | head -n 60 >&2
  exit 1
fi

printf '\nTodas las pruebas pasan, también con AddressSanitizer y UBSan (%d s).\n' \
  $((SECONDS - inicio))
