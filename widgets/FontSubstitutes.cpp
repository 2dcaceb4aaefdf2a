// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "widgets/FontSubstitutes.h"

#include <QFont>
#include <QString>

namespace tarvel {

void InstallFontSubstitutes() {
  // insertSubstitution ignores a pair it already holds.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  // The star letters are shown as Unicode Greek, which Liberation Serif has.
  QFont::insertSubstitution(QStringLiteral("Symbol"), QStringLiteral("Liberation Serif"));
}

}  // namespace tarvel
