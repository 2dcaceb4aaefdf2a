// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "QtPrinters.h"
#include "widgets/ErrorReport.h"

namespace tarvel {
namespace {

class ErrorReportTest : public ::testing::Test {
 protected:
  void SetUp() override { previous = SetErrorSink([this](const QString& m) { shown << m; }); }
  void TearDown() override { SetErrorSink(previous); }
  QStringList shown;
  ErrorSink previous;
};

TEST_F(ErrorReportTest, ShowsTheTextOfWhatTheBodyThrows) {
  Guarded([] { throw std::runtime_error("Floating point overflow"); });
  Guarded([] {});
  Guarded([] { throw 42; });
  EXPECT_EQ(shown, QStringList({"Floating point overflow", "Unknown error"}));
}

TEST_F(ErrorReportTest, NestedHandlersGiveOneReportForTheEvent) {
  Guarded([] {
    Guarded([] { throw std::runtime_error("first"); });
    Guarded([] { throw std::runtime_error("second"); });
    throw std::runtime_error("third");
  });
  EXPECT_EQ(shown, QStringList({"first"}));
}

TEST_F(ErrorReportTest, NoSecondReportWhileOneIsOpen) {
  // A box is modal: events go on underneath it and may fail again.
  SetErrorSink([this](const QString& m) {
    shown << m;
    Guarded([] { throw std::runtime_error("again, from a timer tick"); });
  });
  Guarded([] { throw std::runtime_error("Date exceeds maximum of 31.12.2099"); });
  EXPECT_EQ(shown, QStringList({"Date exceeds maximum of 31.12.2099"}));
  Guarded([] { throw std::runtime_error("later"); });
  EXPECT_EQ(shown.size(), 2);
}

TEST_F(ErrorReportTest, ATickMeetingTheLastErrorAgainStaysSilent) {
  const Occasion tick = Occasion::Tick, event = Occasion::Event;
  const struct { Occasion occasion; const char* error; bool reported; } runs[] = {
      {tick, "a", true},     {tick, "a", false},   {tick, "b", true},  // another text
      {tick, "b", false},    {tick, nullptr, false}, {tick, "b", true},  // after a good tick
      {event, "b", true},    {tick, "b", false},   // the user's events always report
      {event, nullptr, false}, {tick, "b", true},  // after a good event
      {tick, "a", true},     {tick, "b", true},    {event, "b", true},  {event, "b", true},
  };
  QStringList expected;
  for (const auto& r : runs) {
    Guarded([&] { if (r.error) throw std::runtime_error(r.error); }, r.occasion);
    if (r.reported) expected << r.error;
    EXPECT_EQ(shown, expected) << "run " << (&r - runs);
  }
  // A handler nested in a tick belongs to the tick.
  Guarded([] { Guarded([] { throw std::runtime_error("b"); }); }, tick);
  EXPECT_EQ(shown, expected);
  // A new sink has seen nothing yet.
  SetErrorSink([this](const QString& m) { shown << m; });
  Guarded([] { throw std::runtime_error("b"); }, tick);
  EXPECT_EQ(shown.size(), expected.size() + 1);
}

TEST_F(ErrorReportTest, AnErrorMetUnderAnOpenBoxIsReportedByTheNextTick) {
  // Ticks go on while the first box is open; what they meet is not shown then.
  SetErrorSink([this](const QString& m) {
    shown << m;
    if (shown.size() > 1) return;
    for (const char* e : {"a", "c"}) Guarded([e] { throw std::runtime_error(e); }, Occasion::Tick);
  });
  Guarded([] { throw std::runtime_error("a"); }, Occasion::Tick);
  EXPECT_EQ(shown, QStringList({"a"}));
  Guarded([] { throw std::runtime_error("c"); }, Occasion::Tick);
  EXPECT_EQ(shown, QStringList({"a", "c"}));
}

TEST_F(ErrorReportTest, AFailingSinkDoesNotEscape) {
  SetErrorSink([](const QString&) { throw std::runtime_error("sink broke"); });
  Guarded([] { throw std::runtime_error("x"); });
  SetErrorSink([this](const QString& m) { shown << m; });
  Guarded([] { throw std::runtime_error("y"); });
  EXPECT_EQ(shown, QStringList({"y"}));
}

}  // namespace
}  // namespace tarvel
