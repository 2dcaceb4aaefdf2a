// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The list of sights and its fix: adding, replacing, removing and switching
// sights, and the fix worked again after each change.

#include <QApplication>
#include <QLabel>
#include <QClipboard>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "fixpanel/FixPanel.h"
#include "sighttab/SightListModel.h"
#include "sighttab/SightTab.h"
#include "widgets/Texts.h"

namespace tarvel {

// Rows of the log; the table's own rows may stand in another order.
int TSightTab::CurrentRow() const {
  const QModelIndex current = tvSights->currentIndex();
  return current.isValid() ? sightOrder_->mapToSource(current).row() : -1;
}

void TSightTab::SetCurrentRow(int row) { tvSights->setCurrentIndex(sightOrder_->mapFromSource(sights_->index(row, 0))); }

void TSightTab::TimeHeadingClick(int column) {
  if (column != TSightListModel::kTimeColumn) return;
  QHeaderView* heading = tvSights->horizontalHeader();
  const bool byTime = sightOrder_->sortColumn() == TSightListModel::kTimeColumn;
  if (byTime && sightOrder_->sortOrder() == Qt::DescendingOrder) {
    sightOrder_->sort(-1);  // the log's order again
    heading->setSortIndicatorShown(false);
    return;
  }
  const Qt::SortOrder order = byTime ? Qt::DescendingOrder : Qt::AscendingOrder;
  sightOrder_->sort(TSightListModel::kTimeColumn, order);
  heading->setSortIndicator(TSightListModel::kTimeColumn, order);
  heading->setSortIndicatorShown(true);
}

void TSightTab::WorkFix() {
  sights_->SetFix(fixPanel_->WorkFix(Sights()));
  EnableListButtons();
  btnCopyList->setEnabled(!Sights().empty());
  emit logChanged();
}

void TSightTab::EnableListButtons() {
  btnRemove->setEnabled(CurrentRow() >= 0);
  btnReplace->setEnabled(reduced_ && CurrentRow() >= 0);
}

void TSightTab::RememberList() {
  constexpr std::size_t kUndoDepth = 20;
  if (undo_.size() == kUndoDepth) undo_.erase(undo_.begin());
  undo_.push_back(Sights());
}

void TSightTab::UndoListChange() {
  if (undo_.empty()) return;
  const int row = CurrentRow();
  sights_->Assign(undo_.back());
  undo_.pop_back();
  SetCurrentRow(std::clamp(row, 0, sights_->rowCount() - 1));
  WorkFix();
}

void TSightTab::AddClick() {
  if (!reduced_) return;
  if (const auto same = SameSightRow(Sights(), reduced_->Sight)) {
    lbSightError->setText(Text(SameSightText(*same)));
    return;
  }
  RememberList();
  sights_->Append(*reduced_);
  SetCurrentRow(sights_->rowCount() - 1);
  WorkFix();
}

void TSightTab::ReplaceClick() {
  const int row = CurrentRow();
  if (!reduced_ || row < 0 || row >= sights_->rowCount()) return;
  if (const auto same = SameSightRow(Sights(), reduced_->Sight, static_cast<std::size_t>(row))) {
    lbSightError->setText(Text(SameSightText(*same)));
    return;
  }
  RememberList();
  sights_->Replace(row, *reduced_);
  WorkFix();
}

void TSightTab::RemoveClick() {
  const int row = CurrentRow();
  if (row < 0 || row >= sights_->rowCount()) return;
  RememberList();
  sights_->Remove(row);
  // The row below takes the removed one's place as the current row.
  SetCurrentRow(std::min(row, sights_->rowCount() - 1));
  WorkFix();
}

void TSightTab::TakeSightIntoForm(int row) {
  if (row < 0 || row >= sights_->rowCount()) return;
  const TLoggedSight logged = Sights()[static_cast<std::size_t>(row)];
  ShowSight(logged);
  Reduce();
  CommitReduction();
}

void TSightTab::CopyListClick() {
  const std::optional<TDeadReckoning>& reckoning = fixPanel_->Reckoning();
  if (!reckoning) return;
  QApplication::clipboard()->setText(Text(ListText(Sights(), *reckoning, Fix())));
}

}  // namespace tarvel
