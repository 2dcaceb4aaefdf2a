// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/GroupBox.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace tarvel {
namespace {

constexpr int kCaptionIndent = 8;
constexpr int kLine = 1;
constexpr int kInnerMargin = 2;

// The frame and the caption are drawn here rather than by the style: styles
// set the caption above the frame, and some draw the frame in a shade meant
// for a light background.
class GroupBoxStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
      return QProxyStyle::subControlRect(control, option, sub, widget);
    }
    const QRect rect = box->rect;
    const int captionHeight = box->fontMetrics.height();
    const QRect frame = rect.adjusted(0, captionHeight / 2, 0, 0);
    switch (sub) {
      case SC_GroupBoxLabel:
        return {rect.left() + kCaptionIndent, rect.top(), box->fontMetrics.horizontalAdvance(box->text),
                captionHeight};
      case SC_GroupBoxFrame:
        return frame;
      case SC_GroupBoxContents: {
        const int inset = kLine + kInnerMargin;
        return frame.adjusted(inset, inset, -inset, -inset);
      }
      default:
        return {};
    }
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    painter->save();
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    painter->setPen(QPen(box->palette.color(QPalette::Dark), kLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame.adjusted(0, 0, -kLine, -kLine));
    if (!box->text.isEmpty()) {
      const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
      painter->fillRect(caption, box->palette.color(QPalette::Window));
      painter->setPen(box->palette.color(QPalette::WindowText));
      painter->drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, box->text);
    }
    painter->restore();
  }
};

}  // namespace

TGroupBox::TGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  // The rest of the drawing is that of the application's own style.
  auto* style = new GroupBoxStyle(QStyleFactory::create(QApplication::style()->name()));
  style->setParent(this);
  setStyle(style);
}

}  // namespace tarvel
