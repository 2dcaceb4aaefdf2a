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

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "almanac/Almanac.h"
#include "core/Extended.h"
#include "navfields/Fields.h"
#include "reports/FixReport.h"
#include "reports/SightLog.h"
#include "sights/Sight.h"

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace tarvel {

class TFixPanel;
class TMaskEdit;
class TSightListModel;
class TSpinEdit;
struct TPrintedLog;

class TSightTab : public QWidget {
  Q_OBJECT

 public:
  explicit TSightTab(QWidget* parent = nullptr);

  // The main window's values after each of its recalculations.
  void Follow(const TAlmanacInputs& inputs);

  // The sights of the list, in the list's order.
  const std::vector<TLoggedSight>& Sights() const;
  // The last fix worked, if the sights switched on give one.
  const TFixOutcome& Fix() const;

  // Printing the log (sighttab/SightTabPrint.cpp): "Печать…" through the
  // print dialog, "PDF…" to a file chosen in a save dialog; the log's title
  // heads every page.
  void PrintClick();
  void PdfClick();
  void SetLogTitle(const QString& title) { logTitle_ = title; }
  TPrintedLog PrintedLog() const;

  // The sight log (reports/SightLog.h): the list, the dead reckoning in
  // force and the fix's accuracy; none before a reckoning could be read.
  std::optional<TSightLog> Log() const;
  // Shows a log in place of the list, reckoning and accuracy: the sight
  // form keeps what it holds. The sights come with their reductions.
  void SetLog(const TSightLog& log);

 signals:
  // "Перенести в главное окно": the fix, north and east positive degrees.
  void positionChosen(tarvel::Extended lat, tarvel::Extended lon);
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

  // The sight form.
  void SightInputChange();
  void BodyChange();
  void StarChange();
  void TakeMainClick();
  void CopySheetClick();
  void Reduce();
  TSight ReadSight() const;
  void ShowSight(const TLoggedSight& logged);
  void ShowStar();
  void ApplyMainValuesToSight();

  // The list and its fix.
  void AddClick();
  void ReplaceClick();
  void RemoveClick();
  void CopyListClick();
  void TakeSightIntoForm(int row);
  void WorkFix();
  void EnableListButtons();
  int CurrentRow() const;
  void SetCurrentRow(int row);

  std::optional<TAlmanacInputs> main_;  // the main window's latest values
  bool applying_ = false;               // the program is filling the inputs
  Extended clockCorrection_ = 0;        // the log's "поправка часов", seconds
  // The sight as last reduced; empty while the inputs give none.
  std::optional<TLoggedSight> reduced_;
  // The sight the worksheet shows.
  std::optional<TLoggedSight> shown_;
  TSightListModel* sights_ = nullptr;
  TFixPanel* fixPanel_ = nullptr;
  QString logTitle_ = QStringLiteral("Журнал наблюдений");

  // The sight form, named as their objectName.
  QComboBox* cbBody = nullptr;
  TSpinEdit* seStar = nullptr;
  QLabel* lbStarLetter = nullptr;
  QLabel* lbStarName = nullptr;
  TInstantFields sightTime_;
  TMaskEdit* meHs = nullptr;
  QDoubleSpinBox* dsIndex = nullptr;
  QDoubleSpinBox* dsEye = nullptr;
  QDoubleSpinBox* dsTemperature = nullptr;
  QDoubleSpinBox* dsPressure = nullptr;
  TPositionFields assumed_;
  QPushButton* btnTakeMain = nullptr;
  QLabel* lbSightError = nullptr;
  QLabel* lbSightWarning = nullptr;
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
