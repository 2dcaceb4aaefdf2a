// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "bodies/HipparcosStars.h"

#include <array>

namespace tarvel {

const THipparcosStar& HipparcosStar(std::int32_t k) {
  static constexpr std::array<THipparcosStar, 160> kRows = {{
#include "bodies/HipparcosStars.inc"
  }};
  return kRows[static_cast<std::size_t>(k - 1)];
}

}  // namespace tarvel
