// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Reading the sight log: every field checked against the range and the
// decimals of the form's field it came from, so that nothing opened is
// shown otherwise than it is written.

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <cmath>

#include "angles/Degrees.h"
#include "chronometer/Chronometer.h"
#include "core/TextToNumber.h"
#include "sightlog/SightLogFile.h"

namespace tarvel {
namespace {

std::string Quoted(const QString& text) { return "«" + text.toStdString() + "»"; }

// A number of the file as the file writes it: the shortest text that reads
// back to it, never rounded to six digits (2147483648, not 2.14748e+09).
std::string Written(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest).toStdString(); }

// One object of the file, with the words that place it ("наблюдение 2: ").
class TFields {
 public:
  TFields(QJsonObject object, std::string place) : object_(std::move(object)), place_(std::move(place)) {}

  [[noreturn]] void Fail(const std::string& what) const { throw ESightLogError(place_ + what); }

  bool Missing(const char* key) const { return !object_.contains(QLatin1String(key)); }

  QJsonValue Value(const char* key) const {
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined()) Fail("нет поля «" + std::string(key) + "»");
    return value;
  }

  TFields Object(const char* key) const {
    const QJsonValue value = Value(key);
    if (!value.isObject()) Fail("поле «" + std::string(key) + "» должно быть объектом");
    return {value.toObject(), place_ + key + ": "};
  }

  double Number(const char* key) const {
    const QJsonValue value = Value(key);
    if (!value.isDouble()) Fail("поле «" + std::string(key) + "» должно быть числом");
    return value.toDouble();
  }

  void InRange(const char* key, double value, double minimum, double maximum) const {
    if (value >= minimum && value <= maximum) return;
    Fail("поле «" + std::string(key) + "» = " + Written(value) + " вне пределов " + Written(minimum) + " … " +
         Written(maximum));
  }

  std::int32_t Whole(const char* key, std::int32_t minimum, std::int32_t maximum) const {
    const double value = Number(key);
    InRange(key, value, minimum, maximum);
    if (value != std::floor(value)) Fail("поле «" + std::string(key) + "» должно быть целым");
    return static_cast<std::int32_t>(value);
  }

  // The number as the form reads its text: the decimal the file writes,
  // read in extended precision like the field's own text.
  Extended Decimal(const char* key, double minimum, double maximum, int decimals) const {
    const double value = Number(key);
    InRange(key, value, minimum, maximum);
    const QString text = QString::number(value, 'f', decimals);
    if (text.toDouble() != value) {
      Fail("в поле «" + std::string(key) + "» больше знаков после запятой, чем " + std::to_string(decimals));
    }
    return StrToFloat(QString(text).replace(u'.', u',').toStdString());
  }

  bool Flag(const char* key) const {
    const QJsonValue value = Value(key);
    if (!value.isBool()) Fail("поле «" + std::string(key) + "» должно быть true или false");
    return value.toBool();
  }

  // An angle of position, as its masked field holds it.
  Extended Angle(const char* key, TDegType kind) const {
    const TFields angle = Object(key);
    const bool latitude = kind == TDegType::Latitude;
    TDegrees degrees(kind);
    const std::int32_t grad = angle.Whole("deg", 0, latitude ? 89 : 180);
    const Extended minutes = angle.Decimal("min", 0, 59.99, 2);
    const QJsonValue hem = angle.Value("hem");
    const QString letter = hem.toString();
    TSgn sgn;
    if (letter == QLatin1String(latitude ? "N" : "E")) {
      sgn = latitude ? TSgn::N : TSgn::E;
    } else if (letter == QLatin1String(latitude ? "S" : "W")) {
      sgn = latitude ? TSgn::S : TSgn::W;
    } else {
      angle.Fail(std::string("поле «hem» должно быть ") + (latitude ? "\"N\" или \"S\"" : "\"E\" или \"W\""));
    }
    try {
      degrees.SetGrad(grad);
      degrees.SetMin(minutes);
      degrees.SetSgn(sgn);
    } catch (const Exception& error) {
      angle.Fail(error.Message());
    }
    return degrees.DecimalDegrees();
  }

  TShipTime Instant() const {
    TShipTime t{};
    t.Zone = Whole("zone", -12, 12);
    t.Year = Whole("year", 1, 9999);
    t.Month = Whole("month", 1, 12);
    t.Day = Whole("day", 1, 31);
    t.Hour = Whole("hour", 0, 23);
    t.Minute = Whole("minute", 0, 59);
    t.Second = Whole("second", 0, 60);  // 60: the leap second, checked with the sight or the reckoning
    return t;
  }

  const std::string& Place() const { return place_; }

 private:
  QJsonObject object_;
  std::string place_;
};

TBody BodyOf(const TFields& fields) {
  const QString key = fields.Value("body").toString();
  for (int k = 0; k <= static_cast<int>(TBody::Saturn); ++k) {
    const auto body = static_cast<TBody>(k);
    if (key == QString::fromStdString(BodyKey(body))) return body;
  }
  fields.Fail("неизвестное светило " + Quoted(key));
}

// The sight form's index error, eye height and air, with the ranges and
// decimals of its fields; a field that may be missing takes its default.
TObserverSettings ObserverOf(const TFields& f, bool mayMiss) {
  TObserverSettings observer;
  const auto read = [&](const char* key, Extended& value, double minimum, double maximum, int decimals) {
    if (!mayMiss || !f.Missing(key)) value = f.Decimal(key, minimum, maximum, decimals);
  };
  read("indexError", observer.IndexError, -99.9, 99.9, 1);
  read("eyeHeight", observer.EyeHeight, 0, 999.9, 1);
  read("temperature", observer.Temperature, -99.9, 99.9, 1);
  read("pressure", observer.Pressure, 0, 9999, 0);
  return observer;
}

TLoggedSight SightOf(const TFields& f) {
  TLoggedSight logged;
  TSight& s = logged.Sight;
  s.Body = BodyOf(f);
  s.StarNumber = f.Whole("star", 1, 160);
  s.Time = f.Instant();
  const TFields hs = f.Object("hs");
  const std::int32_t degrees = hs.Whole("deg", 0, 99);
  s.Hs = hs.Decimal("min", 0, 59.9, 1) * OneSixtieth + degrees;
  const TObserverSettings observer = ObserverOf(f, false);
  s.IndexError = observer.IndexError;
  s.EyeHeight = observer.EyeHeight;
  s.Temperature = observer.Temperature;
  s.Pressure = observer.Pressure;
  // A sight written before DUT1 was kept has none: its instant's measured or
  // predicted UT1 is used.
  if (!f.Missing("dut1")) s.Dut1 = f.Decimal("dut1", static_cast<double>(kDut1Range.Least),
                                             static_cast<double>(kDut1Range.Most), 1);
  logged.Lat = f.Angle("lat", TDegType::Latitude);
  logged.Lon = f.Angle("lon", TDegType::Longitude);
  logged.Enabled = f.Flag("enabled");
  try {
    logged.Reduction = ReduceSight(s, logged.Lat, logged.Lon);
  } catch (const Exception& error) {
    f.Fail(error.Message());
  }
  return logged;
}

// The chronometer's record of a log of version 2; its comparisons must be
// in time order already, as the program writes them.
TChronometerRecord ChronometerOf(const TFields& top) {
  const TFields chronometer = top.Object("chronometer");
  TChronometerRecord record;
  const QJsonValue comparisons = chronometer.Value("comparisons");
  if (!comparisons.isArray()) chronometer.Fail("поле «comparisons» должно быть списком");
  const QJsonArray list = comparisons.toArray();
  const double bound = static_cast<double>(kComparisonBound);
  for (qsizetype k = 0; k < list.size(); ++k) {
    const std::string place = chronometer.Place() + "сравнение " + std::to_string(k + 1) + ": ";
    if (!list[k].isObject()) throw ESightLogError(place + "должно быть объектом");
    const TFields f(list[k].toObject(), place);
    TComparison comparison;
    comparison.Correction = f.Decimal("correction", -bound, bound, 1);
    bool dated = false;
    for (const char* key : {"zone", "year", "month", "day", "hour", "minute", "second"}) dated = dated || !f.Missing(key);
    if (dated) {
      comparison.Time = f.Instant();
      if (const char* fault = ShipTimeFault(*comparison.Time, kComparisonInstantTexts)) f.Fail(fault);
    }
    record.Comparisons.push_back(comparison);
  }
  if (!chronometer.Missing("rate")) {
    const double rate = static_cast<double>(kRateBound);
    record.TypedRate = chronometer.Decimal("rate", -rate, rate, 1);
  }
  const std::string fault = RecordFault(record);
  if (!fault.empty()) chronometer.Fail(fault);
  return record;
}

TSightLog LogOf(const QJsonObject& root, int version) {
  const TFields top(root, "");
  TSightLog log;
  // Version 1's one correction, dated by the first sight once they are read.
  std::optional<Extended> clockCorrection;
  if (version == 1 && root.contains(QLatin1String("clockCorrection"))) {
    clockCorrection = top.Decimal("clockCorrection", -3600, 3600, 1);
  }
  if (version >= 2) log.Chronometer = ChronometerOf(top);
  const TFields dr = top.Object("reckoning");
  log.Reckoning.Lat = dr.Angle("lat", TDegType::Latitude);
  log.Reckoning.Lon = dr.Angle("lon", TDegType::Longitude);
  log.Reckoning.Time = dr.Instant();
  // The ranges of the dead reckoning's and the fix's fields.
  log.Reckoning.Course = dr.Decimal("course", 0, 359.9, 1);
  log.Reckoning.Speed = dr.Decimal("speed", 0, 99.9, 1);
  try {
    ValidateDeadReckoning(log.Reckoning);
  } catch (const Exception& error) {
    dr.Fail(error.Message());
  }
  const TFields settings = top.Object("settings");
  log.Settings.SightError = settings.Decimal("sightError", 0.1, 10, 1);
  log.Settings.DriftRate = settings.Decimal("driftRate", 0, 10, 1);
  log.Observer = ObserverOf(settings, true);
  if (!settings.Missing("dut1")) {
    log.Observer.Dut1 = settings.Decimal("dut1", static_cast<double>(kDut1Range.Least),
                                         static_cast<double>(kDut1Range.Most), 1);
  }

  const QJsonValue sights = top.Value("sights");
  if (!sights.isArray()) top.Fail("поле «sights» должно быть списком");
  const QJsonArray list = sights.toArray();
  for (qsizetype k = 0; k < list.size(); ++k) {
    const std::string place = "наблюдение " + std::to_string(k + 1) + ": ";
    if (!list[k].isObject()) throw ESightLogError(place + "должно быть объектом");
    log.Sights.push_back(SightOf(TFields(list[k].toObject(), place)));
  }
  if (clockCorrection) {
    TComparison comparison{std::nullopt, *clockCorrection};
    if (!log.Sights.empty()) comparison.Time = log.Sights.front().Sight.Time;
    log.Chronometer.Comparisons = {comparison};
  }
  return log;
}

// Whether the text stops in the middle of the document: the error is at
// its end, or of a kind only an end too early gives.
bool CutShort(const QJsonParseError& parse, const QByteArray& text) {
  const auto error = parse.error;
  return error == QJsonParseError::UnterminatedObject || error == QJsonParseError::UnterminatedArray ||
         error == QJsonParseError::UnterminatedString || error == QJsonParseError::TerminationByNumber ||
         parse.offset >= text.trimmed().size();
}

}  // namespace

TSightLog ParseSightLog(const QByteArray& text, const QString& path) {
  const std::string file = "Журнал «" + QDir::toNativeSeparators(path).toStdString() + "» не открыт: ";
  QJsonParseError parse{};
  const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
  if (parse.error != QJsonParseError::NoError) {
    const std::string at = " (позиция " + std::to_string(parse.offset) + ")";
    if (text.trimmed().isEmpty()) throw ESightLogError(file + "файл пуст");
    if (CutShort(parse, text)) throw ESightLogError(file + "файл оборван" + at);
    throw ESightLogError(file + "это не JSON" + at);
  }
  if (!document.isObject() || document.object().value(QLatin1String("format")).toString() != kSightLogFormat) {
    throw ESightLogError(file + "это не журнал наблюдений Тарвела (нет \"format\": \"" + kSightLogFormat + "\")");
  }
  const QJsonObject root = document.object();
  const QJsonValue version = root.value(QLatin1String("version"));
  if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1) {
    throw ESightLogError(file + "поле «version» должно быть целым числом от 1");
  }
  if (version.toDouble() > kSightLogVersion) {
    throw ENewerSightLog(file + "файл версии " + Written(version.toDouble()) +
                         " записан более новой программой; эта читает версию " +
                         std::to_string(kSightLogVersion) + " и не станет его перезаписывать");
  }
  try {
    return LogOf(root, static_cast<int>(version.toDouble()));
  } catch (const ESightLogError& error) {
    throw ESightLogError(file + error.Message());
  }
}

}  // namespace tarvel
