// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navfields/NumberField.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "angles/Direction.h"
#include "core/TextToNumber.h"

namespace tarvel {

TNumberField::TNumberField(const QString& caption, double minimum, double maximum, int decimals, QWidget* parent)
    : QDoubleSpinBox(parent), caption_(caption), least_(minimum), most_(maximum) {
  setDecimals(decimals);
  // The spin box's own bounds only limit the digits: one more than the
  // allowed range needs, and a sign, so that a wrong number can be typed and
  // reported instead of being cut to the range.
  const double widest = std::max({std::fabs(minimum), std::fabs(maximum), 1.0});
  const double bound = std::pow(10.0, std::ceil(std::log10(widest + 1)) + 1) - std::pow(10.0, -decimals);
  setRange(-bound, bound);
  setKeyboardTracking(true);
  // The editor's text as typed; the spin box's, when the program sets a value
  // (which the editor does not signal).
  connect(lineEdit(), &QLineEdit::textChanged, this, &TNumberField::edited);
  connect(this, &QDoubleSpinBox::textChanged, this, &TNumberField::edited);
}

QString TNumberField::RangeText() const {
  // The minus of the program's values, U+2212.
  const auto number = [this](double value) { return locale().toString(value, 'f', decimals()).replace(u'-', u'−'); };
  return number(least_) + QStringLiteral(" до ") + number(most_) + suffix();
}

Extended TNumberField::Read() const {
  Extended value = 0;
  try {
    value = StrToFloat(cleanText().toStdString());
  } catch (const EConvertError&) {
    throw EFieldError((caption_ + QStringLiteral(": введите число")).toStdString());
  }
  const Extended half = std::pow(10.0L, -decimals()) / 2;  // the text's last digit
  if (!(value >= least_ - half && value <= most_ + half)) {
    throw EFieldError((caption_ + QStringLiteral(": допустимо от ") + RangeText()).toStdString());
  }
  return value;
}

// A text that is not yet a number is kept, never corrected.
void TNumberField::fixup(QString&) const {}

QString TNumberField::textFromValue(double value) const {
  if (!direction_ || leaving_ || !(value >= 0 && value < 360)) return QDoubleSpinBox::textFromValue(value);
  return QString::fromStdString(DirectionNumber(value));
}

void TNumberField::stepBy(int steps) {
  double value = 0;
  try {
    value = static_cast<double>(Read());
  } catch (const EFieldError&) {
    value = std::clamp(this->value(), least_, most_);
  }
  value += steps * singleStep();
  const double span = most_ - least_ + singleStep();
  if (wrapping()) {
    value = least_ + std::fmod(std::fmod(value - least_, span) + span, span);
  } else {
    value = std::clamp(value, least_, most_);
  }
  setValue(std::round(value * std::pow(10.0, decimals())) / std::pow(10.0, decimals()));
  selectAll();
}

QAbstractSpinBox::StepEnabled TNumberField::stepEnabled() const {
  if (wrapping()) return StepUpEnabled | StepDownEnabled;
  StepEnabled enabled = StepNone;
  if (value() < most_) enabled |= StepUpEnabled;
  if (value() > least_) enabled |= StepDownEnabled;
  return enabled;
}

void TNumberField::focusOutEvent(QFocusEvent* event) {
  QString text = lineEdit()->displayText();
  int pos = 0;
  if (validate(text, pos) == QValidator::Acceptable) {
    leaving_ = true;
    QDoubleSpinBox::focusOutEvent(event);
    leaving_ = false;
    return;
  }
  // The spin box would put its last value back; the text typed stays, and
  // its error with it.
  const QString typed = lineEdit()->text();
  {
    const QSignalBlocker quiet(this);
    QDoubleSpinBox::focusOutEvent(event);
    lineEdit()->setText(typed);
  }
}

// As wide as the allowed range needs, not the spin box's wider bounds.
QSize TNumberField::sizeHint() const {
  QSize size = QDoubleSpinBox::sizeHint();
  const QFontMetrics metrics(font());
  const QString widest = prefix() + textFromValue(std::fabs(least_) > std::fabs(most_) ? least_ : most_) + suffix();
  const QString bound = prefix() + textFromValue(minimum()) + suffix();
  size.rwidth() -= metrics.horizontalAdvance(bound) - metrics.horizontalAdvance(widest + QLatin1Char('0'));
  return size;
}

QSize TNumberField::minimumSizeHint() const {
  QSize size = QDoubleSpinBox::minimumSizeHint();
  size.setWidth(std::min(size.width(), sizeHint().width()));
  return size;
}

}  // namespace tarvel
