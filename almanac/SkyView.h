// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The whole sky as the navigation window shows it: for one instant and
// place, the 160 catalogue stars, the Sun, the Moon, Venus, Mars, Jupiter
// and Saturn, each with its altitude, azimuth, local hour angle,
// declination and magnitude from the precise places (bodies/BodyPlace.h);
// which of them stand in the altitude band for sights; and the best three
// (BestStars.h) of the stars and planets in the band no fainter than the
// navigator's limit. In daylight (the Sun's centre above kDaylightSunAltitude,
// −3°) no star can be found in the sextant's telescope: the bodies offered
// are then those of the Sun, the Moon, Venus and Jupiter that stand in the
// band, the Moon and the planets at least kDaylightSunClearance from the
// Sun and the planets no fainter than kDaylightPlanetMagnitude, the best
// three of them when there are more than three. A star whose place in the main window is off by more
// than kStarPlaceErrorLimit is marked (Unreliable) for a navigator who also
// uses the main window, but stays a candidate: sights are reduced with the
// precise places.
//
// The rows: 1 … 160 are the catalogue's stars, kSunRow … kSaturnRow the
// Sun, Moon and planets; Stars[k - 1] is row k.
//
// Units: degrees; magnitudes; the main window's error in minutes of arc
// (nautical miles). The altitude is the true altitude of the body's centre
// seen from the ship, without refraction: the geocentric
// sin h = sin φ sin δ + cos φ cos δ cos t, t = LHA = GHA + λ (east
// positive), less the parallax in altitude from the body's HP (the Moon's up
// to 1°, the Sun's and the planets' a few tenths of a minute, a star's none)
// with the spheroid's term the sight reduction uses. Refraction is left out
// for every body alike, as the chart's horizon is the true one. The azimuth
// and the LHA are geocentric, the LHA brought into 0 … 360 as the main
// window's text does.
// The main window's error is the great-circle distance between the ground
// point of the main window's compact-theory place of the star or of the Sun
// (ComputeSky) and that of the precise place; the Moon and the planets,
// which the main window does not have, have none.
//
// Errors: SkyView raises what ComputeSky and BodyPlace raise (EBodyError for
// a date outside 1930 … 2099 or a missing ephemeris) and EBandError for a
// magnitude limit out of range or a band upside down (CheckBand), and then
// delivers nothing.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "almanac/Almanac.h"
#include "bodies/BodyPlace.h"
#include "core/Extended.h"
#include "core/RuntimeErrors.h"

namespace tarvel {

inline constexpr std::int32_t kSunRow = kStarCount + 1;
inline constexpr std::int32_t kMoonRow = kStarCount + 2;
inline constexpr std::int32_t kVenusRow = kStarCount + 3;
inline constexpr std::int32_t kMarsRow = kStarCount + 4;
inline constexpr std::int32_t kJupiterRow = kStarCount + 5;
inline constexpr std::int32_t kSaturnRow = kStarCount + 6;
inline constexpr std::int32_t kSkyRowCount = kSaturnRow;

inline bool IsStarRow(std::int32_t row) { return row >= 1 && row <= kStarCount; }
inline bool IsPlanetRow(std::int32_t row) { return row >= kVenusRow && row <= kSaturnRow; }
// The body of a row, and the row of a body other than a star.
TCelestialBody BodyOfRow(std::int32_t row);
// "Солнце", "Луна", "Венера", "Марс", "Юпитер", "Сатурн"; empty for a star.
std::string BodyName(std::int32_t row);

// Sights are planned between these altitudes, both included, of the bodies
// no fainter than the magnitude limit.
struct TAltitudeBand {
  Extended From = 15;
  Extended To = 70;
  Extended FaintestMagnitude = 2.5L;
};

// The magnitude limit a navigator may set: from the brightest dozen stars
// to all the catalogue's stars a sextant shows in twilight.
inline constexpr Extended kLeastMagnitudeLimit = 1;
inline constexpr Extended kGreatestMagnitudeLimit = 4;
inline constexpr const char* kMagnitudeLimitError = "Предел звёздной величины должен быть от 1,0 до 4,0";
inline constexpr const char* kBandOrderError = "Нижняя граница высот больше верхней";

// A band the sky tab refuses.
class EBandError : public Exception {
 public:
  using Exception::Exception;
};

// Raises EBandError with kBandOrderError for a band whose lower altitude is
// above its upper one, and with kMagnitudeLimitError for a limit outside
// kLeastMagnitudeLimit … kGreatestMagnitudeLimit (or not a number).
void CheckBand(const TAltitudeBand& band);

// Daylight: the Sun above this altitude, degrees; the Moon, Venus and
// Jupiter are seen by day only this far from the Sun, degrees, and the two
// planets only this bright (Venus is −3,8 … −4,9, Jupiter −1,6 … −2,9).
inline constexpr Extended kDaylightSunAltitude = -3;
inline constexpr Extended kDaylightSunClearance = 15;
inline constexpr Extended kDaylightPlanetMagnitude = -2;

struct TStarView {
  Extended Altitude = 0;
  Extended Azimuth = 0;
  Extended LocalHourAngle = 0;
  Extended Declination = 0;
  Extended Gha = 0;
  Extended Magnitude = 0;
  Extended Illuminated = 1;        // the lit fraction of the disc, 0 … 1
  Extended PlaceError = 0;         // the main window's place from the precise one, minutes of arc
  bool HasPlaceError = false;      // the main window has this body (the stars and the Sun)
  bool AboveHorizon = false;       // altitude above 0
  bool InBand = false;             // above the horizon and within the band
  bool Unreliable = false;         // PlaceError above kStarPlaceErrorLimit
  bool Best = false;               // one of the best three
};

struct TSkyView {
  TAlmanacInputs Inputs;
  TSky Sky;                                   // the main window's places
  std::array<TStarView, kSkyRowCount> Stars;  // Stars[k - 1] is row k
  TAltitudeBand Band;
  std::vector<std::int32_t> Best;  // the best three by azimuth, or empty
  bool BestFallback = false;       // no three surround the ship: the widest crossing instead
  bool Daylight = false;           // the Sun above kDaylightSunAltitude (set by SkyView)
};

TSkyView SkyView(const TAlmanacInputs& inputs, const TAltitudeBand& band);

// Marks the band and chooses the best three again for another band or limit
// (by day, Daylight, among the bodies seen by day, up to three of them);
// a band CheckBand refuses raises its error and changes nothing.
void SetBand(TSkyView& view, const TAltitudeBand& band);

inline const TStarView& StarOf(const TSkyView& view, std::int32_t row) {
  return view.Stars[static_cast<std::size_t>(row - 1)];
}

// Geocentric altitude and azimuth, degrees, of a place (GHA, declination)
// seen from latitude and east longitude.
void HorizonOf(Extended gha, Extended declination, Extended latitude, Extended longitude, Extended& altitude,
               Extended& azimuth);

// The great-circle distance between two ground points (declination, GHA),
// in minutes of arc.
Extended GroundDistance(Extended dec1, Extended gha1, Extended dec2, Extended gha2);

// The star table's columns.
enum class TStarColumn : std::uint8_t {
  Number, Name, Magnitude, Altitude, Azimuth, LocalHourAngle, Declination, PlaceError
};
inline constexpr int kStarColumnCount = 8;

// The rows of the table: the stars and bodies above the horizon, or all,
// ordered by the column's value (the name column by the name's text; a
// body's number is its row, after the stars'; the error column's empty
// values after every figure), equal values in order of row; descending
// reverses the values' order only.
std::vector<std::int32_t> StarOrder(const TSkyView& view, TStarColumn column, bool descending, bool all);

}  // namespace tarvel
