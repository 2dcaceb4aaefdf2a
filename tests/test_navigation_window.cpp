// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The navigation window with the real main window, offscreen: opening and
// closing, following the main window's recalculations, choosing a star on
// the chart and in the table, the table's order, the altitude band with the
// best three, the marks of unreliable stars, and the twilight buttons.

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimeEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "ZenithFault.h"
#include "MainWindowFixture.h"
#include "almanac/SkyTexts.h"
#include "almanac/TwilightView.h"
#include "navfields/Fields.h"
#include "navigation/Navigation.h"
#include "sights/Sailing.h"
#include "sights/Sight.h"
#include "skytab/SkyChart.h"
#include "skytab/SkyTab.h"
#include "skytab/StarListModel.h"
#include "widgets/MaskEdit.h"

namespace tarvel {
namespace {

class NavigationTest : public MainWindowTest {
 protected:
  static TForm3* Window() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QLatin1String("Form3")) return qobject_cast<TForm3*>(w);
    }
    return nullptr;
  }

  TForm3* Open() {
    Get<TSpeedButton>("SpeedButton3")->click();
    TForm3* window = Window();
    EXPECT_NE(window, nullptr);
    return window;
  }

  template <class T = QWidget>
  static T* In(const char* name) {
    T* child = Window() ? Window()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static TSkyChart* Chart() { return In<TSkyChart>("SkyChart"); }
  static QTableView* Table() { return In<QTableView>("StarList"); }
  static TStarListModel* Rows() { return static_cast<TStarListModel*>(Table()->model()); }
  static QString Cell(std::int32_t star, TStarColumn column) {
    const int row = Rows()->RowOfStar(star);
    return row < 0 ? QString() : Rows()->index(row, static_cast<int>(column)).data().toString();
  }

  // The main window's inputs as the tab receives them.
  TAlmanacInputs Inputs() const {
    const QDate d = Get<QDateEdit>("DatePicker")->date();
    const QTime t = Get<QTimeEdit>("TimePicker")->time();
    return {form->Zone(), t.hour(), t.minute(), t.second(), d.day(), d.month(), d.year(),
            form->Latitude(), form->Longitude(), form->StarNumber()};
  }

  void SetPlace(const char* latitude, const char* longitude, QDate date, QTime time, int zone) {
    Get<TSpinEdit>("seNCH")->setValue(zone);
    Get<QDateEdit>("DatePicker")->setDate(date);
    Get<QTimeEdit>("TimePicker")->setTime(time);
    Fi()->setMaskedText(QString::fromUtf8(latitude));
    Lam()->setMaskedText(QString::fromUtf8(longitude));
  }
};

TEST_F(NavigationTest, ButtonOpensTheWindowModelessAndOnlyOnce) {
  Create();
  auto* button = Get<TSpeedButton>("SpeedButton3");
  EXPECT_EQ(button->geometry(), QRect(287, 368, 150, 35));
  EXPECT_EQ(button->text(), QStringLiteral("Навигация..."));
  EXPECT_EQ(button->toolTip(), QStringLiteral("Небосвод, сумерки и обработка наблюдений (F2)"));
  EXPECT_EQ(button->font().family(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(button->font().pixelSize(), 15);
  EXPECT_TRUE(button->font().bold());
  EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(button->spacing(), Get<TSpeedButton>("SpeedButton1")->spacing());
  EXPECT_EQ(Window(), nullptr);  // made on first use only

  form->show();
  TForm3* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
  auto* tabs = In<QTabWidget>("Tabs");
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Небосвод"));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("Обработка наблюдений"));

  // Again: the same window, brought forward.
  form->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), form.get());
  EXPECT_EQ(Open(), window);
  QTRY_COMPARE(QApplication::activeWindow(), window);
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Open(), window);  // closing only hid it
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(NavigationTest, FollowsCompletedRecalculationsOnly) {
  Create();
  Open();
  In<QCheckBox>("AllStars")->click();  // Sirius is below the horizon
  EnterWorkedExample();
  Get<TSpinEdit>("seNumStar")->setValue(46);
  EXPECT_EQ(Chart()->When(), QStringLiteral("1 января 2000 г.\n12:00:00, пояс 0"));
  EXPECT_EQ(Chart()->Where(), QStringLiteral("55°45,00' N\n037°37,00' E"));
  // The precise place of the main window's star; its distance from the
  // main window's place in the error column.
  const TStarTexts sirius = StarTexts(SkyView(Inputs(), {}), 46);
  EXPECT_EQ(Cell(46, TStarColumn::Magnitude), QString::fromStdString(sirius.Magnitude));
  EXPECT_EQ(Cell(46, TStarColumn::Altitude), QString::fromStdString(sirius.Altitude));
  EXPECT_EQ(Cell(46, TStarColumn::Azimuth), QString::fromStdString(sirius.Azimuth));
  EXPECT_EQ(Cell(46, TStarColumn::LocalHourAngle), QString::fromStdString(sirius.LocalHourAngle));
  EXPECT_EQ(Cell(46, TStarColumn::Declination), QString::fromStdString(sirius.Declination));
  EXPECT_EQ(Cell(46, TStarColumn::PlaceError), QString::fromStdString(sirius.PlaceError));
  EXPECT_EQ(Caption("Label11").left(6), Cell(46, TStarColumn::Declination).left(6));  // the same degrees and minutes' tens
  // The Sun, the Moon and the planets are rows too; the Moon has no error.
  EXPECT_EQ(Cell(kMoonRow, TStarColumn::Name), QStringLiteral("Луна"));
  EXPECT_EQ(Cell(kMoonRow, TStarColumn::PlaceError), QString());
  EXPECT_EQ(Cell(kSunRow, TStarColumn::Name), QStringLiteral("Солнце"));
  EXPECT_FALSE(Cell(kSunRow, TStarColumn::PlaceError).isEmpty());
  EXPECT_EQ(Rows()->headerData(static_cast<int>(TStarColumn::Magnitude), Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("Зв. вел."));

  // The Sun exactly in the zenith at 11:12:53: the main window reports the
  // error, and the navigation window keeps the last completed instant
  // (where the processor's bits make it fault: tests/ZenithFault.h).
  SetPlace("Ш = 16°15,73'", "Д = 013°12,63'", QDate(2000, 8, 7), QTime(11, 12, 52), 0);
  const QString before = Chart()->When();
  EXPECT_EQ(before, QStringLiteral("7 августа 2000 г.\n11:12:52, пояс 0"));
  const QString altitude = Cell(46, TStarColumn::Altitude);
  if (ZenithFaultsHere()) {
    Get<QTimeEdit>("TimePicker")->setTime(QTime(11, 12, 53));
    ASSERT_EQ(errors, QStringList{QStringLiteral("Floating point division by zero")});
    EXPECT_EQ(Chart()->When(), before);
    EXPECT_EQ(Cell(46, TStarColumn::Altitude), altitude);
  }

  // A hidden window keeps the inputs and shows them when it comes back.
  Window()->close();
  Get<QTimeEdit>("TimePicker")->setTime(QTime(6, 0, 0));
  EXPECT_EQ(Chart()->When(), before);
  Open();
  EXPECT_EQ(Chart()->When(), QStringLiteral("7 августа 2000 г.\n06:00:00, пояс 0"));  // one time format, HH:mm:ss
}

TEST_F(NavigationTest, ChartAndTableChooseTheMainWindowsStar) {
  Create();
  Open();
  EnterWorkedExample();
  TSkyChart* chart = Chart();
  const TSkyView view = SkyView(Inputs(), {});
  // A star drawn clear of its neighbours, that is not the selected one.
  std::int32_t star = 0;
  for (std::int32_t k = 2; k <= kStarCount && !star; ++k) {
    if (StarOf(view, k).AboveHorizon && chart->StarAt(chart->StarPoint(k)) == k) star = k;
  }
  ASSERT_NE(star, 0);
  const QPoint at = chart->StarPoint(star).toPoint();
  QHelpEvent hover(QEvent::ToolTip, at, chart->mapToGlobal(at));
  QApplication::sendEvent(chart, &hover);
  EXPECT_EQ(QToolTip::text(), QString::fromStdString(StarHoverText(view, star)));
  QTest::mouseClick(chart, Qt::LeftButton, {}, at);
  EXPECT_EQ(Get<TSpinEdit>("seNumStar")->value(), star);
  EXPECT_EQ(form->StarNumber(), star);
  EXPECT_EQ(Caption("Label18").trimmed(), QString::fromStdString(StarTitle(star)).section(' ', 2));
  QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(2, chart->height() - 2));  // no star there
  EXPECT_EQ(form->StarNumber(), star);

  // The selected star's row is highlighted; choosing another row selects it.
  QTableView* table = Table();
  EXPECT_TRUE(table->selectionModel()->isRowSelected(Rows()->RowOfStar(star)));
  const int row = Rows()->RowOfStar(star) == 0 ? 1 : 0;
  const std::int32_t other = Rows()->StarOfRow(row);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(Rows()->index(row, 1)).center());
  QTRY_COMPARE(form->StarNumber(), other);
  EXPECT_TRUE(table->selectionModel()->isRowSelected(Rows()->RowOfStar(other)));
  // A star the main window chose itself is highlighted as well.
  Get<TSpinEdit>("seNumStar")->setValue(star);
  EXPECT_TRUE(table->selectionModel()->isRowSelected(Rows()->RowOfStar(star)));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(NavigationTest, TableSortsByValueAndShowsAllStarsOnRequest) {
  Create();
  Open();
  EnterWorkedExample();
  const TSkyView view = SkyView(Inputs(), {});
  const auto rows = [] {
    std::vector<std::int32_t> stars;
    for (int r = 0; r < Rows()->rowCount(); ++r) stars.push_back(Rows()->StarOfRow(r));
    return stars;
  };
  EXPECT_EQ(rows(), StarOrder(view, TStarColumn::Altitude, true, false));  // highest first
  QHeaderView* header = Table()->horizontalHeader();
  for (TStarColumn column : {TStarColumn::Number, TStarColumn::Declination, TStarColumn::PlaceError,
                             TStarColumn::Name, TStarColumn::LocalHourAngle}) {
    const int section = static_cast<int>(column);
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    const bool descending = header->sortIndicatorOrder() == Qt::DescendingOrder;
    EXPECT_EQ(rows(), StarOrder(view, column, descending, false)) << section;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(rows(), StarOrder(view, column, !descending, false)) << section;
  }
  // The error column whole in sight at the window's default size, with
  // room for its heading and its figures; before, the name column stopped
  // at its least and "Погр." ran off the table's right edge.
  const int error = static_cast<int>(TStarColumn::PlaceError);
  const auto inSight = [&] {
    return header->sectionViewportPosition(error) + header->sectionSize(error) <= Table()->viewport()->width();
  };
  // The default size on this screen (offscreen: bounded to 800 × 600), then
  // the default of a full-size screen.
  EXPECT_TRUE(RunUntil(inSight)) << Window()->width();
  Window()->resize(1240, 800);
  EXPECT_TRUE(RunUntil(inSight)) << Window()->width();
  EXPECT_GE(header->sectionSize(error), Table()->fontMetrics().horizontalAdvance(QStringLiteral("0,00'")));
  EXPECT_GE(header->sectionSize(error), header->fontMetrics().horizontalAdvance(QStringLiteral("Погр.")));
  In<QCheckBox>("AllStars")->click();
  EXPECT_EQ(Rows()->rowCount(), kSkyRowCount);  // the stars, the Sun, the Moon and the planets
  In<QCheckBox>("AllStars")->click();
  EXPECT_EQ(rows().size(), StarOrder(view, TStarColumn::Number, false, false).size());
}

TEST_F(NavigationTest, BandGreysStarsAndNamesTheBestThree) {
  Create();
  Open();
  EnterWorkedExample();
  auto* from = In<QSpinBox>("BandFrom");
  auto* to = In<QSpinBox>("BandTo");
  EXPECT_EQ(from->value(), 15);
  EXPECT_EQ(to->value(), 70);
  for (const auto& [low, high] : {std::pair{15, 70}, std::pair{30, 40}, std::pair{0, 90}, std::pair{60, 61}}) {
    to->setValue(90);
    from->setValue(low);
    to->setValue(high);
    const TSkyView view = SkyView(Inputs(), {static_cast<Extended>(low), static_cast<Extended>(high)});
    EXPECT_EQ(In<QLabel>("BestThree")->text(), QString::fromStdString(BestThreeText(view))) << low;
    for (int r = 0; r < Rows()->rowCount(); ++r) {
      const std::int32_t k = Rows()->StarOfRow(r);
      const QModelIndex name = Rows()->index(r, static_cast<int>(TStarColumn::Name));
      const QColor colour = name.data(Qt::ForegroundRole).value<QBrush>().color();
      EXPECT_EQ(colour, StarOf(view, k).Best ? QColor(0, 255, 0) : StarOf(view, k).InBand ? QColor(255, 255, 255)
                                                                                         : QColor(128, 128, 128))
          << k;
    }
  }
  // A band turned inside out is kept as typed and refused with its message
  // (the boxes used to bound each other without a word); the best three stay
  // those of the last band taken until it is mended.
  from->setValue(50);
  const QString best = In<QLabel>("BestThree")->text();
  to->setValue(20);
  EXPECT_EQ(from->value(), 50);
  EXPECT_EQ(to->value(), 20);
  EXPECT_EQ(In<QLabel>("lbBandError")->text(), QStringLiteral("Нижняя граница высот больше верхней"));
  EXPECT_EQ(In<QLabel>("BestThree")->text(), best);
  to->setValue(70);
  EXPECT_TRUE(In<QLabel>("lbBandError")->text().isEmpty());
  EXPECT_EQ(In<QLabel>("BestThree")->text(),
            QString::fromStdString(BestThreeText(SkyView(Inputs(), {50, 70}))));
}

TEST_F(NavigationTest, MagnitudeLimitBesideTheBandChoosesAmongBrighterBodies) {
  Create();
  Open();
  EnterWorkedExample();
  auto* limit = In<QDoubleSpinBox>("dsMagnitudeLimit");
  EXPECT_EQ(limit->value(), 2.5);
  // The box itself bounds nothing a navigator would type: the tab refuses a
  // limit out of 1,0 … 4,0 with its message (below), so that what is typed
  // stays as typed.
  EXPECT_LT(limit->minimum(), 0.5);
  EXPECT_GT(limit->maximum(), 5.0);
  EXPECT_EQ(limit->text(), QStringLiteral("2,5"));  // the decimal comma
  for (double faintest : {1.0, 1.5, 4.0, 2.5}) {
    limit->setValue(faintest);
    const TSkyView view = SkyView(Inputs(), {15, 70, static_cast<Extended>(faintest)});
    EXPECT_EQ(In<QLabel>("BestThree")->text(), QString::fromStdString(BestThreeText(view))) << faintest;
    for (std::int32_t k : view.Best) EXPECT_LE(StarOf(view, k).Magnitude, faintest) << k;
  }
  // A typed value with a comma is read as the navigator means it.
  limit->clear();
  QTest::keyClicks(limit, QStringLiteral("1,8"));
  EXPECT_DOUBLE_EQ(limit->value(), 1.8);
  // Out of range: kept as typed and refused with the message; the best
  // three stay those of the last limit taken, a new second too.
  auto* message = In<QLabel>("lbBandError");
  auto* best = In<QLabel>("BestThree");
  EXPECT_TRUE(message->text().isEmpty());
  const struct { const char* typed; double limit; } typed[] = {{"5", 1.8}, {"0,5", 1.8}, {"2,0", 2.0}};
  for (const auto& t : typed) {
    limit->clear();
    QTest::keyClicks(limit, QString::fromUtf8(t.typed));
    EXPECT_EQ(limit->text(), QString::fromUtf8(t.typed));
    const bool refused = t.limit == 1.8;
    EXPECT_EQ(message->text(), refused ? QStringLiteral("Предел звёздной величины должен быть от 1,0 до 4,0")
                                       : QString())
        << t.typed;
    EXPECT_EQ(best->text(), QString::fromStdString(BestThreeText(SkyView(Inputs(), {15, 70, static_cast<Extended>(t.limit)}))))
        << t.typed;
    Get<QTimeEdit>("TimePicker")->setTime(Get<QTimeEdit>("TimePicker")->time().addSecs(60));  // the next minute
    EXPECT_EQ(best->text(), QString::fromStdString(BestThreeText(SkyView(Inputs(), {15, 70, static_cast<Extended>(t.limit)}))))
        << t.typed;
    EXPECT_EQ(limit->text(), QString::fromUtf8(t.typed));
  }
  EXPECT_TRUE(errors.isEmpty());  // no message box: typing goes on
}

// Dense skies on a small chart: no label covers another; a star whose label
// had to be left out is still drawn and still named by its hover text; the
// planets and the Moon cannot be chosen as the main window's star.
TEST_F(NavigationTest, ChartLabelsNeverCoverOneAnother) {
  Create();
  for (const auto& [latitude, hour] : {std::pair{38.0L, 19}, std::pair{-33.0L, 20}, std::pair{55.75L, 2}}) {
    TAlmanacInputs in;
    in.Time = {11, hour, 45, 0, 19, 8, 2010};
    in.Latitude = latitude;
    in.Longitude = 170.73L;
    in.StarNumber = 99;
    const TSkyView view = SkyView(in, {});
    TSkyChart chart;
    chart.resize(300, 300);
    chart.SetView(&view, in.StarNumber);
    chart.show();
    chart.grab();  // painted once
    const auto& labels = chart.Labels();
    std::size_t above = 0;
    for (std::int32_t k = 1; k <= kSkyRowCount; ++k) above += StarOf(view, k).AboveHorizon ? 1 : 0;
    ASSERT_GT(labels.size(), 10u);
    EXPECT_LT(labels.size(), above) << "a chart this small cannot label every body";
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_TRUE(StarOf(view, labels[i].first).AboveHorizon);
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        EXPECT_FALSE(labels[i].second.intersects(labels[j].second)) << labels[i].first << " " << labels[j].first;
      }
      // Nor another body's dot or symbol: a name beside a dot reads as its.
      for (const TSkyChart::TMark& mark : chart.Marks()) {
        if (mark.Row == labels[i].first) continue;
        EXPECT_FALSE(labels[i].second.intersects(mark.Box)) << labels[i].first << " on " << mark.Row;
      }
    }
    // Every body above the horizon is drawn once, a dot at least as large
    // as its place's pixel.
    EXPECT_EQ(chart.Marks().size(), above);
    if (StarOf(view, 99).AboveHorizon) {
      EXPECT_EQ(labels.front().first, 99);  // the main window's star labelled first
    }
    // A star left without a label, clear of its neighbours, still names itself.
    std::int32_t unlabelled = 0;
    for (std::int32_t k = 1; k <= kStarCount && !unlabelled; ++k) {
      const bool labelled = std::any_of(labels.begin(), labels.end(), [k](const auto& l) { return l.first == k; });
      if (!labelled && StarOf(view, k).AboveHorizon && chart.StarAt(chart.StarPoint(k)) == k) unlabelled = k;
    }
    ASSERT_NE(unlabelled, 0);
    const QPoint at = chart.StarPoint(unlabelled).toPoint();
    QHelpEvent hover(QEvent::ToolTip, at, chart.mapToGlobal(at));
    QApplication::sendEvent(&chart, &hover);
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(StarHoverText(view, unlabelled)));
    QToolTip::hideText();
    int clicked = 0;
    QObject::connect(&chart, &TSkyChart::starClicked, [&](int k) { clicked = k; });
    for (std::int32_t k = kMoonRow; k <= kSaturnRow; ++k) {
      if (!StarOf(view, k).AboveHorizon || chart.StarAt(chart.StarPoint(k)) != k) continue;
      QTest::mouseClick(&chart, Qt::LeftButton, {}, chart.StarPoint(k).toPoint());
      EXPECT_EQ(clicked, 0) << k;
    }
  }
  EXPECT_TRUE(errors.isEmpty());
}

// Venus and Mars under 2° apart in the west on the evening of 19 August
// 2010 at Sydney, the Moon and the Sun elsewhere; other evenings, large and
// small charts. No symbol of the Sun, the Moon or a planet covers another;
// one moved aside stays near its place, where the mouse still finds it.
TEST_F(NavigationTest, ChartSymbolsNeverCoverOneAnother) {
  Create();
  const struct { Extended latitude, longitude; TShipTime time; int size; bool moved; } cases[] = {
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 520, true},
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 300, true},
      {38.0L, 170.73L, {11, 19, 45, 0, 19, 8, 2010}, 300, true},  // the same two, that week
      {55.75L, 37.625L, {3, 17, 0, 0, 1, 1, 2000}, 520, false},
  };
  for (const auto& c : cases) {
    TAlmanacInputs in;
    in.Time = c.time;
    in.Latitude = c.latitude;
    in.Longitude = c.longitude;
    in.StarNumber = 99;
    const TSkyView view = SkyView(in, {});
    TSkyChart chart;
    chart.resize(c.size, c.size);
    chart.SetView(&view, in.StarNumber);
    chart.show();
    chart.grab();
    std::vector<TSkyChart::TMark> symbols;
    for (const TSkyChart::TMark& mark : chart.Marks()) {
      if (!IsStarRow(mark.Row)) symbols.push_back(mark);
    }
    bool moved = false;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
      const QPointF place = chart.StarPoint(symbols[i].Row);
      const QPointF aside = symbols[i].At - place;
      moved = moved || !aside.isNull();
      EXPECT_LE(std::hypot(aside.x(), aside.y()), 60) << symbols[i].Row;
      EXPECT_TRUE(symbols[i].Box.contains(symbols[i].At));
      EXPECT_EQ(chart.StarAt(symbols[i].At), symbols[i].Row);
      for (std::size_t j = i + 1; j < symbols.size(); ++j) {
        EXPECT_FALSE(symbols[i].Box.intersects(symbols[j].Box)) << symbols[i].Row << " " << symbols[j].Row << " at "
                                                               << c.size;
      }
    }
    EXPECT_EQ(moved, c.moved) << c.size;
  }
  // The two planets of that evening stand close together in the west.
  TAlmanacInputs sydney;
  sydney.Time = cases[0].time;
  sydney.Latitude = cases[0].latitude;
  sydney.Longitude = cases[0].longitude;
  const TSkyView evening = SkyView(sydney, {});
  EXPECT_NEAR(static_cast<double>(StarOf(evening, kVenusRow).Azimuth), 289, 3);
  EXPECT_NEAR(static_cast<double>(StarOf(evening, kMarsRow).Azimuth), 289, 3);
  EXPECT_NEAR(static_cast<double>(StarOf(evening, kVenusRow).Altitude - StarOf(evening, kMarsRow).Altitude), 0, 0.5);
  EXPECT_TRUE(errors.isEmpty());
}

// A second later every body is within a hundredth of a pixel of its place:
// the chart keeps its layout (and repaints its captions only); ten minutes
// later it lays the sky out again. What it draws is never further than
// kStill from where the view puts it.
TEST_F(NavigationTest, ChartKeepsItsLayoutWhileNothingVisiblyMoves) {
  Create();
  TAlmanacInputs in;
  in.Time = {3, 17, 0, 0, 1, 1, 2000};
  in.Latitude = 55.75L;
  in.Longitude = 37.625L;
  in.StarNumber = 46;
  TSkyView view = SkyView(in, {});
  TSkyChart chart;
  chart.resize(520, 520);
  chart.SetView(&view, in.StarNumber);
  chart.show();
  chart.grab();
  const std::vector<TSkyChart::TMark> first = chart.Marks();
  const auto same = [&] {
    return std::equal(first.begin(), first.end(), chart.Marks().begin(), chart.Marks().end(),
                      [](const auto& a, const auto& b) { return a.Row == b.Row && a.At == b.At; });
  };
  const struct { int seconds; bool kept; } steps[] = {{1, true}, {2, true}, {600, false}};
  for (const auto& step : steps) {
    TAlmanacInputs later = in;
    later.Time.Second = step.seconds % 60;
    later.Time.Minute = step.seconds / 60;
    view = SkyView(later, {});
    chart.SetView(&view, in.StarNumber);
    chart.grab();
    EXPECT_EQ(same(), step.kept) << step.seconds;
    EXPECT_TRUE(chart.When().contains(QStringLiteral("17:%1:%2").arg(step.seconds / 60, 2, 10, QLatin1Char('0'))
                                          .arg(step.seconds % 60, 2, 10, QLatin1Char('0'))));
    for (const TSkyChart::TMark& mark : chart.Marks()) {
      const QPointF off = mark.Place - chart.StarPoint(mark.Row);
      EXPECT_LE(std::hypot(off.x(), off.y()), TSkyChart::kStill) << mark.Row;
    }
  }
  // Another star chosen in the main window is laid out at once.
  std::int32_t other = 1;
  while (other == in.StarNumber || !StarOf(view, other).AboveHorizon) ++other;
  chart.SetView(&view, other);
  EXPECT_EQ(chart.Labels().front().first, other);
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(NavigationTest, UnreliableStarPlaceIsMarkedAndStaysACandidate) {
  Create();
  Open();
  // Polaris at 50° N in 2050: its place may be off by 4.4'.
  SetPlace("Ш = 50°00,00'", "Д = 000°00,00'", QDate(2050, 1, 1), QTime(0, 0, 0), 0);
  In<QSpinBox>("BandFrom")->setValue(45);
  In<QSpinBox>("BandTo")->setValue(55);
  const TSkyView view = SkyView(Inputs(), {45, 55});
  ASSERT_TRUE(StarOf(view, 160).InBand);
  const QModelIndex error = Rows()->index(Rows()->RowOfStar(160), static_cast<int>(TStarColumn::PlaceError));
  EXPECT_TRUE(error.data().toString().startsWith(QStringLiteral("4,")));
  EXPECT_EQ(error.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
  EXPECT_FALSE(error.data(Qt::ToolTipRole).toString().isEmpty());
  // Sights are reduced with the precise places, so the mark does not take
  // Polaris out of the best three: the window offers the model's choice.
  EXPECT_EQ(In<QLabel>("BestThree")->text(), QString::fromStdString(BestThreeText(SkyView(Inputs(), {45, 55}))));
}

TEST_F(NavigationTest, TwilightButtonsSetTheShipsTimeAndStopAutomaticTime) {
  Create(QDateTime(QDate(2026, 12, 9), QTime(14, 0, 0)));
  Open();
  SetPlace("Ш = 55°45,00'", "Д = 037°37,00'", QDate(2026, 12, 9), QTime(14, 0, 0), 3);
  const TTwilightView twilight = TwilightView(Inputs());
  const char* names[6] = {"MorningNautical", "MorningCivil", "Sunrise", "Sunset", "EveningCivil", "EveningNautical"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(In<QLabel>(names[i])->text(), QString::fromStdString(twilight.Texts[i]));
  ASSERT_GE(twilight.MorningStars, 0);

  Get<QCheckBox>("CheckBox1")->setChecked(true);
  In<QPushButton>("MorningStars")->click();
  EXPECT_FALSE(Get<QCheckBox>("CheckBox1")->isChecked());
  EXPECT_FALSE(Get<QTimer>("Timer1")->isActive());
  EXPECT_EQ(Get<QDateEdit>("DatePicker")->date(), QDate(2026, 12, 9));
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(0, 0).addSecs(twilight.MorningStars));
  EXPECT_EQ(Chart()->When().section('\n', 1), QTime(0, 0).addSecs(twilight.MorningStars).toString("HH:mm:ss") + ", пояс 3 E");
  In<QPushButton>("EveningStars")->click();
  EXPECT_EQ(Get<QTimeEdit>("TimePicker")->time(), QTime(0, 0).addSecs(twilight.EveningStars));

  EXPECT_TRUE(In<QLabel>("lbStarTimeReason")->text().isEmpty());
  // No star time: a polar night, a white night without nautical twilight
  // and a polar day; each greyed button says why, beside it and in its
  // tooltip. Then an ordinary date again.
  const struct { const char* latitude; QDate date; const char* reason; } dates[] = {
      {"Ш = 80°00,00'", QDate(2026, 12, 21), "Гражданские сумерки не наступают (полярная ночь)"},
      {"Ш = 60°00,00'", QDate(2026, 6, 21), "Навигационные сумерки не наступают (белая ночь)"},
      {"Ш = 64°30,00'", QDate(2026, 6, 15), "Навигационные сумерки не наступают (белая ночь)"},
      {"Ш = 70°00,00'", QDate(2026, 6, 21), "Солнце не заходит (полярный день)"},
      {"Ш = 55°45,00'", QDate(2026, 12, 9), ""}};
  for (const auto& d : dates) {
    SetPlace(d.latitude, "Д = 037°37,00'", d.date, QTime(12, 0, 0), 3);
    const QString reason = QString::fromUtf8(d.reason);
    for (const char* name : {"MorningStars", "EveningStars"}) {
      EXPECT_EQ(In<QPushButton>(name)->isEnabled(), reason.isEmpty()) << d.latitude << name;
      if (!reason.isEmpty()) EXPECT_EQ(In<QPushButton>(name)->toolTip(), reason) << d.latitude << name;
      if (reason.isEmpty()) EXPECT_TRUE(In<QPushButton>(name)->toolTip().startsWith(QStringLiteral("Поставить")));
    }
    EXPECT_EQ(In<QLabel>("lbStarTimeReason")->text(), reason) << d.latitude;
    EXPECT_EQ(In<QLabel>("lbStarTimeReason")->isVisibleTo(Window()), true);
    if (!reason.isEmpty()) EXPECT_EQ(In<QLabel>("MorningNautical")->text(), QStringLiteral("—")) << d.latitude;
  }
  EXPECT_TRUE(errors.isEmpty());
}

// A filled worksheet makes the sight page taller; the window must neither
// grow by itself nor refuse a smaller size: the pages scroll instead of
// being squeezed or cut off.
TEST_F(NavigationTest, WindowShrinksToASmallScreenAndNeverGrowsByItself) {
  Create();
  form->show();
  TForm3* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Навигация"));
  const QSize before = window->size();
  In<QTabWidget>("Tabs")->setCurrentIndex(1);
  In<QComboBox>("cbBody")->setCurrentIndex(0);
  In<QTimeEdit>("tpSight")->setTime(QTime(12, 0, 0));  // the Sun up at the main window's place
  In<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 20°00,0'"));
  ASSERT_TRUE(In<QLabel>("lbSightError")->text().isEmpty()) << In<QLabel>("lbSightError")->text().toStdString();
  QApplication::processEvents();  // the layouts' deferred requests
  EXPECT_EQ(window->size(), before);
  EXPECT_LE(window->minimumSizeHint().width(), 1000);
  EXPECT_LE(window->minimumSizeHint().height(), 700);

  // Small: the pages keep their least size and scroll. Large (the default
  // on a large screen): they fill the window and nothing scrolls.
  for (const QSize size : {QSize(900, 560), QSize(1240, 800)}) {
    window->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), size);
    for (const int tab : {0, 1}) {
      In<QTabWidget>("Tabs")->setCurrentIndex(tab);
      QApplication::processEvents();
      const char* page = tab == 0 ? "SkyTab" : "SightTab";
      QWidget* widget = In<QWidget>(page);
      const QSize least = widget->minimumSizeHint();
      EXPECT_GE(widget->width(), least.width()) << page;
      EXPECT_GE(widget->height(), least.height()) << page;
      if (size.width() >= 1240) {
        EXPECT_EQ(widget->size(), widget->parentWidget()->size()) << page;
      }
    }
  }
  EXPECT_TRUE(errors.isEmpty());
}

// On a 1366 × 768 screen the window's first size shows the whole sight tab,
// the Moon's longer worksheet too, with six rows of the list and its
// buttons, and nothing scrolls.
TEST_F(NavigationTest, TheSightTabFitsA1366By768ScreenWithoutScrolling) {
  Create();
  form->show();
  TForm3* window = Open();
  ASSERT_NE(window, nullptr);
  window->resize(window->DefaultSize(QSize(1366, 768)));
  In<QTabWidget>("Tabs")->setCurrentIndex(1);
  In<QComboBox>("cbBody")->setCurrentIndex(3);  // the Moon's lower limb
  In<QTimeEdit>("tpSight")->setTime(QTime(0, 0, 0));
  In<TMaskEdit>("meHs")->setMaskedText(QStringLiteral("Hs = 30°00,0'"));
  QApplication::processEvents();
  ASSERT_EQ(In<QTableWidget>("Worksheet")->rowCount(), 13) << In<QLabel>("lbSightError")->text().toStdString();
  auto* scroll = In<QScrollArea>("SightTabScroll");
  ASSERT_TRUE(RunUntil([&] {
    QApplication::processEvents();
    return scroll->widget()->height() <= scroll->viewport()->height();
  })) << scroll->widget()->height() << " > " << scroll->viewport()->height();
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
  auto* list = In<QTableView>("Sights");
  EXPECT_GE(list->viewport()->height(), 6 * list->verticalHeader()->defaultSectionSize());
  for (const char* name : {"btnRemove", "btnCopyList", "btnAdd", "btnCopySheet"}) {
    QWidget* button = In(name);
    const QRect where(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(where)) << name;
  }
  EXPECT_TRUE(errors.isEmpty());
}

// At 1366 × 768, with a four-star fix whose residuals name a sight to check
// (its longest text), every line of the fix text shows whole above the
// sheet, and nothing scrolls.
TEST_F(NavigationTest, TheWholeFixTextShowsAboveTheSheetAt1366By768) {
  Create(QDateTime(QDate(2025, 3, 20), QTime(19, 0, 0)));
  Get<TSpinEdit>("seNCH")->setValue(2);
  Get<TSpeedButton>("ChangeBtn")->click();
  Fi()->setMaskedText(QStringLiteral("Ш = 44°55,00'"));
  Lam()->setMaskedText(QStringLiteral("Д = 030°17,00'"));
  Get<TSpeedButton>("sbLam")->click();
  form->show();
  TForm3* window = Open();
  ASSERT_NE(window, nullptr);
  window->resize(window->DefaultSize(QSize(1366, 768)));
  In<QTabWidget>("Tabs")->setCurrentIndex(1);
  In<QDoubleSpinBox>("dsCourse")->setValue(60);
  In<QDoubleSpinBox>("dsSpeed")->setValue(12);
  In<QComboBox>("cbBody")->setCurrentIndex(2);
  const TPosition truth{45.02L, -29.95L};
  for (const auto& [star, minute, second, error] : {std::tuple{160, 49, 30, 5.0L}, {46, 40, 12, 0.0L}, {67, 46, 5, 0.0L},
                                                   {28, 52, 0, 0.0L}}) {
    In<TSpinEdit>("seStar")->setValue(star);
    In<QTimeEdit>("tpSight")->setTime(QTime(19, minute, second));
    TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010};
    const TPosition there = CarryPosition(truth, 60, 12, ((minute - 52) * 60 + second) / 3600.0L);
    In<TMaskEdit>("meHs")->setMaskedText(
        HsText(SextantAltitude(s, ReduceSight(s, there.Lat, there.Lon).Hc + error / 60, there.Lat, there.Lon)));
    In<QPushButton>("btnAdd")->click();
  }
  auto* fix = In<QLabel>("lbFix");
  ASSERT_GE(fix->text().count(u'\n'), 5) << fix->text().toStdString();  // six lines and more, wrapped
  auto* scroll = In<QScrollArea>("SightTabScroll");
  QWidget* sheet = In("PlottingSheet");
  const auto shown = [&](QWidget* w) { return QRect(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size()); };
  ASSERT_TRUE(RunUntil([&] {
    QApplication::processEvents();
    return fix->height() >= fix->heightForWidth(fix->width()) && shown(sheet).top() >= shown(fix).bottom();
  })) << fix->height() << " < " << fix->heightForWidth(fix->width()) << " or the sheet at " << shown(sheet).top()
      << " over the text to " << shown(fix).bottom();
  EXPECT_TRUE(scroll->viewport()->rect().contains(shown(fix)));
  EXPECT_TRUE(scroll->viewport()->rect().contains(shown(In("btnFixToMain"))));
  EXPECT_GE(sheet->height(), 40);  // a strip remains; F9 gives it room
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace tarvel
