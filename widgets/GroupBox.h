// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A group box whose frame is a one-pixel line in the palette's Dark colour,
// with the caption standing on the frame's top line, 8 pixels from its left
// end, on the palette's Window colour and in its WindowText colour. The top
// line runs through the middle of the caption's line height.
//
// contentsRect() is the inside of the frame less a margin of 2 pixels, the
// room a child's text may fill without touching the frame.

#include <QGroupBox>

namespace tarvel {

class TGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit TGroupBox(const QString& caption, QWidget* parent = nullptr);
};

}  // namespace tarvel
