// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include "QtPrinters.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace tarvel {
namespace {

class MaskEditTest : public ::testing::Test {
 protected:
  TMaskEdit edit{QStringLiteral("Ш = ##°##,##'")};
  QSignalSpy changes{&edit, &TMaskEdit::maskedTextChanged};
};

TEST_F(MaskEditTest, EmptyPlacesShowThePlaceholderAndReadAsBlanks) {
  EXPECT_EQ(edit.text(), QStringLiteral("Ш = 00°00,00'"));
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш =   °  ,  '"));
  EXPECT_EQ(edit.maxLength(), 13);
}

TEST_F(MaskEditTest, SettingLaysTheTextPlaceByPlace) {
  const struct { const char* set; const char* shown; const char* read; } cases[] = {
      {"Ш = 5 °4 , 5'", "Ш = 50°40,05'", "Ш = 5 °4 , 5'"},
      {"Ш = 55°45,50'N", "Ш = 55°45,50'", "Ш = 55°45,5 '"},  // beyond the mask: dropped
      {"Ш = 10°20,30'", "Ш = 10°20,30'", "Ш = 1 °2 ,3 '"},    // a zero reads as a blank
      {"Ш = 1", "Ш = 10°00,00'", "Ш = 1 °  ,  '"},
      {"Xx=x12x34x56x", "Ш = 12°34,56'", "Ш = 12°34,56'"},    // the literals keep their places
      {"Ш = ab°+-,..'", "Ш = 00°+-,00'", "Ш =   °+-,  '"},
  };
  for (const auto& c : cases) {
    edit.setMaskedText(QString::fromUtf8(c.set));
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown)) << c.set;
    EXPECT_EQ(edit.maskedText(), QString::fromUtf8(c.read)) << c.set;
  }
}

TEST_F(MaskEditTest, OnlyARealChangeNotifies) {
  edit.setMaskedText(QStringLiteral("Ш = 55°45,00'"));
  EXPECT_EQ(changes.count(), 1);
  edit.setMaskedText(QStringLiteral("Ш = 55°45,  '"));  // reads the same
  edit.setMaskedText(QStringLiteral("Ш = 55°45,00'N"));
  EXPECT_EQ(changes.count(), 1);
  edit.setCursorPosition(10);
  QTest::keyClick(&edit, '0');  // 0 over a blank place: the text reads the same
  EXPECT_EQ(changes.count(), 1);
  QTest::keyClick(&edit, '7');
  EXPECT_EQ(changes.count(), 2);
}

TEST_F(MaskEditTest, TypingSkipsLiteralsAndRefusesOtherKeys) {
  edit.setCursorPosition(0);
  QTest::keyClicks(&edit, "3a3x5,2");
  EXPECT_EQ(edit.text(), QStringLiteral("Ш = 33°52,00'"));
  QTest::keyClicks(&edit, "+- 9");  // the last places take signs and blanks; the 9 has no place left
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 33°52,+-'"));
  EXPECT_EQ(edit.cursorPosition(), 13);
}

TEST_F(MaskEditTest, BackspaceAndDeleteEmptyAPlace) {
  edit.setMaskedText(QStringLiteral("Ш = 12°34,56'"));
  edit.setCursorPosition(7);  // after "°"
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 1 °34,56'"));
  EXPECT_EQ(edit.cursorPosition(), 5);
  QTest::keyClick(&edit, Qt::Key_Delete);
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 1 °34,56'"));
  edit.setCursorPosition(6);
  QTest::keyClick(&edit, Qt::Key_Delete);  // from the literal to the next place
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 1 ° 4,56'"));
  edit.setCursorPosition(0);
  QTest::keyClick(&edit, Qt::Key_Backspace);  // nothing before the first place
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 1 ° 4,56'"));
}

TEST_F(MaskEditTest, TypingOverASelectionStartsAtItsBeginning) {
  edit.setMaskedText(QStringLiteral("Ш = 12°34,56'"));
  edit.setSelection(8, 5);
  QTest::keyClick(&edit, '9');
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 12°39,56'"));
}

TEST(SpinEdit, StepsClampAndRefuseTyping) {
  TSpinEdit spin;
  spin.setRange(0, 161);
  spin.setValue(1);
  QSignalSpy changes(&spin, &TSpinEdit::valueChanged);
  QTest::keyClick(&spin, Qt::Key_Up);
  QTest::keyClick(&spin, Qt::Key_PageUp);  // one step at a time only
  EXPECT_EQ(spin.value(), 2);
  QTest::keyClicks(&spin, "99");
  EXPECT_EQ(spin.value(), 2);
  spin.setValue(500);
  EXPECT_EQ(spin.value(), 161);
  spin.setValue(161);
  EXPECT_EQ(changes.count(), 2);
  EXPECT_EQ(spin.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, &spin), 400);
  EXPECT_EQ(spin.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, &spin), 100);
}

}  // namespace
}  // namespace tarvel
