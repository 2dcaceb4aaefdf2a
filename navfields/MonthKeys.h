// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A date field whose month is typed as the navigator writes it.
//
// The long Russian date ("20 марта 2025 г.") shows the month by name, which a
// plain date field takes only as its exact inflected text. Here, in the
// month, letters choose the first month whose name, either form ("март",
// "марта"), begins with the letters typed so far ("мар", "дек"), and digits
// its number ("3", "1" then "2" for December). The day the typing began with
// is kept, or made the month's last where the month is shorter; a date out of the field's range
// is not taken. Every other key is the date field's own.

#include <QDateEdit>
#include <QString>

namespace tarvel {

// The dates a form takes, the main window's as the others (shiptime/ShipTime.h).
inline const QDate kFirstFormDate{1930, 1, 1};
inline const QDate kLastFormDate{2099, 12, 31};

class TMonthTypedDate : public QDateEdit {
  Q_OBJECT

 public:
  explicit TMonthTypedDate(QWidget* parent = nullptr);

  // The month (1 … 12) whose name or number the text begins, 0 if none.
  int MonthOf(const QString& typed) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  QString typed_;  // the keys typed in the month so far
  int day_ = 1;     // the day when they began
};

}  // namespace tarvel
