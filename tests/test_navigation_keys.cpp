// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The navigation window by the keyboard alone, beside the real main window,
// offscreen: its key from the main window, Ctrl+Tab between the tabs from
// any control, F10 for the "Журнал" menu, Tab out of the tables, the arrows
// in the sky table moving without choosing and Enter choosing, and the
// focus frame on every control Tab reaches.

#include <QApplication>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "almanac/SkyView.h"
#include "navigation/Navigation.h"
#include "skytab/StarListModel.h"
#include "widgets/FocusMark.h"
#include "widgets/Look.h"

namespace tarvel {
namespace {

class NavigationKeysTest : public MainWindowTest {
 protected:
  static TForm3* Window() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QLatin1String("Form3")) return qobject_cast<TForm3*>(w);
    }
    return nullptr;
  }
  template <class T = QWidget>
  static T* In(const char* name) {
    T* child = Window() ? Window()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  // The main window shown and active, then the navigation window by its key.
  TForm3* OpenByKey() {
    Create();
    form->show();
    form->activateWindow();
    if (!RunUntil([this] { return QApplication::activeWindow() == form.get(); })) return nullptr;
    QTest::keyClick(form.get(), Qt::Key_F2);
    TForm3* window = Window();
    if (window) RunUntil([window] { return QApplication::activeWindow() == window; });
    return window;
  }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(Focus(), key, modifiers); }
};

TEST_F(NavigationKeysTest, KeysOpenTheWindowTurnTheTabsAndDropTheMenu) {
  TForm3* window = OpenByKey();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  auto* tabs = In<QTabWidget>("Tabs");
  In<QTableView>("StarList")->setFocus();
  ASSERT_TRUE(RunUntil([] { return Focus() && Focus()->objectName() == QLatin1String("StarList"); }));
  // Round both ways, from a table and from whatever the new tab focuses.
  const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; int tab; } kTurns[] = {
      {Qt::Key_Tab, Qt::ControlModifier, 1},
      {Qt::Key_Tab, Qt::ControlModifier, 0},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0}};
  for (const auto& turn : kTurns) {
    Press(turn.key, turn.modifiers);
    EXPECT_EQ(tabs->currentIndex(), turn.tab);
  }
  tabs->setCurrentIndex(1);
  In<QTableView>("Sights")->setFocus();
  ASSERT_TRUE(RunUntil([] { return Focus() && Focus()->objectName() == QLatin1String("Sights"); }));
  Press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 0);

  // F9 opens the sheet's window from the sight tab's own tab bar, where
  // Ctrl+Tab leaves the focus; on the sky tab it does nothing.
  QWidget* sheet = In<QWidget>("SheetWindow");
  tabs->tabBar()->setFocus();
  ASSERT_TRUE(RunUntil([tabs] { return Focus() == tabs->tabBar(); }));
  Press(Qt::Key_F9);
  EXPECT_FALSE(sheet->isVisible());
  Press(Qt::Key_Tab, Qt::ControlModifier);
  ASSERT_EQ(tabs->currentIndex(), 1);
  ASSERT_EQ(Focus(), tabs->tabBar());
  Press(Qt::Key_F9);
  EXPECT_TRUE(RunUntil([sheet] { return sheet->isVisible(); }));
  sheet->hide();
  window->activateWindow();
  ASSERT_TRUE(RunUntil([window] { return QApplication::activeWindow() == window; }));
  tabs->setCurrentIndex(0);

  // F10 drops the menu with its first item active; the arrows move in it.
  auto* menu = In<QMenu>("LogMenu");
  EXPECT_TRUE(In<QToolButton>("btnLog")->toolTip().contains(QStringLiteral("F10")));
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) {
      EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
  }
  Press(Qt::Key_F10);
  ASSERT_TRUE(RunUntil([menu] { return menu->isVisible(); }));
  EXPECT_EQ(menu->activeAction(), menu->actions().front());
  QTest::keyClick(menu, Qt::Key_Down);
  EXPECT_EQ(menu->activeAction(), menu->actions().at(1));
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_TRUE(RunUntil([menu] { return !menu->isVisible(); }));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(NavigationKeysTest, ArrowsMoveInTheSkyTableEnterChoosesTabLeaves) {
  TForm3* window = OpenByKey();
  ASSERT_NE(window, nullptr);
  EnterWorkedExample();
  auto* table = In<QTableView>("StarList");
  auto* rows = static_cast<TStarListModel*>(table->model());
  table->setFocus();
  ASSERT_TRUE(RunUntil([table] { return Focus() == table; }));
  const std::int32_t chosen = form->StarNumber();
  ASSERT_EQ(table->currentIndex().row(), rows->RowOfStar(chosen));

  // Down to the next star's row: the main window keeps its star, and the
  // row stays while the sky goes on.
  std::int32_t browsed = 0;
  for (int k = 0; k < 8 && (!browsed || browsed == chosen); ++k) {
    Press(Qt::Key_Down);
    const std::int32_t star = rows->StarOfRow(table->currentIndex().row());
    browsed = IsStarRow(star) ? star : 0;
  }
  ASSERT_NE(browsed, 0);
  QApplication::processEvents();
  EXPECT_EQ(form->StarNumber(), chosen);
  Get<QTimeEdit>("TimePicker")->setTime(Get<QTimeEdit>("TimePicker")->time().addSecs(1));  // the next tick
  EXPECT_EQ(rows->StarOfRow(table->currentIndex().row()), browsed);
  EXPECT_EQ(form->StarNumber(), chosen);

  Press(Qt::Key_Return);
  EXPECT_TRUE(RunUntil([&] { return form->StarNumber() == browsed; }));
  EXPECT_EQ(rows->StarOfRow(table->currentIndex().row()), browsed);

  // Tab and Shift+Tab leave the table, whatever its row.
  Press(Qt::Key_Tab);
  EXPECT_NE(Focus(), table);
  table->setFocus();
  ASSERT_TRUE(RunUntil([table] { return Focus() == table; }));
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_NE(Focus(), table);
  EXPECT_EQ(form->StarNumber(), browsed);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(NavigationKeysTest, TheFocusIsFramedOnEveryTab) {
  TForm3* window = OpenByKey();
  ASSERT_NE(window, nullptr);
  auto* tabs = In<QTabWidget>("Tabs");
  auto* mark = In<TFocusMark>("FocusMark");
  for (int tab = 0; tab < tabs->count(); ++tab) {
    tabs->setCurrentIndex(tab);
    tabs->tabBar()->setFocus();
    ASSERT_TRUE(RunUntil([tabs] { return Focus() == tabs->tabBar(); })) << tab;
    // Round the tab's controls; every one framed, the frame drawn over it.
    for (int k = 0; k < 30; ++k) {
      Press(Qt::Key_Tab);
      QWidget* focus = Focus();
      ASSERT_NE(focus, nullptr);
      ASSERT_EQ(focus->window(), window);
      ASSERT_TRUE(RunUntil([&] { return mark->Marked() == focus && mark->isVisible(); }))
          << tab << " " << focus->objectName().toStdString();
      // Over the control, on its page; never a pane of a splitter, which
      // would take room from the page's own panes.
      QWidget* host = mark->parentWidget();
      ASSERT_TRUE(host && host->isAncestorOf(focus));
      EXPECT_EQ(qobject_cast<QSplitter*>(host), nullptr) << focus->objectName().toStdString();
      const QRect over(focus->mapTo(host, QPoint(0, 0)), focus->size());
      EXPECT_EQ(mark->geometry(), over) << focus->objectName().toStdString();
      const QImage drawn = host->grab(over).toImage();
      bool aqua = false;
      for (int x = 0; x < 5; ++x) aqua = aqua || drawn.pixelColor(x, drawn.height() / 2) == look::kAqua;
      EXPECT_TRUE(aqua) << focus->objectName().toStdString();
    }
  }
  // Away from the window, no frame.
  form->activateWindow();
  EXPECT_TRUE(RunUntil([mark] { return !mark->isVisible(); }));
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
