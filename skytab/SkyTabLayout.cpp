// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sky tab's controls and their places: the chart beside the star table,
// the altitude band, the best three and the legend, and twilight with the
// star-time buttons.
#include "skytab/SkyTab.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "skytab/SkyChart.h"
#include "skytab/StarListDelegate.h"
#include "skytab/StarListModel.h"
#include "widgets/InputStyle.h"
#include "widgets/Look.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

using namespace look;

QLabel* NamedLabel(QWidget* parent, const char* name, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  SetColour(label, QPalette::WindowText, colour);
  return label;
}

QSpinBox* Degrees(QWidget* parent, const char* name, int value, const QString& tip) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(0, 90);
  spin->setValue(value);
  spin->setSuffix(QStringLiteral("°"));
  spin->setToolTip(tip);
  // The main window's inputs' colours and arrows, so the arrows stand out.
  UseInputStyle(*spin);
  SetInputColours(*spin);
  return spin;
}

}  // namespace

void TSkyTab::CreateControls() {
  setObjectName(QStringLiteral("SkyTab"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBlack);
  colours.setColor(QPalette::WindowText, kWhite);
  colours.setColor(QPalette::Base, kBlack);
  colours.setColor(QPalette::AlternateBase, QColor(22, 22, 22));
  colours.setColor(QPalette::Text, kWhite);
  colours.setColor(QPalette::Button, kSilver);
  colours.setColor(QPalette::ButtonText, kBlack);
  colours.setColor(QPalette::Highlight, kNavy);
  colours.setColor(QPalette::HighlightedText, kFuchsia);
  // A colour set for a role holds in every state: the disabled buttons must
  // be told apart again.
  colours.setColor(QPalette::Disabled, QPalette::Button, QColor(64, 64, 64));
  colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 150, 150));
  setPalette(colours);
  setFont(Face("MS Sans Serif", 14));

  SkyChart = new TSkyChart(this);
  SkyChart->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

  starListModel_ = new TStarListModel(this);
  StarList = new QTableView(this);
  StarList->setObjectName(QStringLiteral("StarList"));
  StarList->setModel(starListModel_);
  StarList->setSelectionBehavior(QAbstractItemView::SelectRows);
  StarList->setSelectionMode(QAbstractItemView::SingleSelection);
  StarList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StarList->setAlternatingRowColors(true);
  StarList->setWordWrap(false);
  StarList->setCornerButtonEnabled(false);
  StarList->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  StarList->verticalHeader()->hide();
  StarList->verticalHeader()->setDefaultSectionSize(StarList->fontMetrics().height() + 4);
  StarList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StarList->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  // The columns are fitted to the table (FitColumns), the last one to its
  // right edge, not stretched by the header, whose width lags the scroll bar's.
  StarList->horizontalHeader()->setStretchLastSection(false);
  StarList->setGridStyle(Qt::DotLine);
  StarList->setFont(Face("MS Sans Serif", 13));
  starListModel_->SetFont(StarList->font());
  StarList->setItemDelegate(new TStarListDelegate(StarList->font(), StarList));
  auto* style = TStarListDelegate::RowBackgroundsLeftOut();
  style->setParent(StarList);
  StarList->setStyle(style);
  StarList->setSortingEnabled(true);
  StarList->sortByColumn(static_cast<int>(TStarColumn::Altitude), Qt::DescendingOrder);

  AllStars = new QCheckBox(QStringLiteral("Все светила"), this);
  AllStars->setObjectName(QStringLiteral("AllStars"));
  AllStars->setToolTip(QStringLiteral("Показать в таблице и светила под горизонтом"));
  SetColour(AllStars, QPalette::Base, kWhite);  // the box, on the black page
  SetColour(AllStars, QPalette::Text, kBlack);

  BandFrom = Degrees(this, "BandFrom", 15, QStringLiteral("Нижняя граница высот для наблюдений"));
  BandTo = Degrees(this, "BandTo", 70, QStringLiteral("Верхняя граница высот для наблюдений"));

  dsMagnitudeLimit = new QDoubleSpinBox(this);
  dsMagnitudeLimit->setObjectName(QStringLiteral("dsMagnitudeLimit"));
  dsMagnitudeLimit->setLocale(RussianLocale());  // the decimal comma
  // Wider than the limits the tab takes, so that what is typed stays as typed
  // and a value out of range is refused with its message (BandChange), as the
  // sight form's numbers are.
  dsMagnitudeLimit->setRange(-99.9, 99.9);
  dsMagnitudeLimit->setDecimals(1);
  dsMagnitudeLimit->setSingleStep(0.1);
  dsMagnitudeLimit->setValue(2.5);
  dsMagnitudeLimit->setToolTip(QStringLiteral("Светила для наблюдений не слабее этой звёздной величины"));
  UseInputStyle(*dsMagnitudeLimit);
  SetInputColours(*dsMagnitudeLimit);

  BestThree = NamedLabel(this, "BestThree", kLime);
  BestThree->setWordWrap(true);
  BestThree->setFont(Face("MS Sans Serif", 14, true));
  BestThree->setToolTip(QStringLiteral("Три звезды или планеты в полосе высот, не слабее заданной величины, "
                                       "азимуты которых обступают судно и дальше всего друг от друга (лучше "
                                       "всего через 120°); из почти равных (до 15°) — самые яркие"));
  SkyError = NamedLabel(this, "SkyError", kRed);
  lbBandError = NamedLabel(this, "lbBandError", kRed);
  lbBandError->setWordWrap(true);

  auto* legend = NamedLabel(this, "SkyLegend", kSilver);
  legend->setText(QStringLiteral("Кольца на карте: фиолетовое — звезда главного окна, зелёное — лучшие три, "
                                 "красное — место в главном окне неточно (больше 0,5'); тусклые — вне полосы "
                                 "высот. Чем ярче звезда, тем крупнее точка; ♀ ♂ ♃ ♄ — Венера, Марс, Юпитер, "
                                 "Сатурн; Луна — в своей фазе."));
  legend->setWordWrap(true);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setChildrenCollapsible(false);
  splitter->addWidget(SkyChart);
  splitter->addWidget(StarList);
  splitter->setStretchFactor(0, 4);
  splitter->setStretchFactor(1, 6);
  splitter->setSizes({450, 700});

  auto* band = new QHBoxLayout;
  band->addWidget(new QLabel(QStringLiteral("Высоты для наблюдений: от"), this));
  band->addWidget(BandFrom);
  band->addWidget(new QLabel(QStringLiteral("до"), this));
  band->addWidget(BandTo);
  band->addWidget(new QLabel(QStringLiteral("ярче"), this));
  band->addWidget(dsMagnitudeLimit);
  band->addSpacing(24);
  band->addWidget(AllStars);
  band->addStretch(1);

  // Twilight as the almanac lists it: the morning in one column, the
  // evening in the other, each in the order of the day.
  auto* twilight = new QGridLayout;
  TwilightDate = NamedLabel(this, "TwilightDate", kAqua);
  TwilightDate->setFont(Face("MS Sans Serif", 14, true));
  twilight->addWidget(TwilightDate, 0, 0, 1, 4);
  const auto time = [&](const char* name, const char* caption, int row, int column) {
    twilight->addWidget(new QLabel(QString::fromUtf8(caption), this), row, column);
    QLabel* value = NamedLabel(this, name, kYellow);
    value->setFont(Face("MS Sans Serif", 15, true));
    twilight->addWidget(value, row, column + 1);
    return value;
  };
  MorningNautical = time("MorningNautical", "Навигационные сумерки", 1, 0);
  MorningCivil = time("MorningCivil", "Гражданские сумерки", 2, 0);
  Sunrise = time("Sunrise", "Восход", 3, 0);
  Sunset = time("Sunset", "Заход", 1, 2);
  EveningCivil = time("EveningCivil", "Гражданские сумерки", 2, 2);
  EveningNautical = time("EveningNautical", "Навигационные сумерки", 3, 2);
  const auto button = [&](const char* name, const char* caption, const char* tip, int column) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(tip));
    b->setEnabled(false);
    b->setCursor(Qt::PointingHandCursor);
    twilight->addWidget(b, 4, column, 1, 2);
    return b;
  };
  MorningStars = button("MorningStars", "Утренние звёзды", kMorningStarsTip, 0);
  EveningStars = button("EveningStars", "Вечерние звёзды", kEveningStarsTip, 2);
  // Why a button is greyed, beside it as well as in its tooltip.
  lbStarTimeReason = NamedLabel(this, "lbStarTimeReason", kSilver);
  lbStarTimeReason->setWordWrap(true);
  twilight->addWidget(lbStarTimeReason, 5, 0, 1, 4);
  twilight->setHorizontalSpacing(12);
  twilight->setVerticalSpacing(3);
  twilight->setColumnMinimumWidth(2, 40);

  auto* sights = new QVBoxLayout;
  sights->addLayout(band);
  sights->addWidget(lbBandError);
  sights->addWidget(BestThree);
  sights->addWidget(legend);
  sights->addStretch(1);
  auto* below = new QHBoxLayout;
  below->addLayout(sights, 1);
  below->addSpacing(16);
  below->addLayout(twilight);

  auto* page = new QVBoxLayout(this);
  page->addWidget(splitter, 1);
  page->addLayout(below);
  page->addWidget(SkyError);
}

}  // namespace tarvel
