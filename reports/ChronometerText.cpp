// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/ChronometerText.h"

#include <cmath>

#include "core/NumberPicture.h"

namespace tarvel {
namespace {

std::string Two(std::int32_t value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::string SignedSecondsText(Extended seconds) {
  const std::string magnitude = FormatPicture("0.0", std::fabs(seconds));
  if (magnitude == "0,0") return magnitude;
  return (seconds < 0 ? "−" : "+") + magnitude;
}

std::string ComparisonTimeText(const TComparison& comparison) {
  if (!comparison.Time) return "без даты";
  const TShipTime& t = *comparison.Time;
  return Two(t.Day) + "." + Two(t.Month) + "." + std::to_string(t.Year) + " " + Two(t.Hour) + ":" + Two(t.Minute);
}

std::string ComparisonErrorText(const TComparison& comparison) {
  const std::string magnitude = FormatPicture("0.0", std::fabs(comparison.Correction));
  if (magnitude == "0,0") return magnitude + " с";
  return (comparison.Correction < 0 ? "спешит " : "отстаёт ") + magnitude + " с";
}

std::string RateText(const TChronometerRate& rate) {
  if (rate.Source == TRateSource::None) return "не задан";
  return SignedSecondsText(rate.SecondsPerDay) + " с/сут";
}

std::string ChronometerLine(const TChronometerRecord& record, Extended t) {
  const std::optional<TChronometerCorrection> c = CorrectionAt(record, t);
  if (!c) return "Поправка хронометра: сравнений нет";
  return "Поправка хронометра " + SignedSecondsText(c->Seconds) + " с (сравнение " +
         ComparisonTimeText(record.Comparisons[c->Comparison]) + ", ход " + RateText(c->Rate) + ")";
}

std::string ChronometerShortLine(const TChronometerRecord& record, Extended t) {
  const std::optional<TChronometerCorrection> c = CorrectionAt(record, t);
  if (!c) return "сравнений нет";
  return SignedSecondsText(c->Seconds) + " с, ход " + RateText(c->Rate);
}

std::string ChronometerWarning(const TChronometerRecord& record, Extended t) {
  const std::optional<TChronometerCorrection> c = CorrectionAt(record, t);
  if (!c || !c->Drifted) return {};
  return "Ход хронометра изменил поправку на " + SignedSecondsText(c->Drift) + " с со сравнения " +
         ComparisonTimeText(record.Comparisons[c->Comparison]) + " (больше 10 с): сверьте хронометр";
}

}  // namespace tarvel
