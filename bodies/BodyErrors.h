// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The errors of the bodies' places and their texts. A routine that raises one
// has computed nothing.

#include "core/RuntimeErrors.h"
#include "shiptime/ShipTime.h"

namespace tarvel {

// An input out of range, or an ephemeris that cannot be read.
class EBodyError : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* kBodyError = "Светило задано неверно";
inline constexpr const char* kBodyStarNumberError = "Номер звезды должен быть от 1 до 160";
inline constexpr const char* kBodyEphemerisError =
    "Нет файлов эфемерид Swiss Ephemeris (пакет swe-basic-data): положения Солнца, Луны и планет не вычислить";

inline constexpr TInstantTexts kBodyInstantTexts = {
    "Часовой пояс должен быть от -12 до +12",
    "Часы должны быть от 0 до 23",
    "Минуты должны быть от 0 до 59",
    "Секунды должны быть от 0 до 59",
    "Дата задана неверно: такого дня нет",
    "Дата должна быть от 01.01.1930 до 31.12.2099",
};

}  // namespace tarvel
