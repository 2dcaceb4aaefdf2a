// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The reduction keeps the almanac's order of steps; a minute is turned into
// degrees as minutes * OneSixtieth, as everywhere in the program.

#include "sights/Sight.h"

#include <cmath>

#include "almanac/Almanac.h"
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

// Step 1, minutes of arc.
Extended Dip(Extended eyeHeight) { return 1.76L * arith::Sqrt(eyeHeight); }

// Step 2, degrees.
Extended ApparentAltitude(const TSight& s, Extended dip) {
  return s.Hs - s.IndexError * OneSixtieth - dip * OneSixtieth;
}

// Step 3, minutes of arc.
Extended Refraction(Extended ha, Extended temperature, Extended pressure) {
  const Extended r0 = arith::Divide(0.0167L, Tan((ha + arith::Divide(7.31L, ha + 4.4L)) * DegToRad));
  const Extended f = arith::Divide(0.28L * pressure, temperature + 273);
  return 60 * f * r0;
}

// Step 4, minutes of arc, signed as applied.
Extended SemiDiameter(TBody body, const TSunData& sun) {
  switch (body) {
    case TBody::SunLowerLimb: return sun.SemiDiameter;
    case TBody::SunUpperLimb: return -sun.SemiDiameter;
    case TBody::Star: break;
  }
  return 0;
}

// Step 5, minutes of arc.
Extended Parallax(TBody body, Extended ha) {
  return body == TBody::Star ? 0 : 0.1466L * arith::Cos(ha * DegToRad);
}

// The sight's fields other than Hs, in the order the user reads them.
void ValidateFields(const TSight& s) {
  if (s.Body != TBody::SunLowerLimb && s.Body != TBody::SunUpperLimb && s.Body != TBody::Star)
    throw ESightError(kSightBodyError);
  if (s.Body == TBody::Star && (s.StarNumber < 1 || s.StarNumber > kStarCount))
    throw ESightError(kSightStarNumberError);
  if (const char* fault = ShipTimeFault(s.Time, kSightInstantTexts)) throw ESightError(fault);
}

void ValidateCorrections(const TSight& s) {
  if (!(std::fabs(s.IndexError) < 60)) throw ESightError(kSightIndexError);
  if (!(s.EyeHeight >= 0 && s.EyeHeight <= 100)) throw ESightError(kSightEyeHeightError);
  if (!(s.Temperature >= -60 && s.Temperature <= 60)) throw ESightError(kSightTemperatureError);
  if (!(s.Pressure >= 850 && s.Pressure <= 1100)) throw ESightError(kSightPressureError);
}

TAlmanacInputs AlmanacInputs(const TSight& s, Extended lat, Extended lon) {
  TAlmanacInputs in;
  in.Time = s.Time;
  in.Latitude = lat;
  in.Longitude = lon;
  // The model places a star even for a Sun sight; any catalogue star will do.
  in.StarNumber = s.Body == TBody::Star ? s.StarNumber : 1;
  return in;
}

}  // namespace

std::string BelowHorizonText(Extended hc) {
  // Tenths of a minute, rounded first so that 59,96′ carries into the degrees.
  const long long tenths = std::llround(std::fabs(hc) * 600);
  std::string minutes = std::to_string(tenths % 600 / 10) + "," + std::to_string(tenths % 10);
  if (minutes.size() < 4) minutes = "0" + minutes;
  return std::string("Светило под горизонтом в счислимом месте (Hc = ") + (hc < 0 && tenths > 0 ? "−" : "") +
         std::to_string(tenths / 600) + "°" + minutes + "′): проверьте светило, время и место";
}

void ValidateSight(const TSight& s) {
  ValidateFields(s);
  if (!(s.Hs > 0 && s.Hs < 90)) throw ESightError(kSightHsError);
  ValidateCorrections(s);
  const Extended ha = ApparentAltitude(s, Dip(s.EyeHeight));
  if (!(ha >= 0)) throw ESightError(kSightHaError);
  if (!(ha <= 90)) throw ESightError(kSightHaHighError);
}

TSightReduction ReduceSight(const TSight& sight, Extended Lat, Extended Lon, TBelowHorizon belowHorizon) {
  ValidateSight(sight);
  if (!(Lat >= -90 && Lat <= 90)) throw ESightError(kSightLatitudeError);
  if (!(Lon >= -180 && Lon <= 180)) throw ESightError(kSightLongitudeError);

  TSightReduction r{};
  r.Dip = Dip(sight.EyeHeight);
  r.Ha = ApparentAltitude(sight, r.Dip);
  r.Refraction = Refraction(r.Ha, sight.Temperature, sight.Pressure);
  const TAlmanacResults almanac = ComputeAlmanac(AlmanacInputs(sight, Lat, Lon));
  r.SemiDiameter = SemiDiameter(sight.Body, almanac.Sun);
  r.Parallax = Parallax(sight.Body, r.Ha);
  r.Ho = r.Ha + (r.SemiDiameter + r.Parallax - r.Refraction) * OneSixtieth;
  if (!(r.Ho <= 90)) throw ESightError(kSightHoHighError);
  const THorizonData& horizon = sight.Body == TBody::Star ? almanac.StarHorizon : almanac.SunHorizon;
  r.Hc = AltitudeDegrees(horizon);
  if (belowHorizon == TBelowHorizon::Refuse && r.Hc < kLowestHc) throw ESightError(BelowHorizonText(r.Hc));
  r.Zn = horizon.Azimuth;
  r.Intercept = (r.Ho - r.Hc) * 60;
  return r;
}

Extended SextantAltitude(const TSight& sight, Extended Ho) {
  ValidateFields(sight);
  ValidateCorrections(sight);
  const Extended semiDiameter =
      sight.Body == TBody::Star
          ? 0
          : SemiDiameter(sight.Body, SunAt(sight.Time));
  // Each pass shrinks the change of Ha by the slope of the corrections in Ha:
  // about 0.21 near the horizon (the refraction falls some 12′ a degree
  // there), under 0.02 above 10°. About 30 passes reach the last bit near
  // the horizon, a few higher up. The loop ends when a pass changes nothing,
  // or after 64 passes, so a value that flickers between two neighbours
  // stops on one of them. Near the
  // horizon Ho lies up to a degree below Ha, so the passes start and may
  // swing below 0° on the way to an Ha above it: only the end is judged.
  // Below -4.4° the refraction formula has no meaning, and Ho(Ha = 0°) is
  // above -1.2° for every temperature and pressure allowed, so an Ha that
  // far down belongs to an Ha below 0° in the end.
  Extended ha = Ho;
  for (int pass = 0; pass < 64; ++pass) {
    if (!(ha > -4.4L)) throw ESightError(kSightHaError);
    const Extended corrections =
        semiDiameter + Parallax(sight.Body, ha) - Refraction(ha, sight.Temperature, sight.Pressure);
    const Extended next = Ho - corrections * OneSixtieth;
    if (next == ha) break;
    ha = next;
  }
  if (!(ha >= 0)) throw ESightError(kSightHaError);
  const Extended hs = ha + sight.IndexError * OneSixtieth + Dip(sight.EyeHeight) * OneSixtieth;
  if (!(hs > 0 && hs < 90)) throw ESightError(kSightHsError);
  return hs;
}

}  // namespace tarvel
