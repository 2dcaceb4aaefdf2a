// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "widgets/InputStyle.h"

namespace tarvel {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
  lineEdit()->setReadOnly(true);
  lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  setContextMenuPolicy(Qt::NoContextMenu);
  UseInputStyle(*this);
}

void TSpinEdit::AllowTyping() {
  typing_ = true;
  lineEdit()->setReadOnly(false);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
  if (typing_) {
    QSpinBox::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      QSpinBox::keyPressEvent(event);
      return;
    case Qt::Key_PageUp:  // the number moves by one step only
    case Qt::Key_PageDown:
      event->accept();
      return;
    default:
      break;
  }
  if (!event->text().isEmpty() && event->text()[0].isPrint()) {
    QApplication::beep();
    event->accept();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

}  // namespace tarvel
