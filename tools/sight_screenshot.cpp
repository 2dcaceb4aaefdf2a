// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Draws the navigation window's sight reduction tab for the README, filled as
// a navigator would fill it: the evening of 20 March 2025 in zone 2 W, near 45° N 30° W, the
// ship on course 060° at 12 knots.
//   sun   a Sun sight (lower limb) reduced in the worksheet and put on the
//         list;
//   star  a sight of Polaris, with the warning on its star's place;
//   fix   a three-star running fix (Sirius, Regulus, Capella) with Polaris
//         switched off, and the plotting sheet;
//   log   that fix's log printed to a PDF (OUTPUT.pdf) as "PDF…" prints it.
// The sextant altitudes are worked backwards from a known position with
// small errors of observation, so the fix lands where a real one would.
// Usage: tarvel_sight_screenshot sun|star|fix|log OUTPUT.png|OUTPUT.pdf [--show]
// (--show keeps the window open on the display instead of grabbing it.)

#include <QApplication>
#include <QTemporaryDir>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>
#include <cstdio>
#include <cstring>

#include "app/Main.h"
#include "app/StartUp.h"
#include "navfields/Fields.h"
#include "printing/SightLogPrint.h"
#include "sights/Sailing.h"
#include "sights/Sight.h"
#include "sighttab/SightTab.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"

namespace {

using namespace tarvel;

// The ship's true position at 19:52 and its motion.
constexpr Extended kTrueLat = 45.02L, kTrueLon = -29.95L;
constexpr Extended kCourse = 60, kSpeed = 12;
constexpr std::int32_t kZone = -2;

template <class T>
T* Find(QWidget& tab, const char* name) {
  T* child = tab.findChild<T*>(QString::fromLatin1(name));
  if (!child) {
    std::fprintf(stderr, "no control %s\n", name);
    std::exit(1);
  }
  return child;
}

// The sextant altitude of a body at a time, seen from the true position with
// an error of observation (minutes of arc).
Extended Observed(TBody body, std::int32_t star, std::int32_t h, std::int32_t m, std::int32_t s, Extended error) {
  TSight sight{body, star, kZone, h, m, s, 20, 3, 2025, 0, 0, 10, 10, 1010};
  const Extended hours = static_cast<Extended>((h - 19) * 3600 + (m - 52) * 60 + s) / 3600;
  const TPosition there = CarryPosition({kTrueLat, kTrueLon}, kCourse, kSpeed, hours);
  const Extended hc = ReduceSight({body, star, kZone, h, m, s, 20, 3, 2025, 45, 0, 10, 10, 1010}, there.Lat, there.Lon).Hc;
  return SextantAltitude(sight, hc + error * OneSixtieth, there.Lat, there.Lon);
}

void Enter(QWidget& tab, TBody body, std::int32_t star, std::int32_t h, std::int32_t m, std::int32_t s,
           Extended error) {
  Find<QComboBox>(tab, "cbBody")->setCurrentIndex(static_cast<int>(body));  // the list in the order of TBody
  if (body == TBody::Star) Find<TSpinEdit>(tab, "seStar")->setValue(star);
  Find<QTimeEdit>(tab, "tpSight")->setTime(QTime(h, m, s));
  const Extended hs = Observed(body, star, h, m, s, error);
  Find<TMaskEdit>(tab, "meHs")->setMaskedText(HsText(hs));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3 || (std::strcmp(argv[1], "sun") && std::strcmp(argv[1], "star") && std::strcmp(argv[1], "fix") &&
                   std::strcmp(argv[1], "log"))) {
    std::fprintf(stderr, "usage: %s sun|star|fix|log OUTPUT.png|OUTPUT.pdf [--show]\n", argv[0]);
    return 2;
  }
  const bool show = argc > 3 && std::strcmp(argv[3], "--show") == 0;
  if (!show && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  SetUpApplication();
  // The navigation window keeps its sight log in a data folder of this
  // run's own: never the user's log, and nothing of an earlier run.
  QTemporaryDir data;
  qputenv("TARVEL_DATA_DIR", data.path().toUtf8());

  // The main window at the dead reckoning of 19:00, some miles off the true
  // track, opens the navigation window, which takes its values.
  TForm1 form([] { return QDateTime(QDate(2025, 3, 20), QTime(19, 0, 0)); });
  Find<TSpinEdit>(form, "seNCH")->setValue(2);
  Find<TSpeedButton>(form, "ChangeBtn")->click();
  Find<TMaskEdit>(form, "meFi")->setMaskedText(QStringLiteral("Ш = 44°55,00'"));
  Find<TMaskEdit>(form, "meLam")->setMaskedText(QStringLiteral("Д = 030°17,00'"));
  Find<TSpeedButton>(form, "sbLam")->click();
  Find<TSpinEdit>(form, "seNumStar")->setValue(46);
  form.move(0, 0);
  form.show();
  Find<TSpeedButton>(form, "SpeedButton3")->click();
  QWidget* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("Form3")) window = w;
  }
  if (!window) {
    std::fprintf(stderr, "the navigation window did not open\n");
    return 1;
  }
  Find<QTabWidget>(*window, "Tabs")->setCurrentIndex(1);
  window->move(0, 0);
  window->resize(1276, 870);
  QWidget& tab = *Find<QWidget>(*window, "SightTab");

  Find<QDoubleSpinBox>(tab, "dsCourse")->setValue(static_cast<double>(kCourse));
  Find<QDoubleSpinBox>(tab, "dsSpeed")->setValue(static_cast<double>(kSpeed));
  Find<QDoubleSpinBox>(tab, "dsIndex")->setValue(0);

  const std::string mode = argv[1];
  if (mode == "sun") {
    Enter(tab, TBody::SunLowerLimb, 0, 16, 10, 24, 0.3L);
    Find<QPushButton>(tab, "btnAdd")->click();  // one line of position: no fix yet
  } else if (mode == "star") {
    Enter(tab, TBody::Star, 160, 19, 48, 10, -0.2L);
  } else {
    auto* add = Find<QPushButton>(tab, "btnAdd");
    Enter(tab, TBody::Star, 160, 19, 49, 30, 0.2L);  // Polaris: its place is off by 1,5 miles this year
    add->click();
    Enter(tab, TBody::Star, 46, 19, 40, 12, 0.8L);   // Sirius
    add->click();
    Enter(tab, TBody::Star, 67, 19, 46, 5, -0.7L);   // Regulus
    add->click();
    Enter(tab, TBody::Star, 28, 19, 52, 0, 0.6L);    // Capella
    add->click();
    auto* list = Find<QTableView>(tab, "Sights");
    list->model()->setData(list->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    list->setCurrentIndex(list->model()->index(3, 0));
  }
  window->raise();
  // The tables size their rows when first painted, and the layout follows.
  for (int pass = 0; pass < 3; ++pass) {
    window->grab();
    QApplication::processEvents();
  }
  if (show) return QApplication::exec();
  if (mode == "log") {
    auto* sightTab = qobject_cast<TSightTab*>(&tab);
    sightTab->SetLogTitle(QStringLiteral("вахта 20.03.2025.tlog"));
    try {
      SaveSightLogPdf(QString::fromLocal8Bit(argv[2]), sightTab->PrintedLog());
    } catch (const Exception& error) {
      std::fprintf(stderr, "%s\n", error.what());
      return 1;
    }
    return 0;
  }
  if (!window->grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
