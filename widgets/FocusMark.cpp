// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include "widgets/Look.h"

namespace tarvel {

TFocusMark::TFocusMark(QWidget* window) : QWidget(window), window_(window) {
  setObjectName(QStringLiteral("FocusMark"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChange(now); });
}

void TFocusMark::FocusChange(QWidget* now) {
  if (marked_) marked_->removeEventFilter(this);
  marked_ = nullptr;
  if (!now || !window_ || now->window() != window_ || !now->parentWidget()) {
    hide();
    return;
  }
  marked_ = now;
  // A sibling over the control: it scrolls and clips with the control's page.
  if (parentWidget() != now->parentWidget()) setParent(now->parentWidget());
  now->installEventFilter(this);
  Place();
}

void TFocusMark::Place() {
  if (!marked_ || !marked_->isVisible()) {
    hide();
    return;
  }
  setGeometry(marked_->geometry());
  raise();
  show();
  update();
}

bool TFocusMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched == marked_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        Place();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TFocusMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(look::kBlack, 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(QPen(look::kAqua, 2));
  painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}

}  // namespace tarvel
