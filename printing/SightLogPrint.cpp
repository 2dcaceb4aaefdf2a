// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight log laid out on pages: what goes on them, in which fonts, and
// the page's title and number.

#include "printing/SightLogPrint.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/Arithmetic.h"
#include "core/NumberPicture.h"
#include "fixpanel/SheetDrawing.h"
#include "printing/PageFlow.h"
#include "reports/ChronometerText.h"
#include "reports/PositionText.h"
#include "reports/Reckoning.h"
#include "reports/SightSheet.h"
#include "reports/TextColumns.h"
#include "reports/TimeScalesText.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

const QColor kWarning(150, 0, 0);
const QColor kRule(120, 120, 120);
constexpr double kTableFontPoints = 9;
constexpr double kLeastTableFontPoints = 6.5;

QFont PrintFace(double points, bool bold = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// A star by number, Greek letter and name: "42 θ Возничего"; another body
// in full: "Солнце, нижний край".
QString PrintedBodyText(const TSight& sight) {
  if (sight.Body != TBody::Star) return Text(BodyText(sight));
  return Text(StarText(sight.StarNumber));
}

QString DateText(const TSight& sight) {
  return Text(TwoDigits(sight.Time.Day) + "." + TwoDigits(sight.Time.Month) + "." + std::to_string(sight.Time.Year));
}

TFlowBlock Heading(const TFlowWriter& w, const QString& text, double points = 11) {
  TFlowBlock block{w.Paragraph(text, PrintFace(points, true)), w.Millimetres(5), false, true};
  return block;
}

TFlowBlock Paragraphs(const TFlowWriter& w, const QStringList& texts, const QFont& font,
                      const QColor& colour = Qt::black) {
  TFlowBlock block;
  block.SpaceBefore = w.Millimetres(1.5);
  for (const QString& text : texts) {
    for (TFlowLine& line : w.Paragraph(text, font, 0, colour)) block.Lines.push_back(std::move(line));
  }
  return block;
}

// A table in the largest font up to the table's own at which it fits the width.
QFont TableFont(const TFlowWriter& w, const std::vector<QStringList>& rows, double gap) {
  QFont font = PrintFace(kTableFontPoints);
  const double width = w.Columns(rows, font, gap).back();
  if (width > w.Width()) font.setPointSizeF(std::max(kLeastTableFontPoints, kTableFontPoints * w.Width() / width));
  return font;
}

TFlowBlock ReckoningBlock(const TFlowWriter& w, const TPrintedLog& log) {
  const QFont body = PrintFace(9.5);
  QStringList texts;
  texts << (log.Reckoning ? Text("Счисление: " + ReckoningText(*log.Reckoning)) : QStringLiteral("Счисление не задано"));
  texts << Text("Точность: ошибка одной высоты " + FormatPicture("0.0", log.Settings.SightError) +
                "', рост ошибки счисления " + FormatPicture("0.0", log.Settings.DriftRate) + " мили в час");
  return Paragraphs(w, texts, body);
}

std::vector<TFlowBlock> SightListBlocks(const TFlowWriter& w, const TPrintedLog& log) {
  const auto& sights = log.Sights;
  const bool oneDate = std::all_of(sights.begin(), sights.end(),
                                   [&](const TLoggedSight& s) { return DateText(s.Sight) == DateText(sights[0].Sight); });
  std::vector<TFlowBlock> blocks;
  blocks.push_back(Heading(w, sights.empty()       ? QStringLiteral("Наблюдений нет")
                              : oneDate             ? QStringLiteral("Наблюдения ") + DateText(sights[0].Sight)
                                                    : QStringLiteral("Наблюдения")));
  if (sights.empty()) return blocks;

  std::vector<QStringList> rows;
  QStringList captions{QStringLiteral("№"), QString()};
  for (const std::string& caption : kSightRowCaptions) captions << Text(caption);
  rows.push_back(captions);
  for (std::size_t i = 0; i < sights.size(); ++i) {
    TSightRow texts = SightRowTexts(sights[i], ResidualAt(log.Fix, i), !oneDate);
    QStringList row{QString::number(i + 1), sights[i].Enabled ? QString() : QStringLiteral("выкл")};
    for (const std::string& text : texts) row << Text(text);
    row[3] = PrintedBodyText(sights[i].Sight);
    rows.push_back(row);
  }
  const double gap = w.Millimetres(3);
  QFont font = TableFont(w, rows, gap);
  const std::vector<double> left = w.Columns(rows, font, gap);
  TFlowBlock table;
  table.SpaceBefore = w.Millimetres(1.5);
  table.RepeatFirstLine = true;
  QFont bold = font;
  bold.setBold(true);
  table.Lines.push_back(w.Row(rows[0], w.Columns(rows, bold, gap), bold));
  for (std::size_t r = 1; r < rows.size(); ++r) table.Lines.push_back(w.Row(rows[r], left, font));
  blocks.push_back(std::move(table));
  return blocks;
}

// The sheet with its scale above it, as large as the page allows.
TFlowBlock SheetBlock(const TFlowWriter& w, const TPrintedLog& log, double bodyHeight, double dotsPerInch) {
  const TPlot plot = SightsPlot(log.Sights, *log.Reckoning, log.Fix);
  const QFont bold = PrintFace(10, true);
  const double textHeight = w.Paragraph(QStringLiteral("М"), bold).front().Height;
  const double width = w.Width();
  const double height = std::min(width * 0.8, bodyHeight - 4 * textHeight);
  const double dotsPerCm = dotsPerInch / 2.54;
  const Extended scale = PrintedSheetScale(plot, width / dotsPerCm, height / dotsPerCm);

  TFlowBlock block;
  block.SpaceBefore = w.Millimetres(3);
  block.KeepTogether = true;
  block.Lines = w.Paragraph(Text(ScaleText(scale)), bold);
  block.Lines.push_back({w.Millimetres(1), [](QPainter&, const QRectF&) {}});
  block.Lines.push_back({height, [plot, scale, dotsPerCm, dotsPerInch](QPainter& painter, const QRectF& box) {
                           DrawPlottingSheet(painter, plot, box, static_cast<double>(arith::Divide(dotsPerCm, scale)),
                                             TSheetLook{dotsPerInch / 96});
                         }});
  return block;
}

std::vector<TFlowBlock> FixBlocks(const TFlowWriter& w, const TPrintedLog& log, double bodyHeight,
                                  double dotsPerInch) {
  std::vector<TFlowBlock> blocks;
  blocks.push_back(Heading(w, QStringLiteral("Обсервация")));
  QStringList lines;
  for (const std::string& line : FixLines(log.Sights, log.Fix, true)) lines << Text(line);
  if (lines.isEmpty()) {
    lines << (log.Fix.Error.empty() ? QStringLiteral("Обсервации нет") : Text("Обсервации нет: " + log.Fix.Error));
  }
  blocks.push_back(Paragraphs(w, lines, PrintFace(9.5)));
  if (log.Reckoning) blocks.push_back(SheetBlock(w, log, bodyHeight, dotsPerInch));
  return blocks;
}

std::vector<TFlowBlock> WorksheetBlocks(const TFlowWriter& w, const TPrintedLog& log) {
  std::vector<TFlowBlock> blocks;
  if (log.Sights.empty()) return blocks;
  blocks.push_back(Heading(w, QStringLiteral("Листы вычислений")));
  // One set of columns for every worksheet, so that they read alike.
  std::vector<std::vector<QStringList>> sheets;
  std::vector<QStringList> all;
  for (const TLoggedSight& logged : log.Sights) {
    std::vector<QStringList> rows;
    for (const TWorksheetLine& line : Worksheet(logged.Sight, logged.Reduction)) {
      rows.push_back({Text(line.Caption), Text(line.Formula), Text(line.Value)});
    }
    all.insert(all.end(), rows.begin(), rows.end());
    sheets.push_back(std::move(rows));
  }
  const double gap = w.Millimetres(4);
  const QFont font = TableFont(w, all, gap);
  const std::vector<double> left = w.Columns(all, font, gap);
  const QFont title = PrintFace(9.5, true);
  for (std::size_t i = 0; i < log.Sights.size(); ++i) {
    const TLoggedSight& logged = log.Sights[i];
    TFlowBlock block;
    block.SpaceBefore = w.Millimetres(4);
    block.KeepTogether = true;
    const QString head = QString::number(i + 1) + QStringLiteral(". ") + PrintedBodyText(logged.Sight) +
                         QStringLiteral(" — ") + Text(SightTimeText(logged.Sight)) + QStringLiteral(", пояс ") +
                         Text(ZoneText(logged.Sight.Time.Zone)) +
                         (logged.Enabled ? QString() : QStringLiteral(" (выключено)"));
    block.Lines = w.Paragraph(head, title);
    for (TFlowLine& line : w.Paragraph(Text("Счислимое место: " + PositionText(logged.Lat, logged.Lon)), font)) {
      block.Lines.push_back(std::move(line));
    }
    const Extended at = static_cast<Extended>(SightSeconds(logged.Sight));
    for (TFlowLine& line : w.Paragraph(Text(ChronometerLine(log.Chronometer, at)), font)) {
      block.Lines.push_back(std::move(line));
    }
    for (TFlowLine& line : w.Paragraph(Text(TimeOfRecordLine(logged.Sight)), font)) {
      block.Lines.push_back(std::move(line));
    }
    for (const QStringList& row : sheets[i]) block.Lines.push_back(w.Row(row, left, font));
    std::vector<std::string> warnings = SightWarnings(logged.Sight, logged.Reduction);
    if (const std::string drift = ChronometerWarning(log.Chronometer, at); !drift.empty()) warnings.push_back(drift);
    for (const std::string& warning : warnings) {
      for (TFlowLine& line : w.Paragraph(Text(warning), font, 0, kWarning)) block.Lines.push_back(std::move(line));
    }
    blocks.push_back(std::move(block));
  }
  return blocks;
}

}  // namespace

Extended PrintedSheetScale(const TPlot& plot, double widthCm, double heightCm) {
  const TSheetBox fit = FitBox(plot);
  return RoundScale(std::max(arith::Divide(fit.Width(), widthCm), arith::Divide(fit.Height(), heightCm)));
}

void PrintSightLog(QPagedPaintDevice& device, const TPrintedLog& log) {
  const double width = device.width(), height = device.height();
  const double dotsPerInch = device.logicalDpiX();
  if (dotsPerInch <= 0 || width <= 0 || height <= 0) throw EPrintError("Печать невозможна: у страницы нет размера.");
  const TFlowWriter w(device, width);
  const QFont headerFont = PrintFace(8.5);
  const QFontMetricsF header(headerFont, &device);
  const double top = header.lineSpacing() + w.Millimetres(4);
  const double bodyHeight = height - top;

  std::vector<TFlowBlock> blocks = {Heading(w, QStringLiteral("Журнал наблюдений"), 14), ReckoningBlock(w, log)};
  blocks.front().KeepWithNext = false;
  for (auto part : {SightListBlocks(w, log), FixBlocks(w, log, bodyHeight, dotsPerInch), WorksheetBlocks(w, log)}) {
    for (TFlowBlock& block : part) blocks.push_back(std::move(block));
  }
  const std::vector<TFlowPage> pages = Paginate(blocks, bodyHeight);

  QPainter painter;
  if (!painter.begin(&device)) throw EPrintError("Не удалось начать печать: принтер или файл недоступен.");
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && !device.newPage()) throw EPrintError("Не удалось начать новую страницу при печати.");
    // The title and the page's number on every page, over a rule.
    const QString number = QStringLiteral("Лист %1 из %2").arg(p + 1).arg(pages.size());
    const double numberWidth = header.horizontalAdvance(number);
    const QString title = header.elidedText(log.Title, Qt::ElideMiddle, width - numberWidth - w.Millimetres(10));
    painter.setFont(headerFont);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, header.ascent()), title);
    painter.drawText(QPointF(width - numberWidth, header.ascent()), number);
    painter.setPen(QPen(kRule, w.Millimetres(0.2)));
    const double rule = header.lineSpacing() + w.Millimetres(1);
    painter.drawLine(QPointF(0, rule), QPointF(width, rule));
    for (const TPlacedLine& placed : pages[p]) {
      placed.Line->Paint(painter, QRectF(0, top + placed.Top, width, placed.Line->Height));
    }
  }
  painter.end();
}

}  // namespace tarvel
