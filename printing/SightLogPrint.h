// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sight log on paper: the dead reckoning and the accuracy of the fix,
// the numbered list of sights, the fix with its report and the plotting
// sheet at a round scale printed under it (1 cm on the paper is that many
// miles), and each sight's worksheet with the chronometer's correction at
// its instant (reports/ChronometerText.h). Every page carries the log's title and
// "Лист k из n"; a line of text is never split by a page break, and a
// sight's worksheet or the sheet starts a new page rather than break.
//
// PrintSightLog lays the log out in the device's paintable area at the
// device's own resolution (a printer after its dialog, or a PDF writer).
// SaveSightLogPdf writes an A4 PDF, atomically: the file appears whole or
// not at all, and an existing one is replaced only when the new one is
// complete. Both raise EPrintError, in Russian, when the device or the file
// refuses; the engine's arithmetic faults pass through.

#include <QString>
#include <optional>
#include <vector>

#include "chronometer/Chronometer.h"
#include "core/RuntimeErrors.h"
#include "reports/FixReport.h"
#include "sights/Fix.h"

class QPagedPaintDevice;

namespace tarvel {

class EPrintError : public Exception {
 public:
  using Exception::Exception;
};

struct TPrintedLog {
  QString Title;                          // the log's file name
  std::vector<TLoggedSight> Sights;       // in the list's order
  std::optional<TDeadReckoning> Reckoning;
  TFixSettings Settings;
  TFixOutcome Fix;
  TChronometerRecord Chronometer{};  // each worksheet's chronometer line and its warning
};

// The pages, on a device whose page size and margins are already set.
void PrintSightLog(QPagedPaintDevice& device, const TPrintedLog& log);

// The log as an A4 PDF at `path`.
void SaveSightLogPdf(const QString& path, const TPrintedLog& log);

// The scale of the printed plotting sheet for an area of the given size in
// centimetres: the round scale (miles per centimetre) at which the plot's
// content fits.
Extended PrintedSheetScale(const TPlot& plot, double widthCm, double heightCm);

}  // namespace tarvel
