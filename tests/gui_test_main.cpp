// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Entry of the GUI test programs: one QApplication for all tests, in the
// style and with the font stand-ins of the program itself.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "widgets/FontSubstitutes.h"

namespace {

// Each test keeps its sight log in a data folder of its own (TARVEL_DATA_DIR,
// sightlog/LogPlaces.h): nothing of the user's is read or written, and no
// test finds the log another one left.
class TFreshDataFolder : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    folder_ = std::make_unique<QTemporaryDir>();
    qputenv("TARVEL_DATA_DIR", folder_->path().toUtf8());
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    qunsetenv("TARVEL_DATA_DIR");
    folder_.reset();
  }
  std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new TFreshDataFolder);
  // The tests draw offscreen; a run without a display (test discovery
  // included) must not need one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  tarvel::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
