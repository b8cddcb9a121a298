#!/usr/bin/env python3
"""Comprueba las capas del código: cada archivo de src/ incluye solo de su capa o de las de
debajo, y las inclusiones entre archivos del proyecto no forman ciclos (una cabecera y su .cpp
cuentan como una pieza). Nombra cada archivo y cada inclusión que rompe la regla y termina con 1;
sin problemas no dice nada y termina con 0."""

import os
import re
import sys

RAIZ = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                       os.path.join(os.path.dirname(__file__), ".."))
SRC = os.path.join(RAIZ, "src")

# Capa de cada carpeta y las capas que puede usar (la suya incluida).
CAPAS = [
    ("nucleo/", "núcleo", {"núcleo"}),
    ("exportar/", "exportación", {"núcleo", "exportación"}),
    ("cli/", "línea de órdenes", {"núcleo", "exportación", "línea de órdenes"}),
    ("gui/comun/", "ventanas común", {"núcleo", "ventanas común"}),
    ("gui/", "ventanas", {"núcleo", "exportación", "ventanas común", "ventanas"}),
    ("app/", "programa", {"núcleo", "exportación", "ventanas común", "ventanas", "programa"}),
]

INCLUSION = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def capa(ruta):
    for prefijo, nombre, _ in CAPAS:
        if ruta.startswith(prefijo):
            return nombre
    return None


def permitidas(nombre):
    return next(p for _, n, p in CAPAS if n == nombre)


def archivos():
    for carpeta, _, nombres in os.walk(SRC):
        for n in sorted(nombres):
            if n.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(carpeta, n), SRC).replace(os.sep, "/")


def resolver(desde, incluido):
    propia = os.path.normpath(os.path.join(os.path.dirname(desde), incluido)).replace(os.sep, "/")
    for candidata in (propia, incluido):
        if os.path.isfile(os.path.join(SRC, candidata)):
            return candidata
    return None


def pieza(ruta):
    return os.path.splitext(ruta)[0]


def ciclos(grafo):
    """Componentes fuertemente conexas de más de una pieza (Tarjan, sin recursión)."""
    indice, bajo, en_pila, pila, resultado = {}, {}, set(), [], []
    contador = 0
    for inicio in sorted(grafo):
        if inicio in indice:
            continue
        trabajo = [(inicio, iter(sorted(grafo[inicio])))]
        indice[inicio] = bajo[inicio] = contador
        contador += 1
        pila.append(inicio)
        en_pila.add(inicio)
        while trabajo:
            nodo, hijos = trabajo[-1]
            avanzado = False
            for hijo in hijos:
                if hijo not in indice:
                    indice[hijo] = bajo[hijo] = contador
                    contador += 1
                    pila.append(hijo)
                    en_pila.add(hijo)
                    trabajo.append((hijo, iter(sorted(grafo.get(hijo, ())))))
                    avanzado = True
                    break
                if hijo in en_pila:
                    bajo[nodo] = min(bajo[nodo], indice[hijo])
            if avanzado:
                continue
            trabajo.pop()
            if trabajo:
                bajo[trabajo[-1][0]] = min(bajo[trabajo[-1][0]], bajo[nodo])
            if bajo[nodo] == indice[nodo]:
                componente = []
                while True:
                    x = pila.pop()
                    en_pila.discard(x)
                    componente.append(x)
                    if x == nodo:
                        break
                if len(componente) > 1:
                    resultado.append(sorted(componente))
    return resultado


def main():
    problemas = []
    grafo = {}
    aristas = {}
    for ruta in archivos():
        propia = capa(ruta)
        if propia is None:
            problemas.append(f"src/{ruta}: está fuera de las carpetas de las capas")
            continue
        with open(os.path.join(SRC, ruta), encoding="utf-8") as f:
            texto = f.read()
        grafo.setdefault(pieza(ruta), set())
        for incluido in INCLUSION.findall(texto):
            destino = resolver(ruta, incluido)
            if destino is None:
                continue
            suya = capa(destino)
            if suya is not None and suya not in permitidas(propia):
                problemas.append(f"src/{ruta}: incluye \"{incluido}\" (capa {suya}) desde la capa "
                                 f"{propia}")
            if pieza(destino) != pieza(ruta):
                grafo[pieza(ruta)].add(pieza(destino))
                aristas.setdefault((pieza(ruta), pieza(destino)), (ruta, incluido))
    for componente in ciclos(grafo):
        miembros = set(componente)
        problemas.append(f"ciclo de inclusiones entre {len(componente)} piezas:")
        for (de, a), (ruta, incluido) in sorted(aristas.items()):
            if de in miembros and a in miembros:
                problemas.append(f"  src/{ruta}: incluye \"{incluido}\"")
    for p in problemas:
        print(p)
    return 1 if problemas else 0


if __name__ == "__main__":
    sys.exit(main())
