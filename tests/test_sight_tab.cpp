// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The "Обработка наблюдений" tab driven through its controls offscreen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <functional>
#include <memory>
#include <tuple>

#include "MainWindowFixture.h"
#include "fixpanel/PlottingSheet.h"
#include "printing/SightLogPrint.h"
#include "reports/PositionText.h"
#include "reports/SightSheet.h"
#include "sights/FixErrors.h"
#include "sights/Sailing.h"
#include "sighttab/SightTab.h"

namespace tarvel {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// The main window's values: 20 March 2025, 19:00 in zone 2 W, at the dead
// reckoning 44°55'N 30°17'W, Sirius selected.
TAlmanacInputs MainValues() {
  TAlmanacInputs in;
  in.Time.Zone = -2, in.Time.Hour = 19, in.Time.Day = 20, in.Time.Month = 3, in.Time.Year = 2025;
  in.Latitude = 44 + 55 / 60.0L, in.Longitude = -(30 + 17 / 60.0L), in.StarNumber = 46;
  return in;
}

// The true track: 45°01,2'N 29°57,0'W at 19:52, course 060°, 12 knots.
constexpr TPosition kTruth{45.02L, -29.95L};

class SightTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousSink = SetErrorSink([this](const QString& message) { errors << message; });
    tab = std::make_unique<TSightTab>();
    tab->resize(1270, 860);
    tab->Follow(MainValues());
  }
  void TearDown() override {
    tab.reset();
    SetErrorSink(previousSink);
  }

  template <class T = QWidget>
  T* Get(const char* name) const {
    T* child = tab->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QString Text(const char* label) const { return Get<QLabel>(label)->text(); }
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

  // A star taken at 19:mm:ss from the true track, `error` minutes off.
  void Enter(std::int32_t star, std::int32_t minute, std::int32_t second, Extended error = 0) {
    Get<QComboBox>("cbBody")->setCurrentIndex(2);
    Get<TSpinEdit>("seStar")->setValue(star);
    Get<QTimeEdit>("tpSight")->setTime(QTime(19, minute, second));
    TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010};
    const TPosition there = CarryPosition(kTruth, 60, 12, ((minute - 52) * 60 + second) / 3600.0L);
    Get<TMaskEdit>("meHs")->setMaskedText(HsText(SextantAltitude(s, ReduceSight(s, there.Lat, there.Lon).Hc + error / 60, there.Lat, there.Lon)));
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

  std::unique_ptr<TSightTab> tab;
  QStringList errors;
  ErrorSink previousSink;
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
  const TSight sun{TBody::SunLowerLimb, 46, -2, 16, 10, 24, 20, 3, 2025, 20 + 52.2L / 60, -1.5L, 12.5L, -3.2L, 1022};
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
  const TSight star{TBody::Star, 46, -2, 19, 40, 12, 20, 3, 2025, 27 + 23.7L / 60, -1.5L, 12.5L, -3.2L, 1022};
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
    const TSight sight{static_cast<TBody>(k), 1, -2, 19, 0, 0, 20, 3, 2025, 30, 0, 10, 10, 1010};
    EXPECT_EQ(body->itemText(k), Q(BodyText(sight))) << k;
  }
  EXPECT_EQ(body->itemText(2), QStringLiteral("Звезда"));

  // The waning Moon low in the west at 07:00, then its upper limb, then
  // Jupiter at dusk: each worksheet the reduction of the inputs.
  Get<QTimeEdit>("tpSight")->setTime(QTime(7, 0, 0));
  Get<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 10°12,4'"));
  body->setCurrentIndex(static_cast<int>(TBody::MoonLowerLimb));
  const Extended lat = 44 + 55 / 60.0L, lon = -(30 + 17 / 60.0L);
  TSight moon{TBody::MoonLowerLimb, 46, -2, 7, 0, 0, 20, 3, 2025, 10 + 12.4L / 60, 0, 10, 10, 1013};
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
  const struct { const char* field; double value; QString error; } numbers[] = {
      {"dsIndex", -60, Q(kSightIndexError)},
      {"dsEye", 100.1, Q(kSightEyeHeightError)},
      {"dsTemperature", 61, Q(kSightTemperatureError)},
      {"dsPressure", 849, Q(kSightPressureError)},
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
  const TSight polaris{TBody::Star, 160, -2, 19, 0, 0, 20, 3, 2025, 45 + 18.3L / 60, 0, 10, 10, 1010};
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
  EXPECT_EQ(Cell(1, 1), QStringLiteral("Сириус"));
  EXPECT_EQ(Cell(0, 1), QStringLiteral("Полярная"));  // its 5' blunder is no warning
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
  EXPECT_EQ(Cell(1, 1), QStringLiteral("Регул"));
  EXPECT_FALSE(tab->Fix().Fix);
  EXPECT_EQ(Text("lbFixError"), Q(kFixTooFewError));
  EXPECT_TRUE(Text("lbFix").isEmpty());
  EXPECT_FALSE(Get("btnFixToMain")->isEnabled());
  EXPECT_EQ(sheet->Plot().Lines.size(), 2U);
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
  EXPECT_TRUE(Text("lbFix").contains(QStringLiteral("Невязки больше ожидаемых при СКП 1,0′: проверьте наблюдение 1 — Полярная 19:49")))
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

}  // namespace
}  // namespace tarvel
