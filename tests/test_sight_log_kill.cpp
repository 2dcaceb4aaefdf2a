// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// A program killed while it saves leaves the previous log or the new one:
// a child saving in a loop is killed at seeded random moments, and after
// each kill the file must read back as one of the two, byte for byte.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "SightLogSamples.h"
#include "sightlog/SightLogFile.h"

namespace tarvel {
namespace {

TEST(SightLogKill, AKilledSaveLeavesThePreviousOrTheNewFile) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("log.json"));
  int last = 0;  // the number of the last save known complete
  WriteSightLog(path, samples::NumberedLog(last));
  std::mt19937 random(424242);
  for (int round = 0; round < 25; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    QProcess child;
    child.start(QStringLiteral(TARVEL_SIGHT_LOG_SAVER), {path, QString::number(last + 1)});
    ASSERT_TRUE(child.waitForStarted(30000));
    // Wait for a random number of completed saves, then spin a random
    // further moment: the kill falls anywhere within a save.
    const int saves = std::uniform_int_distribution<int>(1, 4)(random);
    QByteArray out;
    QElapsedTimer deadline;
    deadline.start();
    while (out.count('\n') < saves && deadline.elapsed() < 60000) {
      child.waitForReadyRead(100);
      out += child.readAllStandardOutput();
    }
    ASSERT_GE(out.count('\n'), saves) << "the child saves nothing";
    const qint64 spin = std::uniform_int_distribution<qint64>(0, 3000000)(random);  // nanoseconds
    QElapsedTimer moment;
    moment.start();
    while (moment.nsecsElapsed() < spin) {
    }
    child.kill();  // SIGKILL
    ASSERT_TRUE(child.waitForFinished(30000));
    out += child.readAllStandardOutput();
    const QList<QByteArray> numbers = out.trimmed().split('\n');
    const int reported = numbers.last().toInt();

    TSightLog read;
    try {
      read = ReadSightLog(path);
    } catch (const ESightLogError& error) {
      FAIL() << "after the save of " << reported << ": " << error.Message();
    }
    ASSERT_EQ(read.Chronometer.Comparisons.size(), 1u);
    const int found = static_cast<int>(read.Chronometer.Comparisons[0].Correction);
    // The last save reported is complete; the next one may have completed
    // before the kill without being reported.
    ASSERT_TRUE(found == reported || found == reported + 1) << found << " after " << reported;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), SightLogJson(samples::NumberedLog(found)));
    last = found;
  }
}

}  // namespace
}  // namespace tarvel
