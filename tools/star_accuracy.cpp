// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// tarvel_star_accuracy: measures how far the engine's places of the 160
// catalogue stars stray from precise ones, 1930 … 2099.
//
// Reference: the Hipparcos/Tycho places of kstars-data (J2000.0, ICRS, with
// proper motions and parallaxes; KStarsCatalogue.h), each catalogue star
// matched to the nearest star of magnitude 6 or brighter to its 1990.5 mean
// place (α Centauri: the A+B centre of mass). Apparent places through ERFA:
// eraAtci13 in its two halves, eraApci13 once an instant and eraAtciq for
// each star (the same computation), so the CIRS place; less the equation of
// the origins the apparent right ascension; the Greenwich hour angle from
// apparent sidereal time, eraGst06a. Radial velocities are taken as zero:
// over the range the nearest star's perspective acceleration moves it less
// than 0.01′. Time scales as in ReferenceTime.h.
//
// For N instants drawn uniformly (whole seconds, fixed seed), zone 0, every
// star's error engine − reference in minutes of arc (= nautical miles of its
// ground point): declination, Greenwich hour angle × cos δ, and the distance
// between the two ground points. Printed as Markdown tables: overall, by
// decade, the worst stars, fixed dates against the engine's own estimate
// (StarPlaceError), every star, and the identification.
//
// Usage: tarvel_star_accuracy [instants] [seed] [stars.dat]
//        (defaults 50000, 20261209, /usr/share/kstars/stars.dat)

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "KStarsCatalogue.h"
#include "ReferenceTime.h"
#include "ephemeris/CStars.h"
#include "ephemeris/StarPlaceError.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

using reference::CatalogueStar;
using reference::Instant;
using reference::kDecades;
using reference::kFirstYear;
using reference::When;

constexpr int kStars = 160;
constexpr int kPolaris = 160;
constexpr double kFaintest = 6.0;
constexpr double kEpoch1990_5 = 2448075.125;  // Julian date of the catalogue's epoch, TT

// Wrapped into ±180°.
double Wrapped(double degrees) { return std::remainder(degrees, 360.0); }

// One catalogue star and its reference.
struct Match {
  const CatalogueStar* star;
  double separation;       // arcseconds, catalogue − reference at 1990.5
  double eastArcsec;       // Δα cos δ
  double northArcsec;      // Δδ
};

// The reference place carried to 1990.5 and referred to the mean equator
// and equinox of that date, radians.
void MeanPlace1990(const CatalogueStar& s, double (&rbp)[3][3], double& ra, double& dec) {
  double ra2 = 0, dec2 = 0, pr2 = 0, pd2 = 0, px2 = 0, rv2 = 0;
  eraPmsafe(s.ra, s.dec, s.pmRa, s.pmDec, s.parallax, 0, ERFA_DJ00, 0, kEpoch1990_5, 0, &ra2, &dec2, &pr2,
            &pd2, &px2, &rv2);
  double p[3], q[3];
  eraS2c(ra2, dec2, p);
  eraRxp(rbp, p, q);
  eraC2s(q, &ra, &dec);
  ra = eraAnp(ra);
}

std::vector<Match> Identify(const std::vector<CatalogueStar>& catalogue) {
  double rbp[3][3];
  eraPmat06(kEpoch1990_5, 0, rbp);
  std::vector<double> ra(catalogue.size()), dec(catalogue.size());
  for (std::size_t i = 0; i < catalogue.size(); ++i) MeanPlace1990(catalogue[i], rbp, ra[i], dec[i]);

  std::vector<Match> matches;
  for (int k = 1; k <= kStars; ++k) {
    const TStar& row = StarTable(k);
    const double a = static_cast<double>(row.Alpha) * ERFA_DD2R, d = static_cast<double>(row.Delta) * ERFA_DD2R;
    std::size_t best = 0;
    double bestSeparation = 10;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
      const double s = eraSeps(a, d, ra[i], dec[i]);
      if (s < bestSeparation) {
        bestSeparation = s;
        best = i;
      }
    }
    matches.push_back({&catalogue[best], bestSeparation * ERFA_DR2AS,
                       Wrapped((a - ra[best]) * ERFA_DR2D) * 3600 * std::cos(dec[best]),
                       (d - dec[best]) * ERFA_DR2AS});
  }
  return matches;
}

// Running maximum of |e|, sums for the mean and RMS, and where the maximum was.
struct Accumulator {
  double maxAbs = 0, sum = 0, squares = 0;
  long count = 0;
  int worstStar = 0;
  Instant worstAt{};

  void Add(double e, int star, const Instant& at) {
    sum += e;
    squares += e * e;
    ++count;
    if (std::fabs(e) > maxAbs) {
      maxAbs = std::fabs(e);
      worstStar = star;
      worstAt = at;
    }
  }
  double Mean() const { return count ? sum / count : 0; }
  double Rms() const { return count ? std::sqrt(squares / count) : 0; }
};

enum Quantity { kDec, kGha, kDistance, kQuantities };

constexpr std::array<const char*, kQuantities> kNames = {
    "declination", "Greenwich hour angle × cos δ", "ground point (distance)"};

struct Errors {
  std::array<double, kQuantities> e;
  double estimate;  // StarPlaceError at the instant
};

// The engine's and the reference's places of every star at one instant.
class Comparison {
 public:
  explicit Comparison(const std::vector<Match>& matches) : matches_(matches) {}

  std::array<Errors, kStars> At(const Instant& i) const {
    const TSunData sun = SunEphemeris(0, i.hour, i.minute, i.second, i.day, i.month, i.year);
    eraASTROM astrom{};
    double eo = 0;
    eraApci13(i.tta, i.ttb, &astrom, &eo);  // TDB ≈ TT
    const double gast = eraGst06a(i.ut1a, i.ut1b, i.tta, i.ttb);

    std::array<Errors, kStars> out{};
    for (int k = 1; k <= kStars; ++k) {
      const CatalogueStar& s = *matches_[static_cast<std::size_t>(k - 1)].star;
      double ri = 0, di = 0;
      eraAtciq(s.ra, s.dec, s.pmRa, s.pmDec, s.parallax, 0, &astrom, &ri, &di);
      const double raApparent = eraAnp(ri - eo);
      const double ghaRef = eraAnp(gast - raApparent) * ERFA_DR2D;
      const double decRef = di * ERFA_DR2D;

      const TStarData p = StarPlace(k, sun.NutLon, sun.NutObl, sun.SunMeanLon, sun.GrAries, sun.Years);
      const double dec = static_cast<double>(p.StarDecMin * OneSixtieth + p.StarDecDeg);
      const double gha = static_cast<double>(p.StarGhaMin * OneSixtieth + p.StarGhaDeg);

      Errors& e = out[static_cast<std::size_t>(k - 1)];
      e.e[kDec] = (dec - decRef) * 60;
      e.e[kGha] = Wrapped(gha - ghaRef) * std::cos(di) * 60;
      e.e[kDistance] = eraSeps(-gha * ERFA_DD2R, dec * ERFA_DD2R, -ghaRef * ERFA_DD2R, di) * ERFA_DR2D * 60;
      e.estimate = static_cast<double>(StarPlaceError(k, sun.Years));
    }
    return out;
  }

 private:
  const std::vector<Match>& matches_;
};

std::string Name(int k) {
  std::string n = StarTable(k).Name;
  n.erase(n.find_last_not_of(' ') + 1);
  return std::to_string(k) + " " + n;
}

int Run(long instants, std::uint64_t seed, const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  const std::vector<CatalogueStar> catalogue = reference::ReadKStarsCatalogue(path, kFaintest);
  const std::vector<Match> matches = Identify(catalogue);
  const Comparison comparison(matches);

  // [quantity][decade], all stars but Polaris and Polaris alone; per star.
  std::array<std::array<Accumulator, kDecades>, kQuantities> others{}, polaris{};
  std::array<Accumulator, kQuantities> othersAll{}, polarisAll{};
  std::vector<std::array<Accumulator, kQuantities>> perStar(kStars);
  std::vector<double> estimateAtWorst(kStars, 0);

  const std::int64_t span = reference::SecondsInRange();
  std::mt19937_64 random(seed);
  for (long n = 0; n < instants; ++n) {
    const Instant i =
        reference::InstantFrom1930(static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(span)));
    const int decade = (i.year - kFirstYear) / 10;
    const std::array<Errors, kStars> errors = comparison.At(i);
    for (int k = 1; k <= kStars; ++k) {
      const Errors& e = errors[static_cast<std::size_t>(k - 1)];
      for (int q = 0; q < kQuantities; ++q) {
        (k == kPolaris ? polaris : others)[q][decade].Add(e.e[q], k, i);
        (k == kPolaris ? polarisAll : othersAll)[q].Add(e.e[q], k, i);
        const double before = perStar[k - 1][q].maxAbs;
        perStar[k - 1][q].Add(e.e[q], k, i);
        if (q == kDistance && perStar[k - 1][q].maxAbs > before) estimateAtWorst[k - 1] = e.estimate;
      }
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("# Star places: engine against Hipparcos through ERFA, minutes of arc\n\n");
  std::printf("%ld instants, uniform in whole seconds over 1930-01-01 … 2099-12-31 UT, std::mt19937_64 "
              "seed %llu; zone 0, UT1 = UTC; %zu reference stars of magnitude %.0f or brighter from %s. "
              "Error = engine − reference; max is of |error|. Minutes of arc of the ground point are "
              "nautical miles.\n\n",
              instants, static_cast<unsigned long long>(seed), catalogue.size(), kFaintest, path.c_str());

  std::printf("## Overall\n\n| Stars | Quantity | max | RMS | mean (bias) | worst |\n|---|---|---:|---:|---:|---|\n");
  for (int group = 0; group < 2; ++group) {
    for (int q = 0; q < kQuantities; ++q) {
      const Accumulator& a = group == 0 ? othersAll[q] : polarisAll[q];
      std::printf("| %s | %s | %.2f | %.2f | %+.2f | %s, %s |\n", group == 0 ? "159 stars" : "Polaris",
                  kNames[q], a.maxAbs, a.Rms(), a.Mean(), Name(a.worstStar).c_str(), When(a.worstAt).c_str());
    }
  }

  std::printf("\n## By decade\n\n"
              "| Decade | instants | 159 stars: declination max | GHA × cos δ max | ground point max | "
              "ground point RMS | worst star | Polaris: declination max | ground point max | RMS |\n"
              "|---|---:|---:|---:|---:|---:|---|---:|---:|---:|\n");
  for (int d = 0; d < kDecades; ++d) {
    std::printf("| %ds | %ld | %.2f | %.2f | %.2f | %.2f | %s | %.2f | %.2f | %.2f |\n", kFirstYear + 10 * d,
                polaris[kDistance][d].count, others[kDec][d].maxAbs, others[kGha][d].maxAbs,
                others[kDistance][d].maxAbs, others[kDistance][d].Rms(),
                Name(others[kDistance][d].worstStar).c_str(), polaris[kDec][d].maxAbs,
                polaris[kDistance][d].maxAbs, polaris[kDistance][d].Rms());
  }

  std::vector<int> order(kStars);
  std::iota(order.begin(), order.end(), 1);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return perStar[a - 1][kDistance].maxAbs > perStar[b - 1][kDistance].maxAbs;
  });
  const auto starRow = [&](int k) {
    const auto& a = perStar[k - 1];
    std::printf("| %s | %.2f | %.2f | %.2f | %.2f | %.2f | %s |\n", Name(k).c_str(), a[kDistance].maxAbs,
                a[kDistance].Rms(), estimateAtWorst[k - 1], a[kDec].maxAbs, a[kGha].maxAbs,
                When(a[kDistance].worstAt).c_str());
  };
  const char* starHeader =
      "| Star | ground point max | RMS | estimate there | declination max | GHA × cos δ max | worst at (UT) |\n"
      "|---|---:|---:|---:|---:|---:|---|\n";
  std::printf("\n## The worst stars\n\n%s", starHeader);
  for (int n = 0; n < 10; ++n) starRow(order[static_cast<std::size_t>(n)]);

  std::printf("\n## Fixed dates: measured against the engine's estimate (StarPlaceError)\n\n"
              "| Star | date (UT) | ground point | declination | GHA × cos δ | estimate |\n"
              "|---|---|---:|---:|---:|---:|\n");
  const Instant fixed[] = {reference::InstantAt(1930, 1, 1, 0, 0, 0), reference::InstantAt(2026, 1, 1, 0, 0, 0),
                           reference::InstantAt(2050, 1, 1, 0, 0, 0),
                           reference::InstantAt(2099, 12, 31, 23, 59, 59)};
  for (int k : {kPolaris, 122, 108, 148, 32}) {
    for (const Instant& i : fixed) {
      const std::array<Errors, kStars> all = comparison.At(i);
      const Errors& e = all[static_cast<std::size_t>(k - 1)];
      std::printf("| %s | %s | %.2f | %+.2f | %+.2f | %.2f |\n", Name(k).c_str(), When(i).c_str(),
                  e.e[kDistance], e.e[kDec], e.e[kGha], e.estimate);
    }
  }

  std::printf("\n## Every star\n\n%s", starHeader);
  for (int k = 1; k <= kStars; ++k) starRow(k);

  std::printf("\n## Identification: catalogue at 1990.5 − reference carried to 1990.5, mean equator and "
              "equinox of date, arcseconds\n\n"
              "| Star | reference star | magnitude | Δα cos δ | Δδ | separation |\n|---|---|---:|---:|---:|---:|\n");
  for (int k = 1; k <= kStars; ++k) {
    const Match& m = matches[static_cast<std::size_t>(k - 1)];
    std::printf("| %s | %s | %.2f | %+.1f | %+.1f | %.1f |\n", Name(k).c_str(),
                m.star->name.empty() ? "(unnamed)" : m.star->name.c_str(), m.star->magnitude, m.eastArcsec,
                m.northArcsec, m.separation);
  }
  std::printf("\nComputed in %.1f s.\n", seconds);
  return 0;
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  const long instants = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50000;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261209;
  const std::string path = argc > 3 ? argv[3] : "/usr/share/kstars/stars.dat";
  if (instants < 1) {
    std::fprintf(stderr, "usage: tarvel_star_accuracy [instants >= 1] [seed] [stars.dat]\n");
    return 2;
  }
  try {
    return tarvel::Run(instants, seed, path);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvel_star_accuracy: %s\n", e.what());
    return 1;
  }
}
