// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The "Обработка наблюдений" tab driven through its controls offscreen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <chrono>
#include <functional>
#include <memory>
#include <tuple>

#include "MainWindowFixture.h"
#include "SightTabFixture.h"
#include "fixpanel/PlottingSheet.h"
#include "printing/SightLogPrint.h"
#include "reports/FixReport.h"
#include "reports/PositionText.h"
#include "reports/SightSheet.h"
#include "display/GreekLetter.h"
#include "ephemeris/Stars.h"
#include "sights/FixErrors.h"
#include "sights/Sailing.h"
#include "sighttab/SightTab.h"

namespace tarvel {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

class SightTabTest : public SightTabFixture {
 protected:
  // A cell of the list of sights as the list shows it.
  QString Cell(int row, int column) const {
    return Get<QTableView>("Sights")->model()->index(row, column).data().toString();
  }
  QStringList Sheet() const {
    QStringList cells;
    auto* sheet = Get<QTableWidget>("Worksheet");
    for (int row = 0; row < sheet->rowCount(); ++row) {
      for (int column = 0; column < 3; ++column) cells << sheet->item(row, column)->text();
    }
    return cells;
  }
  static QStringList Expected(const TSight& sight, Extended lat, Extended lon) {
    QStringList cells;
    for (const TWorksheetLine& line : Worksheet(sight, ReduceSight(sight, lat, lon))) {
      cells << Q(line.Caption) << Q(line.Formula) << Q(line.Value);
    }
    return cells;
  }

  void AddRunningFix() {
    Get<QDoubleSpinBox>("dsCourse")->setValue(60);
    Get<QDoubleSpinBox>("dsSpeed")->setValue(12);
    auto* add = Get<QPushButton>("btnAdd");
    Enter(160, 49, 30, 5);  // Polaris, with a blunder of 5'
    add->click();
    Enter(46, 40, 12);
    add->click();
    Enter(67, 46, 5);
    add->click();
    Enter(28, 52, 0);
    add->click();
  }

  // The keys of the tab reach it only in the active window.
  void Activate() {
    tab->show();
    tab->activateWindow();
    ASSERT_TRUE(RunUntil([this] { return QApplication::activeWindow() == tab.get(); }));
  }
  // Types into a field as the user would, its old text selected first.
  static void Type(QWidget* field, const QString& keys) {
    field->setFocus();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
    Keys(field, keys);
  }
  // Keys with their texts, of either layout.
  static void Keys(QWidget* field, const QString& keys) {
    for (const QChar c : keys) {
      if (c.unicode() < 128) {
        QTest::keyClick(field, c.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Click, field, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), {});
      }
    }
  }
  // The names of the focus chain from `first`, the widgets that take the Tab
  // key only, as far as the last of `names`.
  QStringList FocusChain(const char* first, const QStringList& names) const {
    QStringList chain;
    QWidget* w = Get(first);
    for (int guard = 0; guard < 500 && chain.size() < names.size(); ++guard, w = w->nextInFocusChain()) {
      if ((w->focusPolicy() & Qt::TabFocus) && names.contains(w->objectName())) chain << w->objectName();
    }
    return chain;
  }
};

TEST_F(SightTabTest, StartsFromTheMainWindowAndTakesItsValuesAgainOnRequest) {
  EXPECT_EQ(Get<QDateEdit>("dpSight")->date(), QDate(2025, 3, 20));
  EXPECT_EQ(Get<QTimeEdit>("tpSight")->time(), QTime(19, 0, 0));
  EXPECT_EQ(Get<TSpinEdit>("seZone")->value(), 2);
  EXPECT_EQ(Get<TSpeedButton>("sbZone")->text(), "W");
  EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), 46);
  EXPECT_EQ(Text("lbStarName"), QStringLiteral("Большого Пса (Сириус)"));
  EXPECT_EQ(Get<TMaskEdit>("meFi")->text(), QStringLiteral("Ш = 44°55,00'"));
  EXPECT_EQ(Get<TSpeedButton>("sbFi")->text(), "N");
  EXPECT_EQ(Get<TMaskEdit>("meLam")->text(), QStringLiteral("Д = 030°17,00'"));
  EXPECT_EQ(Get<TSpeedButton>("sbLam")->text(), "W");
  EXPECT_EQ(Get<TMaskEdit>("meDrLam")->text(), QStringLiteral("Д = 030°17,00'"));
  EXPECT_EQ(Get<QTimeEdit>("tpReckoning")->time(), QTime(19, 0, 0));
  // The defaults of the corrections.
  EXPECT_EQ(Get<QDoubleSpinBox>("dsIndex")->value(), 0);
  EXPECT_EQ(Get<QDoubleSpinBox>("dsEye")->value(), 10);
  EXPECT_EQ(Get<QDoubleSpinBox>("dsTemperature")->value(), 10);
  EXPECT_EQ(Get<QDoubleSpinBox>("dsPressure")->value(), 1010);

  // Later values of the main window are kept, not forced on the form.
  Get<QTimeEdit>("tpSight")->setTime(QTime(19, 40, 12));
  TAlmanacInputs later = MainValues();
  later.Time.Hour = 5, later.Time.Minute = 6, later.Time.Second = 7, later.Time.Zone = 3, later.StarNumber = 160;
  later.Latitude = -12.5L, later.Longitude = 100.25L;
  tab->Follow(later);
  EXPECT_EQ(Get<QTimeEdit>("tpSight")->time(), QTime(19, 40, 12));
  Get<QPushButton>("btnTakeMain")->click();
  EXPECT_EQ(Get<QTimeEdit>("tpSight")->time(), QTime(5, 6, 7));
  EXPECT_EQ(Get<TSpeedButton>("sbZone")->text(), "E");
  EXPECT_EQ(Get<TSpinEdit>("seZone")->value(), 3);
  EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), 160);
  EXPECT_EQ(Get<TMaskEdit>("meFi")->text(), QStringLiteral("Ш = 12°30,00'"));
  EXPECT_EQ(Get<TSpeedButton>("sbFi")->text(), "S");
  EXPECT_EQ(Get<TMaskEdit>("meLam")->text(), QStringLiteral("Д = 100°15,00'"));
  EXPECT_EQ(Get<QTimeEdit>("tpReckoning")->time(), QTime(19, 0, 0));  // the reckoning has a button of its own
  Get<QPushButton>("btnTakeMainReckoning")->click();
  EXPECT_EQ(Get<QTimeEdit>("tpReckoning")->time(), QTime(5, 6, 7));
  EXPECT_EQ(Get<TMaskEdit>("meDrFi")->text(), QStringLiteral("Ш = 12°30,00'"));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SightTabTest, HemisphereLettersTypedInTheFieldsSetTheirButtons) {
  // The Sun at 14:00 UT is up at every position the keys below give.
  Get<QTimeEdit>("tpSight")->setTime(QTime(12, 0, 0));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 20°52,2'"));
  const QStringList north = Sheet();
  const struct { const char* field; const char* button; const char* keys; const char* caption; } cases[] = {
      {"meFi", "sbFi", "Ю", "S"},          {"meFi", "sbFi", "n", "N"},      {"meLam", "sbLam", "В", "E"},
      {"seZone", "sbZone", "e", "E"},      {"seZone", "sbZone", "З", "W"},  {"meDrFi", "sbDrFi", "s", "S"},
      {"meDrLam", "sbDrLam", "E", "E"},    {"seReckoningZone", "sbReckoningZone", "w", "W"},
  };
  for (const auto& c : cases) {
    const QString key = QString::fromUtf8(c.keys);  // a key of either layout, with its text
    QTest::sendKeyEvent(QTest::Click, Get(c.field), static_cast<Qt::Key>(key[0].toUpper().unicode()), key, {});
    EXPECT_EQ(Get<TSpeedButton>(c.button)->text(), c.caption) << c.field << " " << c.keys;
  }
  EXPECT_EQ(Get<TMaskEdit>("meFi")->text(), QStringLiteral("Ш = 44°55,00'"));  // no letter in the field
  // The assumed position went south and back north, then east: the worksheet
  // is that of the new position.
  EXPECT_NE(Sheet(), north);
  Get<TSpeedButton>("sbLam")->click();
  EXPECT_EQ(Sheet(), north);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SightTabTest, TheWorksheetIsTheReductionOfTheInputs) {
  // The Sun's lower limb in the afternoon, every correction entered.
  Get<QTimeEdit>("tpSight")->setTime(QTime(16, 10, 24));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 20°52,2'"));
  Get<QDoubleSpinBox>("dsIndex")->setValue(-1.5);
  Get<QDoubleSpinBox>("dsEye")->setValue(12.5);
  Get<QDoubleSpinBox>("dsTemperature")->setValue(-3.2);
  Get<QDoubleSpinBox>("dsPressure")->setValue(1022);
  const TSight sun{TBody::SunLowerLimb, 46, -2, 16, 10, 24, 20, 3, 2025, 20 + 52.2L / 60, -1.5L, 12.5L, -3.2L, 1022, 0.0L};  // the form's DUT1
  const Extended lat = 44 + 55 / 60.0L, lon = -(30 + 17 / 60.0L);
  EXPECT_EQ(Sheet(), Expected(sun, lat, lon));
  EXPECT_EQ(Sheet()[5], QStringLiteral("+1,5'"));  // the index correction undoes the index error
  EXPECT_TRUE(Text("lbSightError").isEmpty());

  // The upper limb changes the sign of the semi-diameter only.
  Get<QComboBox>("cbBody")->setCurrentIndex(1);
  TSight upper = sun;
  upper.Body = TBody::SunUpperLimb;
  EXPECT_EQ(Sheet(), Expected(upper, lat, lon));

  // A star at another position: Sirius, its name shown with its letter.
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  Get<QTimeEdit>("tpSight")->setTime(QTime(19, 40, 12));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 27°23,7'"));
  Get<TMaskEdit>("meFi")->setMaskedText(QStringLiteral("Ш = 45°01,50'"));
  Get<TSpeedButton>("sbLam")->click();  // now east
  const TSight star{TBody::Star, 46, -2, 19, 40, 12, 20, 3, 2025, 27 + 23.7L / 60, -1.5L, 12.5L, -3.2L, 1022, 0.0L};  // the form's DUT1
  EXPECT_EQ(Sheet(), Expected(star, 45 + 1.5L / 60, 30 + 17 / 60.0L));
  EXPECT_EQ(Text("lbStarLetter"), QStringLiteral("α"));
  tab->show();
  EXPECT_GE(Get("lbStarName")->x() - Get("lbStarLetter")->geometry().right(), 6);  // not "αБольшого Пса"
  EXPECT_TRUE(Get("seStar")->isEnabled());
  EXPECT_TRUE(errors.isEmpty());
}

// The list of bodies is in the order of TBody; the Moon's worksheet has its
// oblateness line, the other bodies' not; the star number is only for a star.
TEST_F(SightTabTest, TheMoonAndThePlanetsFromTheBodyList) {
  auto* body = Get<QComboBox>("cbBody");
  ASSERT_EQ(body->count(), 9);
  for (int k = 0; k < 9; ++k) {
    if (k == static_cast<int>(TBody::Star)) continue;
    const TSight sight{static_cast<TBody>(k), 1, -2, 19, 0, 0, 20, 3, 2025, 30, 0, 10, 10, 1010, 0.0L};  // the form's DUT1
    EXPECT_EQ(body->itemText(k), Q(BodyText(sight))) << k;
  }
  EXPECT_EQ(body->itemText(2), QStringLiteral("Звезда"));

  // The waning Moon low in the west at 07:00, then its upper limb, then
  // Jupiter at dusk: each worksheet the reduction of the inputs.
  Get<QTimeEdit>("tpSight")->setTime(QTime(7, 0, 0));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 10°12,4'"));
  body->setCurrentIndex(static_cast<int>(TBody::MoonLowerLimb));
  const Extended lat = 44 + 55 / 60.0L, lon = -(30 + 17 / 60.0L);
  TSight moon{TBody::MoonLowerLimb, 46, -2, 7, 0, 0, 20, 3, 2025, 10 + 12.4L / 60, 0, 10, 10, 1013, 0.0L};  // the form's DUT1
  moon.IndexError = Get<QDoubleSpinBox>("dsIndex")->value(), moon.EyeHeight = Get<QDoubleSpinBox>("dsEye")->value();
  moon.Temperature = Get<QDoubleSpinBox>("dsTemperature")->value();
  moon.Pressure = Get<QDoubleSpinBox>("dsPressure")->value();
  EXPECT_EQ(Sheet(), Expected(moon, lat, lon));
  EXPECT_EQ(Sheet().size(), 13 * 3);
  EXPECT_TRUE(Sheet().contains(QStringLiteral("OB  сжатие Земли")));
  EXPECT_FALSE(Get("seStar")->isEnabled());
  body->setCurrentIndex(static_cast<int>(TBody::MoonUpperLimb));
  moon.Body = TBody::MoonUpperLimb;
  EXPECT_EQ(Sheet(), Expected(moon, lat, lon));

  Get<QTimeEdit>("tpSight")->setTime(QTime(19, 31, 0));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 51°10,0'"));
  body->setCurrentIndex(static_cast<int>(TBody::Jupiter));
  TSight jupiter = moon;
  jupiter.Body = TBody::Jupiter, jupiter.Time.Hour = 19, jupiter.Time.Minute = 31, jupiter.Hs = 51 + 10.0L / 60;
  EXPECT_EQ(Sheet(), Expected(jupiter, lat, lon));
  EXPECT_EQ(Sheet().size(), 12 * 3);
  EXPECT_TRUE(Text("lbSightError").isEmpty());
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SightTabTest, AnInvalidInputShowsItsErrorInTheTabAndTheWorksheetKeepsItsValues) {
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 27°23,7'"));
  const QStringList good = Sheet();
  ASSERT_FALSE(good[2].isEmpty());
  const auto check = [&](const char* field, const QString& error, const std::function<void()>& mend) {
    EXPECT_EQ(Text("lbSightError"), error) << field;
    EXPECT_EQ(Sheet(), good) << field;
    EXPECT_FALSE(Get("btnAdd")->isEnabled()) << field;
    mend();
    EXPECT_TRUE(Text("lbSightError").isEmpty()) << field;
    EXPECT_EQ(Sheet(), good) << field;
    EXPECT_TRUE(Get("btnAdd")->isEnabled()) << field;
  };
  const struct { const char* field; const char* text; QString error; } texts[] = {
      {"meHs", "Hs = 00°00,0'", Q(kSightHsError)},
      {"meHs", "Hs = 27°73,7'", QStringLiteral("Минуты высоты Hs должны быть меньше 60'")},
      {"meHs", "Hs = 2-°23,7'", QStringLiteral("Высота Hs задана неверно")},
      {"meHs", "Hs = 00°05,0'", Q(kSightHaError)},  // the dip takes it below the horizon
      {"meFi", "Ш = 95°00,00'", Q(kLatitudeError)},
      {"meLam", "Д = 030°7-,00'", Q(kLongitudeError)},
  };
  for (const auto& t : texts) {
    auto* edit = Get<TMaskEdit>(t.field);
    const QString was = edit->maskedText();
    edit->setMaskedText(QString::fromUtf8(t.text));
    check(t.field, t.error, [&] { edit->setMaskedText(was); });
  }
  // The fields' ranges are the reduction's: each refuses first, with its range.
  const struct { const char* field; double value; QString error; } numbers[] = {
      {"dsIndex", -60, QStringLiteral("Индексная ошибка: допустимо от −59,9 до 59,9′")},
      {"dsEye", 100.1, QStringLiteral("Высота глаза: допустимо от 0,0 до 100,0 м")},
      {"dsTemperature", 61, QStringLiteral("Температура: допустимо от −60,0 до 60,0 °C")},
      {"dsPressure", 849, QStringLiteral("Давление: допустимо от 850 до 1100 гПа")},
  };
  for (const auto& n : numbers) {
    auto* spin = Get<QDoubleSpinBox>(n.field);
    const double was = spin->value();
    spin->setValue(n.value);
    check(n.field, n.error, [&] { spin->setValue(was); });
  }
  EXPECT_TRUE(errors.isEmpty());  // no message box: typing goes on
}

TEST_F(SightTabTest, WarningsAndCopy) {
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 04°30,0'"));
  // Sirius stands near 27° here: so low an Hs is also an intercept of 1 445 miles.
  EXPECT_EQ(Text("lbSightWarning"), QStringLiteral("Видимая высота Ha меньше 5°: рефракция ненадёжна\n"
                                                   "Перенос 1445,0 мили больше 30 миль: проверьте светило, "
                                                   "время, Hs и счислимое место"));
  EXPECT_TRUE(Text("lbSightError").isEmpty());  // a warning, not an error
  Get<TSpinEdit>("seStar")->setValue(160);
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 45°18,3'"));
  EXPECT_TRUE(Text("lbSightWarning").isEmpty());  // Polaris is reduced with its Hipparcos place

  Get<QPushButton>("btnCopySheet")->click();
  const TSight polaris{TBody::Star, 160, -2, 19, 0, 0, 20, 3, 2025, 45 + 18.3L / 60, 0, 10, 10, 1010, 0.0L};  // the form's DUT1
  const Extended lat = 44 + 55 / 60.0L, lon = -(30 + 17 / 60.0L);
  EXPECT_EQ(QApplication::clipboard()->text(), Q(WorksheetText(polaris, lat, lon, ReduceSight(polaris, lat, lon))));
  // What is copied is what the worksheet shows, an input in error or not.
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 00°00,0'"));
  QApplication::clipboard()->clear();
  Get<QPushButton>("btnCopySheet")->click();
  EXPECT_EQ(QApplication::clipboard()->text(), Q(WorksheetText(polaris, lat, lon, ReduceSight(polaris, lat, lon))));
}

TEST_F(SightTabTest, TheListTheFixAndThePlottingSheet) {
  AddRunningFix();
  auto* list = Get<QTableView>("Sights");
  ASSERT_EQ(list->model()->rowCount(), 4);
  EXPECT_EQ(Cell(1, 0), QStringLiteral("19:40:12"));
  // A star is named with its number and letter, as in the catalogue.
  EXPECT_EQ(Cell(1, 1), QStringLiteral("46 α Сириус"));
  EXPECT_EQ(Cell(0, 1), QStringLiteral("160 α Полярная"));  // its 5' blunder is no warning
  ASSERT_TRUE(tab->Fix().Fix);
  EXPECT_EQ(tab->Fix().Used.size(), 4U);
  const auto* sheet = tab->findChild<TPlottingSheet*>(QStringLiteral("PlottingSheet"));
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->Plot().Lines.size(), 4U);

  // Switching the blunder off: the fix comes within a tenth of a mile of
  // the truth (the sextant altitudes are rounded to tenths of a minute).
  list->model()->setData(list->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
  ASSERT_TRUE(tab->Fix().Fix);
  EXPECT_EQ(tab->Fix().Used, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_FALSE(tab->Sights()[0].Enabled);
  EXPECT_LT(static_cast<double>(RhumbCourseDistance({tab->Fix().Fix->Lat, tab->Fix().Fix->Lon}, kTruth).Distance), 0.1);
  EXPECT_TRUE(Cell(0, 6).isEmpty());
  EXPECT_FALSE(Cell(1, 6).isEmpty());
  EXPECT_FALSE(sheet->Plot().Lines[0].Enabled);
  EXPECT_TRUE(Text("lbFix").startsWith(Q(PositionText(tab->Fix().Fix->Lat, tab->Fix().Fix->Lon)) + u'\n'));
  EXPECT_TRUE(Text("lbFixError").isEmpty());
  EXPECT_TRUE(Get("btnFixToMain")->isEnabled());

  Get<QPushButton>("btnCopyList")->click();
  const TDeadReckoning dr{44 + 55 / 60.0L, -(30 + 17 / 60.0L), -2, 19, 0, 0, 20, 3, 2025, 60, 12};
  EXPECT_EQ(QApplication::clipboard()->text(), Q(ListText(tab->Sights(), dr, tab->Fix())));

  // Removing down to one sight leaves no fix, and says why.
  list->setCurrentIndex(list->model()->index(3, 0));
  Get<QPushButton>("btnRemove")->click();
  list->setCurrentIndex(list->model()->index(1, 0));
  Get<QPushButton>("btnRemove")->click();
  ASSERT_EQ(list->model()->rowCount(), 2);
  EXPECT_EQ(Cell(1, 1), QStringLiteral("67 α Регул"));
  EXPECT_FALSE(tab->Fix().Fix);
  EXPECT_EQ(Text("lbFixError"), Q(kFixTooFewError));
  EXPECT_TRUE(Text("lbFix").isEmpty());
  EXPECT_FALSE(Get("btnFixToMain")->isEnabled());
  EXPECT_EQ(sheet->Plot().Lines.size(), 2U);
  EXPECT_TRUE(errors.isEmpty());
}

// Ordered by time on the time's heading, and back to the log's order; the
// log, its numbers beside the rows and the rows the buttons act on stay the
// log's, as the fix's messages count them.
TEST_F(SightTabTest, TheListIsOrderedByTimeOnItsHeading) {
  AddRunningFix();  // 19:49:30, 19:40:12, 19:46:05, 19:52:00
  tab->show();
  auto* list = Get<QTableView>("Sights");
  QHeaderView* heading = list->horizontalHeader();
  const auto column = [&](int c) {
    QStringList cells;
    for (int row = 0; row < list->model()->rowCount(); ++row) cells << Cell(row, c);
    return cells;
  };
  const auto numbers = [&] {
    QStringList cells;
    for (int row = 0; row < list->model()->rowCount(); ++row)
      cells << list->model()->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    return cells;
  };
  const QStringList logged = column(0);
  const std::vector<TLoggedSight> log = tab->Sights();
  const int timeAt = heading->sectionViewportPosition(0) + heading->sectionSize(0) / 2;
  const struct { QStringList times, numbers; } kClicks[] = {
      {{"19:40:12", "19:46:05", "19:49:30", "19:52:00"}, {"2", "3", "1", "4"}},
      {{"19:52:00", "19:49:30", "19:46:05", "19:40:12"}, {"4", "1", "3", "2"}},
      {logged, {"1", "2", "3", "4"}}};
  for (const auto& click : kClicks) {
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, QPoint(timeAt, heading->height() / 2));
    EXPECT_EQ(column(0), click.times);
    EXPECT_EQ(numbers(), click.numbers);
    EXPECT_EQ(tab->Sights().size(), log.size());
    for (std::size_t k = 0; k < log.size(); ++k) EXPECT_EQ(tab->Sights()[k].Sight.Time.Second, log[k].Sight.Time.Second);
  }
  // Another heading orders nothing.
  QTest::mouseClick(heading->viewport(), Qt::LeftButton, {},
                    QPoint(heading->sectionViewportPosition(2) + 4, heading->height() / 2));
  EXPECT_EQ(column(0), logged);

  // By time, the first row is the log's second sight: the same sight again
  // is named by the log's number, and Remove takes that sight.
  QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, QPoint(timeAt, heading->height() / 2));
  Enter(46, 40, 12);
  Get<QPushButton>("btnAdd")->click();
  EXPECT_EQ(Text("lbSightError"), Q(SameSightText(1)));
  list->setCurrentIndex(list->model()->index(0, 0));
  Get<QPushButton>("btnRemove")->click();
  ASSERT_EQ(tab->Sights().size(), 3U);
  EXPECT_EQ(tab->Sights()[1].Sight.StarNumber, 67);
  EXPECT_EQ(column(0), (QStringList{"19:46:05", "19:49:30", "19:52:00"}));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SightTabTest, ARowIsEditedThroughTheForm) {
  AddRunningFix();
  tab->show();
  auto* list = Get<QTableView>("Sights");
  QApplication::processEvents();
  const QRect cell = list->visualRect(list->model()->index(1, 1));
  // A double click comes after the first click, as the mouse gives them.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), 46);
  EXPECT_EQ(Get<QTimeEdit>("tpSight")->time(), QTime(19, 40, 12));
  EXPECT_EQ(Get<TMaskEdit>("meHs")->text(), HsText(tab->Sights()[1].Sight.Hs));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 27°30,0'"));
  list->setCurrentIndex(list->model()->index(1, 0));
  Get<QPushButton>("btnReplace")->click();
  ASSERT_EQ(list->model()->rowCount(), 4);
  EXPECT_EQ(Cell(1, 2), QStringLiteral("27° 30,00'"));
  EXPECT_EQ(tab->Sights()[1].Sight.Hs, 27.5L);
  // The edited sight is now the one off the others by some miles.
  EXPECT_GT(std::fabs(static_cast<double>(*ResidualAt(tab->Fix(), 1))), 1.0);
  EXPECT_TRUE(errors.isEmpty());
}

// The accuracy under the fix: its defaults, the fix worked again when it
// changes, the blunder named at 1' and explained at 5'; the same sight is
// refused a second time and the form keeps what was typed.
TEST_F(SightTabTest, AccuracySettingsAndTheSameSightTwice) {
  auto* sightError = Get<QDoubleSpinBox>("dsSightError");
  auto* drift = Get<QDoubleSpinBox>("dsDriftRate");
  EXPECT_EQ(sightError->value(), 1.0);
  EXPECT_EQ(drift->value(), 0.0);
  EXPECT_FALSE(sightError->toolTip().isEmpty());
  EXPECT_FALSE(drift->toolTip().isEmpty());
  AddRunningFix();
  EXPECT_TRUE(Text("lbFix").contains(QStringLiteral("Невязки больше ожидаемых при СКП 1,0′: проверьте наблюдение 1 — 160 α Полярная 19:49")))
      << Text("lbFix").toStdString();
  sightError->setValue(5);
  EXPECT_FALSE(Text("lbFix").contains(QStringLiteral("Невязки"))) << Text("lbFix").toStdString();
  EXPECT_TRUE(Text("lbFix").contains(QStringLiteral("при СКП высоты 5,0′"))) << Text("lbFix").toStdString();

  const int rows = Get<QTableView>("Sights")->model()->rowCount();
  const QString hs = Get<TMaskEdit>("meHs")->text();  // Capella's, the last added
  Get<QPushButton>("btnAdd")->click();
  EXPECT_EQ(Get<QTableView>("Sights")->model()->rowCount(), rows);
  EXPECT_EQ(Text("lbSightError"), QStringLiteral("Такое наблюдение уже есть в списке: строка 4"));
  EXPECT_EQ(Get<TMaskEdit>("meHs")->text(), hs);
  EXPECT_TRUE(errors.isEmpty());
}

// What "Печать…" and "PDF…" print is what the tab shows: its list, the dead
// reckoning of its fields, the accuracy set and the fix worked with it.
TEST_F(SightTabTest, ThePrintedLogIsTheTabsListReckoningAndFix) {
  AddRunningFix();
  Get<QDoubleSpinBox>("dsSightError")->setValue(5);
  Get<QTableView>("Sights")->model()->setData(Get<QTableView>("Sights")->model()->index(0, 0), Qt::Unchecked,
                                              Qt::CheckStateRole);
  tab->SetLogTitle(QStringLiteral("вахта.tlog"));
  const TPrintedLog log = tab->PrintedLog();
  EXPECT_EQ(log.Title, QStringLiteral("вахта.tlog"));
  ASSERT_EQ(log.Sights.size(), 4u);
  const std::int32_t stars[] = {160, 46, 67, 28};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(log.Sights[i].Sight.StarNumber, stars[i]);
    EXPECT_EQ(log.Sights[i].Enabled, i != 0);
  }
  ASSERT_TRUE(log.Reckoning);
  EXPECT_NEAR(log.Reckoning->Lat, 44 + 55 / 60.0L, 1e-12L);
  EXPECT_NEAR(log.Reckoning->Lon, -(30 + 17 / 60.0L), 1e-12L);
  EXPECT_EQ(log.Reckoning->Course, 60);
  EXPECT_EQ(log.Reckoning->Speed, 12);
  EXPECT_EQ(log.Settings.SightError, 5);
  ASSERT_TRUE(log.Fix.Fix);
  EXPECT_EQ(log.Fix.Used, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_NEAR(log.Fix.Fix->Lat, kTruth.Lat, 2 / 60.0L);  // the fix of the three stars, near the truth
  EXPECT_TRUE(errors.isEmpty());
}

// The star is typed by its number or found by any part of its catalogue
// line; the arrows still go round the catalogue. (The main window's spin
// edits keep refusing typed digits: test_keyboard.cpp.)
TEST_F(SightTabTest, TheStarIsTypedOrFoundByName) {
  Activate();
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  auto* star = Get<TSpinEdit>("seStar");
  const struct { const char* keys; int number; } typed[] = {{"42", 42}, {"7", 7}, {"161", 16}, {"0", 16}, {"160", 160}};
  for (const auto& t : typed) {
    Type(star, QString::fromLatin1(t.keys));  // 161 and 0 are no star: their last digit is refused
    EXPECT_EQ(star->value(), t.number) << t.keys;
    EXPECT_EQ(Text("lbStarLetter"), Q(GreekLetter(StarTable(t.number).Letter))) << t.keys;
  }
  EXPECT_EQ(Q(StarText(42)), QStringLiteral("42 θ Возничего"));
  QTest::keyClick(star, Qt::Key_Up);
  EXPECT_EQ(star->value(), 1);
  QTest::keyClick(star, Qt::Key_Down);
  EXPECT_EQ(star->value(), 160);

  auto* find = Get<QLineEdit>("leStarFind");
  const struct { const char* keys; int number; } names[] = {{"сириус", 46}, {"ВОЗНИЧ", 42}, {"42 θ", 42}, {"Полярн", 160}};
  for (const auto& n : names) {
    Type(find, QString::fromUtf8(n.keys));
    QCompleter* completer = find->completer();
    ASSERT_NE(completer, nullptr);
    int count = 0;  // the catalogue's lines that hold the text, in any case
    for (int k = 1; k <= 160; ++k) count += Q(StarText(k)).contains(QString::fromUtf8(n.keys), Qt::CaseInsensitive);
    EXPECT_EQ(completer->completionCount(), count) << n.keys;
    QStringList lines;
    for (int row = 0; completer->setCurrentRow(row); ++row) lines << completer->currentCompletion();
    const QString line = Q(StarText(n.number));
    ASSERT_TRUE(lines.contains(line)) << n.keys << " " << lines.join(" | ").toStdString();
    ASSERT_TRUE(RunUntil([&] { return completer->popup()->isVisible(); }));
    completer->popup()->setCurrentIndex(completer->completionModel()->index(lines.indexOf(line), 0));
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_EQ(star->value(), n.number) << n.keys;
  }
  EXPECT_EQ(Text("lbStarName"), QStringLiteral("М.Медведицы (Полярная)"));
  EXPECT_TRUE(errors.isEmpty());
}

// Enter adds the sight from any field of the form; Delete removes the
// selected row; Ctrl+Z undoes the changes of the list one by one.
TEST_F(SightTabTest, KeysAddRemoveAndUndo) {
  Activate();
  auto* list = Get<QTableView>("Sights");
  const auto rows = [&] {
    QStringList texts;
    for (const TLoggedSight& s : tab->Sights()) texts << Q(SightTimeText(s.Sight) + " " + BodyShortText(s.Sight));
    return texts;
  };
  const char* fields[] = {"meHs", "seStar", "dsEye", "tpSight", "meLam"};
  const int minutes[] = {40, 46, 52, 49, 44};
  const int stars[] = {46, 67, 28, 160, 46};
  for (int k = 0; k < 5; ++k) {
    Enter(stars[k], minutes[k], 0);
    Get(fields[k])->setFocus();
    QTest::keyClick(Get(fields[k]), Qt::Key_Return);
    EXPECT_EQ(list->model()->rowCount(), k + 1) << fields[k];
  }
  const QStringList five = rows();
  list->setFocus();
  list->setCurrentIndex(list->model()->index(1, 0));
  QTest::keyClick(list, Qt::Key_Delete);
  list->setCurrentIndex(list->model()->index(3, 0));
  QTest::keyClick(list, Qt::Key_Delete);
  QStringList three = five;
  three.removeAt(4), three.removeAt(1);
  EXPECT_EQ(rows(), three);
  // A replaced row, then all of it undone, newest first.
  Enter(67, 47, 0);
  list->setCurrentIndex(list->model()->index(0, 0));
  Get<QPushButton>("btnReplace")->click();
  const TSight replaced{TBody::Star, 67, -2, 19, 47, 0, 20, 3, 2025, 0, 0, 10, 10, 1010, 0.0L};  // the form's DUT1
  EXPECT_EQ(rows()[0], Q(SightTimeText(replaced) + " " + BodyShortText(replaced)));
  EXPECT_TRUE(rows()[0].endsWith(Q(StarShortName(67))));
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), three);
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  QStringList four = five;
  four.removeAt(1);
  EXPECT_EQ(rows(), four);
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows(), five);
  EXPECT_TRUE(tab->Fix().Fix);  // worked again for the list brought back
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(rows().size(), 4);  // the last addition undone too
  EXPECT_TRUE(errors.isEmpty());
}

// Tab goes through the form and the reckoning as they read, left to right
// and top to bottom; a month is typed by its name in the date fields.
TEST_F(SightTabTest, TabOrderFollowsTheScreenAndMonthsAreTyped) {
  const QStringList form = {"cbBody",  "btnTakeMain",   "seStar",     "leStarFind", "dpSight", "tpSight",
                            "seZone",  "btnMark",       "btnChronometer", "meHs", "dsIndex", "dsEye",
                            "dsTemperature", "dsPressure", "meFi",    "meLam",      "btnCopySheet", "btnAdd",
                            "btnReplace", "Sights",     "btnRemove",  "btnCopyList"};
  EXPECT_EQ(FocusChain("cbBody", form), form);
  const QStringList reckoning = {"meDrFi",      "meDrLam",         "btnTakeMainReckoning", "dpReckoning",
                                 "tpReckoning", "seReckoningZone", "dsCourse",             "dsSpeed"};
  EXPECT_EQ(FocusChain("meDrFi", reckoning), reckoning);

  Activate();
  const struct { const char* field; const char* keys; int month; } months[] = {
      {"dpSight", "мая", 5}, {"dpSight", "дек", 12}, {"dpReckoning", "янв", 1}, {"dpSight", "3", 3},
      {"dpSight", "12", 12}, {"dpSight", "ФЕВ", 2}};
  for (const auto& m : months) {
    auto* date = Get<QDateEdit>(m.field);
    date->setFocus();
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    Keys(date, QString::fromUtf8(m.keys));
    EXPECT_EQ(date->date().month(), m.month) << m.field << " " << m.keys;
    EXPECT_EQ(date->date().day(), 20) << m.keys;
  }
  EXPECT_EQ(Get<QTimeEdit>("tpSight")->text(), QStringLiteral("19:00:00"));
  Get<QTimeEdit>("tpSight")->setTime(QTime(8, 6, 50));
  EXPECT_EQ(Get<QTimeEdit>("tpSight")->text(), QStringLiteral("08:06:50"));  // as the list writes it
  EXPECT_TRUE(errors.isEmpty());
}

// A number out of its range, or no number, is refused with its message and
// stays as typed; the form adds nothing meanwhile.
TEST_F(SightTabTest, AWrongNumberIsKeptAndRefused) {
  EXPECT_TRUE(Text("lbSightError").isEmpty());  // untouched: Hs not typed yet, and no error for it
  EXPECT_FALSE(Get("btnAdd")->isEnabled());
  Activate();
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 04°30,0'"));  // a sight with a warning
  ASSERT_FALSE(Text("lbSightWarning").isEmpty());
  const QStringList good = Sheet();
  const struct { const char* field; const char* keys; const char* clean; const char* error; const char* where; } cases[] = {
      {"dsEye", "-5", "-5,0", "Высота глаза: допустимо от 0,0 до 100,0 м", "lbSightError"},
      {"dsTemperature", "-", "-", "Температура: введите число", "lbSightError"},
      {"dsCourse", "400", "400,0", "Курс: допустимо от 0,0 до 359,9°", "lbReckoningError"},
      {"dsSpeed", "120", "120,0", "Скорость: допустимо от 0,0 до 99,9 уз", "lbReckoningError"},
  };
  for (const auto& c : cases) {
    auto* field = Get<QDoubleSpinBox>(c.field);
    const QString was = field->text();
    Type(field, QString::fromUtf8(c.keys));
    Get<TMaskEdit>("meFi")->setFocus();  // leaving the field keeps the text
    ASSERT_TRUE(RunUntil([&] { return !field->hasFocus(); }));
    EXPECT_EQ(field->cleanText(), QString::fromUtf8(c.clean)) << c.field;
    EXPECT_EQ(Text(c.where), QString::fromUtf8(c.error)) << c.field;
    if (QString::fromLatin1(c.where) == QLatin1String("lbSightError")) {
      EXPECT_FALSE(Get("btnAdd")->isEnabled()) << c.field;
      EXPECT_TRUE(Text("lbSightWarning").isEmpty()) << c.field;  // not the last good sight's
      EXPECT_EQ(Sheet(), good) << c.field;
    }
    Type(field, was);
    EXPECT_TRUE(Text(c.where).isEmpty()) << c.field << " " << Text(c.where).toStdString();
  }
  EXPECT_TRUE(Get("btnAdd")->isEnabled());
  EXPECT_FALSE(Text("lbSightWarning").isEmpty());
  // The arrows keep within the range: the course goes round, the eye stops.
  auto* course = Get<QDoubleSpinBox>("dsCourse");
  course->setValue(359.9);
  course->stepBy(1);
  EXPECT_EQ(course->cleanText(), QStringLiteral("000,0"));  // the program writes a course with three digits
  course->stepBy(-2);
  EXPECT_EQ(course->cleanText(), QStringLiteral("359,8"));
  auto* eye = Get<QDoubleSpinBox>("dsEye");
  eye->setValue(0);
  eye->stepBy(-1);
  EXPECT_EQ(eye->cleanText(), QStringLiteral("0,0"));
  EXPECT_TRUE(errors.isEmpty());
}

// "Засечка" and F5: the clock's instant in the form's zone, corrected by the
// chronometer correction; nothing else of the form changes.
TEST_F(SightTabTest, TheMarkTakesTheCorrectedClockInTheFormsZone) {
  Activate();
  QDateTime clock;
  tab->SetClock([&] { return clock; });
  Get<QComboBox>("cbBody")->setCurrentIndex(2);
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 27°23,7'"));
  const struct { QDateTime clock; int zone; double correction; QDate date; QTime time; bool key; } cases[] = {
      // A computer three hours east of Greenwich, the form in zone 2 W.
      {QDateTime(QDate(2025, 3, 20), QTime(21, 59, 58, 700), Qt::OffsetFromUTC, 3 * 3600), -2, 0,
       QDate(2025, 3, 20), QTime(16, 59, 59), false},
      // The zone carries it into the next day, the correction into the next minute.
      {QDateTime(QDate(2025, 3, 20), QTime(21, 59, 58, 700), Qt::OffsetFromUTC, 3 * 3600), 12, 1.5,
       QDate(2025, 3, 21), QTime(7, 0, 0), true},
      // A slow clock just before midnight in Greenwich: the correction changes the date.
      {QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59, 900), Qt::UTC), 0, 0.3, QDate(2026, 1, 1), QTime(0, 0, 0), true},
      // A fast clock, a correction below zero, a zone west.
      {QDateTime(QDate(2025, 3, 1), QTime(0, 0, 5), Qt::UTC), -1, -10, QDate(2025, 2, 28), QTime(22, 59, 55), false},
  };
  for (const auto& c : cases) {
    clock = c.clock;
    ShowZone(c.zone, Get<TSpinEdit>("seZone"), Get<TSpeedButton>("sbZone"));
    // One comparison, no rate: the same correction at every instant.
    tab->SetChronometer({{{TShipTime{0, 0, 0, 0, 1, 1, 2025}, static_cast<Extended>(c.correction)}}, std::nullopt});
    if (c.key) {
      QTest::keyClick(Get("meHs"), Qt::Key_F5);
    } else {
      Get<QPushButton>("btnMark")->click();
    }
    EXPECT_EQ(Get<QDateEdit>("dpSight")->date(), c.date) << c.clock.toString(Qt::ISODateWithMs).toStdString();
    EXPECT_EQ(Get<QTimeEdit>("tpSight")->time(), c.time) << c.clock.toString(Qt::ISODateWithMs).toStdString();
    EXPECT_EQ(Get<TMaskEdit>("meHs")->text(), QStringLiteral("Hs = 27°23,7'"));
    EXPECT_EQ(Get<TSpinEdit>("seStar")->value(), 46);
    EXPECT_EQ(ReadZone(Get<TSpinEdit>("seZone"), Get<TSpeedButton>("sbZone")), c.zone);
  }
  // A clock past the fields' last date changes nothing, and says so.
  const QDate before = Get<QDateEdit>("dpSight")->date();
  clock = QDateTime(QDate(2100, 1, 1), QTime(12, 0, 0), Qt::UTC);
  Get<QPushButton>("btnMark")->click();
  EXPECT_EQ(Get<QDateEdit>("dpSight")->date(), before);
  EXPECT_EQ(Text("lbSightError"), QStringLiteral("Дата засечки вне допустимых пределов (1930–2099)"));
  EXPECT_FALSE(Get("btnMark")->toolTip().isEmpty());
  EXPECT_FALSE(Get("btnChronometer")->toolTip().isEmpty());
  EXPECT_TRUE(errors.isEmpty());
}

// The mark with a rate: the correction at the clock's instant, u₀ + ω·days,
// worked by hand; the fraction rounded to the nearest second, a half up.
TEST_F(SightTabTest, TheMarkTakesTheRecordsCorrectionAtTheClocksInstant) {
  Activate();
  const QDateTime clock(QDate(2025, 3, 20), QTime(12, 0, 0), Qt::UTC);
  tab->SetClock([&] { return clock; });
  ShowZone(0, Get<TSpinEdit>("seZone"), Get<TSpeedButton>("sbZone"));
  const TShipTime twoDaysBefore{0, 12, 0, 0, 18, 3, 2025};
  const TShipTime fourDaysBefore{3, 15, 0, 0, 16, 3, 2025};  // 12:00 UT
  const struct { const char* name; TChronometerRecord record; QTime time; } cases[] = {
      {"none: the clock as it is", {}, QTime(12, 0, 0)},
      {"1,0 s and 0,6 s/сут for 2 days: 2,2 s", {{{twoDaysBefore, 1.0L}}, 0.6L}, QTime(12, 0, 2)},
      {"a half second rounds up", {{{twoDaysBefore, 0.5L}}, std::nullopt}, QTime(12, 0, 1)},
      {"fast 3,4 s, gaining 0,3 s/сут for 2 days: −4,0 s", {{{twoDaysBefore, -3.4L}}, -0.3L}, QTime(11, 59, 56)},
      // From two comparisons: −2,0 → −1,0 in 2 days, 0,5 s/сут; at 2 days on, −1,0 + 1,0 = 0,0.
      {"the rate from two comparisons", {{{fourDaysBefore, -2.0L}, {twoDaysBefore, -1.0L}}, std::nullopt},
       QTime(12, 0, 0)},
      {"−0,4 s: 11:59:59,6 rounds to 12:00:00", {{{fourDaysBefore, -2.4L}, {twoDaysBefore, -1.4L}}, std::nullopt},
       QTime(12, 0, 0)},
      {"−0,6 s: 11:59:59,4 rounds to 11:59:59", {{{fourDaysBefore, -2.6L}, {twoDaysBefore, -1.6L}}, std::nullopt},
       QTime(11, 59, 59)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tab->SetChronometer(c.record);
    Get<QPushButton>("btnMark")->click();
    EXPECT_EQ(Get<QDateEdit>("dpSight")->date(), QDate(2025, 3, 20));
    EXPECT_EQ(Get<QTimeEdit>("tpSight")->time(), c.time);
  }
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
