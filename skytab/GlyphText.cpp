// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "skytab/GlyphText.h"

#include <QGlyphRun>
#include <QPainter>

namespace tarvel {

TGlyphText::TGlyphText(const QFont& font) : raw_(QRawFont::fromFont(font)) {
  ascent_ = raw_.ascent();
  descent_ = raw_.descent();
}

TGlyphText::TGlyph TGlyphText::Load(QChar c) const {
  TGlyph g;
  g.Known = true;
  if (raw_.isValid() && !c.isSurrogate()) {
    quint32 index = 0;
    int count = 1;
    if (raw_.glyphIndexesForChars(&c, 1, &index, &count) && count == 1 && index != 0) {
      QPointF advance;
      raw_.advancesForGlyphIndexes(&index, &advance, 1);
      g.Index = index;
      g.Advance = advance.x();
    }
  }
  return g;
}

bool TGlyphText::Lookup(QChar c, TGlyph& glyph) const {
  const char16_t code = c.unicode();
  if (code < kDirect) {
    TGlyph& g = direct_[code];
    if (!g.Known) g = Load(c);
    glyph = g;
  } else {
    auto known = glyphs_.find(code);
    if (known == glyphs_.end()) known = glyphs_.insert(code, Load(c));
    glyph = *known;
  }
  return glyph.Index != 0;
}

qreal TGlyphText::Width(const QString& text) const {
  qreal width = 0;
  TGlyph g;
  for (QChar c : text) {
    if (!Lookup(c, g)) return -1;
    width += g.Advance;
  }
  return width;
}

bool TGlyphText::Draw(QPainter& painter, const QPointF& origin, const QString& text) const {
  indexes_.resize(text.size());
  positions_.resize(text.size());
  qreal x = 0;
  TGlyph g;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!Lookup(text[i], g)) return false;
    indexes_[i] = g.Index;
    positions_[i] = QPointF(x, 0);
    x += g.Advance;
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setGlyphIndexes(indexes_);
  run.setPositions(positions_);
  painter.drawGlyphRun(origin, run);
  return true;
}

}  // namespace tarvel
