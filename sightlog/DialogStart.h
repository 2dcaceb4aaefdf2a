// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Where the navigation window's file dialogs start: "Открыть…",
// "Сохранить как…", "Экспорт CSV…" and "PDF…" of its "Журнал" menu.
//
// They start in the folder of the log in use, or, when the log has no name
// of its own or its folder is gone, in the user's documents folder, or else
// the home folder: the first of them that is a folder. The open dialog is
// given the folder alone, so that its name box stays empty; a save dialog
// a file in that folder named after the log with the dialog's suffix
// ("вахта.json" → "вахта.csv", "вахта.pdf"), "журнал.<suffix>" for a log
// without a name. A path given as a folder that does not exist would be
// taken by the dialog as a name in the folder above (a stray "Documents");
// it is never given. Qt Core only; raises nothing.

#include <QString>
#include <functional>

namespace tarvel {

struct TDialogFolders {
  QString Documents;  // QStandardPaths::DocumentsLocation
  QString Home;       // QDir::homePath()
  std::function<bool(const QString& path)> IsFolder;
};

// logPath: the log's file, empty while the log has no name of its own;
// suffix: "json", "csv" or "pdf" for a save dialog, empty for the open one.
QString DialogStart(const QString& logPath, const QString& suffix, const TDialogFolders& folders);

// The same with the user's folders as they are on this machine.
QString DialogStart(const QString& logPath, const QString& suffix);

}  // namespace tarvel
