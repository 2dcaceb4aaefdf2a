// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The program: its windows, then the event loop until the main window closes.

#include <QApplication>

#include "app/StartUp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  tarvel::SetUpApplication();
  tarvel::TWindows windows;
  windows.Form1.show();
  return QApplication::exec();
}
