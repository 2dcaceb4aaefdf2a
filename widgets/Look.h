// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The windows' basic colours and fonts. Faces are named as the program knows
// them ("MS Sans Serif", "Times New Roman", "Arial", "Symbol");
// InstallFontSubstitutes() maps them to the fonts this machine has.
//
// The main window never leans on the desktop's colours: wherever it sets a
// text colour it sets the background too, so that a dark desktop theme
// changes nothing in it.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace tarvel::look {

inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kLime(0, 255, 0);
inline const QColor kAqua(0, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kFuchsia(255, 0, 255);
inline const QColor kSilver(192, 192, 192);
inline const QColor kBlue(0, 0, 255);
inline const QColor kNavy(0, 0, 128);
inline const QColor kGreen(0, 128, 0);
inline const QColor kGray(128, 128, 128);

// The face of the flat buttons and of the calendar's frame.
inline const QColor kFace(239, 239, 239);
// A disabled input: greyed text on a greyed field, still legible (4.8 : 1).
inline const QColor kDisabledText(96, 96, 96);
inline const QColor kDisabledField(224, 224, 224);
// The arrows of a disabled input, on the lighter face of its buttons.
inline const QColor kDisabledArrow(48, 48, 48);

// A face at a height in pixels.
inline QFont Face(const char* family, int pixels, bool bold = false, bool italic = false) {
  QFont font{QString::fromLatin1(family)};
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// Sets a colour role of a widget in every colour group.
inline void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

// The same for a widget held by pointer, as the windows' layout code holds
// them.
inline void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  SetColour(*widget, role, colour);
}

// Sets a colour role of a widget: one colour while it is enabled (active or
// not), another while it is disabled.
inline void SetColours(QWidget& widget, QPalette::ColorRole role, const QColor& enabled, const QColor& disabled) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Active, role, enabled);
  palette.setColor(QPalette::Inactive, role, enabled);
  palette.setColor(QPalette::Disabled, role, disabled);
  widget.setPalette(palette);
}

// The colours of an input that takes typing or steps (the spin edits, the
// pickers, the masked edits): black on lime while enabled, greyed while
// disabled, silver arrow buttons with dark arrows, and a navy selection
// whatever the desktop.
inline void SetInputColours(QWidget& input) {
  SetColours(input, QPalette::Base, kLime, kDisabledField);
  SetColours(input, QPalette::Text, kBlack, kDisabledText);
  SetColours(input, QPalette::Button, kSilver, kDisabledField);
  SetColours(input, QPalette::ButtonText, kBlack, kDisabledArrow);
  SetColours(input, QPalette::WindowText, kBlack, kDisabledArrow);
  SetColour(input, QPalette::Highlight, kNavy);
  SetColour(input, QPalette::HighlightedText, kWhite);
}

// The drop-down month of a date picker: black days on silver, the
// neighbouring months' days grey, the weekday header black on the button
// face, the month's bar and the chosen day white on navy.
inline void SetCalendarColours(QWidget& calendar) {
  SetColour(calendar, QPalette::Base, kSilver);
  SetColours(calendar, QPalette::Text, kBlack, kGray);
  SetColour(calendar, QPalette::AlternateBase, kFace);
  SetColour(calendar, QPalette::Window, kFace);
  SetColours(calendar, QPalette::WindowText, kBlack, kGray);
  SetColour(calendar, QPalette::Highlight, kNavy);
  SetColour(calendar, QPalette::HighlightedText, kWhite);
  SetColour(calendar, QPalette::Button, kNavy);  // the bar's buttons
  SetColour(calendar, QPalette::ButtonText, kWhite);
}

}  // namespace tarvel::look
