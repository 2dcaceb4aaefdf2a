// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The right-hand column of the "Обработка наблюдений" tab: the dead
// reckoning ("Счисление"), the fix ("Обсервация") and the plotting sheet.
//
// The panel works the fix of the sights it is given from the dead reckoning
// in force and shows it; it keeps no sights of its own. A dead reckoning
// that cannot be read shows its error, in Russian, under its fields and
// leaves the last one that could be read in force; the fix's own error shows
// under the fix. The reckoning starts from the main window's values (the
// first Follow); "Из главного окна" takes its latest values again. The fix
// is worked with the accuracy set under it: the standard error of one
// altitude and the growth of the reckoning's error an hour.
//
// While a field of the reckoning or of the accuracy is refused (a course of
// 400) there is no fix: the fix's text says which field to mend
// (RefusedFieldText), "Перенести в главное окно" is disabled and the sheet is
// blank; the last values that could be read stay the log's.
//
// Every handler runs through the program's error report (Guarded,
// widgets/ErrorReport.h). Nothing raises out of WorkFix.

#include <QWidget>
#include <optional>
#include <vector>

#include "almanac/Almanac.h"
#include "core/Extended.h"
#include "navfields/Fields.h"
#include "reports/FixReport.h"

class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tarvel {

class TNumberField;
class TPlottingSheet;
class TSheetWindow;

// "Обсервации нет: исправьте поле «Курс»".
QString RefusedFieldText(const QString& field);

class TFixPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TFixPanel(QWidget* parent = nullptr);

  // The main window's values after each of its recalculations.
  void Follow(const TAlmanacInputs& inputs);

  // Reads the dead reckoning, works the fix of the sights switched on, and
  // shows the fix and the plotting sheet.
  const TFixOutcome& WorkFix(const std::vector<TLoggedSight>& sights);

  // The last fix worked, if the sights switched on gave one.
  const TFixOutcome& Fix() const { return fix_; }
  // The dead reckoning in force, once one could be read.
  const std::optional<TDeadReckoning>& Reckoning() const { return reckoning_; }

  // The dead reckoning and the accuracy of a sight log opened, shown in the
  // fields; the fix is worked again (reckoningChanged). From then on the
  // main window's first values no longer replace the reckoning: the log's
  // is the navigator's own.
  void ShowLog(const TDeadReckoning& dr, const TFixSettings& settings);

  // "Планшет…" and F9: the sheet in a window of its own (fixpanel/SheetWindow.h).
  void ShowSheetWindow();
  TSheetWindow* SheetWindow() const { return sheetWindow_; }

 signals:
  // The dead reckoning was changed: the fix is to be worked again.
  void reckoningChanged();
  // "Перенести в главное окно": the fix, north and east positive degrees,
  // and its instant (the time of the last sight in it).
  void fixChosen(tarvel::Extended lat, tarvel::Extended lon, tarvel::TShipTime time);

 private:
  QGroupBox* CreateReckoningGroup();
  QGroupBox* CreateFixGroup();
  void ConnectHandlers();

  void ReckoningInputChange();
  void TakeMainReckoningClick();
  void FixToMainClick();
  void ApplyMainValuesToReckoning();
  // Each raises the error of the first field that cannot be read, and sets
  // field to its caption ("Курс"); empty after a good read.
  TDeadReckoning ReadReckoning(QString& field) const;
  TFixSettings ReadSettings(QString& field) const;

  std::optional<TAlmanacInputs> main_;  // the main window's latest values
  bool applying_ = false;               // the program is filling the inputs
  bool reckoningKept_ = false;          // a log's reckoning is shown: the first Follow keeps it
  std::optional<TDeadReckoning> reckoning_;
  TFixSettings settings_;  // the accuracy last read
  TFixOutcome fix_;
  TShipTime fixTime_{};  // the instant of fix_, while it has a fix

  // Named as their objectName.
  TPositionFields reckoningPosition_;
  TInstantFields reckoningTime_;
  TNumberField* dsCourse = nullptr;
  TNumberField* dsSpeed = nullptr;
  QPushButton* btnTakeMainReckoning = nullptr;
  QLabel* lbReckoningError = nullptr;
  TNumberField* dsSightError = nullptr;
  TNumberField* dsDriftRate = nullptr;
  QLabel* lbFix = nullptr;
  QLabel* lbFixError = nullptr;
  QPushButton* btnFixToMain = nullptr;
  QPushButton* btnSheetWindow = nullptr;
  TPlottingSheet* sheet_ = nullptr;
  TSheetWindow* sheetWindow_ = nullptr;
};

}  // namespace tarvel
