// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/InputStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

namespace tarvel {

// Not the desktop's style, which a bare QProxyStyle would take.
TInputStyle::TInputStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int TInputStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_SpinControls_DisableOnBounds:
      return 0;
    case SH_SpinBox_ClickAutoRepeatThreshold:
      return 400;
    case SH_SpinBox_ClickAutoRepeatRate:
      return 100;
    default:
      return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

void UseInputStyle(QWidget& input) {
  auto* style = new TInputStyle;
  style->setParent(&input);
  input.setStyle(style);
}

}  // namespace tarvel
