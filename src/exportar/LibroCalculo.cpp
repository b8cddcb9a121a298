#include "exportar/LibroCalculo.h"

#include "exportar/LibroXlsx.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna {

namespace {

QString Significado(Grupo g, int i) { return QString::fromUtf8(Campo(g, i).significado); }
QString Unidad(Grupo g, int i) { return QString::fromUtf8(Campo(g, i).unidad); }

// Un valor en su celda: los números con los decimales del campo (vacía si no hay número), los
// textos como texto y los sí/no de una pareja de opciones con el texto de la opción elegida.
void Celda(HojaXlsx& hoja, int fila, int columna, Grupo g, int i, const Valor& v) {
  const DefinicionCampo& campo = Campo(g, i);
  if (campo.tipo == Tipo::Numero) {
    // Un campo vacío, vacío como en la pantalla, no un cero.
    if (v.EsNumero()) hoja.Numero(fila, columna, v.Numero(), campo.decimales);
  } else if (campo.tipo == Tipo::Texto) {
    if (v.EsTexto()) hoja.Texto(fila, columna, v.Texto());
  } else if (const DatosSeccion* seccion = SeccionDeModo(g, i)) {
    const auto [primera, segunda] = TextosOpciones(*seccion);
    hoja.Texto(fila, columna, v.EsSi() ? primera : segunda);
  } else {
    hoja.Texto(fila, columna, v.EsSi() ? QStringLiteral("Sí") : QStringLiteral("No"));
  }
}

// Los nombres de hoja no pasan de 31 caracteres: el rótulo se corta en la última palabra
// que cabe entera.
QString NombreHoja(Formulario f) {
  QString nombre = RotuloFormulario(f);
  if (nombre.size() <= 31) return nombre;
  nombre.truncate(32);
  nombre.truncate(nombre.lastIndexOf(QLatin1Char(' ')));
  while (nombre.endsWith(QLatin1Char(',')) || nombre.endsWith(QLatin1Char(' '))) nombre.chop(1);
  return nombre;
}

void HojaResultados(LibroXlsx& libro, const Calculo& calculo) {
  HojaXlsx& hoja = libro.Hoja(QStringLiteral("Resultados"));
  const QString s = TituloColumna(Columna::S), o = TituloColumna(Columna::O);
  hoja.Cabecera({QStringLiteral("Concepto"), s + QStringLiteral(" (€/año)"),
                 s + QStringLiteral(" (%)"), o + QStringLiteral(" (€/año)"),
                 o + QStringLiteral(" (%)")});
  int fila = 1;
  // R(20) no se usa; R(21..39) son los porcentajes de R(1..19).
  for (int i = 1; i <= 19; ++i, ++fila) {
    hoja.Texto(fila, 0, Significado(Grupo::R, i));
    int columna = 1;
    for (const Valores* v : {&calculo.ValoresS, &calculo.ValoresO}) {
      Celda(hoja, fila, columna++, Grupo::R, i, (*v)(Grupo::R, i));
      Celda(hoja, fila, columna++, Grupo::R, i + 20, (*v)(Grupo::R, i + 20));
    }
  }
  ++fila;
  hoja.Texto(fila, 0, QStringLiteral("Coste unitario"));
  hoja.Texto(fila, 1, s);
  hoja.Texto(fila, 3, o);
  hoja.Texto(fila, 4, QStringLiteral("Unidad"));
  ++fila;
  for (int i : {40, 45, 46, 47, 48}) {
    hoja.Texto(fila, 0, Significado(Grupo::R, i));
    Celda(hoja, fila, 1, Grupo::R, i, calculo.ValoresS(Grupo::R, i));
    Celda(hoja, fila, 3, Grupo::R, i, calculo.ValoresO(Grupo::R, i));
    hoja.Texto(fila++, 4, Unidad(Grupo::R, i));
  }
}

void HojaFormulario(LibroXlsx& libro, const Calculo& calculo, const DatosFormulario& datos) {
  HojaXlsx& hoja = libro.Hoja(NombreHoja(datos.formulario));
  hoja.Cabecera({QStringLiteral("Dato"), QStringLiteral("Unidad"), TituloColumna(Columna::S),
                 TituloColumna(Columna::O)});
  const Grupo g = datos.grupo;
  for (int i = 1; i <= TamanoGrupo(g); ++i) {
    hoja.Texto(i, 0, Significado(g, i));
    hoja.Texto(i, 1, Unidad(g, i));
    Celda(hoja, i, 2, g, i, calculo.ValoresS(g, i));
    Celda(hoja, i, 3, g, i, calculo.ValoresO(g, i));
  }
}

void HojaServicios(LibroXlsx& libro, const Calculo& calculo) {
  HojaXlsx& hoja = libro.Hoja(QStringLiteral("Servicios"));
  QStringList cabecera{QStringLiteral("Servicio")};
  for (int i = 2; i <= 7; ++i) {
    cabecera << Significado(Grupo::SS, i) + QStringLiteral(" (") + Unidad(Grupo::SS, i) +
                    QStringLiteral(")");
  }
  hoja.Cabecera(cabecera);
  for (int n = 1; n <= 5; ++n) {
    hoja.Numero(n, 0, n, 0);
    for (int k = 0; k < 6; ++k) {
      const int i = 6 * n - 4 + k;
      Celda(hoja, n, k + 1, Grupo::SS, i, calculo.ValoresS(Grupo::SS, i));
    }
  }
}

}  // namespace

QString DescripcionClase(const Calculo& calculo) {
  const Valor& c1 = calculo.ValoresS(Grupo::C, 1);
  return c1.EsTexto() ? c1.Texto().trimmed() : QString();
}

QString TituloDocumento(const Calculo& calculo) {
  return QStringLiteral("Dorvelna — ") + DescripcionClase(calculo);
}

std::optional<QString> ExportarLibro(Calculo& calculo, const QString& ruta,
                                     const Intermediario& intermediario) {
  LibroXlsx libro(ruta, intermediario);
  if (libro.Fallo()) return libro.Guardar();
  calculo.Actualizar();
  libro.Propiedades(TituloDocumento(calculo),
                    QStringLiteral("Costes de explotación de un autocar"));
  HojaResultados(libro, calculo);
  for (const DatosFormulario& datos : Formularios()) {
    if (datos.entrada) HojaFormulario(libro, calculo, datos);
  }
  HojaServicios(libro, calculo);
  return libro.Guardar();
}

}  // namespace dorvelna
