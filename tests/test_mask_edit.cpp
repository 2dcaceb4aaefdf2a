// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <functional>

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
  // The selected places are emptied; the digit goes into the first of them.
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 12°39,  '"));
  EXPECT_EQ(edit.cursorPosition(), 10);
  EXPECT_EQ(changes.count(), 2);
}

const QString kLatitude = QStringLiteral("Ш = ##°##,##'");
const QString kLongitude = QStringLiteral("Д = ###°##,##'");

TEST(MaskEditCaret, KeysStopOnPlacesAndAtTheEndOnly) {
  const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
  // Latitude stops: 4 5 7 8 10 11 13; longitude: 4 5 6 8 9 11 12 14.
  const struct {
    const QString& mask;
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int caret, selStart, selLength;
  } cases[] = {
      {kLatitude, 8, Qt::Key_Home, none, 4, -1, 0},   {kLatitude, 4, Qt::Key_End, none, 13, -1, 0},
      {kLatitude, 4, Qt::Key_Right, none, 5, -1, 0},  {kLatitude, 5, Qt::Key_Right, none, 7, -1, 0},
      {kLatitude, 11, Qt::Key_Right, none, 13, -1, 0}, {kLatitude, 13, Qt::Key_Right, none, 13, -1, 0},
      {kLatitude, 13, Qt::Key_Left, none, 11, -1, 0}, {kLatitude, 10, Qt::Key_Left, none, 8, -1, 0},
      {kLatitude, 7, Qt::Key_Left, none, 5, -1, 0},   {kLatitude, 4, Qt::Key_Left, none, 4, -1, 0},
      {kLatitude, 4, Qt::Key_Right, ctrl, 7, -1, 0},  {kLatitude, 10, Qt::Key_Right, ctrl, 13, -1, 0},
      {kLatitude, 8, Qt::Key_Left, ctrl, 7, -1, 0},   {kLatitude, 7, Qt::Key_Left, ctrl, 4, -1, 0},
      {kLatitude, 7, Qt::Key_Left, shift, 5, 5, 2},   {kLatitude, 4, Qt::Key_End, shift, 13, 4, 9},
      {kLatitude, 13, Qt::Key_Home, shift, 4, 4, 9},  {kLatitude, 5, Qt::Key_Right, shift | ctrl, 7, 5, 2},
      {kLongitude, 6, Qt::Key_Right, none, 8, -1, 0}, {kLongitude, 8, Qt::Key_Left, none, 6, -1, 0},
      {kLongitude, 9, Qt::Key_Home, none, 4, -1, 0},  {kLongitude, 4, Qt::Key_End, none, 14, -1, 0},
      {kLongitude, 14, Qt::Key_Left, none, 12, -1, 0}, {kLongitude, 12, Qt::Key_Right, none, 14, -1, 0},
  };
  for (const auto& c : cases) {
    TMaskEdit edit(c.mask);
    edit.setCursorPosition(c.from);
    ASSERT_EQ(edit.cursorPosition(), c.from);
    QTest::keyClick(&edit, c.key, c.mods);
    const std::string where = c.mask.left(1).toStdString() + " from " + std::to_string(c.from) + " key " +
                              QKeySequence(c.key | c.mods).toString().toStdString();
    EXPECT_EQ(edit.cursorPosition(), c.caret) << where;
    EXPECT_EQ(edit.selectionStart(), c.selStart) << where;
    EXPECT_EQ(edit.selectedText().size(), c.selLength) << where;
  }
  // A selection collapses to its start or its end, on a stop.
  TMaskEdit edit(kLatitude);
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_Left);
  EXPECT_EQ(edit.cursorPosition(), 4);
  edit.setSelection(2, 4);
  QTest::keyClick(&edit, Qt::Key_Right);
  EXPECT_EQ(edit.cursorPosition(), 7);
}

TEST(MaskEditCaret, ProgramAndMouseLeaveTheCaretOnAStop) {
  TMaskEdit edit(kLatitude);
  EXPECT_EQ(edit.cursorPosition(), 4);
  QStringList set;
  for (int p = 0; p <= 13; ++p) {
    edit.setCursorPosition(p);
    set << QString::number(edit.cursorPosition());
  }
  EXPECT_EQ(set.join(' '), QStringLiteral("4 4 4 4 4 5 7 7 8 10 10 11 13 13"));
  edit.setMaskedText(QStringLiteral("Ш = 12°34,56'"));
  edit.show();
  QSet<int> reached;
  for (int x = 0; x < edit.width(); ++x) {
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(x, edit.height() / 2));
    reached << edit.cursorPosition();
  }
  EXPECT_EQ(reached, QSet<int>({4, 5, 7, 8, 10, 11, 13}));
  EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 12°34,56'"));
}

TEST(MaskEditSelection, DeleteAndTypingEmptyEverySelectedPlace) {
  const char* full = "Ш = 12°34,56'";
  const struct { const char* text; int start, length; int key; const char* read; int changes; int caret; } cases[] = {
      {full, 0, 13, Qt::Key_Delete, "Ш =   °  ,  '", 1, 4},
      {full, 0, 13, Qt::Key_Backspace, "Ш =   °  ,  '", 1, 4},
      {full, 5, 4, Qt::Key_Delete, "Ш = 1 °  ,56'", 1, 5},
      {full, 0, 4, Qt::Key_Backspace, full, 0, 4},           // literals only
      {"Ш =   °  ,  '", 0, 13, Qt::Key_Delete, "Ш =   °  ,  '", 0, 4},
      {full, 0, 13, '7', "Ш = 7 °  ,  '", 1, 5},
      {full, 10, 2, '5', "Ш = 12°34,5 '", 1, 11},
      {full, 4, 1, '1', full, 0, 5},                        // the same digit again
  };
  for (const auto& c : cases) {
    TMaskEdit edit(kLatitude);
    edit.setMaskedText(QString::fromUtf8(c.text));
    QSignalSpy changes(&edit, &TMaskEdit::maskedTextChanged);
    edit.setSelection(c.start, c.length);
    QTest::keyClick(&edit, static_cast<Qt::Key>(c.key));
    const std::string where = std::string(c.text) + " select " + std::to_string(c.start) + "+" +
                              std::to_string(c.length) + " key " + std::to_string(c.key);
    EXPECT_EQ(edit.maskedText(), QString::fromUtf8(c.read)) << where;
    EXPECT_EQ(changes.count(), c.changes) << where;
    EXPECT_EQ(edit.cursorPosition(), c.caret) << where;
    EXPECT_FALSE(edit.hasSelectedText()) << where;
  }
  // Cleared places show the placeholder; a refused key keeps the selection.
  TMaskEdit edit(kLatitude);
  edit.setMaskedText(QString::fromUtf8(full));
  edit.setSelection(8, 5);
  QTest::keyClick(&edit, 'x');
  EXPECT_EQ(edit.selectedText(), QStringLiteral("4,56'"));
  edit.selectAll();
  QTest::keyClick(&edit, Qt::Key_Delete);
  EXPECT_EQ(edit.text(), QStringLiteral("Ш = 00°00,00'"));
}

TEST(MaskEditPaste, TheClipboardIsLaidOverThePlacesFromTheCaret) {
  const char* full = "Ш = 12°34,56'";
  const struct {
    const QString& mask;
    const char* text;
    int caret, selLength;  // a selection from the caret, or none
    const char* clip;
    const char* shown;
    int changes;
    int after;  // the caret
  } cases[] = {
      {kLatitude, "", 4, 0, "55°45,50", "Ш = 55°45,50'", 1, 13},
      {kLatitude, "", 10, 0, "Ш = 55°45,50'N", "Ш = 55°45,50'", 1, 13},  // a whole field, from anywhere
      {kLatitude, "", 4, 0, "  55°45,50\n", "Ш = 55°45,50'", 1, 13},
      {kLatitude, full, 7, 0, "9", "Ш = 12°94,56'", 1, 8},
      {kLatitude, full, 4, 0, "3°1", "Ш = 30°14,56'", 1, 8},            // the degree sign finds its place
      {kLatitude, full, 4, 0, "1,5", "Ш = 10°00,56'", 1, 11},
      {kLatitude, full, 7, 0, "5°8", "Ш = 12°58,56'", 1, 10},            // no "°" left: dropped
      {kLatitude, full, 10, 0, "7890", "Ш = 12°34,78'", 1, 13},          // no place left
      {kLatitude, full, 4, 0, "x+y-", "Ш = +-°34,56'", 1, 7},
      {kLatitude, full, 0, 13, "9", "Ш = 90°00,00'", 1, 5},              // over a selection
      {kLatitude, full, 4, 0, "ab;NS", full, 0, 4},                      // nothing usable
      {kLatitude, full, 4, 0, "12°34,56", full, 0, 4},                   // nothing new
      {kLatitude, full, 0, 13, "", full, 0, 13},
      {kLongitude, "", 4, 0, "037°36,20", "Д = 037°36,20'", 1, 14},
      {kLongitude, "", 8, 0, "Д = 037°36,20'E", "Д = 037°36,20'", 1, 14},
      {kLongitude, "", 4, 0, "37°36,2", "Д = 370°36,20'", 1, 12},
  };
  QClipboard* clipboard = QGuiApplication::clipboard();
  for (const auto& c : cases) {
    TMaskEdit edit(c.mask);
    edit.setMaskedText(QString::fromUtf8(c.text));
    edit.setSelection(c.caret, c.selLength);
    if (c.selLength == 0) edit.setCursorPosition(c.caret);
    QSignalSpy changes(&edit, &TMaskEdit::maskedTextChanged);
    clipboard->setText(QString::fromUtf8(c.clip));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    const std::string where = std::string(c.text) + " at " + std::to_string(c.caret) + " paste " + c.clip;
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown)) << where;
    EXPECT_EQ(changes.count(), c.changes) << where;
    EXPECT_EQ(edit.cursorPosition(), c.after) << where;
    EXPECT_EQ(edit.hasSelectedText(), c.changes == 0 && c.selLength > 0) << where;  // nothing changed, not even that
  }
}

// A point of the edit where a click puts the caret at `position`.
QPoint PointOf(TMaskEdit& edit, int position) {
  for (int x = 0; x < edit.width(); ++x) {
    if (edit.cursorPositionAt(QPoint(x, edit.height() / 2)) == position) return QPoint(x, edit.height() / 2);
  }
  ADD_FAILURE() << "no point for position " << position;
  return {};
}

TEST(MaskEditPaste, EveryWayOfPastingDoesTheSame) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QString clip = QStringLiteral("Ш = 55°45,50'N");
  const std::function<void(TMaskEdit&)> ways[] = {
      [](TMaskEdit& e) { QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier); },
      [](TMaskEdit& e) { QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier); },
      [](TMaskEdit& e) {
        e.setCursorPosition(13);
        QTest::mouseClick(&e, Qt::MiddleButton, Qt::NoModifier, PointOf(e, 4));
      },
      [](TMaskEdit& e) { e.paste(); },
  };
  for (std::size_t way = 0; way < std::size(ways); ++way) {
    TMaskEdit edit(kLatitude);
    edit.show();
    QSignalSpy changes(&edit, &TMaskEdit::maskedTextChanged);
    clipboard->setText(clip);
    if (clipboard->supportsSelection()) clipboard->setText(clip, QClipboard::Selection);
    ways[way](edit);
    EXPECT_EQ(edit.maskedText(), QStringLiteral("Ш = 55°45,5 '")) << "way " << way;
    EXPECT_EQ(changes.count(), 1) << "way " << way;
  }
  // The middle button lays the text from where it is clicked.
  TMaskEdit edit(kLatitude);
  edit.show();
  clipboard->setText(QStringLiteral("7"));
  if (clipboard->supportsSelection()) clipboard->setText(QStringLiteral("7"), QClipboard::Selection);
  QTest::mouseClick(&edit, Qt::MiddleButton, Qt::NoModifier, PointOf(edit, 10));
  EXPECT_EQ(edit.text(), QStringLiteral("Ш = 00°00,70'"));
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
