#!/usr/bin/env bash
# Comprueba que todo el C++ del repositorio sigue el .clang-format del proyecto. Nombra cada
# archivo que no lo sigue y termina con 1; para arreglarlo, `clang-format -i ARCHIVO`.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
