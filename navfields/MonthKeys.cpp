// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navfields/MonthKeys.h"

#include <QKeyEvent>
#include <algorithm>

namespace tarvel {

TMonthTypedDate::TMonthTypedDate(QWidget* parent) : QDateEdit(parent) {
  connect(this, &QDateTimeEdit::dateChanged, this, [this] {
    if (currentSection() != MonthSection) typed_.clear();
  });
}

int TMonthTypedDate::MonthOf(const QString& typed) const {
  if (typed.isEmpty()) return 0;
  bool number = false;
  const int value = typed.toInt(&number);
  if (number) return value >= 1 && value <= 12 ? value : 0;
  for (int month = 1; month <= 12; ++month) {
    for (const QString& name : {locale().monthName(month), locale().standaloneMonthName(month)}) {
      if (name.startsWith(typed, Qt::CaseInsensitive)) return month;
    }
  }
  return 0;
}

void TMonthTypedDate::focusInEvent(QFocusEvent* event) {
  typed_.clear();
  QDateEdit::focusInEvent(event);
}

void TMonthTypedDate::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (currentSection() != MonthSection || text.size() != 1 || !text[0].isLetterOrNumber()) {
    typed_.clear();
    QDateEdit::keyPressEvent(event);
    return;
  }
  // The keys so far and this one, else this one alone. The day is the one
  // the typing began with: "ав" passes through April's 30 days to August's 31.
  if (typed_.isEmpty()) day_ = date().day();
  int month = MonthOf(typed_ + text);
  if (month != 0) {
    typed_ += text;
  } else {
    month = MonthOf(text);
    typed_ = month != 0 ? text : QString();
  }
  event->accept();
  if (month == 0) return;
  const QDate was = date();
  const QDate first(was.year(), month, 1);
  const QDate wanted(was.year(), month, std::min(day_, first.daysInMonth()));
  if (wanted >= minimumDate() && wanted <= maximumDate()) setDate(wanted);
  setCurrentSection(MonthSection);
}

}  // namespace tarvel
