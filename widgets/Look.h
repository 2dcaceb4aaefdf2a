// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The windows' basic colours and fonts. Faces are named as the program knows
// them ("MS Sans Serif", "Times New Roman", "Arial", "Symbol");
// InstallFontSubstitutes() maps them to the fonts this machine has.

#include <QColor>
#include <QFont>
#include <QString>

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

// A face at a height in pixels.
inline QFont Face(const char* family, int pixels, bool bold = false, bool italic = false) {
  QFont font{QString::fromLatin1(family)};
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace tarvel::look
