// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The program's start-up against its desktop entry: the names by which the
// desktop finds the running program are those the entry gives.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include "QtPrinters.h"
#include "app/StartUp.h"

namespace tarvel {
namespace {

// The keys of the entry's [Desktop Entry] group.
QMap<QString, QString> DesktopEntry() {
  QFile file(QStringLiteral(TARVEL_DESKTOP_ENTRY));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << TARVEL_DESKTOP_ENTRY;
  QMap<QString, QString> keys;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals > 0) keys.insert(line.left(equals), line.mid(equals + 1));
  }
  return keys;
}

TEST(StartUp, TheWindowsCarryTheNamesOfTheDesktopEntry) {
  SetUpApplication();
  const QMap<QString, QString> entry = DesktopEntry();
  // X gives each window the application's name as its class (WM_CLASS).
  EXPECT_EQ(QCoreApplication::applicationName(), entry.value(QStringLiteral("StartupWMClass")));
  EXPECT_EQ(QCoreApplication::applicationName(), entry.value(QStringLiteral("Exec")));
  EXPECT_EQ(QGuiApplication::desktopFileName() + ".desktop",
            QFileInfo(QStringLiteral(TARVEL_DESKTOP_ENTRY)).fileName());
}

}  // namespace
}  // namespace tarvel
