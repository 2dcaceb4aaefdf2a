// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/SightCsv.h"

#include <algorithm>

#include "angles/Direction.h"
#include "chronometer/ChronometerCorrection.h"
#include "core/NumberPicture.h"
#include "reports/Reckoning.h"
#include "reports/SightSheet.h"

namespace tarvel {
namespace {

const std::vector<std::string> kCsvCaptions = {
    "№", "Включено", "Светило", "Дата", "Время", "Зона", "Hs, °", "Индексная ошибка, ′", "Высота глаза, м",
    "Температура, °C", "Давление, гПа", "Широта счислимая, °", "Долгота счислимая, °", "Ho, °", "Hc, °", "Zn, °",
    "Перенос, мили", "Невязка, ′", "Поправка хронометра, с"};

// The number with a decimal point, whatever the picture's comma.
std::string Number(std::string_view picture, Extended x) {
  std::string text = FormatPicture(picture, x);
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// A text written with a decimal point.
std::string Csv(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

std::string TwoDigits(std::int32_t value) {
  std::string text = std::to_string(value);
  if (value >= 0 && value < 10) text.insert(text.begin(), '0');
  return text;
}

}  // namespace

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const std::string& field = fields[k];
    if (k > 0) line += ',';
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line + "\r\n";
}

std::string CsvBodyText(const TSight& sight) {
  if (sight.Body != TBody::Star) return BodyText(sight);
  return StarText(sight.StarNumber);
}

std::string SightsCsv(const std::vector<TLoggedSight>& sights, const TFixOutcome& fix,
                      const TChronometerRecord& chronometer) {
  std::string text = CsvLine(kCsvCaptions);
  for (std::size_t k = 0; k < sights.size(); ++k) {
    const TLoggedSight& logged = sights[k];
    const TSight& s = logged.Sight;
    const TSightReduction& r = logged.Reduction;
    const std::optional<Extended> residual = ResidualAt(fix, k);
    const std::optional<TChronometerCorrection> clock = CorrectionAt(chronometer, static_cast<Extended>(SightSeconds(s)));
    text += CsvLine({std::to_string(k + 1), logged.Enabled ? "да" : "нет", CsvBodyText(s),
                     std::to_string(s.Time.Year) + "-" + TwoDigits(s.Time.Month) + "-" + TwoDigits(s.Time.Day),
                     TwoDigits(s.Time.Hour) + ":" + TwoDigits(s.Time.Minute) + ":" + TwoDigits(s.Time.Second),
                     std::to_string(s.Time.Zone), Number("0.000000", s.Hs), Number("0.0", s.IndexError),
                     Number("0.0", s.EyeHeight), Number("0.0", s.Temperature), Number("0", s.Pressure),
                     Number("0.000000", logged.Lat), Number("0.000000", logged.Lon), Number("0.0000", r.Ho),
                     Number("0.0000", r.Hc), Csv(DirectionNumber(r.Zn)), Number("0.00", r.Intercept),
                     residual ? Number("0.00", *residual) : std::string(),
                     clock ? Number("0.0", clock->Seconds) : std::string()});
  }
  return text;
}

}  // namespace tarvel
