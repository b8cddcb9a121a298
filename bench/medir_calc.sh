#!/usr/bin/env bash
# Mide dorvelna-calc --json y --xlsx (el libro de la flota) sobre 10.000 archivos de cálculo
# válidos, frente a cat de los mismos archivos como suelo.
#   bench/medir_calc.sh [ruta de dorvelna-calc]   (por omisión build/bin/dorvelna-calc)
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
calc=${1:-$raiz/build/bin/dorvelna-calc}
numero=${DORVELNA_ARCHIVOS:-10000}
[[ -x $calc ]] || { echo "no encuentro $calc" >&2; exit 2; }

carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT

# Archivos variados: cada uno parte de una de las cuatro clases y cambia sus números
# (entre el 80 % y el 120 %), su descripción y algún modo de entrada.
awk -v n="$numero" -v dir="$carpeta" '
  FNR == 1 { k++ }
  { sub(/\r$/, ""); linea[k, FNR] = $0; lineas[k] = FNR }
  END {
    srand(20250701)
    for (f = 1; f <= n; f++) {
      c = 1 + (f % k)
      nombre = sprintf("%s/calculo%05d.dvn", dir, f)
      for (i = 1; i <= lineas[c]; i++) {
        v = linea[c, i]
        if (v ~ /^-?[0-9.]+$/ && v + 0 != 0) v = sprintf("%.6g", v * (0.8 + 0.4 * rand()))
        else if (i == 1 || i == 98) v = sprintf("\"Autocar de prueba número %d\"", f)
        else if (v ~ /^#(TRUE|FALSE)#$/ && rand() < 0.2) v = (v == "#TRUE#") ? "#FALSE#" : "#TRUE#"
        printf "%s\r\n", v > nombre
      }
      close(nombre)
    }
  }' "$raiz"/data/Calibrario/*.clb

archivos=("$carpeta"/*.dvn)
un_nucleo=()
command -v taskset > /dev/null && un_nucleo=(taskset -c 0)

# Mejor de tres pasadas: "real cpu" en segundos (cpu = usuario + sistema; con la máquina
# cargada por otros procesos el tiempo real engaña y el de cpu no).
medir() {
  local mejor="" mejor_cpu="" r u s c
  for _ in 1 2 3; do
    read -r r u s < <({ TIMEFORMAT='%R %U %S'; time "${un_nucleo[@]}" "$@" > /dev/null; } 2>&1)
    if [[ -z $mejor ]] || (( $(echo "$r < $mejor" | bc -l) )); then mejor=$r; fi
    c=$(echo "$u + $s" | bc -l)
    if [[ -z $mejor_cpu ]] || (( $(echo "$c < $mejor_cpu" | bc -l) )); then mejor_cpu=$c; fi
  done
  echo "$mejor $mejor_cpu"
}

# Todos deben leerse bien: ninguno puede dar su objeto de error.
fallos=$("$calc" --json "${archivos[@]}" | grep -c '"error"' || true)
[[ $fallos == 0 ]] || { echo "$fallos archivos no se leyeron" >&2; exit 1; }

# El libro se graba entero: una fila por archivo además de la de títulos.
libro=$carpeta/flota.xlsx
"$calc" --xlsx "$libro" "${archivos[@]}"
filas=$(python3 -c 'import sys, zipfile
print(zipfile.ZipFile(sys.argv[1]).read("xl/worksheets/sheet1.xml").count(b"<row "))' "$libro")
[[ $filas == $((${#archivos[@]} + 1)) ]] || { echo "el libro tiene $filas filas" >&2; exit 1; }

read -r t_calc c_calc < <(medir "$calc" --json "${archivos[@]}")
read -r t_xlsx c_xlsx < <(medir "$calc" --xlsx "$libro" "${archivos[@]}")
read -r t_cat c_cat < <(medir cat "${archivos[@]}")
n=${#archivos[@]}
por_segundo() { echo "$n / $1" | bc -l; }
printf 'archivos:             %d\n' "$n"
printf 'dorvelna-calc --json: real %.3f s (%.0f archivos/s), cpu %.3f s (%.0f archivos/s)\n' \
  "$t_calc" "$(por_segundo "$t_calc")" "$c_calc" "$(por_segundo "$c_calc")"
printf 'dorvelna-calc --xlsx: real %.3f s (%.0f archivos/s), cpu %.3f s (%.0f archivos/s)\n' \
  "$t_xlsx" "$(por_segundo "$t_xlsx")" "$c_xlsx" "$(por_segundo "$c_xlsx")"
printf 'cat:                  real %.3f s (%.0f archivos/s), cpu %.3f s (%.0f archivos/s)\n' \
  "$t_cat" "$(por_segundo "$t_cat")" "$c_cat" "$(por_segundo "$c_cat")"
printf 'proporción calc/cat:  real %.1f, cpu %.1f\n' "$(echo "$t_calc / $t_cat" | bc -l)" \
  "$(echo "$c_calc / $c_cat" | bc -l)"
