// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// GoogleTest printers for the Qt values the window tests compare, so that a
// failing check shows the text, date or time it saw instead of a byte dump.
// Found by argument-dependent lookup, so they live in Qt's namespace.

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTime>
#include <ostream>

QT_BEGIN_NAMESPACE

// In double quotes, as UTF-8.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QDate& date, std::ostream* os) {
  *os << (date.isValid() ? date.toString(Qt::ISODate).toStdString() : "(invalid date)");
}

inline void PrintTo(const QTime& time, std::ostream* os) {
  *os << (time.isValid() ? time.toString(QStringLiteral("HH:mm:ss.zzz")).toStdString() : "(invalid time)");
}

inline void PrintTo(const QDateTime& moment, std::ostream* os) {
  PrintTo(moment.date(), os);
  *os << ' ';
  PrintTo(moment.time(), os);
}

inline void PrintTo(const QSize& size, std::ostream* os) { *os << size.width() << 'x' << size.height(); }

inline void PrintTo(const QPoint& point, std::ostream* os) { *os << '(' << point.x() << ", " << point.y() << ')'; }

inline void PrintTo(const QRect& rect, std::ostream* os) {
  *os << rect.width() << 'x' << rect.height() << " at (" << rect.x() << ", " << rect.y() << ')';
}

inline void PrintTo(const QColor& color, std::ostream* os) {
  *os << "rgba(" << color.red() << ", " << color.green() << ", " << color.blue() << ", " << color.alpha() << ')';
}

QT_END_NAMESPACE
