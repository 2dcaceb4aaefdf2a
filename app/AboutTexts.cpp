// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/AboutTexts.h"

#ifndef TARVEL_VERSION
#error "TARVEL_VERSION must name the program's version, e.g. \"1.0\""
#endif

namespace tarvel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

QString DevelopersName() { return U("Разработчики Тарвел"); }

QString ReleaseLine() { return U("Версия ") + QStringLiteral(TARVEL_VERSION) + QStringLiteral(", 2026"); }

QString ContactLine() { return U("Лицензия GPL-3.0-or-later, версия ") + QStringLiteral(TARVEL_VERSION); }

QString DetailsButtonCaption() { return U("Сведения…"); }

QString DetailsWindowTitle() { return U("Сведения о программе"); }

const std::vector<TCredit>& Credits() {
  static const std::vector<TCredit> credits = {
      {U("Qt 6"), U("окна, файлы журнала, печать"), U("LGPL-3.0")},
      {U("Переводы Qt (qt6-translations-l10n)"), U("русские кнопки и диалоги Qt"), U("GPL-3.0 с исключением Qt 1.0")},
      {U("ERFA (по SOFA МАС)"), U("прецессия и нутация, звёздное время, аберрация, отклонение света"),
       U("BSD-3-Clause")},
      {U("Swiss Ephemeris (Astrodienst AG)"), U("места Солнца, Луны и планет"), U("AGPL-3.0")},
      {U("Файлы эфемерид sepl_18, semo_18 (swe-basic-data, по DE431 JPL)"), U("Солнце, Луна и планеты 1800–2400"),
       U("CC0-1.0")},
      {U("Каталог Hipparcos (ЕКА, ESA SP-1200), stars.dat из kstars-data"),
       U("места, собственные движения и параллаксы 160 звёзд"), U("данные ЕКА; stars.dat — GPL")},
      {U("name.fab и hip_pm.dat из stellarium-data"), U("номера Hipparcos навигационных звёзд"),
       U("GPL-2.0-or-later")},
      {U("Имена звёзд"), U("каталог самой программы"), U("GPL-3.0-or-later")},
      {U("Шрифты Liberation (fonts-liberation)"), U("шрифты окон"), U("GPL-2.0 с исключением для шрифтов")},
  };
  return credits;
}

const std::vector<TAccuracyFigure>& AccuracyFigures() {
  static const std::vector<TAccuracyFigure> figures = {
      {U("Главное окно против ERFA, 1930–2099"),
       U("гринвичский часовой угол точки Овна до 0,14′, Солнца до 0,35′; склонение Солнца до 0,15′")},
      {U("159 звёзд главного окна против Hipparcos"),
       U("до 0,15′ в 2020-х годах, до 0,99′ к концу 2099 года; Полярная: 1,93′ в 2020-х, 14,36′ к концу 2099 года")},
      {U("Места светил окна навигации против DE405 JPL, 1960–2059"),
       U("Солнце 0,003″, Луна 0,016″, Венера 0,010″, Марс 0,009″, Юпитер 0,111″, Сатурн 0,154″ (цель 3″)")},
  };
  return figures;
}

QString DetailsText() {
  QString text = U("<p><b>Тарвел</b> — свободная программа. ") + ContactLine().toHtmlEscaped() + U(".</p>");
  text += U("<p><b>Библиотеки и данные</b></p><table cellspacing=\"0\" cellpadding=\"2\">");
  for (const TCredit& c : Credits()) {
    text += QStringLiteral("<tr><td>%1</td><td>%2</td><td><i>%3</i></td></tr>")
                .arg(c.Name.toHtmlEscaped(), c.Use.toHtmlEscaped(), c.Licence.toHtmlEscaped());
  }
  text += U("</table><p><b>Точность</b> (наибольшие расхождения с эталоном)</p><table cellspacing=\"0\" cellpadding=\"2\">");
  for (const TAccuracyFigure& f : AccuracyFigures()) {
    text += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(f.What.toHtmlEscaped(), f.Figures.toHtmlEscaped());
  }
  return text + QStringLiteral("</table>");
}

}  // namespace tarvel
