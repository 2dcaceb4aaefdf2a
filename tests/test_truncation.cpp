// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The ways of cutting to whole numbers, fisttp and the compiler's own
// conversion, give the same bits: value by value at the edges, and over
// random engine recalculations (the Sun, a star, both horizon positions),
// where the routines that the program runs must agree with both.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/Arithmetic.h"
#include "ephemeris/EnginePaths.h"

namespace tarvel {
namespace {

using arith::FisttpCut;
using arith::PortableCut;

#define TARVEL_NEED_FISTTP() \
  if (!arith::kHasFisttp) GTEST_SKIP() << "no SSE3 on this processor"

template <class Cut>
std::string CutText(Extended x) {
  try {
    return std::to_string(Cut::Trunc32(x));
  } catch (const EMathError& e) {
    return e.what();
  }
}

TEST(Truncation, BothCutsAgreeAtTheEdges) {
  TARVEL_NEED_FISTTP();
  constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
  const struct { Extended x; const char* expected; } rows[] = {
      {0.0L, "0"}, {-0.0L, "0"}, {0.5L, "0"}, {-0.5L, "0"}, {1.5L, "1"}, {-1.5L, "-1"},
      {0.9999999999999999999L, "0"}, {-23.9L, "-23"}, {359.99999999L, "359"}, {360, "360"},
      {std::numeric_limits<Extended>::denorm_min(), "0"}, {-std::numeric_limits<Extended>::denorm_min(), "0"},
      {2147483647.9L, "2147483647"}, {-2147483648.9L, "-2147483648"},
      {2147483648.0L, "Invalid floating point operation"}, {-2147483649.0L, "Invalid floating point operation"},
      {kInf, "Invalid floating point operation"}, {-kInf, "Invalid floating point operation"},
      {std::numeric_limits<Extended>::quiet_NaN(), "Invalid floating point operation"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(CutText<PortableCut>(r.x), r.expected) << static_cast<double>(r.x);
    EXPECT_EQ(CutText<FisttpCut>(r.x), r.expected) << static_cast<double>(r.x);
    EXPECT_EQ(CutText<arith::ChosenCut>(r.x), r.expected) << static_cast<double>(r.x);
  }
}

// Equal to the last bit, field by field; a long double's padding bytes carry
// no value.
template <class T>
bool SameBits(const T& a, const T& b) {
  static_assert(sizeof(T) % sizeof(Extended) == 0);
  constexpr std::size_t bytes = std::numeric_limits<Extended>::digits == 64 ? 10 : sizeof(Extended);
  for (std::size_t at = 0; at < sizeof(T); at += sizeof(Extended)) {
    if (std::memcmp(reinterpret_cast<const char*>(&a) + at, reinterpret_cast<const char*>(&b) + at, bytes) != 0) {
      return false;
    }
  }
  return true;
}

struct Inputs {
  std::int32_t zone, hour, minute, second, day, month, year, star;
  Extended lat, lon;
};

Inputs Draw(std::mt19937_64& rng) {
  const auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  Inputs i{};
  i.zone = in(-12, 12);
  i.hour = in(0, 23);
  i.minute = in(0, 59);
  i.second = in(0, 59);
  i.year = in(1930, 2099);
  i.month = in(1, 12);
  i.day = in(1, i.month == 2 && i.year % 4 != 0 ? 28 : kDays[i.month - 1]);
  i.star = in(1, 160);
  // Positions as the window builds them, from hundredths of a minute of arc.
  const Extended latMin = in(0, 5999) / 100.0L;
  i.lat = latMin * OneSixtieth + in(0, 89);
  const Extended lonMin = in(0, 5999) / 100.0L;
  i.lon = lonMin * OneSixtieth + in(0, 179);
  if (in(0, 1) != 0) i.lat = -i.lat;
  if (in(0, 1) != 0) i.lon = -i.lon;
  return i;
}

// One recalculation's four records, or the text of its fault.
struct Records {
  TSunData sun{};
  TStarData star{};
  THorizonData sunHorizon{}, starHorizon{};
  std::string error;

  bool operator==(const Records& o) const {
    return error == o.error && SameBits(sun, o.sun) && SameBits(star, o.star) &&
           SameBits(sunHorizon, o.sunHorizon) && SameBits(starHorizon, o.starHorizon);
  }
};

template <class Sun, class Star, class Horizon>
Records Recalculate(const Inputs& i, Sun sunEphemeris, Star starPlace, Horizon horizonCoords) {
  Records r;
  try {
    r.sun = sunEphemeris(i.zone, i.hour, i.minute, i.second, i.day, i.month, i.year);
    const TSunData& s = r.sun;
    r.star = starPlace(i.star, s.NutLon, s.NutObl, s.SunMeanLon, s.GrAries, s.Years);
    r.sunHorizon = horizonCoords(s.SunDecMin * OneSixtieth + s.SunDecDeg, i.lat,
                                 s.SunGhaMin * OneSixtieth + s.SunGhaDeg, i.lon);
    r.starHorizon = horizonCoords(r.star.StarDecMin * OneSixtieth + r.star.StarDecDeg, i.lat,
                                  r.star.StarGhaMin * OneSixtieth + r.star.StarGhaDeg, i.lon);
  } catch (const EMathError& e) {
    r.error = e.what();
  }
  return r;
}

template <class Cut>
Records RecalculateWith(const Inputs& i) {
  return Recalculate(i, SunEphemerisWith<Cut>, StarPlaceWith<Cut>, HorizonCoordsWith<Cut>);
}

#ifdef __SANITIZE_ADDRESS__
constexpr int kPerShard = 12'500;  // the checked build runs many times slower
#else
constexpr int kPerShard = 250'000;
#endif

// A million random recalculations with each cut, in four shards, which ctest
// runs side by side.
class TruncationShard : public ::testing::TestWithParam<int> {};

TEST_P(TruncationShard, EngineGivesTheSameBitsWithBothCuts) {
  TARVEL_NEED_FISTTP();
  std::mt19937_64 rng(0x7A2BE1u + static_cast<unsigned>(GetParam()));
  for (int n = 0; n < kPerShard; ++n) {
    const Inputs i = Draw(rng);
    const Records portable = RecalculateWith<PortableCut>(i);
    // The routines of CStars.h, which the program runs, on every tenth draw.
    const bool chosen = n % 10 == 0;
    ASSERT_TRUE(RecalculateWith<FisttpCut>(i) == portable &&
                (!chosen || Recalculate(i, SunEphemeris, StarPlace, HorizonCoords) == portable))
        << "draw " << n << ": " << i.year << '-' << i.month << '-' << i.day << ' ' << i.hour << ':' << i.minute << ':'
        << i.second << " zone " << i.zone << ", star " << i.star << " at " << static_cast<double>(i.lat) << ' '
        << static_cast<double>(i.lon) << (portable.error.empty() ? "" : ", " + portable.error);
  }
}

INSTANTIATE_TEST_SUITE_P(Truncation, TruncationShard, ::testing::Range(0, 4));

}  // namespace
}  // namespace tarvel
