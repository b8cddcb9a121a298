#!/usr/bin/env python3
"""Huella de lo que calcula y escribe una construcción, para comprobar que un cambio que no debe
cambiar nada no cambia nada.

    scripts/huella_calculadora.py CARPETA_BIN SALIDA

Escribe en SALIDA, con un título por bloque: los bytes (SHA-256) de los cuatro archivos del
Calibrario que hay junto al programa, y la salida de `dorvelna-calc --json` y `--csv` sobre esas
cuatro clases y sobre unos cientos de archivos derivados de ellas (cifras cambiadas, vaciadas,
puestas a cero o negativas), siempre los mismos. Dos construcciones calculan igual si sus huellas
son iguales byte a byte (`cmp`)."""

import glob
import hashlib
import os
import random
import subprocess
import sys
import tempfile

POR_CLASE = 100
SEMILLA = 20261208


def es_numero(linea):
    try:
        float(linea)
        return linea.strip() != ""
    except ValueError:
        return False


def variar(lineas, azar):
    nuevas = list(lineas)
    for k, linea in enumerate(lineas):
        if not es_numero(linea) or azar.random() > 0.15:
            continue
        x = float(linea)
        eleccion = azar.randrange(6)
        if eleccion == 0:
            nuevas[k] = ""
        elif eleccion == 1:
            nuevas[k] = "0"
        elif eleccion == 2:
            nuevas[k] = repr(-abs(x) - 1)
        else:
            nuevas[k] = repr(x * azar.choice([0.5, 0.9, 1.1, 2.0, 10.0, 1e6]))
    return nuevas


def main():
    if len(sys.argv) != 3:
        print("Uso: " + __doc__.strip().splitlines()[3].strip(), file=sys.stderr)
        return 2
    carpeta, salida = os.path.abspath(sys.argv[1]), sys.argv[2]
    calc = os.path.join(carpeta, "dorvelna-calc")
    clases = sorted(glob.glob(os.path.join(carpeta, "Calibrario", "*.clb")))
    if len(clases) != 4 or not os.access(calc, os.X_OK):
        print(f"No están dorvelna-calc y las cuatro clases en {carpeta}", file=sys.stderr)
        return 2
    azar = random.Random(SEMILLA)
    with tempfile.TemporaryDirectory() as tmp, open(salida, "w", encoding="utf-8") as out:
        archivos = []
        for n, clase in enumerate(clases):
            datos = open(clase, "rb").read()
            out.write(f"{os.path.basename(clase)} {hashlib.sha256(datos).hexdigest()}\n")
            lineas = datos.decode("cp1252").split("\r\n")
            for k in range(POR_CLASE):
                ruta = os.path.join(tmp, f"c{n}_{k:03}.dvn")
                with open(ruta, "wb") as f:
                    f.write("\r\n".join(variar(lineas, azar)).encode("cp1252"))
                archivos.append(ruta)
        for modo in ("--json", "--csv"):
            hecho = subprocess.run([calc, modo, *clases, *archivos], capture_output=True,
                                   cwd=tmp)
            out.write(f"== {modo} estado {hecho.returncode}\n")
            out.write(hecho.stdout.decode("utf-8").replace(tmp, "TMP").replace(carpeta, "BIN"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
