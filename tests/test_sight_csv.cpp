// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The list as CSV, read back by Python's csv module: the fields come back
// whole, however awkward.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "SightLogSamples.h"
#include "reports/SightCsv.h"
#include "reports/SightSheet.h"

namespace tarvel {
namespace {

// The rows as Python's csv reader (strict, RFC 4180 quoting) reads them.
std::vector<std::vector<std::string>> PythonRows(const std::string& text) {
  QProcess python;
  python.start(QStringLiteral("python3"),
               {QStringLiteral("-c"),
                QStringLiteral("import csv, io, json, re, sys\n"
                               "data = sys.stdin.buffer.read().decode('utf-8')\n"
                               "rows = list(csv.reader(io.StringIO(data, newline=''), strict=True))\n"
                               "bare = re.sub(r'\"(?:[^\"]|\"\")*\"', '', data)\n"
                               "ends = bare.count('\\r\\n') == bare.count('\\n') == bare.count('\\r')\n"
                               "print(json.dumps({'rows': rows, 'crlf': ends}))\n")});
  python.write(QByteArray::fromStdString(text));
  python.closeWriteChannel();
  EXPECT_TRUE(python.waitForFinished(60000));
  const QJsonObject result = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
  EXPECT_TRUE(result["crlf"].toBool()) << "a line end that is not CRLF";
  std::vector<std::vector<std::string>> rows;
  for (const QJsonValue row : result["rows"].toArray()) {
    rows.emplace_back();
    for (const QJsonValue field : row.toArray()) rows.back().push_back(field.toString().toStdString());
  }
  return rows;
}

class SightCsv : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty()) GTEST_SKIP() << "no python3";
  }
};

TEST_F(SightCsv, AwkwardFieldsComeBackWhole) {
  const std::vector<std::string> fields = {"plain", "a, comma", "a \"quote\"", "two\r\nlines", "one\nline", "",
                                           "\"", ",", "Солнце, нижний край", " blanks "};
  const std::string text = CsvLine(fields) + CsvLine({"1", "2"});
  const auto rows = PythonRows(text);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], fields);
  EXPECT_EQ(rows[1], (std::vector<std::string>{"1", "2"}));
}

TEST_F(SightCsv, OneRowASightWithItsInputsAndResults) {
  std::mt19937 random(5);
  TSightLog log = samples::RandomLog(random, 9);
  log.Sights[2] = samples::RandomSight(random, TBody::Star, 42);
  const TFixOutcome fix = WorkFix(log.Sights, log.Reckoning, log.Settings);
  const auto rows = PythonRows(SightsCsv(log.Sights, fix));
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0][2], "Светило");
  EXPECT_EQ(rows[0][17], "Невязка, ′");
  EXPECT_EQ(rows[0][18], "Поправка хронометра, с");
  // The index column holds what the form calls "Индексная ошибка" (positive
  // when the sextant reads high); the worksheet applies its negative as i.
  EXPECT_EQ(rows[0][7], "Индексная ошибка, ′");
  EXPECT_EQ(rows[1][2], "Солнце, нижний край");
  EXPECT_EQ(rows[3][2], "42 θ Возничего");
  for (std::size_t k = 0; k < log.Sights.size(); ++k) {
    SCOPED_TRACE(k);
    const std::vector<std::string>& row = rows[k + 1];
    const TLoggedSight& s = log.Sights[k];
    ASSERT_EQ(row.size(), 19u);  // the last, the chronometer's correction, empty without the record
    EXPECT_EQ(row[0], std::to_string(k + 1));
    EXPECT_EQ(row[1], s.Enabled ? "да" : "нет");
    EXPECT_EQ(std::stoi(row[5]), s.Sight.Time.Zone);
    // Numbers with a decimal point, to their stated places.
    EXPECT_NEAR(std::stod(row[6]), static_cast<double>(s.Sight.Hs), 5e-7);
    EXPECT_NEAR(std::stod(row[7]), static_cast<double>(s.Sight.IndexError), 1e-9);
    const TWorksheetLine index = Worksheet(s.Sight, s.Reduction)[1];
    ASSERT_EQ(index.Formula, "−(индексная ошибка)");
    // "+1,5'", "−0,3'", "0,0'": the correction the worksheet applied.
    std::string applied = index.Value.substr(0, index.Value.size() - 1);
    if (applied.rfind("−", 0) == 0) applied = "-" + applied.substr(std::string("−").size());
    std::replace(applied.begin(), applied.end(), ',', '.');
    EXPECT_NEAR(std::stod(applied), -std::stod(row[7]), 1e-9) << index.Value << " " << row[7];
    EXPECT_NEAR(std::stod(row[11]), static_cast<double>(s.Lat), 5e-7);
    EXPECT_NEAR(std::stod(row[12]), static_cast<double>(s.Lon), 5e-7);
    EXPECT_NEAR(std::stod(row[13]), static_cast<double>(s.Reduction.Ho), 5e-5);
    EXPECT_NEAR(std::stod(row[16]), static_cast<double>(s.Reduction.Intercept), 5e-3);
    const std::optional<Extended> residual = ResidualAt(fix, k);
    if (residual) {
      EXPECT_NEAR(std::stod(row[17]), static_cast<double>(*residual), 5e-3);
    } else {
      EXPECT_EQ(row[17], "");
    }
    for (std::size_t column = 5; column < row.size(); ++column) {
      EXPECT_EQ(row[column].find(','), std::string::npos) << row[column];  // a decimal point
    }
  }
}

}  // namespace
}  // namespace tarvel
