// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include "widgets/FontSubstitutes.h"

namespace tarvel {

namespace {

// The name of the installed translator among the application's children:
// it is installed once.
const QString kQtTranslationName = QStringLiteral("qtbase_ru");

void InstallQtTranslation() {
  if (qApp->findChild<QTranslator*>(kQtTranslationName, Qt::FindDirectChildrenOnly) != nullptr) return;
  std::unique_ptr<QTranslator> translation = LoadQtTranslation();
  if (translation == nullptr) {
    qWarning("%s", qUtf8Printable(QString::fromUtf8("Тарвел: нет перевода Qt %1.qm в «%2» (пакет "
                                                    "qt6-translations-l10n): кнопки и окна Qt будут по-английски")
                                      .arg(kQtTranslationName,
                                           QDir::toNativeSeparators(
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))));
    return;
  }
  translation->setObjectName(kQtTranslationName);
  translation->setParent(qApp);
  QCoreApplication::installTranslator(translation.release());
}

}  // namespace

std::unique_ptr<QTranslator> LoadQtTranslation(const QString& folder) {
  // The file by its whole name: QTranslator would otherwise fall back to
  // qtbase.qm or any shorter name it finds.
  const QString file = QDir(folder).filePath(kQtTranslationName + QStringLiteral(".qm"));
  auto translation = std::make_unique<QTranslator>();
  if (!QFile::exists(file) || !translation->load(file)) return nullptr;
  return translation;
}

void SetUpApplication() {
  // The class of every window (WM_CLASS) under X, whatever name the program
  // was started by; the desktop entry's StartupWMClass names it.
  QApplication::setApplicationName(QStringLiteral("tarvel"));
  // No application display name: the window system would append it to every
  // window title that differs from it ("О программе — Тарвел").
  QApplication::setApplicationVersion(QStringLiteral(TARVEL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvel.Tarvel"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  InstallFontSubstitutes();
  InstallQtTranslation();
}

}  // namespace tarvel
