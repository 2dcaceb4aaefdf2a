// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight log's reckoning and accuracy shown in the panel.
#include "navfields/NumberField.h"
#include "fixpanel/FixPanel.h"

namespace tarvel {

void TFixPanel::ShowLog(const TDeadReckoning& dr, const TFixSettings& settings) {
  applying_ = true;
  try {
    ShowPosition(dr.Lat, dr.Lon, reckoningPosition_);
    ShowShipTime(dr.Time, reckoningTime_);
    dsCourse->setValue(static_cast<double>(dr.Course));
    dsSpeed->setValue(static_cast<double>(dr.Speed));
    dsSightError->setValue(static_cast<double>(settings.SightError));
    dsDriftRate->setValue(static_cast<double>(settings.DriftRate));
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  reckoningKept_ = true;
  emit reckoningChanged();
}

}  // namespace tarvel
