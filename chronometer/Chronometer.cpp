// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "chronometer/Chronometer.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

Extended CorrectionOfError(Extended seconds, bool fast) { return fast ? -seconds : seconds; }

std::int64_t ComparisonSeconds(const TComparison& comparison) {
  if (!comparison.Time) throw EChronometerError("Сравнение без даты не имеет момента");
  return UniversalSeconds(*comparison.Time);
}

std::string RecordFault(const TChronometerRecord& record) {
  const std::vector<TComparison>& list = record.Comparisons;
  for (std::size_t k = 0; k < list.size(); ++k) {
    const std::string place = "Сравнение " + std::to_string(k + 1) + ": ";
    const TComparison& c = list[k];
    if (!(std::fabs(c.Correction) <= kComparisonBound)) {
      return place + "поправка должна быть от −3600,0 до 3600,0 с";
    }
    if (!c.Time) {
      if (k > 0) return place + "без даты может быть только первое сравнение";
      continue;
    }
    if (const char* fault = ShipTimeFault(*c.Time, kComparisonInstantTexts)) return place + fault;
    if (k > 0 && list[k - 1].Time) {
      const std::int64_t before = UniversalSeconds(*list[k - 1].Time);
      const std::int64_t at = UniversalSeconds(*c.Time);
      if (at == before) return place + "в тот же момент, что и сравнение " + std::to_string(k);
      if (at < before) return place + "раньше сравнения " + std::to_string(k) + ": сравнения идут по времени";
    }
  }
  if (record.TypedRate && !(std::fabs(*record.TypedRate) <= kRateBound)) {
    return "Суточный ход должен быть от −60,0 до 60,0 с/сут";
  }
  return {};
}

void AddComparison(TChronometerRecord& record, const TComparison& comparison) {
  if (!comparison.Time) throw EChronometerError("У сравнения должны быть дата и время");
  TChronometerRecord next = record;
  if (const char* fault = ShipTimeFault(*comparison.Time, kComparisonInstantTexts)) throw EChronometerError(fault);
  const std::int64_t at = ComparisonSeconds(comparison);
  for (const TComparison& c : record.Comparisons) {
    if (c.Time && UniversalSeconds(*c.Time) == at) throw EChronometerError("Сравнение в этот момент уже записано");
  }
  const auto place = std::find_if(next.Comparisons.begin(), next.Comparisons.end(), [at](const TComparison& c) {
    return c.Time && UniversalSeconds(*c.Time) >= at;
  });
  next.Comparisons.insert(place, comparison);
  const std::string fault = RecordFault(next);
  if (!fault.empty()) throw EChronometerError(fault);
  record = std::move(next);
}

}  // namespace tarvel
