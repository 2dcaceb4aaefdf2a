// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The chronometer's record: the rate from two comparisons, the correction
// of a sight before, between and after them, the flag of more than 10 s of
// drift, the record's checks and the worksheet's line. The expected values
// are worked by hand from the dates (days between the instants) and the
// rule u = u₀ + ω·days.

#include <gtest/gtest.h>

#include <cmath>

#include "chronometer/ChronometerCorrection.h"
#include "reports/ChronometerText.h"

namespace tarvel {
namespace {

// Universal seconds of a date and time in zone 0, as the tests' oracle:
// days from 1 January 1970 counted by hand for December 2026
// (1 December 2026 is day 20788: 56 years of 365 days and 14 leap days,
// plus the 334 days of January … November).
Extended Ut(int day, int hour, int minute = 0) {
  return ((20787 + day) * 24 + hour) * 3600.0L + minute * 60.0L;
}

TComparison At(int zone, int day, int hour, int minute, Extended u) {
  return {TShipTime{zone, hour, minute, 0, day, 12, 2026}, u};
}

// A: 1 December 12:00 UT, slow 2,0 s; B: 6 December 12:00 UT, given in zone
// 3 E as 15:00, slow 5,0 s: 3,0 s in 5 days, ω = +0,6 s/сут.
TChronometerRecord TwoComparisons() { return {{At(0, 1, 12, 0, 2.0L), At(3, 6, 15, 0, 5.0L)}, std::nullopt}; }

TEST(Chronometer, SignOfAComparison) {
  EXPECT_EQ(CorrectionOfError(3.4L, true), -3.4L);  // "спешит" 3,4 s: the correction is −3,4 s
  EXPECT_EQ(CorrectionOfError(3.4L, false), 3.4L);
  EXPECT_EQ(ComparisonErrorText({std::nullopt, -3.4L}), "спешит 3,4 с");
  EXPECT_EQ(ComparisonErrorText({std::nullopt, 0.6L}), "отстаёт 0,6 с");
  EXPECT_EQ(ComparisonErrorText({std::nullopt, 0}), "0,0 с");
  EXPECT_EQ(Ut(1, 0), 1796083200.0L);  // the oracle against a known epoch: 2026-12-01T00:00Z
}

TEST(Chronometer, RateFromTwoComparisons) {
  const struct {
    const char* name;
    TComparison first, second;
    Extended rate;
  } cases[] = {
      {"gaining 0,6 s a day", At(0, 1, 12, 0, 2.0L), At(3, 6, 15, 0, 5.0L), 0.6L},
      {"either order", At(3, 6, 15, 0, 5.0L), At(0, 1, 12, 0, 2.0L), 0.6L},
      {"fast and gaining on time: u falls", At(0, 1, 0, 0, -1.0L), At(0, 3, 0, 0, -4.0L), -1.5L},
      {"half a day", At(0, 10, 0, 0, 0), At(-12, 10, 0, 0, 0.5L), 1.0L},  // 12 h later in UT
      {"no change", At(0, 1, 0, 0, 7.3L), At(0, 20, 9, 30, 7.3L), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(static_cast<double>(RateFromComparisons(c.first, c.second)), static_cast<double>(c.rate), 1e-12);
  }
  EXPECT_THROW(RateFromComparisons(At(0, 6, 12, 0, 1), At(3, 6, 15, 0, 2)), EChronometerError);  // one instant
  EXPECT_THROW(RateFromComparisons({std::nullopt, 1}, At(0, 6, 12, 0, 2)), EChronometerError);
}

TEST(Chronometer, CorrectionOfASightBeforeBetweenAndAfterTheComparisons) {
  const TChronometerRecord record = TwoComparisons();
  const struct {
    const char* name;
    Extended t;
    std::size_t comparison;
    Extended days, seconds;
  } cases[] = {
      {"a day before A: from A back", Ut(1, 12) - 86400, 0, -1, 1.4L},
      {"at A", Ut(1, 12), 0, 0, 2.0L},
      {"between: 2,5 days after A", Ut(4, 0), 0, 2.5L, 3.5L},
      {"a second before B", Ut(6, 12) - 1, 0, 5 - 1 / 86400.0L, 5.0L - 0.6L / 86400},
      {"at B", Ut(6, 12), 1, 0, 5.0L},
      {"after: 1,75 days after B", Ut(8, 6), 1, 1.75L, 6.05L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto u = CorrectionAt(record, c.t);
    ASSERT_TRUE(u);
    EXPECT_EQ(u->Comparison, c.comparison);
    EXPECT_EQ(u->Rate.Source, TRateSource::Comparisons);
    EXPECT_NEAR(static_cast<double>(u->Days), static_cast<double>(c.days), 1e-12);
    EXPECT_NEAR(static_cast<double>(u->Seconds), static_cast<double>(c.seconds), 1e-9);
    EXPECT_FALSE(u->Drifted);
  }
  EXPECT_FALSE(CorrectionAt({}, Ut(4, 0)));  // no comparison: no correction
}

TEST(Chronometer, TheRateInForce) {
  TChronometerRecord three = TwoComparisons();
  three.Comparisons.push_back(At(0, 11, 12, 0, 4.0L));  // from B: −1,0 s in 5 days, −0,2 s/сут
  const auto u = CorrectionAt(three, Ut(4, 0));
  EXPECT_NEAR(static_cast<double>(u->Rate.SecondsPerDay), -0.2, 1e-12);  // the last two give the rate
  EXPECT_NEAR(static_cast<double>(u->Seconds), 2.0 - 0.2 * 2.5, 1e-12);  // from A, the last before the sight
  TChronometerRecord typed = TwoComparisons();
  typed.TypedRate = -1.0L;
  EXPECT_NEAR(static_cast<double>(CorrectionAt(typed, Ut(8, 12))->Seconds), 3.0, 1e-12);
  EXPECT_EQ(CorrectionAt(typed, Ut(8, 12))->Rate.Source, TRateSource::Typed);
  const TChronometerRecord one{{At(0, 1, 12, 0, -3.4L)}, std::nullopt};
  const auto alone = CorrectionAt(one, Ut(25, 0));
  EXPECT_EQ(alone->Rate.Source, TRateSource::None);
  EXPECT_EQ(alone->Seconds, -3.4L);
  EXPECT_FALSE(alone->Drifted);
}

// A comparison without a date (a version-1 log without sights) holds at any
// instant, with no rate; a dated one takes over from its instant.
TEST(Chronometer, AnUndatedComparison) {
  const TChronometerRecord undated{{{std::nullopt, -26.8L}}, std::nullopt};
  for (const Extended t : {Ut(1, 0) - 1e9L, Ut(1, 0), Ut(1, 0) + 1e9L}) {
    const auto u = CorrectionAt(undated, t);
    EXPECT_EQ(u->Seconds, -26.8L);
    EXPECT_EQ(u->Days, 0);
  }
  TChronometerRecord both{{{std::nullopt, -26.8L}, At(0, 6, 12, 0, 5.0L)}, 1.0L};
  EXPECT_EQ(CorrectionAt(both, Ut(5, 0))->Seconds, -26.8L);
  EXPECT_NEAR(static_cast<double>(CorrectionAt(both, Ut(8, 0))->Seconds), 5.0 + 1.5, 1e-12);
  EXPECT_EQ(RecordRate({both.Comparisons, std::nullopt}).Source, TRateSource::None);
}

// More than 10 s moved by the rate is flagged; 10 s exactly is not.
TEST(Chronometer, DriftOfMoreThanTenSecondsIsFlagged) {
  const struct {
    const char* name;
    Extended rate, t, drift;
    bool flagged;
  } cases[] = {
      {"0,6 s/сут, 16 days: 9,6 s", 0.6L, Ut(22, 12), 9.6L, false},
      {"0,6 s/сут, 20 days: 12,0 s", 0.6L, Ut(26, 12), 12.0L, true},
      {"1,0 s/сут, 10 days: 10 s exactly", 1.0L, Ut(16, 12), 10.0L, false},
      {"1,0 s/сут, 10 days and an hour", 1.0L, Ut(16, 13), 10 + 1 / 24.0L, true},
      {"−1,0 s/сут, 10,5 days", -1.0L, Ut(17, 0), -10.5L, true},
      {"−1,0 s/сут, 10,5 days before", -1.0L, Ut(6, 12) - 10.5L * 86400, 10.5L, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TChronometerRecord record{{At(0, 6, 12, 0, 5.0L)}, c.rate};
    const auto u = CorrectionAt(record, c.t);
    EXPECT_NEAR(static_cast<double>(u->Drift), static_cast<double>(c.drift), 1e-9);
    EXPECT_EQ(u->Drifted, c.flagged);
    EXPECT_EQ(ChronometerWarning(record, c.t).empty(), !c.flagged);
  }
  EXPECT_EQ(ChronometerWarning({{At(0, 6, 12, 0, 5.0L)}, 0.6L}, Ut(26, 12)),
            "Ход хронометра изменил поправку на +12,0 с со сравнения 06.12.2026 12:00 (больше 10 с): сверьте хронометр");
}

TEST(Chronometer, TheRecordsFaults) {
  const struct {
    const char* name;
    TChronometerRecord record;
    const char* fault;
  } cases[] = {
      {"good", TwoComparisons(), ""},
      {"out of order", {{At(0, 6, 12, 0, 1), At(0, 1, 12, 0, 1)}, {}}, "Сравнение 2: раньше сравнения 1"},
      {"one instant in two zones", {{At(0, 6, 12, 0, 1), At(3, 6, 15, 0, 2)}, {}},
       "Сравнение 2: в тот же момент, что и сравнение 1"},
      {"undated second", {{At(0, 6, 12, 0, 1), {std::nullopt, 2}}, {}},
       "Сравнение 2: без даты может быть только первое сравнение"},
      {"correction too large", {{At(0, 6, 12, 0, 3600.1L)}, {}}, "Сравнение 1: поправка должна быть от −3600,0 до 3600,0 с"},
      {"no such day", {{{TShipTime{0, 12, 0, 0, 31, 2, 2026}, 0}}, {}}, "Сравнение 1: Дата сравнения задана неверно"},
      {"year", {{{TShipTime{0, 12, 0, 0, 1, 1, 2100}, 0}}, {}}, "Сравнение 1: Дата сравнения должна быть от"},
      {"rate", {{}, 60.1L}, "Суточный ход должен быть от −60,0 до 60,0 с/сут"},
      {"rate not a number", {{}, NAN}, "Суточный ход должен быть"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string fault = RecordFault(c.record);
    if (*c.fault == 0) {
      EXPECT_EQ(fault, "");
    } else {
      EXPECT_EQ(fault.rfind(c.fault, 0), 0u) << fault;
    }
  }
}

TEST(Chronometer, AComparisonAddedGoesInItsPlace) {
  TChronometerRecord record = TwoComparisons();
  AddComparison(record, At(0, 3, 12, 0, 1.0L));
  AddComparison(record, At(0, 9, 12, 0, 1.5L));
  ASSERT_EQ(record.Comparisons.size(), 4u);
  const int days[] = {1, 3, 6, 9};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(record.Comparisons[k].Time->Day, days[k]);
  const TChronometerRecord before = record;
  EXPECT_THROW(AddComparison(record, At(-3, 3, 9, 0, 8.0L)), EChronometerError);  // 3 December 12:00 UT again
  EXPECT_THROW(AddComparison(record, {TShipTime{0, 12, 0, 0, 30, 2, 2026}, 0}), EChronometerError);
  EXPECT_THROW(AddComparison(record, {std::nullopt, 0}), EChronometerError);
  EXPECT_EQ(record.Comparisons.size(), before.Comparisons.size());
}

TEST(Chronometer, TheWorksheetsLine) {
  const TChronometerRecord example{{At(0, 8, 9, 0, 3.4L)}, 0.6L};
  EXPECT_EQ(ChronometerLine(example, Ut(8, 9)), "Поправка хронометра +3,4 с (сравнение 08.12.2026 09:00, ход +0,6 с/сут)");
  // Two days on: 3,4 + 1,2.
  EXPECT_EQ(ChronometerLine(example, Ut(10, 9)), "Поправка хронометра +4,6 с (сравнение 08.12.2026 09:00, ход +0,6 с/сут)");
  const TChronometerRecord fast{{At(0, 8, 9, 0, -3.4L), At(0, 10, 9, 0, -4.6L)}, std::nullopt};
  EXPECT_EQ(ChronometerLine(fast, Ut(11, 9)), "Поправка хронометра −5,2 с (сравнение 10.12.2026 09:00, ход −0,6 с/сут)");
  EXPECT_EQ(ChronometerLine({{{std::nullopt, -26.8L}}, {}}, Ut(11, 9)),
            "Поправка хронометра −26,8 с (сравнение без даты, ход не задан)");
  EXPECT_EQ(ChronometerLine({}, Ut(11, 9)), "Поправка хронометра: сравнений нет");
  EXPECT_EQ(SignedSecondsText(-0.04L), "0,0");
  EXPECT_EQ(SignedSecondsText(0.05L), "+0,1");  // half away from zero
}

}  // namespace
}  // namespace tarvel
