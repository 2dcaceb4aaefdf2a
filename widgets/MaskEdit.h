// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A one-line edit with a fixed edit mask, such as "Ш = ##°##,##'".
//
// Every mask character other than "#" is a literal shown in its place; it
// cannot be changed. A "#" place takes a digit, a blank, "+" or "-"; any other
// key changes nothing. An empty place, or one holding the digit 0, shows the
// placeholder "0".
//
// The caret stands only before a place or at the very end, never before a
// literal: Home goes to the first place, End to the end, Left and Right step
// from place to place (Ctrl from group to group of places), Shift extends the
// selection, and a click or a program's setCursorPosition() lands on the next
// such stop.
//
// Editing: a typed character goes into the next place and the caret moves on;
// Backspace and Delete empty the place before or after the caret; with a
// selection, both empty every selected place, and a typed character empties
// them and goes into the first of them.
//
// Paste (Ctrl+V, Shift+Insert, the middle button with the X selection where
// the platform has one) lays a text over the places from the caret, the
// selected places emptied first: each character a place takes fills the next
// place, a literal of the mask moves on to just after its own place (places
// it passes over are emptied), anything else is dropped, as is what finds no
// place left. A text that opens with the mask's leading literals ("Ш = ") is
// a whole field and is laid from the first position. Blanks round the text
// are ignored. A paste that lands no character, or leaves the text as it was,
// changes nothing at all.
//
// maskedText() gives the whole line, one character per mask position, with a
// blank for every place that shows the placeholder. setMaskedText() lays a
// text over the mask position by position and drops what lies beyond it.
// maskedTextChanged() is emitted once for every real change of maskedText(),
// by the user or by the program, and never when it stays the same.

#include <QClipboard>
#include <QLineEdit>
#include <QString>

namespace tarvel {

class TMaskEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TMaskEdit(const QString& mask, QWidget* parent = nullptr);

  QString maskedText() const { return text_; }
  void setMaskedText(const QString& text);
  const QString& mask() const { return mask_; }

  // Lays `text` over the places from the caret, exactly as a paste does.
  void pasteText(const QString& text);
  // A paste of the clipboard's text; hides QLineEdit::paste(), which would
  // insert behind the mask's back.
  void paste(QClipboard::Mode mode = QClipboard::Clipboard);

 signals:
  void maskedTextChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  static constexpr QChar kPlace = u'#';
  static constexpr QChar kPlaceholder = u'0';

  int size() const { return static_cast<int>(mask_.size()); }
  bool isPlace(int i) const { return i >= 0 && i < mask_.size() && mask_[i] == kPlace; }
  int nextPlace(int from) const;      // first place at or after `from`, or -1
  int previousPlace(int from) const;  // last place before `from`, or -1
  // Caret stops: the places and the end of the line.
  int stopAtOrAfter(int position) const;
  int stopAfter(int position) const;
  int stopBefore(int position) const;
  int groupAfter(int position) const;   // first place of the next group, or the end
  int groupBefore(int position) const;  // first place of this or the previous group
  void moveCaret(int to, bool extend);
  void keepCaretOnAStop(int position);

  static bool accepts(QChar c);
  static QChar stored(QChar c);  // 0 is held as a blank
  QString emptied(QString text, int from, int to) const;  // places in [from, to) emptied
  void apply(const QString& text, int caret);
  QString display() const;

  QString mask_;
  QString text_;
};

}  // namespace tarvel
