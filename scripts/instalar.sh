#!/usr/bin/env bash
# Instala con apt-get los paquetes de Debian 12 que Dorvelna necesita y que aún faltan.
# Si no falta nada no hace nada ni dice nada, así que se puede llamar siempre.
set -euo pipefail

paquetes=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev
  libchm-dev fp-utils libxlsxwriter-dev python3-openpyxl
  clang-14 libclang-rt-14-dev clang-format python3 git
  xvfb xauth imagemagick poppler-utils
  desktop-file-utils xdg-utils libfile-mimeinfo-perl shared-mime-info
)

faltan=()
for paquete in "${paquetes[@]}"; do
  # "ii" es el único estado en el que el paquete está instalado y configurado del todo.
  estado=$(dpkg-query -W -f='${db:Status-Abbrev}' "$paquete" 2>/dev/null || true)
  [[ $estado == ii* ]] || faltan+=("$paquete")
done

((${#faltan[@]} == 0)) && exit 0

if ((EUID != 0)); then
  if command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "Faltan paquetes (${faltan[*]}) y hace falta ser root para instalarlos." >&2
    exit 1
  fi
else
  sudo=()
fi

echo "Instalando los paquetes que faltan: ${faltan[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${faltan[@]}" </dev/null
