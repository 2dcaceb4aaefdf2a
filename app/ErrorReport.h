// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The error report: every event handler of the windows runs its body through
// Guarded(), so that no exception ever crosses a Qt frame. An error is shown
// in a message box with its text, and the program returns to the event loop.
//
// One event gives at most one report: a handler run inside another (a field
// set by the program notifying its own handler) passes its error up to the
// outermost one. And at most one report is open at a time: an error that
// arises while a box is open (a timer tick meeting the same fault again) is
// not reported a second time.

#include <QString>
#include <functional>

namespace tarvel {

using ErrorSink = std::function<void(const QString& message)>;

// Runs body and reports what it throws. Never throws.
void Guarded(const std::function<void()>& body) noexcept;

// Where reports go; the default shows a modal message box. Tests install a
// recorder. Returns the previous sink.
ErrorSink SetErrorSink(ErrorSink sink);

}  // namespace tarvel
