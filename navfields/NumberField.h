// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A number field that keeps what was typed and says when it is wrong.
//
// A plain spin box bounds a typed number to its range and puts its last value
// back when the text is not a number; this field does neither. It takes any
// number of its decimals, also one outside its allowed range, and keeps an
// unfinished text ("-", "") when it loses the focus. Read() then refuses the
// text with EFieldError and its Russian message, "Курс: допустимо от 0,0 до
// 359,9°" or "Курс: введите число", and the form shows it. The arrows step
// within the allowed range, round it when wrapping is on (a course).
// edited() comes with every change of the text, typed or set, also to a
// text that is not a number yet (the spin box's own signals wait for one).
// A course field (SetDirection) writes the values the program sets, and the
// arrows' steps, with three whole-degree digits as every text of the program
// writes a direction ("045,0", angles/Direction.h); a number typed is kept as
// typed, only given its decimals when the field is left ("45" is "45,0").

#include <QDoubleSpinBox>
#include <QString>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"

namespace tarvel {

class EFieldError : public Exception {
 public:
  using Exception::Exception;
};

class TNumberField : public QDoubleSpinBox {
  Q_OBJECT

 public:
  // caption names the field in its messages ("Курс").
  TNumberField(const QString& caption, double minimum, double maximum, int decimals, QWidget* parent = nullptr);

  // The number typed, within the allowed range; raises EFieldError.
  Extended Read() const;
  const QString& Caption() const { return caption_; }
  double Least() const { return least_; }
  double Most() const { return most_; }

  void SetDirection(bool direction) { direction_ = direction; }

  void fixup(QString& text) const override;
  QString textFromValue(double value) const override;
  void stepBy(int steps) override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void edited();

 protected:
  StepEnabled stepEnabled() const override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString RangeText() const;

  QString caption_;
  double least_, most_;
  bool direction_ = false;
  bool leaving_ = false;  // the field is being left: a typed number keeps its own digits
};

}  // namespace tarvel
