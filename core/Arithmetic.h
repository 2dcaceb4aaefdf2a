// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Extended-precision elementary functions and guarded arithmetic for the
// engine's routines.
//
// Sine, cosine, arctangent and square root are the x87 unit's own
// instructions where there is one (they are also several times faster than
// the C library's long double functions); elsewhere the standard library
// stands in, whose results differ only in the last bits.
//
// Faults are never left to the hardware: the divisor, the square-root argument
// and the range of each 32-bit truncation are tested first, and the fault is
// raised as the program's own exception with the runtime's text.

#include <cmath>
#include <cstdint>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"

namespace tarvel::arith {

#if defined(__x86_64__) || defined(__i386__)
#define TARVEL_X87 1
#endif

// fsin/fcos accept |x| < 2^63; the engine's arguments stay below 2^13.
inline constexpr Extended kX87TrigLimit = 9223372036854775808.0L;

inline Extended Sin(Extended x) {
#ifdef TARVEL_X87
  if (std::fabs(x) < kX87TrigLimit) {
    Extended r;
    __asm__("fsin" : "=t"(r) : "0"(x));
    return r;
  }
#endif
  return std::sin(x);
}

inline Extended Cos(Extended x) {
#ifdef TARVEL_X87
  if (std::fabs(x) < kX87TrigLimit) {
    Extended r;
    __asm__("fcos" : "=t"(r) : "0"(x));
    return r;
  }
#endif
  return std::cos(x);
}

// Sine and cosine of the same angle at the cost of one: fsincos gives the
// same bits as fsin and fcos taken one by one.
inline void SinCos(Extended x, Extended& sine, Extended& cosine) {
#ifdef TARVEL_X87
  if (std::fabs(x) < kX87TrigLimit) {
    __asm__("fsincos" : "=t"(cosine), "=u"(sine) : "0"(x));
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
  return r;
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
