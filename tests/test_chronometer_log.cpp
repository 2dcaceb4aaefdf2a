// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The chronometer's record in the sight log's file: a log of version 1 with
// its one correction, the record of version 2 there and back, its faults,
// and the correction the CSV table carries.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <random>

#include "SightLogSamples.h"
#include "chronometer/ChronometerCorrection.h"
#include "reports/SightCsv.h"
#include "sightlog/SightLogFile.h"

namespace tarvel {
namespace {

QJsonObject Root(const TSightLog& log) { return QJsonDocument::fromJson(SightLogJson(log)).object(); }
QByteArray Json(const QJsonObject& root) { return QJsonDocument(root).toJson(); }

// The same log as the program of version 1 wrote it.
QJsonObject VersionOne(QJsonObject root, std::optional<double> clockCorrection) {
  root["version"] = 1;
  root.remove("chronometer");
  if (clockCorrection) root["clockCorrection"] = *clockCorrection;
  return root;
}

TEST(ChronometerLog, AVersionOneLogKeepsItsCorrectionAsAComparisonAtItsFirstSight) {
  std::mt19937 random(31);
  const TSightLog log = samples::RandomLog(random, 3);
  const TSightLog read = ParseSightLog(Json(VersionOne(Root(log), -26.8)), QStringLiteral("v1.json"));
  ASSERT_EQ(read.Chronometer.Comparisons.size(), 1u);
  const TComparison& c = read.Chronometer.Comparisons[0];
  EXPECT_EQ(c.Correction, StrToFloat("-26,8"));  // as the field read "-26,8"
  ASSERT_TRUE(c.Time);
  const TShipTime& first = log.Sights[0].Sight.Time;  // the first in the list, not the earliest
  EXPECT_EQ(std::make_tuple(c.Time->Zone, c.Time->Year, c.Time->Month, c.Time->Day, c.Time->Hour, c.Time->Minute,
                            c.Time->Second),
            std::make_tuple(first.Zone, first.Year, first.Month, first.Day, first.Hour, first.Minute, first.Second));
  EXPECT_FALSE(read.Chronometer.TypedRate);
  // No rate: every sight gets the old correction, as before.
  for (const TLoggedSight& s : read.Sights) {
    EXPECT_EQ(CorrectionAt(read.Chronometer, static_cast<Extended>(UniversalSeconds(s.Sight.Time)))->Seconds,
              StrToFloat("-26,8"));
  }
  // Everything else as the log holds it.
  ASSERT_EQ(read.Sights.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(read.Sights[k].Sight.Hs, log.Sights[k].Sight.Hs);
  EXPECT_EQ(read.Reckoning.Course, log.Reckoning.Course);
  EXPECT_EQ(read.Observer.Pressure, log.Observer.Pressure);
  // Written again, it is a log of version 2 with the same comparison.
  const TSightLog again = ParseSightLog(SightLogJson(read), QStringLiteral("v2.json"));
  EXPECT_EQ(Root(read)["version"].toInt(), 2);
  EXPECT_EQ(again.Chronometer.Comparisons[0].Time->Day, first.Day);
}

TEST(ChronometerLog, AVersionOneLogWithoutSightsOrCorrection) {
  std::mt19937 random(32);
  const TSightLog empty = samples::RandomLog(random, 0);
  const TSightLog undated = ParseSightLog(Json(VersionOne(Root(empty), 72.7)), QStringLiteral("v1.json"));
  ASSERT_EQ(undated.Chronometer.Comparisons.size(), 1u);
  EXPECT_FALSE(undated.Chronometer.Comparisons[0].Time);  // no sight to date it: it holds at any instant
  EXPECT_EQ(undated.Chronometer.Comparisons[0].Correction, StrToFloat("72,7"));
  // An undated comparison goes round through version 2 as one.
  const QJsonObject written = Root(undated)["chronometer"].toObject();
  EXPECT_EQ(written["comparisons"].toArray()[0].toObject(), (QJsonObject{{"correction", 72.7}}));
  EXPECT_FALSE(ParseSightLog(SightLogJson(undated), QStringLiteral("v2.json")).Chronometer.Comparisons[0].Time);
  // No "clockCorrection" (it was optional): no comparison.
  EXPECT_TRUE(ParseSightLog(Json(VersionOne(Root(empty), std::nullopt)), QStringLiteral("v1.json"))
                  .Chronometer.Comparisons.empty());
}

TEST(ChronometerLog, TheRecordGoesRoundExactly) {
  TSightLog log;
  std::mt19937 random(33);
  log = samples::RandomLog(random, 1);
  log.Chronometer = {{{std::nullopt, StrToFloat("-0,1")},
                      {TShipTime{3, 9, 0, 0, 8, 12, 2026}, StrToFloat("-3,4")},
                      {TShipTime{-5, 23, 59, 0, 31, 12, 2026}, StrToFloat("3600")}},
                     StrToFloat("-0,6")};
  const QJsonObject root = Root(log);
  const QJsonObject chronometer = root["chronometer"].toObject();
  EXPECT_EQ(chronometer["rate"].toDouble(), -0.6);
  EXPECT_EQ(chronometer["comparisons"].toArray()[1].toObject(),
            (QJsonObject{{"year", 2026}, {"month", 12}, {"day", 8}, {"hour", 9}, {"minute", 0}, {"second", 0},
                         {"zone", 3}, {"correction", -3.4}}));
  EXPECT_FALSE(root.contains("clockCorrection"));
  const TSightLog back = ParseSightLog(Json(root), QStringLiteral("r.json"));
  ASSERT_EQ(back.Chronometer.Comparisons.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(back.Chronometer.Comparisons[k].Correction, log.Chronometer.Comparisons[k].Correction);
    EXPECT_EQ(back.Chronometer.Comparisons[k].Time.has_value(), k > 0);
  }
  EXPECT_EQ(back.Chronometer.Comparisons[2].Time->Zone, -5);
  EXPECT_EQ(back.Chronometer.TypedRate, log.Chronometer.TypedRate);
  EXPECT_EQ(SightLogJson(back), SightLogJson(log));
  // The rate from the comparisons is not written: it is worked again.
  log.Chronometer.TypedRate.reset();
  EXPECT_FALSE(Root(log)["chronometer"].toObject().contains("rate"));
}

TEST(ChronometerLog, ABadRecordIsRefusedWithItsReason) {
  std::mt19937 random(34);
  TSightLog log = samples::RandomLog(random, 1);
  log.Chronometer = {{{TShipTime{0, 9, 0, 0, 8, 12, 2026}, 1}, {TShipTime{0, 9, 0, 0, 9, 12, 2026}, 2}}, 0.5L};
  const auto changed = [&](const std::function<void(QJsonObject&)>& change) {
    QJsonObject root = Root(log);
    QJsonObject chronometer = root["chronometer"].toObject();
    change(chronometer);
    root["chronometer"] = chronometer;
    return Json(root);
  };
  const auto comparison = [&](int k, const std::function<void(QJsonObject&)>& change) {
    return changed([=](QJsonObject& c) {
      QJsonArray list = c["comparisons"].toArray();
      QJsonObject one = list[k].toObject();
      change(one);
      list[k] = one;
      c["comparisons"] = list;
    });
  };
  QJsonObject none = Root(log);
  none.remove("chronometer");
  const struct {
    const char* name;
    QByteArray text;
    const char* message;  // after "Журнал «…» не открыт: "
  } cases[] = {
      {"no record", Json(none), "нет поля «chronometer»"},
      {"not a list", changed([](QJsonObject& c) { c["comparisons"] = 3; }), "chronometer: поле «comparisons» должно быть списком"},
      {"out of order", comparison(1, [](QJsonObject& o) { o["day"] = 7; }), "chronometer: Сравнение 2: раньше сравнения 1"},
      {"a minute missing", comparison(0, [](QJsonObject& o) { o.remove("minute"); }),
       "chronometer: сравнение 1: нет поля «minute»"},
      {"no such day", comparison(0, [](QJsonObject& o) { o["month"] = 2, o["day"] = 30; }),
       "chronometer: сравнение 1: Дата сравнения задана неверно: такого дня нет"},
      {"before 1930", comparison(0, [](QJsonObject& o) { o["year"] = 1929; }),
       "chronometer: сравнение 1: Дата сравнения должна быть от 01.01.1930 до 31.12.2099"},
      {"correction's decimals", comparison(1, [](QJsonObject& o) { o["correction"] = 1.25; }),
       "chronometer: сравнение 2: в поле «correction» больше знаков после запятой, чем 1"},
      {"correction too large", comparison(1, [](QJsonObject& o) { o["correction"] = -3600.1; }),
       "chronometer: сравнение 2: поле «correction» = -3600.1 вне пределов -3600 … 3600"},
      {"undated second", comparison(1, [](QJsonObject& o) { o = QJsonObject{{"correction", 1}}; }),
       "chronometer: Сравнение 2: без даты может быть только первое сравнение"},
      {"rate", changed([](QJsonObject& c) { c["rate"] = 60.1; }), "chronometer: поле «rate» = 60.1 вне пределов -60 … 60"},
      {"rate as text", changed([](QJsonObject& c) { c["rate"] = "0,6"; }), "chronometer: поле «rate» должно быть числом"},
      {"version 1's correction", Json(VersionOne(Root(log), 3600.5)), "поле «clockCorrection» = 3600.5 вне пределов"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ParseSightLog(c.text, QStringLiteral("bad.json"));
      ADD_FAILURE() << "read";
    } catch (const ESightLogError& error) {
      EXPECT_EQ(error.Message().rfind(std::string("Журнал «bad.json» не открыт: ") + c.message, 0), 0u)
          << error.Message();
    }
  }
}

TEST(ChronometerLog, TheCsvCarriesTheCorrectionApplied) {
  std::mt19937 random(35);
  TSightLog log = samples::RandomLog(random, 2);
  log.Sights[0].Sight.Time = {0, 12, 0, 0, 2, 12, 2026};
  log.Sights[1].Sight.Time = {2, 14, 0, 0, 11, 12, 2026};  // 12:00 UT, 10 days on
  log.Chronometer = {{{TShipTime{0, 12, 0, 0, 1, 12, 2026}, StrToFloat("-3,4")}}, StrToFloat("0,6")};
  const std::string csv = SightsCsv(log.Sights, {}, log.Chronometer);
  EXPECT_NE(csv.find(",\"Поправка хронометра, с\"\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",-2.8\r\n"), std::string::npos) << csv;  // −3,4 + 0,6
  EXPECT_NE(csv.find(",2.6\r\n"), std::string::npos) << csv;   // −3,4 + 0,6 × 10
  EXPECT_NE(SightsCsv(log.Sights, {}).find(",\r\n"), std::string::npos);  // no comparison: empty
}

}  // namespace
}  // namespace tarvel
