// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "StarTable.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "KStarsCatalogue.h"
#include "ephemeris/Stars.h"

namespace tarvel::reference {
namespace {

constexpr int kStars = 160;
constexpr double kFaintest = 6.0;
constexpr double kEpoch1990_5 = 2448075.125;  // Julian date, TT
constexpr double kMasPerRadian = ERFA_DR2AS * 1000;
constexpr double kPmAgreement = 50;  // mas a year
constexpr double kFarthest = 60;     // arcseconds from the catalogue's place

// Identified by hand, each checked against hip_pm.dat like the others, where
// a Bayer designation does not tell: the two packages number a pair's
// components differently, and the components of a physical pair share their
// proper motion. Star 59, γ Velorum: the 1.8-mag WC star is γ² Vel,
// HD 68273 = HR 3207 = HIP 39953 (kstars-data calls it γ¹). Star 66: N Velorum,
// no Bayer letter, HD 82668 = HR 3803 = HIP 46701. Star 88, Cor Caroli: the
// 2.9-mag star is α² CVn, HD 112413 = HR 4915 = HIP 63125 (kstars-data: α¹).
// Star 114, Graffias: the 2.6-mag star is β¹ Sco, HD 144217 = HR 5984 =
// HIP 78820 (kstars-data: β²). HD and HR from stellarium-data's cross-id.dat.
struct ByHand {
  int number;
  const char* designation;
  int hip;
};
constexpr ByHand kByHand[] = {{59, "γ2_Vel", 39953}, {66, "N_Vel", 46701}, {88, "α2_CVn", 63125}, {114, "β1_Sco", 78820}};

// Index of the catalogue star nearest to row k's 1990.5 mean place, and
// its separation in radians.
std::size_t Nearest(const std::vector<CatalogueStar>& catalogue, int k, double& bestSeparation) {
  double rbp[3][3];
  eraPmat06(kEpoch1990_5, 0, rbp);
  const TStar& row = StarTable(k);
  const double a = static_cast<double>(row.Alpha) * ERFA_DD2R, d = static_cast<double>(row.Delta) * ERFA_DD2R;
  std::size_t best = 0;
  bestSeparation = 10;
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const CatalogueStar& s = catalogue[i];
    double ra = 0, dec = 0, pr = 0, pd = 0, px = 0, rv = 0, p[3], q[3];
    eraPmsafe(s.ra, s.dec, s.pmRa, s.pmDec, s.parallax, 0, ERFA_DJ00, 0, kEpoch1990_5, 0, &ra, &dec, &pr, &pd, &px, &rv);
    eraS2c(ra, dec, p);
    eraRxp(rbp, p, q);
    eraC2s(q, &ra, &dec);
    const double separation = eraSeps(a, d, ra, dec);
    if (separation < bestSeparation) {
      bestSeparation = separation;
      best = i;
    }
  }
  return best;
}

// "alp1Cen, Rigel Kentaurus" → "α1_Cen"; empty when there is no Greek letter.
std::string Designation(const std::string& name) {
  static const std::map<std::string, std::string> kGreek = {
      {"alp", "α"}, {"bet", "β"}, {"gam", "γ"}, {"del", "δ"}, {"eps", "ε"}, {"zet", "ζ"},
      {"eta", "η"}, {"the", "θ"}, {"iot", "ι"}, {"kap", "κ"}, {"lam", "λ"}, {"mu", "μ"},
      {"nu", "ν"},  {"xi", "ξ"},  {"omi", "ο"}, {"pi", "π"},  {"rho", "ρ"}, {"sig", "σ"},
      {"tau", "τ"}, {"ups", "υ"}, {"phi", "φ"}, {"chi", "χ"}, {"psi", "ψ"}, {"ome", "ω"}};
  const std::string bayer = name.substr(0, name.find(','));
  if (bayer.size() < 5) return {};
  const std::string constellation = bayer.substr(bayer.size() - 3);
  std::string letter = bayer.substr(0, bayer.size() - 3);
  while (!letter.empty() && letter.back() == ' ') letter.pop_back();
  std::string digits;
  while (!letter.empty() && letter.back() >= '0' && letter.back() <= '9') {
    digits.insert(digits.begin(), letter.back());
    letter.pop_back();
  }
  const auto greek = kGreek.find(letter);
  if (greek == kGreek.end()) return {};
  return greek->second + digits + "_" + constellation;
}

// "γ1_Vel" → "γ_Vel".
std::string BareLetter(const std::string& designation) {
  const std::size_t underscore = designation.find('_');
  std::size_t letterEnd = underscore;
  while (letterEnd > 0 && designation[letterEnd - 1] >= '0' && designation[letterEnd - 1] <= '9') --letterEnd;
  return designation.substr(0, letterEnd) + designation.substr(underscore);
}

std::ifstream Open(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path + " (Debian package stellarium-data)");
  return in;
}

// Designation → Hipparcos numbers.
std::multimap<std::string, int> ReadNames(const std::string& path) {
  std::ifstream in = Open(path);
  std::multimap<std::string, int> names;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t bar = line.find('|');
    if (line.empty() || line[0] == '#' || bar == std::string::npos) continue;
    std::string designation = line.substr(bar + 1);
    designation.erase(designation.find_last_not_of(" \r") + 1);
    names.emplace(designation, std::stoi(line.substr(0, bar)));
  }
  return names;
}

// Hipparcos number → proper motion (μα cos δ, μδ), mas a year.
std::map<int, std::pair<double, double>> ReadProperMotions(const std::string& path) {
  std::ifstream in = Open(path);
  std::map<int, std::pair<double, double>> motions;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int hip = 0;
    double pmRa = 0, pmDec = 0;
    if (fields >> hip >> pmRa >> pmDec) motions[hip] = {pmRa, pmDec};
  }
  return motions;
}

std::string Format(const char* format, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace

std::string StarTableText(const std::string& starsDat, const std::string& stellariumDir, std::string* log) {
  const std::vector<CatalogueStar> catalogue = ReadKStarsCatalogue(starsDat, kFaintest);
  const auto names = ReadNames(stellariumDir + "/name.fab");
  const auto motions = ReadProperMotions(stellariumDir + "/hip_pm.dat");

  std::string text =
      "// SPDX-License-Identifier: GPL-3.0-or-later\n"
      "// SPDX-FileCopyrightText: 2026 The Tarvel developers\n"
      "// Generated by tools/tarvel_star_table (tools/StarTable.h); do not edit.\n"
      "// The 160 catalogue stars from the Hipparcos catalogue (ESA 1997, SP-1200) as\n"
      "// Debian's kstars-data carries it (stars.dat: ICRS places at the epoch\n"
      "// J2000.0, proper motions, parallaxes, V), the Hipparcos numbers from\n"
      "// stellarium-data (name.fab, checked against the proper motions of\n"
      "// hip_pm.dat). α Centauri: the centre of mass of A (HIP 71683) and B\n"
      "// (HIP 71681), numbered as A, with the pair's combined light.\n"
      "// Number, HIP, α°, δ°, μα cos δ and μδ (mas/yr), parallax (mas), V.\n";
  for (int k = 1; k <= kStars; ++k) {
    double separation = 0;
    const CatalogueStar& s = catalogue[Nearest(catalogue, k, separation)];
    if (separation * ERFA_DR2AS > kFarthest)
      throw std::runtime_error("star " + std::to_string(k) + ": no star within " + std::to_string(kFarthest) + "″");
    const bool centreOfMass = s.name.find("centre of mass") != std::string::npos;
    const ByHand* hand = nullptr;
    for (const ByHand& h : kByHand)
      if (h.number == k) hand = &h;

    // The designation, or the bare letter's when no number bears the exact
    // one; by hand where that does not tell.
    std::multimap<std::string, int> byHand;
    std::string lookup = centreOfMass ? "α1_Cen" : Designation(s.name);
    if (hand) {
      lookup = hand->designation;
      byHand.emplace(lookup, hand->hip);
    } else if (lookup.empty()) {
      throw std::runtime_error("star " + std::to_string(k) + " (" + s.name + "): no Bayer letter");
    } else if (names.count(lookup) == 0) {
      lookup = BareLetter(lookup);
    }
    const auto& source = hand ? byHand : names;

    const double pmRa = s.pmRa * std::cos(s.dec) * kMasPerRadian, pmDec = s.pmDec * kMasPerRadian;
    int hip = 0;
    double nearest = kPmAgreement;
    for (auto [it, end] = source.equal_range(lookup); it != end; ++it) {
      // The centre of mass moves unlike either star; A's number stands for it.
      if (centreOfMass) {
        hip = it->second;
        break;
      }
      const auto motion = motions.find(it->second);
      if (motion == motions.end()) continue;
      const double difference =
          std::fmax(std::fabs(motion->second.first - pmRa), std::fabs(motion->second.second - pmDec));
      if (difference < nearest) {
        nearest = difference;
        hip = it->second;
      }
    }
    if (hip == 0) throw std::runtime_error("star " + std::to_string(k) + " (" + s.name + "): no Hipparcos number");
    if (log)
      *log += centreOfMass ? Format("%3d %-40s %-8s HIP %6d  %5.1f″  centre of mass\n", k, s.name.c_str(), lookup.c_str(), hip,
                                    separation * ERFA_DR2AS)
                           : Format("%3d %-40s %-8s HIP %6d  %5.1f″  proper motions differ by %.2f mas/yr%s\n", k,
                                    s.name.c_str(), lookup.c_str(), hip, separation * ERFA_DR2AS, nearest,
                                    hand ? " (by hand)" : "");
    text += Format("{%d, %d, %.9f, %.9f, %.2f, %.2f, %.2f, %.2f},  // %s\n", k, hip, s.ra * ERFA_DR2D,
                   s.dec * ERFA_DR2D, pmRa, pmDec, s.parallax * 1000, s.magnitude, s.name.c_str());
  }
  return text;
}

}  // namespace tarvel::reference
