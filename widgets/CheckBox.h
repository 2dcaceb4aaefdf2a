// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A check box that the arrow keys leave alone. A plain button hands the
// focus on to the next or previous control at every arrow key, round the
// whole window, where the next Up or Down would step a spin edit without the
// user noticing; here the arrows do nothing. Space toggles, Tab moves on.

#include <QCheckBox>

namespace tarvel {

class TCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarvel
