// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sightlog/LogPlaces.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "sightlog/SightLogFile.h"

namespace tarvel {
namespace {

QString NotePath() { return DataFolder() + QStringLiteral("/last-log"); }

QString MadeFolder() {
  const QString folder = DataFolder();
  if (!QDir().mkpath(folder)) {
    throw ESightLogError("Папку данных «" + QDir::toNativeSeparators(folder).toStdString() + "» нельзя создать");
  }
  return folder;
}

}  // namespace

QString DataFolder() {
  const QString chosen = qEnvironmentVariable("TARVEL_DATA_DIR");
  if (!chosen.isEmpty()) return chosen;
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString UnnamedLogPath() { return MadeFolder() + QStringLiteral("/journal.json"); }

QString UnnamedLogPath(int n) {
  if (n <= 1) return UnnamedLogPath();
  return MadeFolder() + QStringLiteral("/journal-%1.json").arg(n);
}

bool IsUnnamedLog(const QString& path) {
  const QFileInfo file(path);
  if (QDir::cleanPath(file.absolutePath()) != QDir::cleanPath(QFileInfo(DataFolder()).absoluteFilePath())) return false;
  static const QRegularExpression name(QStringLiteral("^journal(-([2-9]|[1-9][0-9]))?\\.json$"));
  return name.match(file.fileName()).hasMatch();
}

QString LastLogPath() {
  QFile note(NotePath());
  if (note.open(QIODevice::ReadOnly)) {
    const QString path = QString::fromUtf8(note.readAll()).trimmed();
    if (!path.isEmpty()) return path;
  }
  return UnnamedLogPath();
}

void RememberLastLog(const QString& path) {
  MadeFolder();
  WriteFileAtomically(NotePath(), path.toUtf8() + '\n');
}

QString SetAside(const QString& path) {
  const QString aside = DataFolder() + QStringLiteral("/journal-unreadable-") +
                        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                        QStringLiteral(".json");
  if (!QFile::rename(path, aside)) {
    throw ESightLogError("Журнал «" + QDir::toNativeSeparators(path).toStdString() +
                         "» нельзя переименовать в «" + QDir::toNativeSeparators(aside).toStdString() + "»");
  }
  return aside;
}

}  // namespace tarvel
