// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "printing/PageFlow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace tarvel {
namespace {

double BlockHeight(const TFlowBlock& block) {
  double height = 0;
  for (const TFlowLine& line : block.Lines) height += line.Height;
  return height;
}

TFlowLine TextLine(const QString& text, const QFont& font, double left, const QFontMetricsF& metrics,
                   const QColor& colour) {
  return {metrics.lineSpacing(), [=](QPainter& painter, const QRectF& box) {
            painter.setFont(font);
            painter.setPen(colour);
            painter.drawText(QPointF(box.left() + left, box.top() + metrics.ascent()), text);
          }};
}

}  // namespace

std::vector<TFlowPage> Paginate(const std::vector<TFlowBlock>& blocks, double height) {
  std::vector<TFlowPage> pages(1);
  double y = 0;
  const auto newPage = [&] {
    pages.emplace_back();
    y = 0;
  };
  for (std::size_t b = 0; b < blocks.size(); ++b) {
    const TFlowBlock& block = blocks[b];
    if (block.Lines.empty()) continue;
    const double space = y > 0 ? block.SpaceBefore : 0;
    // What must fit below the present line for the block to start here.
    double need = block.KeepTogether && BlockHeight(block) <= height ? BlockHeight(block) : block.Lines.front().Height;
    if (block.KeepWithNext && b + 1 < blocks.size() && !blocks[b + 1].Lines.empty()) {
      const TFlowBlock& next = blocks[b + 1];
      need = BlockHeight(block) + next.SpaceBefore +
             (next.KeepTogether && BlockHeight(next) <= height ? BlockHeight(next) : next.Lines.front().Height);
      if (need > height) need = BlockHeight(block);  // the two cannot share a page anyway
    }
    if (y > 0 && y + space + need > height) {
      newPage();
    } else {
      y += space;
    }
    for (const TFlowLine& line : block.Lines) {
      if (y > 0 && y + line.Height > height) {
        newPage();
        const TFlowLine& first = block.Lines.front();
        if (block.RepeatFirstLine && &line != &first && first.Height + line.Height <= height) {
          pages.back().push_back({&first, 0});
          y = first.Height;
        }
      }
      pages.back().push_back({&line, y});
      y += line.Height;
    }
  }
  return pages;
}

TFlowWriter::TFlowWriter(const QPaintDevice& device, double width) : device_(device), width_(width) {}

double TFlowWriter::Millimetres(double mm) const { return mm / 25.4 * device_.logicalDpiY(); }

std::vector<TFlowLine> TFlowWriter::Paragraph(const QString& text, const QFont& font, double indent,
                                              const QColor& colour) const {
  const QFontMetricsF metrics(font, &device_);
  QTextLayout layout(text, font, &device_);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  std::vector<TFlowLine> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width_ - indent);
    lines.push_back(TextLine(text.mid(line.textStart(), line.textLength()).trimmed(), font, indent, metrics, colour));
  }
  layout.endLayout();
  return lines;
}

std::vector<double> TFlowWriter::Columns(const std::vector<QStringList>& rows, const QFont& font, double gap) const {
  const QFontMetricsF metrics(font, &device_);
  std::vector<double> widths;
  for (const QStringList& row : rows) {
    if (widths.size() < static_cast<std::size_t>(row.size())) widths.resize(row.size(), 0);
    for (int c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]));
  }
  std::vector<double> left;
  double x = 0;
  for (double w : widths) {
    left.push_back(x);
    x += w + gap;
  }
  left.push_back(std::max(0.0, x - gap));  // the table's width
  return left;
}

TFlowLine TFlowWriter::Row(const QStringList& cells, const std::vector<double>& left, const QFont& font,
                           const QColor& colour) const {
  const QFontMetricsF metrics(font, &device_);
  return {metrics.lineSpacing(), [=](QPainter& painter, const QRectF& box) {
            painter.setFont(font);
            painter.setPen(colour);
            for (int c = 0; c < cells.size() && static_cast<std::size_t>(c) < left.size(); ++c) {
              painter.drawText(QPointF(box.left() + left[c], box.top() + metrics.ascent()), cells[c]);
            }
          }};
}

}  // namespace tarvel
