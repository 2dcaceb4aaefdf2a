// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Where the "Журнал" menu's file dialogs start: the log's folder, else the
// documents folder, else home, never a folder that is not there; the open
// dialog with an empty name box, a save dialog with a name made from the
// log's.

#include <gtest/gtest.h>

#include <QSet>

#include "sightlog/DialogStart.h"

namespace tarvel {
namespace {

TEST(DialogStart, TheLogsFolderElseDocumentsElseHome) {
  const QSet<QString> folders{QStringLiteral("/home/n"), QStringLiteral("/home/n/Документы"),
                              QStringLiteral("/mnt/флешка/рейс 12"), QStringLiteral("/data")};
  const auto make = [&](const char* documents) {
    return TDialogFolders{QString::fromUtf8(documents), QStringLiteral("/home/n"),
                          [&](const QString& path) { return folders.contains(path); }};
  };
  const struct {
    const char* log;        // "" while the log has no name
    const char* suffix;     // "" for the open dialog
    const char* documents;  // the documents folder, there or not
    const char* start;
  } cases[] = {
      // The open dialog: a folder alone, the name box empty.
      {"/mnt/флешка/рейс 12/вахта.json", "", "/home/n/Документы", "/mnt/флешка/рейс 12"},
      {"", "", "/home/n/Документы", "/home/n/Документы"},
      {"", "", "/home/n/Documents", "/home/n"},  // no documents folder: never a stray "Documents"
      {"/media/ушла/вахта.json", "", "/home/n/Документы", "/home/n/Документы"},  // its folder is gone
      {"/media/ушла/вахта.json", "", "", "/home/n"},
      // Save dialogs: a name from the log's.
      {"/mnt/флешка/рейс 12/вахта.json", "csv", "/home/n/Документы", "/mnt/флешка/рейс 12/вахта.csv"},
      {"/mnt/флешка/рейс 12/вахта.json", "pdf", "/home/n/Документы", "/mnt/флешка/рейс 12/вахта.pdf"},
      {"/mnt/флешка/рейс 12/вахта.json", "json", "/home/n/Документы", "/mnt/флешка/рейс 12/вахта.json"},
      {"/data/рейс.2026.JSON", "csv", "/home/n/Документы", "/data/рейс.2026.csv"},
      {"/data/вахта", "pdf", "/home/n/Документы", "/data/вахта.pdf"},
      {"/data/.json", "csv", "/home/n/Документы", "/data/журнал.csv"},
      {"", "json", "/home/n/Документы", "/home/n/Документы/журнал.json"},
      {"", "csv", "/home/n/Documents", "/home/n/журнал.csv"},
      {"/media/ушла/вахта.json", "pdf", "/home/n/Documents", "/home/n/вахта.pdf"},
      {"/data/../data/./вахта.json", "csv", "", "/data/вахта.csv"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.log) + " " + c.suffix + " " + c.documents);
    EXPECT_EQ(DialogStart(QString::fromUtf8(c.log), QString::fromUtf8(c.suffix), make(c.documents)).toStdString(),
              c.start);
  }
  // Not even home: the name alone, the dialog's own folder.
  const TDialogFolders none{QStringLiteral("/x"), QStringLiteral("/y"), [](const QString&) { return false; }};
  EXPECT_EQ(DialogStart(QString(), QStringLiteral("csv"), none), QStringLiteral("журнал.csv"));
  EXPECT_EQ(DialogStart(QString(), QString(), none), QString());
}

}  // namespace
}  // namespace tarvel
