// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A flat push button with an optional picture left of its caption, the pair
// centred on the face. The frame shows only while the mouse is over it or it
// is held down. It takes no keyboard focus.
//
// The picture may hold two images side by side, the normal one first and the
// one for the disabled state second (setGlyph with imageCount 2).

#include <QAbstractButton>
#include <QPixmap>

namespace tarvel {

class TSpeedButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TSpeedButton(QWidget* parent = nullptr);

  void setGlyph(const QPixmap& glyph, int imageCount = 1);
  // Pixels between the picture and the caption.
  void setSpacing(int spacing);
  int spacing() const { return spacing_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap image(bool enabled) const;

  QPixmap glyph_;
  int imageCount_ = 1;
  int spacing_ = 4;
  bool hovered_ = false;
};

}  // namespace tarvel
