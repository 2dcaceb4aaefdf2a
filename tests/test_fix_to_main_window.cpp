// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The fix of the navigation window carried into the main window's position.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTimeEdit>
#include <tuple>

#include "MainWindowFixture.h"
#include "reports/PositionText.h"
#include "sights/Sailing.h"
#include "sighttab/SightTab.h"

namespace tarvel {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

constexpr TPosition kTruth{45.02L, -29.95L};

TEST_F(MainWindowTest, TheFixButtonSetsTheMainWindowsPosition) {
  Create(QDateTime(QDate(2025, 3, 20), QTime(19, 0, 0)));
  Get<TSpinEdit>("seNCH")->setValue(2);
  Get<TSpeedButton>("ChangeBtn")->click();
  Fi()->setMaskedText(QStringLiteral("Ш = 44°55,00'"));
  Lam()->setMaskedText(QStringLiteral("Д = 030°17,00'"));
  Get<TSpeedButton>("sbLam")->click();
  Get<TSpeedButton>("SpeedButton3")->click();
  QWidget* navigation = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("Form3")) navigation = w;
  }
  ASSERT_NE(navigation, nullptr);
  auto* sights = navigation->findChild<TSightTab*>(QStringLiteral("SightTab"));
  ASSERT_NE(sights, nullptr);
  EXPECT_EQ(sights->findChild<TMaskEdit*>(QStringLiteral("meFi"))->text(), QStringLiteral("Ш = 44°55,00'"));

  const auto child = [&](auto* kind, const char* name) {
    return sights->findChild<std::remove_pointer_t<decltype(kind)>*>(QString::fromLatin1(name));
  };
  child(static_cast<QDoubleSpinBox*>(nullptr), "dsCourse")->setValue(60);
  child(static_cast<QDoubleSpinBox*>(nullptr), "dsSpeed")->setValue(12);
  child(static_cast<QComboBox*>(nullptr), "cbBody")->setCurrentIndex(2);
  for (const auto& [star, minute, second] : {std::tuple{46, 40, 12}, {67, 46, 5}, {28, 52, 0}}) {
    child(static_cast<TSpinEdit*>(nullptr), "seStar")->setValue(star);
    child(static_cast<QTimeEdit*>(nullptr), "tpSight")->setTime(QTime(19, minute, second));
    TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010};
    const TPosition there = CarryPosition(kTruth, 60, 12, ((minute - 52) * 60 + second) / 3600.0L);
    child(static_cast<TMaskEdit*>(nullptr), "meHs")
        ->setMaskedText(HsText(SextantAltitude(s, ReduceSight(s, there.Lat, there.Lon).Hc, there.Lat, there.Lon)));
    child(static_cast<QPushButton*>(nullptr), "btnAdd")->click();
  }
  ASSERT_TRUE(sights->Fix().Fix);
  const TFix fix = *sights->Fix().Fix;
  // The main window has gone on meanwhile, to another day in another zone:
  // the fix brings back its own instant, that of its last sight (19:52:00).
  Get<TSpinEdit>("seNCH")->setValue(5);
  Get<TSpeedButton>("ChangeBtn")->click();
  Get<QDateEdit>("DatePicker")->setDate(QDate(2025, 3, 22));
  Get<QTimeEdit>("TimePicker")->setTime(QTime(3, 4, 5));
  Get<QCheckBox>("CheckBox1")->setChecked(true);  // automatic time, which the fix switches off
  sights->findChild<QPushButton*>(QStringLiteral("btnFixToMain"))->click();
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(2025, 3, 20));
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(19, 52, 0));
  EXPECT_EQ(Get<TSpinEdit>("seNCH")->value(), 2);
  EXPECT_EQ(Get<TSpeedButton>("ChangeBtn")->text(), "W");
  EXPECT_EQ(form->Zone(), -2);
  EXPECT_FALSE(Get<QCheckBox>("CheckBox1")->isChecked());
  const TCoord expected = CoordFromDegrees(fix.Lat, fix.Lon);
  EXPECT_EQ(Fi()->text(), Q(expected.F().Strings()).chopped(1));
  EXPECT_EQ(Lam()->text(), Q(expected.L().Strings()).chopped(1));
  EXPECT_EQ(Get<TSpeedButton>("sbFi")->text(), "N");
  EXPECT_EQ(Get<TSpeedButton>("sbLam")->text(), "W");
  // The main window has recalculated for its new position, to the
  // hundredth of a minute its fields hold.
  EXPECT_NEAR(static_cast<double>(form->Latitude()), static_cast<double>(fix.Lat), 0.5 / 6000);
  EXPECT_NEAR(static_cast<double>(form->Longitude()), static_cast<double>(fix.Lon), 0.5 / 6000);
  EXPECT_EQ(Caption("Label23").isEmpty(), false);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, SetPositionWritesTheFieldsAsTheUserWould) {
  Create();
  EnterWorkedExample();
  const struct { Extended lat, lon; const char* fi; const char* sbFi; const char* lam; const char* sbLam; } cases[] = {
      {-(33 + 27.25L / 60), -(70 + 39.999L / 60), "Ш = 33°27,25'", "S", "Д = 070°40,00'", "W"},
      {55.75L, 37.6L, "Ш = 55°45,00'", "N", "Д = 037°36,00'", "E"},
      {0, -180, "Ш = 00°00,00'", "N", "Д = 180°00,00'", "W"},
  };
  for (const auto& c : cases) {
    form->SetPosition(c.lat, c.lon);
    EXPECT_EQ(Fi()->text(), QString::fromUtf8(c.fi));
    EXPECT_EQ(Get<TSpeedButton>("sbFi")->text(), c.sbFi);
    EXPECT_EQ(Lam()->text(), QString::fromUtf8(c.lam));
    EXPECT_EQ(Get<TSpeedButton>("sbLam")->text(), c.sbLam);
    EXPECT_NEAR(static_cast<double>(form->Latitude()), static_cast<double>(c.lat), 0.5 / 6000);
  }
  // The results are those of the position typed in by hand.
  const QStringList set = ResultCaptions();
  Fi()->setMaskedText(QStringLiteral("Ш = 10°00,00'"));
  Fi()->setMaskedText(QStringLiteral("Ш = 00°00,00'"));
  EXPECT_EQ(ResultCaptions(), set);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
