// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <QTest>

#include "MainWindowFixture.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

QString Name(int star) { return QString::fromStdString(StarTable(star).Name); }

TEST_F(MainWindowTest, StarNumberWrapsRoundTheCatalogue) {
  Create();
  EnterWorkedExample();
  auto* spin = Get<TSpinEdit>("seNumStar");
  spin->setValue(160);
  EXPECT_EQ(Caption("Label18"), Name(160));
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(spin->value(), 1);
  EXPECT_EQ(form->StarNumber(), 1);
  EXPECT_EQ(Caption("Label18"), Name(1));
  EXPECT_EQ(Caption("Label26"), QStringLiteral("α"));
  const QStringList star1 = ResultCaptions();
  QTest::keyClick(spin, Qt::Key_Down);
  EXPECT_EQ(spin->value(), 160);
  EXPECT_EQ(form->StarNumber(), 160);
  EXPECT_EQ(Caption("Label18"), QStringLiteral("М.Медведицы (Полярная)"));
  spin->setValue(1);
  EXPECT_EQ(ResultCaptions(), star1);  // the results are those of star 1
  spin->stepDown();
  EXPECT_EQ(spin->value(), 160);
}

TEST_F(MainWindowTest, ClickOnTheNameOrTheLetterSelectsTheNextStar) {
  Create();
  auto* spin = Get<TSpinEdit>("seNumStar");
  QTest::mouseClick(Get("Label18"), Qt::LeftButton);
  EXPECT_EQ(spin->value(), 2);
  EXPECT_EQ(Caption("Label18"), QStringLiteral("Кассиопеи (Кафф)"));
  EXPECT_EQ(Caption("Label26"), QStringLiteral("β"));
  QTest::mouseClick(Get("Label26"), Qt::LeftButton);
  EXPECT_EQ(spin->value(), 3);
  EXPECT_EQ(Caption("Label26"), QStringLiteral("γ"));
  spin->setValue(160);
  QTest::mouseClick(Get("Label18"), Qt::LeftButton);
  EXPECT_EQ(spin->value(), 1);
  EXPECT_EQ(form->StarNumber(), 1);
  spin->setValue(160);
  QTest::mouseClick(Get("Label26"), Qt::LeftButton);
  EXPECT_EQ(form->StarNumber(), 1);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, EveryStarShowsItsGreekLetter) {
  Create();
  const QString greek = QStringLiteral("αβγδεζηθιλμοπρστυχ");
  for (int star = 1; star <= 160; ++star) {
    Get<TSpinEdit>("seNumStar")->setValue(star);
    const QString letter = Caption("Label26");
    EXPECT_EQ(letter.size(), 1) << star;
    EXPECT_TRUE(greek.contains(letter)) << star;
  }
  EXPECT_EQ(Get<QLabel>("Label26")->font().pixelSize(), 18);
  EXPECT_TRUE(Get<QLabel>("Label26")->font().bold());
  EXPECT_EQ(Get<QLabel>("Label26")->palette().color(QPalette::WindowText), QColor(255, 0, 255));
}

TEST_F(MainWindowTest, ZenithErrorLeavesEveryResultLabelAsItWas) {
  Create();
  EnterWorkedExample();
  EnterTheDayBeforeTheZenith();
  ASSERT_TRUE(errors.isEmpty());
  const QStringList before = ResultCaptions();
  Get<QDateEdit>("DatePicker")->setDate(kZenithDay);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("Floating point division by zero"));
  EXPECT_EQ(ResultCaptions(), before);
}

TEST_F(MainWindowTest, SelectionLabelsAreRightEvenWhenTheRecalculationFails) {
  Create();
  EnterWorkedExample();
  EnterTheDayBeforeTheZenith();
  const QStringList before = ResultCaptions();
  Get<QDateEdit>("DatePicker")->setDate(kZenithDay);  // from now on every star fails with the Sun
  ASSERT_EQ(errors.size(), 1);
  errors.clear();
  Get<TSpinEdit>("seNumStar")->setValue(46);
  EXPECT_EQ(Caption("Label18"), QStringLiteral("Большого Пса (Сириус)"));
  EXPECT_EQ(form->StarNumber(), 46);
  EXPECT_EQ(ResultCaptions(), before);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("Floating point division by zero"));
  // A wrap recalculates twice inside one event, and still reports once.
  errors.clear();
  Get<TSpinEdit>("seNumStar")->setValue(161);
  EXPECT_EQ(Caption("Label18"), Name(1));
  EXPECT_EQ(errors.size(), 1);
}

}  // namespace
}  // namespace tarvel
