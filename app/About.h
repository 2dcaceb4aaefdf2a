// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// TForm2, the About window: names the program, says in one sentence what it
// computes, credits its developers, gives its licence and version, opens
// the "Сведения…" window of libraries, data and accuracy, and closes with
// one button. Created hidden at start-up, shown modeless from the main
// window any number of times, and only ever hidden, never destroyed, until
// the program ends. Its texts are in app/AboutTexts.h.

#include <QDialog>
#include <QMargins>
#include <QString>

#include "app/AboutTexts.h"

class QShowEvent;

namespace tarvel {

class TAboutDetails;

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  // Builds the window and its controls; the window stays hidden.
  explicit TForm2(QWidget* parent = nullptr);

  // Shows the window without blocking the others; while it is open this
  // only brings it to the front.
  void ShowModeless();

  // Centres the window on the screen whenever it goes from hidden to shown,
  // its frame included, from the first show on.
  void setVisible(bool visible) override;

 public slots:
  // The Ok button: hides the window.
  void SpeedButton1Click();
  // The "Сведения…" button: shows the details window over this one.
  void ShowDetails();

 private:
  void CentreOnScreen();
  QMargins ExpectedFrame() const;

  // The frame the window system gave this window when it was last shown.
  QMargins frame_;
  // Made on the first click of "Сведения…", then only hidden and shown.
  TAboutDetails* details_ = nullptr;
};

}  // namespace tarvel
