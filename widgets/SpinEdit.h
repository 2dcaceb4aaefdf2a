// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A whole number with up/down arrow buttons and no typing.
//
// The arrows and the Up and Down keys step by one, clamped to the range;
// holding an arrow repeats first after 400 ms, then every 100 ms. Typed and
// pasted characters are refused with a beep. valueChanged() comes with every
// real change of the number, by the user or by the program.

#include <QSpinBox>

namespace tarvel {

class TSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSpinEdit(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarvel
