// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The reduction keeps the almanac's order of steps; a minute is turned into
// degrees as minutes * OneSixtieth, as everywhere in the program. The star
// count of the catalogue is the main window's (almanac/Almanac.h), numbered
// alike in bodies/.

#include "sights/Sight.h"

#include <cmath>
#include <cstring>

#include "almanac/Almanac.h"
#include "angles/Wrap.h"
#include "bodies/BodyPlace.h"
#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "ephemeris/CStars.h"
#include "timescales/TimeScales.h"

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
  const Extended r0 = arith::Divide(0.0167L, trig::Tan((ha + arith::Divide(7.31L, ha + 4.4L)) * DegToRad));
  const Extended f = arith::Divide(0.28L * pressure, temperature + 273);
  return 60 * f * r0;
}

// The semi-diameter sign: +1 for a lower limb, −1 for an upper, 0 for a
// star or a planet's centre.
int LimbSign(TBody body) {
  switch (body) {
    case TBody::SunLowerLimb:
    case TBody::MoonLowerLimb: return 1;
    case TBody::SunUpperLimb:
    case TBody::MoonUpperLimb: return -1;
    default: return 0;
  }
}

bool IsMoon(TBody body) { return body == TBody::MoonLowerLimb || body == TBody::MoonUpperLimb; }

// The altitude and azimuth of a place (GHA, δ) at (φ, λ), degrees. cos Hc is
// the length of the azimuth's vector, so the altitude is an arctangent that
// keeps its precision near the zenith as well as near the horizon.
struct THorizon {
  Extended Hc, Zn;
};

THorizon Horizon(const TBodyPlace& place, Extended lat, Extended lon) {
  Extended sinPhi, cosPhi, sinDec, cosDec, sinT, cosT;
  trig::SinCos(lat * DegToRad, sinPhi, cosPhi);
  trig::SinCos(place.Dec * DegToRad, sinDec, cosDec);
  trig::SinCos((place.Gha + lon) * DegToRad, sinT, cosT);
  const Extended up = sinPhi * sinDec + cosPhi * cosDec * cosT;
  const Extended north = cosPhi * sinDec - sinPhi * cosDec * cosT;
  const Extended east = -cosDec * sinT;
  const Extended across = arith::Sqrt(north * north + east * east);
  THorizon h;
  // At the zenith or nadir the altitude is ±90° and the azimuth is taken as 0.
  h.Hc = across == 0 ? (up > 0 ? 90 : -90) : trig::ArcTan(arith::Divide(up, across)) / DegToRad;
  h.Zn = Bearing(north, east);
  return h;
}

// Steps 4 to 6 for an apparent altitude Ha, minutes of arc.
struct TCorrections {
  Extended Refraction, Parallax, Oblateness, SemiDiameter;
  Extended Sum() const { return Parallax + Oblateness + SemiDiameter - Refraction; }
};

TCorrections Corrections(const TSight& s, const TBodyPlace& place, Extended ha, Extended lat, Extended zn) {
  TCorrections c{};
  c.Refraction = Refraction(ha, s.Temperature, s.Pressure);
  Extended sinH, cosH;
  trig::SinCos((ha - c.Refraction * OneSixtieth) * DegToRad, sinH, cosH);
  c.Parallax = place.HorizontalParallax * cosH;
  if (IsMoon(s.Body)) {
    Extended sinPhi, cosPhi, sinZ, cosZ;
    trig::SinCos(lat * DegToRad, sinPhi, cosPhi);
    trig::SinCos(zn * DegToRad, sinZ, cosZ);
    // 0.0032° = 0.192′; sin 2φ = 2 sin φ cos φ.
    c.Oblateness = -0.192L * sinPhi * sinPhi * cosH + 0.192L * 2 * sinPhi * cosPhi * cosZ * sinH;
  }
  c.SemiDiameter = LimbSign(s.Body) * place.SemiDiameter;
  return c;
}

TBodyPlace PlaceOf(const TSight& s) {
  return BodyPlace(CelestialBody(s.Body), s.Body == TBody::Star ? s.StarNumber : 0, s.Time, TTimeSettings{s.Dut1});
}

// The sight's fields other than Hs, in the order the user reads them.
void ValidateFields(const TSight& s) {
  if (!(s.Body >= TBody::SunLowerLimb && s.Body <= TBody::Saturn)) throw ESightError(kSightBodyError);
  if (s.Body == TBody::Star && (s.StarNumber < 1 || s.StarNumber > kStarCount))
    throw ESightError(kSightStarNumberError);
  // The leap second is checked as the second before it; any other 60 is
  // said apart from a second out of every range.
  TShipTime time = s.Time;
  if (IsLeapSecond(time)) time.Second = 59;
  const char* fault = ShipTimeFault(time, kSightInstantTexts);
  // By the text, not its address: each part of the program may hold its own
  // copy of a string constant.
  if (fault && time.Second == 60 && std::strcmp(fault, kSightInstantTexts.Second) == 0) fault = kSightLeapSecondError;
  if (fault) throw ESightError(fault);
}

void ValidateCorrections(const TSight& s) {
  if (!(std::fabs(s.IndexError) < kIndexErrorBound)) throw ESightError(kSightIndexError);
  if (!kEyeHeightRange.Holds(s.EyeHeight)) throw ESightError(kSightEyeHeightError);
  if (!kTemperatureRange.Holds(s.Temperature)) throw ESightError(kSightTemperatureError);
  if (!kPressureRange.Holds(s.Pressure)) throw ESightError(kSightPressureError);
  if (s.Dut1 && !kDut1Range.Holds(*s.Dut1)) throw ESightError(kSightDut1Error);
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

TCelestialBody CelestialBody(TBody body) {
  switch (body) {
    case TBody::SunLowerLimb:
    case TBody::SunUpperLimb: return TCelestialBody::Sun;
    case TBody::MoonLowerLimb:
    case TBody::MoonUpperLimb: return TCelestialBody::Moon;
    case TBody::Venus: return TCelestialBody::Venus;
    case TBody::Mars: return TCelestialBody::Mars;
    case TBody::Jupiter: return TCelestialBody::Jupiter;
    case TBody::Saturn: return TCelestialBody::Saturn;
    case TBody::Star: break;
  }
  return TCelestialBody::Star;
}

TSightReduction ReduceSight(const TSight& sight, Extended Lat, Extended Lon, TBelowHorizon belowHorizon) {
  ValidateSight(sight);
  if (!(Lat >= -90 && Lat <= 90)) throw ESightError(kSightLatitudeError);
  if (!(Lon >= -180 && Lon <= 180)) throw ESightError(kSightLongitudeError);

  const TBodyPlace place = PlaceOf(sight);
  const THorizon horizon = Horizon(place, Lat, Lon);
  TSightReduction r{};
  r.Dip = Dip(sight.EyeHeight);
  r.Ha = ApparentAltitude(sight, r.Dip);
  const TCorrections c = Corrections(sight, place, r.Ha, Lat, horizon.Zn);
  r.Refraction = c.Refraction;
  r.HorizontalParallax = place.HorizontalParallax;
  r.Parallax = c.Parallax;
  r.Oblateness = c.Oblateness;
  r.SemiDiameter = c.SemiDiameter;
  r.Ho = r.Ha + c.Sum() * OneSixtieth;
  if (!(r.Ho <= 90)) throw ESightError(kSightHoHighError);
  r.Hc = horizon.Hc;
  if (belowHorizon == TBelowHorizon::Refuse && r.Hc < kLowestHc) throw ESightError(BelowHorizonText(r.Hc));
  r.Zn = horizon.Zn;
  r.Intercept = (r.Ho - r.Hc) * 60;
  return r;
}

Extended SextantAltitude(const TSight& sight, Extended Ho, Extended Lat, Extended Lon) {
  ValidateFields(sight);
  ValidateCorrections(sight);
  if (!(Lat >= -90 && Lat <= 90)) throw ESightError(kSightLatitudeError);
  if (!(Lon >= -180 && Lon <= 180)) throw ESightError(kSightLongitudeError);
  const TBodyPlace place = PlaceOf(sight);
  const Extended zn = IsMoon(sight.Body) ? Horizon(place, Lat, Lon).Zn : 0;
  // Each pass shrinks the change of Ha by the slope of the corrections in Ha:
  // about 0.21 near the horizon (the refraction falls some 12′ a degree
  // there, and the Moon's parallax, HP cos H′, adds at most HP · 1° in
  // radians, 1′ a degree, against it), under 0.02 above 10° (the Moon's
  // parallax adds up to 0.017 sin H′ more, and its oblateness 0.00006).
  // About 30 passes reach the last bit near the horizon, a few more
  // higher up for the Moon. The loop ends when a pass changes nothing,
  // or after 64 passes, so a value that flickers between two neighbours
  // stops on one of them. Near the
  // horizon Ho lies up to a degree below Ha (for the Moon up to a degree
  // above), so the passes start and may
  // swing below 0° on the way to an Ha above it: only the end is judged.
  // Below -4.4° the refraction formula has no meaning, and Ho(Ha = 0°) is
  // above -1.2° for every temperature and pressure allowed, so an Ha that
  // far down belongs to an Ha below 0° in the end.
  Extended ha = Ho;
  for (int pass = 0; pass < 64; ++pass) {
    if (!(ha > -4.4L)) throw ESightError(kSightHaError);
    const Extended next = Ho - Corrections(sight, place, ha, Lat, zn).Sum() * OneSixtieth;
    if (next == ha) break;
    ha = next;
  }
  if (!(ha >= 0)) throw ESightError(kSightHaError);
  const Extended hs = ha + sight.IndexError * OneSixtieth + Dip(sight.EyeHeight) * OneSixtieth;
  if (!(hs > 0 && hs < 90)) throw ESightError(kSightHsError);
  return hs;
}

}  // namespace tarvel
