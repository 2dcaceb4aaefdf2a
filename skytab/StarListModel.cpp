// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "skytab/StarListModel.h"

#include <QBrush>
#include <QFont>
#include <algorithm>

#include "almanac/SkyTexts.h"
#include "ephemeris/StarPlaceError.h"
#include "widgets/Look.h"

namespace tarvel {
namespace {

using namespace look;

const QColor kDimColour(128, 128, 128);

struct TColumnHead {
  const char* caption;
  const char* tip;
};

const TColumnHead kHeads[kStarColumnCount] = {
    {"№", "Номер звезды по каталогу"},
    {"Светило", "Греческая буква и название звезды, Солнце, Луна, планета"},
    {"Зв. вел.", "Звёздная величина: чем меньше, тем ярче"},
    {"Высота", "Высота центра светила над горизонтом, как видна с судна: с параллаксом (у Луны до 1°), без рефракции"},
    {"Азимут", "Азимут от севера через восток"},
    {"Час. угол", "Часовой угол местный"},
    {"Склонение", "Склонение"},
    {"Погр.", "Насколько место звезды или Солнца в главном окне отстоит от точного, минуты дуги (мили); "
              "у Луны и планет пусто — в главном окне их нет"},
};

}  // namespace

TStarListModel::TStarListModel(QObject* parent) : QAbstractTableModel(parent) { bold_.setBold(true); }

void TStarListModel::SetFont(const QFont& font) {
  bold_ = font;
  bold_.setBold(true);
}

void TStarListModel::SetView(const TSkyView* view, bool all) {
  view_ = view;
  all_ = all;
  if (!view_) haveTexts_.reset();
  Arrange();
}

void TStarListModel::ForgetTexts() {
  haveTexts_.reset();
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kStarColumnCount - 1));
}

void TStarListModel::Arrange() {
  std::vector<std::int32_t> rows;
  if (view_) rows = StarOrder(*view_, column_, descending_, all_);
  if (rows.size() != rows_.size()) {
    beginResetModel();
    rows_ = std::move(rows);
    haveTexts_.reset();
    endResetModel();
    return;
  }
  std::vector<bool> moved(rows.size(), false);
  if (rows != rows_) {
    // The rows keep their places; the bodies move between them, and the
    // persistent indexes (the selection, the current row) with their body.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before) {
      const auto at = std::find(rows.begin(), rows.end(), rows_[static_cast<std::size_t>(index.row())]);
      after << (at == rows.end() ? QModelIndex() : this->index(static_cast<int>(at - rows.begin()), index.column()));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) moved[r] = rows[r] != rows_[r];
    rows_ = std::move(rows);
    changePersistentIndexList(before, after);
  }
  SignalChanges(moved);
}

void TStarListModel::SignalChanges(const std::vector<bool>& moved) {
  // A body that left the table keeps no texts: they would be stale if it
  // came back.
  std::bitset<kSkyRowCount> present;
  for (std::int32_t k : rows_) present[static_cast<std::size_t>(k - 1)] = true;
  haveTexts_ &= present;

  const std::size_t rowCount = rows_.size();
  constexpr auto kColumns = static_cast<std::size_t>(kStarColumnCount);
  std::vector<std::bitset<kStarColumnCount>> changed(rowCount);
  for (std::size_t r = 0; r < rowCount; ++r) {
    const std::int32_t k = rows_[r];
    const auto at = static_cast<std::size_t>(k - 1);
    if (!haveTexts_[at]) {
      // Never handed out for the view's present body: painted, if at all,
      // with the body that was there before.
      if (moved[r]) changed[r].set();
      continue;
    }
    const TRowTexts was = texts_[at];
    const std::uint8_t lookWas = looks_[at];
    haveTexts_[at] = false;
    Text(k, 0);  // the new texts and look
    if (moved[r] || looks_[at] != lookWas) {
      changed[r].set();
      continue;
    }
    for (std::size_t c = 0; c < kColumns; ++c) {
      if (texts_[at][c] != was[c]) changed[r].set(c);
    }
  }
  // One signal for each run of changed cells down a column.
  for (std::size_t c = 0; c < kColumns; ++c) {
    for (std::size_t r = 0; r < rowCount;) {
      if (!changed[r][c]) {
        ++r;
        continue;
      }
      std::size_t last = r;
      while (last + 1 < rowCount && changed[last + 1][c]) ++last;
      emit dataChanged(index(static_cast<int>(r), static_cast<int>(c)), index(static_cast<int>(last), static_cast<int>(c)));
      r = last + 1;
    }
  }
}

std::uint8_t TStarListModel::Look(std::int32_t number) const {
  const TStarView& s = StarOf(*view_, number);
  return static_cast<std::uint8_t>((s.InBand ? 1 : 0) | (s.Best ? 2 : 0) | (s.Unreliable ? 4 : 0) |
                                   (view_->Daylight ? 8 : 0));
}

void TStarListModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= kStarColumnCount) return;
  column_ = static_cast<TStarColumn>(column);
  descending_ = order == Qt::DescendingOrder;
  Arrange();
}

std::int32_t TStarListModel::StarOfRow(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)] : 0;
}

int TStarListModel::RowOfStar(std::int32_t number) const {
  const auto at = std::find(rows_.begin(), rows_.end(), number);
  return at == rows_.end() ? -1 : static_cast<int>(at - rows_.begin());
}

int TStarListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TStarListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kStarColumnCount; }

const QString& TStarListModel::Text(std::int32_t number, int column) const {
  const auto k = static_cast<std::size_t>(number - 1);
  auto& texts = texts_[k];
  if (!haveTexts_[k]) {
    const TStarTexts t = StarTexts(*view_, number);
    int c = 0;
    for (const std::string* text : {&t.Number, &t.Name, &t.Magnitude, &t.Altitude, &t.Azimuth, &t.LocalHourAngle,
                                    &t.Declination, &t.PlaceError}) {
      texts[static_cast<std::size_t>(c++)] = QString::fromStdString(*text);
    }
    looks_[k] = Look(number);
    haveTexts_[k] = true;
  }
  return texts[static_cast<std::size_t>(column)];
}

QVariant TStarListModel::data(const QModelIndex& index, int role) const {
  const std::int32_t number = StarOfRow(index.row());
  if (!view_ || number == 0) return {};
  const TStarView& s = StarOf(*view_, number);
  const auto column = static_cast<TStarColumn>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return Text(number, index.column());
    case Qt::TextAlignmentRole:
      return column == TStarColumn::Name ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      if (column == TStarColumn::PlaceError && s.Unreliable) return QBrush(kRed);
      if (s.Best) return QBrush(kLime);
      return QBrush(s.InBand ? kWhite : kDimColour);
    case Qt::FontRole:
      if (s.Best || (column == TStarColumn::PlaceError && s.Unreliable)) return bold_;
      return {};
    case Qt::ToolTipRole:
      if (column == TStarColumn::PlaceError && s.Unreliable) {
        return QStringLiteral("Место в главном окне неточно больше чем на 0,5' — для наблюдений по главному окну "
                              "не годится");
      }
      if (s.Best && view_->Daylight) return QStringLiteral("Светило, которое можно наблюдать днём");
      if (s.Best) return QStringLiteral("Одно из трёх светил, линии положения которых лучше всего обступают судно");
      if (!s.InBand) return QStringLiteral("Вне полосы высот для наблюдений");
      return {};
    default:
      return {};
  }
}

QVariant TStarListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kStarColumnCount) return {};
  if (role == Qt::DisplayRole) return QString::fromUtf8(kHeads[section].caption);
  if (role == Qt::ToolTipRole) return QString::fromUtf8(kHeads[section].tip);
  return {};
}

}  // namespace tarvel
