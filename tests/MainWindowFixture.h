// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The real main window, offscreen, with a clock and an error report that the
// test controls.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "QtPrinters.h"

#include "almanac/Almanac.h"
#include "app/Main.h"
#include "widgets/ClickLabel.h"
#include "widgets/ErrorReport.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"

namespace tarvel {

// Thrown by MainWindowTest::Get after it has failed the test: the test ends
// there, and the suite goes on with the next one.
struct MissingControl : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousSink = SetErrorSink([this](const QString& message) { errors << message; });
  }
  void TearDown() override {
    form.reset();
    SetErrorSink(previousSink);
  }

  void Create(const QDateTime& clockTime = QDateTime(QDate(2024, 3, 20), QTime(1, 30, 0))) {
    now = clockTime;
    form = std::make_unique<TForm1>([this] {
      ++clockReadings;
      return now;
    });
  }

  // The window's control of that name and type. A missing one fails the test
  // and ends it, instead of handing the test a null pointer.
  template <class T = QWidget>
  T* Get(const char* name) const {
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
      const std::string what = std::string("the window has no ") + T::staticMetaObject.className() +
                               " named \"" + name + '"';
      ADD_FAILURE() << what;
      throw MissingControl(what);
    }
    return child;
  }

  // Runs the event loop until done() holds; fails after five seconds, a
  // deadline that only a stalled machine reaches.
  static ::testing::AssertionResult RunUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return ::testing::AssertionFailure() << "not within 5 s";
      QTest::qWait(1);
    }
    return ::testing::AssertionSuccess();
  }

  QString Caption(const char* name) const { return Get<QLabel>(name)->text(); }
  TMaskEdit* Fi() const { return Get<TMaskEdit>("meFi"); }
  TMaskEdit* Lam() const { return Get<TMaskEdit>("meLam"); }

  // The worked instant: 1 January 2000, 12:00:00 in zone 0, at 55°45' N 37°37' E.
  void EnterWorkedExample() {
    Get<QDateEdit>("DatePicker")->setDate(QDate(2000, 1, 1));
    Get<QTimeEdit>("TimePicker")->setTime(QTime(12, 0, 0));
    Get<TSpinEdit>("seNCH")->setValue(0);
    Fi()->setMaskedText(QStringLiteral("Ш = 55°45,00'"));
    Lam()->setMaskedText(QStringLiteral("Д = 037°37,00'"));
  }

  // The Sun stands exactly in the zenith of 16°15,73' N 013°12,63' E on
  // 7 August 2000 at 11:12:53 in zone 0, and its altitude divides by zero.
  // This enters all of it but the day, the 6th instead; setting the date to
  // kZenithDay then meets the fault.
  static inline const QDate kZenithDay{2000, 8, 7};
  void EnterTheDayBeforeTheZenith() {
    Get<QDateEdit>("DatePicker")->setDate(kZenithDay.addDays(-1));
    Get<QTimeEdit>("TimePicker")->setTime(QTime(11, 12, 53));
    Get<TSpinEdit>("seNCH")->setValue(0);
    Fi()->setMaskedText(QStringLiteral("Ш = 16°15,73'"));
    Lam()->setMaskedText(QStringLiteral("Д = 013°12,63'"));
    if (Get<TSpeedButton>("sbFi")->text() != QLatin1String("N")) Get<TSpeedButton>("sbFi")->click();
    if (Get<TSpeedButton>("sbLam")->text() != QLatin1String("E")) Get<TSpeedButton>("sbLam")->click();
  }

  QStringList ResultCaptions() const {
    QStringList texts;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label34", "Label11", "Label12",
                             "Label32", "Label19", "Label21", "Label23", "Label25"}) {
      texts << Caption(name);
    }
    return texts;
  }

  // The almanac model's texts in the order of ResultCaptions().
  static QStringList InLabelOrder(const TAlmanacTexts& x) {
    QStringList texts;
    for (const std::string* text : {&x.GrAries, &x.SunLha, &x.SunDec, &x.SemiDiameter, &x.SunRa, &x.StarDec,
                                    &x.StarLha, &x.StarSha, &x.SunAlt, &x.SunAz, &x.StarAlt, &x.StarAz}) {
      texts << QString::fromStdString(*text);
    }
    return texts;
  }

  QDateTime now;
  long clockReadings = 0;  // how often the window has read the clock
  std::unique_ptr<TForm1> form;
  QStringList errors;
  ErrorSink previousSink;
};

}  // namespace tarvel
