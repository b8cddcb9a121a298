// dorvelna-calc de principio a fin, y las piezas de su salida.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "cli/SalidaCalculadora.h"
#include "comun/FifoVigilada.h"
#include "comun/LeerXlsx.h"

namespace dorvelna::pruebas {
namespace {

const QString kCalculadora = QStringLiteral(DORVELNA_BIN "/dorvelna-calc");

struct Ejecucion {
  int estado = -1;  // -1 si no acabó o la mató una señal
  QList<QByteArray> lineas;
  QByteArray error;
};

// "preparar" ajusta el proceso antes de arrancarlo.
Ejecucion Ejecutar(const QString& programa, const QStringList& argumentos,
                   const std::function<void(QProcess&)>& preparar = {}) {
  QProcess p;
  if (preparar) preparar(p);
  p.start(programa, argumentos);
  Ejecucion e;
  if (!p.waitForFinished(30000)) return e;
  e.estado = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  e.lineas = p.readAllStandardOutput().split('\n');
  if (!e.lineas.isEmpty() && e.lineas.last().isEmpty()) e.lineas.removeLast();
  e.error = p.readAllStandardError();
  return e;
}

Ejecucion Calcular(const QStringList& argumentos,
                   const std::function<void(QProcess&)>& preparar = {}) {
  return Ejecutar(kCalculadora, argumentos, preparar);
}

QString Clase(const char* nombre) {
  return QStringLiteral(DORVELNA_BIN "/Calibrario/Autocar Estandar %1 plazas.clb").arg(nombre);
}

// Valores calculados a mano a partir de la tabla de cada clase (Redondear a los decimales
// de cada campo, mitades lejos del cero). Para la clase "mas 55":
//   C(11) = 110000 * 82% = 90200 km facturados; C(16) = 2100 * 78% = 1638 h facturadas;
//   C(23) = (61 - 1) * 55% * (110000 * 85%) = 33 * 93500 = 3085500 viajeros-km.
//   R(1) amortización: neumáticos 2*480 + 4*460 + 2*440 = 3680, F1(22) = 336320,
//        F1(5) = 12% de 340000 = 40800; (336320 - 40800) / 12 + 9000 / 6 = 26126.67.
//   R(2) financiación: F1(7) = 80% de 340000 = 272000, i = 0.055, n = 6,
//        cuota = 272000 * i * 1.055^6 / (1.055^6 - 1) = 54448.6738;
//        (6 * cuota - 272000) / 12 = 4557.67.
//   R(3) = 42000; R(5) = 7240; R(6) = 1655; R(4) = 28.5 * 200 + 0.012 * 110000 = 7020.
//   R(7) carburante: V(6) = (1.45 - 0.06) / 1.21 = 1.1487603; 32 l/100 km * 110000 km =
//        35200 l (< 50000, la devolución se aplica a todos): 35200 * (1.1487603 - 0.049)
//        = 38711.56.
//   R(8) neumáticos: (2*480/120000 + 4*460/100000 + 2*440/150000) * 110000 = 3549.33.
//   R(9) = 0.085 * 110000 = 9350; R(10) = 2500; R(19) urea = 1300; R(17) = 13200.
//   R(14) = 26126.67 + 4557.67 + 42000 + 7240 + 1655 = 81579.34
//   R(15) = 38711.56 + 1300 + 3549.33 + 9350 + 7020 + 2500 = 62430.89
//   R(18) = 81579.34 + 62430.89 + 13200 = 157210.23
//   C1 = 157210.23 / 3085500 = 0.050951 -> 0.05095;  C2 = 62430.89 / 90200 -> 0.6921;
//   C3 = (81579.34 + 13200) / 1638 = 57.8628 -> 57.86; C4 = 157210.23 / 90200 -> 1.7429;
//   C5 = 157210.23 / 1638 = 95.9769 -> 95.98.
// Las otras tres, igual:
//   "39 a 55": km fact. 77900, h fact. 1560, vkm 54*55%*80750 = 2398275; R(1) = 20186.67,
//     R(2) = 3485.28, R(7) = 27550 l -> 30298.40, R(8) = 2292.67, R(9) = 7125;
//     R(14) = 72606.95, R(15) = 49656.07, R(18) = 134663.02.
//   "26 a 38": 64000 km, 1425 h, 34*55%*65600 = 1226720; R(1) = 15066.67, R(2) = 2546.93,
//     R(7) = 19200 l -> 21115.40, R(8) = 1832.73, R(9) = 5200; R(14) = 64108.60,
//     R(15) = 37108.13, R(18) = 112216.73.
//   "10 a 25": 52000 km, 1350 h, 21*50%*52000 = 546000; R(1) = 11318.67, R(2) = 1640.47,
//     R(7) = 11700 l -> 12867.20, R(8) = 1155.56, R(9) = 3575; R(14) = 55984.14,
//     R(15) = 25577.76, R(18) = 90361.90.
TEST(Calculadora, CostesDeLasCuatroClasesCalculadosAMano) {
  struct Esperado {
    const char* clase;
    double total, c1, c2, c3, c4, c5;
  };
  const Esperado casos[] = {
      {"mas 55", 157210.23, 0.05095, 0.6921, 57.86, 1.7429, 95.98},
      {"39 a 55", 134663.02, 0.05615, 0.6374, 54.49, 1.7287, 86.32},
      {"26 a 38", 112216.73, 0.09148, 0.5798, 52.71, 1.7534, 78.75},
      {"10 a 25", 90361.90, 0.16550, 0.4919, 47.99, 1.7377, 66.93},
  };
  QStringList archivos;
  for (const Esperado& e : casos) archivos << Clase(e.clase);
  const Ejecucion r = Calcular(archivos);
  ASSERT_EQ(r.estado, 0);
  ASSERT_EQ(r.lineas.size(), 4);
  for (int k = 0; k < 4; ++k) {
    const Esperado& e = casos[k];
    const QJsonObject o = QJsonDocument::fromJson(r.lineas[k]).object();
    EXPECT_EQ(o.value("archivo").toString(), archivos[k]);
    for (const char* columna : {"S", "O"}) {
      const QJsonArray R = o.value(columna).toObject().value("R").toArray();
      ASSERT_EQ(R.size(), 49);
      EXPECT_NEAR(R[17].toDouble(), e.total, 1e-6) << e.clase << columna;
      EXPECT_EQ(R[39].toDouble(), e.c1) << e.clase << columna;
      EXPECT_EQ(R[44].toDouble(), e.c2) << e.clase << columna;
      EXPECT_EQ(R[45].toDouble(), e.c3) << e.clase << columna;
      EXPECT_EQ(R[46].toDouble(), e.c4) << e.clase << columna;
      EXPECT_EQ(R[47].toDouble(), e.c5) << e.clase << columna;
    }
  }
}

TEST(Calculadora, FormaDeLaLineaJson) {
  const Ejecucion r = Calcular({"--json", Clase("10 a 25")});
  ASSERT_EQ(r.estado, 0);
  ASSERT_EQ(r.lineas.size(), 1);
  const QByteArray& l = r.lineas[0];
  // Miembros en su orden y arrays de su tamaño.
  qsizetype antes = -1;
  for (const char* m : {"\"archivo\"", "\"S\"", "\"C\"", "\"F1\"", "\"F2\"", "\"V\"", "\"I\"",
                        "\"R\"", "\"SS\"", "\"Fecha\"", "\"O\""}) {
    const qsizetype p = l.indexOf(m, antes + 1);
    EXPECT_GT(p, antes) << m;
    antes = p;
  }
  const QJsonObject s = QJsonDocument::fromJson(l).object().value("S").toObject();
  const std::pair<const char*, int> tamanos[] = {{"C", 24}, {"F1", 22}, {"F2", 30}, {"V", 21},
                                                 {"I", 5},  {"R", 49},  {"SS", 31}};
  for (const auto& [g, n] : tamanos) EXPECT_EQ(s.value(g).toArray().size(), n) << g;
  EXPECT_EQ(s.value("C").toArray()[0].toString(),
            QStringLiteral("Autocar estándar de 10 a 25 plazas"));
  EXPECT_EQ(s.value("F1").toArray()[0], QJsonValue(true));
  EXPECT_TRUE(s.value("SS").toArray()[4].isNull());  // servicio sin kilómetros ni horas
  EXPECT_EQ(s.value("Fecha").toString(), QStringLiteral("2025-07-01"));
  EXPECT_TRUE(l.contains("\"C\": [\"Autocar est\xC3\xA1ndar de 10 a 25 plazas\", 22, 8.1, 2, "));
}

TEST(Calculadora, FallosYErroresDeUso) {
  QTemporaryDir dir;
  QFile basura(dir.filePath("basura.dvn"));
  ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
  basura.write(QByteArray("\x00\xFF\"\r\n#TRUE#,,,\n", 14).repeated(50));
  basura.close();
  const Ejecucion r = Calcular({basura.fileName(), dir.filePath("falta.dvn"), Clase("26 a 38")});
  EXPECT_EQ(r.estado, 1);
  ASSERT_EQ(r.lineas.size(), 3);
  EXPECT_EQ(r.lineas[0], "{\"archivo\": \"" + basura.fileName().toUtf8() +
                             "\", \"error\": \"ArchivoDanado\", \"mensaje\": \"Archivo en mal "
                             "estado.\"}");
  const QJsonObject falta = QJsonDocument::fromJson(r.lineas[1]).object();
  EXPECT_EQ(falta.value("error").toString(), QStringLiteral("NoEncontrado"));
  EXPECT_EQ(falta.value("mensaje").toString(), QStringLiteral("Archivo no encontrado."));
  EXPECT_TRUE(QJsonDocument::fromJson(r.lineas[2]).object().contains("S"));

  const QString libro = dir.filePath("libro.xlsx"), calculo = dir.filePath("calculo.dvn");
  for (const QStringList& uso :
       {QStringList{}, QStringList{"--xml", Clase("26 a 38")},
        QStringList{"--json", "--csv", Clase("26 a 38")}, QStringList{"--xlsx"},
        QStringList{Clase("26 a 38"), "--xlsx"}, QStringList{"--xlsx", libro},
        QStringList{"--xlsx", libro, "--csv", Clase("26 a 38")},
        QStringList{"--xlsx", calculo, Clase("26 a 38")}}) {
    const Ejecucion u = Calcular(uso);
    EXPECT_EQ(u.estado, 2) << uso.join(' ').toStdString();
    EXPECT_TRUE(u.lineas.isEmpty());
  }
  EXPECT_FALSE(QFile::exists(libro));
  EXPECT_FALSE(QFile::exists(calculo));
}

TEST(Calculadora, LoQueNoEsUnArchivoNormalDaAccesoDenegado) {
  QTemporaryDir dir;
  pruebas::FifoVigilada fifo(dir.filePath("fifo.dvn"));
  ASSERT_TRUE(fifo.Creada());
  const Ejecucion r = Calcular({dir.filePath("fifo.dvn"), "/dev/zero", dir.path()});
  EXPECT_EQ(r.estado, 1);
  ASSERT_EQ(r.lineas.size(), 3);
  for (const QByteArray& linea : r.lineas) {
    const QJsonObject o = QJsonDocument::fromJson(linea).object();
    EXPECT_EQ(o.value("error").toString(), QStringLiteral("AccesoDenegado")) << linea.data();
    EXPECT_EQ(o.value("mensaje").toString(),
              QStringLiteral("Error de acceso a la ruta o al archivo."));
  }
  EXPECT_FALSE(fifo.Abierta());
}

// El nombre se toma con sus bytes tal cual, aunque no sea UTF-8; se muestra como puede.
TEST(Calculadora, NombreQueNoEsUtf8) {
  QTemporaryDir dir;
  QFile clase(Clase("10 a 25"));
  ASSERT_TRUE(clase.open(QIODevice::ReadOnly));
  const QByteArray contenido = clase.readAll();
  const QByteArray nombre = QFile::encodeName(dir.path()) + "/cl\xE9se.clb";
  const int fd = ::open(nombre.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0);
  const bool escrito = ::write(fd, contenido.constData(), contenido.size()) == contenido.size();
  ::close(fd);
  // QProcess pasa los argumentos en UTF-8: el byte suelto lo pone el intérprete de órdenes.
  const Ejecucion r =
      Ejecutar(QStringLiteral("/bin/sh"),
               {"-c", "exec \"$0\" \"$1/$(printf 'cl\\351se.clb')\"", kCalculadora, dir.path()});
  ::unlink(nombre.constData());  // QTemporaryDir no sabría borrarlo
  ASSERT_TRUE(escrito);
  ASSERT_EQ(r.estado, 0) << r.lineas.value(0).data();
  ASSERT_EQ(r.lineas.size(), 1);
  const QJsonObject o = QJsonDocument::fromJson(r.lineas[0]).object();
  EXPECT_EQ(o.value("archivo").toString(), dir.path() + QStringLiteral("/cl\uFFFDse.clb"));
  EXPECT_EQ(o.value("S").toObject().value("C").toArray()[0].toString(),
            QStringLiteral("Autocar estándar de 10 a 25 plazas"));
}

// Una salida que no admite lo escrito (disco lleno, tubería cerrada) se dice en una línea de
// error y acaba con estado 2, no con el 1 de un archivo dañado ni muerta por SIGPIPE.
TEST(Calculadora, SalidaQueNoPuedeEscribirse) {
  int tubo[2];
  ASSERT_EQ(::pipe(tubo), 0);
  ::close(tubo[0]);
  const int escritura = tubo[1];
  const QStringList clases = {Clase("mas 55"), Clase("39 a 55"), Clase("26 a 38"),
                              Clase("10 a 25")};
  const std::pair<const char*, std::function<void(QProcess&)>> casos[] = {
      {"/dev/full", [](QProcess& p) { p.setStandardOutputFile("/dev/full"); }},
      {"tubería cerrada",
       [escritura](QProcess& p) {
         p.setChildProcessModifier([escritura] {
           ::dup2(escritura, STDOUT_FILENO);
           ::signal(SIGPIPE, SIG_DFL);
         });
       }},
  };
  for (const auto& [nombre, preparar] : casos) {
    for (const QStringList& argumentos :
         {clases.mid(0, 1), clases, QStringList{"--csv"} + clases}) {
      const Ejecucion r = Calcular(argumentos, preparar);
      EXPECT_EQ(r.estado, 2) << nombre << argumentos.size();
      EXPECT_EQ(r.error.count('\n'), 1) << nombre << r.error.data();
      EXPECT_TRUE(r.error.startsWith("dorvelna-calc: no se pudo escribir la salida"))
          << nombre << r.error.data();
    }
  }
  ::close(escritura);
}

TEST(Calculadora, ResumenCsv) {
  const Ejecucion r = Calcular({"--csv", Clase("mas 55"), "con,coma.dvn"});
  EXPECT_EQ(r.estado, 1);
  ASSERT_EQ(r.lineas.size(), 3);
  EXPECT_TRUE(r.lineas[0].startsWith("archivo,S_CostesTotales,S_CostesDirectos,"));
  const QList<QByteArray> campos = r.lineas[1].split(',');
  ASSERT_EQ(campos.size(), 18);
  EXPECT_EQ(campos[4], "0.05095");
  EXPECT_EQ(campos[17], "");
  EXPECT_EQ(r.lineas[2], "\"con,coma.dvn\",,,,,,,,,,,,,,,,,NoEncontrado");
}

// El libro de la flota, leído por otro programa: una fila por archivo en el orden dado, con
// las cifras de la columna S que da --json, y el motivo en la última columna para el que no
// se pudo leer.
TEST(Calculadora, LibroDeLaFlota) {
  QTemporaryDir dir;
  const QString salida = dir.filePath("flota.xlsx");
  const QStringList archivos = {Clase("mas 55"), Clase("10 a 25"), dir.filePath("falta.dvn"),
                                Clase("26 a 38")};
  const Ejecucion r = Calcular(QStringList{"--xlsx", salida} + archivos);
  EXPECT_EQ(r.estado, 1);
  EXPECT_TRUE(r.lineas.isEmpty());
  EXPECT_TRUE(r.error.isEmpty()) << r.error.data();
  const Ejecucion json = Calcular(archivos);
  ASSERT_EQ(json.lineas.size(), 4);

  QString error;
  const QJsonObject libro = pruebas::LeerXlsx(salida, &error);
  ASSERT_FALSE(libro.isEmpty()) << error.toStdString();
  EXPECT_TRUE(libro["avisos"].toArray().isEmpty());
  EXPECT_EQ(libro["titulo"].toString(), QStringLiteral("Dorvelna — Flota"));
  EXPECT_FALSE(libro["asunto"].toString().isEmpty());
  ASSERT_EQ(libro["hojas"].toArray().size(), 1);
  const QJsonObject hoja = libro["hojas"][0].toObject();
  EXPECT_EQ(hoja["nombre"].toString(), QStringLiteral("Flota"));
  EXPECT_EQ(hoja["fijada"].toString(), QStringLiteral("A2"));
  const QJsonArray filas = hoja["filas"].toArray();
  ASSERT_EQ(filas.size(), 5);

  const QStringList cabecera =
      QStringLiteral(
          "Archivo|Descripción|Plazas|Kilómetros al año|Horas al año|"
          "Coste total (€/año)|Costes directos (€/año)|Costes indirectos (€/año)|"
          "C1 (€/viajero-km)|C2 (€/km)|C3 (€/hora)|C4 (€/km)|C5 (€/hora)|Error")
          .split('|');
  ASSERT_EQ(filas[0].toArray().size(), cabecera.size());
  const QJsonArray anchos = hoja["anchos"].toArray();
  for (int c = 0; c < cabecera.size(); ++c) {
    const QJsonObject celda = filas[0][c].toObject();
    EXPECT_EQ(celda["valor"].toString(), cabecera[c]);
    EXPECT_TRUE(celda["negrita"].toBool()) << c;
    // Cada columna cabe su texto más largo.
    for (const QJsonValue fila : filas) {
      const QJsonValue v = fila[c]["valor"];
      const double largo = v.isString() ? v.toString().size() : 0;
      EXPECT_GE(anchos[c].toDouble(), largo) << c;
    }
  }

  // La columna S de --json: C(1), C(2), C(9), C(14) y R de los costes y de C1 a C5.
  // libxlsxwriter escribe 16 cifras significativas, y --json las que hagan falta para volver
  // al mismo double (hasta 17): el libro guarda la misma cifra a la precisión de una hoja de
  // cálculo (112216.73 por 112216.73000000001).
  const std::pair<const char*, int> campos[] = {{"C", 1},  {"C", 2},  {"C", 9},  {"C", 14},
                                                {"R", 18}, {"R", 16}, {"R", 17}, {"R", 40},
                                                {"R", 45}, {"R", 46}, {"R", 47}, {"R", 48}};
  const char* formatos[] = {"General",    "#,##0",    "#,##0",      "#,##0",
                            "#,##0.00",   "#,##0.00", "#,##0.00",   "#,##0.00000",
                            "#,##0.0000", "#,##0.00", "#,##0.0000", "#,##0.00"};
  for (int k : {0, 1, 3}) {
    const QJsonArray fila = filas[k + 1].toArray();
    EXPECT_EQ(fila[0]["valor"].toString(), archivos[k]);
    const QJsonObject s = QJsonDocument::fromJson(json.lineas[k]).object()["S"].toObject();
    for (int c = 0; c < 12; ++c) {
      const auto& [grupo, i] = campos[c];
      const QJsonValue libro = fila[c + 1]["valor"], esperado = s[grupo].toArray()[i - 1];
      if (esperado.isDouble()) {
        EXPECT_NEAR(libro.toDouble(), esperado.toDouble(), 1e-15 * std::abs(esperado.toDouble()))
            << k << grupo << i;
      } else {
        EXPECT_EQ(libro, esperado) << k << grupo << i;
      }
      EXPECT_EQ(fila[c + 1]["formato"].toString(), formatos[c]) << k << grupo << i;
    }
    EXPECT_TRUE(fila[13]["valor"].isNull()) << k;
  }
  EXPECT_EQ(filas[2][8]["valor"].toDouble(), 0.1655);  // C1 de "10 a 25", no sólo igual a --json

  const QJsonArray falta = filas[3].toArray();
  EXPECT_EQ(falta[0]["valor"].toString(), archivos[2]);
  for (int c = 1; c < 13; ++c) EXPECT_TRUE(falta[c]["valor"].isNull()) << c;
  EXPECT_EQ(falta[13]["valor"].toString(), QStringLiteral("Archivo no encontrado."));
}

// Una salida que no se puede grabar acaba con estado 2 y una línea de error, sin dejar el
// libro ni un temporal, ni en su carpeta ni en la temporal, y con el libro anterior intacto.
TEST(Calculadora, LibroQueNoPuedeGrabarse) {
  QTemporaryDir dir, temporal;
  QFile viejo(dir.filePath("viejo.xlsx"));
  ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
  viejo.write("libro anterior");
  viejo.close();
  ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta.xlsx"));
  const auto contenido = [&] {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) +
           QDir(temporal.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  };
  const QStringList antes = contenido();
  const QStringList clases = {Clase("mas 55"), Clase("39 a 55"), Clase("26 a 38"),
                              Clase("10 a 25")};
  const auto conTemporal = [&](QProcess& p) {
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("TMPDIR", temporal.path());
    p.setProcessEnvironment(entorno);
  };
  const struct {
    const char* caso;
    QString salida;
    QString motivo;  // vacío: el del sistema
    std::function<void(QProcess&)> preparar;
  } casos[] = {
      {"carpeta que no existe", dir.filePath("no/hay.xlsx"),
       QStringLiteral("El subdirectorio no existe."), conTemporal},
      {"salida que es una carpeta", dir.filePath("carpeta.xlsx"),
       QStringLiteral("Error de acceso a la ruta o al archivo."), conTemporal},
      // Un disco lleno de verdad: el sistema no deja crecer los archivos más allá de 2 KiB.
      {"disco lleno", dir.filePath("viejo.xlsx"), QString(),
       [&](QProcess& p) {
         conTemporal(p);
         p.setChildProcessModifier([] {
           ::signal(SIGXFSZ, SIG_IGN);
           rlimit limite;
           ::getrlimit(RLIMIT_FSIZE, &limite);
           limite.rlim_cur = 2048;
           ::setrlimit(RLIMIT_FSIZE, &limite);
         });
       }},
  };
  for (const auto& c : casos) {
    const Ejecucion r = Calcular(QStringList{"--xlsx", c.salida} + clases, c.preparar);
    EXPECT_EQ(r.estado, 2) << c.caso;
    EXPECT_TRUE(r.lineas.isEmpty()) << c.caso;
    const QByteArray inicio = "dorvelna-calc: no se pudo escribir " + c.salida.toUtf8() + ": ";
    EXPECT_TRUE(r.error.startsWith(inicio)) << c.caso << r.error.data();
    EXPECT_EQ(r.error.count('\n'), 1) << c.caso << r.error.data();
    if (!c.motivo.isEmpty()) {
      EXPECT_EQ(r.error, inicio + c.motivo.toUtf8() + '\n') << c.caso;
    }
    EXPECT_EQ(contenido(), antes) << c.caso;
    EXPECT_TRUE(viejo.open(QIODevice::ReadOnly));
    EXPECT_EQ(viejo.readAll(), "libro anterior") << c.caso;
    viejo.close();
  }
  // Sin el límite, el mismo libro se graba encima del anterior.
  ASSERT_EQ(Calcular(QStringList{"--xlsx", viejo.fileName()} + clases, conTemporal).estado, 0);
  EXPECT_EQ(pruebas::LeerXlsx(viejo.fileName())["hojas"][0]["filas"].toArray().size(), 5);
  EXPECT_EQ(contenido(), antes);
}

// La calculadora sigue sin necesitar las bibliotecas de ventanas de Qt.
TEST(Calculadora, NoEnlazaConLasBibliotecasDeVentanas) {
  const Ejecucion r = Ejecutar(QStringLiteral("ldd"), {kCalculadora});
  ASSERT_EQ(r.estado, 0) << r.error.data();
  const QByteArray bibliotecas = r.lineas.join('\n');
  EXPECT_TRUE(bibliotecas.contains("libQt6Core.so")) << bibliotecas.data();
  EXPECT_TRUE(bibliotecas.contains("libxlsxwriter.so")) << bibliotecas.data();
  for (const char* ventanas : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport"}) {
    EXPECT_FALSE(bibliotecas.contains(ventanas)) << ventanas;
  }
}

TEST(Calculadora, CadenasJson) {
  EXPECT_EQ(CadenaJson(QStringLiteral("a\"b\\c\n\t\x01ñ€")),
            QByteArray("\"a\\\"b\\\\c\\n\\t\\u0001\xC3\xB1\xE2\x82\xAC\""));
  Calculo calculo;
  calculo.InicializarDatos();
  const QJsonObject o = QJsonDocument::fromJson(LineaJson("x", calculo)).object();
  EXPECT_TRUE(o.value("S").toObject().value("C").toArray()[10].isNull());
  EXPECT_TRUE(o.value("O").toObject().value("Fecha").isNull());
}

// Los números de la columna S del grupo R tal como los escribe --json, sin volver a leerlos.
QList<QByteArray> ResultadosS(const QByteArray& linea) {
  const qsizetype inicio = linea.indexOf("\"R\": [") + 6;
  return linea.mid(inicio, linea.indexOf(']', inicio) - inicio).split(',');
}

TEST(Calculadora, SensibilidadComoLaSalidaJson) {
  QTemporaryDir dir;
  const QString falta = dir.filePath("falta.dvn");
  const Ejecucion r = Calcular({"--sensibilidad", Clase("mas 55"), falta});
  const Ejecucion j = Calcular({"--json", Clase("mas 55"), falta});
  EXPECT_EQ(r.estado, 1);
  ASSERT_EQ(r.lineas.size(), 2);
  ASSERT_EQ(j.lineas.size(), 2);
  EXPECT_EQ(r.lineas[1], j.lineas[1]);  // el mismo objeto de error

  const QByteArray& l = r.lineas[0];
  qsizetype antes = -1;
  for (const char* m : {"{\"archivo\": ", ", \"variacion\": 10, \"base\": {\"CostesTotales\": ",
                        ", \"C1\": ", ", \"C2\": ", ", \"C3\": ", ", \"C4\": ", ", \"C5\": ",
                        "}, \"entradas\": [{\"campo\": \"C(9)\", \"nombre\": ", ", \"valor\": ",
                        ", \"menos\": {\"CostesTotales\": ", "}, \"mas\": {", "}}, {\"campo\": "}) {
    const qsizetype p = l.indexOf(m, antes + 1);
    EXPECT_GT(p, antes) << m;
    antes = p;
  }
  // La base, con los mismos números, escritos igual, que la columna S de --json.
  const QList<QByteArray> R = ResultadosS(j.lineas[0]);
  ASSERT_EQ(R.size(), 49);
  const std::pair<const char*, int> base[] = {
      {"CostesTotales", 18}, {"C1", 40}, {"C2", 45}, {"C3", 46}, {"C4", 47}, {"C5", 48}};
  for (const auto& [clave, k] : base) {
    EXPECT_TRUE(
        l.contains("\"" + QByteArray(clave) + "\": " + R[k - 1].trimmed() + (k == 48 ? "}" : ",")))
        << clave;
  }
  const QJsonObject o = QJsonDocument::fromJson(l).object();
  const QJsonArray entradas = o.value("entradas").toArray();
  ASSERT_EQ(entradas.size(), 12);
  const QJsonObject km = entradas[0].toObject();
  EXPECT_EQ(km.value("nombre").toString(),
            QStringLiteral("Kilómetros totales anuales recorridos por el autocar"));
  EXPECT_EQ(km.value("valor").toDouble(), 110000);

  // El caso "menos" de C(9) es lo que da --json con el archivo que recorre 99000 km.
  QFile clase(Clase("mas 55"));
  ASSERT_TRUE(clase.open(QIODevice::ReadOnly));
  QByteArray contenido = clase.readAll();
  contenido.replace("\r\n110000\r\n", "\r\n99000\r\n");
  QFile cambiado(dir.filePath("99000.dvn"));
  ASSERT_TRUE(cambiado.open(QIODevice::WriteOnly));
  cambiado.write(contenido);
  cambiado.close();
  const Ejecucion c = Calcular({cambiado.fileName()});
  ASSERT_EQ(c.lineas.size(), 1);
  const QList<QByteArray> Rc = ResultadosS(c.lineas[0]);
  const QJsonObject menos = km.value("menos").toObject();
  for (const auto& [clave, k] : base) {
    EXPECT_EQ(menos.value(clave).toDouble(), Rc[k - 1].trimmed().toDouble()) << clave;
  }
  EXPECT_NE(menos.value("CostesTotales").toDouble(), R[17].trimmed().toDouble());
}

TEST(Calculadora, VariacionDeLaSensibilidad) {
  const QString clase = Clase("10 a 25");
  for (const char* mal : {"--sensibilidad=0", "--sensibilidad=50.01", "--sensibilidad=-5",
                          "--sensibilidad=", "--sensibilidad=diez", "--sensibilidad=nan",
                          "--sensibilidad=inf", "--sensibilidad=10%", "--sensibilidad= 10"}) {
    const Ejecucion u = Calcular({mal, clase});
    EXPECT_EQ(u.estado, 2) << mal;
    EXPECT_TRUE(u.lineas.isEmpty()) << mal;
    EXPECT_TRUE(u.error.startsWith("dorvelna-calc: variación no válida")) << mal;
  }
  for (const char* otra : {"--csv", "--json"}) {
    EXPECT_EQ(Calcular({"--sensibilidad", otra, clase}).estado, 2) << otra;
  }
  for (const auto& [argumento, escrita] :
       {std::pair{"--sensibilidad=50", "50"}, {"--sensibilidad=0.5", "0.5"}}) {
    const Ejecucion r = Calcular({argumento, clase});
    EXPECT_EQ(r.estado, 0) << argumento;
    ASSERT_EQ(r.lineas.size(), 1);
    EXPECT_TRUE(r.lineas[0].contains(QByteArray(", \"variacion\": ") + escrita + ", "));
  }
}

}  // namespace
}  // namespace dorvelna::pruebas
