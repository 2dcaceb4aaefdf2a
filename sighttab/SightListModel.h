// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The list of sights ("Линии положения") of the sight tab: the sights as
// they were reduced when added, in the list's order, and their rows as the
// table shows them (reports/FixReport.h, SightRowTexts): time, body, Hs, Ho,
// Zn, intercept and the residual at the last fix. The first cell's box
// switches a sight on and off; a sight switched off is grey, a body with a
// warning (SightWarnings) amber with " ⚠" and the warnings as its tip, the
// time's tip the date and zone.
//
// Rows are the log's sights in the log's order, numbered by it in the
// vertical header: the number the fix's messages give ("проверьте
// наблюдение 3"). A view may show them in another order through a sort
// proxy on kOrderRole: the sight's universal time in the time column (the
// only one ordered), the log's row elsewhere.
//
// The texts are made when the list or the fix changes (Append, Replace,
// Remove, Assign, SetFix), which pass on what the engine raises; the model's Qt
// methods never raise. The owner works the fix again when the user
// switches a sight (sightSwitched).

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "reports/FixReport.h"

namespace tarvel {

class TSightListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TSightListModel(QObject* parent = nullptr);

  static constexpr int kOrderRole = Qt::UserRole;
  static constexpr int kTimeColumn = 0;

  const std::vector<TLoggedSight>& Sights() const { return sights_; }

  void Append(const TLoggedSight& sight);
  // Puts a sight in the row's place; the row keeps its switch.
  void Replace(int row, const TLoggedSight& sight);
  void Remove(int row);
  // The whole list at once, as it was before a change.
  void Assign(const std::vector<TLoggedSight>& sights);
  // The fix worked from the list: the residuals shown with it.
  void SetFix(const TFixOutcome& fix);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // The user switched a sight on or off.
  void sightSwitched();

 private:
  struct TRow {
    TSightRow Texts;
    QString TimeTip;  // the date, time and zone
    QString Warnings;  // one a line; empty without
    qint64 Universal = 0;  // the sight's instant in order (UniversalOrder)
  };
  TRow MakeRow(std::size_t index) const;

  std::vector<TLoggedSight> sights_;
  std::vector<TRow> rows_;
  TFixOutcome fix_;
};

}  // namespace tarvel
