// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "skytab/SkyTab.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QPushButton>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>

#include "almanac/SkyTexts.h"
#include "core/RuntimeErrors.h"
#include "skytab/SkyChart.h"
#include "skytab/StarListDelegate.h"
#include "skytab/StarListModel.h"
#include "widgets/ErrorReport.h"
#include "widgets/Look.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

// Writes a label only when its text changes, so that an unchanged line costs
// no layout and no painting on every tick.
void Show(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

}  // namespace

TSkyTab::TSkyTab(QWidget* parent)
    : QWidget(parent), view_(std::make_unique<TSkyView>()) {
  CreateControls();
  ConnectHandlers();
}

TSkyTab::~TSkyTab() = default;

void TSkyTab::ConnectHandlers() {
  // Every handler runs through the program's error report.
  const auto on = [this](auto* sender, auto signal, void (TSkyTab::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  on(BandFrom, &QSpinBox::valueChanged, &TSkyTab::BandChange);
  on(BandTo, &QSpinBox::valueChanged, &TSkyTab::BandChange);
  on(dsMagnitudeLimit, &QDoubleSpinBox::valueChanged, &TSkyTab::BandChange);
  on(AllStars, &QCheckBox::toggled, &TSkyTab::AllStarsClick);
  StarList->viewport()->installEventFilter(this);
  // Rows scrolled out of sight need not be compared each second.
  connect(StarList->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { Guarded([this] { starListModel_->ForgetTexts(); }); });
  // The last column takes what the others leave: only another one sized
  // tells of the user.
  connect(StarList->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
    if (!fitting_ && columnsFitted_ && column != kStarColumnCount - 1) userSizedColumns_ = true;
  });
  on(MorningStars, &QPushButton::clicked, &TSkyTab::MorningStarsClick);
  on(EveningStars, &QPushButton::clicked, &TSkyTab::EveningStarsClick);
  connect(SkyChart, &TSkyChart::starClicked, this,
          [this](int number) { Guarded([this, number] { SkyChartClick(number); }); });
  // The arrows only move: the row moved to is kept while the sky goes on.
  connect(StarList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!arranging_ && current.isValid()) browsed_ = starListModel_->StarOfRow(current.row());
          });
  // Enter or a click chooses. The choice is handed on once the table has
  // finished with the event: the main window's answer rebuilds the table.
  const auto choose = [this](const QModelIndex& index) {
    if (!index.isValid()) return;
    const std::int32_t star = starListModel_->StarOfRow(index.row());
    QMetaObject::invokeMethod(this, [this, star] { Guarded([&] { StarListChoice(star); }); }, Qt::QueuedConnection);
  };
  connect(StarList, &QTableView::activated, this, choose);
  connect(StarList, &QTableView::clicked, this, choose);
}

void TSkyTab::Follow(const TAlmanacInputs& inputs) {
  // Another star in the main window ends the browsing of the table.
  if (inputs.StarNumber != followedStar_) browsed_ = 0;
  followedStar_ = inputs.StarNumber;
  inputs_ = inputs;
  haveInputs_ = true;
  stale_ = true;
  if (isVisible()) Refresh();
}

void TSkyTab::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) Guarded([this] { Refresh(); });
}

TAltitudeBand TSkyTab::TypedBand() const {
  return {static_cast<Extended>(BandFrom->value()), static_cast<Extended>(BandTo->value()),
          static_cast<Extended>(dsMagnitudeLimit->value())};
}

void TSkyTab::Refresh() {
  stale_ = false;
  try {
    const TTwilightKey key{inputs_.Time.Zone, inputs_.Time.Day, inputs_.Time.Month, inputs_.Time.Year, inputs_.Latitude, inputs_.Longitude};
    if (twilightFor_ != key) {
      twilightFor_.reset();
      twilight_ = TwilightView(inputs_);
      twilightFor_ = key;
      ShowTwilight();
    }
    *view_ = SkyView(inputs_, band_);
  } catch (const Exception& error) {
    Show(SkyError, QStringLiteral("Небосвод не рассчитан: ") + Text(error.Message()));
    return;
  }
  Show(SkyError, {});
  ShowSky();
  if (!columnsFitted_ && starListModel_->rowCount() > 0) {
    // To the first sky's texts, and again as the table's width changes
    // until the user sizes a column himself.
    columnsFitted_ = true;
    FitColumns();
  }
}

void TSkyTab::FitColumns() {
  // The columns to their texts and headings; what they need beyond the
  // table's width is given up first by the name column down to
  // kNameColumnLeast, then by the figures' columns down to their figures
  // (a heading wider than its figures is elided, its tooltip whole), then by
  // the name column down to kNameColumnSmallest, so that the error column
  // stays in sight.
  if (userSizedColumns_) return;
  fitting_ = true;
  StarList->resizeColumnsToContents();
  QHeaderView* header = StarList->horizontalHeader();
  // Room for the vertical scroll bar while the rows do not yet ask for it.
  const int scrollBar = StarList->verticalScrollBar()->isVisible()
                            ? 0
                            : StarList->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, StarList);
  int over = header->length() - (StarList->viewport()->width() - scrollBar);
  const auto give = [&](int column, int least) {
    if (over <= 0) return;
    const int size = header->sectionSize(column);
    const int given = std::clamp(size - least, 0, over);
    if (given == 0) return;
    header->resizeSection(column, size - given);
    over -= given;
  };
  const int name = static_cast<int>(TStarColumn::Name);
  give(name, kNameColumnLeast);
  for (int column = static_cast<int>(TStarColumn::Magnitude); column < kStarColumnCount; ++column) {
    give(column, std::max(static_cast<QAbstractItemView*>(StarList)->sizeHintForColumn(column), 24));
  }
  give(name, kNameColumnSmallest);
  // The error column takes what room is left, as far as the edge.
  const int last = kStarColumnCount - 1;
  if (over < 0) header->resizeSection(last, header->sectionSize(last) - over);
  fitting_ = false;
  // Sizing asked for every row's texts: from now on only those in sight.
  starListModel_->ForgetTexts();
}

bool TSkyTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StarList->viewport() && event->type() == QEvent::Resize && columnsFitted_) {
    Guarded([this] { FitColumns(); });
  }
  return QWidget::eventFilter(watched, event);
}

void TSkyTab::ShowTwilight() {
  const QDate date(twilightFor_->Year, twilightFor_->Month, twilightFor_->Day);
  TwilightDate->setText(QStringLiteral("Сумерки и восход Солнца %1, судовое время:")
                            .arg(RussianLocale().toString(date, kLongDateFormat)));
  QLabel* const labels[6] = {MorningNautical, MorningCivil, Sunrise, Sunset, EveningCivil, EveningNautical};
  for (std::size_t i = 0; i < 6; ++i) labels[i]->setText(Text(twilight_.Texts[i]));
  MorningStars->setEnabled(twilight_.MorningStars >= 0);
  EveningStars->setEnabled(twilight_.EveningStars >= 0);
  const QString morning = Text(twilight_.MorningReason), evening = Text(twilight_.EveningReason);
  MorningStars->setToolTip(morning.isEmpty() ? QString::fromUtf8(kMorningStarsTip) : morning);
  EveningStars->setToolTip(evening.isEmpty() ? QString::fromUtf8(kEveningStarsTip) : evening);
  lbStarTimeReason->setText(morning == evening ? morning
                            : morning.isEmpty() ? QStringLiteral("Вечером: ") + evening
                            : evening.isEmpty() ? QStringLiteral("Утром: ") + morning
                                                : QStringLiteral("Утром: %1; вечером: %2").arg(morning, evening));
}

void TSkyTab::ShowSky() {
  arranging_ = true;
  SkyChart->SetView(view_.get(), inputs_.StarNumber);
  starListModel_->SetView(view_.get(), AllStars->isChecked());
  SelectStarRow();
  arranging_ = false;
  Show(BestThree, Text(BestThreeText(*view_)));
}

void TSkyTab::SelectStarRow() {
  QItemSelectionModel* selection = StarList->selectionModel();
  int row = browsed_ ? starListModel_->RowOfStar(browsed_) : -1;
  if (row < 0) {
    browsed_ = 0;  // set below the horizon: back to the main window's star
    row = starListModel_->RowOfStar(inputs_.StarNumber);
  }
  if (row < 0) {
    selection->clear();
    return;
  }
  const QModelIndex index = starListModel_->index(row, 0);
  if (selection->currentIndex().row() != row || !selection->isRowSelected(row)) {
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

// --- Handlers --------------------------------------------------------------

void TSkyTab::BandChange() {
  // A refused band or limit stays in its box for the navigator to mend; the sky
  // goes on with the last band taken.
  const TAltitudeBand typed = TypedBand();
  try {
    CheckBand(typed);
  } catch (const EBandError& error) {
    Show(lbBandError, Text(error.Message()));
    return;
  }
  Show(lbBandError, {});
  band_ = typed;
  if (!haveInputs_ || stale_) return;
  SetBand(*view_, band_);
  ShowSky();
}

void TSkyTab::AllStarsClick() {
  if (!haveInputs_ || stale_) return;
  ShowSky();
}

void TSkyTab::StarListChoice(std::int32_t star) {
  // The Sun, the Moon and the planets are not the main window's to choose.
  if (IsStarRow(star) && star != inputs_.StarNumber) emit starChosen(star);
}

void TSkyTab::SkyChartClick(int number) { emit starChosen(number); }

void TSkyTab::MorningStarsClick() { ChooseShipTime(twilight_.MorningStars); }
void TSkyTab::EveningStarsClick() { ChooseShipTime(twilight_.EveningStars); }

void TSkyTab::ChooseShipTime(std::int32_t seconds) {
  if (!twilightFor_ || seconds < 0) return;
  // A star time that runs past midnight may have its middle on the next date.
  const QDate date = QDate(twilightFor_->Year, twilightFor_->Month, twilightFor_->Day).addDays(seconds / 86400);
  emit shipTimeChosen(date, QTime(0, 0).addSecs(seconds % 86400));
}

}  // namespace tarvel
