// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Trigonometry whose results are the same to the last bit on every x86-64
// processor, for the reduction of sights, the fix, the sailing and the sky
// view. Arguments and results in radians.
//
// The x87 unit's fsin, fcos, fsincos and fpatan (core/Arithmetic.h) are
// microcode: their last bits differ between processor models, and fsincos
// need not even agree with fsin and fcos on the same processor. Here:
// - Sin, Cos and SinCos are the C library's long double routines, which
//   glibc computes in software on x86-64 (an exact range reduction and
//   polynomials in ordinary IEEE arithmetic); its sincosl gives the bits of
//   sinl and cosl taken apart.
// - ArcTan is computed here, since glibc's atanl is fpatan itself: for
//   |x| ≤ 1, atan x = atan c + atan((x − c)/(1 + x c)) with c the nearest
//   eighth and atan c a constant, and nine terms of the series for the rest;
//   beyond 1, π/2 − atan(1/x). Only +, −, × and ÷ are used, which IEEE 754
//   rounds exactly, so every processor gives the same bits. Error within
//   2 units in the last place (tested against atanl and against bc).
//
// Errors: a NaN argument raises EInvalidOp; Tan at a zero cosine raises
// EZeroDivide, as arith::Divide does.

#include "core/Extended.h"

namespace tarvel::trig {

inline constexpr Extended kPi = 3.14159265358979323846264338327950288L;
inline constexpr Extended kHalfPi = 1.57079632679489661923132169163975144L;

Extended Sin(Extended x);
Extended Cos(Extended x);
void SinCos(Extended x, Extended& sine, Extended& cosine);
Extended Tan(Extended x);

// The principal arctangent, −π/2 … π/2.
Extended ArcTan(Extended q);

// The angle of the point (x, y), −π … π; 0 for the origin, as std::atan2.
Extended ArcTan2(Extended y, Extended x);

}  // namespace tarvel::trig
