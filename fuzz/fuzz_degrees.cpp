// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// libFuzzer target: any bytes, taken as a position entry text, written to
// angles of both kinds in several starting states.
//
// Checked for every input and every starting angle (a violation aborts):
// - only EDegreesError or EConvertError leave SetStrings, each with one of
//   its texts;
// - a refused text leaves the angle exactly as it was, field for field, the
//   minutes bit for bit;
// - an accepted text leaves the angle in the range of its kind
//   (t = Min * OneSixtieth + Grad: latitude 0 <= t < 90, longitude
//   0 <= t <= 180; 0 <= Min < 60) with the kind and hemisphere that the text
//   names;
// - the formatter's text of an accepted angle has the fixed layout and reads
//   back to the same kind, degrees and hemisphere, with the minutes equal to
//   the hundredths it shows. Minutes of 59,995 or more show as 60,00, and
//   that text must be refused with the angle left as it was.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "angles/Degrees.h"
#include "core/Extended.h"
#include "core/RuntimeErrors.h"

namespace {

using namespace tarvel;

// The field values of an angle; the minutes as their ten bytes.
struct Snapshot {
  std::int32_t grad;
  unsigned char min[10];
  TSgn sgn;
  TDegType degType;
};

Snapshot Take(const TDegrees& angle) {
  Snapshot s{};
  s.grad = angle.Grad();
  const Extended min = angle.Min();
  std::memcpy(s.min, &min, sizeof s.min);
  s.sgn = angle.Sgn();
  s.degType = angle.DegType();
  return s;
}

bool Same(const Snapshot& a, const Snapshot& b) {
  return a.grad == b.grad && std::memcmp(a.min, b.min, sizeof a.min) == 0 && a.sgn == b.sgn &&
         a.degType == b.degType;
}

[[noreturn]] void Fail(const char* what, std::string_view text, std::string_view detail = {}) {
  std::fprintf(stderr, "fuzz_degrees: %s\n  text:", what);
  for (const unsigned char c : text) std::fprintf(stderr, " %02X", c);
  std::fprintf(stderr, "\n  detail: %.*s\n", static_cast<int>(detail.size()), detail.data());
  std::abort();
}

enum class Outcome { Accepted, DegreesError, ConvertError };

struct Result {
  Outcome outcome;
  std::string message;
};

Result Write(TDegrees& angle, const std::string& text) {
  try {
    angle.SetStrings(text);
    return {Outcome::Accepted, {}};
  } catch (const EDegreesError& e) {
    return {Outcome::DegreesError, e.what()};
  } catch (const EConvertError& e) {
    return {Outcome::ConvertError, e.what()};
  } catch (const std::exception& e) {
    Fail("an exception of another type left SetStrings", text, e.what());
  } catch (...) {
    Fail("a non-standard exception left SetStrings", text);
  }
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

const char* KindMessage(TDegType kind) {
  return kind == TDegType::Latitude ? kLatitudeError : kLongitudeError;
}

bool InRange(TDegType kind, Extended t) {
  return kind == TDegType::Latitude ? (t >= 0 && t < 90) : (t >= 0 && t <= 180);
}

bool HemisphereOf(TDegType kind, TSgn sgn) {
  return kind == TDegType::Latitude ? (sgn == TSgn::N || sgn == TSgn::S)
                                    : (sgn == TSgn::E || sgn == TSgn::W);
}

// Reads n decimal digits at text[at]; -1 when they are not all digits.
int Digits(std::string_view text, std::size_t at, std::size_t n) {
  if (at + n > text.size()) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The formatter's text of an accepted angle, and writing it back.
void CheckRoundTrip(const TDegrees& angle, const std::string& input) {
  const bool latitude = angle.DegType() == TDegType::Latitude;
  const std::string text = angle.Strings();

  // Layout: prefix, 2 or 3 degree digits, "°", "dd,dd", "'", letter.
  const std::string prefix = latitude ? "Ш = " : "Д = ";
  const std::size_t gradDigits = latitude ? 2 : 3;
  const std::string degreeSign = "°";
  const std::size_t gradAt = prefix.size();
  const std::size_t minAt = gradAt + gradDigits + degreeSign.size();
  const std::size_t letterAt = minAt + 6;
  const bool layout = text.size() == letterAt + 1 && text.compare(0, prefix.size(), prefix) == 0 &&
                      text.compare(gradAt + gradDigits, degreeSign.size(), degreeSign) == 0 &&
                      text[minAt + 2] == ',' && text[minAt + 5] == '\'' &&
                      text.substr(letterAt) == SgnLetter(angle.Sgn());
  const int grad = Digits(text, gradAt, gradDigits);
  const int whole = Digits(text, minAt, 2);
  const int hundredths = Digits(text, minAt + 3, 2);
  if (!layout || grad < 0 || whole < 0 || hundredths < 0) {
    Fail("the formatter's text breaks the layout", input, text);
  }
  if (grad != angle.Grad()) Fail("the formatter's degrees differ from Grad", input, text);
  const int shown = whole * 100 + hundredths;
  // The minutes are rounded to the hundredth; the slack covers the 18-digit
  // step before that rounding.
  if (shown > 6000 || std::fabs(angle.Min() - shown / 100.0L) > 0.005L + 1e-15L) {
    Fail("the formatter's minutes are not the minutes to the hundredth", input, text);
  }

  // Write it to an angle of the other kind: the kind must follow the text.
  TDegrees back(latitude ? TDegType::Longitude : TDegType::Latitude);
  back.SetGrad(1);
  back.SetMin(2.5L);
  const Snapshot before = Take(back);
  const Result r = Write(back, text);
  if (shown == 6000) {
    if (r.outcome != Outcome::DegreesError || r.message != KindMessage(angle.DegType())) {
      Fail("minutes shown as 60,00 were not refused as out of range", input, text);
    }
    if (!Same(before, Take(back))) Fail("the refused 60,00 text changed the angle", input, text);
    return;
  }
  if (r.outcome != Outcome::Accepted) Fail("the formatter's text was refused", input, text + " / " + r.message);
  if (back.DegType() != angle.DegType() || back.Grad() != angle.Grad() ||
      back.Sgn() != angle.Sgn() || !(back.Min() == shown / 100.0L)) {
    Fail("the formatter's text reads back to another angle", input, text);
  }
  if (back.Strings() != text) Fail("the read-back angle formats differently", input, text);
}

void CheckOne(TDegrees& angle, const std::string& text) {
  const Snapshot before = Take(angle);
  const Result r = Write(angle, text);

  const bool hasLatitudePrefix = text.find("Ш = ") != std::string::npos;
  const bool hasPrefix = hasLatitudePrefix || text.find("Д = ") != std::string::npos;
  const TDegType kind = hasLatitudePrefix ? TDegType::Latitude : TDegType::Longitude;

  if (r.outcome != Outcome::Accepted) {
    if (!Same(before, Take(angle))) Fail("a refused text changed the angle", text, r.message);
    if (r.outcome == Outcome::DegreesError) {
      const bool expected = hasPrefix ? r.message == KindMessage(kind) : r.message == kCoordinateError;
      if (!expected) Fail("EDegreesError with an unexpected text", text, r.message);
    } else {
      if (!hasPrefix) Fail("a text without a prefix raised EConvertError", text, r.message);
      // what() ends at a NUL byte of the quoted text, so the tail is checked
      // only for texts without one.
      const bool whole = text.find('\0') == std::string::npos;
      if (r.message.empty() || r.message[0] != '\'' ||
          (whole && !(EndsWith(r.message, "' is not a valid integer value") ||
                      EndsWith(r.message, "' is not a valid floating point value")))) {
        Fail("EConvertError with an unexpected text", text, r.message);
      }
    }
    return;
  }

  if (!hasPrefix) Fail("a text without a prefix was accepted", text);
  if (angle.DegType() != kind) Fail("the kind does not follow the text", text);
  const bool latitude = kind == TDegType::Latitude;
  const TSgn first = latitude ? TSgn::N : TSgn::E;
  const TSgn second = latitude ? TSgn::S : TSgn::W;
  const TSgn sgn = text.find(SgnLetter(first)) != std::string::npos ? first : second;
  if (angle.Sgn() != sgn || !HemisphereOf(kind, angle.Sgn())) {
    Fail("the hemisphere is not the first letter of the kind", text);
  }
  const Extended min = angle.Min();
  const Extended t = min * OneSixtieth + angle.Grad();
  if (!(min >= 0 && min < 60) || !InRange(kind, t)) Fail("an accepted angle is out of range", text);

  CheckRoundTrip(angle, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  // Starting states: new angles, and angles with minutes that are no exact
  // hundredth, so that a partial store would show.
  TDegrees newLatitude(TDegType::Latitude);
  TDegrees southLatitude(TDegType::Latitude);
  southLatitude.SetGrad(12);
  southLatitude.SetMin(34.567L);
  southLatitude.SetSgn(TSgn::S);
  TDegrees newLongitude(TDegType::Longitude);
  TDegrees westLongitude(TDegType::Longitude);
  westLongitude.SetGrad(123);
  westLongitude.SetMin(45.678L);
  westLongitude.SetSgn(TSgn::W);

  for (TDegrees* angle : {&newLatitude, &southLatitude, &newLongitude, &westLongitude}) {
    CheckOne(*angle, text);
  }
  return 0;
}
