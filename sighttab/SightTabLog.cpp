// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The tab's sight log: what it holds out, and a log shown in its place;
// the observer's settings the log keeps.

#include "fixpanel/FixPanel.h"
#include "navfields/NumberField.h"
#include "sighttab/SightListModel.h"
#include "sighttab/SightTab.h"

namespace tarvel {

std::optional<TSightLog> TSightTab::Log() const {
  const std::optional<TDeadReckoning>& reckoning = fixPanel_->Reckoning();
  if (!reckoning) return std::nullopt;
  TSightLog log;
  log.Sights = Sights();
  log.Reckoning = *reckoning;
  log.Settings = fixPanel_->Fix().Settings;  // the fields' last good values
  log.Observer = observer_;
  log.Chronometer = chronometer_;
  return log;
}

void TSightTab::SetLog(const TSightLog& log) {
  // The rows' texts are made before anything is replaced: a sight the list
  // cannot show leaves the list as it was.
  TSightListModel fresh;
  for (const TLoggedSight& sight : log.Sights) fresh.Append(sight);
  while (sights_->rowCount() > 0) sights_->Remove(sights_->rowCount() - 1);
  for (const TLoggedSight& sight : log.Sights) sights_->Append(sight);
  chronometer_ = log.Chronometer;
  applying_ = true;
  try {
    dsIndex->setValue(static_cast<double>(log.Observer.IndexError));
    dsEye->setValue(static_cast<double>(log.Observer.EyeHeight));
    dsTemperature->setValue(static_cast<double>(log.Observer.Temperature));
    dsPressure->setValue(static_cast<double>(log.Observer.Pressure));
    dsDut1->setValue(static_cast<double>(log.Observer.Dut1));
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  observer_ = log.Observer;
  observerSettled_ = log.Observer;
  // Works the fix, which reports the change.
  fixPanel_->ShowLog(log.Reckoning, log.Settings);
  EnableListButtons();
  Reduce();
}

void TSightTab::ObserverChange() {
  // The log keeps each field's value while it is in its range. A refused
  // one is said in the form (Reduce) and kept only there: the log keeps the
  // field's value from before the edit, never one of a half-typed text
  // ("22" of a refused "2220").
  if (applying_) return;
  TObserverSettings observer = observerSettled_;
  const auto take = [](TNumberField* field, Extended& value) {
    try {
      value = ReadNumber(field);
    } catch (const EFieldError&) {
    }
  };
  take(dsIndex, observer.IndexError);
  take(dsEye, observer.EyeHeight);
  take(dsTemperature, observer.Temperature);
  take(dsPressure, observer.Pressure);
  take(dsDut1, observer.Dut1);
  if (observer.IndexError == observer_.IndexError && observer.EyeHeight == observer_.EyeHeight &&
      observer.Temperature == observer_.Temperature && observer.Pressure == observer_.Pressure &&
      observer.Dut1 == observer_.Dut1) {
    return;
  }
  observer_ = observer;
  emit logChanged();
}

void TSightTab::SettleObserver() {
  ObserverChange();
  observerSettled_ = observer_;
}

}  // namespace tarvel
