// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Another copy of the program holding a sight log: a child process
// (sight_log_saver --hold) that takes the log's lock and keeps it until it is
// let go or killed. Needs TARVEL_SIGHT_LOG_SAVER, the child's path.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>

namespace tarvel::samples {

class TLockHolder {
 public:
  explicit TLockHolder(const QString& logPath) {
    child_.start(QStringLiteral(TARVEL_SIGHT_LOG_SAVER), {QStringLiteral("--hold"), logPath});
  }
  ~TLockHolder() {
    if (child_.state() == QProcess::NotRunning) return;
    child_.closeWriteChannel();
    if (!child_.waitForFinished(30000)) child_.kill();
    child_.waitForFinished(30000);
  }

  // The child's word once it has tried the lock: "held" or "not held".
  QByteArray Word() {
    QElapsedTimer deadline;
    deadline.start();
    while (!out_.contains('\n') && deadline.elapsed() < 60000 && child_.state() != QProcess::NotRunning) {
      child_.waitForReadyRead(100);
      out_ += child_.readAllStandardOutput();
    }
    out_ += child_.readAllStandardOutput();
    return out_.trimmed();
  }
  qint64 Pid() const { return child_.processId(); }
  // Ends the child as a crash would: SIGKILL, its lock file left behind.
  bool Kill() {
    child_.kill();
    return child_.waitForFinished(30000);
  }
  // Ends the child as a copy of the program closing: the lock is released.
  bool Release() {
    child_.closeWriteChannel();
    return child_.waitForFinished(30000) && child_.exitCode() == 0;
  }

 private:
  QProcess child_;
  QByteArray out_;
};

}  // namespace tarvel::samples
