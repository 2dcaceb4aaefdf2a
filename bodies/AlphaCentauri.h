// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// α Centauri A and B as the sextant sees them: the relative place of B from
// A on the sky at an epoch, from the pair's published orbit, and the offset
// of the pair's light centre from its centre of mass, which is where the
// star table puts star 102 (bodies/HipparcosStars.inc).
//
// Orbit: D. Pourbaix and H. M. J. Boffin, "Parallax and masses of α Centauri
// revisited", A&A 586, A90 (2016), the elements as tabulated by R. Akeson
// et al., AJ 162, 14 (2021), Table 8: P = 79.91 yr, T = 1955.66,
// e = 0.524, a = 17.66″, i = 79.32°, Ω = 204.85° (equinox J2000.0),
// ω = 232.3° (of B about A); the masses of the same fit, A 1.133 and
// B 0.972 solar masses. Kepler's equation M = E − e sin E by Newton's method;
// the true anomaly ν and radius r = a (1 − e cos E) projected on the sky:
//   x (north) = r [cos(ν+ω) cos Ω − sin(ν+ω) sin Ω cos i]
//   y (east)  = r [cos(ν+ω) sin Ω + sin(ν+ω) cos Ω cos i]
// separation ρ = √(x² + y²), position angle θ = atan2(y, x) from the north
// through the east (the Thiele–Innes projection: W. D. Heintz, Double
// Stars, Reidel 1978).
//
// Light centre. With r⃗ = B − A on the sky, the centre of mass stands at
// A + μ r⃗ with μ = M_B / (M_A + M_B) = 0.4618, and the light centre at
// A + β r⃗ with β = L_B / (L_A + L_B), L_B / L_A = 10^(−0.4 Δm), Δm = 1.3
// (V: A −0.01, B 1.33): β = 0.2319. The light centre is therefore offset
// from the centre of mass by (β − μ) r⃗ = −0.2299 r⃗: a little less than a
// quarter of the separation, toward A. The offset is returned in
// arcseconds, north and east (Δα cos δ) on the sky.
//
// Units: the epoch is a Julian epoch in TT, 2000 + (JD − 2451545) / 365.25
// (the Besselian epoch of T differs from it by 0.0005 yr, nothing here).
// Accuracy: Pourbaix's orbit of 2002 and Kervella et al.'s refinement of
// this one (A&A 594, A107, 2016; Ω = 205.064°) differ from it by 0.13″ in
// ρ and 1° in θ from 1930 to 2099, 0.03″ on the offset; Δm known to 0.05
// moves the offset by 0.2″ at the widest (ρ = 21.8″). The light travel time
// (4.4 years) is in the elements, which are fitted to what was seen.
//
// Errors: none for epochs of the program's years; arithmetic faults raise
// the program's own exceptions (core/Arithmetic.h).

#include <cmath>

#include "core/Extended.h"

namespace tarvel::bodies {

struct TAlphaCentauriPair {
  Extended Separation;     // ρ of B from A, arcseconds
  Extended PositionAngle;  // θ of B from A, degrees from the north through the east, 0 … 360
  Extended LightNorth;     // light centre − centre of mass, arcseconds north
  Extended LightEast;      // light centre − centre of mass, arcseconds east (Δα cos δ)
};

TAlphaCentauriPair AlphaCentauriPair(Extended JulianEpoch);

// A catalogue place (right ascension and declination, degrees) moved by the
// pair's light-centre offset: what star 102 is given at that epoch
// (α Centauri stands 29° from the pole: cos δ is not small).
inline void MoveToLightCentre(const TAlphaCentauriPair& pair, double& raDegrees, double& decDegrees) {
  raDegrees += static_cast<double>(pair.LightEast) / 3600 / std::cos(decDegrees * 0.017453292519943295);
  decDegrees += static_cast<double>(pair.LightNorth) / 3600;
}

}  // namespace tarvel::bodies
