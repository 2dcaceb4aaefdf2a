// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sighttab/SightListModel.h"

#include <QBrush>
#include <QColor>
#include <tuple>

#include "navfields/FormControls.h"
#include "reports/SightSheet.h"
#include "shiptime/ShipTime.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

const QColor kSwitchedOff(128, 128, 128);
constexpr int kColumns = static_cast<int>(std::tuple_size_v<TSightRow>);

}  // namespace

TSightListModel::TSightListModel(QObject* parent) : QAbstractTableModel(parent) {}

TSightListModel::TRow TSightListModel::MakeRow(std::size_t index) const {
  const TLoggedSight& logged = sights_[index];
  TRow row;
  row.Texts = SightRowTexts(logged, ResidualAt(fix_, index));
  for (const std::string& warning : SightWarnings(logged.Sight, logged.Reduction)) {
    row.Warnings += (row.Warnings.isEmpty() ? "" : "\n") + Text(warning);
  }
  row.Universal = UniversalOrder(logged.Sight.Time);
  row.TimeTip = Text(SightTimeText(logged.Sight)) + QStringLiteral(", пояс ") + Text(ZoneText(logged.Sight.Time.Zone));
  return row;
}

void TSightListModel::Append(const TLoggedSight& sight) {
  sights_.push_back(sight);
  TRow row;
  try {
    row = MakeRow(sights_.size() - 1);
  } catch (...) {
    sights_.pop_back();
    throw;
  }
  const int at = static_cast<int>(rows_.size());
  beginInsertRows({}, at, at);
  rows_.push_back(std::move(row));
  endInsertRows();
}

void TSightListModel::Replace(int row, const TLoggedSight& sight) {
  if (row < 0 || row >= rowCount()) return;
  const auto i = static_cast<std::size_t>(row);
  const TLoggedSight was = sights_[i];
  sights_[i] = sight;
  sights_[i].Enabled = was.Enabled;
  try {
    rows_[i] = MakeRow(i);
  } catch (...) {
    sights_[i] = was;
    throw;
  }
  emit dataChanged(index(row, 0), index(row, kColumns - 1));
}

void TSightListModel::Remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  sights_.erase(sights_.begin() + row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void TSightListModel::Assign(const std::vector<TLoggedSight>& sights) {
  beginResetModel();
  std::vector<TLoggedSight> was = sights;
  std::swap(was, sights_);
  const TFixOutcome previousFix = fix_;
  fix_ = {};  // the rows' residuals come with the next SetFix
  try {
    std::vector<TRow> rows;
    for (std::size_t i = 0; i < sights_.size(); ++i) rows.push_back(MakeRow(i));
    rows_ = std::move(rows);
  } catch (...) {
    std::swap(was, sights_);
    fix_ = previousFix;
    endResetModel();
    throw;
  }
  endResetModel();
}

void TSightListModel::SetFix(const TFixOutcome& fix) {
  fix_ = fix;
  std::vector<TRow> rows;
  for (std::size_t i = 0; i < sights_.size(); ++i) rows.push_back(MakeRow(i));
  rows_ = std::move(rows);
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

int TSightListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TSightListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant TSightListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) return {};
  const auto i = static_cast<std::size_t>(index.row());
  const int column = index.column();
  const TRow& row = rows_[i];
  const bool warned = !row.Warnings.isEmpty();
  switch (role) {
    case Qt::DisplayRole: {
      const QString text = Text(row.Texts[static_cast<std::size_t>(column)]);
      return warned && column == 1 ? text + QStringLiteral(" ⚠") : text;
    }
    case Qt::ToolTipRole:
      return column == 0 ? row.TimeTip : row.Warnings;
    case Qt::TextAlignmentRole:
      if (column >= 2) return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    case Qt::ForegroundRole:
      // Amber as the warning under the form, over the grey of a sight
      // switched off.
      if (warned && column == 1) return QBrush(kAmber);
      if (!sights_[i].Enabled) return QBrush(kSwitchedOff);
      return {};
    case Qt::CheckStateRole:
      if (column == 0) return sights_[i].Enabled ? Qt::Checked : Qt::Unchecked;
      return {};
    case kOrderRole:
      return column == kTimeColumn ? row.Universal : static_cast<qint64>(i);
    default:
      return {};
  }
}

bool TSightListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0 || index.row() >= rowCount()) return false;
  const bool enabled = value.toInt() == Qt::Checked;
  TLoggedSight& sight = sights_[static_cast<std::size_t>(index.row())];
  if (enabled == sight.Enabled) return true;
  sight.Enabled = enabled;
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kColumns - 1));
  emit sightSwitched();
  return true;
}

Qt::ItemFlags TSightListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // The first cell's box is there before the cell is, so that the column's
  // width allows for it.
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return index.column() == 0 ? flags | Qt::ItemIsUserCheckable : flags;
}

QVariant TSightListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns) {
    return Text(kSightRowCaptions[static_cast<std::size_t>(section)]);
  }
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace tarvel
