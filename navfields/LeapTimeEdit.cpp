// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The display format is fixed here, so that the seconds are the text's last
// part, after its second colon.

#include "navfields/LeapTimeEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

namespace tarvel {
namespace {

const QString kSixty = QStringLiteral("60");
const QString kFiftyNine = QStringLiteral("59");

bool IsLeap(const QTime& time) { return time.second() == 59 && time.msec() == kLeapMillisecond; }

// The seconds of a text "hh:mm:ss", also one being typed ("23:5:60").
QString SecondsOf(const QString& text) {
  const QStringList parts = text.split(QLatin1Char(':'));
  return parts.size() == 3 ? parts[2] : QString();
}

// A text whose seconds read 60, with 59 in their place; else null.
QString AsFiftyNine(const QString& text) {
  if (SecondsOf(text) != kSixty) return {};
  return text.left(text.size() - 2) + kFiftyNine;
}

// A text whose seconds are a lone 6, the first key of a 60.
bool SixPending(const QString& text) { return SecondsOf(text) == QStringLiteral("6"); }

}  // namespace

TLeapTimeEdit::TLeapTimeEdit(QWidget* parent) : QTimeEdit(parent) {
  setDisplayFormat(QStringLiteral("HH:mm:ss"));  // as every time the program shows
}

int TLeapTimeEdit::Second() const { return IsLeap(time()) ? 60 : time().second(); }

void TLeapTimeEdit::SetTime(int hour, int minute, int second) {
  setTime(second == 60 ? QTime(hour, minute, 59, kLeapMillisecond) : QTime(hour, minute, second));
}

QValidator::State TLeapTimeEdit::validate(QString& text, int& pos) const {
  // A plain field reads a 6 typed in the seconds as 06 at once, as no
  // second begins with it; here it waits for its 0.
  if (SixPending(text)) {
    QString other = text.left(text.size() - 1) + kFiftyNine;
    return QTimeEdit::validate(other, pos) == QValidator::Invalid ? QValidator::Invalid : QValidator::Intermediate;
  }
  QString other = AsFiftyNine(text);
  if (other.isNull()) return QTimeEdit::validate(text, pos);
  // A 60 is as good as the 59 would be; the text stays as typed.
  return QTimeEdit::validate(other, pos);
}

QDateTime TLeapTimeEdit::dateTimeFromText(const QString& text) const {
  const QString other = AsFiftyNine(text);
  QDateTime at = QTimeEdit::dateTimeFromText(other.isNull() ? text : other);
  // The field's other times are whole seconds; the text holds none of the
  // milliseconds the field keeps from its last value.
  const QTime t = at.time();
  at.setTime(QTime(t.hour(), t.minute(), t.second(), other.isNull() ? 0 : kLeapMillisecond));
  return at;
}

QString TLeapTimeEdit::textFromDateTime(const QDateTime& dateTime) const {
  const QString text = QTimeEdit::textFromDateTime(dateTime);
  if (!IsLeap(dateTime.time()) || !text.endsWith(kFiftyNine)) return text;
  return text.left(text.size() - 2) + kSixty;
}

void TLeapTimeEdit::CompleteSix() {
  const QString text = lineEdit()->text();
  if (SixPending(text)) lineEdit()->setText(text.left(text.size() - 1) + QStringLiteral("06"));
}

void TLeapTimeEdit::keyPressEvent(QKeyEvent* event) {
  // Any key but the 0 of a 60 takes a lone 6 as the plain field does.
  if (event->text() != QStringLiteral("0")) CompleteSix();
  QTimeEdit::keyPressEvent(event);
}

void TLeapTimeEdit::focusOutEvent(QFocusEvent* event) {
  CompleteSix();
  QTimeEdit::focusOutEvent(event);
}

void TLeapTimeEdit::stepBy(int steps) {
  const QTime t = time();
  if (currentSection() == SecondSection && IsLeap(t)) {
    // From 60 the seconds step as from 59, down one being 59 itself.
    setTime(QTime(t.hour(), t.minute(), 59));
    if (steps < 0) ++steps;
    if (steps == 0) return;
  }
  QTimeEdit::stepBy(steps);
}

}  // namespace tarvel
