// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/PickerRange.h"

#include <QDateEdit>

#include "core/RuntimeErrors.h"

namespace tarvel {

void SetPickerDate(QDateEdit& picker, const QDate& date) {
  const auto shown = [](const QDate& d) { return d.toString(QStringLiteral("dd.MM.yyyy")).toStdString(); };
  if (date > picker.maximumDate()) throw Exception("Date exceeds maximum of " + shown(picker.maximumDate()));
  if (date < picker.minimumDate()) throw Exception("Date is less than minimum of " + shown(picker.minimumDate()));
  picker.setDate(date);
}

}  // namespace tarvel
