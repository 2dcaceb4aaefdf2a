// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/TextToNumber.h"

#include <charconv>
#include <limits>
#include <string>

#include "core/RuntimeErrors.h"

namespace tarvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void NotAnInteger(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void NotAFloat(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

int StrToInt(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) NotAnInteger(text);
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) NotAnInteger(text);
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) NotAnInteger(text);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
    NotAnInteger(text);
  }
  return static_cast<int>(value);
}

Extended StrToFloat(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;

  // Check the shape ourselves so that only the comma is a decimal separator,
  // then hand a C-style copy to from_chars, which ignores the locale.
  std::string plain;
  std::size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  std::size_t mantissaDigits = 0;
  for (; i < end && IsDigit(text[i]); ++i, ++mantissaDigits) plain += text[i];
  if (i < end && text[i] == ',') {
    plain += '.';
    for (++i; i < end && IsDigit(text[i]); ++i, ++mantissaDigits) plain += text[i];
  }
  if (mantissaDigits == 0) NotAFloat(text);
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    std::size_t exponentDigits = 0;
    for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits) plain += text[i];
    if (exponentDigits == 0) NotAFloat(text);
  }
  if (i != end) NotAFloat(text);

  Extended value = 0;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || ptr != plain.data() + plain.size()) NotAFloat(text);
  return value;
}

}  // namespace tarvel
