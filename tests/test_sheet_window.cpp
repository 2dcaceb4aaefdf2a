// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// "Планшет": the plotting sheet in a window of its own, opened by F9 from the
// sight tab and by its button, following the fix, zoomed and moved by the
// keys, the wheel, the mouse and its buttons, hidden by Escape or its close.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QWheelEvent>
#include <chrono>
#include <functional>
#include <memory>
#include <tuple>

#include "MainWindowFixture.h"
#include "SightTabFixture.h"
#include "fixpanel/PlottingSheet.h"
#include "fixpanel/SheetWindow.h"
#include "sights/Sailing.h"
#include "sighttab/SightTab.h"

namespace tarvel {
namespace {

class SheetWindowTest : public SightTabFixture {
 protected:
  void SetUp() override {
    SightTabFixture::SetUp();
    Get<QDoubleSpinBox>("dsCourse")->setValue(60);
    Get<QDoubleSpinBox>("dsSpeed")->setValue(12);
    Get<QComboBox>("cbBody")->setCurrentIndex(2);
    for (const auto& [star, minute, second] : {std::tuple{46, 40, 12}, {67, 46, 5}, {28, 52, 0}}) Add(star, minute, second);
  }
  // A star taken at 19:mm:ss from the true track, added.
  void Add(std::int32_t star, std::int32_t minute, std::int32_t second) {
    Enter(star, minute, second);
    Get<QPushButton>("btnAdd")->click();
  }
};

TEST_F(SheetWindowTest, F9OpensTheSheetThatFollowsTheFixAndZoomsAndPans) {
  tab->show();
  tab->activateWindow();
  ASSERT_TRUE(RunUntil([this] { return QApplication::activeWindow() == tab.get(); }));
  auto* window = tab->findChild<TSheetWindow*>(QStringLiteral("SheetWindow"));
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->isVisible());
  Get("meHs")->setFocus();
  QTest::keyClick(Get("meHs"), Qt::Key_F9);
  ASSERT_TRUE(RunUntil([&] { return window->isVisible(); }));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Планшет"));
  EXPECT_TRUE(window->isWindow());
  TPlottingSheet* sheet = window->Sheet();
  const auto* strip = tab->findChild<TPlottingSheet*>(QStringLiteral("PlottingSheet"));
  ASSERT_TRUE(sheet->Plot().Fix);
  EXPECT_EQ(sheet->Plot().Lines.size(), 3U);
  EXPECT_EQ(sheet->Plot().FixLabel, strip->Plot().FixLabel);
  // Room on demand, and more when the window is made larger.
  EXPECT_GE(sheet->height(), 500);
  const int tall = sheet->height();
  window->resize(window->width() + 100, window->height() + 100);
  ASSERT_TRUE(RunUntil([&] { return sheet->height() > tall; }));

  // A new sight: the window shows the new fix at once.
  Add(160, 49, 30);
  EXPECT_EQ(sheet->Plot().Lines.size(), 4U);
  EXPECT_EQ(static_cast<double>(sheet->Plot().Fix->East), static_cast<double>(strip->Plot().Fix->East));

  // Zoom: keys, the wheel and the buttons, each step a quarter; "0" fits again.
  ASSERT_TRUE(RunUntil([&] { return sheet->hasFocus(); }));
  const double fit = sheet->UnitsPerMile();
  const auto wheel = [&](int delta) {
    const QPointF at(sheet->width() / 2.0, sheet->height() / 2.0);
    QWheelEvent event(at, sheet->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(sheet, &event);
  };
  const struct { const char* what; std::function<void()> act; double zoom; } zooms[] = {
      {"+", [&] { QTest::keyClick(sheet, Qt::Key_Plus); }, 1.25},
      {"+ again", [&] { QTest::keyClick(sheet, Qt::Key_Plus); }, 1.5625},
      {"−", [&] { QTest::keyClick(sheet, Qt::Key_Minus); }, 1.25},
      {"wheel up two notches", [&] { wheel(240); }, 1.953125},
      {"wheel down", [&] { wheel(-120); }, 1.5625},
      {"button −", [&] { window->findChild<QPushButton*>(QStringLiteral("btnZoomOut"))->click(); }, 1.25},
      {"button +", [&] { window->findChild<QPushButton*>(QStringLiteral("btnZoomIn"))->click(); }, 1.5625},
  };
  for (const auto& z : zooms) {
    z.act();
    EXPECT_NEAR(sheet->Zoom(), z.zoom, 1e-9) << z.what;
    EXPECT_NEAR(sheet->UnitsPerMile() / fit, z.zoom, 1e-9) << z.what;
  }
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lbZoom"))->text(), QStringLiteral("Масштаб ×1,56"));
  for (int i = 0; i < 40; ++i) QTest::keyClick(sheet, Qt::Key_Plus);
  EXPECT_NEAR(sheet->Zoom(), TPlottingSheet::kMostZoom, 1e-9);  // bounded
  QTest::keyClick(sheet, Qt::Key_0);
  EXPECT_NEAR(sheet->Zoom(), 1, 1e-12);

  // Pan: an arrow shows more of its side, dragging moves the sheet with the mouse.
  const TSheetBox before = sheet->Visible();
  QTest::keyClick(sheet, Qt::Key_Left);
  EXPECT_LT(static_cast<double>(sheet->Visible().West), static_cast<double>(before.West));
  EXPECT_NEAR(static_cast<double>(sheet->Visible().North), static_cast<double>(before.North), 1e-9);
  QTest::keyClick(sheet, Qt::Key_Down);
  EXPECT_LT(static_cast<double>(sheet->Visible().South), static_cast<double>(before.South));
  const TSheetBox moved = sheet->Visible();
  const QPoint from(100, 100);
  QTest::mousePress(sheet, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(sheet, from + QPoint(60, -30));
  QTest::mouseRelease(sheet, Qt::LeftButton, Qt::NoModifier, from + QPoint(60, -30));
  const double scale = sheet->UnitsPerMile();
  EXPECT_NEAR(static_cast<double>(moved.West - sheet->Visible().West) * scale, 60, 1e-6);   // dragged east: west shows
  EXPECT_NEAR(static_cast<double>(moved.North - sheet->Visible().North) * scale, 30, 1e-6);  // dragged north: south shows
  // The view is kept when the fix changes.
  const TSheetPoint shift = sheet->Shift();
  Get<QPushButton>("btnRemove")->click();
  EXPECT_NEAR(static_cast<double>(sheet->Shift().East), static_cast<double>(shift.East), 1e-12);
  window->findChild<QPushButton*>(QStringLiteral("btnFitSheet"))->click();
  EXPECT_NEAR(static_cast<double>(sheet->Shift().East), 0, 1e-12);

  // Escape hides it; the button opens it again; its close hides it, kept.
  QTest::keyClick(sheet, Qt::Key_Escape);
  ASSERT_TRUE(RunUntil([&] { return !window->isVisible(); }));
  Get<QPushButton>("btnSheetWindow")->click();
  ASSERT_TRUE(RunUntil([&] { return window->isVisible(); }));
  EXPECT_TRUE(window->close());
  ASSERT_TRUE(RunUntil([&] { return !window->isVisible(); }));
  EXPECT_EQ(tab->findChild<TSheetWindow*>(QStringLiteral("SheetWindow")), window);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
