// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Reading and writing the navigation window's input fields by the main
// window's rules: a position in a masked latitude and longitude field with
// their hemisphere buttons, a zone with its E/W button, a number as its text
// reads (a decimal comma, held in extended precision), and the sextant
// altitude in its masked field ("Hs = 35°12,3'").
//
// Errors: a position that the main window would refuse raises EDegreesError
// with its Russian text ("Ошибка задания широты", "… долготы"); an altitude
// that is not one raises ESightError ("Высота Hs задана неверно", or its
// minutes not below 60'). Nothing is changed by a read.

#include <cstdint>
#include <utility>

#include <QString>

#include "core/Extended.h"
#include "shiptime/ShipTime.h"

class QDateEdit;
class QDoubleSpinBox;
class QTimeEdit;

namespace tarvel {

class TMaskEdit;
class TSpeedButton;
class TSpinEdit;

// A position entered in a masked field pair with its hemisphere buttons.
struct TPositionFields {
  TMaskEdit* Lat = nullptr;
  TSpeedButton* LatSign = nullptr;
  TMaskEdit* Lon = nullptr;
  TSpeedButton* LonSign = nullptr;
};

// Latitude and longitude, degrees, north and east positive.
std::pair<Extended, Extended> ReadPosition(const TPositionFields& fields);
// Writes a position as the user would type it, minutes to hundredths.
void ShowPosition(Extended latitude, Extended longitude, const TPositionFields& fields);

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

// The number as its text shows it; a TNumberField's within its range
// (EFieldError).
Extended ReadNumber(const QDoubleSpinBox* spin);

// The sextant altitude's masked text, degrees, its blanks read as zeros.
Extended ReadHs(const QString& maskedText);
// The text of the altitude field for an altitude in degrees: whole degrees
// and minutes to a tenth, "Hs = 27°23,7'".
QString HsText(Extended hs);

}  // namespace tarvel
