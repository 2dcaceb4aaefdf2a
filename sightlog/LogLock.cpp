// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sightlog/LogLock.h"

#include <QLockFile>

namespace tarvel {

QString LockPathOf(const QString& logPath) { return logPath + QStringLiteral(".lock"); }

TLogLock::TLogLock(const QString& logPath) : file_(std::make_unique<QLockFile>(LockPathOf(logPath))) {
  // Held for hours: only a dead holder makes a lock stale, never its age.
  file_->setStaleLockTime(0);
  // A short wait lets a stale lock's removal by another starting copy end.
  if (file_->tryLock(100)) {
    state_ = TLockState::Held;
    return;
  }
  if (file_->error() != QLockFile::LockFailedError) {
    state_ = TLockState::NoLock;
    return;
  }
  state_ = TLockState::HeldElsewhere;
  QString host, application;
  if (!file_->getLockInfo(&holder_, &host, &application)) holder_ = 0;
}

TLogLock::~TLogLock() = default;  // QLockFile unlocks

}  // namespace tarvel
