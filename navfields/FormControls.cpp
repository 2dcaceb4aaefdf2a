// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navfields/FormControls.h"

#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>

#include "navfields/LeapTimeEdit.h"
#include "navfields/MonthKeys.h"
#include "widgets/GroupBox.h"
#include "widgets/InputStyle.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {

using namespace look;

// The inputs look as the main window's: bold black on lime while they take
// input, greyed while disabled, silver arrow buttons with dark arrows, a navy
// selection whatever the desktop.
void StyleInput(QWidget* widget) {
  widget->setFont(Face("MS Sans Serif", 15, true));
  look::SetInputColours(*widget);
  if (qobject_cast<QAbstractSpinBox*>(widget)) UseInputStyle(*widget);
}

TSpeedButton* SignButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = Named(new TSpeedButton(parent), name);
  button->setText(caption);
  button->setFont(Face("MS Sans Serif", 15, true));
  button->setFixedSize(25, 24);
  button->setSpacing(2);
  SetColour(button, QPalette::Button, kFace);
  SetColour(button, QPalette::ButtonText, kBlack);
  return button;
}

TNumberField* Number(QWidget* parent, const char* name, const QString& caption, double minimum, double maximum,
                     double value, const QString& suffix, int decimals) {
  auto* spin = Input(new TNumberField(caption, minimum, maximum, decimals, parent), name);
  spin->setLocale(RussianLocale());
  spin->setSingleStep(decimals ? 0.1 : 1);
  spin->setValue(value);
  spin->setSuffix(suffix);
  spin->setAccelerated(true);
  return spin;
}

QDateEdit* DatePicker(QWidget* parent, const char* name) {
  auto* picker = Input(new TMonthTypedDate(parent), name);  // a month typed by its name or number
  picker->setLocale(RussianLocale());
  picker->setDisplayFormat(kLongDateFormat);  // as the main window
  // Any four-digit year is kept as typed; one outside the form's dates is
  // refused by the form with its range, as a number out of its field's.
  picker->setDateRange(QDate(1000, 1, 1), QDate(9999, 12, 31));
  picker->setCalendarPopup(true);
  look::SetCalendarColours(*picker->calendarWidget());  // the drop-down month as the main window's
  return picker;
}

QTimeEdit* TimePicker(QWidget* parent, const char* name, TSeconds seconds) {
  auto* picker = Input(seconds == TSeconds::WithLeapSecond ? new TLeapTimeEdit(parent) : new QTimeEdit(parent), name);
  picker->setLocale(RussianLocale());
  picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));  // as every time the program shows
  picker->setWrapping(true);  // as the main window's
  return picker;
}

QLabel* Message(QWidget* parent, const char* name, const QColor& colour) {
  auto* label = Named(new QLabel(parent), name);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setFont(Face("MS Sans Serif", 14, true));
  SetColour(label, QPalette::WindowText, colour);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  // Silver with black text, and told apart while disabled.
  SetColours(*button, QPalette::Button, kSilver, QColor(64, 64, 64));
  SetColours(*button, QPalette::ButtonText, kBlack, QColor(150, 150, 150));
  return button;
}

TPositionFields PositionRow(QWidget* parent, QGridLayout* grid, int row, const char* const names[4]) {
  TPositionFields fields;
  fields.Lat = Input(new TMaskEdit(QStringLiteral("Ш = ##°##,##'"), parent), names[0]);
  fields.Lat->setFixedWidth(112);
  fields.LatSign = SignButton(parent, names[1], QStringLiteral("N"));
  fields.Lon = Input(new TMaskEdit(QStringLiteral("Д = ###°##,##'"), parent), names[2]);
  fields.Lon->setFixedWidth(122);
  fields.LonSign = SignButton(parent, names[3], QStringLiteral("E"));
  auto* line = new QHBoxLayout;
  line->setSpacing(4);
  line->addWidget(fields.Lat);
  line->addWidget(fields.LatSign);
  line->addSpacing(8);
  line->addWidget(fields.Lon);
  line->addWidget(fields.LonSign);
  line->addStretch();
  grid->addLayout(line, row, 1);
  return fields;
}

TInstantFields InstantRow(QWidget* parent, QGridLayout* grid, int row, int span, const char* const names[4],
                          TSeconds seconds) {
  TInstantFields fields;
  fields.Date = DatePicker(parent, names[0]);
  fields.Time = TimePicker(parent, names[1], seconds);
  fields.Zone = Input(new TSpinEdit(parent), names[2]);
  fields.Zone->setRange(0, 12);
  fields.Zone->setFixedWidth(60);
  fields.ZoneSign = SignButton(parent, names[3], QStringLiteral("E"));
  auto* line = new QHBoxLayout;
  line->setSpacing(4);
  line->addWidget(fields.Date);
  line->addSpacing(8);
  line->addWidget(fields.Time);
  line->addSpacing(8);
  line->addWidget(new QLabel(QStringLiteral("Пояс:"), parent));
  line->addWidget(fields.Zone);
  line->addWidget(fields.ZoneSign);
  line->addStretch();
  grid->addLayout(line, row, 1, 1, span);
  return fields;
}

// A grey frame with its caption in aqua, bold italic, on the black page.
QGroupBox* Group(QWidget* parent, const QString& caption) {
  auto* group = new TGroupBox(caption, parent);
  group->setFont(Face("MS Sans Serif", 15, true, true));
  SetColour(group, QPalette::Window, kBlack);
  SetColour(group, QPalette::WindowText, kAqua);
  SetColour(group, QPalette::Dark, kGray);
  return group;
}

void PlainChildren(QGroupBox* group) {
  const QFont plain = Face("MS Sans Serif", 14);
  for (QLabel* label : group->findChildren<QLabel*>()) {
    if (!label->objectName().isEmpty()) continue;
    label->setFont(plain);
    SetColour(label, QPalette::WindowText, kWhite);
  }
  for (QPushButton* button : group->findChildren<QPushButton*>()) button->setFont(plain);
  for (QTableView* table : group->findChildren<QTableView*>()) table->setFont(plain);
}

}  // namespace tarvel
