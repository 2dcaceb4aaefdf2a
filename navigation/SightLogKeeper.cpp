// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navigation/SightLogKeeper.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "reports/SightCsv.h"
#include "sighttab/SightTab.h"
#include "sightlog/DialogStart.h"
#include "sightlog/LogLock.h"
#include "sightlog/LogPlaces.h"
#include "sightlog/SightLogFile.h"
#include "widgets/ErrorReport.h"

namespace tarvel {
namespace {

const QString kLogFilter = QStringLiteral("Журнал наблюдений (*.json);;Все файлы (*)");
const QString kCsvFilter = QStringLiteral("Таблица CSV (*.csv);;Все файлы (*)");

TLogDialogs DefaultDialogs() {
  return {[](QWidget* parent, const QString& caption, const QString& filter, const QString& start) {
            return QFileDialog::getOpenFileName(parent, caption, start, filter);
          },
          [](QWidget* parent, const QString& caption, const QString& filter, const QString& suggested) {
            return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
          },
          [](QWidget* parent, const QString& question) {
            return QMessageBox::question(parent, QStringLiteral("Журнал"), question) == QMessageBox::Yes;
          },
          [](QWidget* parent, const QString& question, const QString& first, const QString& second) {
            QMessageBox box(QMessageBox::Question, QStringLiteral("Журнал"), question, QMessageBox::NoButton, parent);
            QPushButton* take = box.addButton(first, QMessageBox::AcceptRole);
            QPushButton* other = box.addButton(second, QMessageBox::RejectRole);
            box.setDefaultButton(take);
            box.setEscapeButton(other);
            box.exec();
            return box.clickedButton() == take;
          }};
}

TLogDialogs& Dialogs() {
  static TLogDialogs dialogs = DefaultDialogs();
  return dialogs;
}

std::string Native(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

// Whether the file holds a log of a version newer than this program's:
// such a file is never written over.
bool NewerLog(const QString& path) {
  try {
    ReadSightLog(path);
  } catch (const ENewerSightLog&) {
    return true;
  } catch (const ESightLogError&) {
  }
  return false;
}

QString HeldText(const QString& path) {
  return QStringLiteral("Журнал «%1» открыт в другом окне программы.").arg(QDir::toNativeSeparators(path));
}

const QString kReadOnly = QStringLiteral("Только чтение");

// Whether the file is a log without sights; a missing one is.
bool HoldsNoSights(const QString& path) {
  if (!QFileInfo::exists(path)) return true;
  try {
    return ReadSightLog(path).Sights.empty();
  } catch (const ESightLogError&) {
    return false;
  }
}

}  // namespace

TLogDialogs SetLogDialogs(TLogDialogs dialogs) {
  TLogDialogs previous = Dialogs();
  Dialogs() = std::move(dialogs);
  return previous;
}

TSightLogKeeper::TSightLogKeeper(TSightTab* tab, QWidget* window, QMenu* menu)
    : QObject(window), tab_(tab), window_(window) {
  const auto add = [&](const char* name, const QString& text, const QKeySequence& keys,
                       void (TSightLogKeeper::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  add("actNewLog", QStringLiteral("Новый"), QKeySequence(Qt::CTRL | Qt::Key_N), &TSightLogKeeper::NewLog);
  add("actOpenLog", QStringLiteral("Открыть…"), QKeySequence(Qt::CTRL | Qt::Key_O), &TSightLogKeeper::OpenLog);
  add("actSaveLogAs", QStringLiteral("Сохранить как…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
      &TSightLogKeeper::SaveLogAs);
  add("actExportCsv", QStringLiteral("Экспорт CSV…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
      &TSightLogKeeper::ExportCsv);
  menu->addSeparator();
  add("actPrintLog", QStringLiteral("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P), &TSightLogKeeper::PrintLog);
  add("actLogPdf", QStringLiteral("PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
      &TSightLogKeeper::SaveLogPdf);
  connect(tab_, &TSightTab::logChanged, this, [this] { Guarded([this] { Keep(); }); });
}

TSightLogKeeper::~TSightLogKeeper() = default;

bool TSightLogKeeper::Named() const { return !path_.isEmpty() && !IsUnnamedLog(path_); }

QString TSightLogKeeper::FreeUnnamed(std::unique_ptr<TLogLock>& lock, bool spare) const {
  for (int n = 1; n <= 99; ++n) {
    const QString path = UnnamedLogPath(n);
    auto held = std::make_unique<TLogLock>(path);
    if (held->State() == TLockState::HeldElsewhere || (spare && !HoldsNoSights(path))) continue;
    lock = std::move(held);
    return path;
  }
  throw ESightLogError("Все журналы без имени в «" + Native(DataFolder()) + "» открыты в других окнах программы");
}

void TSightLogKeeper::Restore() {
  std::string notice;
  const auto note = [&](const std::string& text) { notice += (notice.empty() ? "" : ".\n") + text; };
  QString path = LastLogPath();
  auto lock = std::make_unique<TLogLock>(path);
  std::optional<TSightLog> log;
  bool readOnly = false, spare = false;
  if (lock->State() == TLockState::HeldElsewhere) {
    lock.reset();
    readOnly = Dialogs().Choose(window_,
                                HeldText(path) + QStringLiteral(" Открыть его только для чтения (в файл ничего не "
                                                                "записывается) или начать свой новый журнал без имени?"),
                                kReadOnly, QStringLiteral("Новый журнал"));
    if (readOnly) {
      try {
        log = ReadSightLog(path);
      } catch (const ESightLogError& error) {
        note(error.Message() + ". Начат новый журнал без имени");
        readOnly = false;
      }
    }
    if (!readOnly) {
      path = FreeUnnamed(lock, true);
      spare = true;
    }
  } else if (!IsUnnamedLog(path)) {
    if (!QFileInfo::exists(path)) {
      note("Журнал «" + Native(path) + "» не найден; открыт журнал без имени");
    } else {
      try {
        log = ReadSightLog(path);
      } catch (const ESightLogError& error) {
        note(error.Message() + ". Файл оставлен как есть; открыт журнал без имени");
      }
    }
    if (!log) path = FreeUnnamed(lock, false);
  }
  if (!log && !readOnly && QFileInfo::exists(path)) {
    try {
      log = ReadSightLog(path);
    } catch (const ESightLogError& error) {
      const QString aside = SetAside(path);
      note(error.Message() + ". Файл перенесён в «" + Native(aside) + "»; начат новый журнал");
    }
  }
  if (log) tab_->SetLog(*log);
  path_ = path;
  lock_ = std::move(lock);
  readOnly_ = readOnly;
  const std::optional<TSightLog> shown = tab_->Log();
  written_ = log && shown ? SightLogJson(*shown) : QByteArray();
  keeping_ = true;
  if (!readOnly && !spare && path != LastLogPath()) RememberLastLog(path);
  ShowTitle();
  if (!notice.empty()) throw ESightLogError(notice);
}

void TSightLogKeeper::Keep() {
  if (!keeping_) return;
  const std::optional<TSightLog> log = tab_->Log();
  if (!log) return;
  const QByteArray text = SightLogJson(*log);
  if (readOnly_) {
    // Another copy keeps the file: what is changed here stays in the window.
    if (changed_ != (text != written_)) {
      changed_ = !changed_;
      ShowTitle();
    }
    return;
  }
  if (text == written_) return;
  try {
    WriteFileAtomically(path_, text);
  } catch (...) {
    failed_ = true;
    ShowTitle();
    throw;
  }
  written_ = text;
  failed_ = false;
  // The log last written with sights is the one to come back at the next
  // start, whichever copy of the program wrote it: a spare begun beside a log
  // held by another copy takes it only once it holds a sight.
  if (!log->Sights.empty() && path_ != LastLogPath()) RememberLastLog(path_);
  ShowTitle();
}

void TSightLogKeeper::Adopt(const QString& path, std::unique_ptr<TLogLock> lock, bool readOnly) {
  if (lock || readOnly || readOnly_ || path != path_) lock_ = std::move(lock);
  path_ = path;
  readOnly_ = readOnly;
  changed_ = false;
  const std::optional<TSightLog> log = tab_->Log();
  written_ = log ? SightLogJson(*log) : QByteArray();
  failed_ = false;
  if (!readOnly) RememberLastLog(path);
  ShowTitle();
}

bool TSightLogKeeper::MayReplace(const QString& path) const {
  // A log without a name lives only in the data folder: a new one takes its
  // place there.
  if (HoldsNoSights(path)) return true;
  return Dialogs().Confirm(window_, QStringLiteral("Журнал без имени («%1») хранит наблюдения и будет заменён новым. "
                                                   "Сохраните его сначала через «Сохранить как…», если он нужен. "
                                                   "Начать новый журнал?")
                                        .arg(QDir::toNativeSeparators(path)));
}

void TSightLogKeeper::NewLog() {
  const std::optional<TSightLog> current = tab_->Log();
  // The log without a name in use is replaced; otherwise one no other copy
  // holds.
  std::unique_ptr<TLogLock> lock;
  const QString target = IsUnnamedLog(path_) && !readOnly_ ? path_ : FreeUnnamed(lock, false);
  if (!MayReplace(target)) return;
  TSightLog fresh;
  if (current) {
    fresh.Reckoning = current->Reckoning;
    fresh.Settings = current->Settings;
    fresh.Observer = current->Observer;
  }
  keeping_ = false;
  try {
    tab_->SetLog(fresh);
  } catch (...) {
    keeping_ = true;
    throw;
  }
  keeping_ = true;
  Adopt(target, std::move(lock), false);
  written_.clear();  // the new log replaces the unnamed one's file now
  Keep();
}

void TSightLogKeeper::OpenLog() {
  const QString chosen = Dialogs().OpenPath(window_, QStringLiteral("Открыть журнал"), kLogFilter,
                                            DialogStart(NamedPath(), QString()));
  if (chosen.isEmpty()) return;
  const QString path = QFileInfo(chosen).absoluteFilePath();
  // Read whole before anything is replaced: a bad file leaves the log as it is.
  const TSightLog log = ReadSightLog(chosen);
  std::unique_ptr<TLogLock> lock;
  bool readOnly = false;
  if (path != path_ || readOnly_) {
    lock = std::make_unique<TLogLock>(path);
    if (lock->State() == TLockState::HeldElsewhere) {
      lock.reset();
      if (!Dialogs().Choose(window_, HeldText(path) + QStringLiteral(" Открыть его только для чтения?"), kReadOnly,
                            QStringLiteral("Отмена"))) {
        return;
      }
      readOnly = true;
    }
  }
  keeping_ = false;
  try {
    tab_->SetLog(log);
  } catch (...) {
    keeping_ = true;
    throw;
  }
  keeping_ = true;
  Adopt(path, std::move(lock), readOnly);
}

void TSightLogKeeper::SaveLogAs() {
  const QString chosen = Dialogs().SavePath(window_, QStringLiteral("Сохранить журнал как"), kLogFilter,
                                            DialogStart(NamedPath(), QStringLiteral("json")));
  if (chosen.isEmpty()) return;
  const QString path = QFileInfo(chosen).absoluteFilePath();
  if (NewerLog(path)) {
    throw ESightLogError("Файл «" + Native(path) +
                         "» записан более новой программой; эта его не перезаписывает. Выберите другое имя");
  }
  const std::optional<TSightLog> log = tab_->Log();
  if (!log) throw ESightLogError("Журнал не сохранён: счисление ещё не задано");
  std::unique_ptr<TLogLock> lock;
  if (path != path_ || readOnly_) {
    lock = std::make_unique<TLogLock>(path);
    if (lock->State() == TLockState::HeldElsewhere) {
      throw ESightLogError("Журнал «" + Native(path) +
                           "» открыт в другом окне программы; эта его не перезаписывает. Выберите другое имя");
    }
  }
  WriteSightLog(path, *log);
  Adopt(path, std::move(lock), false);
}

void TSightLogKeeper::ExportCsv() {
  const QString path = Dialogs().SavePath(window_, QStringLiteral("Экспорт CSV"), kCsvFilter,
                                          DialogStart(NamedPath(), QStringLiteral("csv")));
  if (path.isEmpty()) return;
  WriteFileAtomically(path, QByteArray::fromStdString(SightsCsv(tab_->Sights(), tab_->Fix(), tab_->Chronometer())));
}

void TSightLogKeeper::PrintLog() { tab_->PrintClick(); }

void TSightLogKeeper::SaveLogPdf() {
  const QString path = Dialogs().SavePath(window_, QStringLiteral("Журнал наблюдений в PDF"),
                                          QStringLiteral("PDF (*.pdf)"), DialogStart(NamedPath(), QStringLiteral("pdf")));
  if (!path.isEmpty()) tab_->SavePdf(path);
}

void TSightLogKeeper::ShowTitle() {
  QString title = QStringLiteral("Навигация");
  if (Named()) title += QStringLiteral(" — ") + QFileInfo(path_).fileName();
  // The printed pages are headed by the log's file name too.
  tab_->SetLogTitle(Named() ? QFileInfo(path_).fileName() : QStringLiteral("Журнал наблюдений"));
  if (readOnly_) {
    title += changed_ ? QStringLiteral(" (только чтение, изменения не записываются)") : QStringLiteral(" (только чтение)");
  } else if (failed_) {
    title += QStringLiteral(" (не сохранён)");
  }
  window_->setWindowTitle(title);
}

}  // namespace tarvel
