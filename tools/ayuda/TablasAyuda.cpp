#include "TablasAyuda.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "gui/archivo/frmTipoVeh.h"
#include "nucleo/archivos/LeerArchivo.h"
#include "nucleo/entrada/Formato.h"
#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna::ayuda {

namespace {

using enum Grupo;

// Apartados de las tablas de datos: los marcos de los formularios.
struct Apartado {
  Grupo grupo;
  const char* titulo;
  std::vector<int> campos;  // en el orden en que los muestra el formulario
};

const std::vector<Apartado>& Apartados() {
  static const std::vector<Apartado> apartados = {
      {C, "Características técnicas del autocar", {1, 2, 3, 4, 5, 24, 6, 7}},
      {C,
       "Características de explotación del autocar",
       {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}},
      {F1, "Autocar", {1, 10, 2, 21, 22, 3, 4, 5, 6, 7, 8, 9}},
      {F1, "Equipos auxiliares", {11, 20, 12, 13, 14, 15, 16, 17, 18, 19}},
      {F2, "Personal", {1, 2, 3, 4, 5, 6, 7, 8}},
      {F2, "Seguros", {9, 10, 11, 12, 13, 14, 15, 16, 29, 30, 17, 18}},
      {F2, "Costes fiscales", {19, 20, 21, 22, 23, 24, 25, 26, 27, 28}},
      {V, "Carburante", {1, 2, 3, 4, 5, 6, 20, 7}},
      {V, "Disolución de urea", {21}},
      {V, "Neumáticos", {8, 9, 10, 11, 12, 13, 14, 15, 16}},
      {V, "Reparaciones y Conservación", {17, 18}},
      {V, "Peajes", {19}},
      {I, "Costes indirectos", {1, 2, 3, 4, 5}},
      {SS, "Coste por viajero-kilómetro", {1}},
      {SS, "Cada servicio (los cinco son iguales; aquí, el servicio 1)", {2, 3, 4, 5, 6, 7}},
  };
  return apartados;
}

// Lo que la columna "Calibrario de Costes" no enseña: las plazas y los viajeros.
bool OcultoEnReferencia(Grupo g, int i) { return g == C && (i == 2 || (i >= 19 && i <= 23)); }

// Los tres precios de un servicio llevan en el catálogo el rótulo corto de su fila.
QString Rotulo(const DefinicionCampo& d) {
  const QString texto = QString::fromUtf8(d.significado);
  if (d.grupo == SS && d.indice >= 2) {
    switch ((d.indice - 2) % 6) {
      case 3: return QStringLiteral("Coste del servicio facturado por kilómetros y horas");
      case 4: return QStringLiteral("Coste del servicio facturado por kilómetros");
      case 5: return QStringLiteral("Coste del servicio facturado por horas");
      default: break;
    }
  }
  if (d.tipo == Tipo::Logico) return texto.section(QLatin1Char(':'), 0, 0);
  // Algún rótulo del formulario empieza en minúscula ("viajeros por vehículo").
  return texto.left(1).toUpper() + texto.mid(1);
}

// Las dos opciones de un campo sí/no, tal como las muestran sus botones.
std::pair<QString, QString> Opciones(const DefinicionCampo& d) {
  const DatosSeccion* s = SeccionDeModo(d.grupo, d.indice);
  return s ? TextosOpciones(*s) : std::pair<QString, QString>();
}

bool NoEsCero(const Valor& x) { return x.ComoNumero().value_or(0) != 0; }

// Un campo tapado por la forma elegida en su sección (alquiler en vez de compra, total en
// vez de desglose), o que depende de otro que vale cero (los años del préstamo sin capital
// financiado, el precio de unos neumáticos que no hay), no cuenta: el formulario lo oculta o
// lo deja vacío.
bool EnUso(const Valores& v, Grupo g, int i) {
  for (const DatosSeccion& s : Secciones()) {
    if (s.grupo != g) continue;
    const bool primera = v(g, s.modo).EsSi();
    if (EnPrimera(s, i) && !primera) return false;
    if (!s.desglose && i == s.segunda && primera) return false;
  }
  if (g == C) return i != 13 || NoEsCero(v.C[12]);
  if (g == F1) {
    if (i == 8 || i == 9) return NoEsCero(v.F1[6]);
    if (i == 18 || i == 19) return NoEsCero(v.F1[12]) && NoEsCero(v.F1[16]);
    if (i >= 13 && i <= 17) return NoEsCero(v.F1[12]);
  } else if (g == F2) {
    if (i == 4) return NoEsCero(v.F2[3]);
  } else if (g == V) {
    for (const int numero : {8, 11, 14}) {
      if (i == numero + 1 || i == numero + 2) return NoEsCero(v.V[numero]);
    }
  }
  return true;
}

QString Origen(const DefinicionCampo& d) {
  switch (d.rol) {
    case Rol::Entrada: return QStringLiteral("Lo escribe usted");
    case Rol::Derivado: return QStringLiteral("Lo calcula el programa");
    case Rol::EntradaSiTotal:
      return QStringLiteral("Lo calcula el programa en «Desglosado»; lo escribe usted en «Total»");
  }
  return QString();
}

// Una fila de datos; las columnas de `cifras` van alineadas a la derecha.
QString Fila(const QStringList& celdas, bool calculado, std::initializer_list<int> cifras) {
  QString fila = calculado ? QStringLiteral("<tr class=\"calculado\">") : QStringLiteral("<tr>");
  for (qsizetype k = 0; k < celdas.size(); ++k) {
    const bool cifra = std::find(cifras.begin(), cifras.end(), k) != cifras.end();
    fila += QStringLiteral("<td%1>%2</td>")
                .arg(cifra ? QStringLiteral(" class=\"cifra\"") : QString(), celdas[k]);
  }
  return fila + QStringLiteral("</tr>\n");
}

// Comienzo de una tabla con su fila de títulos y el ancho de cada columna en %, para que
// las tablas de una misma página queden alineadas entre sí.
QString AbrirTabla(const QStringList& titulos, std::initializer_list<int> anchos) {
  QString html = QStringLiteral(
      "<table class=\"datos\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
      "width=\"100%\">\n<tr>");
  auto ancho = anchos.begin();
  for (const QString& titulo : titulos) {
    html += ancho != anchos.end()
                ? QStringLiteral("<th width=\"%1%\">%2</th>").arg(*ancho++).arg(titulo)
                : QStringLiteral("<th>%1</th>").arg(titulo);
  }
  return html + QStringLiteral("</tr>\n");
}

struct FilaComparativa {
  Grupo grupo;  // R para los resultados
  int indice;
  const char* rotulo;
};
constexpr FilaComparativa kComparativa[] = {
    {C, 2, "Plazas, incluida la del conductor (*)"},
    {C, 3, "Longitud (m)"},
    {C, 4, "Ejes"},
    {C, 5, "Potencia (CV)"},
    {C, 6, "Masa máxima autorizada (kg)"},
    {C, 9, "Kilómetros recorridos al año"},
    {C, 10, "Kilómetros facturados (%)"},
    {C, 14, "Horas trabajadas al año"},
    {C, 15, "Horas facturadas (%)"},
    {C, 19, "Kilómetros con viajeros (%) (*)"},
    {C, 21, "Ocupación media de las plazas (%) (*)"},
    {F1, 2, "Precio del autocar sin IVA (€)"},
    {F1, 3, "Vida útil del autocar (años)"},
    {F1, 4, "Valor residual (% del precio)"},
    {F1, 6, "Capital financiado (% del precio)"},
    {F1, 8, "Años de financiación"},
    {F1, 9, "Interés anual (%)"},
    {F1, 12, "Equipos auxiliares sin IVA (€)"},
    {F2, 1, "Personal de a bordo (€/año)"},
    {F2, 8, "Dietas y plus de actividad (€/año)"},
    {F2, 18, "Seguros (€/año)"},
    {F2, 28, "Costes fiscales (€/año)"},
    {V, 1, "Precio del carburante con IVA (€/l)"},
    {V, 7, "Consumo (l/100 km)"},
    {V, 17, "Reparaciones y conservación (€/km)"},
    {V, 19, "Peajes (€/año)"},
    {V, 21, "Disolución de urea (€/año)"},
    {I, 5, "Costes indirectos (€/año)"},
    {R, 16, "Costes directos (€/año)"},
    {R, 18, "Costes totales (€/año)"},
    {R, 40, "C1 (€/viajero-km) (*)"},
    {R, 45, "C2 (€/km)"},
    {R, 46, "C3 (€/hora)"},
    {R, 47, "C4 (€/km)"},
    {R, 48, "C5 (€/hora)"},
};

}  // namespace

const QStringList& ArchivosClases() {
  // Los de "Tipo de Autocar", que los da de la mayor a la menor.
  static const QStringList archivos = [] {
    QStringList nombres;
    for (int k = 3; k >= 0; --k) nombres << QFileInfo(frmTipoVeh::ArchivoClase(k)).fileName();
    return nombres;
  }();
  return archivos;
}

TablasAyuda::TablasAyuda(const QString& carpetaCalibrario)
    : calibrario_(carpetaCalibrario), idioma_(QLocale::Spanish, QLocale::Spain) {}

const Calculo* TablasAyuda::Clase(const QString& archivo, QString& error) {
  if (auto it = clases_.find(archivo); it != clases_.end()) return it->second.get();
  auto calculo = std::make_unique<Calculo>();
  calculo->InicializarDatos();
  if (const auto fallo = LeerArchivo(*calculo, calibrario_.filePath(archivo))) {
    error = QStringLiteral("no se puede leer la clase «%1»").arg(archivo);
    return nullptr;
  }
  return clases_.emplace(archivo, std::move(calculo)).first->second.get();
}

QString TablasAyuda::Cifra(const Valor& v, int decimales) const {
  return FormatearValor(v, decimales, true, idioma_).toHtmlEscaped();
}

QString TablasAyuda::ValorCampo(const Valores& v, Grupo g, int i) const {
  const DefinicionCampo& d = Campo(g, i);
  const Valor& x = v(g, i);
  if (d.tipo == Tipo::Logico) {
    const auto [si, no] = Opciones(d);
    return QStringLiteral("«%1»").arg((x.EsSi() ? si : no).toHtmlEscaped());
  }
  if (d.tipo == Tipo::Texto) return x.EsTexto() ? x.Texto().toHtmlEscaped() : QString();
  return Cifra(x, d.decimales);
}

QString TablasAyuda::Campos(Grupo g) const {
  QString html;
  for (const Apartado& s : Apartados()) {
    if (s.grupo != g) continue;
    html += QStringLiteral("<h3>%1</h3>\n").arg(QString::fromUtf8(s.titulo));
    html += AbrirTabla(
        {QStringLiteral("Dato"), QStringLiteral("Unidad"), QStringLiteral("Mínimo"),
         QStringLiteral("Máximo"), QStringLiteral("Decimales"), QStringLiteral("Origen")},
        {37, 10, 11, 11, 11, 20});
    for (const int i : s.campos) {
      const DefinicionCampo& d = Campo(g, i);
      QStringList celdas{Rotulo(d).toHtmlEscaped(), QString::fromUtf8(d.unidad).toHtmlEscaped()};
      if (d.tipo == Tipo::Logico) {
        const auto [si, no] = Opciones(d);
        celdas[1] = QStringLiteral("elección");
        celdas << QStringLiteral("«%1» o «%2»").arg(si.toHtmlEscaped(), no.toHtmlEscaped())
               << QStringLiteral("—") << QStringLiteral("—");
      } else if (d.tipo == Tipo::Texto) {
        const int minimo = d.minimo.EsTexto() ? int(d.minimo.Texto().size()) : 0;
        celdas << (minimo > 0 ? QStringLiteral("%1 carácter").arg(minimo) : QStringLiteral("—"))
               << QStringLiteral("%1 caracteres").arg(d.caracteres) << QStringLiteral("—");
      } else if (d.rol == Rol::Derivado) {
        celdas << QStringLiteral("—") << QStringLiteral("—") << QString::number(d.decimales);
      } else {
        celdas << Cifra(d.minimo, d.decimales) << Cifra(d.maximo, d.decimales)
               << QString::number(d.decimales);
      }
      celdas << Origen(d);
      html += Fila(celdas, d.rol == Rol::Derivado, {2, 3, 4});
    }
    html += QStringLiteral("</table>\n");
  }
  return html;
}

QString TablasAyuda::Supuestos(const Calculo& c) const {
  const Valores& o = c.ValoresO;
  // Si la clase no empieza su cálculo con sus mismos valores de referencia, se ven los dos.
  bool distintas = false;
  for (Grupo g : {C, F1, F2, V, I}) {
    for (int i : Entradas(g)) distintas = distintas || !(c.ValoresS(g, i) == o(g, i));
  }
  QString html;
  Grupo anterior = SS;
  for (const Apartado& s : Apartados()) {
    if (s.grupo == SS) continue;
    if (s.grupo != anterior) {
      html += QStringLiteral("<h3>%1</h3>\n")
                  .arg(RotuloFormulario(FormularioDeGrupo(s.grupo)).toHtmlEscaped());
      anterior = s.grupo;
    }
    html += QStringLiteral("<p class=\"seccion\">%1</p>\n").arg(QString::fromUtf8(s.titulo));
    if (distintas) {
      html += AbrirTabla({QStringLiteral("Dato"), QStringLiteral("Calibrario de Costes"),
                          QStringLiteral("Su cálculo parte de"), QStringLiteral("Unidad")},
                         {50, 18, 18, 14});
    } else {
      html += AbrirTabla({QStringLiteral("Dato"), QStringLiteral("Calibrario de Costes"),
                          QStringLiteral("Unidad")},
                         {64, 22, 14});
    }
    for (const int i : s.campos) {
      const DefinicionCampo& d = Campo(s.grupo, i);
      QString rotulo = Rotulo(d).toHtmlEscaped();
      if (OcultoEnReferencia(s.grupo, i)) rotulo += QStringLiteral(" (*)");
      auto valor = [&](const Valores& v) {
        return EnUso(v, s.grupo, i) ? ValorCampo(v, s.grupo, i) : QStringLiteral("—");
      };
      QStringList celdas{rotulo, valor(o)};
      if (distintas) celdas << valor(c.ValoresS);
      celdas << (d.tipo == Tipo::Numero ? QString::fromUtf8(d.unidad).toHtmlEscaped() : QString());
      // Las cifras a la derecha; los textos y las elecciones, como el resto del texto.
      if (d.tipo != Tipo::Numero) {
        html += Fila(celdas, false, {});
      } else {
        html += distintas ? Fila(celdas, d.rol == Rol::Derivado, {1, 2})
                          : Fila(celdas, d.rol == Rol::Derivado, {1});
      }
    }
    html += QStringLiteral("</table>\n");
  }
  html += QStringLiteral(
      "<p class=\"nota\">(*) La columna «Calibrario de Costes» no muestra este dato; el "
      "archivo de la clase lo trae y su cálculo personalizado empieza con él.<br>"
      "«—»: el dato no cuenta, porque su sección está en la otra forma de adquisición o de "
      "introducción o porque el dato del que depende vale cero; la columna de referencia lo "
      "deja vacío.<br>"
      "Las filas sombreadas son datos que calcula el programa.</p>\n");
  return html;
}

QString TablasAyuda::CostesAnuales(const Valores& v) const {
  QString html = AbrirTabla(
      {QStringLiteral("Costes anuales"), QStringLiteral("Euros (€)"), QStringLiteral("%")},
      {64, 22, 14});
  const bool desglosados = v.I[1].EsSi();
  for (const FilaResultado& f : FilasResultados()) {
    QString rotulo = QString::fromUtf8(Campo(R, f.importe).significado).toHtmlEscaped();
    if (f.nivel < 2) rotulo = QStringLiteral("<b>%1</b>").arg(rotulo);
    rotulo = QString(f.nivel * 4, QChar(0x00A0)) + rotulo;
    // Sin desglose de los indirectos la hoja deja en blanco sus tres filas.
    const bool enBlanco = !desglosados && f.importe >= 11 && f.importe <= 13;
    html += Fila({rotulo, enBlanco ? QString() : Cifra(v.R[f.importe], 2),
                  enBlanco ? QString() : Cifra(v.R[f.porcentaje], 1)},
                 false, {1, 2});
  }
  return html + QStringLiteral("</table>\n");
}

QString TablasAyuda::CostesUnitarios(const Valores& v) const {
  QString html = AbrirTabla(
      {QStringLiteral("Dato"), QStringLiteral("Valor"), QStringLiteral("Unidad")}, {64, 22, 14});
  for (const int i : {49, 40, 41, 42, 43, 44, 45, 46, 47, 48}) {
    const DefinicionCampo& d = Campo(R, i);
    QString rotulo = QString::fromUtf8(d.significado).toHtmlEscaped();
    if (i == 49 || i == 40) rotulo += QStringLiteral(" (*)");
    html += Fila({rotulo, Cifra(v.R[i], d.decimales), QString::fromUtf8(d.unidad).toHtmlEscaped()},
                 false, {1});
  }
  return html + QStringLiteral("</table>\n");
}

std::optional<QString> TablasAyuda::Comparativa(QString& error) {
  std::vector<const Calculo*> clases;
  for (const QString& archivo : ArchivosClases()) {
    const Calculo* c = Clase(archivo, error);
    if (!c) return std::nullopt;
    clases.push_back(c);
  }
  QStringList cabecera{QStringLiteral("Dato")};
  for (const QString& archivo : ArchivosClases()) {
    QString rango = archivo;
    rango.remove(QStringLiteral("Autocar Estandar ")).remove(QStringLiteral(".clb"));
    rango.replace(QStringLiteral("mas "), QStringLiteral("más de "));
    cabecera << rango.toHtmlEscaped();
  }
  QString html = AbrirTabla(cabecera, {32, 17, 17, 17, 17});
  for (const FilaComparativa& f : kComparativa) {
    QStringList celdas{QString::fromUtf8(f.rotulo).toHtmlEscaped()};
    for (const Calculo* c : clases) {
      celdas << ValorCampo(c->ValoresO, f.grupo, f.indice);
    }
    html += Fila(celdas, f.grupo == R, {1, 2, 3, 4});
  }
  return html + QStringLiteral("</table>\n");
}

std::optional<QString> TablasAyuda::Generar(const QString& marca, const QString& argumento,
                                            QString& error) {
  if (marca == QLatin1String("campos")) {
    for (Grupo g : kGrupos) {
      if (argumento == QLatin1String(CodigoGrupo(g)) && g != R) return Campos(g);
    }
    error = QStringLiteral("grupo desconocido «%1»").arg(argumento);
    return std::nullopt;
  }
  if (marca == QLatin1String("comparativa")) return Comparativa(error);
  static const QStringList deClase = {QStringLiteral("nombre"), QStringLiteral("fecha"),
                                      QStringLiteral("supuestos"), QStringLiteral("costes"),
                                      QStringLiteral("unitarios")};
  if (!deClase.contains(marca)) {
    error = QStringLiteral("marca desconocida «%1»").arg(marca);
    return std::nullopt;
  }
  const Calculo* c = Clase(argumento, error);
  if (!c) return std::nullopt;
  if (marca == QLatin1String("nombre")) return ValorCampo(c->ValoresO, C, 1);
  if (marca == QLatin1String("fecha")) {
    return idioma_.toString(c->ValoresO.Fecha, QStringLiteral("d 'de' MMMM 'de' yyyy"));
  }
  if (marca == QLatin1String("supuestos")) return Supuestos(*c);
  if (marca == QLatin1String("costes")) return CostesAnuales(c->ValoresO);
  return CostesUnitarios(c->ValoresO);
}

}  // namespace dorvelna::ayuda
