// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// libFuzzer target: FormatPicture against a slow formatter of its own.
//
// The input's first ten bytes are an 80-bit extended value (significand
// first, then sign and exponent, as the x87 stores it); shorter inputs and
// non-finite values are skipped. Every value is formatted with each of the
// four pictures by FormatPicture and by the reference below, and the texts
// must be equal (a difference aborts).
//
// The reference works on the exact value. A finite extended value is
// M * 2^e with a 64-bit significand M, so it is an integer (e >= 0) or
// M * 5^-e / 10^-e (e < 0): both are exact decimal numbers got by big-integer
// multiplication. Then, as the picture rules say: round to 18 significant
// digits (to nearest, ties to even, as a correctly rounded conversion of the
// exact value does), round that to the picture's decimals with halves away
// from zero, write at least the picture's integer places with leading zeros,
// a decimal comma, and "-" before a negative value.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/Extended.h"
#include "core/NumberPicture.h"

namespace {

using namespace tarvel;

// The reference's loops carry no coverage feedback: it is the code under test
// that should steer the fuzzer, and comparison tracing in the big-integer
// loops would take most of its time.
#define NO_COVERAGE __attribute__((no_sanitize("coverage")))

// Non-negative integers in base 10^9, least significant limb first.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint64_t kBase = 1000000000;

NO_COVERAGE Limbs FromInteger(std::uint64_t value) {
  Limbs limbs;
  do {
    limbs.push_back(static_cast<std::uint32_t>(value % kBase));
    value /= kBase;
  } while (value != 0);
  return limbs;
}

// a * b by long multiplication.
NO_COVERAGE Limbs Multiply(const Limbs& a, const Limbs& b) {
  Limbs product(a.size() + b.size() + 1, 0);
  for (std::size_t j = 0; j < b.size(); ++j) {
    std::uint64_t carry = 0;
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
      const std::uint64_t v = product[i + j] + std::uint64_t{a[i]} * b[j] + carry;
      product[i + j] = static_cast<std::uint32_t>(v % kBase);
      carry = v / kBase;
    }
    for (std::size_t k = i + j; carry != 0; ++k) {
      const std::uint64_t v = product[k] + carry;
      product[k] = static_cast<std::uint32_t>(v % kBase);
      carry = v / kBase;
    }
  }
  while (product.size() > 1 && product.back() == 0) product.pop_back();
  return product;
}

// Decimal digits without leading zeros ("0" for zero).
NO_COVERAGE std::string Digits(const Limbs& limbs) {
  std::string text = std::to_string(limbs.back());
  const std::size_t head = text.size();
  text.resize(head + 9 * (limbs.size() - 1));
  for (std::size_t i = limbs.size() - 1, at = head; i-- > 0; at += 9) {
    std::uint32_t limb = limbs[i];
    for (std::size_t k = 9; k-- > 0; limb /= 10) text[at + k] = static_cast<char>('0' + limb % 10);
  }
  return text;
}

// 2^e for 0 <= e <= 16320 (the largest finite extended value is below
// 2^64 * 2^16320), each the double of the one before, made once: the fuzzer
// would otherwise spend its time making them.
NO_COVERAGE const Limbs& PowerOfTwo(int e) {
  static const std::vector<Limbs> powers = [] {
    std::vector<Limbs> p;
    p.reserve(16321);
    p.push_back(FromInteger(1));
    for (int k = 1; k <= 16320; ++k) p.push_back(Multiply(p.back(), FromInteger(2)));
    return p;
  }();
  return powers.at(static_cast<std::size_t>(e));
}

struct Decoded {
  bool negative;
  std::uint64_t significand;
  int exponent;  // value = significand * 2^exponent
};

// The ten bytes as a canonical extended value: the explicit integer bit is
// set from the exponent field, so that no unnormal or pseudo-denormal is
// formed. False for an infinity or a NaN.
bool Decode(const std::uint8_t* bytes, Decoded& d, Extended& value) {
  std::uint64_t significand = 0;
  std::memcpy(&significand, bytes, 8);
  const unsigned top = bytes[8] | (bytes[9] << 8);
  const unsigned field = top & 0x7FFF;
  if (field == 0x7FFF) return false;
  const std::uint64_t integerBit = std::uint64_t{1} << 63;
  significand = field == 0 ? significand & ~integerBit : significand | integerBit;

  unsigned char raw[sizeof(Extended)] = {};
  std::memcpy(raw, &significand, 8);
  raw[8] = static_cast<unsigned char>(top & 0xFF);
  raw[9] = static_cast<unsigned char>(top >> 8);
  std::memcpy(&value, raw, sizeof value);

  d.negative = (top & 0x8000) != 0;
  d.significand = significand;
  d.exponent = (field == 0 ? 1 : static_cast<int>(field)) - 16383 - 63;
  return true;
}

// The exact value as decimal digits `digits` and a power of ten `scale`:
// value = digits * 10^scale.
NO_COVERAGE void ExactDecimal(const Decoded& d, std::string& digits, int& scale) {
  const Limbs m = FromInteger(d.significand);
  if (d.exponent >= 0) {
    digits = Digits(Multiply(PowerOfTwo(d.exponent), m));
    scale = 0;
  } else {
    // M / 2^k = M * 5^k / 10^k.
    Limbs n = m;
    for (int k = 0; k < -d.exponent; ++k) n = Multiply(n, FromInteger(5));
    digits = Digits(n);
    scale = d.exponent;
  }
}

NO_COVERAGE std::string Reference(std::string_view picture, const Decoded& d) {
  const std::size_t point = picture.find('.');
  const int integerPlaces = static_cast<int>(point == std::string_view::npos ? picture.size() : point);
  const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(picture.size() - point - 1);

  // The value in units of 10^-decimals, as decimal digits.
  std::string units = "0";
  // Below 2^-20 no rounding to 18 digits reaches half a hundredth: the text
  // is all zeros. This also keeps the big numbers of tiny values away.
  const bool tiny = d.significand == 0 || d.exponent + 64 <= -20;
  if (!tiny) {
    std::string exact;
    int scale = 0;
    ExactDecimal(d, exact, scale);

    // 18 significant digits, ties to even: r * 10^q.
    std::uint64_t r = 0;
    int q = scale;
    if (exact.size() <= 18) {
      r = std::stoull(exact);
    } else {
      const std::size_t cut = exact.size() - 18;
      r = std::stoull(exact.substr(0, 18));
      q = scale + static_cast<int>(cut);
      const char next = exact[18];
      const bool restNonZero = exact.find_first_not_of('0', 19) != std::string::npos;
      if (next > '5' || (next == '5' && (restNonZero || r % 2 == 1))) ++r;
    }

    // Then to `decimals` places, halves away from zero.
    const int drop = -decimals - q;  // digits of r below the last kept place
    if (drop <= 0) {
      units = std::to_string(r) + std::string(static_cast<std::size_t>(-drop), '0');
    } else {
      const std::string rText = std::to_string(r);
      std::string kept;
      int firstDropped = 0;
      if (drop <= static_cast<int>(rText.size())) {
        kept = rText.substr(0, rText.size() - static_cast<std::size_t>(drop));
        firstDropped = rText[rText.size() - static_cast<std::size_t>(drop)] - '0';
      }
      if (kept.empty()) kept = "0";
      if (firstDropped >= 5) {
        // Add one in the last kept place, carrying left.
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) kept[static_cast<std::size_t>(i)] = '0';
        if (i < 0) {
          kept.insert(kept.begin(), '1');
        } else {
          ++kept[static_cast<std::size_t>(i)];
        }
      }
      units = kept;
    }
    units.erase(0, std::min(units.find_first_not_of('0'), units.size() - 1));
  }

  const std::size_t width = static_cast<std::size_t>(integerPlaces + decimals);
  if (units.size() < width) units.insert(0, width - units.size(), '0');
  std::string text = d.negative && d.significand != 0 ? "-" : "";
  text += units.substr(0, units.size() - static_cast<std::size_t>(decimals));
  if (decimals > 0) {
    text += ',';
    text += units.substr(units.size() - static_cast<std::size_t>(decimals));
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10) return 0;
  Decoded d{};
  Extended x = 0;
  if (!Decode(data, d, x)) return 0;

  for (const std::string_view picture : {"000", "00", "00.00", "000.00"}) {
    const std::string expected = Reference(picture, d);
    const std::string actual = FormatPicture(picture, x);
    if (actual != expected) {
      std::fprintf(stderr, "fuzz_number_picture: picture \"%.*s\", value %.25Lg (%La)\n",
                   static_cast<int>(picture.size()), picture.data(), x, x);
      std::fprintf(stderr, "  FormatPicture: %s\n  reference:     %s\n", actual.c_str(),
                   expected.c_str());
      std::abort();
    }
  }
  return 0;
}
