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
  haveTexts_.reset();
  Arrange();
}

void TStarListModel::Arrange() {
  std::vector<std::int32_t> rows;
  if (view_) rows = StarOrder(*view_, column_, descending_, all_);
  if (rows.size() != rows_.size()) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
    return;
  }
  if (rows != rows_) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& index : before) {
      const auto at = std::find(rows.begin(), rows.end(), rows_[static_cast<std::size_t>(index.row())]);
      after << this->index(static_cast<int>(at - rows.begin()), index.column());
    }
    rows_ = std::move(rows);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  }
  // A row's number and name stay with it; the figures change.
  const int firstFigure = static_cast<int>(TStarColumn::Magnitude);
  if (!rows_.empty()) emit dataChanged(index(0, firstFigure), index(rowCount() - 1, kStarColumnCount - 1));
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
