// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/TimeCostText.h"

#include <cmath>

#include "core/NumberPicture.h"

namespace tarvel {
namespace {

constexpr std::int32_t kMjdOf1960 = 36934;

std::string Signed(const char* picture, Extended seconds) {
  const std::string magnitude = FormatPicture(picture, std::fabs(seconds));
  if (magnitude.find_first_not_of("0,") == std::string::npos) return magnitude;
  return (seconds < 0 ? "−" : "+") + magnitude;
}

std::string Arcsec(Extended arcsec) { return FormatPicture(arcsec < 1 ? "0.00" : "0.0", arcsec) + "″"; }

}  // namespace

std::string Dut1Text(const TTimeScales& s) {
  if (s.Mjd < kMjdOf1960) return "часы по UT1 (до 1960 г.)";
  switch (s.Source) {
    case TTimeSource::Typed: return "DUT1 " + Signed("0.0", s.Ut1MinusUtc) + " с (введено)";
    case TTimeSource::Predicted: return "DUT1 " + Signed("0.000", s.Ut1MinusUtc) + " с (прогноз)";
    case TTimeSource::Measured: break;
  }
  const char* source = s.Mjd < MeasuredFirstMjd() ? " с (по ΔT ежегодника)" : " с (IERS)";
  return "DUT1 " + Signed("0.000", s.Ut1MinusUtc) + source;
}

std::string TimeCostText(const TPlaceTimeError& e) {
  const std::string scale = e.Scales.Mjd < kMjdOf1960 ? "ΔT" : "DUT1";
  const Extended sigma = e.Scales.TtMinusUt1Error;
  const std::string text = FormatPicture(sigma < 0.001L ? "0.00000" : (sigma < 0.01L ? "0.000" : "0.00"), sigma);
  return "Ошибка места от времени " + Arcsec(e.Arcsec) + " (" + scale + " ±" + text + " с)";
}

}  // namespace tarvel
