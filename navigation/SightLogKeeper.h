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
// with "(не сохранён)" while its last write failed. The log last opened, or
// last written with sights, by whichever copy of the program, is shown when
// the window is made (Restore).
//
// A file that cannot be opened is never written over:
// - "Открыть…" of a bad file reports why and leaves the log in use as it is;
// - at start, a named log that cannot be read is left untouched and the log
//   without a name is restored instead; an unnamed log that cannot be read
//   is first moved aside in the data folder ("journal-unreadable-….json")
//   and a new one begun; the report says which and where.
// A new or opened log replaces an unnamed one with sights only once the
// user agrees. "Новый" empties the list and sets the chronometer's
// correction to its default; the dead reckoning, the fix's accuracy and the
// observer's settings stay.
//
// The log in use is held with a lock (sightlog/LogLock.h) against a second
// copy of the program. A copy that finds its log held at start says the log
// is open in another window of the program and opens it read-only, or
// begins a new log without a name of its own ("journal-2.json", …), as the
// navigator chooses; "Открыть…" of a held log opens it read-only or leaves
// the log in use; "Сохранить как…" refuses a held file. A read-only log is
// never written, and the title says so. A lock left by a dead copy is taken
// over without a question.
//
// The file dialogs start in the log's folder, or else the documents folder,
// with a name made from the log's (sightlog/DialogStart.h).
//
// Every handler runs through Guarded (widgets/ErrorReport.h): the errors
// are the program's error report. The dialogs are QFileDialog and
// QMessageBox unless a test replaces them (SetLogDialogs).

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QMenu;
class QWidget;

namespace tarvel {

class TLogLock;
class TSightTab;

struct TLogDialogs {
  // A file to open, the dialog starting in the folder start, or empty when
  // the user cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& filter, const QString& start)>
      OpenPath;
  // A file to write, or empty when the user cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& filter, const QString& suggested)>
      SavePath;
  // Whether the user agrees.
  std::function<bool(QWidget* parent, const QString& question)> Confirm;
  // Which of two answers the user takes: true for the first; the second
  // when the question is closed.
  std::function<bool(QWidget* parent, const QString& question, const QString& first, const QString& second)> Choose;
};

// Replaces the dialogs of every keeper; returns the previous ones.
TLogDialogs SetLogDialogs(TLogDialogs dialogs);

class TSightLogKeeper : public QObject {
  Q_OBJECT

 public:
  // Adds the menu's actions; window's title is kept.
  TSightLogKeeper(TSightTab* tab, QWidget* window, QMenu* menu);
  ~TSightLogKeeper() override;

  // Shows the log last opened or written with sights, then keeps it.
  void Restore();

  // The file the log is written to, and whether it has a name of its own.
  const QString& Path() const { return path_; }
  bool Named() const;
  // Whether the log is shown read-only: another copy of the program holds it.
  bool ReadOnly() const { return readOnly_; }

  void NewLog();
  void OpenLog();
  void SaveLogAs();
  void ExportCsv();
  void PrintLog();
  void SaveLogPdf();

 private:
  void Keep();  // writes the log when it changed
  // The log's file from now on, held by lock; a null lock for the log in
  // use, not read-only, keeps the lock it has.
  void Adopt(const QString& path, std::unique_ptr<TLogLock> lock, bool readOnly);
  // An unnamed log no other copy holds, and its lock; with spare, one that
  // holds no sights.
  QString FreeUnnamed(std::unique_ptr<TLogLock>& lock, bool spare) const;
  bool MayReplace(const QString& path) const;  // an unnamed log with sights is replaced only when the user agrees
  QString NamedPath() const { return Named() ? path_ : QString(); }
  void ShowTitle();

  TSightTab* tab_;
  QWidget* window_;
  QString path_;
  std::unique_ptr<TLogLock> lock_;  // held while the log is not read-only
  QByteArray written_;     // the text last written, or read
  bool keeping_ = false;   // after Restore: changes are written
  bool failed_ = false;    // the last write failed
  bool readOnly_ = false;  // another copy holds the log: it is never written
  bool changed_ = false;   // a read-only log was changed here
};

}  // namespace tarvel
