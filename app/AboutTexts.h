// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The texts of the About window and of its "Сведения…" window, all in one
// place: who made the program, its licence and version, the libraries and
// data it uses with their licences (as packaging/copyright states them),
// and the figures of its accuracy as README.md's accuracy tables measure
// them. The version is the project's (CMake), major.minor.

#include <QString>
#include <vector>

namespace tarvel {

// "Разработчики Тарвел", beside each role of the About window.
QString DevelopersName();

// The release line, "Версия <major>.<minor>, 2026".
QString ReleaseLine();

// The contact line, "Лицензия GPL-3.0-or-later, версия <major>.<minor>".
QString ContactLine();

// A library or a body of data the program uses.
struct TCredit {
  QString Name;     // "Qt 6"
  QString Use;      // what the program takes from it
  QString Licence;  // an SPDX name where there is one, "GPL-2.0-or-later"
};
const std::vector<TCredit>& Credits();

// A measured accuracy: what was compared, and the figures.
struct TAccuracyFigure {
  QString What;
  QString Figures;
};
const std::vector<TAccuracyFigure>& AccuracyFigures();

// The "Сведения" window's text (rich text): the licence, the credits as a
// table, the accuracy figures.
QString DetailsText();

// The captions of the button and of the window it opens.
QString DetailsButtonCaption();
QString DetailsWindowTitle();

}  // namespace tarvel
