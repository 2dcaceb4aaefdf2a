// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// libFuzzer target: any bytes, taken as the text of a sight log file that
// another navigator sent (ParseSightLog, the reader behind ReadSightLog).
//
// Checked for every input (a violation aborts):
// - only ESightLogError leaves the reader, its text "Журнал «…» не открыт: "
//   and a reason, in valid UTF-8;
// - a log that is read is valid: every number finite, every field in the
//   range of the form's field it came from, every date a real one, every
//   reduction finite with its azimuth in 0 … 360°, the chronometer's
//   comparisons in time order, only the first undated;
// - a log that is read writes back (SightLogJson), and that text reads
//   again to the same log, value for value to the last bit, and writes the
//   same text once more.
// Once, before the first input, the inputs libFuzzer cannot reach by
// mutation are tried through real files with ReadSightLog: 10 MB of sights
// with the last one out of range, logs made 10 MB long by blanks or by a
// field the reader does not know, 10 MB of nesting, a number of 10 MB of
// digits; each is read or refused as it must be, and its file is left as it
// was. (A log of 10 MB of good sights is the small one's round trip many
// times over, and would take most of a 60 s run under the sanitizers.)

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "reports/SightLog.h"
#include "sightlog/SightLogFile.h"

namespace {

using namespace tarvel;

const QString kName = QStringLiteral("fuzz.json");

[[noreturn]] void Fail(const char* what, const QByteArray& text, std::string_view detail = {}) {
  std::fprintf(stderr, "fuzz_sight_log: %s\n  detail: %.*s\n  text (%lld bytes): %.*s\n", what,
               static_cast<int>(detail.size()), detail.data(), static_cast<long long>(text.size()),
               static_cast<int>(std::min<qsizetype>(text.size(), 2000)), text.constData());
  std::abort();
}

// The reader's outcome: the log, or the text of its refusal.
struct TOutcome {
  bool read = false;
  TSightLog log;
  std::string message;
};

template <class TRead>
TOutcome Outcome(const QByteArray& text, const QString& path, TRead read) {
  TOutcome outcome;
  try {
    outcome.log = read();
    outcome.read = true;
  } catch (const ESightLogError& error) {
    outcome.message = error.Message();
  } catch (const std::exception& error) {
    Fail("an exception other than ESightLogError left the reader", text, error.what());
  } catch (...) {
    Fail("a non-standard exception left the reader", text);
  }
  if (!outcome.read) {
    const std::string head = "Журнал «" + path.toStdString() + "» не открыт: ";
    const std::string& m = outcome.message;
    if (m.rfind(head, 0) != 0 || m.size() <= head.size()) Fail("a refusal without its file and reason", text, m);
    const QByteArray bytes = QByteArray::fromStdString(m);
    if (QString::fromUtf8(bytes).toUtf8() != bytes) Fail("a refusal that is not valid UTF-8", text, m);
  }
  return outcome;
}

TOutcome Parse(const QByteArray& text) {
  return Outcome(text, kName, [&] { return ParseSightLog(text, kName); });
}

bool Within(Extended x, Extended low, Extended high) { return std::isfinite(x) && x >= low && x <= high; }

bool RealInstant(const TShipTime& t) {
  using namespace std::chrono;
  return t.Zone >= -12 && t.Zone <= 12 && t.Hour >= 0 && t.Hour <= 23 && t.Minute >= 0 && t.Minute <= 59 &&
         t.Second >= 0 && t.Second <= 59 && t.Year >= 1 && t.Year <= 9999 &&
         year_month_day(year(t.Year), month(static_cast<unsigned>(t.Month)), day(static_cast<unsigned>(t.Day)))
             .ok();
}

// The ranges of the form's fields (README, "The sight log's file"), with
// a latitude short of the pole and a longitude to 180° either way.
const char* Invalid(const TSightLog& log) {
  const TDeadReckoning& dr = log.Reckoning;
  if (!Within(dr.Lat, -90, 90) || std::fabs(dr.Lat) >= 90 || !Within(dr.Lon, -180, 180)) return "reckoning position";
  if (!RealInstant(dr.Time)) return "reckoning time";
  if (!Within(dr.Course, 0, 359.9L) || !Within(dr.Speed, 0, 99.9L)) return "course or speed";
  if (!Within(log.Settings.SightError, 0.1L - 1e-12L, 10) || !Within(log.Settings.DriftRate, 0, 10)) return "settings";
  if (!Within(log.Observer.Dut1, -0.9L, 0.9L)) return "DUT1";
  const TChronometerRecord& clock = log.Chronometer;
  for (std::size_t k = 0; k < clock.Comparisons.size(); ++k) {
    const TComparison& c = clock.Comparisons[k];
    if (!Within(c.Correction, -3600, 3600)) return "comparison's correction";
    if (!c.Time ? k > 0 : !RealInstant(*c.Time) || c.Time->Year < 1930 || c.Time->Year > 2099) {
      return "comparison's instant";
    }
    if (k > 0 && clock.Comparisons[k - 1].Time && UniversalSeconds(*clock.Comparisons[k - 1].Time) >= UniversalSeconds(*c.Time)) {
      return "comparisons' order";
    }
  }
  if (clock.TypedRate && !Within(*clock.TypedRate, -60, 60)) return "chronometer's rate";
  for (const TLoggedSight& logged : log.Sights) {
    const TSight& s = logged.Sight;
    if (static_cast<int>(s.Body) > static_cast<int>(TBody::Saturn)) return "body";
    if (s.StarNumber < 1 || s.StarNumber > 160) return "star number";
    if (!RealInstant(s.Time)) return "sight time";
    if (!Within(s.Hs, 0, 99 + 59.9L / 60) || !Within(s.IndexError, -99.9L, 99.9L) ||
        !Within(s.EyeHeight, 0, 999.9L) || !Within(s.Temperature, -99.9L, 99.9L) || !Within(s.Pressure, 0, 9999)) {
      return "sight inputs";
    }
    if (s.Dut1 && !Within(*s.Dut1, -0.9L, 0.9L)) return "sight's DUT1";
    if (!Within(logged.Lat, -90, 90) || std::fabs(logged.Lat) >= 90 || !Within(logged.Lon, -180, 180)) {
      return "assumed position";
    }
    const TSightReduction& r = logged.Reduction;
    for (const Extended x : {r.Dip, r.Ha, r.Refraction, r.SemiDiameter, r.Parallax, r.Ho, r.Hc, r.Intercept,
                             r.HorizontalParallax, r.Oblateness}) {
      if (!std::isfinite(x)) return "reduction";
    }
    if (!Within(r.Zn, 0, 360)) return "azimuth";
  }
  return nullptr;
}

auto Values(const TShipTime& t) { return std::make_tuple(t.Zone, t.Hour, t.Minute, t.Second, t.Day, t.Month, t.Year); }

bool Same(const TChronometerRecord& a, const TChronometerRecord& b) {
  if (a.Comparisons.size() != b.Comparisons.size() || a.TypedRate != b.TypedRate) return false;
  for (std::size_t k = 0; k < a.Comparisons.size(); ++k) {
    const TComparison& p = a.Comparisons[k];
    const TComparison& q = b.Comparisons[k];
    if (p.Correction != q.Correction || p.Time.has_value() != q.Time.has_value()) return false;
    if (p.Time && Values(*p.Time) != Values(*q.Time)) return false;
  }
  return true;
}

auto Values(const TLoggedSight& l) {
  const TSight& s = l.Sight;
  const TSightReduction& r = l.Reduction;
  return std::tuple_cat(std::make_tuple(static_cast<int>(s.Body), s.StarNumber, s.Hs, s.IndexError, s.EyeHeight,
                                        s.Temperature, s.Pressure, s.Dut1, l.Lat, l.Lon, l.Enabled, r.Ho, r.Hc,
                                        r.Zn, r.Intercept),
                        Values(s.Time));
}

bool Same(const TSightLog& a, const TSightLog& b) {
  const TDeadReckoning& p = a.Reckoning;
  const TDeadReckoning& q = b.Reckoning;
  if (std::make_tuple(p.Lat, p.Lon, p.Course, p.Speed, a.Settings.SightError, a.Settings.DriftRate,
                      a.Sights.size()) !=
          std::make_tuple(q.Lat, q.Lon, q.Course, q.Speed, b.Settings.SightError, b.Settings.DriftRate,
                          b.Sights.size()) ||
      Values(p.Time) != Values(q.Time) || !Same(a.Chronometer, b.Chronometer) || a.Observer.Dut1 != b.Observer.Dut1) {
    return false;
  }
  for (std::size_t k = 0; k < a.Sights.size(); ++k) {
    if (Values(a.Sights[k]) != Values(b.Sights[k])) return false;
  }
  return true;
}

void CheckReadLog(const QByteArray& text, const TSightLog& log) {
  if (const char* field = Invalid(log)) Fail("a log read with a field out of range", text, field);
  const QByteArray written = SightLogJson(log);
  const TOutcome again = Parse(written);
  if (!again.read) Fail("a log read does not read again once written", text, again.message);
  if (!Same(log, again.log)) Fail("a log written and read again is another log", text, written.toStdString());
  if (SightLogJson(again.log) != written) Fail("a log written twice gives two texts", text, written.toStdString());
}

void Check(const QByteArray& text) {
  const TOutcome outcome = Parse(text);
  if (outcome.read) CheckReadLog(text, outcome.log);
}

// ---------------------------------------------------------------------------
// The large files, read from disk.

// A log the program itself writes, with one sight of every body.
QByteArray SmallLog() {
  const QByteArray sight = R"({"body": "%1", "star": 12, "hs": {"deg": 41, "min": 12.3}, "indexError": -1.5,
 "eyeHeight": 12.5, "temperature": 10, "pressure": 1013, "lat": {"deg": 10, "min": 12.34, "hem": "N"},
 "lon": {"deg": 40, "min": 1, "hem": "W"}, "enabled": true, "year": 2026, "month": 12, "day": 10,
 "hour": 19, "minute": 49, "second": 30, "zone": 3})";
  QByteArray sights;
  for (const char* body : {"sunLowerLimb", "star", "venus"}) {
    if (!sights.isEmpty()) sights += ",\n";
    sights += QString::fromUtf8(sight).arg(QLatin1String(body)).toUtf8();
  }
  return R"({"format": "tarvel-sights", "version": 1, "clockCorrection": 0,
"reckoning": {"lat": {"deg": 10, "min": 0, "hem": "N"}, "lon": {"deg": 40, "min": 0, "hem": "W"},
 "course": 45, "speed": 12, "year": 2026, "month": 12, "day": 10, "hour": 18, "minute": 0, "second": 0, "zone": 3},
"settings": {"sightError": 1, "driftRate": 0},
"sights": [)" + sights + "]}";
}

constexpr qsizetype kLarge = 10 * 1024 * 1024;

// A log of at least 10 MB: the sights of SmallLog repeated, and a last
// sight with a star number out of range.
QByteArray LargeLog() {
  const QByteArray small = SmallLog();
  const qsizetype open = small.indexOf("[") + 1;
  const QByteArray sights = small.mid(open, small.size() - 2 - open);
  QByteArray text = small.left(open) + sights;
  while (text.size() < kLarge) text += ",\n" + sights;
  return text + R"(, {"body": "star", "star": 161}]})";
}

std::uint32_t CountSights(const QByteArray& text) { return static_cast<std::uint32_t>(text.count("\"body\"")); }

void CheckFile(const QTemporaryDir& folder, const char* name, const QByteArray& text, bool read,
               const char* reason) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) Fail("cannot write the large file", name);
  file.close();
  const TOutcome outcome = Outcome(text.left(200), path, [&] { return ReadSightLog(path); });
  if (outcome.read != read) Fail(read ? "a large log was refused" : "a large bad log was read", name, outcome.message);
  if (outcome.read) {
    if (outcome.log.Sights.size() != CountSights(text)) Fail("a large log lost sights", name);
    CheckReadLog(text.left(200), outcome.log);
  } else if (outcome.message.find(reason) == std::string::npos) {
    Fail("a large bad log was refused for another reason", name, outcome.message);
  }
  if (!file.open(QIODevice::ReadOnly) || file.readAll() != text) Fail("reading the log changed its file", name);
}

void CheckLargeFiles() {
  const QTemporaryDir folder;
  if (!folder.isValid()) Fail("no temporary folder", {});
  CheckFile(folder, "small.json", SmallLog(), true, "");
  // Every sight of 10 MB reduced before the last one is refused.
  const QByteArray spoilt = LargeLog();
  const std::string last = "наблюдение " + std::to_string(CountSights(spoilt)) + ": ";
  CheckFile(folder, "spoilt.json", spoilt, false, last.c_str());
  // 10 MB that the reader passes over: blanks, and a field it does not know.
  CheckFile(folder, "blanks.json", SmallLog() + QByteArray(kLarge, ' '), true, "");
  QByteArray note = SmallLog();
  note.insert(1, "\"note\": \"" + QByteArray(kLarge, 'x') + "\", ");
  CheckFile(folder, "note.json", note, true, "");
  CheckFile(folder, "nested.json", QByteArray(kLarge, '['), false, "это не JSON");
  CheckFile(folder, "nested-objects.json", QByteArray("{\"a\":").repeated(kLarge / 5), false, "не открыт: ");
  QByteArray digits = SmallLog();
  digits.replace("\"clockCorrection\": 0", "\"clockCorrection\": " + QByteArray(kLarge, '7'));
  CheckFile(folder, "digits.json", digits, false, "это не JSON");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  CheckLargeFiles();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  return 0;
}
