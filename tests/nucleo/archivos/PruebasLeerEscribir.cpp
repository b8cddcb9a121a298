// Lectura y grabación de archivos: fallos de apertura, grabación que falla a medias,
// archivos del Calibrario.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "ClasesAutocar.h"
#include "PantallaGrabadora.h"
#include "comun/DispositivoQueFalla.h"
#include "comun/FifoVigilada.h"
#include "nucleo/archivos/ComponerArchivo.h"
#include "nucleo/archivos/EscribirArchivo.h"
#include "nucleo/archivos/LeerArchivo.h"

namespace dorvelna::pruebas {
namespace {

using pruebas::DispositivoQueFalla;

using pruebas::ClasesAutocar;

void Guardar(const QString& ruta, const QByteArray& bytes) {
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray Contenido(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no se pudo abrir)");
}

class Archivos : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    calculo.InicializarDatos();
  }
  QString Ruta(const QString& nombre) const { return dir.filePath(nombre); }
  // Un cálculo leído de la clase k, con su archivo en "nombre".
  void Abrir(int k, const QString& nombre) {
    const Valores& v = ClasesAutocar()[k].valores;
    Guardar(Ruta(nombre), ComponerArchivo(v, v));
    ASSERT_FALSE(LeerArchivo(calculo, Ruta(nombre)));
  }
  QTemporaryDir dir;
  pruebas::PantallaGrabadora pantalla;
  Calculo calculo{&pantalla};
};

TEST_F(Archivos, GrabarYLeerDevuelveLasMismasEntradas) {
  Abrir(0, "a.clb");
  // Cambios como los haría el usuario: el valor y después su Calcular.
  calculo.ValoresS.C[1] = Valor(QStringLiteral("Mío: «Señor» ‰ €"));
  calculo.ValoresS.C[9] = Valor(123456.0);
  calculo.Calcular(Formulario::Caracteristicas, Columna::S, 9);
  calculo.ValoresS.V[7] = Valor(31.7);
  calculo.CambiarModo(Seccion::Fiscales, Columna::S, false);
  ASSERT_TRUE(calculo.HayCambios());
  pantalla.avisos.clear();
  ASSERT_FALSE(EscribirArchivo(calculo, Ruta("b.dvn")));
  const QDate hoy = QDate::currentDate();
  EXPECT_FALSE(calculo.HayCambios());
  EXPECT_EQ(calculo.ValoresS.Fecha, hoy);
  EXPECT_EQ(calculo.ValoresGrabados.Fecha, hoy);
  EXPECT_EQ(pantalla.avisos, QStringList{"Grabada " + hoy.toString(Qt::ISODate)});

  Calculo otro;
  otro.InicializarDatos();
  ASSERT_FALSE(LeerArchivo(otro, Ruta("b.dvn")));
  for (Grupo g : kGruposArchivo) {
    for (int i : Entradas(g)) {
      EXPECT_EQ(otro.ValoresS(g, i), calculo.ValoresS(g, i)) << CodigoGrupo(g) << i;
      EXPECT_EQ(otro.ValoresO(g, i), calculo.ValoresO(g, i)) << CodigoGrupo(g) << i;
    }
  }
  EXPECT_EQ(otro.ValoresS.Fecha, hoy);
  EXPECT_EQ(otro.ValoresO.Fecha, QDate(2025, 7, 1));
  EXPECT_FALSE(otro.HayCambios());
}

TEST_F(Archivos, ValoresFueraDeLimitesSeCarganSinCambios) {
  Valores v = ClasesAutocar()[1].valores;
  v.C[2] = Valor(500.0);   // máximo 200
  v.C[4] = Valor(9.0);     // máximo 4
  v.F2[1] = Valor(-10.0);  // mínimo 0
  v.C[19] = Valor(0.0);    // mínimo 20
  Guardar(Ruta("fuera.dvn"), ComponerArchivo(v, v));
  ASSERT_FALSE(LeerArchivo(calculo, Ruta("fuera.dvn")));
  for (Columna c : {Columna::S, Columna::O}) {
    EXPECT_EQ(calculo.Registro(c).C[2], Valor(500.0));
    EXPECT_EQ(calculo.Registro(c).C[4], Valor(9.0));
    EXPECT_EQ(calculo.Registro(c).F2[1], Valor(-10.0));
    EXPECT_EQ(calculo.Registro(c).C[19], Valor(0.0));
  }
  EXPECT_FALSE(calculo.HayCambios());
}

TEST_F(Archivos, CadaFalloDeAperturaTieneSuClase) {
  Guardar(Ruta("suelto.txt"), "x");
  Guardar(Ruta("corto.dvn"), pruebas::Unir(pruebas::LineasClase(0).mid(0, 193)));
  QByteArrayList mal = pruebas::LineasClase(0);
  mal[150] = "\"texto donde va un número\"";  // ya en la columna O
  Guardar(Ruta("mal.dvn"), pruebas::Unir(mal));
  const std::pair<QString, FalloArchivo> casos[] = {
      {Ruta("no-esta.dvn"), FalloArchivo::NoEncontrado},
      {Ruta("no-hay/a.dvn"), FalloArchivo::CarpetaNoExiste},
      {Ruta("suelto.txt/a.dvn"), FalloArchivo::CarpetaNoExiste},
      {dir.path(), FalloArchivo::AccesoDenegado},
      {Ruta("a") + QChar(u'\0') + "b.dvn", FalloArchivo::NombreNoValido},
      {QString(), FalloArchivo::NombreNoValido},
      {Ruta(QString(300, QLatin1Char('n'))), FalloArchivo::NombreNoValido},
      {Ruta("corto.dvn"), FalloArchivo::ArchivoDanado},
      {Ruta("mal.dvn"), FalloArchivo::ArchivoDanado},
  };
  Abrir(2, "bueno.clb");
  const Calculo antes = calculo;
  pantalla.avisos.clear();
  for (const auto& [ruta, fallo] : casos) {
    EXPECT_EQ(LeerArchivo(calculo, ruta), fallo) << ruta.toStdString();
  }
  // Una lectura fallida no deja nada a medias ni presenta nada.
  EXPECT_EQ(calculo.ValoresS, antes.ValoresS);
  EXPECT_EQ(calculo.ValoresO, antes.ValoresO);
  EXPECT_EQ(calculo.ValoresGrabados, antes.ValoresGrabados);
  EXPECT_TRUE(pantalla.avisos.isEmpty());

  EXPECT_EQ(EscribirArchivo(calculo, Ruta("no-hay/a.dvn")), FalloArchivo::CarpetaNoExiste);
  EXPECT_EQ(EscribirArchivo(calculo, dir.path()), FalloArchivo::AccesoDenegado);
  EXPECT_EQ(EscribirArchivo(calculo, Ruta("a") + QChar(u'\0')), FalloArchivo::NombreNoValido);
  EXPECT_EQ(calculo.ValoresGrabados, antes.ValoresGrabados);
}

// Lo que no es un archivo normal no llega a abrirse: una FIFO dejaría esperando al programa
// y un dispositivo no acaba nunca.
TEST_F(Archivos, LoQueNoEsUnArchivoNormalNoSeAbre) {
  Abrir(2, "bueno.clb");
  const Calculo antes = calculo;
  pruebas::FifoVigilada fifo(Ruta("fifo.dvn"));
  ASSERT_TRUE(fifo.Creada());
  for (const QString& ruta : {Ruta("fifo.dvn"), QStringLiteral("/dev/zero"), dir.path()}) {
    EXPECT_EQ(LeerArchivo(calculo, ruta), FalloArchivo::AccesoDenegado) << ruta.toStdString();
  }
  EXPECT_EQ(EscribirArchivo(calculo, Ruta("fifo.dvn")), FalloArchivo::AccesoDenegado);
  EXPECT_FALSE(QFileInfo(Ruta("fifo.dvn")).isFile());
  EXPECT_FALSE(fifo.Abierta());
  EXPECT_EQ(calculo.ValoresS, antes.ValoresS);
  EXPECT_EQ(calculo.ValoresGrabados, antes.ValoresGrabados);
}

TEST_F(Archivos, GrabacionFallidaDejaElArchivoAnteriorIntacto) {
  Abrir(1, "viejo.dvn");
  const QByteArray viejo = Contenido(Ruta("viejo.dvn"));
  calculo.ValoresS.C[9] = Valor(99999.0);
  const Valores grabados = calculo.ValoresGrabados;
  pantalla.avisos.clear();
  for (qint64 n : {qint64(0), qint64(1), qint64(1000), qint64(viejo.size()) - 1}) {
    const auto fallo = EscribirArchivo(calculo, Ruta("viejo.dvn"), [n](QIODevice& temporal) {
      return std::make_unique<DispositivoQueFalla>(temporal, n);
    });
    EXPECT_EQ(fallo, FalloArchivo::ArchivoDanado) << n;
    EXPECT_EQ(Contenido(Ruta("viejo.dvn")), viejo) << n;
  }
  EXPECT_EQ(calculo.ValoresGrabados, grabados);
  EXPECT_EQ(calculo.ValoresS.Fecha, QDate(2025, 7, 1));
  EXPECT_TRUE(calculo.HayCambios());
  EXPECT_TRUE(pantalla.avisos.isEmpty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"viejo.dvn"});

  // El mismo intermediario, con sitio para todo, graba.
  ASSERT_FALSE(EscribirArchivo(calculo, Ruta("viejo.dvn"), [](QIODevice& temporal) {
    return std::make_unique<DispositivoQueFalla>(temporal, 1 << 20);
  }));
  EXPECT_NE(Contenido(Ruta("viejo.dvn")), viejo);
  EXPECT_FALSE(calculo.HayCambios());
}

// Un disco lleno de verdad: el sistema no deja crecer los archivos más allá de un límite, y
// Qt 6.4 sólo ve el error al vaciar el búfer al final. El límite y la señal vuelven a su
// estado al salir de la prueba.
class LimiteDeTamano {
public:
  explicit LimiteDeTamano(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &anterior_);
    senal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit nuevo = anterior_;
    nuevo.rlim_cur = std::min(bytes, anterior_.rlim_max);
    ok_ = setrlimit(RLIMIT_FSIZE, &nuevo) == 0;
  }
  ~LimiteDeTamano() {
    setrlimit(RLIMIT_FSIZE, &anterior_);
    std::signal(SIGXFSZ, senal_);
  }
  bool Puesto() const { return ok_; }

private:
  rlimit anterior_{};
  void (*senal_)(int) = nullptr;
  bool ok_ = false;
};

TEST_F(Archivos, DiscoLlenoNoVaciaElArchivoAnterior) {
  Abrir(0, "viejo.dvn");
  const QByteArray viejo = Contenido(Ruta("viejo.dvn"));
  calculo.ValoresS.C[9] = Valor(99999.0);
  std::optional<FalloArchivo> fallo;
  {
    LimiteDeTamano limite(viejo.size() / 2);
    ASSERT_TRUE(limite.Puesto());
    fallo = EscribirArchivo(calculo, Ruta("viejo.dvn"));
  }
  EXPECT_EQ(fallo, FalloArchivo::ArchivoDanado);
  EXPECT_EQ(Contenido(Ruta("viejo.dvn")), viejo);
  EXPECT_EQ(calculo.ValoresS.Fecha, QDate(2025, 7, 1));
  EXPECT_TRUE(calculo.HayCambios());
}

TEST(Calibrario, LosArchivosSonLosDeLaTablaYSeCargan) {
  // Con DORVELNA_REGENERAR_CALIBRARIO se reescriben desde la tabla (y hay que volver a
  // construir para que se copien junto al programa).
  const bool regenerar = qEnvironmentVariableIsSet("DORVELNA_REGENERAR_CALIBRARIO");
  for (const auto& clase : ClasesAutocar()) {
    const QByteArray esperado = ComponerArchivo(clase.valores, clase.valores);
    const QString fuente = QStringLiteral(DORVELNA_CALIBRARIO_FUENTE "/") + clase.archivo;
    if (regenerar) Guardar(fuente, esperado);
    EXPECT_EQ(Contenido(fuente), esperado) << clase.archivo;
  }
  for (const auto& clase : ClasesAutocar()) {
    Calculo calculo;
    calculo.InicializarDatos();
    const QString copia = QStringLiteral(DORVELNA_BIN "/Calibrario/") + clase.archivo;
    ASSERT_FALSE(LeerArchivo(calculo, copia)) << clase.archivo;
    for (Grupo g : kGruposArchivo) {
      for (int i : Entradas(g)) EXPECT_EQ(calculo.ValoresO(g, i), clase.valores(g, i));
    }
    EXPECT_EQ(calculo.ValoresS.Fecha, QDate(2025, 7, 1));
    EXPECT_EQ(calculo.ValoresO.Fecha, QDate(2025, 7, 1));
    EXPECT_FALSE(calculo.HayCambios());
  }
  // Primera línea de la clase mayor, byte a byte: texto entre comillas en Windows-1252.
  EXPECT_TRUE(
      Contenido(QStringLiteral(DORVELNA_CALIBRARIO_FUENTE "/Autocar Estandar mas 55 plazas.clb"))
          .startsWith("\"Autocar est\xE1ndar de m\xE1s de 55 plazas\"\r\n61\r\n14.95\r\n"));
}

}  // namespace
}  // namespace dorvelna::pruebas
