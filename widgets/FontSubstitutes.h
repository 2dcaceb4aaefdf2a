// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The windows name their fonts by the faces they were drawn with ("MS Sans
// Serif", "Times New Roman", "Arial"). Where those faces are missing, the
// metric-compatible Liberation faces stand in for them.

namespace tarvel {

// Registers the stand-ins with QFont's substitution table. Call once after
// the application object exists and before the first window is built;
// calling it again changes nothing.
void InstallFontSubstitutes();

}  // namespace tarvel
