// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The date picker's range, 1 January 1930 to 31 December 2099, and the range
// error for a date outside it.

#include <QDate>

class QDateEdit;

namespace tarvel {

inline const QDate kFirstPickerDate{1930, 1, 1};
inline const QDate kLastPickerDate{2099, 12, 31};

// Sets the picker's date, or raises Exception "Date exceeds maximum of …" /
// "Date is less than minimum of …" and leaves it unchanged.
void SetPickerDate(QDateEdit& picker, const QDate& date);

}  // namespace tarvel
