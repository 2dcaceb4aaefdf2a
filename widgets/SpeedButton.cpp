// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/SpeedButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tarvel {

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void TSpeedButton::setGlyph(const QPixmap& glyph, int imageCount) {
  glyph_ = glyph;
  imageCount_ = std::max(imageCount, 1);
  update();
}

void TSpeedButton::setSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  update();
}

QPixmap TSpeedButton::image(bool enabled) const {
  if (glyph_.isNull()) return {};
  const int width = glyph_.width() / imageCount_;
  const int index = (!enabled && imageCount_ > 1) ? 1 : 0;
  return glyph_.copy(index * width, 0, width, glyph_.height());
}

QSize TSpeedButton::sizeHint() const {
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
  const QPixmap picture = image(true);
  const int gap = (!picture.isNull() && !this->text().isEmpty()) ? spacing_ : 0;
  return QSize(picture.width() + gap + text.width() + 8, std::max(picture.height(), text.height()) + 8);
}

void TSpeedButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void TSpeedButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void TSpeedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect face = rect();
  painter.fillRect(face, palette().button());
  const bool down = isDown() || isChecked();
  if (isEnabled() && (hovered_ || down)) {
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = face;
    frame.lineWidth = 1;
    frame.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
  }

  const QPixmap picture = image(isEnabled());
  const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
  const int gap = (!picture.isNull() && !text().isEmpty()) ? spacing_ : 0;
  const int contentWidth = picture.width() + gap + textSize.width();
  const int shift = down ? 1 : 0;
  int x = (face.width() - contentWidth) / 2 + shift;
  if (!picture.isNull()) {
    painter.drawPixmap(x, (face.height() - picture.height()) / 2 + shift, picture);
    x += picture.width() + gap;
  }
  const QRect textRect(x, (face.height() - textSize.height()) / 2 + shift, textSize.width(), textSize.height());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace tarvel
