// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sightlog/DialogStart.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvel {

QString DialogStart(const QString& logPath, const QString& suffix, const TDialogFolders& folders) {
  const QFileInfo log(logPath);
  QString folder;
  for (const QString& candidate : {logPath.isEmpty() ? QString() : log.absolutePath(), folders.Documents, folders.Home}) {
    if (!candidate.isEmpty() && folders.IsFolder(QDir::cleanPath(candidate))) {
      folder = QDir::cleanPath(candidate);
      break;
    }
  }
  if (suffix.isEmpty()) return folder;
  const QString base = logPath.isEmpty() || log.completeBaseName().isEmpty() ? QStringLiteral("журнал")
                                                                              : log.completeBaseName();
  const QString name = base + u'.' + suffix;
  return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

QString DialogStart(const QString& logPath, const QString& suffix) {
  return DialogStart(logPath, suffix,
                     {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath(),
                      [](const QString& path) { return QFileInfo(path).isDir(); }});
}

}  // namespace tarvel
