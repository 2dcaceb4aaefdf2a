// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The printed sight log, read back from its PDF with poppler's tools: A4
// pages, every part of the log whole on its page, the sheet's stated scale
// true on paper, and a file that cannot be written refused in Russian.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>

#include "printing/PageFlow.h"
#include "printing/SightLogPrint.h"
#include "reports/PositionText.h"
#include "reports/SightSheet.h"
#include "sights/Sailing.h"

namespace tarvel {
namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// The evening of 20 March 2025 in zone 2 W: the ship on 060° at 12 knots,
// truly at 45°01,2'N 29°57,0'W at 19:52, reckoned at 44°55'N 30°17'W at 19:00.
constexpr TPosition kTruth{45.02L, -29.95L};
const TDeadReckoning kReckoning{44 + 55 / 60.0L, -(30 + 17 / 60.0L), {-2, 19, 0, 0, 20, 3, 2025}, 60, 12};

// A sight taken from the true track with a small error, reduced at the
// dead reckoning as the tab reduces it.
TLoggedSight Taken(TBody body, std::int32_t star, std::int32_t seconds, Extended error) {  // seconds after 19:00
  TSight sight{body, star, {-2, 19 + seconds / 3600, seconds / 60 % 60, seconds % 60, 20, 3, 2025}, 45, 0, 10, 10, 1010};
  const Extended hours = static_cast<Extended>(seconds - 52 * 60) / 3600;
  const TPosition there = CarryPosition(kTruth, 60, 12, hours);
  const Extended hc = ReduceSight(sight, there.Lat, there.Lon).Hc;
  sight.Hs = SextantAltitude(sight, hc + error / 60, there.Lat, there.Lon);
  return {sight, kReckoning.Lat, kReckoning.Lon, ReduceSight(sight, kReckoning.Lat, kReckoning.Lon), true};
}

// n sights, 30 s apart from 19:30, of stars all round the sky and Jupiter.
TPrintedLog Log(int n, const QString& title = QStringLiteral("вахта 20 марта.tlog")) {
  const std::int32_t stars[] = {46, 67, 28, 160, 0, 58};  // 0: Jupiter
  TPrintedLog log;
  log.Title = title;
  log.Reckoning = kReckoning;
  log.Settings = {0.8L, 0.5L};
  for (int i = 0; i < n; ++i) {
    const std::int32_t star = stars[i % std::size(stars)];
    log.Sights.push_back(Taken(star ? TBody::Star : TBody::Jupiter, star, 30 * 60 + 30 * i, 0.1L * ((i * 7) % 11 - 5)));
  }
  if (n > 3) log.Sights[1].Enabled = false;
  log.Fix = WorkFix(log.Sights, kReckoning, log.Settings);
  return log;
}

QString Tool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString Squeezed(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")); }

class SightLogPdf : public ::testing::Test {
 protected:
  QString Save(const TPrintedLog& log, const QString& name = QStringLiteral("log.pdf")) {
    const QString path = dir.filePath(name);
    SaveSightLogPdf(path, log);
    return path;
  }
  int Pages(const QString& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Tool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
  }
  QTemporaryDir dir;
};

TEST_F(SightLogPdf, A4PagesThatGrowWithTheSights) {
  const QString few = Save(Log(3), QStringLiteral("few.pdf")), many = Save(Log(40), QStringLiteral("many.pdf"));
  for (const QString& pdf : {few, many}) {
    const QString info = Tool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                         QStringLiteral("-l"), QStringLiteral("99"), pdf});
    const auto sizes = QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+) pts")).globalMatch(info);
    int pages = 0;
    for (auto it = sizes; it.hasNext(); ++pages) {
      const QRegularExpressionMatch m = it.next();
      EXPECT_NEAR(m.captured(1).toDouble(), 595.28, 0.5);  // 210 × 297 mm
      EXPECT_NEAR(m.captured(2).toDouble(), 841.89, 0.5);
    }
    EXPECT_EQ(pages, Pages(pdf));
  }
  EXPECT_GE(Pages(few), 2);  // the sheet and the worksheets do not share the first page
  EXPECT_GT(Pages(many), Pages(few) + 5);  // forty worksheets, four or five to a page

  // A list longer than a page has its captions atop each page it runs on.
  const QString text = Tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Save(Log(90), QStringLiteral("long.pdf")),
                                                          QStringLiteral("-")});
  const QStringList pages = text.split(u'\f');
  ASSERT_GE(pages.size(), 3);
  for (int p : {0, 1}) {
    EXPECT_TRUE(pages[p].contains(QRegularExpression(QStringLiteral("№ +Время +Светило +Hs +Ho +Zn +Перенос, мили +Невязка"))))
        << pages[p].toStdString();
  }
  EXPECT_TRUE(pages[1].contains(QRegularExpression(QStringLiteral("\\n *90 +20:14:30 ")))) << "the list's last row";
}

// Every part of the log is in the text, each row of the list and each line
// of a worksheet whole on one line of one page, under the title and the
// page's number.
TEST_F(SightLogPdf, EverythingIsThereAndNoLineIsCut) {
  const TPrintedLog log = Log(40);
  const QString pdf = Save(log);
  const QString text = Tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
  ASSERT_EQ(pages.size(), Pages(pdf));
  const QString all = Squeezed(text);

  for (int p = 0; p < pages.size(); ++p) {
    EXPECT_TRUE(pages[p].contains(log.Title)) << p;
    EXPECT_TRUE(pages[p].contains(QStringLiteral("Лист %1 из %2").arg(p + 1).arg(pages.size()))) << p;
  }
  EXPECT_TRUE(all.contains(Squeezed(Q("Счисление: " + ReckoningText(kReckoning)))));
  EXPECT_TRUE(all.contains(QStringLiteral("ошибка одной высоты 0,8', рост ошибки счисления 0,5 мили в час")));
  ASSERT_TRUE(log.Fix.Fix);
  for (const std::string& line : FixLines(log.Sights, log.Fix, true)) {
    EXPECT_TRUE(all.contains(Squeezed(Q(line)))) << line;
  }
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Масштаб: 1 см = \\d+(,\\d)? мил"))));
  // A course, bearing or azimuth with three whole degrees, and none shorter.
  EXPECT_TRUE(all.contains(QStringLiteral("курс 060,0°")));
  EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("пеленг \\d{3},\\d°"))));
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("большая ось \\d{3},\\d°"))));
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("азимут светила\\s+там же\\s+\\d{3},\\d°"))),
            static_cast<qsizetype>(log.Sights.size()));
  EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("(курс|пеленг|ось|там же)\\s+\\d{1,2},\\d°"))));

  const QStringList lines = text.split(u'\n');
  const auto lineWith = [&](const QStringList& parts) {
    return std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
      qsizetype at = 0;
      for (const QString& part : parts) {
        at = line.indexOf(part, at);
        if (at < 0) return false;
        at += part.size();
      }
      return true;
    });
  };
  EXPECT_TRUE(lineWith({QStringLiteral("46 α Большого Пса (Сириус)")})) << "a star by number, letter and name";
  for (std::size_t i = 0; i < log.Sights.size(); ++i) {
    const TSightRow row = SightRowTexts(log.Sights[i], ResidualAt(log.Fix, i));
    // The list's row: number, time, Hs, Ho, Zn, intercept and residual.
    EXPECT_TRUE(lineWith({QString::number(i + 1), Q(row[0]), Q(row[2]), Q(row[3]), Q(row[4]), Q(row[5]), Q(row[6])}))
        << "row " << i + 1;
    for (const TWorksheetLine& w : Worksheet(log.Sights[i].Sight, log.Sights[i].Reduction)) {
      EXPECT_TRUE(lineWith({Squeezed(Q(w.Caption)), Q(w.Formula), Q(w.Value)})) << "sight " << i + 1 << ": " << w.Caption;
    }
    EXPECT_TRUE(all.contains(Squeezed(Q("Счислимое место: " + PositionText(log.Sights[i].Lat, log.Sights[i].Lon)))));
  }
  EXPECT_TRUE(all.contains(QStringLiteral("(выключено)")));
}

// 1 cm on the paper is the stated number of miles: the parallels the sheet
// labels lie as many centimetres apart as their minutes of latitude (miles)
// divided by the scale. Positions come from poppler, in points of 1/72 inch.
TEST_F(SightLogPdf, TheStatedScaleIsTrueOnPaper) {
  const QString pdf = Save(Log(5));
  const QString text = Tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  const QRegularExpressionMatch scale = QRegularExpression(QStringLiteral("1 см = (\\d+(?:,\\d)?) мил")).match(text);
  ASSERT_TRUE(scale.hasMatch());
  const double milesPerCm = QString(scale.captured(1)).replace(u',', u'.').toDouble();

  const QString boxes = Tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"[\\d.]+\">(\\d+)°(\\d+(?:,\\d+)?)&apos;([NS]?)</word>"));
  struct TLabel { double x, y, minutes; };
  std::vector<TLabel> parallels;
  for (auto it = word.globalMatch(boxes); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const double minutes = m.captured(3).toDouble() * 60 + QString(m.captured(4)).replace(u',', u'.').toDouble();
    parallels.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(5) == "S" ? -minutes : minutes});
  }
  // The parallels' labels share the sheet's left edge.
  const double left = std::min_element(parallels.begin(), parallels.end(), [](auto& a, auto& b) { return a.x < b.x; })->x;
  std::erase_if(parallels, [&](const TLabel& l) { return std::abs(l.x - left) > 0.5; });
  ASSERT_GE(parallels.size(), 3u);
  const TLabel& top = parallels.front();
  for (std::size_t i = 1; i < parallels.size(); ++i) {
    const double cm = (parallels[i].y - top.y) / 72 * 2.54;
    EXPECT_NEAR((top.minutes - parallels[i].minutes) / milesPerCm, cm, 0.005) << i;  // to 0,05 mm
  }
}

TEST_F(SightLogPdf, AFileThatCannotBeWrittenIsRefusedInRussianAndLeavesNothing) {
  const struct { QString path; const char* why; } cases[] = {
      {dir.filePath(QStringLiteral("нет такой папки/журнал.pdf")), "нет папки"},
      {dir.path(), "это папка"},
      {QString(), "Не удалось записать файл"},
  };
  for (const auto& c : cases) {
    try {
      SaveSightLogPdf(c.path, Log(3));
      ADD_FAILURE() << c.path.toStdString() << " was written";
    } catch (const EPrintError& e) {
      EXPECT_NE(e.Message().find("Не удалось записать файл «" + QDir::toNativeSeparators(c.path).toStdString() + "»"),
                std::string::npos) << e.Message();
      EXPECT_NE(e.Message().find(c.why), std::string::npos) << e.Message();
    }
  }
  EXPECT_FALSE(QFile::exists(cases[0].path));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// A new log replaces the old file whole, and no scratch file is left beside it.
TEST_F(SightLogPdf, ANewLogReplacesTheOldFileWhole) {
  const QString path = Save(Log(3));
  const int few = Pages(path);
  Save(Log(40));
  EXPECT_GT(Pages(path), few);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            QStringList{QStringLiteral("log.pdf")});
}

// Random blocks against the page's rules, checked line by line. Two headings
// in a row are not promised to stay together (the log has none).
TEST(PageFlow, NoLineCrossesThePageAndBlocksKeepTogether) {
  std::mt19937 random(20250320);
  for (int run = 0; run < 200; ++run) {
    const double height = 100;
    std::vector<TFlowBlock> blocks(1 + random() % 25);
    for (TFlowBlock& block : blocks) {
      block.SpaceBefore = random() % 6;
      block.KeepTogether = random() % 3 == 0;
      block.KeepWithNext = random() % 5 == 0;
      block.RepeatFirstLine = random() % 3 == 0;
      const int lines = random() % 4 == 0 ? 40 : 1 + random() % 12;  // some longer than a page
      for (int l = 0; l < lines; ++l) block.Lines.push_back({3.0 + random() % 10, {}});
    }
    const std::vector<TFlowPage> pages = Paginate(blocks, height);
    std::map<const TFlowLine*, std::pair<std::size_t, double>> at;  // page and top of each line
    for (std::size_t p = 0; p < pages.size(); ++p) {
      ASSERT_FALSE(pages[p].empty() && pages.size() > 1);
      for (const TPlacedLine& placed : pages[p]) {
        EXPECT_LE(placed.Top + placed.Line->Height, height);
        EXPECT_GE(placed.Top, 0);
        at.emplace(placed.Line, std::make_pair(p, placed.Top));  // a repeated caption counts where it first stands
      }
    }
    std::pair<std::size_t, double> previous{0, -1};
    const auto total = [](const TFlowBlock& block) {
      double sum = 0;
      for (const TFlowLine& line : block.Lines) sum += line.Height;
      return sum;
    };
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      for (const TFlowLine& line : blocks[b].Lines) {
        ASSERT_TRUE(at.count(&line)) << "a line was left out";
        EXPECT_GT(at[&line], previous) << "lines out of order";
        previous = at[&line];
      }
      const auto page = [&](const TFlowLine& line) { return at[&line].first; };
      // A table that runs on to another page has its captions atop it again.
      if (blocks[b].RepeatFirstLine) {
        for (const TFlowLine& line : blocks[b].Lines) {
          const auto [p, top] = at[&line];
          if (&line == &blocks[b].Lines.front() || p == page(blocks[b].Lines.front())) continue;
          ASSERT_FALSE(pages[p].empty());
          if (pages[p].front().Line != &blocks[b].Lines.front()) {
            ADD_FAILURE() << "a page of the table without its captions, run " << run;
            break;
          }
        }
      }
      if (blocks[b].KeepTogether && total(blocks[b]) <= height) {
        EXPECT_EQ(page(blocks[b].Lines.front()), page(blocks[b].Lines.back()));
      }
      // A heading (not after another) stays with what follows, all of it
      // when that is kept together, where the two fit on a page.
      if (blocks[b].KeepWithNext && b + 1 < blocks.size() && !(b > 0 && blocks[b - 1].KeepWithNext) &&
          !blocks[b + 1].KeepWithNext) {
        const TFlowBlock& next = blocks[b + 1];
        const double both = total(blocks[b]) + next.SpaceBefore +
                            (next.KeepTogether && total(next) <= height ? total(next) : next.Lines.front().Height);
        if (both <= height) {
          EXPECT_EQ(page(blocks[b].Lines.back()), page(blocks[b + 1].Lines.front()));
        }
      }
    }
  }
}

}  // namespace
}  // namespace tarvel
