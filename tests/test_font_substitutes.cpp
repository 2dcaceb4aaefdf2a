// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The faces the windows name resolve to their Liberation stand-ins.

#include <gtest/gtest.h>

#include <algorithm>

#include <QFont>
#include <QFontInfo>
#include <QStringList>

#include "QtPrinters.h"
#include "widgets/FontSubstitutes.h"

namespace tarvel {
namespace {

TEST(FontSubstitutes, NamedFacesResolveToLiberation) {
  InstallFontSubstitutes();
  InstallFontSubstitutes();  // a second call changes nothing
  struct TCase {
    const char* named;
    const char* drawn;
  };
  const TCase cases[] = {
      {"MS Sans Serif", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Arial", "Liberation Sans"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.named);
    // The table keeps its names in lower case.
    const QStringList substitutes = QFont::substitutes(QString::fromLatin1(c.named));
    EXPECT_EQ(std::count_if(substitutes.begin(), substitutes.end(),
                            [&](const QString& s) { return s.compare(QString::fromLatin1(c.drawn), Qt::CaseInsensitive) == 0; }),
              1);
    QFont font{QString::fromLatin1(c.named)};
    font.setPixelSize(13);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.drawn));
    EXPECT_EQ(font.family(), QString::fromLatin1(c.named));
  }
}

}  // namespace
}  // namespace tarvel
