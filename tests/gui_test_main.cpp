// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Entry of the GUI test programs: one QApplication for all tests, in the
// style and with the font stand-ins of the program itself.

#include <gtest/gtest.h>

#include <QApplication>

#include "widgets/FontSubstitutes.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The tests draw offscreen; a run without a display (test discovery
  // included) must not need one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  tarvel::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
