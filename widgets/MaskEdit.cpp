// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <algorithm>

namespace tarvel {

TMaskEdit::TMaskEdit(const QString& mask, QWidget* parent) : QLineEdit(parent), mask_(mask) {
  text_ = mask_;
  for (int i = 0; i < text_.size(); ++i) {
    if (isPlace(i)) text_[i] = u' ';
  }
  setMaxLength(size());
  // Editing goes through the mask alone: no paste, undo or drop behind its back.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // Whoever moves the caret (a click, the program), it comes to rest on a stop.
  connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int now) { keepCaretOnAStop(now); });
  QLineEdit::setText(display());
  setCursorPosition(0);
}

int TMaskEdit::nextPlace(int from) const {
  for (int i = std::max(from, 0); i < size(); ++i) {
    if (isPlace(i)) return i;
  }
  return -1;
}

int TMaskEdit::previousPlace(int from) const {
  for (int i = std::min(from, size()) - 1; i >= 0; --i) {
    if (isPlace(i)) return i;
  }
  return -1;
}

int TMaskEdit::stopAtOrAfter(int position) const {
  const int place = nextPlace(position);
  return place < 0 ? size() : place;
}

int TMaskEdit::stopAfter(int position) const { return position >= size() ? size() : stopAtOrAfter(position + 1); }

int TMaskEdit::stopBefore(int position) const {
  const int place = previousPlace(position);
  return place < 0 ? stopAtOrAfter(0) : place;
}

int TMaskEdit::groupAfter(int position) const {
  while (isPlace(position)) ++position;
  return stopAtOrAfter(position);
}

int TMaskEdit::groupBefore(int position) const {
  int place = previousPlace(position);
  if (place < 0) return stopAtOrAfter(0);
  while (isPlace(place - 1)) --place;
  return place;
}

void TMaskEdit::keepCaretOnAStop(int position) {
  // A selection's ends are where the user dragged them; only a bare caret moves.
  if (hasSelectedText()) return;
  const int stop = stopAtOrAfter(position);
  if (stop != position) setCursorPosition(stop);
}

void TMaskEdit::moveCaret(int to, bool extend) {
  if (!extend) {
    deselect();
    setCursorPosition(to);
    return;
  }
  int anchor = cursorPosition();
  if (hasSelectedText()) anchor = anchor == selectionStart() ? selectionEnd() : selectionStart();
  if (to == anchor) {
    deselect();
    setCursorPosition(to);
  } else {
    setSelection(anchor, to - anchor);
  }
}

bool TMaskEdit::accepts(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u' ' || c == u'+' || c == u'-';
}

QChar TMaskEdit::stored(QChar c) { return c == kPlaceholder ? QChar(u' ') : c; }

QString TMaskEdit::emptied(QString text, int from, int to) const {
  for (int i = std::max(from, 0); i < std::min(to, size()); ++i) {
    if (isPlace(i)) text[i] = u' ';
  }
  return text;
}

QString TMaskEdit::display() const {
  QString shown = text_;
  for (int i = 0; i < shown.size(); ++i) {
    if (isPlace(i) && shown[i] == u' ') shown[i] = kPlaceholder;
  }
  return shown;
}

void TMaskEdit::apply(const QString& text, int caret) {
  const bool changed = text != text_;
  text_ = text;
  if (QLineEdit::text() != display()) QLineEdit::setText(display());
  deselect();
  setCursorPosition(std::clamp(caret, 0, size()));
  if (changed) emit maskedTextChanged();
}

void TMaskEdit::setMaskedText(const QString& text) {
  QString laid = mask_;
  for (int i = 0; i < laid.size(); ++i) {
    if (!isPlace(i)) continue;
    const QChar c = i < text.size() ? text[i] : QChar(u' ');
    laid[i] = accepts(c) ? stored(c) : QChar(u' ');
  }
  apply(laid, cursorPosition());
}

void TMaskEdit::pasteText(const QString& pasted) {
  const QString text = pasted.trimmed();
  const bool selected = hasSelectedText();
  int at = selected ? selectionStart() : cursorPosition();
  QString edited = selected ? emptied(text_, selectionStart(), selectionEnd()) : text_;
  // A text that opens like the field is a whole field: it names its own places.
  const int leading = nextPlace(0);
  if (leading > 0 && text.startsWith(mask_.left(leading))) at = 0;
  bool landed = false;
  for (const QChar c : text) {
    if (at >= size()) break;
    if (!isPlace(at) && mask_[at] == c) {  // the literal that comes next
      ++at;
      continue;
    }
    int literal = at;
    while (literal < size() && (isPlace(literal) || mask_[literal] != c)) ++literal;
    if (literal < size()) {  // a later literal: what stands before it is left empty
      edited = emptied(edited, at, literal);
      at = literal + 1;
      continue;
    }
    if (!accepts(c)) continue;
    const int place = nextPlace(at);
    if (place < 0) break;
    edited[place] = stored(c);
    landed = true;
    at = place + 1;
  }
  if (!landed || edited == text_) return;
  apply(edited, stopAtOrAfter(at));
}

void TMaskEdit::paste(QClipboard::Mode mode) { pasteText(QGuiApplication::clipboard()->text(mode)); }

void TMaskEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    paste();
    event->accept();
    return;
  }
  const bool selected = hasSelectedText();
  const int caret = cursorPosition();
  const int from = selected ? selectionStart() : caret;
  const int to = selected ? selectionEnd() : caret;
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const bool byGroup = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Home:
      moveCaret(stopAtOrAfter(0), extend);
      return;
    case Qt::Key_End:
      moveCaret(size(), extend);
      return;
    case Qt::Key_Left:
      if (selected && !extend) {
        moveCaret(stopAtOrAfter(from), false);  // to the selection's start
      } else {
        moveCaret(byGroup ? groupBefore(caret) : stopBefore(caret), extend);
      }
      return;
    case Qt::Key_Right:
      if (selected && !extend) {
        moveCaret(stopAtOrAfter(to), false);  // to the selection's end
      } else {
        moveCaret(byGroup ? groupAfter(caret) : stopAfter(caret), extend);
      }
      return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: {
      if (selected) {
        apply(emptied(text_, from, to), stopAtOrAfter(from));
        return;
      }
      const bool back = event->key() == Qt::Key_Backspace;
      const int place = back ? previousPlace(caret) : nextPlace(caret);
      if (place < 0) return;
      apply(emptied(text_, place, place + 1), back ? place : caret);
      return;
    }
    default:
      break;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].isPrint() &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    const int place = nextPlace(from);
    if (accepts(typed[0]) && place >= 0) {
      QString edited = selected ? emptied(text_, from, to) : text_;
      edited[place] = stored(typed[0]);
      apply(edited, stopAfter(place));
    } else {
      QApplication::beep();
    }
    event->accept();
    return;
  }
  event->ignore();  // Tab, Enter and the like belong to the window
}

void TMaskEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {  // the paste comes with the release
    event->accept();
    return;
  }
  QLineEdit::mousePressEvent(event);
}

void TMaskEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) {
    QLineEdit::mouseReleaseEvent(event);
    return;
  }
  event->accept();
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) return;
  deselect();
  setCursorPosition(cursorPositionAt(at));
  QClipboard* clipboard = QGuiApplication::clipboard();
  paste(clipboard->supportsSelection() ? QClipboard::Selection : QClipboard::Clipboard);
}

}  // namespace tarvel
