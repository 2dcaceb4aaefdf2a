// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Short texts drawn straight from the font's glyphs, without laying them out
// each time: every character is looked up once, and a text is a row of
// glyphs at their advances. This is what keeps a table whose figures change
// every second cheap to paint. Only for scripts without joining or
// reordering (digits, signs, Latin, Cyrillic, Greek) and without kerning;
// Draw refuses (returns false) a text with a character the face has no glyph
// for, which the caller then draws the usual way.

#include <QHash>
#include <QRawFont>
#include <QString>
#include <QVector>
#include <array>

class QPainter;
class QPointF;

namespace tarvel {

class TGlyphText {
 public:
  explicit TGlyphText(const QFont& font);

  // Width of the text in pixels, or a negative value when a character has no
  // glyph.
  qreal Width(const QString& text) const;

  // Draws the text with its baseline starting at origin in the painter's pen
  // colour; false (and nothing drawn) when a character has no glyph.
  bool Draw(QPainter& painter, const QPointF& origin, const QString& text) const;

  qreal Ascent() const { return ascent_; }
  qreal Descent() const { return descent_; }

 private:
  struct TGlyph {
    quint32 Index = 0;
    qreal Advance = 0;
    bool Known = false;
  };
  bool Lookup(QChar c, TGlyph& glyph) const;
  TGlyph Load(QChar c) const;

  // Latin, Greek and Cyrillic by their code, the rest in the hash.
  static constexpr char16_t kDirect = 0x500;

  QRawFont raw_;
  qreal ascent_ = 0, descent_ = 0;
  mutable std::array<TGlyph, kDirect> direct_{};
  mutable QHash<char16_t, TGlyph> glyphs_;
  mutable QVector<quint32> indexes_;  // scratch of the last Draw
  mutable QVector<QPointF> positions_;
};

}  // namespace tarvel
