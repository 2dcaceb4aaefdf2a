// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The "Обработка наблюдений" tab: one sight from the sextant altitude to the
// line of position (the worksheet), a list of such sights (TSightListModel),
// and beside them the dead reckoning, the fix with its error ellipse, and the
// plotting sheet (TFixPanel).
//
// Every change of an input reduces the sight again at once. An input that
// cannot be reduced shows its error in the tab, in Russian, and the worksheet
// keeps its previous values; nothing the user typed is touched. The fix is
// worked again whenever the list or the dead reckoning changes, its error
// shown the same way. The list lives as long as the window; "Копировать"
// puts the worksheet, or the list with the fix, on the clipboard as text.
//
// The date, time, zone, assumed position and star of the sight, and the
// dead reckoning's position and time, start from the main window's values
// (the first Follow); the "Из главного окна" buttons take its latest values
// again. Every handler runs through the program's error report (Guarded,
// widgets/ErrorReport.h).
//
// An input refused leaves in the worksheet the last good reduction of values
// not in the middle of their typing (those the form held when the focus
// entered the field being typed), marked so above it, with the field that is
// refused (LastGoodText); never one of a half-typed number.
//
// Keys: Return or Enter in a field of the form adds the sight, unless it
// closes a pop-up (the body list, the calendar, the star search's list) or is
// typed in the star search, where it chooses the star; Delete in the list
// removes its selected row; Ctrl+Z (outside a text field, which keeps its
// own) undoes the list's last changes, several deep; F5 anywhere in the tab
// is "Засечка": the form's date and time become the clock's instant in the
// form's zone, corrected by the chronometer record's correction at that
// instant (chronometer/: seconds added to the clock's reading), rounded to
// the nearest whole second, a half second up. "Хронометр…" opens the record
// (TChronometerDialog); the line over the worksheet gives the correction the
// record holds for the sight's instant, and the form warns when the rate has
// moved it more than 10 s. The star is typed by its number or
// found by part of its name; a text no star's line holds is said under the
// form, "Нет звезды «…»" (NoStarText), and so is a Return on a text that
// several hold (ManyStarsText). A form whose Hs was never typed shows
// no error, but adds nothing.

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "almanac/Almanac.h"
#include "core/Extended.h"
#include "navfields/Fields.h"
#include "reports/FixReport.h"
#include "reports/SightLog.h"
#include "sights/Sight.h"

class QComboBox;
class QCompleter;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;

namespace tarvel {

class TFixPanel;
class TMaskEdit;
class TNumberField;
class TSightListModel;
class TSpinEdit;
struct TPrintedLog;

// "Показано последнее верное вычисление: поле «Индексная ошибка» не
// принято"; with no field named, the reduction's own refusal.
QString LastGoodText(const QString& field);
// "Нет звезды «сириуз»".
QString NoStarText(const QString& typed);
// Said when Return is pressed on a text several stars' lines hold.
QString ManyStarsText(const QString& typed);

class TSightTab : public QWidget {
  Q_OBJECT

 public:
  explicit TSightTab(QWidget* parent = nullptr);
  ~TSightTab() override;

  // The main window's values after each of its recalculations.
  void Follow(const TAlmanacInputs& inputs);

  // The sights of the list, in the list's order.
  const std::vector<TLoggedSight>& Sights() const;
  // The last fix worked, if the sights switched on give one.
  const TFixOutcome& Fix() const;

  // Printing the log (sighttab/SightTabPrint.cpp): "Печать…" through the
  // print dialog, "PDF…" to the file chosen in the log's save dialog
  // (navigation/SightLogKeeper.h); the log's title heads every page.
  void PrintClick();
  void SavePdf(const QString& path);
  void SetLogTitle(const QString& title) { logTitle_ = title; }
  TPrintedLog PrintedLog() const;

  // The sight log (reports/SightLog.h): the list, the dead reckoning in
  // force, the fix's accuracy and the observer's settings of the form, each
  // setting as its field last held a value in its range; none before a
  // reckoning could be read.
  std::optional<TSightLog> Log() const;
  // Shows a log in place of the list, reckoning, accuracy and observer's
  // settings: the rest of the sight form keeps what it holds. The sights
  // come with their reductions.
  void SetLog(const TSightLog& log);

  // The computer's clock for the mark: local date and time (the default,
  // QDateTime::currentDateTime, until one is set).
  void SetClock(std::function<QDateTime()> clock);
  // The chronometer's record: comparisons and rate (chronometer/).
  const TChronometerRecord& Chronometer() const { return chronometer_; }
  void SetChronometer(const TChronometerRecord& record);
  // "Хронометр…": the record's dialog, modal; its record kept on "ОК".
  void ChronometerClick();

 signals:
  // "Перенести в главное окно": the fix, north and east positive degrees,
  // and its ship's instant.
  void fixChosen(tarvel::Extended lat, tarvel::Extended lon, tarvel::TShipTime time);
  // The log may have changed: a sight added, replaced, removed or switched,
  // the reckoning or the accuracy changed, a log shown.
  void logChanged();

 private:
  void CreateControls();
  QGroupBox* CreateSightGroup();
  QGroupBox* CreateWorksheetGroup();
  void SizeWorksheet(int rows);  // rows of the worksheet, each with its styled cells
  QGroupBox* CreateListGroup();
  void ConnectHandlers();
  void ConnectKeys();
  void SetTabOrder();

  // The sight form.
  void SightInputChange();
  void BodyChange();
  void StarChange();
  void TakeMainClick();
  void CopySheetClick();
  void Reduce();
  void ShowWorksheet(const TLoggedSight& logged);
  // The reduction in hand becomes the one a refusal falls back to.
  void CommitReduction();
  // Raises the error of the first field that cannot be read, field its caption.
  TSight ReadSight(QString& field) const;
  void ShowSight(const TLoggedSight& logged);
  void ShowStar();
  void ApplyMainValuesToSight();
  void MarkClick();
  void ShowSheetWindow();
  void ShowChronometer();  // the line of the record at the form's instant
  void ObserverChange();
  void SettleObserver();  // the form's observer's settings become the ones a refused field falls back to
  void FindStar(const QString& choice);
  int SearchStar();
  void SizeStarFinder();

  // The list and its fix.
  void AddClick();
  void ReplaceClick();
  void RemoveClick();
  void CopyListClick();
  void TakeSightIntoForm(int row);
  void TimeHeadingClick(int column);
  void WorkFix();
  void EnableListButtons();
  int CurrentRow() const;
  void SetCurrentRow(int row);
  // The list as it stood before a change, for Ctrl+Z.
  void RememberList();
  void UndoListChange();

  std::optional<TAlmanacInputs> main_;  // the main window's latest values
  bool applying_ = false;               // the program is filling the inputs
  TChronometerRecord chronometer_;      // the log's chronometer record
  TObserverSettings observer_;          // the log's observer's settings: each field's last good value
  TObserverSettings observerSettled_;   // each field's value before the edit in hand
  bool hsTyped_ = false;                // Hs has been given once, by the user or a list's row
  // The sight as last reduced; empty while the inputs give none.
  std::optional<TLoggedSight> reduced_;
  // The sight the worksheet shows.
  std::optional<TLoggedSight> shown_;
  // The last good reduction of values not being typed.
  std::optional<TLoggedSight> committed_;
  QMetaObject::Connection focusWatch_;  // the application's focus, watched while the tab lives
  std::int32_t lastFound_ = 0;  // the one star whose line holds the search's text, else 0
  TSightListModel* sights_ = nullptr;
  // The list as the table shows it: the log's order, or by time after a
  // click on the time's heading (log, earliest first, latest first, log…).
  QSortFilterProxyModel* sightOrder_ = nullptr;
  TFixPanel* fixPanel_ = nullptr;
  QString logTitle_ = QStringLiteral("Журнал наблюдений");
  std::function<QDateTime()> clock_;
  std::vector<std::vector<TLoggedSight>> undo_;  // the list before each change, the last change last

  // The sight form, named as their objectName.
  QComboBox* cbBody = nullptr;
  TSpinEdit* seStar = nullptr;
  QLabel* lbStarLetter = nullptr;
  QLabel* lbStarName = nullptr;
  QLineEdit* leStarFind = nullptr;
  QLabel* lbStarSearch = nullptr;
  QCompleter* starFinder_ = nullptr;  // leStarFind's lines, "42 θ Возничего"
  QStringList starLines_;             // those lines, star 1 first
  QPushButton* btnMark = nullptr;
  QPushButton* btnChronometer = nullptr;
  QLabel* lbChronometer = nullptr;  // the correction at the form's instant
  TInstantFields sightTime_;
  TMaskEdit* meHs = nullptr;
  TNumberField* dsIndex = nullptr;
  TNumberField* dsEye = nullptr;
  TNumberField* dsTemperature = nullptr;
  TNumberField* dsPressure = nullptr;
  TNumberField* dsDut1 = nullptr;    // DUT1 as the time signals give it
  QLabel* lbTimeOfRecord = nullptr;  // the reduced sight's DUT1 and what the time costs its place
  TPositionFields assumed_;
  QPushButton* btnTakeMain = nullptr;
  QLabel* lbSightError = nullptr;
  QLabel* lbSightWarning = nullptr;
  QLabel* lbSheetState = nullptr;  // over the worksheet: the last good reduction shown
  QTableWidget* twWorksheet = nullptr;
  QPushButton* btnCopySheet = nullptr;
  QPushButton* btnAdd = nullptr;
  QPushButton* btnReplace = nullptr;

  // The list.
  QTableView* tvSights = nullptr;
  QPushButton* btnRemove = nullptr;
  QPushButton* btnCopyList = nullptr;
};

}  // namespace tarvel
