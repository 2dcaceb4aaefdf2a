// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Twilight times: the Sun's altitude sampled every ten minutes with its
// direction at each sample, the turns of the altitude (its daily highest and
// lowest) located to the second, and each threshold's crossing bisected
// within the first stretch between samples where the altitude, rising or
// falling steadily, passes it. About 400 altitudes instead of 86 400.

#include "ephemeris/Twilight.h"

#include <vector>

#include "core/RuntimeErrors.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

constexpr std::int32_t kLastSecond = 86399;
constexpr std::int32_t kScanStep = 600;

// The Sun's altitude at whole seconds of one ship's date, computed as the
// main window computes it.
class SunAltitude {
 public:
  SunAltitude(std::int32_t zone, std::int32_t day, std::int32_t month, std::int32_t year, Extended lat,
              Extended lon)
      : zone_(zone), day_(day), month_(month), year_(year), lat_(lat), lon_(lon) {}

  Extended At(std::int32_t s) const {
    try {
      return Computed(s);
    } catch (const EMathError&) {
      // Exactly at the zenith or the nadir. One second away the Sun is still
      // within a quarter of a degree of it, so that altitude tells which.
      return Computed(s > 0 ? s - 1 : s + 1) >= 0 ? 90 : -90;
    }
  }

 private:
  Extended Computed(std::int32_t s) const {
    const TSunData sun = SunEphemeris(zone_, s / 3600, s / 60 % 60, s % 60, day_, month_, year_);
    const THorizonData h = HorizonCoords(sun.SunDecMin * OneSixtieth + sun.SunDecDeg, lat_,
                                         sun.SunGhaMin * OneSixtieth + sun.SunGhaDeg, lon_);
    return h.AltMin * OneSixtieth + h.AltDeg;
  }

  std::int32_t zone_, day_, month_, year_;
  Extended lat_, lon_;
};

struct Sample {
  std::int32_t second;
  Extended altitude;
};

// Whether the altitude rises at second s: toward the next second, and at the
// day's last second from the one before.
bool Rising(const SunAltitude& sun, std::int32_t s, Extended altitude) {
  return s < kLastSecond ? sun.At(s + 1) > altitude : altitude > sun.At(s - 1);
}

// The first second of (a, b] at which the altitude no longer goes the way it
// went at a: the turn of the altitude between them.
std::int32_t Turn(const SunAltitude& sun, std::int32_t a, std::int32_t b, bool risingAtA) {
  while (b - a > 1) {
    const std::int32_t mid = a + (b - a) / 2;
    if (Rising(sun, mid, sun.At(mid)) == risingAtA) {
      a = mid;
    } else {
      b = mid;
    }
  }
  return b;
}

// The samples in time order, the turns of the altitude among them: between
// two neighbours the altitude only rises or only falls.
std::vector<Sample> MonotoneSamples(const SunAltitude& sun) {
  std::vector<Sample> grid;
  std::vector<bool> rising;
  for (std::int32_t s = 0;; s += kScanStep) {
    if (s > kLastSecond) s = kLastSecond;
    const Extended h = sun.At(s);
    grid.push_back({s, h});
    rising.push_back(Rising(sun, s, h));
    if (s == kLastSecond) break;
  }

  std::vector<Sample> samples;
  samples.reserve(grid.size() + 4);
  samples.push_back(grid.front());
  for (std::size_t k = 1; k < grid.size(); ++k) {
    if (rising[k] != rising[k - 1]) {
      const std::int32_t turn = Turn(sun, grid[k - 1].second, grid[k].second, rising[k - 1]);
      if (turn < grid[k].second) samples.push_back({turn, sun.At(turn)});
    }
    samples.push_back(grid[k]);
  }
  return samples;
}

// The first second of (a, b] at which pastThreshold holds, given that it
// does not hold at a and holds at b.
template <typename Past>
std::int32_t Crossing(const SunAltitude& sun, std::int32_t a, std::int32_t b, Past pastThreshold) {
  while (b - a > 1) {
    const std::int32_t mid = a + (b - a) / 2;
    if (pastThreshold(sun.At(mid))) {
      b = mid;
    } else {
      a = mid;
    }
  }
  return b;
}

// The first rising crossing of the threshold, -1 when there is none.
std::int32_t FirstRising(const SunAltitude& sun, const std::vector<Sample>& samples, Extended threshold) {
  const auto above = [threshold](Extended h) { return h >= threshold; };
  for (std::size_t k = 1; k < samples.size(); ++k) {
    if (!above(samples[k - 1].altitude) && above(samples[k].altitude))
      return Crossing(sun, samples[k - 1].second, samples[k].second, above);
  }
  return -1;
}

// The first setting crossing of the threshold, -1 when there is none.
std::int32_t FirstSetting(const SunAltitude& sun, const std::vector<Sample>& samples, Extended threshold) {
  const auto below = [threshold](Extended h) { return h <= threshold; };
  for (std::size_t k = 1; k < samples.size(); ++k) {
    if (!below(samples[k - 1].altitude) && below(samples[k].altitude))
      return Crossing(sun, samples[k - 1].second, samples[k].second, below);
  }
  return -1;
}

}  // namespace

TTwilight Twilight(std::int32_t Z, std::int32_t Day, std::int32_t Month, std::int32_t Year,
                   Extended Lat, Extended Lon) {
  const SunAltitude sun(Z, Day, Month, Year, Lat, Lon);
  const std::vector<Sample> samples = MonotoneSamples(sun);
  TTwilight t{};
  t.MorningNautical = FirstRising(sun, samples, kNauticalTwilight);
  t.MorningCivil = FirstRising(sun, samples, kCivilTwilight);
  t.Sunrise = FirstRising(sun, samples, kSunriseAltitude);
  t.Sunset = FirstSetting(sun, samples, kSunriseAltitude);
  t.EveningCivil = FirstSetting(sun, samples, kCivilTwilight);
  t.EveningNautical = FirstSetting(sun, samples, kNauticalTwilight);
  for (const Sample& s : samples) {
    if (s.altitude < t.Lowest) t.Lowest = s.altitude;
    if (s.altitude > t.Highest) t.Highest = s.altitude;
  }
  return t;
}

}  // namespace tarvel
