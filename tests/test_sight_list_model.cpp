// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The list of sights as its table shows it: rows, switches, colours, tips
// and residuals, against texts written out by hand.

#include <gtest/gtest.h>

#include <QBrush>
#include <QColor>
#include <QSignalSpy>

#include "reports/FixReport.h"
#include "sights/Sailing.h"
#include "sighttab/SightListModel.h"

namespace tarvel {
namespace {

constexpr TPosition kTruth{45.02L, -29.95L};
const TDeadReckoning kReckoning{44 + 55 / 60.0L, -(30 + 17 / 60.0L), -2, 19, 0, 0, 20, 3, 2025, 60, 12};

// A star at 19:mm:ss from a ship on 060° at 12 knots.
TLoggedSight Taken(std::int32_t star, std::int32_t minute, std::int32_t second, Extended error = 0) {
  TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010};
  const TPosition there = CarryPosition(kTruth, 60, 12, ((minute - 52) * 60 + second) / 3600.0L);
  s.Hs = SextantAltitude(s, ReduceSight(s, there.Lat, there.Lon).Hc + error / 60, there.Lat, there.Lon);
  return {s, kReckoning.Lat, kReckoning.Lon, ReduceSight(s, kReckoning.Lat, kReckoning.Lon), true};
}

QString Cell(const TSightListModel& model, int row, int column, int role = Qt::DisplayRole) {
  return model.index(row, column).data(role).toString();
}

QColor Colour(const TSightListModel& model, int row, int column) {
  return model.index(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
}

TEST(SightListModel, RowsSwitchesAndTheFix) {
  TSightListModel model;
  QSignalSpy switched(&model, &TSightListModel::sightSwitched);
  model.Append(Taken(160, 49, 30, 40));  // 40' off: an intercept over 30 miles
  model.Append(Taken(46, 40, 12));
  model.Append(Taken(67, 46, 5));
  ASSERT_EQ(model.rowCount(), 3);
  ASSERT_EQ(model.columnCount(), 7);

  const struct { int column; const char* caption; } captions[] = {{0, "Время"}, {1, "Светило"}, {6, "Невязка"}};
  for (const auto& c : captions) {
    EXPECT_EQ(model.headerData(c.column, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8(c.caption));
  }
  EXPECT_EQ(Cell(model, 1, 0), QStringLiteral("19:40:12"));
  // A star is named with its number and letter, as in the catalogue.
  EXPECT_EQ(Cell(model, 1, 1), QStringLiteral("46 α Сириус"));
  EXPECT_EQ(Cell(model, 0, 1), QStringLiteral("160 α Полярная ⚠"));  // its intercept is warned of
  EXPECT_EQ(Cell(model, 1, 0, Qt::ToolTipRole), QStringLiteral("20.03.2025 19:40:12, пояс 2 W"));
  EXPECT_TRUE(Cell(model, 0, 1, Qt::ToolTipRole).startsWith(QStringLiteral("Перенос "))) << Cell(model, 0, 1, Qt::ToolTipRole).toStdString();
  EXPECT_TRUE(Cell(model, 1, 1, Qt::ToolTipRole).isEmpty());
  EXPECT_EQ(Colour(model, 0, 1), QColor(255, 176, 0));
  EXPECT_FALSE(model.index(1, 1).data(Qt::ForegroundRole).isValid());
  EXPECT_EQ(model.index(1, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_FALSE(model.index(1, 1).data(Qt::TextAlignmentRole).isValid());
  EXPECT_TRUE(model.flags(model.index(1, 0)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(model.flags(model.index(1, 1)) & Qt::ItemIsUserCheckable);
  for (int row = 0; row < 3; ++row) EXPECT_TRUE(Cell(model, row, 6).isEmpty());

  // The fix brings the residuals of the sights it used.
  const TFixOutcome fix = WorkFix(model.Sights(), kReckoning);
  ASSERT_TRUE(fix.Fix);
  model.SetFix(fix);
  for (int row = 0; row < 3; ++row) EXPECT_FALSE(Cell(model, row, 6).isEmpty()) << row;

  // Switching a sight off greys its row and asks for the fix again; the
  // same state twice asks once.
  EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_EQ(switched.count(), 1);
  EXPECT_FALSE(model.Sights()[1].Enabled);
  EXPECT_EQ(model.index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
  EXPECT_EQ(Colour(model, 1, 3), QColor(128, 128, 128));
  EXPECT_FALSE(model.setData(model.index(1, 1), Qt::Checked, Qt::CheckStateRole));  // no box there

  // A sight put in the row's place keeps the row's switch.
  model.Replace(1, Taken(28, 52, 0));
  EXPECT_EQ(Cell(model, 1, 1), QStringLiteral("28 α Капелла"));
  EXPECT_FALSE(model.Sights()[1].Enabled);
  model.Remove(0);
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(Cell(model, 0, 1), QStringLiteral("28 α Капелла"));
  EXPECT_EQ(Cell(model, 1, 1), QStringLiteral("67 α Регул"));
  model.Remove(5);  // no such row
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(switched.count(), 1);
}

}  // namespace
}  // namespace tarvel
