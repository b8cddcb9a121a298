#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

namespace dorvelna::pruebas {

// Un libro .xlsx leído por openpyxl (tests/comun/leer_xlsx.py), como lo leería otro programa:
// {"titulo", "asunto", "avisos", "hojas": [{"nombre", "fijada", "anchos", "filas": [[{"valor",
// "negrita", "formato"}]]}]}. Vacío si no pudo leerse; en "error", lo que dijo python.
inline QJsonObject LeerXlsx(const QString& ruta, QString* error = nullptr) {
  QProcess python;
  python.start(QStringLiteral(DORVELNA_PYTHON), {QStringLiteral(DORVELNA_LEER_XLSX), ruta});
  const bool acabado = python.waitForFinished(60000);
  const QByteArray salida = python.readAllStandardOutput();
  if (error) *error = QString::fromUtf8(python.readAllStandardError());
  if (!acabado || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) return {};
  return QJsonDocument::fromJson(salida).object();
}

}  // namespace dorvelna::pruebas
