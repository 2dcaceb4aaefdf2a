// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/FitText.h"

namespace tarvel {

void FitLabelTo(QLabel& label, int right) {
  const int room = right - label.x() + 1;
  QFont font = label.font();
  for (int stretch = 100; stretch >= kNarrowestStretch; --stretch) {
    font.setStretch(stretch);
    label.setFont(font);
    if (label.sizeHint().width() <= room) break;
  }
  label.adjustSize();
}

}  // namespace tarvel
