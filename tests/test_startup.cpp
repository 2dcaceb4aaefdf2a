// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The program's start-up against its desktop entry: the names by which the
// desktop finds the running program are those the entry gives; Qt's own
// buttons and dialogs speak Russian whatever the user's locale.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

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

// The standard buttons' texts, their mnemonics' "&" left out; the words
// from Qt's Russian translation as the user sees them.
TEST(StartUp, QtsOwnButtonsSpeakRussianWhateverTheLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  SetUpApplication();
  SetUpApplication();  // installed once: a second call changes nothing
  QLocale::setDefault(before);
  const struct {
    QDialogButtonBox::StandardButton button;
    const char* text;
  } cases[] = {
      {QDialogButtonBox::Open, "Открыть"}, {QDialogButtonBox::Save, "Сохранить"},
      {QDialogButtonBox::Cancel, "Отмена"}, {QDialogButtonBox::Yes, "Да"},
      {QDialogButtonBox::No, "Нет"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    QDialogButtonBox box(c.button);
    EXPECT_EQ(box.button(c.button)->text().remove(u'&'), QString::fromUtf8(c.text));
  }
  QMessageBox question(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(question.button(QMessageBox::Cancel)->text().remove(u'&'), QString::fromUtf8("Отмена"));
  EXPECT_EQ(question.button(QMessageBox::Yes)->text().remove(u'&'), QString::fromUtf8("Да"));
  // The file dialog's and the print dialog's own words come from the same file.
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open").remove(u'&'), QString::fromUtf8("Открыть"));
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print").remove(u'&'), QString::fromUtf8("Печать"));
}

// Without the translation file the program starts all the same, in Qt's
// English; a folder of another name is not taken for it.
TEST(StartUp, AMissingTranslationLeavesQtInEnglish) {
  const QTemporaryDir empty;
  EXPECT_EQ(LoadQtTranslation(empty.path()), nullptr);
  QFile other(empty.filePath(QStringLiteral("qtbase.qm")));
  ASSERT_TRUE(QFile::copy(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm"),
                          other.fileName()));
  EXPECT_EQ(LoadQtTranslation(empty.path()), nullptr);
  EXPECT_NE(LoadQtTranslation(), nullptr);
}

}  // namespace
}  // namespace tarvel
