// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Extended-precision elementary functions and guarded arithmetic for the
// engine's routines.
//
// Sine, cosine and arctangent here are the x87 unit's own instructions where
// there is one (several times faster than the C library's long double
// functions); elsewhere the standard library stands in. They are the main
// window's compact theory's instructions. Being microcode, their last bits
// differ between processor models, and fsincos need not give the bits of fsin
// and fcos on the same processor: the compact theory's results are shown to
// a hundredth of a minute and never depend on those bits. Code whose results
// must be the same on every processor (the sights, the fix, the sky view)
// uses core/Trig.h instead. The square root is fsqrt, which IEEE 754 rounds
// exactly on every processor.
//
// Faults are never left to the hardware: the divisor, the square-root argument
// and the range of each 32-bit truncation are tested first, and the fault is
// raised as the program's own exception with the runtime's text.
//
// Built with TARVEL_X87_NOISE (the test suite's "other processor" build), the
// x87 sine, cosine and arctangent move their results by a unit in the last
// place, up, down or not at all as a hash of the argument says, so that a
// test resting on one processor's last bits fails on this one. What every
// x87 gives alike stays: the exact value at 0 and the functions' symmetry.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"

namespace tarvel::arith {

#if defined(__x86_64__) || defined(__i386__)
#define TARVEL_X87 1
#endif

// fsin/fcos accept |x| < 2^63; the engine's arguments stay below 2^13.
inline constexpr Extended kX87TrigLimit = 9223372036854775808.0L;

#ifdef TARVEL_X87_NOISE
// The result's magnitude one ulp smaller, one larger or as it was, from the
// bits of |x| and a salt per function: as any processor may round, keeping
// what every x87 keeps, the exact result at 0 and sin(−x) = −sin x,
// cos(−x) = cos x, atan(−x) = −atan x.
inline Extended X87Noise(Extended x, Extended r, std::uint64_t salt) {
  if (x == 0 || r == 0) return r;
  const Extended a = std::fabs(x);
  std::uint64_t significand = 0;
  std::uint16_t exponent = 0;
  std::memcpy(&significand, &a, sizeof significand);
  std::memcpy(&exponent, reinterpret_cast<const char*>(&a) + sizeof significand, sizeof exponent);
  const std::uint64_t h = (significand ^ (std::uint64_t{exponent} << 48) ^ (salt << 56)) * 0x9E3779B97F4A7C15ULL;
  switch (h >> 62) {
    case 0: return std::nextafter(r, Extended{0});
    case 1: return std::nextafter(r, std::copysign(std::numeric_limits<Extended>::infinity(), r));
    default: return r;
  }
}
#define TARVEL_NOISE(x, r, salt) ::tarvel::arith::X87Noise((x), (r), (salt))
#else
#define TARVEL_NOISE(x, r, salt) (r)
#endif

inline Extended Sin(Extended x) {
#ifdef TARVEL_X87
  if (std::fabs(x) < kX87TrigLimit) {
    Extended r;
    __asm__("fsin" : "=t"(r) : "0"(x));
    return TARVEL_NOISE(x, r, 1);
  }
#endif
  return std::sin(x);
}

inline Extended Cos(Extended x) {
#ifdef TARVEL_X87
  if (std::fabs(x) < kX87TrigLimit) {
    Extended r;
    __asm__("fcos" : "=t"(r) : "0"(x));
    return TARVEL_NOISE(x, r, 2);
  }
#endif
  return std::cos(x);
}

// Sine and cosine of the same angle at the cost of one fsincos; its bits may
// differ from fsin's and fcos's in the last place.
inline void SinCos(Extended x, Extended& sine, Extended& cosine) {
#ifdef TARVEL_X87
  if (std::fabs(x) < kX87TrigLimit) {
    __asm__("fsincos" : "=t"(cosine), "=u"(sine) : "0"(x));
    sine = TARVEL_NOISE(x, sine, 3);
    cosine = TARVEL_NOISE(x, cosine, 4);
    return;
  }
#endif
  sine = std::sin(x);
  cosine = std::cos(x);
}

// The principal arctangent of a quotient, in radians, as the one-argument
// arctangent: fpatan given the quotient and 1.
inline Extended ArcTan(Extended q) {
#ifdef TARVEL_X87
  Extended r;
  __asm__("fpatan" : "=t"(r) : "0"(1.0L), "u"(q) : "st(1)");
  return TARVEL_NOISE(q, r, 5);
#else
  return std::atan(q);
#endif
}

// a / b; a zero divisor raises EZeroDivide (EInvalidOp for 0 / 0), and a
// quotient beyond the extended range raises EOverflow.
inline Extended Divide(Extended a, Extended b) {
  if (std::isnan(a) || std::isnan(b)) throw EInvalidOp();
  if (b == 0) {
    if (a == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  const Extended q = a / b;
  if (std::isinf(q) && !std::isinf(a)) throw EOverflow();
  return q;
}

// The square root; a negative (or NaN) argument raises EInvalidOp.
inline Extended Sqrt(Extended x) {
  if (!(x >= 0)) throw EInvalidOp();
#ifdef TARVEL_X87
  __asm__("fsqrt" : "+t"(x));
  return x;
#else
  return std::sqrt(x);
#endif
}

// Cutting toward zero to a 32-bit signed integer, in two ways that give the
// same integer for every value: the compiler's own conversion, which on x87
// stores, changes and restores the control word around fistp (costing more
// than all the rest of a truncation), and SSE3's fisttp, which cuts toward
// zero whatever the control word says. Each way is a policy for the engine's
// routines (ephemeris/EnginePaths.h); every one raises EInvalidOp first for a
// value whose integer part does not fit.

// Whether this processor has fisttp (SSE3). Found as the program starts; a
// static constructor that runs before that reads false, which only means the
// portable way.
inline bool DetectFisttp() {
#ifdef TARVEL_X87
  __builtin_cpu_init();
  return __builtin_cpu_supports("sse3") != 0;
#else
  return false;
#endif
}
inline const bool kHasFisttp = DetectFisttp();

inline void CheckTrunc32Range(Extended x) {
  if (!(x > -2147483649.0L && x < 2147483648.0L)) throw EInvalidOp();
}

// Only where kHasFisttp holds, and x in range.
inline std::int32_t Fisttp32(Extended x) {
#ifdef TARVEL_X87
  std::int32_t r;
  __asm__("fisttpl %0" : "=m"(r) : "t"(x) : "st");
  return r;
#else
  return static_cast<std::int32_t>(x);
#endif
}

// The compiler's conversion, on every processor.
struct PortableCut {
  static std::int32_t Trunc32(Extended x) {
    CheckTrunc32Range(x);
    return static_cast<std::int32_t>(x);
  }
};

// fisttp; only where kHasFisttp holds.
struct FisttpCut {
  static std::int32_t Trunc32(Extended x) {
    CheckTrunc32Range(x);
    return Fisttp32(x);
  }
};

// fisttp where the processor has it, the portable way elsewhere: the one the
// program uses. The test of the flag costs next to nothing beside a cut.
struct ChosenCut {
  static std::int32_t Trunc32(Extended x) {
    CheckTrunc32Range(x);
    return kHasFisttp ? Fisttp32(x) : static_cast<std::int32_t>(x);
  }
};

// trunc(x) used again as a floating-point value.
template <class Cut>
Extended TruncWith(Extended x) {
  return static_cast<Extended>(Cut::Trunc32(x));
}

// x cut toward zero to a 32-bit signed integer; a value whose integer part
// does not fit raises EInvalidOp.
inline std::int32_t Trunc32(Extended x) { return ChosenCut::Trunc32(x); }

// trunc(x) used again as a floating-point value.
inline Extended Trunc(Extended x) { return TruncWith<ChosenCut>(x); }

}  // namespace tarvel::arith
