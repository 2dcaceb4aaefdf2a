// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QToolTip>

#include "MainWindowFixture.h"
#include "app/About.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

TEST_F(MainWindowTest, StartUpState) {
  Create(QDateTime(QDate(2031, 8, 17), QTime(14, 25, 36)));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Тарвел"));
  EXPECT_EQ(form->size(), QSize(723, 414));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(2031, 8, 17));
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(14, 25, 36));
  EXPECT_EQ(Get<TSpinEdit>("seNCH")->value(), 3);
  EXPECT_EQ(Get<TSpeedButton>("ChangeBtn")->text(), "E");
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 00°00,00'"));
  EXPECT_EQ(Lam()->text(), QStringLiteral("Д = 000°00,00'"));
  EXPECT_EQ(Fi()->maskedText(), QStringLiteral("Ш =   °  ,  '"));
  EXPECT_EQ(Lam()->maskedText(), QStringLiteral("Д =    °  ,  '"));
  EXPECT_EQ(Get<TSpeedButton>("sbFi")->text(), "N");
  EXPECT_EQ(Get<TSpeedButton>("sbLam")->text(), "E");
  EXPECT_EQ(Get<TSpinEdit>("seNumStar")->value(), 1);
  EXPECT_EQ(Caption("Label18"), QStringLiteral("Андромеды (Альферас) "));
  EXPECT_EQ(Caption("Label26"), QStringLiteral("α"));
  EXPECT_FALSE(Get<QCheckBox>("CheckBox1")->isChecked());
  EXPECT_FALSE(Get<QTimer>("Timer1")->isActive());
  EXPECT_EQ(form->StarNumber(), 1);
  EXPECT_EQ(form->Zone(), 3);
  for (const QString& text : ResultCaptions()) EXPECT_FALSE(text.startsWith("Label")) << text.toStdString();
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
}

TEST_F(MainWindowTest, LayoutOfTheControls) {
  Create();
  const struct { const char* name; QRect geometry; } controls[] = {
      {"SpeedButton2", {445, 368, 198, 35}}, {"Label15", {408, 85, 193, 24}}, {"ChangeBtn", {671, 81, 25, 26}},
      {"sbFi", {510, 44, 25, 24}},           {"sbLam", {673, 44, 24, 24}},   {"Label30", {295, 41, 88, 33}},
      {"SpeedButton1", {81, 368, 198, 35}},  {"TimePicker", {153, 81, 108, 24}}, {"CheckBox1", {30, 15, 251, 21}},
      {"DatePicker", {73, 44, 190, 24}},     {"seNCH", {605, 81, 60, 26}},   {"meFi", {391, 44, 112, 24}},
      {"meLam", {543, 44, 122, 24}},         {"GroupBox1", {16, 121, 329, 232}}, {"GroupBox2", {361, 121, 344, 232}},
      {"seNumStar", {238, 22, 68, 26}},      {"Bevel3", {18, 167, 290, 1}},  {"Bevel2", {22, 167, 305, 1}},
  };
  for (const auto& c : controls) EXPECT_EQ(Get(c.name)->geometry(), c.geometry) << c.name;
  // Value labels keep their left edge whatever their text.
  const struct { const char* name; QPoint at; } labels[] = {
      {"Label1", {221, 25}}, {"Label2", {221, 55}}, {"Label34", {221, 82}}, {"Label3", {221, 110}},
      {"Label4", {221, 138}}, {"Label19", {221, 180}}, {"Label21", {221, 204}}, {"Label12", {230, 82}},
      {"Label32", {230, 110}}, {"Label11", {230, 138}}, {"Label23", {230, 180}}, {"Label25", {230, 204}},
      {"Label26", {126, 50}}, {"Label18", {145, 54}}, {"Label5", {20, 25}}, {"Label14", {23, 28}}};
  for (const auto& l : labels) EXPECT_EQ(Get(l.name)->pos(), l.at) << l.name;
  EXPECT_EQ(Caption("Label5"), QStringLiteral("Точка Овна           Sгр  = "));
  EXPECT_EQ(Caption("Label31"), QStringLiteral("Звездное    дополнение :"));
  EXPECT_EQ(Get<TSpeedButton>("SpeedButton1")->text(), QStringLiteral("О программе..."));
  EXPECT_EQ(Get<TSpeedButton>("SpeedButton2")->text(), QStringLiteral("В ы х о д"));
  EXPECT_EQ(Get<TSpeedButton>("SpeedButton2")->toolTip(), QStringLiteral("Выход из программы"));
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->minimumDate(), QDate(1930, 1, 1));
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->maximumDate(), QDate(2099, 12, 31));
  EXPECT_EQ(Get<TSpinEdit>("seNCH")->maximum(), 12);
  EXPECT_EQ(Get<TSpinEdit>("seNumStar")->maximum(), 161);
  EXPECT_EQ(Get<TSpinEdit>("seNumStar")->minimum(), 0);
  // Keyboard order through the inputs.
  // (The spin boxes' and pickers' own inner editors are not controls of ours.)
  QWidget* w = Get("CheckBox1");
  QStringList order;
  while (order.size() < 7) {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().startsWith("qt_")) order << w->objectName();
    w = w->nextInFocusChain();
  }
  EXPECT_EQ(order.join(' ').toStdString(), "CheckBox1 DatePicker TimePicker seNCH meFi meLam seNumStar");
}

TEST_F(MainWindowTest, WholeExampleSunGroupAndHorizon) {
  Create();
  EnterWorkedExample();
  EXPECT_EQ(Caption("Label1"), QStringLiteral("280° 27,40'"));
  EXPECT_EQ(Caption("Label2"), QStringLiteral("036° 47,79'"));
  EXPECT_EQ(Caption("Label34"), QStringLiteral("281° 16,60'"));
  EXPECT_EQ(Caption("Label3"), QStringLiteral("023° 01,97' S"));
  EXPECT_EQ(Caption("Label4"), QStringLiteral("16,29'"));
  EXPECT_EQ(Caption("Label19"), QStringLiteral("05° 14,43'"));
  EXPECT_EQ(Caption("Label21"), QStringLiteral("213,61°"));
  EXPECT_EQ(form->Zone(), 0);
  EXPECT_EQ(form->Latitude(), 45 * OneSixtieth + 55);
  EXPECT_EQ(form->Longitude(), 37 * OneSixtieth + 37);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, WholeExampleStarGroup) {
  Create();
  EnterWorkedExample();
  Get<TSpinEdit>("seNumStar")->setValue(46);
  EXPECT_EQ(form->StarNumber(), 46);
  EXPECT_EQ(Caption("Label18"), QStringLiteral("Большого Пса (Сириус)"));
  // The main window shows the catalogue's text exactly, blank or none.
  Get<TSpinEdit>("seNumStar")->setValue(153);
  EXPECT_EQ(Caption("Label18"), QStringLiteral("Козерога(Денеб Альгиеди)"));
  Get<TSpinEdit>("seNumStar")->setValue(46);
  EXPECT_EQ(Caption("Label26"), QStringLiteral("α"));
  EXPECT_EQ(Caption("Label12"), QStringLiteral("216° 47,00'"));
  EXPECT_EQ(Caption("Label32"), QStringLiteral("258° 42,61'"));
  EXPECT_EQ(Caption("Label11"), QStringLiteral("016° 43,05' S"));
  EXPECT_EQ(Caption("Label23"), QStringLiteral("-42° 01,59'"));
  EXPECT_EQ(Caption("Label25"), QStringLiteral("050,54°"));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, TypedDigitsReachTheResults) {
  Create();
  EnterWorkedExample();
  const QStringList before = ResultCaptions();
  Fi()->setMaskedText(QStringLiteral("Ш =   °  ,  '"));
  Fi()->setFocus();
  Fi()->setCursorPosition(0);
  QTest::keyClicks(Fi(), "554500");  // the caret skips the literals
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 55°45,00'"));
  EXPECT_EQ(ResultCaptions(), before);
}

TEST_F(MainWindowTest, RejectedLatitudeIsRepairedSilentlyAndStopsAutomaticTime) {
  Create();
  EnterWorkedExample();
  auto* check = Get<QCheckBox>("CheckBox1");
  check->setChecked(true);
  const QStringList before = ResultCaptions();
  Fi()->setCursorPosition(4);
  QTest::keyClick(Fi(), '9');  // 95°45' is no latitude
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 55°45,00'"));
  EXPECT_EQ(form->Coord().F().Grad(), 55);
  EXPECT_FALSE(check->isChecked());
  EXPECT_FALSE(Get<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(Get("DatePicker")->isEnabled());
  EXPECT_TRUE(Get("TimePicker")->isEnabled());
  EXPECT_EQ(ResultCaptions(), before);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, RejectedLongitudeKeepsTheNewLatitude) {
  Create();
  EnterWorkedExample();
  Get<TSpeedButton>("sbFi")->click();
  Lam()->setMaskedText(QStringLiteral("Д = 200°00,00'"));
  EXPECT_EQ(Lam()->text(), QStringLiteral("Д = 037°37,00'"));
  EXPECT_EQ(form->Coord().F().Sgn(), TSgn::S);
  EXPECT_EQ(Get<TSpeedButton>("sbFi")->text(), "S");
  EXPECT_EQ(form->Latitude(), -(45 * OneSixtieth + 55));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, WestLongitudeOf180IsAccepted) {
  Create();
  Lam()->setMaskedText(QStringLiteral("Д = 180°00,00'"));
  Get<TSpeedButton>("sbLam")->click();
  EXPECT_EQ(Get<TSpeedButton>("sbLam")->text(), "W");
  EXPECT_EQ(form->Longitude(), -180);
  Get<TSpeedButton>("sbLam")->click();
  EXPECT_EQ(form->Longitude(), 180);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, ZoneFollowsTheSpinEditAndTheButton) {
  Create();
  auto* zone = Get<TSpinEdit>("seNCH");
  auto* sign = Get<TSpeedButton>("ChangeBtn");
  zone->setValue(5);
  sign->click();
  EXPECT_EQ(sign->text(), "W");
  EXPECT_EQ(form->Zone(), -5);
  sign->click();
  EXPECT_EQ(sign->text(), "E");
  EXPECT_EQ(form->Zone(), 5);
  sign->click();
  zone->setValue(0);
  EXPECT_EQ(form->Zone(), 0);
  sign->click();
  EXPECT_EQ(sign->text(), "E");
  EXPECT_EQ(form->Zone(), 0);
  zone->setValue(12);
  EXPECT_EQ(form->Zone(), 12);
}

TEST_F(MainWindowTest, SpinEditEndsCallNoHandler) {
  Create();
  form->show();
  auto* zone = Get<TSpinEdit>("seNCH");
  int changes = 0;
  QObject::connect(zone, &TSpinEdit::valueChanged, [&] { ++changes; });
  // A recalculation rewrites every result label, this mark included.
  auto* aries = Get<QLabel>("Label1");
  const QString mark = QStringLiteral("?");
  // A step beyond either end by the program, the key or the arrow button.
  const auto arrow = [zone](QStyle::SubControl part) {
    QStyleOptionSpinBox option;
    option.initFrom(zone);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.frame = zone->hasFrame();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    return zone->style()->subControlRect(QStyle::CC_SpinBox, &option, part, zone).center();
  };
  const struct { int end; bool up; } ends[] = {{12, true}, {0, false}};
  for (const auto& e : ends) {
    SCOPED_TRACE(e.up ? "above 12" : "below 0");
    zone->setValue(e.end);
    changes = 0;
    aries->setText(mark);
    e.up ? zone->stepUp() : zone->stepDown();
    QTest::keyClick(zone, e.up ? Qt::Key_Up : Qt::Key_Down);
    const QPoint button = arrow(e.up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown);
    QTest::mouseClick(zone, Qt::LeftButton, Qt::NoModifier, button);
    EXPECT_EQ(zone->value(), e.end);
    EXPECT_EQ(form->Zone(), e.end);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(aries->text(), mark);  // no recalculation
  }
  // The arrows are where the test clicks: away from the ends they step.
  QTest::mouseClick(zone, Qt::LeftButton, Qt::NoModifier, arrow(QStyle::SC_SpinBoxUp));
  EXPECT_EQ(zone->value(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(aries->text(), mark);
  QTest::keyClicks(zone, "7");  // typing is refused
  EXPECT_EQ(zone->value(), 1);
}

TEST_F(MainWindowTest, SignTypedAfterADigitIsReportedAndChangesNothing) {
  Create();
  EnterWorkedExample();
  const QStringList before = ResultCaptions();
  Fi()->setCursorPosition(5);
  QTest::keyClick(Fi(), '-');
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 5-°45,00'"));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("'5-' is not a valid integer value"));
  EXPECT_EQ(ResultCaptions(), before);
  EXPECT_EQ(form->Latitude(), 45 * OneSixtieth + 55);
}

TEST_F(MainWindowTest, AutomaticTimeGreysThePickersAndFollowsTheClock) {
  Create(QDateTime(QDate(2024, 3, 20), QTime(1, 30, 0)));
  auto* check = Get<QCheckBox>("CheckBox1");
  auto* timer = Get<QTimer>("Timer1");
  EXPECT_EQ(timer->interval(), 1000);
  timer->setInterval(1);  // ticks without waiting for real seconds
  check->setChecked(true);
  EXPECT_TRUE(timer->isActive());
  EXPECT_FALSE(Get("DatePicker")->isEnabled());
  EXPECT_FALSE(Get("TimePicker")->isEnabled());
  now = QDateTime(QDate(2015, 2, 10), QTime(23, 45, 10));
  Get<TSpinEdit>("seNCH")->setValue(11);
  Get<TSpeedButton>("ChangeBtn")->click();
  const long readings = clockReadings;
  ASSERT_TRUE(RunUntil([&] { return clockReadings > readings; }));
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(2015, 2, 10));
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(23, 45, 10));
  EXPECT_EQ(Caption("Label1"), QStringLiteral("302° 28,50'"));
  check->setChecked(false);
  EXPECT_FALSE(Get<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(Get("DatePicker")->isEnabled());
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(23, 45, 10));
}

TEST_F(MainWindowTest, MillisecondsNeverChangeAResult) {
  Create();
  EnterWorkedExample();
  Get<QTimeEdit>("TimePicker")->setTime(QTime(12, 0, 0, 1));
  const QStringList early = ResultCaptions();
  Get<QTimeEdit>("TimePicker")->setTime(QTime(12, 0, 0, 999));
  EXPECT_EQ(ResultCaptions(), early);
  EXPECT_EQ(Caption("Label1"), QStringLiteral("280° 27,40'"));
}

TEST_F(MainWindowTest, ClockBeyondThePickerRangeIsReportedOnceAtStartUp) {
  Create(QDateTime(QDate(2100, 1, 5), QTime(10, 0, 0)));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("Date exceeds maximum of 31.12.2099"));
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(2099, 12, 31));
  EXPECT_EQ(form->StarNumber(), 1);
  EXPECT_EQ(form->Zone(), 3);
  for (const QString& text : ResultCaptions()) EXPECT_FALSE(text.startsWith("Label")) << text.toStdString();
}

TEST_F(MainWindowTest, ClockBeforeThePickerRangeIsMetOnEveryTickAndReportedOnce) {
  Create(QDateTime(QDate(1929, 12, 31), QTime(23, 0, 0)));
  const QString less = QStringLiteral("Date is less than minimum of 01.01.1930");
  ASSERT_EQ(errors, QStringList({less}));
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(1930, 1, 1));
  const QTime time = Get<QTimeEdit>("TimePicker")->time();
  const QStringList before = ResultCaptions();
  auto* check = Get<QCheckBox>("CheckBox1");
  Get<QTimer>("Timer1")->setInterval(1);
  check->setChecked(true);
  const long readings = clockReadings;
  ASSERT_TRUE(RunUntil([&] { return clockReadings - readings >= 3; }));
  // Every tick reads the clock and fails where the start did: the pickers
  // and the results stay, and automatic time stays on. The check box is the
  // user's act, so the first tick after it reports the error again, once.
  EXPECT_TRUE(check->isChecked());
  EXPECT_TRUE(Get<QTimer>("Timer1")->isActive());
  check->setChecked(false);
  EXPECT_EQ(errors, QStringList({less, less}));
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(1930, 1, 1));
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), time);
  EXPECT_EQ(ResultCaptions(), before);
}

TEST_F(MainWindowTest, AMissingControlFailsTheTestAndTheSuiteGoesOn) {
  Create();
  bool ended = false;
  EXPECT_NONFATAL_FAILURE(
      {
        try {
          Get<QCheckBox>("Label1");  // there is one, but a label
        } catch (const MissingControl&) {
          ended = true;
        }
      },
      "the window has no QCheckBox named \"Label1\"");
  EXPECT_TRUE(ended);
}

TEST(QtPrinters, AFailingCheckShowsTheValues) {
  using ::testing::PrintToString;
  EXPECT_EQ(PrintToString(QStringLiteral("Ш = 55°45,00'")), "\"Ш = 55°45,00'\"");
  EXPECT_EQ(PrintToString(QStringList({"N", "S"})), "{ \"N\", \"S\" }");
  EXPECT_EQ(PrintToString(QDate(2015, 2, 10)), "2015-02-10");
  EXPECT_EQ(PrintToString(QTime(23, 45, 10, 7)), "23:45:10.007");
  EXPECT_EQ(PrintToString(QDate()), "(invalid date)");
  EXPECT_EQ(PrintToString(QSize(723, 414)), "723x414");
  EXPECT_EQ(PrintToString(QRect(391, 44, 112, 24)), "112x24 at (391, 44)");
  EXPECT_EQ(PrintToString(QColor(255, 0, 255)), "rgba(255, 0, 255, 255)");
}

}  // namespace
}  // namespace tarvel

namespace tarvel {
namespace {

TEST_F(MainWindowTest, AboutButtonShowsTheAboutWindowModeless) {
  Create();
  TForm2 about;
  form->SetAboutWindow(&about);
  form->show();
  EXPECT_FALSE(about.isVisible());
  Get<TSpeedButton>("SpeedButton1")->click();
  EXPECT_TRUE(about.isVisible());
  EXPECT_FALSE(about.isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // The main window keeps working while it is open.
  Get<TSpinEdit>("seNCH")->setValue(7);
  EXPECT_EQ(form->Zone(), 7);
  Get<TSpeedButton>("SpeedButton1")->click();  // again: only brought forward
  EXPECT_TRUE(about.isVisible());
  about.findChild<TSpeedButton*>(QStringLiteral("SpeedButton1"))->click();  // its Ok
  EXPECT_FALSE(about.isVisible());
  Get<TSpeedButton>("SpeedButton1")->click();
  EXPECT_TRUE(about.isVisible());
  about.hide();
}

TEST_F(MainWindowTest, ExitButtonClosesTheMainWindow) {
  Create();
  form->show();
  EXPECT_TRUE(form->isVisible());
  Get<TSpeedButton>("SpeedButton2")->click();
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace tarvel
