// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Reading and writing the navigation window's input fields by the main
// window's rules: a position in a masked latitude and longitude field with
// their hemisphere buttons, a zone with its E/W button, and a number as its
// text reads (a decimal comma, held in extended precision).
//
// Errors: a position that the main window would refuse raises EDegreesError
// with its Russian text ("Ошибка задания широты", "… долготы"); nothing is
// changed by a read.

#include <cstdint>
#include <utility>

#include "core/Extended.h"
#include "shiptime/ShipTime.h"

class QDateEdit;
class QDoubleSpinBox;
class QTimeEdit;

namespace tarvel {

class TMaskEdit;
class TSpeedButton;
class TSpinEdit;

// Latitude and longitude, degrees, north and east positive.
std::pair<Extended, Extended> ReadPosition(const TMaskEdit* lat, const TSpeedButton* latSign, const TMaskEdit* lon,
                                           const TSpeedButton* lonSign);
// Writes a position as the user would type it, minutes to hundredths.
void ShowPosition(Extended latitude, Extended longitude, TMaskEdit* lat, TSpeedButton* latSign, TMaskEdit* lon,
                  TSpeedButton* lonSign);

// East positive.
std::int32_t ReadZone(const TSpinEdit* zone, const TSpeedButton* sign);
void ShowZone(std::int32_t value, TSpinEdit* zone, TSpeedButton* sign);

// A ship's date, time and zone as the form shows them.
struct TInstantFields {
  QDateEdit* Date = nullptr;
  QTimeEdit* Time = nullptr;
  TSpinEdit* Zone = nullptr;
  TSpeedButton* ZoneSign = nullptr;
};

TShipTime ReadShipTime(const TInstantFields& fields);
void ShowShipTime(const TShipTime& time, const TInstantFields& fields);

// The number as its text shows it.
Extended ReadNumber(const QDoubleSpinBox* spin);

}  // namespace tarvel
