// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A whole number with up/down arrow buttons and, unless AllowTyping() is
// called, no typing.
//
// The arrows and the Up and Down keys step by one, clamped to the range;
// holding an arrow repeats first after 400 ms, then every 100 ms. Typed and
// pasted characters are refused with a beep, as in the main window. After
// AllowTyping() digits are taken as a spin box takes them: a number out of
// the range cannot be typed at all. valueChanged() comes with every real
// change of the number, by the user or by the program.

#include <QSpinBox>

namespace tarvel {

class TSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

  // The number may be typed as well as stepped.
  void AllowTyping();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool typing_ = false;
};

}  // namespace tarvel
