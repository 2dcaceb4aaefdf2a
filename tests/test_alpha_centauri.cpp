// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// α Centauri A and B: the relative orbit against published ephemerides of
// the pair, and star 102 of BodyPlace moved from the centre of mass to the
// light centre by the amount the published separations give.

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "bodies/AlphaCentauri.h"
#include "bodies/BodyPlace.h"
#include "bodies/HipparcosStars.h"
#include "bodies/Reduction.h"
#include "timescales/DeltaTTrend.h"

namespace tarvel {
namespace {

double Separation(double epoch) { return static_cast<double>(bodies::AlphaCentauriPair(epoch).Separation); }

// The separation's extreme between two epochs, by a scan of 0.001 year.
void Extreme(double from, double to, bool nearest, double& epoch, double& rho) {
  epoch = from;
  rho = Separation(from);
  for (double t = from; t <= to; t += 0.001) {
    const double r = Separation(t);
    if (nearest ? r < rho : r > rho) epoch = t, rho = r;
  }
}

// R. W. Sinnott, Sky & Telescope, "What date were the two principal stars
// of the Alpha Centauri system last known to be closest to each other?"
// (from Pourbaix's orbit): 10.0″ apart in October 2005 and closing, a
// least separation of 4.0″ in late 2015, 10.4″ in mid-2029, 1.7″ in
// November 2037. Each to its printed digit; the epochs to a season.
TEST(AlphaCentauriPair, SeparationFollowsThePublishedEphemeris) {
  EXPECT_NEAR(Separation(2005.79), 10.0, 0.06);
  EXPECT_LT(Separation(2006.5), Separation(2005.79));  // closing
  struct Turn {
    double from, to;
    bool nearest;
    double epoch, epochTolerance, rho;
  };
  // The widest separation is a flat one: "mid-2029" to half a year.
  const Turn kTurns[] = {{2013, 2019, true, 2015.9, 0.25, 4.0},
                         {2027, 2032, false, 2029.5, 0.5, 10.4},
                         {2035, 2040, true, 2037.87, 0.1, 1.7}};
  for (const Turn& turn : kTurns) {
    double epoch = 0, rho = 0;
    Extreme(turn.from, turn.to, turn.nearest, epoch, rho);
    EXPECT_NEAR(epoch, turn.epoch, turn.epochTolerance) << turn.from;
    EXPECT_NEAR(rho, turn.rho, 0.06) << turn.from;
  }
}

// The position angle: 222.3° for 2000.0 (the worked example of the change
// of a position angle by precession, astronomyclub.xyz/double-stars/
// example.html). Whole turns of the period give the same place.
TEST(AlphaCentauriPair, PositionAngleFollowsThePublishedEphemeris) {
  EXPECT_NEAR(static_cast<double>(bodies::AlphaCentauriPair(2000.0).PositionAngle), 222.3, 0.3);
  for (const double t : {1930.0, 1987.3, 2050.0, 2099.9}) {
    const auto p = bodies::AlphaCentauriPair(t), q = bodies::AlphaCentauriPair(t + 79.91);
    EXPECT_NEAR(static_cast<double>(p.Separation - q.Separation), 0, 1e-9) << t;
    EXPECT_NEAR(static_cast<double>(std::remainder(p.PositionAngle - q.PositionAngle, 360.0L)), 0, 1e-7) << t;
  }
}

// BodyPlace's star 102 against the centre of mass carried by ERFA alone
// (eraAtci13 from the table's row, GHA = ERA − α of the CIRS). The light
// centre stands (μ − β) ρ from the centre of mass toward A, opposite to B:
// β from Δm = 1.3, μ from the masses 1.133 and 0.972, ρ the published one
// above; θ the published one for 2000.0, the orbit's elsewhere.
TEST(AlphaCentauriPair, StarPlaceStandsAtTheLightCentre) {
  const double beta = std::pow(10.0, -0.52) / (1 + std::pow(10.0, -0.52)), mu = 0.972 / (1.133 + 0.972);
  struct Case {
    double epoch, rho, theta;  // ρ ″ and θ ° (0: the orbit's)
  };
  const Case kCases[] = {{2000.0, 0, 222.3}, {2005.79, 10.0, 0}, {2015.9, 4.0, 0}, {2029.5, 10.4, 0}, {2037.87, 1.7, 0}};
  const THipparcosStar& star = HipparcosStar(102);
  for (const Case& c : kCases) {
    const double tt = 2451545.0 + (c.epoch - 2000) * 365.25;
    const bodies::TInstant when{tt, -static_cast<double>(DeltaTTrend(c.epoch)) / 86400, tt, 0};
    const TBodyPlace place = bodies::BodyPlaceAt(TCelestialBody::Star, 102, when);

    const double dec = star.Dec * ERFA_DD2R, masToRad = ERFA_DAS2R / 1000;
    double ri = 0, di = 0, eo = 0;
    eraAtci13(star.Ra * ERFA_DD2R, dec, star.PmRa * masToRad / std::cos(dec), star.PmDec * masToRad,
              star.Parallax / 1000, 0, tt, 0, &ri, &di, &eo);
    const double gha = eraAnp(eraEra00(when.Ut1a, when.Ut1b) - ri) * ERFA_DR2D;

    const double north = (static_cast<double>(place.Dec) - di * ERFA_DR2D) * 3600;
    const double east = -std::remainder(static_cast<double>(place.Gha) - gha, 360.0) * 3600 * std::cos(di);
    const bodies::TAlphaCentauriPair pair = bodies::AlphaCentauriPair(c.epoch);
    const double rho = c.rho > 0 ? c.rho : static_cast<double>(pair.Separation);
    const double theta = (c.theta > 0 ? c.theta : static_cast<double>(pair.PositionAngle)) * ERFA_DD2R;
    const double offset = (beta - mu) * rho;  // negative: toward A
    EXPECT_NEAR(north, offset * std::cos(theta), 0.06) << c.epoch;
    EXPECT_NEAR(east, offset * std::sin(theta), 0.06) << c.epoch;
    EXPECT_NEAR(std::hypot(north, east), (mu - beta) * rho, 0.015) << c.epoch;
  }
}

}  // namespace
}  // namespace tarvel
