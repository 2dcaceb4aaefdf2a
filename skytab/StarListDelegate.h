// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// How the star table paints a cell: its background (alternate rows, the
// selected row) and its text in the model's colour, weight and alignment,
// drawn from cached glyphs (GlyphText.h) since most of the table's figures
// change every second. A text that does not fit its cell, or has a
// character the face lacks, is painted the usual way (elided).

#include <QStyledItemDelegate>

#include "skytab/GlyphText.h"

namespace tarvel {

class TStarListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // font: the table's face; its bold cut is used where the model asks.
  TStarListDelegate(const QFont& font, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The table draws each cell's row background through its style before the
  // delegate paints; this delegate paints it itself, and the table's style
  // should leave it out (RowBackgroundsLeftOut), which spares the style's
  // colour work for every cell.
  static QStyle* RowBackgroundsLeftOut();

 private:
  TGlyphText normal_;
  TGlyphText bold_;
};

}  // namespace tarvel
