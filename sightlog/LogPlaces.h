// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Where the sight log is kept between runs. The data folder is the user's
// application data folder (QStandardPaths::AppDataLocation, e.g.
// ~/.local/share/tarvel), or the folder named by the environment variable
// TARVEL_DATA_DIR when it is set (tests, a second log on one account).
// It holds the log not saved under a name of its own ("journal.json"; a
// second copy of the program that begins a log of its own while another
// holds that one keeps it as "journal-2.json", "journal-3.json", …) and a
// one-line file naming the log last opened or written with sights, by
// whichever copy of the program ("last-log"), written atomically.
// Qt Core only; raises ESightLogError (sightlog/SightLogFile.h) when the
// folder or the note cannot be written.

#include <QString>

namespace tarvel {

QString DataFolder();
// The log not saved under a name of its own.
QString UnnamedLogPath();
// The n-th log without a name: the first is UnnamedLogPath(), n is 1 … 99.
QString UnnamedLogPath(int n);
// Whether the path is one of the logs without a name.
bool IsUnnamedLog(const QString& path);
// The log last opened or written with sights: a named file, or the unnamed log.
QString LastLogPath();
void RememberLastLog(const QString& path);
// Moves an unnamed log that cannot be read aside, under a name with the
// time, so the next one does not overwrite it; returns its new path.
QString SetAside(const QString& path);

}  // namespace tarvel
