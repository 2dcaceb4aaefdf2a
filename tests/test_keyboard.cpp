// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The keyboard in the main window: hemisphere letters in the fields beside
// the flat buttons, arrows on the check box, the pickers' Up and Down.

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "MainWindowFixture.h"
#include "ephemeris/CStars.h"
#include "widgets/HemisphereKeys.h"

namespace tarvel {
namespace {

// A key with its text, as a keyboard of either layout sends it.
void Press(QWidget* widget, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QChar c = text[0].toUpper();
  QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.unicode()), text, modifiers);
}

TEST(HemisphereKeys, ALetterClicksTheButtonOnlyWhenItChangesTheCaption) {
  TMaskEdit field(QStringLiteral("Ш = ##°##,##'"));
  TSpeedButton button;
  button.setText(QStringLiteral("N"));
  button.setToolTip(QStringLiteral("Полушарие"));
  QObject::connect(&button, &TSpeedButton::clicked,
                   [&] { button.setText(button.text() == "N" ? QStringLiteral("S") : QStringLiteral("N")); });
  QSignalSpy clicks(&button, &TSpeedButton::clicked);
  QSignalSpy edits(&field, &TMaskEdit::maskedTextChanged);
  THemisphereKeys::Latitude(&field, &button);
  const struct { const char* key; Qt::KeyboardModifiers modifiers; const char* caption; int clicks; } presses[] = {
      {"s", Qt::NoModifier, "S", 1},   {"S", Qt::ShiftModifier, "S", 1}, {"ю", Qt::NoModifier, "S", 1},
      {"n", Qt::NoModifier, "N", 2},   {"Ю", Qt::ShiftModifier, "S", 3}, {"с", Qt::NoModifier, "N", 4},
      {"С", Qt::ShiftModifier, "N", 4}, {"s", Qt::ControlModifier, "N", 4}, {"s", Qt::AltModifier, "N", 4},
      {"e", Qt::NoModifier, "N", 4},   {"в", Qt::NoModifier, "N", 4},    {"c", Qt::NoModifier, "N", 4},  // Latin c
  };
  for (const auto& p : presses) {
    Press(&field, QString::fromUtf8(p.key), p.modifiers);
    EXPECT_EQ(button.text(), QString::fromUtf8(p.caption)) << p.key;
    EXPECT_EQ(clicks.count(), p.clicks) << p.key;
  }
  EXPECT_EQ(field.maskedText(), QStringLiteral("Ш =   °  ,  '"));
  EXPECT_EQ(edits.count(), 0);
  EXPECT_EQ(button.toolTip(), QStringLiteral("Полушарие\nКлавиши в поле ввода: N или С — север, S или Ю — юг"));
  // A field that outlives its button takes the letters no more.
  auto gone = std::make_unique<TSpeedButton>();
  THemisphereKeys::Longitude(&field, gone.get());
  gone.reset();
  Press(&field, QStringLiteral("w"));
  EXPECT_EQ(field.maskedText(), QStringLiteral("Ш =   °  ,  '"));
}

class KeyboardTest : public MainWindowTest {
 protected:
  void Build() {
    Create();
    EnterWorkedExample();
    Get<TSpinEdit>("seNCH")->setValue(5);
  }
  // The texts of a recalculation for the window's inputs as they stand.
  QStringList ExpectedCaptions() const {
    TAlmanacInputs in{.Time = {form->Zone(), 12, 0, 0, 1, 1, 2000}, .Latitude = form->Latitude(), .Longitude = form->Longitude(),
                      .StarNumber = form->StarNumber()};
    return InLabelOrder(AlmanacTexts(ComputeAlmanac(in), in.Longitude));
  }
};

TEST_F(KeyboardTest, HemisphereLettersInTheFieldsSetTheButtonsAndRecalculate) {
  Build();
  const struct {
    const char* field;
    const char* button;
    const char* key;
    const char* caption;
    bool recalculates;
  } keys[] = {
      {"meFi", "sbFi", "s", "S", true},       {"meFi", "sbFi", "Ю", "S", false},
      {"meFi", "sbFi", "с", "N", true},       {"meFi", "sbFi", "ю", "S", true},
      {"meFi", "sbFi", "w", "S", false},      {"meLam", "sbLam", "З", "W", true},
      {"meLam", "sbLam", "w", "W", false},    {"meLam", "sbLam", "e", "E", true},
      {"meLam", "sbLam", "з", "W", true},     {"meLam", "sbLam", "n", "W", false},
      {"seNCH", "ChangeBtn", "W", "W", true}, {"seNCH", "ChangeBtn", "з", "W", false},
      {"seNCH", "ChangeBtn", "в", "E", true}, {"seNCH", "ChangeBtn", "З", "W", true},
      {"seNCH", "ChangeBtn", "s", "W", false},
  };
  for (const auto& k : keys) {
    const QStringList before = ResultCaptions();
    Press(Get(k.field), QString::fromUtf8(k.key));
    EXPECT_EQ(Get<TSpeedButton>(k.button)->text(), QString::fromUtf8(k.caption)) << k.field << ' ' << k.key;
    // A new sign always moves the results; a key that changes nothing leaves them.
    EXPECT_EQ(ResultCaptions(), ExpectedCaptions()) << k.field << ' ' << k.key;
    EXPECT_EQ(ResultCaptions() != before, k.recalculates) << k.field << ' ' << k.key;
  }
  // South, west, and a western zone: the window holds them, the fields are untouched.
  EXPECT_EQ(form->Latitude(), -(45 * OneSixtieth + 55));
  EXPECT_EQ(form->Longitude(), -(37 * OneSixtieth + 37));
  EXPECT_EQ(form->Zone(), -5);
  EXPECT_EQ(Get<TSpinEdit>("seNCH")->value(), 5);
  EXPECT_EQ(Fi()->text(), QStringLiteral("Ш = 55°45,00'"));
  EXPECT_EQ(Lam()->text(), QStringLiteral("Д = 037°37,00'"));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(KeyboardTest, TheButtonsTooltipsNameTheKeys) {
  Build();
  EXPECT_EQ(Get<TSpeedButton>("sbFi")->toolTip(),
            QStringLiteral("Клавиши в поле ввода: N или С — север, S или Ю — юг"));
  for (const char* button : {"sbLam", "ChangeBtn"}) {
    EXPECT_EQ(Get<TSpeedButton>(button)->toolTip(),
              QStringLiteral("Клавиши в поле ввода: E или В — восток, W или З — запад")) << button;
  }
}

TEST_F(KeyboardTest, ArrowsOnTheCheckBoxGoNowhere) {
  Build();
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  auto* check = Get<QCheckBox>("CheckBox1");
  check->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), check);
  for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down}) {
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget(), check) << QKeySequence(key).toString().toStdString();
  }
  EXPECT_FALSE(check->isChecked());
  EXPECT_EQ(form->StarNumber(), 1);
  QTest::keyClick(check, Qt::Key_Space);
  EXPECT_TRUE(check->isChecked());
  QTest::keyClick(check, Qt::Key_Space);
  QTest::keyClick(check, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Get("DatePicker"));
}

TEST_F(KeyboardTest, TheTimeWrapsRoundTheDateKeepsItsRange) {
  Build();
  auto* time = Get<QTimeEdit>("TimePicker");
  auto* date = Get<QDateEdit>("DatePicker");
  using S = QDateTimeEdit::Section;
  const struct { QTime from; S section; Qt::Key key; QTime to; } times[] = {
      {QTime(12, 0, 59), S::SecondSection, Qt::Key_Up, QTime(12, 0, 0)},
      {QTime(12, 0, 0), S::SecondSection, Qt::Key_Down, QTime(12, 0, 59)},
      {QTime(12, 59, 30), S::MinuteSection, Qt::Key_Up, QTime(12, 0, 30)},
      {QTime(23, 10, 0), S::HourSection, Qt::Key_Up, QTime(0, 10, 0)},
      {QTime(0, 10, 0), S::HourSection, Qt::Key_Down, QTime(23, 10, 0)},
  };
  for (const auto& t : times) {
    time->setTime(t.from);
    time->setCurrentSection(t.section);
    QTest::keyClick(time, t.key);
    EXPECT_EQ(time->time(), t.to) << t.from.toString().toStdString();
  }
  const struct { QDate from; S section; Qt::Key key; } dates[] = {
      {QDate(2099, 12, 31), S::YearSection, Qt::Key_Up},   {QDate(2099, 12, 31), S::DaySection, Qt::Key_Up},
      {QDate(2099, 12, 31), S::MonthSection, Qt::Key_Up},  {QDate(1930, 1, 1), S::YearSection, Qt::Key_Down},
      {QDate(1930, 1, 1), S::DaySection, Qt::Key_Down},
  };
  for (const auto& d : dates) {
    date->setDate(d.from);
    date->setCurrentSection(d.section);
    QTest::keyClick(date, d.key);
    EXPECT_EQ(date->date(), d.from) << d.from.toString().toStdString() << ' ' << d.section;
  }
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
