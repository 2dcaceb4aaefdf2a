// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// tarvel_body_accuracy: the bodies library's places (BodyPlace) at many
// instants, as CSV for tools/de405_reference.py, which computes the
// reference places from JPL's DE405 and ERFA and compares.
//
// Instants: for each body type (the Sun, the Moon, Venus, Mars, Jupiter,
// Saturn, the stars) N instants drawn uniformly in whole seconds over
// 1930-01-01 00:00:00 … 2099-12-31 23:59:59 UTC with std::mt19937_64 and a
// fixed seed, zone 0 (ship's time = UTC); the stars take the catalogue's 160
// in turn. Or, with "-", lines "body star year month day hour minute second"
// from standard input (body as in the CSV, star 0 for the others).
//
// Each row: the body, the star's number (0 for the others), the instant
// (UTC), the library's time scales there (TimeScales: TT − UT1 and UT1 − UTC,
// seconds), then GHA and
// declination (degrees), semi-diameter and horizontal parallax (minutes of
// arc), magnitude and illuminated fraction; for a star, also the catalogue
// values the library carries (bodies/HipparcosStars.h: ICRS right ascension
// and declination at J2000.0 in degrees, proper motions μα cos δ and μδ and
// the parallax in mas; α Centauri's place moved to the light centre of the
// instant as the library moves it), which the reference takes as its input,
// so that the comparison checks the library's transforms and not its
// catalogue.
//
// Usage: tarvel_body_accuracy [instants per body type] [seed]   (defaults 5000, 20261209)
//        tarvel_body_accuracy -

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "ReferenceTime.h"
#include "bodies/AlphaCentauri.h"
#include "bodies/BodyPlace.h"
#include "bodies/HipparcosStars.h"
#include "bodies/Reduction.h"

namespace tarvel {
namespace {

constexpr int kStars = 160;

constexpr std::array<const char*, 7> kBodyNames = {"Sun", "Moon", "Venus", "Mars", "Jupiter", "Saturn", "Star"};

void Header() {
  std::printf("body,star,year,month,day,hour,minute,second,deltat,ut1_utc,gha,dec,sd,hp,magnitude,illuminated,"
              "hip,ra_deg,dec_deg,pmra_cosdec_mas,pmdec_mas,parallax_mas\n");
}

void Row(int body, int star, int year, int month, int day, int hour, int minute, int second) {
  const TShipTime time{0, hour, minute, second, day, month, year};
  const TBodyPlace p = BodyPlace(static_cast<TCelestialBody>(body), star, time);
  const TTimeScales scales = TimeScales(time);
  std::printf("%s,%d,%d,%d,%d,%d,%d,%d,%.9Lf,%.9Lf,%.12Lf,%.12Lf,%.9Lf,%.9Lf,%.4Lf,%.6Lf", kBodyNames[body], star,
              year, month, day, hour, minute, second, scales.TtMinusUt1, scales.Ut1MinusUtc, p.Gha, p.Dec, p.SemiDiameter, p.HorizontalParallax,
              p.Magnitude, p.Illuminated);
  if (static_cast<TCelestialBody>(body) == TCelestialBody::Star) {
    const THipparcosStar& s = HipparcosStar(star);
    double ra = s.Ra, dec = s.Dec;
    if (star == 102) {
      // α Centauri's light centre at the instant, as the library moves it.
      const bodies::TInstant when = bodies::InstantOf(time);
      const double pmt = ((when.Tta - 2451545.0) + when.Ttb) / 365.25;  // as ERFA's astrom.pmt
      bodies::MoveToLightCentre(bodies::AlphaCentauriPair(2000 + static_cast<Extended>(pmt)), ra, dec);
    }
    std::printf(",%d,%.17g,%.17g,%.17g,%.17g,%.17g\n", s.Hip, ra, dec, s.PmRa, s.PmDec, s.Parallax);
  } else {
    std::printf(",,,,,,\n");
  }
}

int BodyNumber(const std::string& name) {
  for (std::size_t b = 0; b < kBodyNames.size(); ++b) {
    if (name == kBodyNames[b]) return static_cast<int>(b);
  }
  return -1;
}

int FromInput() {
  Header();
  std::string line;
  for (long n = 1; std::getline(std::cin, line); ++n) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string name;
    int star = 0, year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!(in >> name >> star >> year >> month >> day >> hour >> minute >> second) || BodyNumber(name) < 0) {
      std::fprintf(stderr, "tarvel_body_accuracy: line %ld: want \"body star year month day hour minute second\"\n",
                   n);
      return 2;
    }
    Row(BodyNumber(name), star, year, month, day, hour, minute, second);
  }
  return 0;
}

int Drawn(long perBody, std::uint64_t seed) {
  Header();
  const std::int64_t span = reference::SecondsInRange();
  std::mt19937_64 random(seed);
  for (int body = 0; body < static_cast<int>(kBodyNames.size()); ++body) {
    const bool star = static_cast<TCelestialBody>(body) == TCelestialBody::Star;
    for (long n = 0; n < perBody; ++n) {
      const reference::Instant i =
          reference::InstantFrom1930(static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(span)));
      Row(body, star ? static_cast<int>(n % kStars) + 1 : 0, i.year, i.month, i.day, i.hour, i.minute, i.second);
    }
  }
  return 0;
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  try {
    if (argc > 1 && std::string(argv[1]) == "-") return tarvel::FromInput();
    const long perBody = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209;
    if (perBody < 1) {
      std::fprintf(stderr, "usage: tarvel_body_accuracy [instants per body type >= 1] [seed] | -\n");
      return 2;
    }
    return tarvel::Drawn(perBody, seed);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvel_body_accuracy: %s\n", e.what());
    return 1;
  }
}
