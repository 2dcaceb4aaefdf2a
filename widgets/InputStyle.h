// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The style of the inputs with up/down arrows (the spin edits and the date and
// time pickers): the application's own style, with two changes.
//
// - Both arrows always look alike. The style would grey the arrow that has
//   reached an end of the range to a blend of its colour and the button's,
//   too faint to see (contrast under 3 : 1); there a click simply does
//   nothing. A disabled input draws its arrows in the Disabled colour group.
// - Holding an arrow down repeats the step first after 400 ms, then every
//   100 ms.

#include <QProxyStyle>

namespace tarvel {

class TInputStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // On top of a new instance of the application's style.
  TInputStyle();

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;
};

// Gives the input a TInputStyle of its own, which it owns.
void UseInputStyle(QWidget& input);

}  // namespace tarvel
