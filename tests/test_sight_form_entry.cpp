// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Entering sights by keyboard, offscreen: Return adds only when no pop-up
// takes it, a refused field stops the fix and is marked in the worksheet,
// each field's range is the reduction's, and a year out of range is kept and
// refused.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>

#include "SightTabFixture.h"
#include "ephemeris/Stars.h"
#include "fixpanel/FixPanel.h"
#include "fixpanel/PlottingSheet.h"
#include "navfields/NumberField.h"
#include "reports/SightSheet.h"
#include "sights/FixErrors.h"
#include "sights/SightErrors.h"
#include "sights/Sailing.h"
#include "sighttab/SightTab.h"
#include "widgets/ErrorReport.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace tarvel {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

class SightEntryTest : public SightTabFixture {
 protected:
  void SetUp() override {
    SightTabFixture::SetUp();
    tab->show();
    tab->activateWindow();
    ASSERT_TRUE(RunUntil([this] { return QApplication::activeWindow() == tab.get(); }));
  }
  int Rows() const { return Get<QTableView>("Sights")->model()->rowCount(); }
  QString SheetValue(int row) const { return Get<QTableWidget>("Worksheet")->item(row, 2)->text(); }
  // Keys with their texts, of either layout, the field's old text selected.
  static void Type(QWidget* field, const QString& keys, bool select = true) {
    field->setFocus();
    if (select) {
      if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
      if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
    }
    for (const QChar c : keys) {
      QTest::sendKeyEvent(QTest::Click, field, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), {});
    }
  }
  void Leave(QWidget* field) {
    Get("meFi")->setFocus();
    ASSERT_TRUE(RunUntil([&] { return !field->hasFocus(); }));
  }
  void AddRunningFix() {
    Get<QDoubleSpinBox>("dsCourse")->setValue(60);
    Get<QDoubleSpinBox>("dsSpeed")->setValue(12);
    const struct { int star, minute, second; } sights[] = {{160, 49, 30}, {46, 40, 12}, {67, 46, 5}, {28, 52, 0}};
    for (const auto& s : sights) {
      Enter(s.star, s.minute, s.second);
      Get<QPushButton>("btnAdd")->click();
    }
    ASSERT_TRUE(tab->Fix().Fix);
  }
};

// A Return that closes the body list or the star search's list chooses its
// item and adds nothing, through the widget or the window it is typed in; a
// Return in the star search chooses a star; a Return in a closed field adds.
TEST_F(SightEntryTest, AReturnThatClosesAPopupAddsNothing) {
  Enter(46, 40, 0);
  auto* body = Get<QComboBox>("cbBody");
  const struct { TBody from, to; bool window; } choices[] = {
      {TBody::Venus, TBody::Star, false}, {TBody::Mars, TBody::Star, true}, {TBody::Star, TBody::Saturn, false}};
  for (const auto& c : choices) {
    body->setCurrentIndex(static_cast<int>(c.from));
    body->setFocus();
    body->showPopup();
    ASSERT_TRUE(RunUntil([&] { return body->view()->isVisible(); }));
    body->view()->setCurrentIndex(body->model()->index(static_cast<int>(c.to), 0));
    if (c.window) {
      QTest::keyClick(body->view()->window()->windowHandle(), Qt::Key_Return);
    } else {
      QTest::keyClick(body->view(), Qt::Key_Return);
    }
    ASSERT_TRUE(RunUntil([&] { return !body->view()->isVisible(); }));
    EXPECT_EQ(body->currentIndex(), static_cast<int>(c.to));
    EXPECT_EQ(Rows(), 0);
  }
  body->setCurrentIndex(static_cast<int>(TBody::Star));
  ASSERT_TRUE(Get("btnAdd")->isEnabled());

  auto* find = Get<QLineEdit>("leStarFind");
  Type(find, QStringLiteral("Вега"));
  QCompleter* completer = find->completer();
  ASSERT_TRUE(RunUntil([&] { return completer->popup()->isVisible(); }));
  completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));
  QTest::keyClick(completer->popup(), Qt::Key_Return);
  EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), 139);  // 139 α Лиры (Вега)
  EXPECT_EQ(Rows(), 0);
  Type(find, QStringLiteral("Полярн"));
  completer->popup()->hide();
  QTest::keyClick(find, Qt::Key_Return);  // one star's line holds it
  EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), 160);
  EXPECT_EQ(Rows(), 0);

  Enter(46, 40, 0);
  QApplication::processEvents();  // the keys of the closed lists are spent
  QTest::keyClick(body, Qt::Key_Return);  // the list closed: Return adds
  EXPECT_EQ(Rows(), 1);
  EXPECT_TRUE(errors.isEmpty());
}

// The star search says when no line holds the text, and its list is as wide
// as its longest line.
TEST_F(SightEntryTest, TheStarSearchSaysWhenNothingMatches) {
  auto* find = Get<QLineEdit>("leStarFind");
  auto* none = Get<QLabel>("lbStarSearch");
  const struct { const char* keys; QString said; } cases[] = {
      {"сириуз", NoStarText(QStringLiteral("сириуз"))}, {"сири", {}}, {"qq", NoStarText(QStringLiteral("qq"))}, {"", {}}};
  for (const auto& c : cases) {
    find->clear();
    Type(find, QString::fromUtf8(c.keys));
    EXPECT_EQ(none->text(), c.said) << c.keys;
    EXPECT_EQ(none->isVisible(), !c.said.isEmpty()) << c.keys;
  }
  EXPECT_EQ(NoStarText(QStringLiteral("xyz")), QStringLiteral("Нет звезды «xyz»"));
  // Return on a text three stars hold (Денеб, Денебола, Денеб Кайтос)
  // chooses none of them and says so.
  const int before = Get<TSpinEdit>("seStar")->value();
  find->clear();
  Type(find, QStringLiteral("денеб"));
  find->completer()->popup()->hide();
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_EQ(none->text(), QStringLiteral("«денеб» есть у нескольких звёзд: выберите одну в списке"));
  EXPECT_TRUE(none->isVisible());
  EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), before);
  find->clear();
  Type(find, QStringLiteral("а"));
  QAbstractItemView* popup = find->completer()->popup();
  ASSERT_TRUE(RunUntil([&] { return popup->isVisible(); }));
  int widest = 0;
  for (int k = 1; k <= 160; ++k) widest = std::max(widest, popup->fontMetrics().horizontalAdvance(Q(StarText(k))));
  EXPECT_GE(popup->viewport()->width(), widest) << popup->viewport()->width();
  EXPECT_TRUE(errors.isEmpty());
}

// Pixels of the sheet's grid colour in a grab of it.
int GridPixels(const QWidget* sheet) {
  const QImage image = const_cast<QWidget*>(sheet)->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == QColor(170, 200, 230) ? 1 : 0;
  }
  return count;
}

// While a field of the reckoning or the accuracy is refused there is no fix:
// the panel names the field, nothing is carried, the sheet has no grid or
// line and says the same; mended, the same fix comes back.
TEST_F(SightEntryTest, ARefusedFieldOfTheReckoningOrAccuracyGivesNoFix) {
  AddRunningFix();
  const TFix good = *tab->Fix().Fix;
  int carried = 0;
  QObject::connect(tab.get(), &TSightTab::fixChosen, [&] { ++carried; });
  const auto* sheet = tab->findChild<TPlottingSheet*>(QStringLiteral("PlottingSheet"));
  const struct { const char* field; const char* keys; const char* caption; const char* where; const char* error; } cases[] = {
      {"dsCourse", "400", "Курс", "lbReckoningError", "Курс: допустимо от 0,0 до 359,9°"},
      {"dsSpeed", "-", "Скорость", "lbReckoningError", "Скорость: введите число"},
      {"dsSightError", "0", "СКП высоты", "lbFixError", "СКП высоты: допустимо от 0,1 до 10,0′"},
      {"dsDriftRate", "11", "Рост ошибки счисления", "lbFixError", "Рост ошибки счисления: допустимо от 0,0 до 10,0 мили/ч"},
  };
  for (const auto& c : cases) {
    auto* field = Get<QDoubleSpinBox>(c.field);
    const QString was = field->cleanText();
    Type(field, QString::fromUtf8(c.keys));
    Leave(field);
    EXPECT_EQ(Text(c.where), QString::fromUtf8(c.error)) << c.field;
    EXPECT_FALSE(tab->Fix().Fix) << c.field;
    EXPECT_EQ(Text("lbFix"), RefusedFieldText(QString::fromUtf8(c.caption))) << c.field;
    EXPECT_FALSE(Get("btnFixToMain")->isEnabled()) << c.field;
    Get<QPushButton>("btnFixToMain")->click();
    EXPECT_TRUE(sheet->Plot().Lines.empty()) << c.field;
    EXPECT_EQ(Q(sheet->Plot().Notice), Text("lbFix")) << c.field;
    EXPECT_EQ(GridPixels(sheet), 0) << c.field;
    ASSERT_TRUE(tab->Log()) << c.field;  // the log keeps the values last read
    Type(field, was);
    ASSERT_TRUE(tab->Fix().Fix) << c.field;
    EXPECT_NEAR(static_cast<double>(tab->Fix().Fix->Lat), static_cast<double>(good.Lat), 1e-12) << c.field;
    EXPECT_NEAR(static_cast<double>(tab->Fix().Fix->Lon), static_cast<double>(good.Lon), 1e-12) << c.field;
    EXPECT_TRUE(Get("btnFixToMain")->isEnabled()) << c.field;
    EXPECT_EQ(sheet->Plot().Lines.size(), 4U) << c.field;
    EXPECT_TRUE(sheet->Plot().Notice.empty()) << c.field;
    EXPECT_GT(GridPixels(sheet), 0) << c.field;
  }
  EXPECT_EQ(carried, 0);
  Get<QPushButton>("btnFixToMain")->click();
  EXPECT_EQ(carried, 1);
  EXPECT_TRUE(errors.isEmpty());
}

// After a refused value the worksheet shows the last good reduction of values
// not being typed, and says so; never one of the half-typed number.
TEST_F(SightEntryTest, TheWorksheetKeepsTheLastGoodReductionMarked) {
  Enter(46, 40, 0);
  auto* index = Get<QDoubleSpinBox>("dsIndex");
  auto* state = Get<QLabel>("lbSheetState");
  ASSERT_EQ(SheetValue(1), QStringLiteral("0,0'"));  // i, the index correction
  EXPECT_FALSE(state->isVisible());
  const struct { const char* keys; bool select; QString i; bool marked; } steps[] = {
      {"2", true, QStringLiteral("−2,0'"), false},  {"2", false, QStringLiteral("−22,0'"), false},
      {"2", false, QStringLiteral("0,0'"), true},
      {"", true, QStringLiteral("0,0'"), true},  // left with 222,0 in it
  };
  for (const auto& s : steps) {
    if (*s.keys) {
      Type(index, QString::fromLatin1(s.keys), s.select);
    } else {
      Leave(index);
    }
    EXPECT_EQ(SheetValue(1), s.i) << index->cleanText().toStdString();
    EXPECT_EQ(state->isVisible(), s.marked) << index->cleanText().toStdString();
  }
  EXPECT_EQ(index->cleanText(), QStringLiteral("222,0"));
  EXPECT_EQ(state->text(), LastGoodText(QStringLiteral("Индексная ошибка")));
  EXPECT_EQ(LastGoodText(QStringLiteral("Индексная ошибка")),
            QStringLiteral("Показано последнее верное вычисление: поле «Индексная ошибка» не принято"));
  // Mended and left: 1,5′ is then the value the next typing starts from.
  Type(index, QStringLiteral("1,5"));
  EXPECT_EQ(SheetValue(1), QStringLiteral("−1,5'"));
  EXPECT_FALSE(state->isVisible());
  Leave(index);
  Type(index, QStringLiteral("-7"));
  EXPECT_EQ(SheetValue(1), QStringLiteral("+7,0'"));
  Type(index, QStringLiteral("0"), false);
  EXPECT_EQ(SheetValue(1), QStringLiteral("−1,5'"));
  EXPECT_TRUE(state->isVisible());
  EXPECT_TRUE(errors.isEmpty());
}

// Each field's range is what the reduction (or the fix's accuracy check)
// accepts, at both ends: the edge is reduced, a step past it is refused by
// the field with its range and by the reduction with its own message.
TEST_F(SightEntryTest, EachFieldsRangeIsTheReductions) {
  Enter(46, 40, 0);
  const TSight base{TBody::Star, 46, -2, 19, 40, 0, 20, 3, 2025, 27, 0, 10, 10, 1010, 0.0L};  // the form's DUT1
  const struct { const char* field; Extended TSight::*member; const char* text; const char* error; } sights[] = {
      {"dsIndex", &TSight::IndexError, "Индексная ошибка: допустимо от −59,9 до 59,9′", kSightIndexError},
      {"dsEye", &TSight::EyeHeight, "Высота глаза: допустимо от 0,0 до 100,0 м", kSightEyeHeightError},
      {"dsTemperature", &TSight::Temperature, "Температура: допустимо от −60,0 до 60,0 °C", kSightTemperatureError},
      {"dsPressure", &TSight::Pressure, "Давление: допустимо от 850 до 1100 гПа", kSightPressureError},
  };
  const Extended lat = 45, lon = -30;
  for (const auto& s : sights) {
    auto* field = Get<TNumberField>(s.field);
    const Extended step = field->decimals() ? 0.1L : 1;
    // The field's edges and a step past each, as their texts read.
    const auto tenths = [](Extended x) { return std::round(x * 10) / 10; };
    for (const auto& [least, outward] : {std::pair{field->Least(), -1}, std::pair{field->Most(), 1}}) {
      const Extended edge = tenths(least);
      TSight sight = base;
      sight.*s.member = edge;
      EXPECT_NO_THROW(ReduceSight(sight, lat, lon)) << s.field << " " << edge;
      sight.*s.member = tenths(edge + outward * step);
      try {
        ReduceSight(sight, lat, lon);
        ADD_FAILURE() << s.field << " " << static_cast<double>(sight.*s.member) << " reduced";
      } catch (const ESightError& error) {
        EXPECT_EQ(error.Message(), s.error) << s.field;
      }
      field->setValue(static_cast<double>(edge + outward * step));
      EXPECT_EQ(Text("lbSightError"), QString::fromUtf8(s.text)) << s.field;
      field->setValue(static_cast<double>(edge));
      EXPECT_TRUE(Text("lbSightError").isEmpty()) << s.field << " " << Text("lbSightError").toStdString();
    }
    field->setValue(static_cast<double>(base.*s.member));
  }
  const struct { const char* field; Extended TFixSettings::*member; const char* error; } settings[] = {
      {"dsSightError", &TFixSettings::SightError, kSightErrorSettingError},
      {"dsDriftRate", &TFixSettings::DriftRate, kDriftRateSettingError},
  };
  for (const auto& s : settings) {
    auto* field = Get<TNumberField>(s.field);
    const auto tenths = [](Extended x) { return std::round(x * 10) / 10; };
    for (const auto& [least, outward] : {std::pair{field->Least(), -1}, std::pair{field->Most(), 1}}) {
      const Extended edge = tenths(least);
      TFixSettings accuracy;
      accuracy.*s.member = edge;
      EXPECT_NO_THROW(ValidateFixSettings(accuracy)) << s.field << " " << edge;
      accuracy.*s.member = tenths(edge + outward * 0.1L);
      try {
        ValidateFixSettings(accuracy);
        ADD_FAILURE() << s.field << " " << static_cast<double>(accuracy.*s.member) << " accepted";
      } catch (const EFixError& error) {
        EXPECT_EQ(error.Message(), s.error) << s.field;
      }
    }
  }
  EXPECT_TRUE(errors.isEmpty());
}

// 23:59:60 typed into the sight's time on 31 December 2016 (zone 0) is the
// leap second, and reduces; the same text on another day is kept and
// refused. A 6 left alone is 06, as in any time field.
TEST_F(SightEntryTest, TheLeapSecondIsTypedOnItsDayOnly) {
  Enter(46, 40, 0);
  auto* time = Get<QTimeEdit>("tpSight");
  Get<QDateEdit>("dpSight")->setDate(QDate(2016, 12, 31));
  Get<TSpinEdit>("seZone")->setValue(0);
  const TShipTime leap{0, 23, 59, 60, 31, 12, 2016};
  const Extended lat = 44 + 55 / 60.0L, lon = -(30 + 17 / 60.0L);
  const TSight sirius{TBody::Star, 46, leap, 45, 0, 10, 10, 1010, 0.0L};  // the form's DUT1
  Get<TMaskEdit>("meHs")->setMaskedText(HsText(SextantAltitude(sirius, ReduceSight(sirius, lat, lon).Hc, lat, lon)));
  time->setTime(QTime(23, 59, 0));
  time->setFocus();
  time->setSelectedSection(QDateTimeEdit::SecondSection);
  QTest::keyClick(time, '6');
  QTest::keyClick(time, '0');
  EXPECT_EQ(time->text(), QStringLiteral("23:59:60"));
  Leave(time);
  EXPECT_EQ(time->text(), QStringLiteral("23:59:60"));
  EXPECT_TRUE(Text("lbSightError").isEmpty()) << Text("lbSightError").toStdString();
  ASSERT_TRUE(Get("btnAdd")->isEnabled());
  // It goes into the list as any sight.
  Get<QPushButton>("btnAdd")->click();
  EXPECT_EQ(Rows(), 1);
  Get<QDateEdit>("dpSight")->setDate(QDate(2016, 12, 30));
  EXPECT_EQ(time->text(), QStringLiteral("23:59:60"));
  EXPECT_EQ(Text("lbSightError"), QString::fromUtf8(kSightLeapSecondError));
  EXPECT_FALSE(Get("btnAdd")->isEnabled());
  // Back on the leap day, and the minute before it.
  Get<QDateEdit>("dpSight")->setDate(QDate(2016, 12, 31));
  EXPECT_TRUE(Text("lbSightError").isEmpty());
  time->setFocus();
  time->setSelectedSection(QDateTimeEdit::MinuteSection);
  QTest::keyClick(time, '5');
  QTest::keyClick(time, '8');
  EXPECT_EQ(time->text(), QStringLiteral("23:58:60"));
  EXPECT_EQ(Text("lbSightError"), QString::fromUtf8(kSightLeapSecondError));
  time->setSelectedSection(QDateTimeEdit::SecondSection);
  QTest::keyClick(time, '6');
  Leave(time);
  EXPECT_EQ(time->text(), QStringLiteral("23:58:06"));
  EXPECT_EQ(time->time(), QTime(23, 58, 6));
  EXPECT_TRUE(errors.isEmpty());
}

// A year outside 1930 … 2099 typed into a date is kept and refused with the
// range, in the sight and in the reckoning, as a number out of its range.
TEST_F(SightEntryTest, AYearOutOfRangeIsKeptAndRefused) {
  Enter(46, 40, 0);
  const struct { const char* field; const char* year; const char* where; const char* error; } cases[] = {
      {"dpSight", "2150", "lbSightError", kSightInstantTexts.DateRange},
      {"dpSight", "1929", "lbSightError", kSightInstantTexts.DateRange},
      {"dpReckoning", "2100", "lbReckoningError", kDeadReckoningInstantTexts.DateRange},
  };
  for (const auto& c : cases) {
    auto* date = Get<QDateEdit>(c.field);
    const QDate was = date->date();
    date->setFocus();
    date->setSelectedSection(QDateTimeEdit::YearSection);
    for (const QChar k : QString::fromLatin1(c.year)) QTest::keyClick(date, k.toLatin1());
    Leave(date);
    EXPECT_EQ(date->date().year(), QString::fromLatin1(c.year).toInt()) << c.field;
    EXPECT_TRUE(date->text().contains(QString::fromLatin1(c.year))) << date->text().toStdString();
    EXPECT_EQ(Text(c.where), QString::fromUtf8(c.error)) << c.field << " " << c.year;
    if (QLatin1String(c.where) == QLatin1String("lbSightError")) {
      EXPECT_FALSE(Get("btnAdd")->isEnabled());
    } else {
      EXPECT_EQ(Text("lbFix"), RefusedFieldText(QStringLiteral("Время счисления")));
    }
    date->setDate(was);
    EXPECT_TRUE(Text(c.where).isEmpty()) << c.field;
  }
  EXPECT_TRUE(Get("btnAdd")->isEnabled());
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
