// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <QTest>

#include "ZenithFault.h"
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
  if (!ZenithFaultsHere()) GTEST_SKIP() << kNoZenithHere;
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

TEST_F(MainWindowTest, SunInTheZenithIsReportedAndLeavesEveryLabelAsItWas) {
  if (!ZenithFaultsHere()) GTEST_SKIP() << kNoZenithHere;
  Create();
  EnterWorkedExample();
  Fi()->setMaskedText(QStringLiteral("Ш = 16°15,73'"));
  Lam()->setMaskedText(QStringLiteral("Д = 013°12,63'"));
  Get<QDateEdit>("DatePicker")->setDate(QDate(2000, 8, 7));
  Get<QTimeEdit>("TimePicker")->setTime(QTime(11, 12, 52));
  ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
  const QStringList before = ResultCaptions();
  const QString name = Caption("Label18");
  const QString letter = Caption("Label26");
  Get<QTimeEdit>("TimePicker")->setTime(QTime(11, 12, 53));
  EXPECT_EQ(errors, QStringList({QStringLiteral("Floating point division by zero")}));
  EXPECT_EQ(ResultCaptions(), before);
  EXPECT_EQ(Caption("Label18"), name);
  EXPECT_EQ(Caption("Label26"), letter);
  // The inputs stay as entered. A second later the Sun has moved a quarter
  // of a minute of arc from the zenith and everything is shown again.
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 16°15,73'"));
  EXPECT_EQ(Lam()->text(), QStringLiteral("Д = 013°12,63'"));
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(11, 12, 53));
  Get<QTimeEdit>("TimePicker")->setTime(QTime(11, 12, 54));
  EXPECT_EQ(errors.size(), 1);
  EXPECT_EQ(Caption("Label19"), QStringLiteral("89° 59,76'"));
}

TEST_F(MainWindowTest, SelectionLabelsAreRightEvenWhenTheRecalculationFails) {
  if (!ZenithFaultsHere()) GTEST_SKIP() << kNoZenithHere;
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
