// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Draws the main window offscreen for the README: 1 January 2000, 12:00:00
// in zone 0 at 55°45' N 37°37' E, with Sirius selected. The picture is the
// window's own grab. Usage: tarvel_screenshot OUTPUT.png

#include <QApplication>
#include <QDateTime>
#include <cstdio>

#include "app/Main.h"
#include "app/StartUp.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tarvel::SetUpApplication();

  tarvel::TForm1 form([] { return QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0)); });
  form.findChild<tarvel::TSpinEdit*>(QStringLiteral("seNCH"))->setValue(0);
  form.findChild<tarvel::TMaskEdit*>(QStringLiteral("meFi"))->setMaskedText(QStringLiteral("Ш = 55°45,00'"));
  form.findChild<tarvel::TMaskEdit*>(QStringLiteral("meLam"))->setMaskedText(QStringLiteral("Д = 037°37,00'"));
  form.findChild<tarvel::TSpinEdit*>(QStringLiteral("seNumStar"))->setValue(46);
  form.show();
  QApplication::processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
