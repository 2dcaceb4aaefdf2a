// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "angles/Degrees.h"

#include "core/NumberPicture.h"
#include "core/TextToNumber.h"

namespace tarvel {
namespace {

const char* RangeMessage(TDegType degType) {
  return degType == TDegType::Latitude ? kLatitudeError : kLongitudeError;
}

// Whether t (unsigned decimal degrees) lies in the range of the kind.
bool InRange(TDegType degType, Extended t) {
  if (t < 0) return false;
  return degType == TDegType::Latitude ? t < 90 : t <= 180;
}

bool HemisphereAllowed(TDegType degType, TSgn sgn) {
  return degType == TDegType::Latitude ? (sgn == TSgn::N || sgn == TSgn::S)
                                       : (sgn == TSgn::E || sgn == TSgn::W);
}

}  // namespace

std::string SgnLetter(TSgn sgn) {
  switch (sgn) {
    case TSgn::N: return "N";
    case TSgn::S: return "S";
    case TSgn::E: return "E";
    case TSgn::W: return "W";
  }
  return {};
}

std::string DegTypePrefix(TDegType degType) {
  return degType == TDegType::Latitude ? "Ш = " : "Д = ";
}

TDegrees::TDegrees(TDegType degType)
    : sgn_(degType == TDegType::Latitude ? TSgn::N : TSgn::E), degType_(degType) {}

void TDegrees::Validate(std::int32_t grad, Extended min) const {
  const Extended t = min * OneSixtieth + grad;
  if (!InRange(degType_, t)) throw EDegreesError(RangeMessage(degType_));
}

void TDegrees::Changed() const {
  if (onChange_) onChange_(grad_, min_, sgn_, degType_, Strings());
}

void TDegrees::SetGrad(std::int32_t value) {
  if (value == grad_) return;
  Validate(value, min_);
  grad_ = value;
  Changed();
}

void TDegrees::SetMin(Extended value) {
  if (value == min_) return;
  if (!(value >= 0 && value < 60)) throw EDegreesError(RangeMessage(degType_));
  Validate(grad_, value);
  min_ = value;
  Changed();
}

void TDegrees::SetSgn(TSgn value) {
  if (value == sgn_) return;
  if (!HemisphereAllowed(degType_, value)) throw EDegreesError(RangeMessage(degType_));
  sgn_ = value;
  Changed();
}

std::string TDegrees::Strings() const {
  std::string text = DegTypePrefix(degType_);
  text += FormatPicture(degType_ == TDegType::Latitude ? "00" : "000", grad_);
  text += "°";
  text += FormatPicture("00.00", min_);
  text += "'";
  text += SgnLetter(sgn_);
  return text;
}

void TDegrees::SetStrings(const std::string& text) {
  // Kind: the first prefix found, latitude before longitude.
  TDegType degType;
  std::size_t prefixAt = text.find(DegTypePrefix(TDegType::Latitude));
  if (prefixAt != std::string::npos) {
    degType = TDegType::Latitude;
  } else {
    prefixAt = text.find(DegTypePrefix(TDegType::Longitude));
    if (prefixAt == std::string::npos) throw EDegreesError(kCoordinateError);
    degType = TDegType::Longitude;
  }
  const std::size_t bodyBegin = prefixAt + DegTypePrefix(degType).size();

  // Hemisphere: the first of its two letters anywhere in the text.
  const bool latitude = degType == TDegType::Latitude;
  TSgn sgn = latitude ? TSgn::N : TSgn::E;
  std::size_t letterAt = text.find(SgnLetter(sgn));
  if (letterAt == std::string::npos) {
    sgn = latitude ? TSgn::S : TSgn::W;
    letterAt = text.find(SgnLetter(sgn));
    if (letterAt == std::string::npos) throw EDegreesError(RangeMessage(degType));
  }

  // Body: between the prefix and the letter; blanks stand for zero digits.
  std::string body = letterAt > bodyBegin ? text.substr(bodyBegin, letterAt - bodyBegin) : "";
  for (char& c : body) {
    if (c == ' ') c = '0';
  }
  const std::string degreeSign = "°";
  const std::size_t degreeAt = body.find(degreeSign);
  const std::size_t minuteAt = body.find('\'');
  const std::string degreesText = degreeAt == std::string::npos ? "" : body.substr(0, degreeAt);
  std::string minutesText;
  if (degreeAt != std::string::npos && minuteAt != std::string::npos && minuteAt > degreeAt) {
    const std::size_t from = degreeAt + degreeSign.size();
    minutesText = body.substr(from, minuteAt - from);
  }

  const std::int32_t grad = StrToInt(degreesText);
  const Extended min = StrToFloat(minutesText);
  const Extended t = min * OneSixtieth + grad;
  if (!InRange(degType, t) || !(min < 60) || min < 0) throw EDegreesError(RangeMessage(degType));

  degType_ = degType;
  sgn_ = sgn;
  grad_ = grad;
  min_ = min;
}

Extended TDegrees::DecimalDegrees() const {
  const Extended v = min_ * OneSixtieth + grad_;
  return (sgn_ == TSgn::N || sgn_ == TSgn::E) ? v : -v;
}

}  // namespace tarvel
