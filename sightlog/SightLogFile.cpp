// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Writing the sight log, and the file's reading and writing.

#include "sightlog/SightLogFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "angles/Degrees.h"
#include "core/NumberPicture.h"
#include "reports/PositionText.h"

namespace tarvel {
namespace {

// The number as its field shows it: rounded to the field's decimals, then
// the double nearest that decimal, which JSON writes in its shortest form.
double Shown(Extended x, std::string_view picture) {
  std::string text = FormatPicture(picture, x);
  std::replace(text.begin(), text.end(), ',', '.');
  return QString::fromStdString(text).toDouble();
}

QJsonObject Angle(const TDegrees& angle) {
  return {{"deg", angle.Grad()}, {"min", Shown(angle.Min(), "0.00")},
          {"hem", QString::fromStdString(SgnLetter(angle.Sgn()))}};
}

void PutInstant(QJsonObject& object, const TShipTime& t) {
  object["year"] = t.Year;
  object["month"] = t.Month;
  object["day"] = t.Day;
  object["hour"] = t.Hour;
  object["minute"] = t.Minute;
  object["second"] = t.Second;
  object["zone"] = t.Zone;
}

// Hs as its masked field writes it: whole degrees, minutes to a tenth.
QJsonObject HsObject(Extended hs) {
  Extended degrees = std::floor(hs);
  double minutes = Shown((hs - degrees) * 60, "0.0");
  if (minutes >= 60) {
    minutes = 0;
    degrees += 1;
  }
  return {{"deg", static_cast<int>(degrees)}, {"min", minutes}};
}

QJsonObject SightObject(const TLoggedSight& logged) {
  const TSight& s = logged.Sight;
  const TCoord assumed = CoordFromDegrees(logged.Lat, logged.Lon);
  QJsonObject object{{"body", QString::fromStdString(BodyKey(s.Body))},
                     {"star", s.StarNumber},
                     {"hs", HsObject(s.Hs)},
                     {"indexError", Shown(s.IndexError, "0.0")},
                     {"eyeHeight", Shown(s.EyeHeight, "0.0")},
                     {"temperature", Shown(s.Temperature, "0.0")},
                     {"pressure", Shown(s.Pressure, "0")},
                     {"lat", Angle(assumed.F())},
                     {"lon", Angle(assumed.L())},
                     {"enabled", logged.Enabled}};
  if (s.Dut1) object["dut1"] = Shown(*s.Dut1, "0.0");
  PutInstant(object, s.Time);
  return object;
}

QJsonObject ChronometerObject(const TChronometerRecord& record) {
  QJsonArray comparisons;
  for (const TComparison& c : record.Comparisons) {
    QJsonObject object;
    if (c.Time) PutInstant(object, *c.Time);
    object["correction"] = Shown(c.Correction, "0.0");
    comparisons.append(object);
  }
  QJsonObject chronometer{{"comparisons", comparisons}};
  if (record.TypedRate) chronometer["rate"] = Shown(*record.TypedRate, "0.0");
  return chronometer;
}

}  // namespace

QByteArray SightLogJson(const TSightLog& log) {
  const TDeadReckoning& dr = log.Reckoning;
  const TCoord position = CoordFromDegrees(dr.Lat, dr.Lon);
  QJsonObject reckoning{{"lat", Angle(position.F())},
                        {"lon", Angle(position.L())},
                        {"course", Shown(dr.Course, "0.0")},
                        {"speed", Shown(dr.Speed, "0.0")}};
  PutInstant(reckoning, dr.Time);
  QJsonArray sights;
  for (const TLoggedSight& logged : log.Sights) sights.append(SightObject(logged));
  const QJsonObject root{{"format", kSightLogFormat},
                         {"version", kSightLogVersion},
                         {"chronometer", ChronometerObject(log.Chronometer)},
                         {"reckoning", reckoning},
                         {"settings", QJsonObject{{"sightError", Shown(log.Settings.SightError, "0.0")},
                                                  {"driftRate", Shown(log.Settings.DriftRate, "0.0")},
                                                  {"indexError", Shown(log.Observer.IndexError, "0.0")},
                                                  {"eyeHeight", Shown(log.Observer.EyeHeight, "0.0")},
                                                  {"temperature", Shown(log.Observer.Temperature, "0.0")},
                                                  {"pressure", Shown(log.Observer.Pressure, "0")},
                                                  {"dut1", Shown(log.Observer.Dut1, "0.0")}}},
                         {"sights", sights}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

TSightLog ReadSightLog(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw ESightLogError("Журнал «" + QDir::toNativeSeparators(path).toStdString() +
                         "» не открыт: файл не читается (" + file.errorString().toStdString() + ")");
  }
  const QByteArray text = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw ESightLogError("Журнал «" + QDir::toNativeSeparators(path).toStdString() +
                         "» не открыт: файл не читается (" + file.errorString().toStdString() + ")");
  }
  return ParseSightLog(text, path);
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  const auto fail = [&](const char* why, const QFileDevice& file) {
    return ESightLogError("Не удалось сохранить файл «" + QDir::toNativeSeparators(path).toStdString() + "»: " +
                          why + " (" + file.errorString().toStdString() + "); прежний файл не тронут");
  };
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw fail("файл нельзя записать", file);
  // Flushed here, not by commit: Qt 6.4's commit renames a file whose last
  // buffered write failed (a full disk) as if it were whole.
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const ESightLogError error = fail("запись не удалась, возможно, диск полон", file);
    file.cancelWriting();
    throw error;
  }
  if (!file.commit()) throw fail("запись не завершена, возможно, диск полон", file);
}

void WriteSightLog(const QString& path, const TSightLog& log) {
  WriteFileAtomically(path, SightLogJson(log));
}

}  // namespace tarvel
