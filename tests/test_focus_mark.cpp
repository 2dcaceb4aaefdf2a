// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The focus frame over controls on a page and inside a splitter: it frames
// the control and never becomes a pane of the splitter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <chrono>
#include <functional>

#include "widgets/FocusMark.h"

namespace tarvel {
namespace {

bool Eventually(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    QTest::qWait(1);
  }
  return true;
}

TEST(FocusMark, FramesTheControlAndLeavesASplitterItsPanes) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* field = new QLineEdit;
  auto* splitter = new QSplitter;
  auto* table = new QTableView;
  auto* chart = new QWidget;
  layout->addWidget(field);
  layout->addWidget(splitter);
  splitter->addWidget(chart);
  splitter->addWidget(table);
  auto* mark = new TFocusMark(&window);
  window.resize(600, 400);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const int chartWidth = chart->width();

  for (QWidget* control : {static_cast<QWidget*>(field), static_cast<QWidget*>(table), static_cast<QWidget*>(field)}) {
    control->setFocus();
    ASSERT_TRUE(Eventually([&] { return mark->Marked() == control && mark->isVisible(); }));
    EXPECT_EQ(splitter->count(), 2);
    EXPECT_NE(mark->parentWidget(), splitter);
    EXPECT_EQ(QRect(mark->mapTo(&window, QPoint(0, 0)), mark->size()),
              QRect(control->mapTo(&window, QPoint(0, 0)), control->size()));
    QTest::qWait(1);
    EXPECT_EQ(chart->width(), chartWidth);
  }
}

}  // namespace
}  // namespace tarvel
