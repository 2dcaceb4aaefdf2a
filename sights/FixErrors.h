// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The errors of a fix and their texts. A sight's own error comes as
// "Наблюдение 3: " and the text of ReduceSight, the sights numbered from 1
// in the order they were given; SightNumber() tells which (0 for the other
// errors).

#include <cstdint>
#include <string>

#include "core/RuntimeErrors.h"
#include "sights/SightErrors.h"

namespace tarvel {

class EFixError : public Exception {
 public:
  explicit EFixError(const std::string& message, std::int32_t sightNumber = 0)
      : Exception(message), sightNumber_(sightNumber) {}
  std::int32_t SightNumber() const { return sightNumber_; }

 private:
  std::int32_t sightNumber_;
};

inline constexpr const char* kFixTooFewError = "Для определения места нужно не меньше двух наблюдений";
inline constexpr const char* kFixCutError =
    "Линии положения не пересекаются под углом 15° или больше: нужны светила с другими азимутами";
inline constexpr const char* kFixNoConvergenceError = "Место не определяется: решение не сошлось за 50 шагов";
inline constexpr const char* kFixPoleError = "Место, перенесённое по курсу и скорости, попадает на полюс или за него";
// The accuracy's ranges (ValidateFixSettings and the panel's fields).
inline constexpr TRange kSightErrorRange{0.1L, 10};  // minutes of arc
inline constexpr TRange kDriftRateRange{0, 10};      // miles an hour
inline constexpr const char* kSightErrorSettingError = "СКП высоты должна быть от 0,1′ до 10′";
inline constexpr const char* kDriftRateSettingError = "Рост ошибки счисления должен быть от 0 до 10 миль в час";
inline constexpr const char* kDrLatitudeError = "Счислимая широта должна быть от 90° S до 90° N";
inline constexpr const char* kDrLongitudeError = "Счислимая долгота должна быть от 180° W до 180° E";
inline constexpr const char* kDrCourseError = "Курс должен быть от 0° до 360°";
inline constexpr const char* kDrSpeedError = "Скорость должна быть от 0 до 100 уз";

inline constexpr TInstantTexts kDeadReckoningInstantTexts = {
    "Часовой пояс счисления должен быть от -12 до +12",
    "Часы времени счисления должны быть от 0 до 23",
    "Минуты времени счисления должны быть от 0 до 59",
    "Секунды времени счисления должны быть от 0 до 59",
    "Дата счисления задана неверно: такого дня нет",
    "Дата счисления должна быть от 01.01.1930 до 31.12.2099",
};

// "Наблюдение <number>: <message>".
inline std::string SightErrorText(std::int32_t number, const std::string& message) {
  return "Наблюдение " + std::to_string(number) + ": " + message;
}

}  // namespace tarvel
