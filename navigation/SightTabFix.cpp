// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The list of sights, the dead reckoning, the fix and the plotting sheet.

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimeEdit>

#include "navigation/Fields.h"
#include "navigation/PlottingSheet.h"
#include "reports/SightSheet.h"
#include "navigation/SightTab.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {

void TSightTab::ApplyMainValuesToReckoning() {
  if (!main_) return;
  const TAlmanacInputs& in = *main_;
  applying_ = true;
  try {
    ShowShipTime(in.Time, reckoningTime_);
    ShowPosition(in.Latitude, in.Longitude, reckoningPosition_.Lat, reckoningPosition_.LatSign,
                 reckoningPosition_.Lon, reckoningPosition_.LonSign);
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  WorkFix();
}

void TSightTab::TakeMainReckoningClick() { ApplyMainValuesToReckoning(); }

void TSightTab::ReckoningInputChange() {
  if (!applying_) WorkFix();
}

TDeadReckoning TSightTab::ReadReckoning() const {
  TDeadReckoning dr{};
  std::tie(dr.Lat, dr.Lon) = ReadPosition(reckoningPosition_.Lat, reckoningPosition_.LatSign,
                                          reckoningPosition_.Lon, reckoningPosition_.LonSign);
  dr.Time = ReadShipTime(reckoningTime_);
  dr.Course = ReadNumber(dsCourse);
  dr.Speed = ReadNumber(dsSpeed);
  return dr;
}

void TSightTab::WorkFix() {
  // A dead reckoning that cannot be read leaves the last one in force, and
  // says why.
  try {
    reckoning_ = ReadReckoning();
    lbReckoningError->clear();
  } catch (const Exception& error) {
    lbReckoningError->setText(Text(error.Message()));
  }
  fix_ = reckoning_ ? tarvel::WorkFix(log_, *reckoning_) : TFixOutcome{};

  QString fix;
  for (const std::string& line : FixLines(log_, fix_, false)) fix += (fix.isEmpty() ? "" : "\n") + Text(line);
  lbFix->setText(fix);
  lbFixError->setText(Text(fix_.Error));
  btnFixToMain->setEnabled(fix_.Fix.has_value());
  if (reckoning_) sheet_->SetPlot(SightsPlot(log_, *reckoning_, fix_));
  ShowList();
}

void TSightTab::ShowList() {
  const QSignalBlocker block(twSights);
  const int current = twSights->currentRow();
  twSights->setRowCount(static_cast<int>(log_.size()));
  for (std::size_t i = 0; i < log_.size(); ++i) {
    const TSightRow texts = SightRowTexts(log_[i], ResidualAt(fix_, i));
    const std::vector<std::string> warnings = SightWarnings(log_[i].Sight, log_[i].Reduction);
    QString tip;
    for (const std::string& warning : warnings) tip += (tip.isEmpty() ? "" : "\n") + Text(warning);
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
      auto* item = new QTableWidgetItem(Text(texts[column]));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (column >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (!log_[i].Enabled) item->setForeground(QColor(128, 128, 128));
      if (!warnings.empty() && column == 1) {
        item->setText(item->text() + QStringLiteral(" ⚠"));
        item->setForeground(QColor(255, 176, 0));  // amber, as the warning under the form
      }
      item->setToolTip(column == 0 ? Text(SightTimeText(log_[i].Sight)) + QStringLiteral(", пояс ") +
                                         Text(ZoneText(log_[i].Sight.Time.Zone))
                                   : tip);
      if (column == 0) {
        // The first cell's box switches the sight on and off; it is there
        // before the cell is, so that the column's width allows for it.
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(log_[i].Enabled ? Qt::Checked : Qt::Unchecked);
      }
      twSights->setItem(static_cast<int>(i), column, item);
    }
  }
  twSights->setCurrentCell(std::min(current, static_cast<int>(log_.size()) - 1), 0);
  btnRemove->setEnabled(twSights->currentRow() >= 0);
  btnReplace->setEnabled(reduced_ && twSights->currentRow() >= 0);
  btnCopyList->setEnabled(!log_.empty());
}

void TSightTab::AddClick() {
  if (!reduced_) return;
  log_.push_back(*reduced_);
  {
    const QSignalBlocker block(twSights);
    twSights->setRowCount(static_cast<int>(log_.size()));
    twSights->setCurrentCell(static_cast<int>(log_.size()) - 1, 0);
  }
  WorkFix();
}

void TSightTab::ReplaceClick() {
  const int row = twSights->currentRow();
  if (!reduced_ || row < 0 || row >= static_cast<int>(log_.size())) return;
  const bool enabled = log_[row].Enabled;
  log_[row] = *reduced_;
  log_[row].Enabled = enabled;
  WorkFix();
}

void TSightTab::RemoveClick() {
  const int row = twSights->currentRow();
  if (row < 0 || row >= static_cast<int>(log_.size())) return;
  log_.erase(log_.begin() + row);
  WorkFix();
}

void TSightTab::SightsTableChange(int row, int column) {
  if (column != 0 || row < 0 || row >= static_cast<int>(log_.size())) return;
  const bool enabled = twSights->item(row, 0)->checkState() == Qt::Checked;
  if (enabled == log_[row].Enabled) return;
  log_[row].Enabled = enabled;
  WorkFix();
}

void TSightTab::SightsTableDoubleClick(int row) {
  if (row < 0 || row >= static_cast<int>(log_.size())) return;
  ShowSight(log_[row]);
  Reduce();
}

void TSightTab::CopyListClick() {
  if (!reckoning_) return;
  QApplication::clipboard()->setText(Text(ListText(log_, *reckoning_, fix_)));
}

void TSightTab::FixToMainClick() {
  if (fix_.Fix) emit positionChosen(fix_.Fix->Lat, fix_.Fix->Lon);
}

}  // namespace tarvel
