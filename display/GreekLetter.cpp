// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "display/GreekLetter.h"

namespace tarvel {

std::string GreekLetter(const std::string& latin) {
  // Lower-case letters of the Symbol encoding, "a" … "z".
  static const char* const kSymbol[26] = {
      "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
      "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
  if (latin.size() == 1 && latin[0] >= 'a' && latin[0] <= 'z') return kSymbol[latin[0] - 'a'];
  return latin;
}

}  // namespace tarvel
