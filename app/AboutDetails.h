// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// TAboutDetails, the "Сведения о программе" window that the About window's
// "Сведения…" button opens: the licence, the libraries and data the program
// uses with their licences, and the figures of its accuracy
// (app/AboutTexts.h), with a button that closes it. Modeless, over the
// About window that owns it; closing only hides it.

#include <QDialog>

namespace tarvel {

class TAboutDetails : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutDetails(QWidget* parent = nullptr);

  // Shows the window, or brings it to the front when it is open.
  void ShowModeless();
};

}  // namespace tarvel
