// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sight log's file (reports/SightLog.h): JSON in UTF-8, one object
//   {"format": "tarvel-sights", "version": 2,
//    "chronometer": {"comparisons": [{…, "correction": -3.4}, …], "rate": 0.6},
//    "reckoning": {…}, "settings": {…}, "sights": [{…}, …]}
// with every value as the user entered it: an angle of position as
// {"deg": 55, "min": 45.5, "hem": "N"}, Hs as {"deg": 27, "min": 23.7},
// dates, times and zones as whole numbers, the other inputs as the numbers
// their fields show. "settings" holds the fix's accuracy and the observer's
// settings of the sight form (index error, eye height, temperature,
// pressure); a log written before the latter were kept opens with the form's
// defaults for them. "chronometer" is the chronometer's record
// (chronometer/Chronometer.h): its comparisons in time order, each a ship's
// instant and the correction u in seconds to a tenth (negative when the
// chronometer is fast), an undated one holding "correction" alone; "rate",
// the daily rate typed (s/сут, to a tenth), is absent when the rate comes
// from the last two comparisons. A log of version 1 has instead one
// "clockCorrection" (optional): it is read as the one comparison of the
// record, at the instant of the log's first sight (in the list's order), or
// undated when the log has no sight; its other fields read as before. README.md lists the fields. A value read back is the
// one the form's own reading of the same text gives, to the last bit, so a
// log opened shows and computes exactly what was saved. The reductions are
// not stored: reading a log reduces its sights again.
//
// Writing goes through QSaveFile: a program killed at any moment leaves the
// previous file or the new one, never a mixture.
//
// Errors raise ESightLogError with a Russian text that names the file and
// what is wrong: not JSON, cut short, another format, a newer version, a
// field missing or out of the form's range or with more decimals than its
// field holds ("наблюдение 2: …"), a sight that cannot be reduced, a path
// that cannot be read or written, a write that cannot be completed (a full
// disk). Nothing is returned or replaced then: a failed write leaves the
// previous file as it was. Qt Core only.

#include <QByteArray>
#include <QString>

#include "core/RuntimeErrors.h"
#include "reports/SightLog.h"

namespace tarvel {

class ESightLogError : public Exception {
 public:
  using Exception::Exception;
};

// A log written by a newer program: read by none of this one's functions,
// and never written over.
class ENewerSightLog : public ESightLogError {
 public:
  using ESightLogError::ESightLogError;
};

inline constexpr const char* kSightLogFormat = "tarvel-sights";
inline constexpr int kSightLogVersion = 2;

// The file's text.
QByteArray SightLogJson(const TSightLog& log);
// The log of a file's text; path only names the file in the errors.
TSightLog ParseSightLog(const QByteArray& text, const QString& path);

TSightLog ReadSightLog(const QString& path);
void WriteSightLog(const QString& path, const TSightLog& log);

// Writes bytes to a file atomically (QSaveFile).
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace tarvel
