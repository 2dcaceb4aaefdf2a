// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Plain-text columns for the texts the navigation window copies to the
// clipboard: two-digit numbers, and UTF-8 texts padded to a width counted in
// characters (a Cyrillic letter is two bytes but one column). No Qt.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/NumberPicture.h"

namespace tarvel {

// "07" for 7; the number is shown whole when it has more digits.
inline std::string TwoDigits(std::int32_t n) { return FormatPicture("00", n); }

// Characters, not bytes, of a UTF-8 text.
inline std::size_t TextWidth(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

// The text with blanks after it up to width characters.
inline std::string PaddedText(const std::string& text, std::size_t width) {
  const std::size_t w = TextWidth(text);
  return w >= width ? text : text + std::string(width - w, ' ');
}

}  // namespace tarvel
