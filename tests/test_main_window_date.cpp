// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The main window's date takes a month typed short, by name or number, as the
// navigation window's dates; the month stays after the field is left.

#include <QApplication>

#include "MainWindowFixture.h"

namespace tarvel {
namespace {

TEST_F(MainWindowTest, AMonthTypedShortIsTakenAndKept) {
  Create();
  form->show();
  form->activateWindow();
  ASSERT_TRUE(RunUntil([this] { return QApplication::activeWindow() == form.get(); }));
  auto* date = Get<QDateEdit>("DatePicker");
  // From 31 January 2024: a shorter month takes its last day.
  const struct { const char* keys; QDate date; } cases[] = {
      {"авг", {2024, 8, 31}}, {"ФЕВ", {2024, 2, 29}}, {"мая", {2024, 5, 31}},
      {"12", {2024, 12, 31}}, {"3", {2024, 3, 31}},   {"ноя", {2024, 11, 30}}};
  for (const auto& c : cases) {
    date->setDate(QDate(2024, 1, 31));
    date->setFocus();
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    for (const QChar k : QString::fromUtf8(c.keys)) {
      QTest::sendKeyEvent(QTest::Click, date, static_cast<Qt::Key>(k.toUpper().unicode()), QString(k), {});
    }
    EXPECT_EQ(date->date(), c.date) << c.keys;
    Fi()->setFocus();  // leaving the field keeps the month
    ASSERT_TRUE(RunUntil([&] { return !date->hasFocus(); }));
    EXPECT_EQ(date->date(), c.date) << c.keys;
  }
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
