// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The navigation window's sight log: kept between windows through the data
// folder (a fresh one for each test, gui_test_main.cpp), opened, saved under
// a name, and a bad file never taken nor written over.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <memory>

#include "navfields/Fields.h"
#include "navigation/Navigation.h"
#include "navigation/SightLogKeeper.h"
#include "printing/SightLogPrint.h"
#include "sightlog/LogPlaces.h"
#include "sightlog/SightLogFile.h"
#include "sighttab/SightTab.h"
#include "widgets/ErrorReport.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace tarvel {
namespace {

TAlmanacInputs MainValues(Extended lat) {
  TAlmanacInputs in;
  in.Time.Zone = -2, in.Time.Hour = 19, in.Time.Day = 20, in.Time.Month = 3, in.Time.Year = 2025;
  in.Latitude = lat, in.Longitude = -(30 + 17 / 60.0L), in.StarNumber = 46;
  return in;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SightLogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousSink = SetErrorSink([this](const QString& message) { errors << message; });
    previousDialogs = SetLogDialogs({[this](QWidget*, const QString&, const QString&) { ++opened; return chosen; },
                                     [this](QWidget*, const QString&, const QString&, const QString&) { return chosen; },
                                     [this](QWidget*, const QString&) { ++questions; return agree; }});
  }
  void TearDown() override {
    window.reset();
    SetLogDialogs(previousDialogs);
    SetErrorSink(previousSink);
  }

  // A new window, as the main window makes it and then gives it its values.
  void Make(Extended mainLat = 44 + 55 / 60.0L) {
    window.reset();
    window = std::make_unique<TForm3>();
    window->Follow(MainValues(mainLat));
  }
  template <class T = QWidget>
  T* Get(const char* name) const {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  TSightTab* Tab() const { return window->findChild<TSightTab*>(); }
  void Trigger(const char* action) { Get<QAction>(action)->trigger(); }

  // A star at 19:mm in the form, its Hs the altitude at the assumed place.
  void AddStar(std::int32_t star, std::int32_t minute) {
    Get<QComboBox>("cbBody")->setCurrentIndex(2);
    Get<TSpinEdit>("seStar")->setValue(star);
    Get<QTimeEdit>("tpSight")->setTime(QTime(19, minute, 0));
    Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 31°14,5'"));
    Get<QPushButton>("btnAdd")->click();
  }
  void FillLog() {
    Get<QDoubleSpinBox>("dsCourse")->setValue(60);
    Get<QDoubleSpinBox>("dsSpeed")->setValue(12.5);
    Get<QDoubleSpinBox>("dsSightError")->setValue(2.5);
    Get<QDoubleSpinBox>("dsDriftRate")->setValue(1.5);
    Get<TMaskEdit>("meDrFi")->setMaskedText(QStringLiteral("Ш = 45°01,25'N"));
    AddStar(46, 40);
    AddStar(67, 46);
    AddStar(28, 52);
    auto* model = Get<QTableView>("Sights")->model();
    model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    // The chronometer correction, typed as the navigator does: kept too.
    auto* correction = Get<QDoubleSpinBox>("dsClockCorrection");
    correction->setFocus();
    correction->selectAll();
    QTest::keyClicks(correction, QStringLiteral("-12,5"));
    EXPECT_EQ(ReadSightLog(UnnamedLogPath()).ClockCorrection, -12.5L);
  }
  QStringList Shown() const {
    QStringList cells;
    auto* model = Get<QTableView>("Sights")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      for (int column = 0; column < model->columnCount(); ++column) cells << model->index(row, column).data().toString();
      cells << QString::number(model->index(row, 0).data(Qt::CheckStateRole).toInt());
    }
    for (const char* name : {"dsCourse", "dsSpeed", "dsSightError", "dsDriftRate", "dsClockCorrection"}) {
      cells << Get<QDoubleSpinBox>(name)->text();
    }
    cells << Get<TMaskEdit>("meDrFi")->maskedText() << Get<TMaskEdit>("meDrLam")->maskedText();
    return cells;
  }

  std::unique_ptr<TForm3> window;
  QStringList errors;
  ErrorSink previousSink;
  TLogDialogs previousDialogs;
  QString chosen;  // what the file dialogs answer
  bool agree = true;
  int questions = 0;
  int opened = 0;  // the open dialog shown
};

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
  newer.replace("\"version\": 1", "\"version\": 7");
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

}  // namespace
}  // namespace tarvel
