// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace tarvel {

TMaskEdit::TMaskEdit(const QString& mask, QWidget* parent) : QLineEdit(parent), mask_(mask) {
  text_ = mask_;
  for (int i = 0; i < text_.size(); ++i) {
    if (isPlace(i)) text_[i] = u' ';
  }
  setMaxLength(static_cast<int>(mask_.size()));
  // Editing goes through the mask alone: no paste, undo or drop behind its back.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  QLineEdit::setText(display());
  setCursorPosition(0);
}

int TMaskEdit::nextPlace(int from) const {
  for (int i = std::max(from, 0); i < mask_.size(); ++i) {
    if (isPlace(i)) return i;
  }
  return -1;
}

int TMaskEdit::previousPlace(int from) const {
  for (int i = std::min(from, static_cast<int>(mask_.size())) - 1; i >= 0; --i) {
    if (isPlace(i)) return i;
  }
  return -1;
}

bool TMaskEdit::accepts(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u' ' || c == u'+' || c == u'-';
}

QChar TMaskEdit::stored(QChar c) { return c == kPlaceholder ? QChar(u' ') : c; }

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
  setCursorPosition(std::clamp(caret, 0, static_cast<int>(mask_.size())));
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

void TMaskEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
      QLineEdit::keyPressEvent(event);  // caret movement and selection only
      return;
    case Qt::Key_Backspace: {
      const int place = previousPlace(caret);
      if (place < 0) return;
      QString edited = text_;
      edited[place] = u' ';
      apply(edited, place);
      return;
    }
    case Qt::Key_Delete: {
      const int place = nextPlace(caret);
      if (place < 0) return;
      QString edited = text_;
      edited[place] = u' ';
      apply(edited, caret);
      return;
    }
    default:
      break;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    const int place = nextPlace(caret);
    if (accepts(typed[0]) && place >= 0) {
      QString edited = text_;
      edited[place] = stored(typed[0]);
      const int after = nextPlace(place + 1);
      apply(edited, after < 0 ? static_cast<int>(mask_.size()) : after);
    } else if (typed[0].isPrint()) {
      QApplication::beep();
    }
    event->accept();
    return;
  }
  event->ignore();  // Tab, Enter and the like belong to the window
}

}  // namespace tarvel
