// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The "Небосвод" tab of the navigation window: for the main window's
// instant, zone and position, the sky chart, the table of the stars, the Sun,
// the Moon and the planets, the altitude band and the magnitude limit for
// sights with the best three bodies, and the twilight of
// the main window's date with the two buttons that set its pickers to the
// morning or evening star time; a button greyed for a date without that
// star time says why, in its tooltip and in a line below the buttons.
//
// The tab follows the main window (Follow); a hidden tab only keeps the
// inputs and catches up when shown. An arithmetic fault of the computation
// is shown in the tab, which keeps its previous sky. A magnitude limit out
// of range stays typed in its box, is refused with its message, and the
// sky goes on with the last limit taken. Choosing a star on the
// chart or in the table, and the two buttons, ask the main window through
// the signals; the tab changes nothing of the main window itself. In the
// table the arrows move among the rows without choosing, and the row moved
// to stays while the sky goes on; Enter or a click chooses the row's star.
// Tab leaves the table.

#include <QDate>
#include <QTime>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "almanac/Almanac.h"
#include "almanac/SkyView.h"
#include "almanac/TwilightView.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace tarvel {

class TSkyChart;
class TStarListModel;

class TSkyTab : public QWidget {
  Q_OBJECT

 public:
  // The width of the star table's name column that the columns' fitting to
  // the table keeps while the figures' columns can give up room, and the
  // least it takes after, pixels.
  static constexpr int kNameColumnLeast = 140;
  static constexpr int kNameColumnSmallest = 60;

  // Every handler runs through the program's error report (Guarded,
  // widgets/ErrorReport.h).
  explicit TSkyTab(QWidget* parent = nullptr);
  ~TSkyTab() override;

  // The main window's inputs after a recalculation that completed.
  void Follow(const TAlmanacInputs& inputs);

 signals:
  // A star chosen on the chart or in the table.
  void starChosen(int number);
  // The middle of the morning or evening star time of the shown date.
  void shipTimeChosen(QDate date, QTime time);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The star-time buttons' tooltips while their times exist.
  static constexpr const char* kMorningStarsTip =
      "Поставить в главном окне середину утренних сумерек для звёзд (от навигационных до гражданских) и выключить "
      "автоматический ввод времени";
  static constexpr const char* kEveningStarsTip =
      "Поставить в главном окне середину вечерних сумерек для звёзд (от гражданских до навигационных) и выключить "
      "автоматический ввод времени";

  void CreateControls();
  void ConnectHandlers();

  // The sky for the kept inputs, then everything that shows it.
  void Refresh();
  void ShowSky();
  void SelectStarRow();
  void FitColumns();
  // The band and limit as the controls show them, taken or not.
  TAltitudeBand TypedBand() const;
  void ShowTwilight();

  void BandChange();
  void AllStarsClick();
  void StarListChoice(std::int32_t star);
  void SkyChartClick(int number);
  void MorningStarsClick();
  void EveningStarsClick();
  void ChooseShipTime(std::int32_t seconds);

  TAlmanacInputs inputs_;
  bool haveInputs_ = false;
  bool stale_ = false;     // inputs not yet shown
  bool arranging_ = false;  // the program, not the user, moves the table's selection
  std::int32_t browsed_ = 0;        // the row the user moved to in the table, 0: none
  std::int32_t followedStar_ = 0;   // the main window's star of the last inputs
  bool columnsFitted_ = false;
  bool fitting_ = false;            // the program, not the user, sizes the columns
  bool userSizedColumns_ = false;   // the user sized a column: no more fitting
  std::unique_ptr<TSkyView> view_;
  TAltitudeBand band_;  // the last band and limit taken

  // Twilight depends on the date, zone and position only: it is computed
  // again only when one of them changes, not on every tick.
  struct TTwilightKey {
    std::int32_t Zone, Day, Month, Year;
    Extended Latitude, Longitude;
    bool operator==(const TTwilightKey&) const = default;
  };
  std::optional<TTwilightKey> twilightFor_;
  TTwilightView twilight_;

  TSkyChart* SkyChart = nullptr;
  QTableView* StarList = nullptr;
  TStarListModel* starListModel_ = nullptr;
  QCheckBox* AllStars = nullptr;  // the stars below the horizon too
  QSpinBox* BandFrom = nullptr;   // the altitude band for sights, degrees
  QSpinBox* BandTo = nullptr;
  QDoubleSpinBox* dsMagnitudeLimit = nullptr;  // the faintest body for sights
  QLabel* BestThree = nullptr;
  QLabel* SkyError = nullptr;     // an arithmetic fault of the last attempt
  QLabel* lbBandError = nullptr;  // a magnitude limit refused
  QLabel* TwilightDate = nullptr;
  QLabel* MorningNautical = nullptr;  // ship's times HH:MM
  QLabel* MorningCivil = nullptr;
  QLabel* Sunrise = nullptr;
  QLabel* Sunset = nullptr;
  QLabel* EveningCivil = nullptr;
  QLabel* EveningNautical = nullptr;
  QPushButton* MorningStars = nullptr;  // set the main window to the middle of the star time
  QPushButton* EveningStars = nullptr;
  QLabel* lbStarTimeReason = nullptr;  // why a star time's button is greyed
};

}  // namespace tarvel
