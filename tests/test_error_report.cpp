// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "app/ErrorReport.h"

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

TEST_F(ErrorReportTest, AFailingSinkDoesNotEscape) {
  SetErrorSink([](const QString&) { throw std::runtime_error("sink broke"); });
  Guarded([] { throw std::runtime_error("x"); });
  SetErrorSink([this](const QString& m) { shown << m; });
  Guarded([] { throw std::runtime_error("y"); });
  EXPECT_EQ(shown, QStringList({"y"}));
}

}  // namespace
}  // namespace tarvel
