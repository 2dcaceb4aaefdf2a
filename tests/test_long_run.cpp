// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Automatic time over a long run: every tick copies the clock into the
// pickers and recalculates, and the window neither grows in memory nor
// gathers objects. The clock advances one second at every reading and the
// timer is made to tick every millisecond, so no real time is needed.

#include <QApplication>
#include <QFile>
#include <QTest>
#include <chrono>

#include "MainWindowFixture.h"
#include "core/NumberPicture.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

constexpr int kWarmUpTicks = 100;
constexpr int kMeasuredTicks = 600;
constexpr long kAllowedGrowthKiB = 2048;

// Resident set size of this process in KiB, from the kernel's status file.
long ResidentKiB() {
  // The file reports no size, so it is read whole rather than to its end.
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return -1;
}

class LongRunTest : public MainWindowTest {
 protected:
  void TearDown() override {
    form.reset();  // before the clock and the counters it uses
    MainWindowTest::TearDown();
  }

  void Build(const QDateTime& start) {
    clock = start.addSecs(-1);  // the first reading gives the start
    form = std::make_unique<TForm1>([this] {
      ++clockReadings;
      clock = clock.addSecs(1);
      return clock;
    });
    clockReadings = 0;  // the reading at start-up is not a tick
  }

  // Runs the event loop until at least one more tick has read the clock.
  ::testing::AssertionResult NextTick() {
    const long before = clockReadings;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (clockReadings == before) {
      if (std::chrono::steady_clock::now() > deadline) return ::testing::AssertionFailure() << "no tick in 5 s";
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return ::testing::AssertionSuccess();
  }

  // Greenwich hour angle of Aries as Label1 shows it for the clock's instant.
  std::string AriesAt(const QDateTime& t) const {
    const TSunData sun = SunEphemeris(form->Zone(), t.time().hour(), t.time().minute(), t.time().second(),
                                      t.date().day(), t.date().month(), t.date().year());
    return AngleText(sun.GrAriesDeg, sun.GrAriesMin);
  }

  // All twelve result texts for the clock's instant and the window's place
  // and star, from the almanac model.
  QStringList ResultsAt(const QDateTime& t) const {
    TAlmanacInputs in;
    in.Time.Zone = form->Zone();
    in.Time.Hour = t.time().hour();
    in.Time.Minute = t.time().minute();
    in.Time.Second = t.time().second();
    in.Time.Day = t.date().day();
    in.Time.Month = t.date().month();
    in.Time.Year = t.date().year();
    in.Latitude = form->Latitude();
    in.Longitude = form->Longitude();
    in.StarNumber = form->StarNumber();
    return InLabelOrder(AlmanacTexts(ComputeAlmanac(in), in.Longitude));
  }

  QDateTime clock;
  long clockReadings = 0;
};

TEST_F(LongRunTest, EveryTickRecalculatesAndNothingGrows) {
  // Across midnight and into a new year during the warm-up.
  Build(QDateTime(QDate(2023, 12, 31), QTime(23, 58, 20)));
  Fi()->setMaskedText(QStringLiteral("Ш = 55°45,00'"));
  Lam()->setMaskedText(QStringLiteral("Д = 037°37,00'"));
  Get<TSpinEdit>("seNumStar")->setValue(46);
  form->show();
  QApplication::processEvents();

  auto* timer = Get<QTimer>("Timer1");
  auto* date = Get<QDateEdit>("DatePicker");
  auto* time = Get<QTimeEdit>("TimePicker");
  auto* label1 = Get<QLabel>("Label1");
  timer->setInterval(1);
  // A tick puts the clock into the pickers silently: a picker that notified
  // its handler would recalculate once more for each.
  int pickerSignals = 0;
  const QObject listener;
  QObject::connect(date, &QDateEdit::dateChanged, &listener, [&] { ++pickerSignals; });
  QObject::connect(time, &QTimeEdit::timeChanged, &listener, [&] { ++pickerSignals; });
  Get<QCheckBox>("CheckBox1")->setChecked(true);
  const long readingsAtStart = clockReadings;

  long residentAfterWarmUp = 0;
  qsizetype objectsAfterWarmUp = 0;
  qsizetype widgetsAfterWarmUp = 0;
  QString previous = label1->text();
  int changes = 0;
  int seen = 0;  // ticks looked at; two quick ticks may pass as one
  while (clockReadings - readingsAtStart < kWarmUpTicks + kMeasuredTicks) {
    ASSERT_TRUE(NextTick());
    const long ticks = clockReadings - readingsAtStart;
    // Each tick puts the clock in the pickers and computes both bodies.
    ASSERT_EQ(pickerSignals, 0) << "tick " << ticks;
    ASSERT_EQ(date->date(), clock.date()) << "tick " << ticks;
    ASSERT_EQ(time->time(), clock.time()) << "tick " << ticks;
    ASSERT_EQ(label1->text().toStdString(), AriesAt(clock)) << "tick " << ticks;
    ASSERT_EQ(ResultCaptions(), ResultsAt(clock)) << "tick " << ticks;
    // Aries moves a quarter of a minute of arc every second.
    ++seen;
    if (label1->text() != previous) ++changes;
    previous = label1->text();
    if (objectsAfterWarmUp == 0 && ticks >= kWarmUpTicks) {
      residentAfterWarmUp = ResidentKiB();
      objectsAfterWarmUp = form->findChildren<QObject*>().size();
      widgetsAfterWarmUp = QApplication::allWidgets().size();
    }
  }
  const long ticks = clockReadings - readingsAtStart;
  const long resident = ResidentKiB();
  Get<QCheckBox>("CheckBox1")->setChecked(false);

  EXPECT_EQ(changes, seen);
  EXPECT_GE(date->date(), QDate(2024, 1, 1));
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QStringLiteral(" | ")).toStdString();
  ASSERT_GT(residentAfterWarmUp, 0);
#ifndef __SANITIZE_ADDRESS__
  // AddressSanitizer holds freed memory back on purpose, so resident memory
  // says nothing there; its leak check stands in for this one.
  EXPECT_LT(resident - residentAfterWarmUp, kAllowedGrowthKiB)
      << "VmRSS " << residentAfterWarmUp << " KiB after the warm-up, " << resident << " KiB at the end";
#endif
  EXPECT_EQ(form->findChildren<QObject*>().size(), objectsAfterWarmUp);
  EXPECT_EQ(QApplication::allWidgets().size(), widgetsAfterWarmUp);
  std::cout << "[ LONG RUN ] " << ticks << " ticks; VmRSS " << residentAfterWarmUp << " KiB after "
            << kWarmUpTicks << ", " << resident << " KiB at the end; " << objectsAfterWarmUp << " objects\n";
}

}  // namespace
}  // namespace tarvel
