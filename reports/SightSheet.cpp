// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/SightSheet.h"

#include <cmath>

#include "almanac/Almanac.h"
#include "almanac/StarName.h"
#include "angles/Direction.h"
#include "core/NumberPicture.h"
#include "display/GreekLetter.h"
#include "ephemeris/CStars.h"
#include "ephemeris/Stars.h"
#include "reports/ChronometerText.h"
#include "reports/DegreesText.h"
#include "reports/PositionText.h"
#include "reports/Reckoning.h"
#include "reports/TextColumns.h"
#include "reports/TimeScalesText.h"

namespace tarvel {
namespace {

constexpr Extended kLowAltitude = 5;    // degrees: refraction is unreliable below
constexpr Extended kHighAltitude = 85;  // degrees: the azimuth is ill-defined above
constexpr Extended kLargeInterceptMiles = 30;  // a sight this far off its assumed position is suspect

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string SignedMinutesText(Extended minutes) {
  const std::string magnitude = FormatPicture("0.0", std::fabs(minutes));
  if (magnitude == "0,0") return "0,0'";
  return (minutes < 0 ? "−" : "+") + magnitude + "'";  // the minus of the formulas, U+2212
}

std::string AltitudeDegreesText(Extended degrees) { return DegreesMinutesText(degrees, "00"); }

std::string InterceptText(Extended minutes) {
  return MilesText(std::fabs(minutes)) + (minutes >= 0 ? " к светилу" : " от светила");
}

namespace {

bool IsMoon(TBody body) { return body == TBody::MoonLowerLimb || body == TBody::MoonUpperLimb; }

std::string SemiDiameterRule(TBody body) {
  switch (body) {
    case TBody::SunLowerLimb: return "+R нижнего края Солнца";
    case TBody::SunUpperLimb: return "−R верхнего края Солнца";
    case TBody::MoonLowerLimb: return "+R нижнего края Луны";
    case TBody::MoonUpperLimb: return "−R верхнего края Луны";
    case TBody::Star: return "для звезды 0";
    default: return "для планеты 0 (центр диска)";
  }
}

}  // namespace

std::string HorizontalParallaxText(Extended minutes) { return FormatPicture("0.00", minutes) + "'"; }

std::vector<TWorksheetLine> Worksheet(const TSight& s, const TSightReduction& r) {
  const bool star = s.Body == TBody::Star;
  std::vector<TWorksheetLine> lines = {
      {"Hs  высота по секстану", "отсчёт секстана", AltitudeDegreesText(s.Hs)},
      {"i  поправка индекса", "−(индексная ошибка)", SignedMinutesText(-s.IndexError)},
      {"d  наклонение горизонта", "−1,76′ × √e, e = " + FormatPicture("0.0", s.EyeHeight) + " м",
       SignedMinutesText(-r.Dip)},
      {"Ha  видимая высота", "Hs + i + d", AltitudeDegreesText(r.Ha)},
      {"ρ  рефракция", "−0,0167° / tg(Ha + 7,31 / (Ha + 4,4)) × 0,28 P / (T + 273)",
       SignedMinutesText(-r.Refraction)},
      {"HP  гориз. параллакс", star ? "для звезды 0" : "по эфемериде светила",
       HorizontalParallaxText(r.HorizontalParallax)},
      {"p  параллакс", star ? "для звезды 0" : "HP × cos(Ha + ρ)", SignedMinutesText(r.Parallax)},
  };
  if (IsMoon(s.Body)) {
    lines.push_back({"OB  сжатие Земли", "0,192′ (sin 2φ cos Zn sin H − sin²φ cos H)",
                     SignedMinutesText(r.Oblateness)});
  }
  lines.push_back({"R  полудиаметр", SemiDiameterRule(s.Body), SignedMinutesText(r.SemiDiameter)});
  lines.push_back({"Ho  наблюдённая высота", IsMoon(s.Body) ? "Ha + ρ + p + OB + R" : "Ha + ρ + p + R",
                   AltitudeDegreesText(r.Ho)});
  lines.push_back({"Hc  счислимая высота", "в счислимом месте", AltitudeDegreesText(r.Hc)});
  lines.push_back({"Zn  азимут светила", "там же", DirectionText(r.Zn)});
  lines.push_back({"n  перенос", "(Ho − Hc) × 60", InterceptText(r.Intercept)});
  return lines;
}

std::vector<std::string> SightWarnings(const TSight& s, const TSightReduction& r) {
  std::vector<std::string> warnings;
  if (r.Ha < kLowAltitude) warnings.push_back("Видимая высота Ha меньше 5°: рефракция ненадёжна");
  if (r.Ho > kHighAltitude) warnings.push_back("Высота Ho больше 85°: у зенита азимут определяется плохо");
  if (std::fabs(r.Intercept) > kLargeInterceptMiles) {
    warnings.push_back("Перенос " + MilesText(std::fabs(r.Intercept)) +
                       " больше 30 миль: проверьте светило, время, Hs и счислимое место");
  }
  if (std::string dut1 = Dut1Warning(s); !dut1.empty()) warnings.push_back(std::move(dut1));
  return warnings;
}

std::string StarShortName(std::int32_t starNumber) {
  const std::string name = StarName(starNumber);
  const auto open = name.find('(');
  const auto close = name.rfind(')');
  if (open != std::string::npos && close != std::string::npos && close > open + 1) {
    return Trimmed(name.substr(open + 1, close - open - 1));
  }
  return name;
}

std::string BodyShortText(const TSight& s) {
  switch (s.Body) {
    case TBody::SunLowerLimb: return "Солнце н/к";
    case TBody::SunUpperLimb: return "Солнце в/к";
    case TBody::MoonLowerLimb: return "Луна н/к";
    case TBody::MoonUpperLimb: return "Луна в/к";
    case TBody::Venus: return "Венера";
    case TBody::Mars: return "Марс";
    case TBody::Jupiter: return "Юпитер";
    case TBody::Saturn: return "Сатурн";
    case TBody::Star: break;
  }
  return std::to_string(s.StarNumber) + " " + GreekLetter(StarTable(s.StarNumber).Letter) + " " +
         StarShortName(s.StarNumber);
}

std::string StarText(std::int32_t starNumber) {
  return std::to_string(starNumber) + " " + GreekLetter(StarTable(starNumber).Letter) + " " + StarName(starNumber);
}

std::string BodyText(const TSight& s) {
  switch (s.Body) {
    case TBody::SunLowerLimb: return "Солнце, нижний край";
    case TBody::SunUpperLimb: return "Солнце, верхний край";
    case TBody::MoonLowerLimb: return "Луна, нижний край";
    case TBody::MoonUpperLimb: return "Луна, верхний край";
    case TBody::Venus: return "Венера";
    case TBody::Mars: return "Марс";
    case TBody::Jupiter: return "Юпитер";
    case TBody::Saturn: return "Сатурн";
    case TBody::Star: break;
  }
  return "№ " + StarText(s.StarNumber);
}

std::string SightTimeText(const TSight& s) {
  return TwoDigits(s.Time.Day) + "." + TwoDigits(s.Time.Month) + "." + std::to_string(s.Time.Year) + " " +
         TwoDigits(s.Time.Hour) + ":" + TwoDigits(s.Time.Minute) + ":" + TwoDigits(s.Time.Second);
}

std::string ZoneText(std::int32_t zone) {
  if (zone == 0) return "0";
  return std::to_string(std::abs(zone)) + (zone > 0 ? " E" : " W");
}

std::string SightInputsText(const TSight& s) {
  const auto signedText = [](const char* picture, Extended value) {
    return (value < 0 ? "−" : "") + FormatPicture(picture, std::fabs(value));
  };
  return "Hs " + AltitudeDegreesText(s.Hs) + ", индексная ошибка " + signedText("0.0", s.IndexError) +
         "′, высота глаза " + FormatPicture("0.0", s.EyeHeight) + " м, температура " +
         signedText("0.0", s.Temperature) + " °C, давление " + FormatPicture("0", s.Pressure) + " гПа";
}

std::string WorksheetText(const TSight& sight, Extended lat, Extended lon, const TSightReduction& reduction,
                          const TChronometerRecord& chronometer) {
  std::string text = "Обработка наблюдения\n";
  text += "Светило: " + BodyText(sight) + "\n";
  text += "Судовое время: " + SightTimeText(sight) + ", пояс " + ZoneText(sight.Time.Zone) + "\n";
  text += ChronometerLine(chronometer, static_cast<Extended>(SightSeconds(sight))) + "\n";
  text += TimeOfRecordLine(sight) + "\n";
  text += "Измерено: " + SightInputsText(sight) + "\n";
  text += "Счислимое место: " + PositionText(lat, lon) + "\n\n";
  const std::vector<TWorksheetLine> lines = Worksheet(sight, reduction);
  std::size_t captionWidth = 0, valueWidth = 0;
  for (const TWorksheetLine& line : lines) {
    captionWidth = std::max(captionWidth, TextWidth(line.Caption));
    valueWidth = std::max(valueWidth, TextWidth(line.Value));
  }
  for (const TWorksheetLine& line : lines) {
    const std::string value = std::string(valueWidth - TextWidth(line.Value), ' ') + line.Value;
    text += PaddedText(line.Caption, captionWidth) + "  " + value + "   " + line.Formula + "\n";
  }
  for (const std::string& warning : SightWarnings(sight, reduction)) text += "Внимание: " + warning + "\n";
  const std::string drift = ChronometerWarning(chronometer, static_cast<Extended>(SightSeconds(sight)));
  if (!drift.empty()) text += "Внимание: " + drift + "\n";
  return text;
}

}  // namespace tarvel
