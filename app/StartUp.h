// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Start-up of the program: the application's names, style and fonts, and its
// two windows, created in this order: the main window, then the About window
// (hidden), which the main window's button opens.

#include "app/About.h"
#include "app/Main.h"

namespace tarvel {

// After the QApplication exists and before any window is made.
void SetUpApplication();

struct TWindows {
  TWindows() { Form1.SetAboutWindow(&Form2); }
  TForm1 Form1;
  TForm2 Form2;
};

}  // namespace tarvel
