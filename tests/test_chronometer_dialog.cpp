// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// "Хронометр…": comparisons typed and refused, the rate derived and typed,
// the record kept by the tab and its log, the line over the worksheet.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>

#include "ChronometerDialogDriver.h"
#include "SightTabFixture.h"
#include "core/TextToNumber.h"
#include "navfields/Fields.h"
#include "sighttab/ChronometerDialog.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"

namespace tarvel {
namespace {

template <class T = QWidget>
T* Child(QWidget* dialog, const char* name) {
  T* child = dialog->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// One comparison typed: date, time, zone, seconds and its sense.
void TypeComparison(QWidget* d, QDate date, QTime time, int zone, const char* seconds, bool fast) {
  Child<QDateEdit>(d, "dpComparison")->setDate(date);
  Child<QTimeEdit>(d, "tpComparison")->setTime(time);
  ShowZone(zone, Child<TSpinEdit>(d, "seComparisonZone"), Child<TSpeedButton>(d, "sbComparisonZone"));
  Child<QComboBox>(d, "cbComparisonSense")->setCurrentIndex(fast ? 0 : 1);
  TypeInto(Child<QDoubleSpinBox>(d, "dsComparisonError"), QString::fromUtf8(seconds));
  Child<QPushButton>(d, "btnAddComparison")->click();
}

QStringList Rows(QWidget* d) {
  auto* table = Child<QTableWidget>(d, "twComparisons");
  QStringList rows;
  for (int row = 0; row < table->rowCount(); ++row) {
    rows << table->item(row, 0)->text() + u'|' + table->item(row, 1)->text() + u'|' + table->item(row, 2)->text();
  }
  return rows;
}

QString Said(QWidget* d) { return Child<QLabel>(d, "lbChronometerError")->text(); }

TEST(ChronometerDialog, ComparisonsTypedRefusedAndTheRate) {
  TChronometerDialog d({}, TShipTime{3, 9, 0, 0, 8, 12, 2026});
  d.show();
  EXPECT_EQ(Child<QDateEdit>(&d, "dpComparison")->date(), QDate(2026, 12, 8));  // from the instant given
  EXPECT_LE(d.sizeHint().width(), 1366);
  EXPECT_LE(d.sizeHint().height(), 700);  // fits a 1366×768 screen with its panel
  TypeComparison(&d, QDate(2026, 12, 10), QTime(9, 0), 0, "2,2", true);
  TypeComparison(&d, QDate(2026, 12, 8), QTime(9, 0), 0, "3,4", true);  // an earlier one goes first
  EXPECT_EQ(Rows(&d), (QStringList{QStringLiteral("08.12.2026 09:00|0|спешит 3,4 с"),
                                   QStringLiteral("10.12.2026 09:00|0|спешит 2,2 с")}));
  // −3,4 → −2,2 in two days: +0,6 s a day.
  EXPECT_EQ(Child<QLabel>(&d, "lbDerivedRate")->text(), QStringLiteral("+0,6 с/сут"));
  EXPECT_EQ(d.Record().Comparisons[0].Correction, -3.4L);
  EXPECT_TRUE(Said(&d).isEmpty());

  const TChronometerRecord before = d.Record();
  const struct {
    const char* name;
    QTime time;
    int zone;
    const char* seconds;
    const char* said;
  } refused[] = {
      {"too many seconds", QTime(12, 0), 0, "4000", "Ошибка хронометра: допустимо от 0,0 до 3600,0 с"},
      {"no number", QTime(12, 0), 0, "", "Ошибка хронометра: введите число"},
      {"the instant of another, in another zone", QTime(12, 0), 3, "1", "Сравнение в этот момент уже записано"},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.name);
    TypeComparison(&d, QDate(2026, 12, 10), r.time, r.zone, r.seconds, false);
    EXPECT_EQ(Said(&d), QString::fromUtf8(r.said));
    EXPECT_EQ(d.Record().Comparisons.size(), before.Comparisons.size());
    EXPECT_TRUE(Child<QDoubleSpinBox>(&d, "dsComparisonError")->text().startsWith(QString::fromUtf8(r.seconds)));
  }
  // A rate typed out of its range keeps the dialog open; in range, it is taken.
  Child<QRadioButton>(&d, "rbRateTyped")->click();
  auto* rate = Child<QDoubleSpinBox>(&d, "dsRate");
  EXPECT_TRUE(rate->isEnabled());
  TypeInto(rate, QStringLiteral("61"));
  Child<QPushButton>(&d, "btnChronometerOk")->click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(Said(&d), QStringLiteral("Суточный ход: допустимо от −60,0 до 60,0 с/сут"));
  EXPECT_TRUE(rate->text().startsWith(QStringLiteral("61")));
  TypeInto(rate, QStringLiteral("-0,4"));
  Child<QPushButton>(&d, "btnChronometerOk")->click();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.Record().TypedRate, StrToFloat("-0,4"));
}

TEST(ChronometerDialog, ARecordShownRemovedFromAndItsRateFromTheComparisons) {
  const TChronometerRecord record{{{std::nullopt, -26.8L}, {TShipTime{-2, 9, 0, 0, 8, 12, 2026}, 0.6L}}, 1.5L};
  TChronometerDialog d(record, TShipTime{0, 0, 0, 0, 1, 1, 2026});
  EXPECT_EQ(Rows(&d), (QStringList{QStringLiteral("без даты||спешит 26,8 с"),
                                   QStringLiteral("08.12.2026 09:00|2 W|отстаёт 0,6 с")}));
  EXPECT_TRUE(Child<QRadioButton>(&d, "rbRateTyped")->isChecked());
  EXPECT_EQ(Child<QDoubleSpinBox>(&d, "dsRate")->cleanText(), QStringLiteral("1,5"));
  EXPECT_EQ(Child<QLabel>(&d, "lbDerivedRate")->text(), QStringLiteral("не задан"));  // one dated comparison
  Child<QTableWidget>(&d, "twComparisons")->selectRow(0);
  Child<QPushButton>(&d, "btnRemoveComparison")->click();
  Child<QRadioButton>(&d, "rbRateFromComparisons")->click();
  EXPECT_FALSE(Child<QDoubleSpinBox>(&d, "dsRate")->isEnabled());
  d.accept();
  ASSERT_EQ(d.Record().Comparisons.size(), 1u);
  EXPECT_EQ(d.Record().Comparisons[0].Correction, 0.6L);
  EXPECT_FALSE(d.Record().TypedRate);
}

// By keyboard: Delete in the table removes the comparison chosen, and Tab
// goes through the new comparison left to right.
TEST(ChronometerDialog, TheKeyboardGoesAsTheEyeReads) {
  const TChronometerRecord record{{{TShipTime{0, 9, 0, 0, 8, 12, 2026}, -3}, {TShipTime{0, 9, 0, 0, 10, 12, 2026}, -4.2L}}, std::nullopt};
  TChronometerDialog d(record, TShipTime{0, 0, 0, 0, 1, 1, 2026});
  d.show();
  auto* table = Child<QTableWidget>(&d, "twComparisons");
  table->setFocus();
  table->selectRow(0);
  QTest::keyClick(table, Qt::Key_Delete);
  EXPECT_EQ(Rows(&d), QStringList{QStringLiteral("10.12.2026 09:00|0|спешит 4,2 с")});
  // The chain from the table, the controls that take the Tab key only.
  const QStringList order = {QStringLiteral("twComparisons"),    QStringLiteral("btnRemoveComparison"),
                             QStringLiteral("dpComparison"),     QStringLiteral("tpComparison"),
                             QStringLiteral("seComparisonZone"), QStringLiteral("cbComparisonSense"),
                             QStringLiteral("dsComparisonError"), QStringLiteral("btnAddComparison")};
  QStringList chain;
  QWidget* w = table;
  for (int guard = 0; guard < 200 && chain.size() < order.size(); ++guard, w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && order.contains(w->objectName())) chain << w->objectName();
  }
  EXPECT_EQ(chain, order);
}

// The tab: the dialog's record is the log's, and the line over the worksheet
// and the warning of more than 10 s follow the form's instant.
class ChronometerTabTest : public SightTabFixture {};

TEST_F(ChronometerTabTest, TheDialogFeedsTheLogAndTheWorksheetLine) {
  tab->show();
  int changes = 0;
  QObject::connect(tab.get(), &TSightTab::logChanged, [&] { ++changes; });
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 27°23,7'"));
  EXPECT_EQ(Text("lbChronometer"), QStringLiteral("сравнений нет"));  // beside "Хронометр…": the short line
  EXPECT_EQ(Get<QLabel>("lbChronometer")->toolTip(), QStringLiteral("Поправка хронометра: сравнений нет"));
  // The form stands at 20.03.2025 19:00 in zone 2 W (21:00 UT).
  ASSERT_TRUE(WithChronometerDialog(Get<QPushButton>("btnChronometer"), [](QDialog* d) {
    TypeComparison(d, QDate(2025, 3, 10), QTime(21, 0), 0, "3,0", false);
    Child<QRadioButton>(d, "rbRateTyped")->click();
    TypeInto(Child<QDoubleSpinBox>(d, "dsRate"), QStringLiteral("0,6"));
    Child<QPushButton>(d, "btnChronometerOk")->click();
  }));
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(tab->Chronometer().Comparisons.size(), 1u);
  EXPECT_EQ(tab->Log()->Chronometer.TypedRate, StrToFloat("0,6"));
  // Ten days on: 3,0 + 6,0 s; 6,0 s moved by the rate, no warning.
  EXPECT_EQ(Text("lbChronometer"), QStringLiteral("+9,0 с, ход +0,6 с/сут"));
  EXPECT_EQ(Get<QLabel>("lbChronometer")->toolTip(),
            QStringLiteral("Поправка хронометра +9,0 с (сравнение 10.03.2025 21:00, ход +0,6 с/сут)"));
  EXPECT_EQ(Text("lbSightWarning").indexOf(QStringLiteral("Ход хронометра")), -1);
  // Twenty days on: 12,0 s moved, flagged.
  Get<QDateEdit>("dpSight")->setDate(QDate(2025, 3, 30));
  EXPECT_EQ(Text("lbChronometer"), QStringLiteral("+15,0 с, ход +0,6 с/сут"));
  EXPECT_NE(Text("lbSightWarning").indexOf(QStringLiteral("Ход хронометра изменил поправку на +12,0 с")), -1)
      << Text("lbSightWarning").toStdString();
  // Cancelled, the dialog changes nothing.
  ASSERT_TRUE(WithChronometerDialog(Get<QPushButton>("btnChronometer"), [](QDialog* d) {
    TypeComparison(d, QDate(2025, 3, 12), QTime(21, 0), 0, "1,0", true);
    d->reject();
  }));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(tab->Chronometer().Comparisons.size(), 1u);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
