// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The controls of the navigation window's forms, made in the main window's
// look: each gets its objectName, its face and its colours on the black page.
// Inputs are bold black on lime while they take input, greyed while
// disabled; groups have a grey frame and an aqua caption; messages wrap and
// show their text as it is. Nothing here reads or computes a value
// (navfields/Fields.h reads them).

#include <cstdint>

#include <QColor>
#include <QDate>
#include <QString>

#include "navfields/Fields.h"
#include "navfields/MonthKeys.h"
#include "navfields/NumberField.h"
#include "widgets/Look.h"

class QDateEdit;
class QDoubleSpinBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimeEdit;
class QWidget;

namespace tarvel {

class TMaskEdit;
class TSpeedButton;

// A warning is amber on the black page.
inline const QColor kAmber(255, 176, 0);

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// The input's look (face, colours, arrow style), for any input widget.
void StyleInput(QWidget* widget);

template <class Widget>
Widget* Input(Widget* widget, const char* name) {
  StyleInput(Named(widget, name));
  return widget;
}

// A flat hemisphere or zone button ("N", "E").
TSpeedButton* SignButton(QWidget* parent, const char* name, const QString& caption);
// A number with a decimal comma, its unit after it, that keeps what was
// typed and names itself by caption in its errors (TNumberField).
TNumberField* Number(QWidget* parent, const char* name, const QString& caption, double minimum, double maximum,
                     double value, const QString& suffix, int decimals = 1);

// The Russian long date and the time, as the main window's pickers. The
// date field holds any four-digit year, so that a year outside the form's
// dates is kept as typed and refused by the form's reading (ShipTimeFault).
QDateEdit* DatePicker(QWidget* parent, const char* name);
// A time field's seconds: 0 … 59, or also the leap second's 60 (the sight's
// time, TLeapTimeEdit; the dead reckoning's reference time needs none).
enum class TSeconds : std::uint8_t { UpTo59, WithLeapSecond };
QTimeEdit* TimePicker(QWidget* parent, const char* name, TSeconds seconds = TSeconds::UpTo59);
// An error or warning text in its colour.
QLabel* Message(QWidget* parent, const char* name, const QColor& colour);
QPushButton* Button(QWidget* parent, const char* name, const QString& caption);

// The position fields of the main window in the grid's row, column 1;
// names: the objectNames of the latitude, its button, the longitude, its
// button.
TPositionFields PositionRow(QWidget* parent, QGridLayout* grid, int row, const char* const names[4]);

// The date, time and zone fields with the zone's E/W button in the grid's
// row from column 1 over `span` columns; names: the objectNames of the date,
// the time, the zone and its button.
TInstantFields InstantRow(QWidget* parent, QGridLayout* grid, int row, int span, const char* const names[4],
                          TSeconds seconds = TSeconds::UpTo59);

// A group as the main window's.
QGroupBox* Group(QWidget* parent, const QString& caption);
// The captions inside a group white in the ordinary face; its buttons and
// tables in the ordinary face too. Called once the group is filled.
void PlainChildren(QGroupBox* group);

}  // namespace tarvel
