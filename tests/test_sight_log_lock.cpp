// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight log's lock between two processes: held by one, refused to the
// other; let go on closing; taken over from a killed holder; none in a folder
// that cannot hold a lock file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "LockHolder.h"
#include "sightlog/LogLock.h"

namespace tarvel {
namespace {

TEST(SightLogLock, HeldByOneProcessRefusedToTheOther) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("вахта.json"));
  samples::TLockHolder other(path);
  ASSERT_EQ(other.Word(), "held");
  {
    const TLogLock lock(path);
    EXPECT_EQ(lock.State(), TLockState::HeldElsewhere);
    EXPECT_EQ(lock.HolderPid(), other.Pid());
  }
  ASSERT_TRUE(other.Release());
  EXPECT_FALSE(QFile::exists(LockPathOf(path)));
  {
    const TLogLock lock(path);
    EXPECT_EQ(lock.State(), TLockState::Held);
    // Another holder, here a second window of this process, is refused too.
    EXPECT_EQ(TLogLock(path).State(), TLockState::HeldElsewhere);
    samples::TLockHolder late(path);
    EXPECT_EQ(late.Word(), "not held");
  }
  EXPECT_FALSE(QFile::exists(LockPathOf(path)));
}

TEST(SightLogLock, AKilledHoldersLockIsTakenOver) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("log.json"));
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    samples::TLockHolder crashed(path);
    ASSERT_EQ(crashed.Word(), "held");
    ASSERT_TRUE(crashed.Kill());
    ASSERT_TRUE(QFile::exists(LockPathOf(path)));  // left behind
    const TLogLock lock(path);
    EXPECT_EQ(lock.State(), TLockState::Held);
    // The lock file is this process's now.
    QFile file(LockPathOf(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine().trimmed().toLongLong(), QCoreApplication::applicationPid());
  }
}

TEST(SightLogLock, AFolderThatCannotHoldALockFile) {
  QTemporaryDir folder;
  EXPECT_EQ(TLogLock(folder.filePath(QStringLiteral("ушла/log.json"))).State(), TLockState::NoLock);
  if (geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
  ASSERT_TRUE(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const TLogLock lock(folder.filePath(QStringLiteral("log.json")));
  EXPECT_EQ(lock.State(), TLockState::NoLock);
  QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace tarvel
