// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/CheckBox.h"

#include <QKeyEvent>

namespace tarvel {

void TCheckBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      event->accept();
      return;
    default:
      QCheckBox::keyPressEvent(event);
  }
}

}  // namespace tarvel
