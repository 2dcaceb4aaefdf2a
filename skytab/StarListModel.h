// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The star table's rows: one per star, the Sun, the Moon and each planet
// above the horizon (or all of them), with number, Greek letter and name,
// magnitude, altitude, azimuth, local hour angle, declination from the
// precise places, and how far the main window's place of the star or the Sun
// is from the precise one (empty for the Moon and the planets), in the main
// window's display texts. Sorting by a column orders by the value
// (StarOrder) and stays in force as the sky moves. Rows outside the altitude
// band are greyed, the best three bold and lime, an unreliable main window's
// place red.
//
// The model reads a sky view that its owner keeps (SetView). A new instant
// with the same rows in the same order only changes the data; a new order
// moves the rows (selections follow their star); rising or setting stars
// reset the model.

#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "almanac/SkyView.h"

namespace tarvel {

class TStarListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TStarListModel(QObject* parent = nullptr);

  // The view to show, kept by the caller until the next call, and whether
  // the stars below the horizon are shown too.
  void SetView(const TSkyView* view, bool all);
  // The table's face, whose bold cut marks the best three.
  void SetFont(const QFont& font);

  std::int32_t StarOfRow(int row) const;
  int RowOfStar(std::int32_t number) const;  // -1 when the star has no row

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  void Arrange();
  const QString& Text(std::int32_t number, int column) const;

  const TSkyView* view_ = nullptr;
  bool all_ = false;
  TStarColumn column_ = TStarColumn::Altitude;
  bool descending_ = true;
  std::vector<std::int32_t> rows_;
  QFont bold_;

  // Texts of the current view, made when first asked for.
  mutable std::array<std::array<QString, kStarColumnCount>, kSkyRowCount> texts_;
  mutable std::bitset<kSkyRowCount> haveTexts_;
};

}  // namespace tarvel
