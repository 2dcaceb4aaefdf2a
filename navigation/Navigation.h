// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// TForm3, the navigation window: the sky ("Небосвод") and the reduction of
// sights ("Обработка наблюдений") in two tabs. The main window makes it on
// first use and shows it beside itself, not modal; closing it only hides it,
// and it never keeps the program running once the main window is closed.
//
// It follows the main window: Follow after every recalculation that
// completed there. What the user chooses here goes back through the signals,
// which the main window connects to its own methods; the window changes
// nothing of the main window itself.
//
// Its "Журнал" menu, a button beside the tabs, keeps the sight log (navigation/SightLogKeeper.h): the
// log of the last run comes back when the window is made, and its file's
// name is in the title.
//
// Keys, from anywhere in the window: Ctrl+Tab and Ctrl+Shift+Tab go to the
// next and the previous tab, round; F10 opens the "Журнал" menu, whose
// items have keys of their own. A frame (widgets/FocusMark.h) shows the
// control that has the focus on every tab.

#include <QDate>
#include <QDateTime>
#include <QSize>
#include <functional>
#include <QTime>
#include <QWidget>

#include "almanac/Almanac.h"
#include "core/Extended.h"

class QTabWidget;

namespace tarvel {

class TSightLogKeeper;
class TSightTab;
class TSkyTab;

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  // Every handler of the window runs through the program's error report
  // (Guarded, widgets/ErrorReport.h).
  explicit TForm3(QWidget* parent = nullptr);

  // The main window's inputs after a recalculation that completed; passed
  // on to the tabs.
  void Follow(const TAlmanacInputs& inputs);

  // Shows the window without blocking the others, or brings it to the front.
  void ShowModeless();

  // The computer's clock the sight tab's mark reads ("Засечка"); the main
  // window hands on its own, which tests replace.
  void SetClock(std::function<QDateTime()> clock);

  // The window's first size on a screen with this free area: 1240 × 800 or
  // what both pages need at least, no larger than the screen.
  QSize DefaultSize(QSize available) const;

 signals:
  void starChosen(int number);
  void shipTimeChosen(QDate date, QTime time);
  // The fix, north and east positive degrees, and its ship's instant.
  void fixChosen(tarvel::Extended lat, tarvel::Extended lon, tarvel::TShipTime time);

 private:
  QTabWidget* Tabs = nullptr;
  TSkyTab* SkyTab = nullptr;
  TSightTab* SightTab = nullptr;
  TSightLogKeeper* LogKeeper = nullptr;  // the "Журнал" menu and the log kept between runs
};

}  // namespace tarvel
