// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The navigation window's sight log: kept between windows through the data
// folder (a fresh one for each test, gui_test_main.cpp), opened, saved under
// a name, and a bad file never taken nor written over; where its dialogs
// start; the observer's settings kept with it.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "core/TextToNumber.h"

#include "SightLogWindowFixture.h"

namespace tarvel {
namespace {

TEST_F(SightLogWindowTest, TheLogComesBackInTheNextWindow) {
  Make();
  EXPECT_EQ(Get<QMenu>("LogMenu")->title(), QStringLiteral("Журнал"));
  EXPECT_EQ(Get<QAction>("actNewLog")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
  EXPECT_EQ(Get<QAction>("actOpenLog")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(Get<QAction>("actSaveLogAs")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  EXPECT_EQ(Get<QAction>("actPrintLog")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  EXPECT_EQ(Get<QAction>("actLogPdf")->text(), QStringLiteral("PDF…"));
  EXPECT_EQ(Tab()->PrintedLog().Title, QStringLiteral("Журнал наблюдений"));
  // The keys work with the menu closed.
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(opened, 1);
  FillLog();
  ASSERT_EQ(Tab()->Sights().size(), 3u);
  const QStringList before = Shown();
  const std::vector<TLoggedSight> sights = Tab()->Sights();
  ASSERT_TRUE(QFile::exists(UnnamedLogPath()));

  // The main window's values differ now: the kept reckoning is not replaced.
  Make(10);
  EXPECT_EQ(Shown(), before);
  ASSERT_EQ(Tab()->Sights().size(), 3u);
  for (std::size_t k = 0; k < sights.size(); ++k) {
    EXPECT_EQ(Tab()->Sights()[k].Sight.Hs, sights[k].Sight.Hs);
    EXPECT_EQ(Tab()->Sights()[k].Lat, sights[k].Lat);
    EXPECT_EQ(Tab()->Sights()[k].Reduction.Intercept, sights[k].Reduction.Intercept);
  }
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SightLogWindowTest, ABadFileIsNotOpenedAndTheLogStays) {
  Make();
  FillLog();
  const QStringList before = Shown();
  const QByteArray kept = Bytes(UnnamedLogPath());
  chosen = QDir(DataFolder()).filePath(QStringLiteral("чужой.json"));
  QFile bad(chosen);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("{\"format\": \"tarvel-sights\", \"version\": 1, \"sights\": [");
  bad.close();
  Trigger("actOpenLog");
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Журнал «") + QDir::toNativeSeparators(chosen) + "» не открыт: файл оборван"))
      << errors[0].toStdString();
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  AddStar(160, 30);  // still kept where it was
  EXPECT_NE(Bytes(UnnamedLogPath()), kept);
  EXPECT_EQ(ReadSightLog(UnnamedLogPath()).Sights.size(), 4u);
}

TEST_F(SightLogWindowTest, SavedUnderANameItsTitleAndTheNextStart) {
  Make();
  FillLog();
  chosen = QDir(DataFolder()).filePath(QStringLiteral("рейс.json"));
  Trigger("actSaveLogAs");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json"));
  EXPECT_EQ(Tab()->PrintedLog().Title, QStringLiteral("рейс.json"));  // heads the printed pages
  EXPECT_EQ(ReadSightLog(chosen).Sights.size(), 3u);
  AddStar(160, 30);  // kept in the named file from now on
  EXPECT_EQ(ReadSightLog(chosen).Sights.size(), 4u);
  const QStringList before = Shown();

  Make(10);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json"));
  EXPECT_EQ(Shown(), before);

  // "Новый": the unnamed log held sights, so the user is asked first.
  const QString named = chosen;
  agree = false;
  Trigger("actNewLog");
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(Tab()->Sights().size(), 4u);
  agree = true;
  Trigger("actNewLog");
  EXPECT_TRUE(Tab()->Sights().empty());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  EXPECT_EQ(ReadSightLog(named).Sights.size(), 4u);
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

  // Opened again by name.
  chosen = named;
  Trigger("actOpenLog");
  EXPECT_EQ(Shown(), before);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json"));
}

// Another copy of the program may have named its own log as the last one
// (a spare log begun beside this one): the log written last is the one the
// next start brings back.
TEST_F(SightLogWindowTest, TheLogWrittenLastIsTheOneTheNextStartOpens) {
  Make();
  FillLog();
  chosen = QDir(DataFolder()).filePath(QStringLiteral("вахта.json"));
  Trigger("actSaveLogAs");
  RememberLastLog(UnnamedLogPath(2));
  AddStar(160, 30);
  EXPECT_EQ(LastLogPath(), chosen);
  Make(10);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — вахта.json"));
  EXPECT_EQ(Tab()->Sights().size(), 4u);
}

TEST_F(SightLogWindowTest, AFailedWriteIsReportedAndShownInTheTitle) {
  Make();
  FillLog();
  chosen = QDir(DataFolder()).filePath(QStringLiteral("нет/такой/папки.json"));
  Trigger("actSaveLogAs");
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Не удалось сохранить файл «") + QDir::toNativeSeparators(chosen)));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));

  // The named log's folder goes away: the next change cannot be kept.
  ASSERT_TRUE(QDir(DataFolder()).mkdir(QStringLiteral("рейсы")));
  chosen = QDir(DataFolder()).filePath(QStringLiteral("рейсы/рейс.json"));
  Trigger("actSaveLogAs");
  ASSERT_TRUE(QDir(QDir(DataFolder()).filePath(QStringLiteral("рейсы"))).removeRecursively());
  AddStar(160, 30);
  ASSERT_EQ(errors.size(), 2);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json (не сохранён)"));
  ASSERT_TRUE(QDir(DataFolder()).mkdir(QStringLiteral("рейсы")));
  AddStar(67, 52);  // kept again once it can be
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация — рейс.json"));
  EXPECT_EQ(ReadSightLog(chosen).Sights.size(), 5u);
}

// A log that cannot be read at start is never written over.
TEST_F(SightLogWindowTest, AnUnreadableLogAtStartIsLeftAsItIs) {
  Make();
  FillLog();
  chosen = QDir(DataFolder()).filePath(QStringLiteral("рейс.json"));
  Trigger("actSaveLogAs");
  window.reset();
  // A later program wrote it.
  QByteArray newer = Bytes(chosen);
  newer.replace("\"version\": 2", "\"version\": 7");
  QFile file(chosen);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(newer);
  file.close();

  Make();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(QStringLiteral("файл версии 7 записан более новой программой")));
  EXPECT_TRUE(errors[0].contains(QStringLiteral("Файл оставлен как есть; открыт журнал без имени")));
  // The unnamed log of before the name was given is what comes back.
  EXPECT_EQ(Tab()->Sights().size(), 3u);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  AddStar(160, 30);
  EXPECT_EQ(Bytes(chosen), newer);
  // Nor is it taken by "Сохранить как…".
  Trigger("actSaveLogAs");
  EXPECT_EQ(errors.size(), 2);
  EXPECT_EQ(Bytes(chosen), newer);

  // An unnamed log that cannot be read is moved aside before a new one begins.
  window.reset();
  const QString unnamed = UnnamedLogPath();
  QFile broken(unnamed);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not a log");
  broken.close();
  Make();
  ASSERT_EQ(errors.size(), 3);
  EXPECT_TRUE(errors[2].contains(QStringLiteral("это не JSON"))) << errors[2].toStdString();
  const QStringList aside = QDir(DataFolder()).entryList({QStringLiteral("journal-unreadable-*.json")});
  ASSERT_EQ(aside.size(), 1);
  EXPECT_EQ(Bytes(QDir(DataFolder()).filePath(aside[0])), QByteArray("not a log"));
  EXPECT_TRUE(errors[2].contains(aside[0]));
  EXPECT_TRUE(Tab()->Sights().empty());
}

// "Открыть…", "Сохранить как…", "Экспорт CSV…" and "PDF…" start in the
// log's folder, else the documents folder; never in the data folder, never
// with a name in the open dialog's name box.
TEST_F(SightLogWindowTest, TheFileDialogsStartWhereTheLogIs) {
  Make();
  FillLog();
  const auto all = [this] {
    started.clear();
    for (const char* action : {"actOpenLog", "actSaveLogAs", "actExportCsv", "actLogPdf"}) Trigger(action);
  };
  all();  // every dialog cancelled
  ASSERT_EQ(started.size(), 4);
  const QString first = started[0];
  EXPECT_TRUE(QFileInfo(first).isDir()) << first.toStdString();
  EXPECT_NE(QDir::cleanPath(first), QDir::cleanPath(DataFolder()));
  EXPECT_EQ(started.mid(1), (QStringList{QDir(first).filePath(QStringLiteral("журнал.json")),
                                         QDir(first).filePath(QStringLiteral("журнал.csv")),
                                         QDir(first).filePath(QStringLiteral("журнал.pdf"))}));

  const QString folder = QDir(DataFolder()).filePath(QStringLiteral("рейс 12"));
  ASSERT_TRUE(QDir().mkpath(folder));
  chosen = QDir(folder).filePath(QStringLiteral("вахта.json"));
  Trigger("actSaveLogAs");
  chosen.clear();
  all();
  EXPECT_EQ(started, (QStringList{folder, QDir(folder).filePath(QStringLiteral("вахта.json")),
                                  QDir(folder).filePath(QStringLiteral("вахта.csv")),
                                  QDir(folder).filePath(QStringLiteral("вахта.pdf"))}));
  // What is chosen is written there.
  chosen = QDir(folder).filePath(QStringLiteral("вахта.csv"));
  Trigger("actExportCsv");
  EXPECT_TRUE(QFile::exists(chosen));
  chosen = QDir(folder).filePath(QStringLiteral("вахта.pdf"));
  Trigger("actLogPdf");
  EXPECT_TRUE(Bytes(chosen).startsWith("%PDF"));
  // The log's folder gone: the documents folder again.
  ASSERT_TRUE(QDir(folder).removeRecursively());
  chosen.clear();
  all();
  EXPECT_EQ(started[0], first);
  EXPECT_EQ(started[2], QDir(first).filePath(QStringLiteral("вахта.csv")));
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The observer's settings are kept with the log: the next window, a log
// opened and "Новый" show them; a refused value is not kept; an older log
// without them opens with the form's defaults.
TEST_F(SightLogWindowTest, TheObserversSettingsComeBackWithTheLog) {
  const char* names[] = {"dsIndex", "dsEye", "dsTemperature", "dsPressure", "dsSightError", "dsDriftRate"};
  const auto texts = [&] {
    QStringList shown;
    for (const char* name : names) shown << Get<QDoubleSpinBox>(name)->text();
    return shown;
  };
  const auto type = [&](const char* name, const char* text) {
    auto* field = Get<QDoubleSpinBox>(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::fromUtf8(text));
  };
  Make();
  // Shown, so that leaving a field ends its edit.
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const QStringList defaults = texts();
  type("dsEye", "15,5");
  type("dsIndex", "-1,5");
  type("dsTemperature", "-3,5");
  type("dsPressure", "985");
  type("dsSightError", "2,5");
  type("dsDriftRate", "1,5");
  const QStringList typed = texts();
  ASSERT_EQ(typed.size(), 6);
  for (int k = 0; k < 6; ++k) EXPECT_NE(typed[k], defaults[k]) << names[k];
  // Refused values: the log keeps the values from before, not those of the
  // half-typed texts ("22" of "2220").
  type("dsIndex", "2220");
  type("dsSightError", "0");
  type("dsEye", "");
  QTest::keyClick(Get<QDoubleSpinBox>("dsEye"), Qt::Key_Backspace);
  ASSERT_FALSE(Get<QLabel>("lbSightError")->text().isEmpty());

  Make(10);
  EXPECT_EQ(texts(), typed);
  AddStar(46, 40);
  EXPECT_EQ(Tab()->Sights()[0].Sight.EyeHeight, StrToFloat("15,5"));
  Trigger("actNewLog");
  EXPECT_TRUE(Tab()->Sights().empty());
  EXPECT_EQ(texts(), typed);

  // An older log: the file without the four fields of the form.
  QJsonObject root = QJsonDocument::fromJson(Bytes(UnnamedLogPath())).object();
  QJsonObject settings = root["settings"].toObject();
  for (const char* key : {"indexError", "eyeHeight", "temperature", "pressure"}) {
    ASSERT_TRUE(settings.contains(QLatin1String(key))) << key;
    settings.remove(QLatin1String(key));
  }
  root["settings"] = settings;
  chosen = QDir(DataFolder()).filePath(QStringLiteral("старый.json"));
  QFile older(chosen);
  ASSERT_TRUE(older.open(QIODevice::WriteOnly));
  older.write(QJsonDocument(root).toJson());
  older.close();
  Trigger("actOpenLog");
  EXPECT_EQ(texts().mid(0, 4), defaults.mid(0, 4));
  EXPECT_EQ(texts().mid(4), typed.mid(4));
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
}  // namespace tarvel
