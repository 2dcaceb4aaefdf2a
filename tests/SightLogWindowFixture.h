// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The navigation window made as the main window makes it, in the data folder
// of the test (gui_test_main.cpp), with the sight log's dialogs and the
// error report replaced: what the dialogs were asked and where they started
// is recorded, and they answer as the test says.

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

#include "ChronometerDialogDriver.h"
#include "navfields/Fields.h"
#include "reports/ChronometerText.h"
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

inline TAlmanacInputs MainValues(Extended lat) {
  TAlmanacInputs in;
  in.Time.Zone = -2, in.Time.Hour = 19, in.Time.Day = 20, in.Time.Month = 3, in.Time.Year = 2025;
  in.Latitude = lat, in.Longitude = -(30 + 17 / 60.0L), in.StarNumber = 46;
  return in;
}

inline QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SightLogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousSink = SetErrorSink([this](const QString& message) { errors << message; });
    previousDialogs = SetLogDialogs({[this](QWidget*, const QString&, const QString&, const QString& start) {
                                       ++opened;
                                       started << start;
                                       return chosen;
                                     },
                                     [this](QWidget*, const QString&, const QString&, const QString& suggested) {
                                       started << suggested;
                                       return chosen;
                                     },
                                     [this](QWidget*, const QString&) { ++questions; return agree; },
                                     [this](QWidget*, const QString& question, const QString& first,
                                            const QString& second) {
                                       choices << question + u'|' + first + u'|' + second;
                                       return readOnly;
                                     }});
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
    Get<QDoubleSpinBox>("dsDut1")->setValue(-0.3);
    Get<TMaskEdit>("meDrFi")->setMaskedText(QStringLiteral("Ш = 45°01,25'N"));
    AddStar(46, 40);
    AddStar(67, 46);
    AddStar(28, 52);
    auto* model = Get<QTableView>("Sights")->model();
    model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    // A chronometer comparison, typed as the navigator does in its dialog:
    // kept too.
    EXPECT_TRUE(WithChronometerDialog(Get<QPushButton>("btnChronometer"), [](QDialog* dialog) {
      TypeInto(dialog->findChild<QDoubleSpinBox*>(QStringLiteral("dsComparisonError")), QStringLiteral("12,5"));
      dialog->findChild<QPushButton*>(QStringLiteral("btnAddComparison"))->click();
      dialog->findChild<QPushButton*>(QStringLiteral("btnChronometerOk"))->click();
    }));
    const TChronometerRecord kept = ReadSightLog(UnnamedLogPath()).Chronometer;
    ASSERT_EQ(kept.Comparisons.size(), 1u);
    EXPECT_EQ(kept.Comparisons[0].Correction, -12.5L);  // "спешит" 12,5 s
  }
  QStringList Shown() const {
    QStringList cells;
    auto* model = Get<QTableView>("Sights")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      for (int column = 0; column < model->columnCount(); ++column) cells << model->index(row, column).data().toString();
      cells << QString::number(model->index(row, 0).data(Qt::CheckStateRole).toInt());
    }
    for (const char* name : {"dsCourse", "dsSpeed", "dsSightError", "dsDriftRate", "dsDut1"}) {
      cells << Get<QDoubleSpinBox>(name)->text();
    }
    for (const TComparison& c : Tab()->Chronometer().Comparisons) {
      cells << QString::fromStdString(ComparisonTimeText(c) + " " + ComparisonErrorText(c));
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
  QStringList started;  // where each file dialog started: the open one's folder, a save one's name
  QStringList choices;  // the two-way questions asked: "question|first|second"
  bool readOnly = true;  // the answer to them: the first
};

}  // namespace tarvel
