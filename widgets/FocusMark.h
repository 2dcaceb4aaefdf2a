// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A frame that shows which control of a window has the keyboard focus, the
// same on every page and background: an aqua ring inside a black one, laid
// over the control's edge (the controls' own focus marks, navy on black in
// the program's colours, are all but invisible). It follows the focus from
// control to control, moves and sizes with the control, passes every mouse
// event through and never takes the focus itself; it hides while the focus
// is outside the window. Nothing raises.

#include <QPointer>
#include <QWidget>

namespace tarvel {

class TFocusMark : public QWidget {
  Q_OBJECT

 public:
  // Shows the focus of the controls in window.
  explicit TFocusMark(QWidget* window);

  // The control framed; null while none is.
  QWidget* Marked() const { return marked_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void FocusChange(QWidget* now);
  void Place();

  QPointer<QWidget> window_;
  QPointer<QWidget> marked_;
};

}  // namespace tarvel
