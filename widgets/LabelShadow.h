// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// TLabelShadow: a label that draws its caption with a simple 3-D effect,
// raised, recessed, or with a coloured drop shadow at a chosen distance.
// Everything else (caption, font, colours, alignment, sizing, word wrap,
// enabled state, mouse events) is QLabel's; only the painting is its own.
//
// How the label's looks map onto Qt:
// - "transparent" is !autoFillBackground() (QLabel's default): the parent
//   shows through; with autoFillBackground() the label first fills its rect
//   with palette().color(backgroundRole()).
// - the edge colours of 3-D controls are the palette's Light (highlight edge)
//   and Dark (shadow edge) in the colour group the label uses when enabled,
//   so a disabled label still draws its copies in the same colours;
// - the caption's colour is palette().color(foregroundRole()) (WindowText);
//   a disabled label draws it in the Disabled group's colour of that role,
//   the colour Qt's own labels turn when disabled;
// - the caption is always plain text; its vertical alignment is ignored: the
//   text starts at the top of the contents rect.

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;
class QPaintEvent;

namespace tarvel {

class TLabelShadow : public QLabel {
  Q_OBJECT

 public:
  enum class TTextStyle : std::uint8_t { tsNone, tsRaised, tsRecessed, tsShadow };
  Q_ENUM(TTextStyle)

 private:
  Q_PROPERTY(TTextStyle TextStyle READ TextStyle WRITE SetTextStyle)
  Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE SetShadowColor RESET ResetShadowColor)
  Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE SetShadowDepth)
  Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)

 public:
  // Captions longer than this are drawn cut to their first kMaxCaption
  // characters.
  static constexpr int kMaxCaption = 255;

  // Recessed, shadow depth 2, shadow colour = the palette's Dark edge colour,
  // accelerator prefix shown.
  explicit TLabelShadow(QWidget* parent = nullptr);
  explicit TLabelShadow(const QString& text, QWidget* parent = nullptr);

  TTextStyle TextStyle() const { return textStyle_; }
  // The explicit shadow colour, or, while none is set, the palette's Dark
  // edge colour, which follows palette changes.
  QColor ShadowColor() const;
  // True while the shadow colour is the palette's Dark edge colour.
  bool HasSystemShadowColor() const { return !shadowColor_.isValid(); }
  // Distance of the drop shadow in pixels on both axes, right and down;
  // 0 puts it under the text, negative values above left.
  int ShadowDepth() const { return shadowDepth_; }
  // On: "&" underlines the next character and "&&" draws one "&".
  // Off: every "&" is drawn as it stands.
  bool ShowAccelChar() const { return showAccelChar_; }

  // Each writer accepts every value. Writing the value already stored does
  // nothing at all; any other value is stored and the label is repainted.
  void SetTextStyle(TTextStyle value);
  // An invalid QColor selects the palette's Dark edge colour again; an
  // explicit colour, even one equal to the current Dark, no longer follows
  // the palette.
  void SetShadowColor(const QColor& value);
  void ResetShadowColor() { SetShadowColor(QColor()); }
  void SetShadowDepth(int value);
  void SetShowAccelChar(bool value);

  // The caption as drawn: at most kMaxCaption UTF-16 units, never ending in
  // half of a surrogate pair.
  static QString CutCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Draws the effect copies and then the caption inside r with the given
  // QPainter::drawText flags; each drawing is clipped to its own rectangle.
  void DrawCaption(QPainter& painter, const QRect& r, int flags) const;
  // The colour group the label would paint with if it were enabled.
  QPalette::ColorGroup EdgeGroup() const;

  TTextStyle textStyle_ = TTextStyle::tsRecessed;
  QColor shadowColor_;  // invalid: the palette's Dark edge colour
  int shadowDepth_ = 2;
  bool showAccelChar_ = true;
};

using TTextStyle = TLabelShadow::TTextStyle;

}  // namespace tarvel
