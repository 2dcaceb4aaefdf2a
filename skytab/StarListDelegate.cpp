// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "skytab/StarListDelegate.h"

#include <QBrush>
#include <QPainter>
#include <QProxyStyle>

namespace tarvel {
namespace {

// Space between a cell's edge and its text, as the style leaves it.
constexpr int kPadding = 4;

class TNoRowBackgrounds : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_PanelItemViewRow) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
};

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

TStarListDelegate::TStarListDelegate(const QFont& font, QObject* parent)
    : QStyledItemDelegate(parent), normal_(font), bold_(Bold(font)) {}

QStyle* TStarListDelegate::RowBackgroundsLeftOut() { return new TNoRowBackgrounds; }

void TStarListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  const TGlyphText& glyphs = index.data(Qt::FontRole).value<QFont>().bold() ? bold_ : normal_;
  const QRect room = option.rect.adjusted(kPadding, 0, -kPadding, 0);
  const qreal width = glyphs.Width(text);
  if (width < 0 || width > room.width()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }

  const bool selected = option.state & QStyle::State_Selected;
  const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (option.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
  if (selected) {
    painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  } else if (option.features & QStyleOptionViewItem::Alternate) {
    painter->fillRect(option.rect, option.palette.brush(group, QPalette::AlternateBase));
  }

  QColor colour = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  const QVariant foreground = index.data(Qt::ForegroundRole);
  if (!selected && foreground.canConvert<QBrush>()) colour = foreground.value<QBrush>().color();
  const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
  const qreal x = alignment & Qt::AlignRight ? room.right() + 1 - width : room.left();
  const qreal y = room.top() + (room.height() - glyphs.Ascent() - glyphs.Descent()) / 2 + glyphs.Ascent();
  painter->setPen(colour);
  glyphs.Draw(*painter, QPointF(x, y), text);
}

}  // namespace tarvel
