// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The navigation window's "Журнал" menu and the keeping of the sight log
// (reports/SightLog.h, sightlog/): "Новый", "Открыть…", "Сохранить как…",
// "Экспорт CSV…", "Печать…" and "PDF…" (the pages of sighttab/SightTabPrint).
//
// The log in use is written to its file after every change (logChanged),
// atomically; the log not saved under a name of its own is kept in the data
// folder (sightlog/LogPlaces.h). The window's title names the log's file,
// with "(не сохранён)" while its last write failed. The log in use when the
// program last ran is shown when the window is made (Restore).
//
// A file that cannot be opened is never written over:
// - "Открыть…" of a bad file reports why and leaves the log in use as it is;
// - at start, a named log that cannot be read is left untouched and the log
//   without a name is restored instead; an unnamed log that cannot be read
//   is first moved aside in the data folder ("journal-unreadable-….json")
//   and a new one begun; the report says which and where.
// A new or opened log replaces an unnamed one with sights only once the
// user agrees. "Новый" empties the list and sets the fix's accuracy and the
// chronometer's correction to their defaults; the dead reckoning stays.
//
// Every handler runs through Guarded (widgets/ErrorReport.h): the errors
// are the program's error report. The dialogs are QFileDialog and
// QMessageBox unless a test replaces them (SetLogDialogs).

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace tarvel {

class TSightTab;

struct TLogDialogs {
  // A file to open, or empty when the user cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& filter)> OpenPath;
  // A file to write, or empty when the user cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& filter, const QString& suggested)>
      SavePath;
  // Whether the user agrees.
  std::function<bool(QWidget* parent, const QString& question)> Confirm;
};

// Replaces the dialogs of every keeper; returns the previous ones.
TLogDialogs SetLogDialogs(TLogDialogs dialogs);

class TSightLogKeeper : public QObject {
  Q_OBJECT

 public:
  // Adds the menu's actions; window's title is kept.
  TSightLogKeeper(TSightTab* tab, QWidget* window, QMenu* menu);

  // Shows the log in use when the program last ran, then keeps it.
  void Restore();

  // The file the log is written to, and whether it has a name of its own.
  const QString& Path() const { return path_; }
  bool Named() const;

  void NewLog();
  void OpenLog();
  void SaveLogAs();
  void ExportCsv();
  void PrintLog();
  void SaveLogPdf();

 private:
  void Keep();                       // writes the log when it changed
  void Adopt(const QString& path);   // the log's file from now on
  bool MayReplace() const;           // an unnamed log with sights is replaced only when the user agrees
  void ShowTitle();

  TSightTab* tab_;
  QWidget* window_;
  QString path_;
  QByteArray written_;     // the text last written, or read
  bool keeping_ = false;   // after Restore: changes are written
  bool failed_ = false;    // the last write failed
};

}  // namespace tarvel
