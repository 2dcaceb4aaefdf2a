// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// An error that every tick of automatic time meets again is reported once,
// not once a second: again only when its text changes, after a tick that
// succeeds, or after the user changes an input. Automatic time stays on.
// The timer ticks every millisecond and the clock is the test's own, so no
// real second passes.

#include <QApplication>
#include <QTest>
#include <chrono>
#include <functional>

#include "MainWindowFixture.h"

namespace tarvel {
namespace {

const QDateTime kInRange(QDate(2024, 3, 20), QTime(1, 30, 0));
const QDateTime kAfterRange(QDate(2100, 1, 5), QTime(10, 0, 0));
const QDateTime kBeforeRange(QDate(1929, 12, 31), QTime(23, 0, 0));
const QString kExceeds = QStringLiteral("Date exceeds maximum of 31.12.2099");
const QString kLess = QStringLiteral("Date is less than minimum of 01.01.1930");
const QString kNotANumber = QStringLiteral("'5-' is not a valid integer value");

class RepeatedErrorTest : public MainWindowTest {
 protected:
  void Build() {
    now = kInRange;
    form = std::make_unique<TForm1>([this] {
      ++readings;
      return now;
    });
    Get<QTimer>("Timer1")->setInterval(1);
    Get<QCheckBox>("CheckBox1")->setChecked(true);
  }

  // Runs the event loop until `count` more ticks have read the clock.
  ::testing::AssertionResult Ticks(int count) {
    const long until = readings + count;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (readings < until) {
      if (std::chrono::steady_clock::now() > deadline) return ::testing::AssertionFailure() << "no tick in 10 s";
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return ::testing::AssertionSuccess();
  }

  struct Step {
    const char* what;
    std::function<void()> act;
    QStringList reported;  // every report so far
  };

  void Run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      step.act();
      ASSERT_TRUE(Ticks(5)) << step.what;
      EXPECT_EQ(errors, step.reported) << step.what;
      EXPECT_TRUE(Get<QCheckBox>("CheckBox1")->isChecked()) << step.what;
      EXPECT_TRUE(Get<QTimer>("Timer1")->isActive()) << step.what;
    }
  }

  long readings = 0;
};

TEST_F(RepeatedErrorTest, AClockOutOfRangeIsReportedOnceUntilSomethingChanges) {
  Build();
  auto* zone = Get<TSpinEdit>("seNCH");
  Run({
      {"clock after the range", [&] { now = kAfterRange; }, {kExceeds}},
      {"before it: another text", [&] { now = kBeforeRange; }, {kExceeds, kLess}},
      {"back in the range", [&] { now = kInRange; }, {kExceeds, kLess}},
      {"after a good tick", [&] { now = kAfterRange; }, {kExceeds, kLess, kExceeds}},
      {"the user changes the zone", [&] { zone->setValue(4); }, {kExceeds, kLess, kExceeds, kExceeds}},
      {"the same again, unchanged", [] {}, {kExceeds, kLess, kExceeds, kExceeds}},
  });
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), kInRange.date());  // the last date the picker took
}

TEST_F(RepeatedErrorTest, ASignLeftInAFieldIsReportedOnceUntilTheUserActs) {
  Build();
  EnterWorkedExample();
  Run({
      {"a sign after a digit",
       [&] {
         Fi()->setCursorPosition(5);
         QTest::keyClick(Fi(), '-');
       },
       {kNotANumber}},
      {"the user changes the zone", [&] { Get<TSpinEdit>("seNCH")->setValue(4); }, {kNotANumber, kNotANumber}},
      {"the field mended", [&] { QTest::keyClick(Fi(), Qt::Key_Backspace); }, {kNotANumber, kNotANumber}},
      {"the sign again", [&] { QTest::keyClick(Fi(), '-'); }, {kNotANumber, kNotANumber, kNotANumber}},
  });
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 5-°45,00'"));  // the user's text stays
}

TEST_F(RepeatedErrorTest, NoNewBoxAfterTheBoxIsDismissed) {
  Build();
  EnterWorkedExample();
  // A box is modal: ticks go on underneath the box of a key until the user
  // dismisses it, and then go on meeting the same error.
  SetErrorSink([this](const QString& message) {
    errors << message;
    EXPECT_TRUE(Ticks(5));
  });
  Fi()->setCursorPosition(5);
  QTest::keyClick(Fi(), '-');
  ASSERT_TRUE(Ticks(20));
  EXPECT_EQ(errors, QStringList({kNotANumber}));
}

}  // namespace
}  // namespace tarvel
