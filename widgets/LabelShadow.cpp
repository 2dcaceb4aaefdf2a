// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/LabelShadow.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace tarvel {

static_assert(sizeof(TTextStyle) == 1, "the text style is stored in one byte");

TLabelShadow::TLabelShadow(QWidget* parent) : QLabel(parent) {
  // The caption is never markup; sizeHint then measures the same plain text
  // that paintEvent draws.
  setTextFormat(Qt::PlainText);
}

TLabelShadow::TLabelShadow(const QString& text, QWidget* parent) : TLabelShadow(parent) {
  setText(text);
}

QColor TLabelShadow::ShadowColor() const {
  return shadowColor_.isValid() ? shadowColor_ : palette().color(EdgeGroup(), QPalette::Dark);
}

void TLabelShadow::SetTextStyle(TTextStyle value) {
  if (value == textStyle_) return;
  textStyle_ = value;
  update();
}

void TLabelShadow::SetShadowColor(const QColor& value) {
  // Every invalid colour means the palette colour, whatever its components.
  const bool same = value.isValid() ? value == shadowColor_ : !shadowColor_.isValid();
  if (same) return;
  shadowColor_ = value.isValid() ? value : QColor();
  update();
}

void TLabelShadow::SetShadowDepth(int value) {
  if (value == shadowDepth_) return;
  shadowDepth_ = value;
  update();
}

void TLabelShadow::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  update();
}

QString TLabelShadow::CutCaption(const QString& caption) {
  if (caption.size() <= kMaxCaption) return caption;
  qsizetype n = kMaxCaption;
  if (caption.at(n - 1).isHighSurrogate()) --n;
  return caption.left(n);
}

QPalette::ColorGroup TLabelShadow::EdgeGroup() const {
  // The rule QWidget::palette() applies to an enabled widget.
  return (!isVisible() || isActiveWindow()) ? QPalette::Active : QPalette::Inactive;
}

void TLabelShadow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (autoFillBackground()) painter.fillRect(rect(), palette().color(backgroundRole()));
  drawFrame(&painter);

  // Only the horizontal part of the alignment counts; the text always starts
  // at the top.
  const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
  int flags = Qt::AlignTop | Qt::TextExpandTabs;
  if (align & Qt::AlignRight) {
    flags |= Qt::AlignRight;
  } else if (align & Qt::AlignHCenter) {
    flags |= Qt::AlignHCenter;
  } else {
    flags |= Qt::AlignLeft;
  }
  DrawCaption(painter, contentsRect(), flags);
}

void TLabelShadow::DrawCaption(QPainter& painter, const QRect& r, int flags) const {
  const QString t = CutCaption(text());
  if (wordWrap()) flags |= Qt::TextWordWrap;
  // Without a mnemonic flag QPainter draws "&" as it stands.
  if (showAccelChar_) flags |= Qt::TextShowMnemonic;

  painter.setFont(font());
  painter.setBrush(Qt::NoBrush);
  const auto draw = [&](const QColor& colour, int dx, int dy) {
    const QRect moved = r.translated(dx, dy);
    painter.setClipRect(moved);
    painter.setPen(colour);
    painter.drawText(moved, flags, t);
  };

  const QPalette& pal = palette();
  const QPalette::ColorGroup edges = EdgeGroup();
  switch (textStyle_) {
    case TTextStyle::tsRaised:
      draw(pal.color(edges, QPalette::Dark), 1, 1);
      draw(pal.color(edges, QPalette::Light), -1, -1);
      break;
    case TTextStyle::tsRecessed:
      draw(pal.color(edges, QPalette::Light), 1, 1);
      draw(pal.color(edges, QPalette::Dark), -1, -1);
      break;
    case TTextStyle::tsShadow: {
      // A shadow this far away lies outside any label; the clamp keeps the
      // moved rectangle's coordinates from overflowing.
      constexpr int kFar = 1 << 16;
      const int depth = std::clamp(shadowDepth_, -kFar, kFar);
      draw(ShadowColor(), depth, depth);
      break;
    }
    case TTextStyle::tsNone:
      break;
  }
  draw(isEnabled() ? pal.color(edges, foregroundRole()) : pal.color(QPalette::Disabled, foregroundRole()),
       0, 0);
  painter.setClipping(false);
}

}  // namespace tarvel
