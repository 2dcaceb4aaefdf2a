// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "KStarsCatalogue.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace tarvel::reference {
namespace {

// Masses of α Centauri A and B in solar masses: Kervella et al. 2016,
// A&A 594, A107.
constexpr double kAlphaCenMassA = 1.1055;
constexpr double kAlphaCenMassB = 0.9373;

double Field(const std::string& line, std::size_t from, std::size_t length, long number) {
  if (line.size() < from + length)
    throw std::runtime_error("stars.dat line " + std::to_string(number) + ": too short");
  return std::stod(line.substr(from, length));
}

CatalogueStar Parse(const std::string& line, long number) {
  CatalogueStar s{};
  const double hours = Field(line, 0, 2, number), minutes = Field(line, 2, 2, number),
               seconds = Field(line, 4, 5, number);
  s.ra = (hours + minutes / 60 + seconds / 3600) * 15 * ERFA_DD2R;
  const double sign = line.at(10) == '-' ? -1 : 1;
  const double degrees = Field(line, 11, 2, number), arcMinutes = Field(line, 13, 2, number),
               arcSeconds = Field(line, 15, 4, number);
  s.dec = sign * (degrees + arcMinutes / 60 + arcSeconds / 3600) * ERFA_DD2R;
  const double masToRad = ERFA_DAS2R / 1000;
  s.pmRa = Field(line, 20, 9, number) * masToRad / std::cos(s.dec);
  s.pmDec = Field(line, 29, 9, number) * masToRad;
  s.parallax = Field(line, 38, 7, number) / 1000;
  s.magnitude = Field(line, 46, 5, number);
  const std::size_t comma = line.find(',');
  if (comma != std::string::npos) {
    s.name = line.substr(comma + 1);
    s.name.erase(0, s.name.find_first_not_of(' '));
    s.name.erase(s.name.find_last_not_of(" \r\n") + 1);
  }
  return s;
}

// The mass-weighted mean of the pair's places and motions: the place and
// motion of the centre of mass, the orbital motion cancelling out.
CatalogueStar CentreOfMass(const CatalogueStar& a, const CatalogueStar& b) {
  const double wa = kAlphaCenMassA / (kAlphaCenMassA + kAlphaCenMassB), wb = 1 - wa;
  CatalogueStar c = a;
  c.name = "alp Cen AB, Rigil Kentaurus (centre of mass)";
  c.ra = wa * a.ra + wb * b.ra;
  c.dec = wa * a.dec + wb * b.dec;
  c.pmRa = wa * a.pmRa + wb * b.pmRa;
  c.pmDec = wa * a.pmDec + wb * b.pmDec;
  c.parallax = wa * a.parallax + wb * b.parallax;
  c.magnitude = -0.27;  // the pair's combined light
  return c;
}

}  // namespace

std::vector<CatalogueStar> ReadKStarsCatalogue(const std::string& path, double faintest) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path + " (Debian package kstars-data)");
  std::vector<CatalogueStar> stars;
  std::optional<CatalogueStar> alphaCenA, alphaCenB;
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    CatalogueStar s = Parse(line, number);
    if (s.name.rfind("alp1Cen", 0) == 0) {
      alphaCenA = s;
    } else if (s.name.rfind("alp2Cen", 0) == 0) {
      alphaCenB = s;
    } else if (s.magnitude <= faintest) {
      stars.push_back(std::move(s));
    }
  }
  if (!alphaCenA || !alphaCenB) throw std::runtime_error(path + ": α Centauri A or B is missing");
  stars.push_back(CentreOfMass(*alphaCenA, *alphaCenB));
  return stars;
}

}  // namespace tarvel::reference
