// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "navfields/Fields.h"

#include "navfields/LeapTimeEdit.h"
#include "navfields/NumberField.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QTimeEdit>
#include <cmath>

#include "angles/Degrees.h"
#include "core/NumberPicture.h"
#include "core/TextToNumber.h"
#include "reports/PositionText.h"
#include "sights/SightErrors.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

const char* kHsTextError = "Высота Hs задана неверно";
const char* kHsMinutesError = "Минуты высоты Hs должны быть меньше 60'";

// The part of a masked text between two marks, its blanks read as zeros.
std::string Between(const QString& text, const QString& from, const QString& to) {
  const auto begin = text.indexOf(from);
  const auto end = text.indexOf(to, begin < 0 ? 0 : begin + from.size());
  if (begin < 0 || end < 0) return {};
  QString part = text.mid(begin + from.size(), end - begin - from.size());
  part.replace(u' ', u'0');
  return part.toStdString();
}

}  // namespace

std::pair<Extended, Extended> ReadPosition(const TPositionFields& fields) {
  const auto [lat, latSign, lon, lonSign] = fields;
  // A field that is not a number is as wrong as one out of range, and says
  // so in the same words.
  TCoord coord;
  try {
    coord.F().SetStrings((lat->maskedText() + latSign->text()).toStdString());
  } catch (const EConvertError&) {
    throw EDegreesError(kLatitudeError);
  }
  try {
    coord.L().SetStrings((lon->maskedText() + lonSign->text()).toStdString());
  } catch (const EConvertError&) {
    throw EDegreesError(kLongitudeError);
  }
  return {coord.F().DecimalDegrees(), coord.L().DecimalDegrees()};
}

void ShowPosition(Extended latitude, Extended longitude, const TPositionFields& fields) {
  const auto [lat, latSign, lon, lonSign] = fields;
  const TCoord coord = CoordFromDegrees(latitude, longitude);
  lat->setMaskedText(QString::fromStdString(coord.F().Strings()));
  latSign->setText(QString::fromStdString(SgnLetter(coord.F().Sgn())));
  lon->setMaskedText(QString::fromStdString(coord.L().Strings()));
  lonSign->setText(QString::fromStdString(SgnLetter(coord.L().Sgn())));
}

std::int32_t ReadZone(const TSpinEdit* zone, const TSpeedButton* sign) {
  return sign->text() == QLatin1String("W") ? -zone->value() : zone->value();
}

void ShowZone(std::int32_t value, TSpinEdit* zone, TSpeedButton* sign) {
  zone->setValue(std::abs(value));
  sign->setText(value < 0 ? QStringLiteral("W") : QStringLiteral("E"));
}

Extended ReadNumber(const QDoubleSpinBox* spin) {
  if (const auto* field = qobject_cast<const TNumberField*>(spin)) return field->Read();
  return StrToFloat(spin->cleanText().toStdString());
}

TShipTime ReadShipTime(const TInstantFields& fields) {
  const QTime time = fields.Time->time();
  const QDate date = fields.Date->date();
  const auto* leap = qobject_cast<const TLeapTimeEdit*>(fields.Time);
  return {ReadZone(fields.Zone, fields.ZoneSign), time.hour(), time.minute(), leap ? leap->Second() : time.second(),
          date.day(), date.month(), date.year()};
}

void ShowShipTime(const TShipTime& t, const TInstantFields& fields) {
  fields.Date->setDate(QDate(t.Year, t.Month, t.Day));
  if (auto* leap = qobject_cast<TLeapTimeEdit*>(fields.Time)) {
    leap->SetTime(t.Hour, t.Minute, t.Second);
  } else {
    fields.Time->setTime(QTime(t.Hour, t.Minute, t.Second));
  }
  ShowZone(t.Zone, fields.Zone, fields.ZoneSign);
}

Extended ReadHs(const QString& maskedText) {
  std::int32_t degrees = 0;
  Extended minutes = 0;
  try {
    degrees = StrToInt(Between(maskedText, QStringLiteral("= "), QStringLiteral("°")));
    minutes = StrToFloat(Between(maskedText, QStringLiteral("°"), QStringLiteral("'")));
  } catch (const EConvertError&) {
    throw ESightError(kHsTextError);
  }
  if (!(minutes >= 0 && minutes < 60)) throw ESightError(kHsMinutesError);
  return minutes * OneSixtieth + degrees;
}

QString HsText(Extended hs) {
  const Extended degrees = std::floor(hs);
  return QStringLiteral("Hs = ") + Text(FormatPicture("00", degrees)) + u'°' + Text(FormatPicture("00.0", (hs - degrees) * 60)) +
         u'\'';
}

}  // namespace tarvel
