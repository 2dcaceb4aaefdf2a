// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The windows' texts in Qt: the engine's UTF-8 texts as QString, and the
// Russian locale and long date of every date and number the windows show.
// The locale writes numbers without a group separator ("1010", not
// "1 010"); dates and times have none to omit.

#include <QLocale>
#include <QString>
#include <string>

namespace tarvel {

// An engine text (UTF-8) as Qt's.
inline QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Russian as spoken in Russia, numbers without group separators.
inline const QLocale& RussianLocale() {
  static const QLocale russian = [] {
    QLocale locale(QLocale::Russian, QLocale::Russia);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
  }();
  return russian;
}

// The Russian long date: "9 декабря 2026 г.".
inline const QString kLongDateFormat = QStringLiteral("d MMMM yyyy 'г.'");

}  // namespace tarvel
