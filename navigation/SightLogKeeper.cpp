// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navigation/SightLogKeeper.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <optional>

#include "reports/SightCsv.h"
#include "sighttab/SightTab.h"
#include "sightlog/LogPlaces.h"
#include "sightlog/SightLogFile.h"
#include "widgets/ErrorReport.h"

namespace tarvel {
namespace {

const QString kLogFilter = QStringLiteral("Журнал наблюдений (*.json);;Все файлы (*)");
const QString kCsvFilter = QStringLiteral("Таблица CSV (*.csv);;Все файлы (*)");

TLogDialogs DefaultDialogs() {
  return {[](QWidget* parent, const QString& caption, const QString& filter) {
            return QFileDialog::getOpenFileName(
                parent, caption, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
          },
          [](QWidget* parent, const QString& caption, const QString& filter, const QString& suggested) {
            return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
          },
          [](QWidget* parent, const QString& question) {
            return QMessageBox::question(parent, QStringLiteral("Журнал"), question) == QMessageBox::Yes;
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

bool TSightLogKeeper::Named() const { return !path_.isEmpty() && path_ != UnnamedLogPath(); }

void TSightLogKeeper::Restore() {
  const QString unnamed = UnnamedLogPath();
  QString path = LastLogPath();
  std::optional<TSightLog> log;
  std::string notice;
  if (path != unnamed) {
    if (!QFileInfo::exists(path)) {
      notice = "Журнал «" + Native(path) + "» не найден; открыт журнал без имени";
    } else {
      try {
        log = ReadSightLog(path);
      } catch (const ESightLogError& error) {
        notice = error.Message() + ". Файл оставлен как есть; открыт журнал без имени";
      }
    }
    if (!log) path = unnamed;
  }
  if (!log && QFileInfo::exists(unnamed)) {
    try {
      log = ReadSightLog(unnamed);
    } catch (const ESightLogError& error) {
      const QString aside = SetAside(unnamed);
      notice += (notice.empty() ? "" : ".\n") + error.Message() + ". Файл перенесён в «" + Native(aside) +
                "»; начат новый журнал";
    }
  }
  if (log) tab_->SetLog(*log);
  path_ = path;
  const std::optional<TSightLog> shown = tab_->Log();
  written_ = log && shown ? SightLogJson(*shown) : QByteArray();
  keeping_ = true;
  if (path != LastLogPath()) RememberLastLog(path);
  ShowTitle();
  if (!notice.empty()) throw ESightLogError(notice);
}

void TSightLogKeeper::Keep() {
  if (!keeping_) return;
  const std::optional<TSightLog> log = tab_->Log();
  if (!log) return;
  const QByteArray text = SightLogJson(*log);
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
  ShowTitle();
}

void TSightLogKeeper::Adopt(const QString& path) {
  path_ = path;
  const std::optional<TSightLog> log = tab_->Log();
  written_ = log ? SightLogJson(*log) : QByteArray();
  failed_ = false;
  RememberLastLog(path);
  ShowTitle();
}

bool TSightLogKeeper::MayReplace() const {
  // The log without a name lives only in the data folder: a new one takes
  // its place there.
  const QString unnamed = UnnamedLogPath();
  if (!QFileInfo::exists(unnamed)) return true;
  bool hasSights = true;
  try {
    hasSights = !ReadSightLog(unnamed).Sights.empty();
  } catch (const ESightLogError&) {
  }
  if (!hasSights) return true;
  return Dialogs().Confirm(window_, QStringLiteral("Журнал без имени («%1») хранит наблюдения и будет заменён новым. "
                                                   "Сохраните его сначала через «Сохранить как…», если он нужен. "
                                                   "Начать новый журнал?")
                                        .arg(QDir::toNativeSeparators(unnamed)));
}

void TSightLogKeeper::NewLog() {
  const std::optional<TSightLog> current = tab_->Log();
  if (!MayReplace()) return;
  TSightLog fresh;
  if (current) fresh.Reckoning = current->Reckoning;
  const QString unnamed = UnnamedLogPath();
  keeping_ = false;
  try {
    tab_->SetLog(fresh);
  } catch (...) {
    keeping_ = true;
    throw;
  }
  keeping_ = true;
  Adopt(unnamed);
  written_.clear();  // the new log replaces the unnamed one's file now
  Keep();
}

void TSightLogKeeper::OpenLog() {
  const QString path = Dialogs().OpenPath(window_, QStringLiteral("Открыть журнал"), kLogFilter);
  if (path.isEmpty()) return;
  // Read whole before anything is replaced: a bad file leaves the log as it is.
  const TSightLog log = ReadSightLog(path);
  keeping_ = false;
  try {
    tab_->SetLog(log);
  } catch (...) {
    keeping_ = true;
    throw;
  }
  keeping_ = true;
  Adopt(QFileInfo(path).absoluteFilePath());
}

void TSightLogKeeper::SaveLogAs() {
  const QString suggested = Named() ? path_
                                    : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                          QStringLiteral("/журнал.json");
  const QString path = Dialogs().SavePath(window_, QStringLiteral("Сохранить журнал как"), kLogFilter, suggested);
  if (path.isEmpty()) return;
  if (NewerLog(path)) {
    throw ESightLogError("Файл «" + Native(path) +
                         "» записан более новой программой; эта его не перезаписывает. Выберите другое имя");
  }
  const std::optional<TSightLog> log = tab_->Log();
  if (!log) throw ESightLogError("Журнал не сохранён: счисление ещё не задано");
  WriteSightLog(path, *log);
  Adopt(QFileInfo(path).absoluteFilePath());
}

void TSightLogKeeper::ExportCsv() {
  const QString base = Named() ? QFileInfo(path_).completeBaseName() : QStringLiteral("журнал");
  const QString suggested =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' + base + QStringLiteral(".csv");
  const QString path = Dialogs().SavePath(window_, QStringLiteral("Экспорт CSV"), kCsvFilter, suggested);
  if (path.isEmpty()) return;
  WriteFileAtomically(path, QByteArray::fromStdString(SightsCsv(tab_->Sights(), tab_->Fix())));
}

void TSightLogKeeper::PrintLog() { tab_->PrintClick(); }

void TSightLogKeeper::SaveLogPdf() { tab_->PdfClick(); }

void TSightLogKeeper::ShowTitle() {
  QString title = QStringLiteral("Навигация");
  if (Named()) title += QStringLiteral(" — ") + QFileInfo(path_).fileName();
  // The printed pages are headed by the log's file name too.
  tab_->SetLogTitle(Named() ? QFileInfo(path_).fileName() : QStringLiteral("Журнал наблюдений"));
  if (failed_) title += QStringLiteral(" (не сохранён)");
  window_->setWindowTitle(title);
}

}  // namespace tarvel
