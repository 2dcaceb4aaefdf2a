// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight form: reading the inputs, the reduction and the worksheet.

#include "sighttab/SightTab.h"

#include <QApplication>
#include <QCompleter>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QTimeZone>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
#include <algorithm>
#include <cmath>

#include "almanac/StarName.h"
#include "display/GreekLetter.h"
#include "ephemeris/Stars.h"
#include "fixpanel/FixPanel.h"
#include "navfields/FormControls.h"
#include "navfields/NumberField.h"
#include "chronometer/ChronometerCorrection.h"
#include "reports/ChronometerText.h"
#include "reports/Reckoning.h"
#include "reports/TimeScalesText.h"
#include "timescales/TimeScales.h"
#include "reports/SightSheet.h"
#include "sights/SightErrors.h"
#include "sighttab/ChronometerDialog.h"
#include "sighttab/SightListModel.h"
#include "widgets/ErrorReport.h"
#include "widgets/HemisphereKeys.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {

TSightTab::TSightTab(QWidget* parent) : QWidget(parent) {
  CreateControls();
  ConnectHandlers();
  Guarded([this] {
    BodyChange();
    ShowStar();
    WorkFix();
  });
}

const std::vector<TLoggedSight>& TSightTab::Sights() const { return sights_->Sights(); }

const TFixOutcome& TSightTab::Fix() const { return fixPanel_->Fix(); }

void TSightTab::SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

void TSightTab::SetChronometer(const TChronometerRecord& record) {
  chronometer_ = record;
  ShowChronometer();
}

void TSightTab::ChronometerClick() {
  TShipTime start{ReadZone(sightTime_.Zone, sightTime_.ZoneSign), 0, 0, 0, 1, 1, 2026};
  const QDateTime clock = (clock_ ? clock_() : QDateTime::currentDateTime()).toUTC().addSecs(qint64{start.Zone} * 3600);
  start = {start.Zone, clock.time().hour(), clock.time().minute(), 0, clock.date().day(), clock.date().month(),
           clock.date().year()};
  TChronometerDialog dialog(chronometer_, start, this);
  if (dialog.exec() != QDialog::Accepted) return;
  SetChronometer(dialog.Record());
  Reduce();
  emit logChanged();
}

void TSightTab::ShowChronometer() {
  // The correction at the form's instant; the form's own error says a time
  // that cannot be read.
  TShipTime t = ReadShipTime(sightTime_);
  const bool leap = IsLeapSecond(t);  // 23:59:60: one second after :59
  if (leap) t.Second = 59;
  if (ShipTimeFault(t, kSightInstantTexts)) return lbChronometer->clear();
  const Extended at = static_cast<Extended>(UniversalSeconds(t) + (leap ? 1 : 0));
  // Beside "Хронометр…" the short line, so that it fits with DUT1; its
  // tooltip is the whole line, as the worksheet prints it.
  lbChronometer->setText(Text(ChronometerShortLine(chronometer_, at)));
  lbChronometer->setToolTip(Text(ChronometerLine(chronometer_, at)));
}

// --- Reading the inputs ------------------------------------------------------

TSight TSightTab::ReadSight(QString& field) const {
  TSight s{};
  // The list holds the bodies in the order of TBody.
  s.Body = static_cast<TBody>(std::clamp(cbBody->currentIndex(), 0, static_cast<int>(TBody::Saturn)));
  s.StarNumber = seStar->value();
  field = QStringLiteral("Судовое время");
  s.Time = ReadShipTime(sightTime_);
  field = QStringLiteral("Высота по секстану");
  s.Hs = ReadHs(meHs->maskedText());
  for (const auto& [number, value] : {std::pair{dsIndex, &s.IndexError}, std::pair{dsEye, &s.EyeHeight},
                                      std::pair{dsTemperature, &s.Temperature}, std::pair{dsPressure, &s.Pressure}}) {
    field = number->Caption();
    *value = ReadNumber(number);
  }
  field = dsDut1->Caption();
  s.Dut1 = ReadNumber(dsDut1);
  field.clear();
  return s;
}

// --- The form ------------------------------------------------------------------

void TSightTab::ConnectHandlers() {
  // Every handler runs through the error report, so that nothing it throws
  // crosses a Qt frame; the errors of the inputs themselves are shown in the
  // tab by the handlers.
  const auto on = [this](auto* sender, auto signal, void (TSightTab::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  const auto toggle = [this](TSpeedButton* button, const char* one, const char* other) {
    connect(button, &TSpeedButton::clicked, this, [=, this] {
      Guarded([=, this] {
        button->setText(button->text() == QLatin1String(one) ? QString::fromLatin1(other) : QString::fromLatin1(one));
        SightInputChange();
      });
    });
  };

  on(cbBody, &QComboBox::currentIndexChanged, &TSightTab::BodyChange);
  on(seStar, &TSpinEdit::valueChanged, &TSightTab::StarChange);
  connect(starFinder_, qOverload<const QString&>(&QCompleter::activated), this,
          [this](const QString& choice) { Guarded([=, this] { FindStar(choice); }); });
  connect(leStarFind, &QLineEdit::returnPressed, this, [this] { Guarded([this] { FindStar(leStarFind->text()); }); });
  on(sightTime_.Date, &QDateEdit::dateChanged, &TSightTab::SightInputChange);
  on(sightTime_.Time, &QTimeEdit::timeChanged, &TSightTab::SightInputChange);
  on(sightTime_.Zone, &TSpinEdit::valueChanged, &TSightTab::SightInputChange);
  toggle(sightTime_.ZoneSign, "E", "W");
  connect(meHs, &TMaskEdit::maskedTextChanged, this, [this] { hsTyped_ = true; });
  on(meHs, &TMaskEdit::maskedTextChanged, &TSightTab::SightInputChange);
  // Every text, also one that is not a number yet, is read and, if wrong,
  // reported.
  for (TNumberField* field : {dsIndex, dsEye, dsTemperature, dsPressure, dsDut1}) {
    on(field, &TNumberField::edited, &TSightTab::SightInputChange);
  }
  on(btnChronometer, &QPushButton::clicked, &TSightTab::ChronometerClick);
  for (TNumberField* field : {dsIndex, dsEye, dsTemperature, dsPressure, dsDut1}) {
    on(field, &TNumberField::edited, &TSightTab::ObserverChange);
    on(field, &TNumberField::editingFinished, &TSightTab::SettleObserver);
  }
  on(btnMark, &QPushButton::clicked, &TSightTab::MarkClick);
  on(assumed_.Lat, &TMaskEdit::maskedTextChanged, &TSightTab::SightInputChange);
  on(assumed_.Lon, &TMaskEdit::maskedTextChanged, &TSightTab::SightInputChange);
  toggle(assumed_.LatSign, "N", "S");
  toggle(assumed_.LonSign, "E", "W");
  // The flat buttons take no focus: the field beside each takes its letters,
  // as in the main window.
  THemisphereKeys::Latitude(assumed_.Lat, assumed_.LatSign);
  THemisphereKeys::Longitude(assumed_.Lon, assumed_.LonSign);
  THemisphereKeys::Longitude(sightTime_.Zone, sightTime_.ZoneSign);
  on(btnTakeMain, &QPushButton::clicked, &TSightTab::TakeMainClick);
  on(btnCopySheet, &QPushButton::clicked, &TSightTab::CopySheetClick);
  on(btnAdd, &QPushButton::clicked, &TSightTab::AddClick);
  on(btnReplace, &QPushButton::clicked, &TSightTab::ReplaceClick);

  on(btnRemove, &QPushButton::clicked, &TSightTab::RemoveClick);
  on(btnCopyList, &QPushButton::clicked, &TSightTab::CopyListClick);
  on(sights_, &TSightListModel::sightSwitched, &TSightTab::WorkFix);
  connect(tvSights, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) {
            Guarded([=, this] { TakeSightIntoForm(sightOrder_->mapToSource(index).row()); });
          });
  connect(tvSights->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { Guarded([=, this] { TimeHeadingClick(column); }); });
  on(tvSights->selectionModel(), &QItemSelectionModel::selectionChanged, &TSightTab::EnableListButtons);
  on(fixPanel_, &TFixPanel::reckoningChanged, &TSightTab::WorkFix);
  connect(fixPanel_, &TFixPanel::fixChosen, this, &TSightTab::fixChosen);
  ConnectKeys();
}

void TSightTab::MarkClick() {
  // The clock's instant in universal time, corrected by the record's
  // correction at that instant (none: 0 s), then in the form's zone; to the
  // nearest second, a half up, as the time field holds it. A date the field
  // cannot hold is said in the form and changes nothing.
  const QDateTime clock = clock_ ? clock_() : QDateTime::currentDateTime();
  const qint64 clockMs = clock.toUTC().toMSecsSinceEpoch();
  const std::optional<TChronometerCorrection> correction =
      CorrectionAt(chronometer_, static_cast<Extended>(clockMs) / 1000);
  const Extended seconds = correction ? correction->Seconds : 0;
  const std::int32_t zone = ReadZone(sightTime_.Zone, sightTime_.ZoneSign);
  const qint64 ms = clockMs + std::llround(static_cast<double>(seconds) * 1000) + qint64{zone} * 3600 * 1000 + 500;
  const QDateTime ship = QDateTime::fromMSecsSinceEpoch(ms - ((ms % 1000) + 1000) % 1000, Qt::UTC);
  if (ship.date() < kFirstFormDate || ship.date() > kLastFormDate) {
    lbSightError->setText(QStringLiteral("Дата засечки вне допустимых пределов (1930–2099)"));
    return;
  }
  applying_ = true;
  try {
    sightTime_.Date->setDate(ship.date());
    sightTime_.Time->setTime(QTime(ship.time().hour(), ship.time().minute(), ship.time().second()));
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  Reduce();
  CommitReduction();
}

void TSightTab::Follow(const TAlmanacInputs& inputs) {
  const bool first = !main_;
  main_ = inputs;
  if (first) ApplyMainValuesToSight();
  fixPanel_->Follow(inputs);
}

void TSightTab::ApplyMainValuesToSight() {
  if (!main_) return;
  const TAlmanacInputs& in = *main_;
  applying_ = true;
  try {
    ShowShipTime(in.Time, sightTime_);
    seStar->setValue(in.StarNumber);
    ShowPosition(in.Latitude, in.Longitude, assumed_);
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  ShowStar();
  Reduce();
  CommitReduction();
}

void TSightTab::SightInputChange() {
  if (!applying_) Reduce();
}

void TSightTab::BodyChange() {
  const bool star = cbBody->currentIndex() == static_cast<int>(TBody::Star);
  for (QWidget* w : std::initializer_list<QWidget*>{seStar, lbStarLetter, lbStarName}) w->setEnabled(star);
  SightInputChange();
}

void TSightTab::StarChange() {
  ShowStar();
  SightInputChange();
}

void TSightTab::ShowStar() {
  const std::int32_t number = std::clamp(seStar->value(), 1, 160);
  const TStar& star = StarTable(number);
  lbStarLetter->setText(Text(GreekLetter(star.Letter)));
  lbStarName->setText(Text(StarName(number)));
  lbStarName->setToolTip(lbStarName->text());
}

void TSightTab::TakeMainClick() { ApplyMainValuesToSight(); }


void TSightTab::Reduce() {
  ShowChronometer();
  TLoggedSight logged;
  QString field;  // the field being read
  // The worksheet keeps the last good reduction of values not in the middle
  // of their typing (committed_), marked as such; the warning of that sight
  // goes with it, as it is no longer the form's.
  const auto refuse = [this, &field](const QString& why) {
    reduced_.reset();
    lbSightError->setText(why);
    lbSightWarning->clear();
    btnAdd->setEnabled(false);
    btnReplace->setEnabled(false);
    if (why.isEmpty() || !committed_) return;
    ShowWorksheet(*committed_);
    lbSheetState->setText(LastGoodText(field));
    lbSheetState->show();
  };
  try {
    logged.Sight = ReadSight(field);
    field = QStringLiteral("Счислимое место");
    std::tie(logged.Lat, logged.Lon) = ReadPosition(assumed_);
    field.clear();
    // A form whose altitude was never typed waits for it without an error.
    if (!hsTyped_) return refuse({});
    logged.Reduction = ReduceSight(logged.Sight, logged.Lat, logged.Lon);
  } catch (const Exception& error) {
    return refuse(Text(error.Message()));
  }
  std::string warnings;
  for (const std::string& warning : SightWarnings(logged.Sight, logged.Reduction)) {
    warnings += (warnings.empty() ? "" : "\n") + warning;
  }
  const std::string drift = ChronometerWarning(chronometer_, static_cast<Extended>(SightSeconds(logged.Sight)));
  if (!drift.empty()) warnings += (warnings.empty() ? "" : "\n") + drift;
  ShowWorksheet(logged);
  lbSheetState->clear();
  lbSheetState->hide();
  lbSightError->clear();
  lbSightWarning->setText(Text(warnings));
  reduced_ = logged;
  // A value set by the program, or typed outside the form, is no longer
  // being typed; a field of the form being typed is, until the focus leaves
  // it (CommitReduction).
  QWidget* focus = QApplication::focusWidget();
  if (!focus || !cbBody->parentWidget()->isAncestorOf(focus)) committed_ = logged;
  btnAdd->setEnabled(true);
  btnReplace->setEnabled(CurrentRow() >= 0);
}

void TSightTab::CommitReduction() {
  if (reduced_) committed_ = reduced_;
}

QString LastGoodText(const QString& field) {
  return field.isEmpty() ? QStringLiteral("Показано последнее верное вычисление: новые значения не приняты")
                         : QStringLiteral("Показано последнее верное вычисление: поле «") + field +
                               QStringLiteral("» не принято");
}

void TSightTab::ShowWorksheet(const TLoggedSight& logged) {
  const std::vector<TWorksheetLine> lines = Worksheet(logged.Sight, logged.Reduction);
  SizeWorksheet(static_cast<int>(lines.size()));
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    twWorksheet->item(row, 0)->setText(Text(lines[row].Caption));
    twWorksheet->item(row, 1)->setText(Text(lines[row].Formula));
    twWorksheet->item(row, 2)->setText(Text(lines[row].Value));
  }
  lbTimeOfRecord->setText(Text(TimeOfRecordLine(logged.Sight)));
  shown_ = logged;
}

void TSightTab::CopySheetClick() {
  if (!shown_) return;
  QApplication::clipboard()->setText(
      Text(WorksheetText(shown_->Sight, shown_->Lat, shown_->Lon, shown_->Reduction, chronometer_)));
}

void TSightTab::ShowSight(const TLoggedSight& logged) {
  const TSight& s = logged.Sight;
  applying_ = true;
  try {
    cbBody->setCurrentIndex(static_cast<int>(s.Body));
    if (s.Body == TBody::Star) seStar->setValue(s.StarNumber);
    ShowShipTime(s.Time, sightTime_);
    meHs->setMaskedText(HsText(s.Hs));
    dsIndex->setValue(static_cast<double>(s.IndexError));
    dsEye->setValue(static_cast<double>(s.EyeHeight));
    dsTemperature->setValue(static_cast<double>(s.Temperature));
    dsPressure->setValue(static_cast<double>(s.Pressure));
    if (s.Dut1) dsDut1->setValue(static_cast<double>(*s.Dut1));
    ShowPosition(logged.Lat, logged.Lon, assumed_);
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  SettleObserver();
  BodyChange();
  ShowStar();
}

}  // namespace tarvel
