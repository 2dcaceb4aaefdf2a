// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Holding a sight log against a second copy of the program: a lock file
// beside the log ("вахта.json.lock", QLockFile) for as long as a window has
// the log open. A window that cannot hold its log (TLockState::HeldElsewhere)
// never writes it.
//
// A lock left by a process that no longer runs (killed, crashed) is taken
// over: QLockFile finds it stale by the process id and name written in it.
// Age never makes a lock stale (setStaleLockTime(0)), since a window holds
// its log for hours. A folder where no lock file can be made (a read-only
// one) gives TLockState::NoLock: the log cannot be written there by any copy,
// and its writes fail with their own message. Qt Core only; raises nothing.

#include <QString>
#include <memory>

class QLockFile;

namespace tarvel {

enum class TLockState { Held, HeldElsewhere, NoLock };

class TLogLock {
 public:
  // Tries to hold the log at logPath at once; released by the destructor.
  explicit TLogLock(const QString& logPath);
  ~TLogLock();
  TLogLock(const TLogLock&) = delete;
  TLogLock& operator=(const TLogLock&) = delete;

  TLockState State() const { return state_; }
  // The process that holds the log while State() is HeldElsewhere (0 when
  // its lock file cannot be read).
  qint64 HolderPid() const { return holder_; }

 private:
  std::unique_ptr<QLockFile> file_;
  TLockState state_ = TLockState::NoLock;
  qint64 holder_ = 0;
};

// The lock file of a log.
QString LockPathOf(const QString& logPath);

}  // namespace tarvel
