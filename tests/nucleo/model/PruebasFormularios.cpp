// Tablas de los formularios y de las secciones con dos formas de introducir los datos.
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "nucleo/model/Catalogo.h"
#include "nucleo/model/Formularios.h"

namespace dorvelna::pruebas {
namespace {

using enum Grupo;

TEST(TablaFormularios, UnaFilaPorFormularioYSusTitulos) {
  std::set<Grupo> grupos;
  for (const DatosFormulario& d : Formularios()) {
    SCOPED_TRACE(d.nombre);
    EXPECT_EQ(&DatosDe(d.formulario), &d);
    EXPECT_EQ(FormularioDeGrupo(d.grupo), d.formulario);
    EXPECT_EQ(GrupoDeFormulario(d.formulario), d.grupo);
    EXPECT_TRUE(grupos.insert(d.grupo).second);
    EXPECT_EQ(std::string(d.nombre).rfind("frm", 0), 0u);
    for (const char* t : {d.titulo, d.rotulo, d.rotuloMenu}) EXPECT_STRNE(t, "");
    // Los de entrada son los de los grupos que guarda el archivo con sus dos columnas.
    EXPECT_EQ(d.entrada, d.grupo != R && d.grupo != SS);
  }
  EXPECT_EQ(grupos.size(), kGrupos.size());
  // El marco de los costes variables lleva un título más corto que su patilla, y el menú
  // nombra el servicio en singular.
  EXPECT_EQ(TituloFormulario(Formulario::CostesVariables),
            QStringLiteral("Carburante, Urea, Neumáticos, Reparaciones, ..."));
  EXPECT_EQ(RotuloFormulario(Formulario::CostesVariables),
            QStringLiteral("Carburante, Urea, Neumáticos, Reparaciones, Conservación y Peajes"));
  EXPECT_EQ(RotuloMenuFormulario(Formulario::Servicio),
            QStringLiteral("Coste de un servicio concreto"));
  EXPECT_STREQ(NombreFormulario(Formulario::CostesFijos2), "frmCostesFijos2");
}

TEST(TablaSecciones, CamposDeCadaSeccionCoherentesConElCatalogo) {
  std::set<char> letras;
  std::set<std::pair<Grupo, int>> usados;
  for (const DatosSeccion& s : Secciones()) {
    SCOPED_TRACE(std::string(1, s.letra));
    EXPECT_EQ(&DatosDe(s.seccion), &s);
    EXPECT_EQ(SeccionDeModo(s.grupo, s.modo), &s);
    EXPECT_TRUE(letras.insert(s.letra).second);
    EXPECT_EQ(QString::fromUtf8(s.ayuda).left(18), QStringLiteral("Elegir la forma de"));
    // El campo sí/no se guarda y su significado nombra las dos opciones de los botones.
    const DefinicionCampo& modo = Campo(s.grupo, s.modo);
    EXPECT_EQ(modo.tipo, Tipo::Logico);
    EXPECT_TRUE(EsEntrada(s.grupo, s.modo));
    const auto [uno, dos] = TextosOpciones(s);
    EXPECT_TRUE(QString::fromUtf8(modo.significado)
                    .endsWith(QStringLiteral("sí = \"%1\", no = \"%2\"").arg(uno, dos)));
    // El total se teclea sólo en "Total"; el coste anual de "Otra forma" es una entrada más.
    EXPECT_EQ(Campo(s.grupo, s.segunda).rol, s.desglose ? Rol::EntradaSiTotal : Rol::Entrada);
    // Ningún campo está en dos secciones ni es el sí/no de otra.
    for (int i : {s.modo, s.segunda}) EXPECT_TRUE(usados.insert({s.grupo, i}).second) << i;
    EXPECT_FALSE(s.primera.empty());
    for (int i : s.primera) {
      ASSERT_TRUE(i >= 1 && i <= TamanoGrupo(s.grupo)) << i;
      EXPECT_NE(Campo(s.grupo, i).tipo, Tipo::Logico) << i;
      EXPECT_TRUE(usados.insert({s.grupo, i}).second) << i;
      EXPECT_TRUE(EnPrimera(s, i));
    }
    EXPECT_FALSE(EnPrimera(s, s.segunda));
  }
  // Cada total que sólo se teclea en "Total" es el de una sección.
  for (Grupo g : kGruposArchivo) {
    for (int i = 1; i <= TamanoGrupo(g); ++i) {
      const DefinicionCampo& c = Campo(g, i);
      EXPECT_TRUE(c.rol != Rol::EntradaSiTotal || usados.count({g, i})) << i;
      EXPECT_TRUE(c.tipo == Tipo::Logico || !SeccionDeModo(g, i)) << i;
    }
  }
  // El desglose de los seguros se suma y se abre en este orden: 29 y 30 detrás de 17.
  const DatosSeccion& seguros = DatosDe(Seccion::Seguros);
  EXPECT_EQ(std::vector<int>(seguros.primera.begin(), seguros.primera.end()),
            (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 29, 30}));
  EXPECT_EQ(seguros.segunda, 18);
  EXPECT_EQ(DatosDe(Seccion::AdquisicionEquipos).segunda, 20);
  EXPECT_EQ(DatosDe(Seccion::Indirectos).letra, 'I');
  EXPECT_STREQ(DatosDe(Seccion::Dietas).ayuda,
               "Elegir la forma de introducir los costes anuales de dietas y plus de actividad");
}

}  // namespace
}  // namespace dorvelna::pruebas
