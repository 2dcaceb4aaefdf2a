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
//
// A tick of a timer that meets once more the very error reported last is not
// reported again either, or a fault that every tick meets (a bad field, a
// clock out of range) would bring its box back at once after every dismissal
// and leave the user no moment to mend it. The error is reported again after
// anything that may have changed it: a tick or an event that runs without an
// error, or an event of the user's, whose errors are always reported. An
// error with another text is reported at once.

#include <QString>
#include <functional>

namespace tarvel {

using ErrorSink = std::function<void(const QString& message)>;

// What runs a handler: an event (of the user's, or the program's own start),
// or a periodic tick.
enum class Occasion { Event, Tick };

// Runs body and reports what it throws. Never throws. When calls nest, the
// outermost one's occasion counts.
void Guarded(const std::function<void()>& body, Occasion occasion = Occasion::Event) noexcept;

// Where reports go; the default shows a modal message box. Tests install a
// recorder. Returns the previous sink. Nothing reported before counts as
// reported for the new sink.
ErrorSink SetErrorSink(ErrorSink sink);

}  // namespace tarvel
