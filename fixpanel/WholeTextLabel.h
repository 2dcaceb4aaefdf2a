// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A word-wrapped label that the layout never makes shorter than its text:
// its least height is what the text needs at the width it has (and never
// under `leastLines` lines), so the last line of a long fix text is never
// cut off by whatever stands below it. Computes nothing; raises nothing.

#include <QLabel>
#include <QResizeEvent>
#include <algorithm>

namespace tarvel {

class TWholeTextLabel : public QLabel {
 public:
  TWholeTextLabel(int leastLines, QWidget* parent) : QLabel(parent), leastLines_(leastLines) { setWordWrap(true); }

  QSize minimumSizeHint() const override {
    const int lines = QFontMetrics(font()).lineSpacing() * leastLines_;
    const int text = width() > 0 ? heightForWidth(width()) : QLabel::minimumSizeHint().height();
    return {QLabel::minimumSizeHint().width(), std::max(lines, text)};
  }
  QSize sizeHint() const override { return QLabel::sizeHint().expandedTo(minimumSizeHint()); }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    // A new width may need another height: the layout asks again.
    if (event->oldSize().width() != event->size().width()) updateGeometry();
  }

 private:
  int leastLines_;
};

}  // namespace tarvel
