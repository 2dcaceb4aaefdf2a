// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The star table's model signals only the cells whose text or look changed:
// a second's tick repaints the figures that moved, not the whole table.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <set>
#include <utility>

#include "almanac/SkyTexts.h"
#include "almanac/SkyView.h"
#include "skytab/StarListModel.h"

namespace tarvel {
namespace {

using TCells = std::set<std::pair<int, int>>;  // (row, column)

// Every cell the spy saw signalled, each range spelt out.
TCells Signalled(const QSignalSpy& spy) {
  TCells cells;
  for (const QList<QVariant>& signal : spy) {
    const auto from = signal[0].value<QModelIndex>(), to = signal[1].value<QModelIndex>();
    for (int r = from.row(); r <= to.row(); ++r) {
      for (int c = from.column(); c <= to.column(); ++c) cells.insert({r, c});
    }
  }
  return cells;
}

// What a view does when it paints the whole table: asks for every cell.
void ShowAll(const TStarListModel& model) {
  for (int r = 0; r < model.rowCount(); ++r) {
    for (int c = 0; c < kStarColumnCount; ++c) model.index(r, c).data();
  }
}

// The cells whose text differs between two views, from the texts alone.
TCells Differing(const TStarListModel& model, const TSkyView& a, const TSkyView& b) {
  TCells cells;
  for (int r = 0; r < model.rowCount(); ++r) {
    const TStarTexts x = StarTexts(a, model.StarOfRow(r)), y = StarTexts(b, model.StarOfRow(r));
    const std::string* xs[] = {&x.Number, &x.Name, &x.Magnitude, &x.Altitude, &x.Azimuth, &x.LocalHourAngle,
                               &x.Declination, &x.PlaceError};
    const std::string* ys[] = {&y.Number, &y.Name, &y.Magnitude, &y.Altitude, &y.Azimuth, &y.LocalHourAngle,
                               &y.Declination, &y.PlaceError};
    for (int c = 0; c < kStarColumnCount; ++c) {
      if (*xs[c] != *ys[c]) cells.insert({r, c});
    }
  }
  return cells;
}

TAlmanacInputs Night() {
  TAlmanacInputs in;
  in.Time = {3, 22, 0, 0, 1, 1, 2000};
  in.Latitude = 55.75L;
  in.Longitude = 37.625L;
  return in;
}

TEST(StarListModel, ATickSignalsOnlyTheCellsWhoseTextChanged) {
  TSkyView first = SkyView(Night(), {});
  TStarListModel model;
  model.sort(static_cast<int>(TStarColumn::Number), Qt::AscendingOrder);  // an order a second keeps
  model.SetView(&first, false);
  ShowAll(model);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);

  // One cell's text alone: a minute more of Sirius's declination.
  TSkyView one = first;
  one.Stars[46 - 1].Declination += OneSixtieth;
  model.SetView(&one, false);
  const int sirius = model.RowOfStar(46);
  ASSERT_GE(sirius, 0);
  EXPECT_EQ(Signalled(changed), (TCells{{sirius, static_cast<int>(TStarColumn::Declination)}}));
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(model.index(sirius, static_cast<int>(TStarColumn::Declination)).data().toString().toStdString(),
            StarTexts(one, 46).Declination);
  // The same view again: nothing.
  changed.clear();
  model.SetView(&one, false);
  EXPECT_EQ(changed.count(), 0);

  // A real second, then a minute: exactly the cells whose texts differ,
  // never a number or a name.
  const TSkyView* shown = &one;
  TSkyView later[2];
  int seconds[2] = {1, 60};
  for (int i = 0; i < 2; ++i) {
    TAlmanacInputs in = Night();
    in.Time.Minute = seconds[i] / 60;
    in.Time.Second = seconds[i] % 60;
    later[i] = SkyView(in, {});
    changed.clear();
    ASSERT_EQ(StarOrder(later[i], TStarColumn::Number, false, false), StarOrder(*shown, TStarColumn::Number, false, false));
    const TCells expected = Differing(model, *shown, later[i]);
    model.SetView(&later[i], false);
    const TCells cells = Signalled(changed);
    EXPECT_EQ(cells, expected) << seconds[i];
    EXPECT_FALSE(cells.empty());
    EXPECT_LT(cells.size(), static_cast<std::size_t>(model.rowCount() * (kStarColumnCount - 3))) << seconds[i];
    for (const auto& [row, column] : cells) EXPECT_GT(column, static_cast<int>(TStarColumn::Name));
    shown = &later[i];
  }
  EXPECT_EQ(reset.count(), 0);
  EXPECT_EQ(layout.count(), 0);

  // Texts forgotten (a view sized its columns from every row): every cell is
  // signalled once, and a row not asked for again is no longer compared
  // until it is.
  changed.clear();
  model.ForgetTexts();
  EXPECT_EQ(Signalled(changed).size(), static_cast<std::size_t>(model.rowCount() * kStarColumnCount));
  changed.clear();
  TSkyView moved = *shown;
  moved.Stars[46 - 1].Declination += OneSixtieth;
  model.SetView(&moved, false);
  EXPECT_EQ(changed.count(), 0);
  model.index(sirius, 0).data();
  moved.Stars[46 - 1].Declination += OneSixtieth;
  model.SetView(&moved, false);
  EXPECT_EQ(Signalled(changed), (TCells{{sirius, static_cast<int>(TStarColumn::Declination)}}));
}

// A narrower band changes the look (grey, lime, bold) of whole rows and
// no other; two bodies that change places change their two rows, and the
// selection follows its body without a new layout.
TEST(StarListModel, ALookOrAnOrderChangedSignalsItsWholeRows) {
  TSkyView view = SkyView(Night(), {});
  TStarListModel model;
  model.SetView(&view, false);
  ShowAll(model);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);

  TSkyView narrow = view;
  SetBand(narrow, {30, 40});
  TCells expected;
  for (int r = 0; r < model.rowCount(); ++r) {
    const TStarView &a = StarOf(view, model.StarOfRow(r)), &b = StarOf(narrow, model.StarOfRow(r));
    if (a.InBand == b.InBand && a.Best == b.Best) continue;
    for (int c = 0; c < kStarColumnCount; ++c) expected.insert({r, c});
  }
  ASSERT_FALSE(expected.empty());
  model.SetView(&narrow, false);
  EXPECT_EQ(Signalled(changed), expected);

  // The two highest bodies change places.
  const int top = 0, next = 1;
  const std::int32_t a = model.StarOfRow(top), b = model.StarOfRow(next);
  QPersistentModelIndex selected = model.index(top, 2);
  TSkyView swapped = narrow;
  std::swap(swapped.Stars[static_cast<std::size_t>(a - 1)].Altitude, swapped.Stars[static_cast<std::size_t>(b - 1)].Altitude);
  changed.clear();
  model.SetView(&swapped, false);
  EXPECT_EQ(model.StarOfRow(top), b);
  EXPECT_EQ(model.StarOfRow(next), a);
  EXPECT_EQ(selected.row(), next);
  EXPECT_EQ(selected.column(), 2);
  TCells rows;
  for (int c = 0; c < kStarColumnCount; ++c) rows.insert({{top, c}, {next, c}});
  EXPECT_EQ(Signalled(changed), rows);
  EXPECT_EQ(layout.count(), 0);
  EXPECT_EQ(model.index(top, static_cast<int>(TStarColumn::Altitude)).data().toString().toStdString(),
            StarTexts(swapped, b).Altitude);
}

// What it is for: a shown table repaints the changed cell alone, not every
// cell in sight.
TEST(StarListModel, AShownTableRepaintsTheChangedCellAlone) {
  struct TCounting : QStyledItemDelegate {
    mutable std::set<std::pair<int, int>> painted;
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
      painted.insert({i.row(), i.column()});
      QStyledItemDelegate::paint(p, o, i);
    }
  };
  TSkyView view = SkyView(Night(), {});
  TStarListModel model;
  model.SetView(&view, false);
  QTableView table;
  TCounting counting;
  table.setItemDelegate(&counting);
  table.setModel(&model);
  table.resize(700, 400);
  table.show();
  QTRY_VERIFY(counting.painted.size() > 30);
  const int sirius = model.RowOfStar(46);
  table.scrollTo(model.index(sirius, 0));
  QTRY_VERIFY(counting.painted.count({sirius, static_cast<int>(TStarColumn::Declination)}) == 1);
  QApplication::processEvents();
  counting.painted.clear();
  TSkyView one = view;
  one.Stars[46 - 1].Declination += OneSixtieth;
  model.SetView(&one, false);
  QTRY_VERIFY(!counting.painted.empty());
  QApplication::processEvents();
  EXPECT_EQ(counting.painted, (TCells{{sirius, static_cast<int>(TStarColumn::Declination)}}));
  // A run of two cells down the column, signalled as one range.
  counting.painted.clear();
  const int below = sirius + 1 < model.rowCount() ? sirius + 1 : sirius - 1;
  TSkyView two = one;
  two.Stars[46 - 1].Declination += OneSixtieth;
  two.Stars[static_cast<std::size_t>(model.StarOfRow(below) - 1)].Declination += OneSixtieth;
  model.SetView(&two, false);
  QTRY_VERIFY(!counting.painted.empty());
  QApplication::processEvents();
  const int declination = static_cast<int>(TStarColumn::Declination);
  EXPECT_EQ(counting.painted, (TCells{{sirius, declination}, {below, declination}}));
  table.setItemDelegate(nullptr);
}

}  // namespace
}  // namespace tarvel
