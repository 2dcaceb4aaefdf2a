// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QSplitter>

#include "widgets/Look.h"

namespace tarvel {
namespace {

// A splitter takes every child widget for a pane of its own, so the mark
// stands on the nearest ancestor of the control that is not a splitter.
QWidget* HostOf(QWidget* control) {
  QWidget* host = control->parentWidget();
  while (qobject_cast<QSplitter*>(host) && host->parentWidget()) host = host->parentWidget();
  return host;
}

}  // namespace

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
  // Over the control on its page: it scrolls and clips with the page.
  QWidget* host = HostOf(now);
  if (parentWidget() != host) setParent(host);
  now->installEventFilter(this);
  Place();
}

void TFocusMark::Place() {
  if (!marked_ || !marked_->isVisible()) {
    hide();
    return;
  }
  setGeometry(QRect(marked_->mapTo(parentWidget(), QPoint(0, 0)), marked_->size()));
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
