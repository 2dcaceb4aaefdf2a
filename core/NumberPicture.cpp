// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/NumberPicture.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace tarvel {
namespace {

constexpr int kSignificantDigits = 18;

struct Picture {
  int integerPlaces = 0;
  int decimals = 0;
};

Picture ParsePicture(std::string_view picture) {
  Picture p;
  const auto point = picture.find('.');
  if (point == std::string_view::npos) {
    p.integerPlaces = static_cast<int>(picture.size());
  } else {
    p.integerPlaces = static_cast<int>(point);
    p.decimals = static_cast<int>(picture.size() - point - 1);
  }
  return p;
}

// |x| as 18 significant decimal digits and the decimal exponent of the first:
// |x| = 0.d1 d2 ... d18 * 10^(exponent + 1).
void SignificantDigits(Extended magnitude, std::vector<int>& digits, int& exponent) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  digits.clear();
  std::size_t i = 0;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] >= '0' && text[i] <= '9') digits.push_back(text[i] - '0');
  }
  exponent = 0;
  std::from_chars(text.data() + i + 1 + (text[i + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  exponent);
}

}  // namespace

std::string FormatPicture(std::string_view picture, Extended x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";

  const Picture p = ParsePicture(picture);
  std::vector<int> significant;
  int exponent = 0;
  if (x != 0) {
    SignificantDigits(std::fabs(x), significant, exponent);
  }

  // Lay the digits out as a fixed-point number with `decimals` places:
  // fixed[j] is the digit of weight 10^(top - j).
  const int top = std::max(exponent, 0);
  const int length = top + 1 + p.decimals;
  std::vector<int> fixed(static_cast<std::size_t>(length), 0);
  int firstDropped = 0;
  for (int k = 0; k < static_cast<int>(significant.size()); ++k) {
    const int weight = exponent - k;
    const int j = top - weight;
    if (j < length) {
      fixed[static_cast<std::size_t>(j)] = significant[static_cast<std::size_t>(k)];
    } else if (j == length) {
      firstDropped = significant[static_cast<std::size_t>(k)];
    }
  }
  // Halves go away from zero: one unit in the last kept place, carried left.
  bool carryOut = false;
  if (firstDropped >= 5) {
    int j = length - 1;
    for (; j >= 0; --j) {
      if (++fixed[static_cast<std::size_t>(j)] < 10) break;
      fixed[static_cast<std::size_t>(j)] = 0;
    }
    carryOut = j < 0;
  }

  std::string integerPart = carryOut ? "1" : "";
  for (int j = 0; j <= top; ++j) integerPart += static_cast<char>('0' + fixed[static_cast<std::size_t>(j)]);
  const auto firstNonZero = integerPart.find_first_not_of('0');
  integerPart.erase(0, std::min(firstNonZero, integerPart.size() - 1));
  if (integerPart == "0" && p.integerPlaces == 0) integerPart.clear();
  if (static_cast<int>(integerPart.size()) < p.integerPlaces) {
    integerPart.insert(0, static_cast<std::size_t>(p.integerPlaces) - integerPart.size(), '0');
  }

  std::string text = x < 0 ? "-" : "";
  text += integerPart;
  if (p.decimals > 0) {
    text += ',';
    for (int j = top + 1; j < length; ++j) text += static_cast<char>('0' + fixed[static_cast<std::size_t>(j)]);
  }
  return text;
}

std::string AngleText(Extended degrees, Extended minutes, std::string_view degreesPicture,
                      std::string_view suffix) {
  std::string text = FormatPicture(degreesPicture, degrees);
  text += "° ";
  text += FormatPicture("00.00", minutes);
  text += "'";
  text += suffix;
  return text;
}

}  // namespace tarvel
