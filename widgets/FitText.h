// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Fits a one-line label into the room its parent gives it.
//
// The label keeps its left edge and its face and takes the width of its text.
// Where the text would end right of `right` (a pixel column in the parent's
// coordinates, the last one the text may cover), the face is condensed
// (QFont::stretch) just enough that it does not, down to kNarrowestStretch;
// a text that fits is drawn unstretched.

#include <QLabel>

namespace tarvel {

inline constexpr int kNarrowestStretch = 75;

void FitLabelTo(QLabel& label, int right);

}  // namespace tarvel
