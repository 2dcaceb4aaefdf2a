// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The date picker's range error for a date outside the forms' dates
// (kFirstFormDate … kLastFormDate, navfields/MonthKeys.h).

#include <QDate>

class QDateEdit;

namespace tarvel {

// Sets the picker's date, or raises Exception "Date exceeds maximum of …" /
// "Date is less than minimum of …" and leaves it unchanged.
void SetPickerDate(QDateEdit& picker, const QDate& date);

}  // namespace tarvel
