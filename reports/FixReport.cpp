// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/FixReport.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "angles/Direction.h"
#include "core/NumberPicture.h"
#include "reports/PositionText.h"
#include "reports/SightSheet.h"
#include "reports/TextColumns.h"
#include "shiptime/ShipTime.h"

namespace tarvel {
namespace {

std::string ClockText(std::int32_t hour, std::int32_t minute) {
  return TwoDigits(hour) + ":" + TwoDigits(minute);
}

}  // namespace

std::string ReckoningText(const TDeadReckoning& dr) {
  return PositionText(dr.Lat, dr.Lon) + " на " + TwoDigits(dr.Time.Day) + "." + TwoDigits(dr.Time.Month) + "." +
         std::to_string(dr.Time.Year) + " " + TwoDigits(dr.Time.Hour) + ":" + TwoDigits(dr.Time.Minute) + ":" +
         TwoDigits(dr.Time.Second) + ", пояс " + ZoneText(dr.Time.Zone) +
         ", курс " + DirectionText(dr.Course) + ", скорость " + FormatPicture("0.0", dr.Speed) + " уз";
}

TFixOutcome WorkFix(const std::vector<TLoggedSight>& sights, const TDeadReckoning& dr,
                    const TFixSettings& settings) {
  TFixOutcome outcome;
  outcome.Settings = settings;
  if (sights.empty()) return outcome;
  std::vector<TSight> used;
  for (std::size_t i = 0; i < sights.size(); ++i) {
    if (!sights[i].Enabled) continue;
    outcome.Used.push_back(i);
    used.push_back(sights[i].Sight);
  }
  try {
    TFix fix = FixPosition(used, dr, settings);
    outcome.Last = outcome.Used[LastSight(used)];
    outcome.Reckoning = ReckoningAt(dr, SightSeconds(sights[outcome.Last].Sight));
    outcome.Fix = std::move(fix);
  } catch (const Exception& error) {
    outcome = TFixOutcome{};
    outcome.Settings = settings;
    outcome.Error = error.Message();
  }
  return outcome;
}

std::optional<Extended> ResidualAt(const TFixOutcome& outcome, std::size_t index) {
  if (!outcome.Fix) return std::nullopt;
  const auto at = std::find(outcome.Used.begin(), outcome.Used.end(), index);
  if (at == outcome.Used.end()) return std::nullopt;
  const auto k = static_cast<std::size_t>(at - outcome.Used.begin());
  if (k >= outcome.Fix->Residuals.size()) return std::nullopt;
  return outcome.Fix->Residuals[k];
}

TSightRow SightRowTexts(const TLoggedSight& logged, std::optional<Extended> residual, bool withDate) {
  const TSightReduction& r = logged.Reduction;
  const TSight& s = logged.Sight;
  const std::string intercept = FormatPicture("0.0", std::fabs(r.Intercept)) +
                                (r.Intercept >= 0 ? " к светилу" : " от светила");
  return {withDate ? SightTimeText(s) : TwoDigits(s.Time.Hour) + ":" + TwoDigits(s.Time.Minute) + ":" + TwoDigits(s.Time.Second),
          BodyShortText(logged.Sight),
          AltitudeDegreesText(logged.Sight.Hs),
          AltitudeDegreesText(r.Ho),
          DirectionText(r.Zn),
          intercept,
          residual ? SignedMinutesText(*residual) : std::string()};
}

std::vector<std::string> FixLines(const std::vector<TLoggedSight>& sights, const TFixOutcome& outcome,
                                  bool withResiduals) {
  if (!outcome.Fix) return {};
  const TFix& fix = *outcome.Fix;
  const TSight& last = sights[outcome.Last].Sight;
  std::vector<std::string> lines = {
      PositionText(fix.Lat, fix.Lon),
      "на " + SightTimeText(last) + ", пояс " + ZoneText(last.Time.Zone),
      "итераций " + std::to_string(fix.Iterations) + ", средняя квадратическая невязка " +
          FormatPicture("0.0", fix.ResidualRms) + "'",
      "эллипс 95 % при СКП высоты " + FormatPicture("0.0", outcome.Settings.SightError) + "′: полуоси " +
          FormatPicture("0.0", fix.SemiMajor) + " и " + MilesText(fix.SemiMinor) + ", большая ось " +
          DirectionText(fix.MajorAzimuth),
      "от счислимого места " + MilesText(fix.ReckoningDistance) + ", пеленг " + DirectionText(fix.ReckoningBearing),
  };
  if (!fix.Consistent && fix.Suspect >= 0 && static_cast<std::size_t>(fix.Suspect) < outcome.Used.size()) {
    const std::size_t row = outcome.Used[static_cast<std::size_t>(fix.Suspect)];
    const TSight& suspect = sights[row].Sight;
    lines.push_back("Невязки больше ожидаемых при СКП " + FormatPicture("0.0", outcome.Settings.SightError) +
                    "′: проверьте наблюдение " + std::to_string(row + 1) + " — " + BodyShortText(suspect) + " " +
                    ClockText(suspect.Time.Hour, suspect.Time.Minute));
  }
  if (fix.ReckoningDistance > kFarFixMiles) {
    lines.push_back("Обсервация в " + MilesText(fix.ReckoningDistance) +
                    " от счислимого места: проверьте наблюдения, время и счисление");
  }
  for (std::size_t k = 0; k < outcome.Used.size() && k < fix.Residuals.size(); ++k) {
    const TLoggedSight& logged = sights[outcome.Used[k]];
    const std::string when = SightTimeText(logged.Sight) + "  ";
    if (withResiduals) {
      lines.push_back(when + BodyShortText(logged.Sight) + ": невязка " + SignedMinutesText(fix.Residuals[k]));
    }
    for (const std::string& warning : SightWarnings(logged.Sight, logged.Reduction)) {
      lines.push_back((withResiduals ? std::string(TextWidth(when), ' ') : when) + warning);
    }
  }
  return lines;
}

std::optional<std::size_t> SameSightRow(const std::vector<TLoggedSight>& sights, const TSight& sight,
                                        std::optional<std::size_t> except) {
  const auto key = [](const TSight& s) {
    return std::tuple(s.Body, s.Body == TBody::Star ? s.StarNumber : 0, UniversalOrder(s.Time), s.Hs);
  };
  for (std::size_t i = 0; i < sights.size(); ++i) {
    if (i != except && key(sights[i].Sight) == key(sight)) return i;
  }
  return std::nullopt;
}

std::string SameSightText(std::size_t row) {
  return "Такое наблюдение уже есть в списке: строка " + std::to_string(row + 1);
}

namespace {

// On the sheet a star goes by its own name alone: the labels are small, and
// the list beside names it in full.
std::string PlotName(const TSight& sight) {
  return sight.Body == TBody::Star ? StarShortName(sight.StarNumber) : BodyShortText(sight);
}

}  // namespace

std::string ListText(const std::vector<TLoggedSight>& sights, const TDeadReckoning& dr, const TFixOutcome& outcome) {
  std::vector<TSightRow> rows = {kSightRowCaptions};
  for (std::size_t i = 0; i < sights.size(); ++i) {
    rows.push_back(SightRowTexts(sights[i], ResidualAt(outcome, i), true));
  }
  std::array<std::size_t, 7> width{};
  for (const TSightRow& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], TextWidth(row[c]));
  }
  std::string text = "Линии положения\n";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::string line = r == 0 ? "     " : sights[r - 1].Enabled ? "вкл  " : "выкл ";
    for (std::size_t c = 0; c < rows[r].size(); ++c) line += PaddedText(rows[r][c], width[c]) + "  ";
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + "\n";
  }
  // Every input of each sight, so that it can be entered again.
  text += "\nНаблюдения:\n";
  for (std::size_t i = 0; i < sights.size(); ++i) {
    const TSight& s = sights[i].Sight;
    text += std::to_string(i + 1) + ". " + BodyText(s) + "; " + SightTimeText(s) + ", пояс " + ZoneText(s.Time.Zone) +
            "; " + SightInputsText(s) + "; счислимое место " + PositionText(sights[i].Lat, sights[i].Lon) + "\n";
  }
  text += "\nСчисление: " + ReckoningText(dr) + "\n";
  if (outcome.Fix) {
    text += "\nОбсервация:\n";
    for (const std::string& line : FixLines(sights, outcome, true)) text += line + "\n";
  } else if (!outcome.Error.empty()) {
    text += "\nОбсервации нет: " + outcome.Error + "\n";
  }
  return text;
}

TPlot SightsPlot(const std::vector<TLoggedSight>& sights, const TDeadReckoning& dr, const TFixOutcome& outcome) {
  // The time of the plot: the fix's, else the latest sight's, else the
  // reckoning's own.
  std::int64_t at = ReckoningSeconds(dr);
  if (outcome.Fix) {
    at = SightSeconds(sights[outcome.Last].Sight);
  } else if (!sights.empty()) {
    std::vector<TSight> all;
    for (const TLoggedSight& logged : sights) all.push_back(logged.Sight);
    at = SightSeconds(all[LastSight(all)]);
  }
  TPlot plot;
  TPosition centre{};
  try {
    centre = outcome.Fix ? TPosition{outcome.Fix->Lat, outcome.Fix->Lon} : ReckoningAt(dr, at);
  } catch (const Exception&) {
    return plot;  // a reckoning carried onto a pole has nothing to plot
  }

  plot.Origin = {centre.Lat, centre.Lon};
  const auto onSheet = [&](const TPosition& p) { return ToSheet(plot.Origin, p.Lat, p.Lon); };

  // The track through the reckoning's time, every sight's and the plot's.
  std::vector<std::pair<std::int64_t, std::string>> marks = {
      {ReckoningSeconds(dr), ClockText(dr.Time.Hour, dr.Time.Minute)}};
  for (const TLoggedSight& logged : sights) {
    marks.emplace_back(SightSeconds(logged.Sight), ClockText(logged.Sight.Time.Hour, logged.Sight.Time.Minute));
  }
  std::stable_sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  marks.erase(std::unique(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
              marks.end());
  for (const auto& [seconds, label] : marks) {
    try {
      const TSheetPoint p = onSheet(ReckoningAt(dr, seconds));
      plot.Track.push_back(p);
      plot.Marks.push_back({p, label});
    } catch (const Exception&) {
      // A part of the track beyond a pole is not drawn.
    }
  }

  // Each line of position through the point its intercept gives from the
  // plot's position carried back to the sight's time, advanced with the ship.
  for (const TLoggedSight& logged : sights) {
    const Extended hours = static_cast<Extended>(SightSeconds(logged.Sight) - at) / 3600;
    try {
      const TPosition then = CarryPosition(centre, dr.Course, dr.Speed, hours);
      const TSightReduction r = ReduceSight(logged.Sight, then.Lat, then.Lon);
      const TSheetPoint foot = Offset(onSheet(centre), r.Zn, r.Intercept);
      plot.Lines.push_back({foot, r.Zn,
                            PlotName(logged.Sight) + " " + ClockText(logged.Sight.Time.Hour, logged.Sight.Time.Minute),
                            logged.Enabled});
    } catch (const Exception&) {
      // A sight that cannot be reduced at this position has no line to draw.
    }
  }

  if (outcome.Fix) {
    const TSight& last = sights[outcome.Last].Sight;
    plot.Fix = onSheet(centre);
    plot.FixLabel = "обс. " + ClockText(last.Time.Hour, last.Time.Minute);
    plot.Ellipse = {outcome.Fix->SemiMajor, outcome.Fix->SemiMinor, outcome.Fix->MajorAzimuth};
  }
  return plot;
}

}  // namespace tarvel
