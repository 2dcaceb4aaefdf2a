// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The program's error report as the navigation window receives it: every
// handler of the window runs its body through this routine, which reports
// whatever the body throws and never throws itself. The main window hands in
// its own (Guarded, app/ErrorReport.h), which this library cannot name.

#include <functional>

namespace tarvel {

using THandlerGuard = std::function<void(const std::function<void()>& body)>;

}  // namespace tarvel
