// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// One geographic angle as a navigator writes it (whole degrees, minutes of arc
// and a hemisphere letter), its position entry text, and the place
// coordinates that pair a latitude with a longitude.
//
// Position entry text (latitude 14 characters, longitude 15):
//   "Ш = 55°45,50'N"   "Д = 037°36,20'E"
// prefix, whole degrees ("00" or "000"), "°", minutes ("00.00" with a decimal
// comma), "'", hemisphere letter.

#include <cstdint>
#include <functional>
#include <string>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"

namespace tarvel {

enum class TSgn : std::uint8_t { N, S, E, W };
enum class TDegType : std::uint8_t { Latitude, Longitude };

using TOnChange = std::function<void(std::int32_t AGrad, Extended AMin, TSgn ASgn,
                                     TDegType ADegType, const std::string& AString)>;

// An invalid angle value or position text. The angle keeps its previous value.
class EDegreesError : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* kLatitudeError = "Ошибка задания широты";
inline constexpr const char* kLongitudeError = "Ошибка задания долготы";
inline constexpr const char* kCoordinateError = "Ошибка задания координаты";

// "N", "S", "E" or "W".
std::string SgnLetter(TSgn sgn);
// "Ш = " or "Д = ".
std::string DegTypePrefix(TDegType degType);

class TDegrees {
 public:
  // 0°00,00' north for a latitude, east for a longitude; no handler.
  explicit TDegrees(TDegType degType);

  std::int32_t Grad() const { return grad_; }
  Extended Min() const { return min_; }
  TSgn Sgn() const { return sgn_; }
  TDegType DegType() const { return degType_; }
  const TOnChange& OnChange() const { return onChange_; }

  // Validating writers: an equal value does nothing; a value that breaks the
  // range of the kind raises EDegreesError and stores nothing; otherwise the
  // value is stored and the handler, if any, is called.
  void SetGrad(std::int32_t value);
  void SetMin(Extended value);
  void SetSgn(TSgn value);
  void SetOnChange(TOnChange handler) { onChange_ = std::move(handler); }

  // The position entry text of the angle.
  std::string Strings() const;
  // Takes a position entry text whole, or raises (EDegreesError for a value
  // out of range or a missing prefix or letter, EConvertError for degrees or
  // minutes that are not numbers) and leaves the angle exactly as it was.
  // The kind follows the text; no handler is called.
  void SetStrings(const std::string& text);

  // Signed decimal degrees, north and east positive.
  Extended DecimalDegrees() const;

 private:
  void Validate(std::int32_t grad, Extended min) const;
  void Changed() const;

  std::int32_t grad_ = 0;
  Extended min_ = 0;
  TSgn sgn_;
  TDegType degType_;
  TOnChange onChange_;
};

// The place coordinates: latitude F and longitude L, owned for its whole life.
class TCoord {
 public:
  TDegrees& F() { return f_; }
  TDegrees& L() { return l_; }
  const TDegrees& F() const { return f_; }
  const TDegrees& L() const { return l_; }

 private:
  TDegrees f_{TDegType::Latitude};
  TDegrees l_{TDegType::Longitude};
};

}  // namespace tarvel
