// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sight's time field, "HH:mm:ss", that also takes the leap second: a
// second of 60 typed or set ("23:59:60", in zone +3 "02:59:60").
//
// QTime holds no second 60, so the field holds hh:mm:60 as hh:mm:59.999
// (kLeapMillisecond) and shows it as 60; every other time it holds in whole
// seconds, as a plain time field. time() is then a time between :59 and the
// next minute, so that the field's order stays the clock's. The 60 is taken
// at any hour and minute: the field knows neither the date nor the zone, so
// whether that second was a leap second is the sight's check
// (sights/Sight.h), which refuses any other 60 with its message while the
// field keeps what was typed. The arrows on the seconds go from 60 down to
// 59 and up to 00, as from 59; on the other sections they keep the 60. A 6
// typed in the seconds waits for its 0, where a plain field makes it 06 at
// once; any other key, or leaving the field, makes it 06 as there.
// Everything else (look, keys, wrapping, signals) is the time field's own;
// the move to or from 60 is a change of time() and so signals timeChanged.

#include <QTime>
#include <QTimeEdit>

namespace tarvel {

inline constexpr int kLeapMillisecond = 999;

class TLeapTimeEdit : public QTimeEdit {
  Q_OBJECT

 public:
  explicit TLeapTimeEdit(QWidget* parent = nullptr);

  // The time shown, its second 0 … 60.
  int Hour() const { return time().hour(); }
  int Minute() const { return time().minute(); }
  int Second() const;
  // Shows hour:minute:second, the second 0 … 60.
  void SetTime(int hour, int minute, int second);

  QValidator::State validate(QString& text, int& pos) const override;
  void stepBy(int steps) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  QDateTime dateTimeFromText(const QString& text) const override;
  QString textFromDateTime(const QDateTime& dateTime) const override;

 private:
  void CompleteSix();
};

}  // namespace tarvel
