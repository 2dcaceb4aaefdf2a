// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Start-up of the program: the application's names, style, fonts and Qt's
// own texts in Russian, and its two windows, created in this order: the main
// window, then the About window (hidden), which the main window's button
// opens.

#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <memory>

#include "app/About.h"
#include "app/Main.h"

namespace tarvel {

// After the QApplication exists and before any window is made. Installs
// Qt's Russian texts once, however often it is called.
void SetUpApplication();

// Qt's own texts (the file and print dialogs, the standard buttons of
// message boxes and button boxes) in Russian: qtbase_ru.qm from the folder,
// Debian's qt6-translations-l10n in Qt's own translations folder. Russian
// whatever the user's locale, as every text of the program is. Null when
// the file is missing or unreadable: Qt's texts then stay in English and the
// program runs all the same (SetUpApplication says so on stderr).
std::unique_ptr<QTranslator> LoadQtTranslation(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

struct TWindows {
  TWindows() { Form1.SetAboutWindow(&Form2); }
  TForm1 Form1;
  TForm2 Form2;
};

}  // namespace tarvel
