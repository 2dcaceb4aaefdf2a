// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// UTC of the ship's instant, TAI − UTC from ERFA, and the Earth's rotation
// from the measured series, the annual values before it, or the prediction
// after it (TimeScales.h).

#include "timescales/TimeScales.h"

#include <erfa.h>

#include <chrono>
#include <cmath>

#include "core/Arithmetic.h"
#include "timescales/DeltaTTrend.h"

namespace tarvel {
namespace {

#include "timescales/EarthRotation.inc"

constexpr Extended kTtMinusTai = 32.184L;
constexpr std::int32_t kMjdOf1970 = 40587;
constexpr std::size_t kSeriesDays = sizeof kUt1MinusTai / sizeof kUt1MinusTai[0];
constexpr std::size_t kAnnualYears = sizeof kAnnualDeltaT / sizeof kAnnualDeltaT[0];
static_assert(kSeriesDays == static_cast<std::size_t>(kSeriesLastMjd - kSeriesFirstMjd + 1));

// The instant's texts: the sights' own, with a second of 60 let through here.
constexpr TInstantTexts kTexts = {
    "Часовой пояс должен быть от -12 до +12", "Часы должны быть от 0 до 23",  "Минуты должны быть от 0 до 59",
    "Секунды должны быть от 0 до 60",         "Дата задана неверно: такого дня нет",
    "Дата должна быть от 01.01.1930 до 31.12.2099",
};

struct TUtcInstant {
  std::chrono::year_month_day Date;
  std::int32_t Mjd;
  Extended Seconds;  // of the UTC day, 0 … 86400
};

TUtcInstant UtcOf(const TShipTime& time) {
  using namespace std::chrono;
  TShipTime before = time;
  const bool leap = time.Second == 60;
  if (leap) before.Second = 59;
  if (const char* fault = ShipTimeFault(before, kTexts)) throw ETimeScaleError(fault);
  const std::int64_t seconds = UniversalSeconds(before);
  std::int64_t days = seconds / 86400, second = seconds % 86400;
  if (second < 0) {
    second += 86400;
    --days;
  }
  return {year_month_day{sys_days{} + std::chrono::days{days}}, static_cast<std::int32_t>(days) + kMjdOf1970,
          static_cast<Extended>(second + (leap ? 1 : 0))};
}

// The calendar year as a decimal at the UTC instant.
Extended DecimalYear(const TUtcInstant& at) {
  using namespace std::chrono;
  const year y = at.Date.year();
  const auto first = sys_days{y / January / 1}, next = sys_days{(y + years{1}) / January / 1};
  const Extended day = static_cast<Extended>((sys_days{at.Date} - first).count()) + at.Seconds / 86400;
  return static_cast<int>(y) + day / static_cast<Extended>((next - first).count());
}

Extended TaiMinusUtcOf(const TUtcInstant& at) {
  double dat = 0;
  const int status = eraDat(static_cast<int>(at.Date.year()), static_cast<int>(static_cast<unsigned>(at.Date.month())),
                            static_cast<int>(static_cast<unsigned>(at.Date.day())),
                            static_cast<double>(at.Seconds / 86400), &dat);
  if (status < 0) throw ETimeScaleError("TAI − UTC на эту дату не известна");
  return dat;
}

// 0h UTC of the series' last day.
TUtcInstant LastDay() {
  return {std::chrono::year_month_day{std::chrono::sys_days{} + std::chrono::days{kSeriesLastMjd - kMjdOf1970}},
          kSeriesLastMjd, 0};
}

Extended SeriesUt1MinusTai(std::size_t day) { return static_cast<Extended>(kUt1MinusTai[day]) / 10000; }

Extended SeriesError(std::int32_t year) {
  return static_cast<Extended>(kSeriesErrorByYear[year - kSeriesFirstYear]) / 1000000;
}

// ΔT of the Almanac's annual values at a decimal year before the series.
void AnnualDeltaT(Extended year, Extended& deltaT, Extended& error) {
  const Extended offset = year - kAnnualFirstYear;
  const auto k = static_cast<std::size_t>(arith::Trunc32(offset));
  const Extended f = offset - static_cast<Extended>(k);
  const Extended next = k + 1 < kAnnualYears ? static_cast<Extended>(kAnnualDeltaT[k + 1][0])
                                             : kTtMinusTai - SeriesUt1MinusTai(0);
  deltaT = static_cast<Extended>(kAnnualDeltaT[k][0]) * (1 - f) + next * f;
  error = kAnnualDeltaT[k][1];
  if (k + 1 < kAnnualYears && kAnnualDeltaT[k + 1][1] > error) error = kAnnualDeltaT[k + 1][1];
}

}  // namespace

std::int32_t MeasuredFirstMjd() { return kSeriesFirstMjd; }
std::int32_t MeasuredLastMjd() { return kSeriesLastMjd; }

TTimeScales TimeScales(const TShipTime& time, const TTimeSettings& settings) {
  if (settings.Dut1 && !(*settings.Dut1 >= -0.9L && *settings.Dut1 <= 0.9L)) throw ETimeScaleError(kDut1RangeError);
  const TUtcInstant at = UtcOf(time);
  TTimeScales s;
  s.Mjd = at.Mjd;
  s.UtcSeconds = at.Seconds;
  const Extended day = static_cast<Extended>(at.Mjd - kSeriesFirstMjd) + at.Seconds / 86400;
  const std::int32_t year = static_cast<int>(at.Date.year());

  if (day < 0) {
    s.Source = TTimeSource::Measured;
    AnnualDeltaT(DecimalYear(at), s.TtMinusUt1, s.TtMinusUt1Error);
    if (year >= 1960) {
      s.TaiMinusUtc = TaiMinusUtcOf(at);
      s.Ut1MinusUtc = kTtMinusTai + s.TaiMinusUtc - s.TtMinusUt1;
    } else {
      s.TaiMinusUtc = s.TtMinusUt1 - kTtMinusTai;  // the clock is UT1
    }
    return s;
  }

  s.TaiMinusUtc = TaiMinusUtcOf(at);
  const auto last = kSeriesDays - 1;
  if (day <= static_cast<Extended>(last)) {
    const auto k = static_cast<std::size_t>(arith::Trunc32(day));
    const Extended f = day - static_cast<Extended>(k);
    const Extended ut1MinusTai =
        k < last ? SeriesUt1MinusTai(k) * (1 - f) + SeriesUt1MinusTai(k + 1) * f : SeriesUt1MinusTai(k);
    s.Source = TTimeSource::Measured;
    s.Ut1MinusUtc = ut1MinusTai + s.TaiMinusUtc;
    s.TtMinusUt1 = kTtMinusTai - ut1MinusTai;
    s.TtMinusUt1Error = SeriesError(year);
    s.TypedDut1Differs = settings.Dut1 && std::fabs(*settings.Dut1 - s.Ut1MinusUtc) > kDut1Tolerance;
    return s;
  }

  if (settings.Dut1) {
    s.Source = TTimeSource::Typed;
    s.Ut1MinusUtc = *settings.Dut1;
    s.TtMinusUt1 = kTtMinusTai + s.TaiMinusUtc - s.Ut1MinusUtc;
    s.TtMinusUt1Error = kTypedDut1Error;
    return s;
  }
  // While leap seconds keep UT1 − UTC within 0.9 s, the last measured value
  // is held; from kLeapSecondsEnd on, ΔT goes on along the trend.
  s.Source = TTimeSource::Predicted;
  const Extended held = SeriesUt1MinusTai(last) + s.TaiMinusUtc;
  const Extended band = SeriesError(static_cast<int>(LastDay().Date.year())) + kUt1BandError;
  const Extended now = DecimalYear(at);
  if (now < kLeapSecondsEnd) {
    s.Ut1MinusUtc = held;
    s.TtMinusUt1 = kTtMinusTai + s.TaiMinusUtc - held;
    const Extended drift = (now - DecimalYear(LastDay())) * kPredictionErrorPerYear;
    s.TtMinusUt1Error = drift < band ? drift : band;
    return s;
  }
  const Extended atEnd = kTtMinusTai + s.TaiMinusUtc - held;  // no leap second eraDat does not know
  s.TtMinusUt1 = atEnd + DeltaTTrend(now) - DeltaTTrend(kLeapSecondsEnd);
  s.Ut1MinusUtc = kTtMinusTai + s.TaiMinusUtc - s.TtMinusUt1;
  const Extended drift = (now - kLeapSecondsEnd) * kPredictionErrorPerYear;
  s.TtMinusUt1Error = arith::Sqrt(band * band + drift * drift);
  return s;
}

bool LeapSecondDay(std::int32_t year, std::int32_t month, std::int32_t day) {
  using namespace std::chrono;
  const year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                            std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok() || year < 1972) return false;
  const year_month_day next{sys_days{date} + days{1}};
  double today = 0, tomorrow = 0;
  if (eraDat(year, month, day, 0.0, &today) < 0 ||
      eraDat(static_cast<int>(next.year()), static_cast<int>(static_cast<unsigned>(next.month())),
             static_cast<int>(static_cast<unsigned>(next.day())), 0.0, &tomorrow) < 0)
    return false;
  return tomorrow - today > 0.5;
}

bool IsLeapSecond(const TShipTime& time) {
  if (time.Second != 60 || time.Minute != 59) return false;
  TShipTime before = time;
  before.Second = 59;
  if (ShipTimeFault(before, kTexts)) return false;
  const TUtcInstant at = UtcOf(before);
  return at.Seconds == 86399 && LeapSecondDay(static_cast<int>(at.Date.year()),
                                              static_cast<int>(static_cast<unsigned>(at.Date.month())),
                                              static_cast<int>(static_cast<unsigned>(at.Date.day())));
}

}  // namespace tarvel
