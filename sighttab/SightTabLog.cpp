// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The tab's sight log: what it holds out, and a log shown in its place.

#include "fixpanel/FixPanel.h"
#include "sighttab/SightListModel.h"
#include "sighttab/SightTab.h"

namespace tarvel {

std::optional<TSightLog> TSightTab::Log() const {
  const std::optional<TDeadReckoning>& reckoning = fixPanel_->Reckoning();
  if (!reckoning) return std::nullopt;
  TSightLog log;
  log.Sights = Sights();
  log.Reckoning = *reckoning;
  log.Settings = Fix().Settings;
  log.ClockCorrection = clockCorrection_;
  return log;
}

void TSightTab::SetLog(const TSightLog& log) {
  // The rows' texts are made before anything is replaced: a sight the list
  // cannot show leaves the list as it was.
  TSightListModel fresh;
  for (const TLoggedSight& sight : log.Sights) fresh.Append(sight);
  while (sights_->rowCount() > 0) sights_->Remove(sights_->rowCount() - 1);
  for (const TLoggedSight& sight : log.Sights) sights_->Append(sight);
  SetClockCorrection(log.ClockCorrection);
  // Works the fix, which reports the change.
  fixPanel_->ShowLog(log.Reckoning, log.Settings);
  EnableListButtons();
}

}  // namespace tarvel
