// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Drives the modal "Хронометр…" dialog (sighttab/ChronometerDialog.h) from
// the event loop it runs: the steps are given the dialog once it is shown,
// waited for with a deadline, never a fixed sleep.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tarvel {

// Types text into a number field as the user does.
inline void TypeInto(QDoubleSpinBox* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

// Clicks `opener` and, once the dialog is up, runs `steps` on it; steps end
// by accepting or rejecting it. False when no dialog came up in 10 s.
inline bool WithChronometerDialog(QPushButton* opener, const std::function<void(QDialog*)>& steps) {
  bool ran = false;
  auto* poll = new QTimer;
  poll->setInterval(10);
  QElapsedTimer started;
  started.start();
  QObject::connect(poll, &QTimer::timeout, [&, poll] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog && started.elapsed() < 10000) return;
    poll->stop();
    if (dialog) {
      ran = true;
      steps(dialog);
      if (dialog->isVisible()) dialog->reject();  // never left open
    }
  });
  poll->start();
  opener->click();
  poll->stop();
  delete poll;
  return ran;
}

}  // namespace tarvel
