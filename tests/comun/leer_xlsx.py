#!/usr/bin/env python3
"""Lee un libro .xlsx con openpyxl y lo escribe como JSON en la salida, para que las pruebas
lo comparen celda a celda: propiedades, y por hoja su nombre, la celda que fija los paneles,
los anchos de columna y cada celda con su valor, su negrita y su formato de número. Los avisos
de openpyxl al leer (lo que una hoja de cálculo daría por dudoso) van en "avisos"."""

import json
import sys
import warnings

import openpyxl
from openpyxl.utils import get_column_letter


def main():
    with warnings.catch_warnings(record=True) as avisos:
        warnings.simplefilter("always")
        libro = openpyxl.load_workbook(sys.argv[1])
    hojas = []
    for hoja in libro.worksheets:
        filas = []
        for fila in hoja.iter_rows():
            filas.append([{"valor": c.value, "negrita": bool(c.font.b),
                           "formato": c.number_format} for c in fila])
        anchos = []
        for columna in range(1, hoja.max_column + 1):
            dimension = hoja.column_dimensions.get(get_column_letter(columna))
            anchos.append(dimension.width if dimension is not None else None)
        hojas.append({"nombre": hoja.title, "fijada": hoja.freeze_panes, "anchos": anchos,
                      "filas": filas})
    json.dump({"titulo": libro.properties.title, "asunto": libro.properties.subject,
               "avisos": [str(a.message) for a in avisos], "hojas": hojas},
              sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
