// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/StartUp.h"

#include <QApplication>

#include "widgets/FontSubstitutes.h"

namespace tarvel {

void SetUpApplication() {
  // No application display name: the window system would append it to every
  // window title that differs from it ("О программе — Тарвел").
  QApplication::setApplicationVersion(QStringLiteral(TARVEL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvel.Tarvel"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  InstallFontSubstitutes();
}

}  // namespace tarvel
