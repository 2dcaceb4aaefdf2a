// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/TwilightView.h"

#include <optional>

#include "almanac/SkyTexts.h"

namespace tarvel {
namespace {

constexpr std::int32_t kDay = 86400;

struct TDate {
  std::int32_t Day, Month, Year;
};

// The next calendar date, or nothing after the last date the ephemeris
// serves.
std::optional<TDate> NextDate(const TDate& d) {
  static const std::int32_t kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (d.Year % 4 == 0 && d.Year % 100 != 0) || d.Year % 400 == 0;
  const std::int32_t length = kLength[d.Month - 1] + (d.Month == 2 && leap ? 1 : 0);
  if (d.Day < length) return TDate{d.Day + 1, d.Month, d.Year};
  if (d.Month < 12) return TDate{1, d.Month + 1, d.Year};
  if (d.Year >= 2099) return std::nullopt;
  return TDate{1, 1, d.Year + 1};
}

}  // namespace

TTwilightView TwilightView(const TAlmanacInputs& in) {
  TTwilightView view;
  const TTwilight t = Twilight(in.Time.Zone, in.Time.Day, in.Time.Month, in.Time.Year, in.Latitude, in.Longitude);
  view.Times = t;
  const std::int32_t times[6] = {t.MorningNautical, t.MorningCivil, t.Sunrise, t.Sunset, t.EveningCivil,
                                 t.EveningNautical};
  for (std::size_t i = 0; i < 6; ++i) view.Texts[i] = ShipTimeText(times[i]);

  // A star time that begins late in the day ends at the next date's crossing.
  std::optional<TTwilight> next;
  const auto end = [&](std::int32_t from, std::int32_t to, std::int32_t TTwilight::*field) -> std::int32_t {
    if (from < 0 || to < 0 || to >= from) return to;
    if (!next) {
      const std::optional<TDate> date = NextDate({in.Time.Day, in.Time.Month, in.Time.Year});
      if (!date) return -1;
      next = Twilight(in.Time.Zone, date->Day, date->Month, date->Year, in.Latitude, in.Longitude);
    }
    const std::int32_t nextTo = (*next).*field;
    return nextTo < 0 ? -1 : nextTo + kDay;
  };
  view.MorningStars = MiddleOfStretch(t.MorningNautical, end(t.MorningNautical, t.MorningCivil, &TTwilight::MorningCivil));
  view.EveningStars = MiddleOfStretch(t.EveningCivil, end(t.EveningCivil, t.EveningNautical, &TTwilight::EveningNautical));
  if (view.MorningStars < 0 || view.EveningStars < 0) {
    const bool last = !NextDate({in.Time.Day, in.Time.Month, in.Time.Year});
    const char* reason = t.Highest < kCivilTwilight        ? kPolarNight
                         : t.Lowest >= kSunriseAltitude    ? kPolarDay
                         : t.Lowest > kNauticalTwilight    ? kWhiteNight
                         : last                       ? kPastEphemeris
                                                      : kOtherDate;
    if (view.MorningStars < 0) view.MorningReason = reason;
    if (view.EveningStars < 0) view.EveningReason = reason;
  }
  return view;
}

}  // namespace tarvel
