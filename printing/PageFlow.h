// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Text and drawings flowed down pages: blocks of lines, measured on the
// device they will be painted on, placed page by page so that no line is
// split by a page break, a block kept together starts a new page rather than
// break (unless it is taller than a page), and a heading stays with the line
// after it. All lengths are in the device's units.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace tarvel {

struct TFlowLine {
  double Height = 0;
  std::function<void(QPainter&, const QRectF&)> Paint;  // draws in the line's box, the page's full width
};

struct TFlowBlock {
  std::vector<TFlowLine> Lines;
  double SpaceBefore = 0;     // dropped at the top of a page
  bool KeepTogether = false;  // a worksheet, the plotting sheet
  bool KeepWithNext = false;  // a heading
  bool RepeatFirstLine = false;  // a table's captions, again atop each page it runs on to
};

struct TPlacedLine {
  const TFlowLine* Line = nullptr;
  double Top = 0;  // from the top of the page's body
};
using TFlowPage = std::vector<TPlacedLine>;

// The blocks placed on pages whose body is `height` high. At least one page.
std::vector<TFlowPage> Paginate(const std::vector<TFlowBlock>& blocks, double height);

// Lines measured on one device, for a body `width` wide.
class TFlowWriter {
 public:
  TFlowWriter(const QPaintDevice& device, double width);

  double Width() const { return width_; }
  // Device units in a length on paper.
  double Millimetres(double mm) const;

  // A paragraph wrapped to the width (less `indent`) at its blanks: a line each.
  std::vector<TFlowLine> Paragraph(const QString& text, const QFont& font, double indent = 0,
                                   const QColor& colour = Qt::black) const;
  // The left edges of columns as wide as their widest cell with `gap`
  // between, and last the whole width of the columns.
  std::vector<double> Columns(const std::vector<QStringList>& rows, const QFont& font, double gap) const;
  // A row of cells at those edges.
  TFlowLine Row(const QStringList& cells, const std::vector<double>& left, const QFont& font,
                const QColor& colour = Qt::black) const;

 private:
  const QPaintDevice& device_;
  double width_;
};

}  // namespace tarvel
