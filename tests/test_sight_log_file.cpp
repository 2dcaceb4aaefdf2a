// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight log's file: every value back to the last bit, bad files refused
// with their reason, failed writes leaving the previous file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <tuple>

#include "SightLogSamples.h"
#include "sightlog/SightLogFile.h"
#include "sights/FixErrors.h"
#include "sights/SightErrors.h"

namespace tarvel {
namespace {

auto Values(const TShipTime& t) { return std::make_tuple(t.Zone, t.Hour, t.Minute, t.Second, t.Day, t.Month, t.Year); }

// Exact: the values are those the form's reading of the same texts gives.
auto Values(const TLoggedSight& l) {
  const TSight& s = l.Sight;
  return std::tuple_cat(std::make_tuple(static_cast<int>(s.Body), s.StarNumber, s.Hs, s.IndexError, s.EyeHeight,
                                        s.Temperature, s.Pressure, l.Lat, l.Lon, l.Enabled, l.Reduction.Ho,
                                        l.Reduction.Intercept),
                        Values(s.Time));
}

// The chronometer's record, each comparison's time as -1 … when undated.
std::vector<std::tuple<int, int, int, int, int, int, int, Extended>> Values(const TChronometerRecord& record) {
  std::vector<std::tuple<int, int, int, int, int, int, int, Extended>> values;
  for (const TComparison& c : record.Comparisons) {
    const TShipTime t = c.Time.value_or(TShipTime{-99, -1, -1, -1, -1, -1, -1});
    values.emplace_back(t.Zone, t.Hour, t.Minute, t.Second, t.Day, t.Month, t.Year, c.Correction);
  }
  return values;
}

auto Values(const TSightLog& log) {
  const TDeadReckoning& dr = log.Reckoning;
  const TObserverSettings& o = log.Observer;
  return std::tuple_cat(std::make_tuple(dr.Lat, dr.Lon, dr.Course, dr.Speed, log.Settings.SightError,
                                        log.Settings.DriftRate, log.Sights.size()),
                        std::make_tuple(o.IndexError, o.EyeHeight, o.Temperature, o.Pressure), Values(dr.Time),
                        std::make_tuple(Values(log.Chronometer), log.Chronometer.TypedRate));
}

void ExpectSameLog(const TSightLog& a, const TSightLog& b) {
  EXPECT_EQ(Values(a), Values(b));
  for (std::size_t k = 0; k < std::min(a.Sights.size(), b.Sights.size()); ++k) {
    EXPECT_EQ(Values(a.Sights[k]), Values(b.Sights[k])) << "sight " << k + 1;
  }
}

// Every body, every field, at random on the fields' own grids.
TEST(SightLogFile, EveryBodyAndFieldComeBackExactly) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 12; ++round) {
    const TSightLog log = samples::RandomLog(random, 9 + round % 3);  // all nine bodies, some twice
    const QByteArray text = SightLogJson(log);
    const TSightLog back = ParseSightLog(text, QStringLiteral("r.json"));
    ExpectSameLog(log, back);
    EXPECT_EQ(SightLogJson(back), text);
  }
}

// A sight at the leap second comes back at it; a 60 anywhere else, of a
// sight or of the reckoning, is refused with the reduction's own text.
TEST(SightLogFile, ASightAtTheLeapSecondComesBack) {
  std::mt19937 random(20161231);
  TSightLog log = samples::RandomLog(random, 1);
  TLoggedSight& leap = log.Sights[0];
  leap.Sight.Time = {3, 2, 59, 60, 1, 1, 2017};  // 23:59:60 UTC, 31 December 2016
  for (int tries = 0; tries < 200; ++tries) {
    leap.Lon = samples::Angle(samples::RandomAngleText(random, false));
    try {
      leap.Reduction = ReduceSight(leap.Sight, leap.Lat, leap.Lon);
      break;
    } catch (const ESightError&) {
    }
  }
  const QByteArray text = SightLogJson(log);
  ExpectSameLog(log, ParseSightLog(text, QStringLiteral("leap.json")));
  const auto refused = [&](TSightLog changed) {
    try {
      ParseSightLog(SightLogJson(changed), QStringLiteral("leap.json"));
    } catch (const ESightLogError& error) {
      return error.Message();
    }
    return std::string("accepted");
  };
  TSightLog wrongDay = log;
  wrongDay.Sights[0].Sight.Time.Day = 2;
  EXPECT_NE(refused(wrongDay).find(kSightLeapSecondError), std::string::npos) << refused(wrongDay);
  TSightLog reckoning = log;
  reckoning.Reckoning.Time = leap.Sight.Time;  // the reckoning's time takes no leap second
  EXPECT_NE(refused(reckoning).find(kDeadReckoningInstantTexts.Second), std::string::npos) << refused(reckoning);
}

// What the fields showed is what the file writes: no 14,499999′.
TEST(SightLogFile, WritesTheValuesAsTheFieldsShowThem) {
  TSightLog log;
  std::mt19937 random(7);
  log.Sights.push_back(samples::RandomSight(random, TBody::Star));
  log.Sights[0].Lat = samples::Angle("Ш = 10°14,50'S");
  log.Sights[0].Sight.Hs = StrToFloat("23,7") * OneSixtieth + 27;
  log.Sights[0].Sight.IndexError = StrToFloat("-1,3");
  log.Reckoning = {samples::Angle("Ш = 55°45,50'N"), samples::Angle("Д = 037°36,20'W"), {3, 19, 49, 30, 10, 12, 2026},
                   StrToFloat("359,9"), StrToFloat("12,1")};
  const QJsonObject root = QJsonDocument::fromJson(SightLogJson(log)).object();
  const QJsonObject sight = root["sights"].toArray()[0].toObject();
  EXPECT_EQ(sight["lat"].toObject(), (QJsonObject{{"deg", 10}, {"min", 14.5}, {"hem", "S"}}));
  EXPECT_EQ(sight["hs"].toObject(), (QJsonObject{{"deg", 27}, {"min", 23.7}}));
  EXPECT_EQ(sight["indexError"].toDouble(), -1.3);
  const QJsonObject dr = root["reckoning"].toObject();
  EXPECT_EQ(dr["lon"].toObject(), (QJsonObject{{"deg", 37}, {"min", 36.2}, {"hem", "W"}}));
  EXPECT_EQ(dr["course"].toDouble(), 359.9);
  EXPECT_EQ(dr["zone"].toInt(), 3);
  EXPECT_EQ(root["format"].toString(), "tarvel-sights");
  EXPECT_EQ(root["version"].toInt(), 2);
  EXPECT_TRUE(SightLogJson(log).contains("\"min\": 14.5"));
}

QJsonObject GoodRoot() {
  std::mt19937 random(11);
  return QJsonDocument::fromJson(SightLogJson(samples::RandomLog(random, 3))).object();
}

QJsonObject WithSight(QJsonObject root, int index, const std::function<void(QJsonObject&)>& change) {
  QJsonArray sights = root["sights"].toArray();
  QJsonObject sight = sights[index].toObject();
  change(sight);
  sights[index] = sight;
  root["sights"] = sights;
  return root;
}

QByteArray Json(const QJsonObject& root) { return QJsonDocument(root).toJson(); }

QJsonObject WithSettings(QJsonObject root, const std::function<void(QJsonObject&)>& change) {
  QJsonObject settings = root["settings"].toObject();
  change(settings);
  root["settings"] = settings;
  return root;
}

// A log written before the observer's settings were kept opens with the
// sight form's defaults for them, each missing one on its own.
TEST(SightLogFile, AnOlderLogWithoutTheObserversSettingsTakesTheDefaults) {
  const TObserverSettings defaults;
  const QJsonObject older = WithSettings(GoodRoot(), [](QJsonObject& s) {
    for (const char* key : {"indexError", "eyeHeight", "temperature", "pressure"}) s.remove(key);
  });
  const TSightLog read = ParseSightLog(Json(older), QStringLiteral("old.json"));
  EXPECT_EQ(std::make_tuple(read.Observer.IndexError, read.Observer.EyeHeight, read.Observer.Temperature,
                            read.Observer.Pressure),
            std::make_tuple(defaults.IndexError, defaults.EyeHeight, defaults.Temperature, defaults.Pressure));
  EXPECT_EQ(defaults.EyeHeight, 10);  // the form's own defaults
  EXPECT_EQ(defaults.Pressure, 1010);
  const TSightLog some = ParseSightLog(
      Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s.remove("temperature"), s["eyeHeight"] = 3.5; })),
      QStringLiteral("old.json"));
  EXPECT_EQ(some.Observer.EyeHeight, StrToFloat("3,5"));
  EXPECT_EQ(some.Observer.Temperature, defaults.Temperature);
  std::mt19937 random(11);
  EXPECT_EQ(some.Observer.Pressure, samples::RandomLog(random, 3).Observer.Pressure);
}

TEST(SightLogFile, BadFilesAreRefusedWithTheirReason) {
  const QByteArray good = Json(GoodRoot());
  QJsonObject newer = GoodRoot(), other = GoodRoot(), noVersion = GoodRoot(), badDr = GoodRoot();
  newer["version"] = 3;
  other["format"] = "gpx";
  noVersion.remove("version");
  QJsonObject dr = badDr["reckoning"].toObject();
  dr["speed"] = 12.25;
  badDr["reckoning"] = dr;
  const struct {
    const char* name;
    QByteArray text;
    const char* message;  // after "Журнал «bad.json» не открыт: "
  } cases[] = {
      {"empty", "", "файл пуст"},
      {"not JSON", "format=tarvel-sights\n", "это не JSON (позиция"},
      {"truncated", good.left(good.size() / 2), "файл оборван"},
      {"an array", "[1, 2]", "это не журнал наблюдений Тарвела"},
      {"another format", Json(other), "это не журнал наблюдений Тарвела"},
      {"newer version", Json(newer), "файл версии 3 записан более новой программой; эта читает версию 2"},
      {"no version", Json(noVersion), "поле «version» должно быть целым числом от 1"},
      {"missing field in sight 2", Json(WithSight(GoodRoot(), 1, [](QJsonObject& s) { s.remove("pressure"); })),
       "наблюдение 2: нет поля «pressure»"},
      {"text for a number", Json(WithSight(GoodRoot(), 0, [](QJsonObject& s) { s["hour"] = "12"; })),
       "наблюдение 1: поле «hour» должно быть числом"},
      {"hour out of range", Json(WithSight(GoodRoot(), 2, [](QJsonObject& s) { s["hour"] = 24; })),
       "наблюдение 3: поле «hour» = 24 вне пределов 0 … 23"},
      // The value named as the file writes it, not rounded to six digits.
      {"hour far out of range", Json(WithSight(GoodRoot(), 0, [](QJsonObject& s) { s["hour"] = 2147483648.0; })),
       "наблюдение 1: поле «hour» = 2147483648 вне пределов 0 … 23"},
      {"eye height far out of range", Json(WithSight(GoodRoot(), 0, [](QJsonObject& s) { s["eyeHeight"] = 1234567.8; })),
       "наблюдение 1: поле «eyeHeight» = 1234567.8 вне пределов 0 … "},
      {"minutes of Hs", Json(WithSight(GoodRoot(), 1, [](QJsonObject& s) { s["hs"] = QJsonObject{{"deg", 30}, {"min", 60}}; })),
       "наблюдение 2: hs: поле «min» = 60 вне пределов 0 … 59.9"},
      {"hemisphere", Json(WithSight(GoodRoot(), 0, [](QJsonObject& s) {
         s["lat"] = QJsonObject{{"deg", 10}, {"min", 0}, {"hem", "E"}};
       })),
       "наблюдение 1: lat: поле «hem» должно быть \"N\" или \"S\""},
      {"unknown body", Json(WithSight(GoodRoot(), 1, [](QJsonObject& s) { s["body"] = "pluto"; })),
       "наблюдение 2: неизвестное светило «pluto»"},
      {"31 February", Json(WithSight(GoodRoot(), 1, [](QJsonObject& s) { s["month"] = 2, s["day"] = 31; })),
       "наблюдение 2: "},
      {"more decimals than the field", Json(badDr), "reckoning: в поле «speed» больше знаков после запятой, чем 1"},
      // The observer's settings, with the ranges and decimals of the form's fields.
      {"eye height too high", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["eyeHeight"] = 1000; })),
       "settings: поле «eyeHeight» = 1000 вне пределов 0 … "},
      {"eye height below the sea", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["eyeHeight"] = -0.1; })),
       "settings: поле «eyeHeight» = -0.1 вне пределов 0 …"},
      {"index error", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["indexError"] = -100; })),
       "settings: поле «indexError» = -100 вне пределов -99.9 … 99.9"},
      {"temperature", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["temperature"] = 100; })),
       "settings: поле «temperature» = 100 вне пределов -99.9 … 99.9"},
      {"pressure", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["pressure"] = 10000; })),
       "settings: поле «pressure» = 10000 вне пределов 0 … 9999"},
      {"pressure's decimals", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["pressure"] = 1013.5; })),
       "settings: в поле «pressure» больше знаков после запятой, чем 0"},
      {"temperature as text", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["temperature"] = "15"; })),
       "settings: поле «temperature» должно быть числом"},
      {"eye height null", Json(WithSettings(GoodRoot(), [](QJsonObject& s) { s["eyeHeight"] = QJsonValue(); })),
       "settings: поле «eyeHeight» должно быть числом"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ParseSightLog(c.text, QStringLiteral("/tmp/bad.json"));
      ADD_FAILURE() << "read";
    } catch (const ESightLogError& error) {
      EXPECT_EQ(error.Message().rfind("Журнал «/tmp/bad.json» не открыт: ", 0), 0u) << error.Message();
      EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
    }
  }
  EXPECT_THROW(ParseSightLog(Json(newer), "n.json"), ENewerSightLog);
}

TEST(SightLogFile, UnreadableAndUnwritablePathsAndAFullDisk) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("log.json"));
  std::mt19937 random(3);
  const TSightLog log = samples::RandomLog(random, 2);
  WriteSightLog(path, log);
  ExpectSameLog(ReadSightLog(path), log);

  const auto message = [](const std::function<void()>& action) {
    try {
      action();
    } catch (const ESightLogError& error) {
      return error.Message();
    }
    return std::string("no error");
  };
  const std::string missing = folder.filePath(QStringLiteral("none.json")).toStdString();
  EXPECT_EQ(message([&] { ReadSightLog(QString::fromStdString(missing)); }).rfind("Журнал «" + missing + "» не открыт: файл не читается", 0), 0u);
  EXPECT_NE(message([&] { ReadSightLog(folder.path()); }).find("не открыт"), std::string::npos);

  const QString nowhere = folder.filePath(QStringLiteral("no/such/folder/log.json"));
  EXPECT_EQ(message([&] { WriteSightLog(nowhere, log); })
                .rfind("Не удалось сохранить файл «" + nowhere.toStdString() + "»: файл нельзя записать", 0),
            0u);
  EXPECT_NE(message([&] { WriteSightLog(folder.path(), log); }).find("Не удалось сохранить файл"), std::string::npos);

  // A full disk: the file may grow to 64 bytes only, so the commit fails.
  const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();
  const TSightLog bigger = samples::RandomLog(random, 5);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string full = message([&] { WriteSightLog(path, bigger); });
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_NE(full.find("возможно, диск полон"), std::string::npos) << full;
  EXPECT_NE(full.find("прежний файл не тронут"), std::string::npos) << full;
  QFile after(path);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("log.json")});
}

}  // namespace
}  // namespace tarvel
