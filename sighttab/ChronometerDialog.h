// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// "Хронометр…": the navigator's chronometer record (chronometer/), opened
// from the sight tab. The comparisons in time order, each with its ship's
// date, time and zone and the error found ("спешит 3,4 с"); a new one is
// added from its date, time (to the minute), zone, seconds (0 … 3600,0) and
// "спешит"/"отстаёт"; the selected one removed. The daily rate either from
// the last two comparisons (shown) or typed (−60,0 … 60,0 с/сут).
//
// A field that cannot be read, or a comparison at the instant of another,
// is said in the dialog in Russian with its range; what was typed stays, and
// the record is not changed. "ОК" is refused while the typed rate is wrong.
// Every handler runs through Guarded.

#include <QDialog>

#include "chronometer/Chronometer.h"
#include "navfields/Fields.h"

class QLabel;
class QPushButton;
class QComboBox;
class QRadioButton;
class QTableWidget;

namespace tarvel {

class TNumberField;

class TChronometerDialog : public QDialog {
  Q_OBJECT

 public:
  // start: the date, time (to the minute) and zone a new comparison's
  // fields start from (the clock's instant in the sight form's zone).
  TChronometerDialog(const TChronometerRecord& record, const TShipTime& start, QWidget* parent = nullptr);

  // The record as the dialog holds it.
  const TChronometerRecord& Record() const { return record_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;  // Delete in the table

 private:
  void AddComparisonClick();
  void RemoveComparisonClick();
  void RateChoiceChange();
  void ShowRecord();
  // Reads the typed rate into the record; false (and says why) when wrong.
  bool TakeRate();

  TChronometerRecord record_;
  QTableWidget* twComparisons = nullptr;
  QPushButton* btnRemoveComparison = nullptr;
  TInstantFields comparisonTime_;
  TNumberField* dsComparisonError = nullptr;
  QComboBox* cbComparisonSense = nullptr;
  QPushButton* btnAddComparison = nullptr;
  QRadioButton* rbRateFromComparisons = nullptr;
  QRadioButton* rbRateTyped = nullptr;
  QLabel* lbDerivedRate = nullptr;
  TNumberField* dsRate = nullptr;
  QLabel* lbChronometerError = nullptr;
};

}  // namespace tarvel
