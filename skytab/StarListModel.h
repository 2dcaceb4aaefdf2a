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
// The model reads a sky view that its owner keeps (SetView). A new view
// with as many rows signals only the cells whose text or look changed
// (dataChanged for each run of changed cells down a column), so that a
// second's tick repaints the figures that moved and no others; a row whose
// body changed with a new order is such a change of all its cells, and the
// persistent indexes (the selection) follow their body. A new count of rows
// (stars rising or setting, all shown or not) resets the model.

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
  // Forgets the texts handed out and signals every cell, so that the view
  // asks again for those it shows: after a view asked for rows it does not
  // show (sizing its columns, scrolling), only the rows in sight are then
  // kept up to date and compared at each new view.
  void ForgetTexts();
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
  // Signals the cells that changed since they were last handed out; a row
  // in `moved` holds another body than before.
  void SignalChanges(const std::vector<bool>& moved);
  // The row's look: band, best, unreliable, daylight.
  std::uint8_t Look(std::int32_t number) const;
  const QString& Text(std::int32_t number, int column) const;

  const TSkyView* view_ = nullptr;
  bool all_ = false;
  TStarColumn column_ = TStarColumn::Altitude;
  bool descending_ = true;
  std::vector<std::int32_t> rows_;
  QFont bold_;

  // Texts of the current view, made when first asked for and kept up to
  // date for each new view from then on, with the look they were shown with.
  using TRowTexts = std::array<QString, kStarColumnCount>;
  mutable std::array<TRowTexts, kSkyRowCount> texts_;
  mutable std::array<std::uint8_t, kSkyRowCount> looks_{};
  mutable std::bitset<kSkyRowCount> haveTexts_;
};

}  // namespace tarvel
