// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The DUT1 field of the sight form: used past the measured Earth rotation
// and said so, flagged where the measured one refutes it, refused outside
// −0,9 … +0,9 s with the text kept, and kept with the log.

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

#include "ChronometerDialogDriver.h"
#include "SightTabFixture.h"
#include "navfields/NumberField.h"

namespace tarvel {
namespace {

using SightDut1Test = SightTabFixture;

TEST_F(SightDut1Test, TypedPastTheSeriesFlaggedInsideItRefusedOutsideItsRange) {
  Enter(46, 40, 0);
  auto* dut1 = Get<TNumberField>("dsDut1");
  struct Case {
    QDate date;
    const char* typed;
    const char* line;     // the start of the time-of-record line; empty: refused
    const char* warning;  // a part of the warnings; empty: none about DUT1
  };
  const Case kCases[] = {
      {QDate(2026, 3, 20), "0,2", "DUT1 +0,2 с (введено)  ·  ошибка места от времени", ""},
      {QDate(2026, 3, 20), "-0,9", "DUT1 −0,9 с (введено)", ""},
      {QDate(2000, 3, 20), "-0,5", "DUT1 +0,", "расходится с измеренной"},  // about +0,3 s (IERS)
      {QDate(2026, 3, 20), "1,0", "", ""},
  };
  for (const Case& c : kCases) {
    Get<QDateEdit>("dpSight")->setDate(c.date);
    TypeInto(dut1, QString::fromUtf8(c.typed));
    const QString line = Text("lbTimeOfRecord");
    if (*c.line) {
      EXPECT_TRUE(Text("lbSightError").isEmpty()) << c.typed << " " << Text("lbSightError").toStdString();
      EXPECT_TRUE(line.startsWith(QString::fromUtf8(c.line))) << c.typed << " " << line.toStdString();
      const QString warning = *c.warning ? QString::fromUtf8(c.warning) : QStringLiteral("DUT1");
      EXPECT_EQ(Text("lbSightWarning").contains(warning), *c.warning != 0) << c.typed;
    } else {
      EXPECT_EQ(Text("lbSightError"), QStringLiteral("DUT1: допустимо от −0,9 до 0,9 с"));
      EXPECT_EQ(dut1->cleanText(), QString::fromUtf8(c.typed));  // kept as typed
      EXPECT_FALSE(Get<QPushButton>("btnAdd")->isEnabled());
    }
  }
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
