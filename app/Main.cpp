// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The main window's behaviour: start-up, the input handlers and the
// recalculation.

#include "app/Main.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QShortcut>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>
#include <QToolTip>

#include "almanac/Almanac.h"
#include "app/About.h"
#include "app/PickerRange.h"
#include "navfields/MonthKeys.h"
#include "display/GreekLetter.h"
#include "ephemeris/Stars.h"
#include "navigation/Navigation.h"
#include "reports/PositionText.h"
#include "widgets/ClickLabel.h"
#include "widgets/ErrorReport.h"
#include "widgets/FitText.h"
#include "widgets/HemisphereKeys.h"
#include "widgets/Look.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

// Writes a result label; it keeps its left edge and fits its new text.
void Show(QLabel* label, const std::string& text) {
  label->setText(Text(text));
  label->adjustSize();
}

}  // namespace

TForm1::TForm1(Clock clock, QWidget* parent)
    : QWidget(parent),
      clock_(clock ? std::move(clock) : Clock(&QDateTime::currentDateTime)) {
  CreateControls();
  ConnectHandlers();
  Guarded([this] { FormCreate(); });
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::ConnectHandlers() {
  // Every handler runs through the error report, so that nothing it throws
  // crosses a Qt frame.
  const auto on = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  on(CheckBox1, &QCheckBox::toggled, &TForm1::CheckBox1Click);
  // A tick that meets again the error it reported last stays silent.
  connect(Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }, Occasion::Tick); });
  on(TimePicker, &QTimeEdit::timeChanged, &TForm1::TimePickerChange);
  on(DatePicker, &QDateEdit::dateChanged, &TForm1::DatePickerChange);
  on(meFi, &TMaskEdit::maskedTextChanged, &TForm1::meFiChange);
  on(meLam, &TMaskEdit::maskedTextChanged, &TForm1::meLamChange);
  on(sbFi, &TSpeedButton::clicked, &TForm1::sbFiClick);
  on(sbLam, &TSpeedButton::clicked, &TForm1::sbLamClick);
  on(ChangeBtn, &TSpeedButton::clicked, &TForm1::ChangeBtnClick);
  on(seNCH, &TSpinEdit::valueChanged, &TForm1::seNCHChange);
  on(SpeedButton1, &TSpeedButton::clicked, &TForm1::SpeedButton1Click);
  on(SpeedButton2, &TSpeedButton::clicked, &TForm1::SpeedButton2Click);
  on(SpeedButton3, &TSpeedButton::clicked, &TForm1::SpeedButton3Click);
  // The flat button takes no focus: its key works from anywhere in the window.
  on(new QShortcut(kNavigationKey, this, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated,
     &TForm1::SpeedButton3Click);
  on(seNumStar, &TSpinEdit::valueChanged, &TForm1::seNumStarChange);
  on(Label18, &TClickLabel::clicked, &TForm1::Label18Click);
  on(Label26, &TClickLabel::clicked, &TForm1::Label26Click);
  // The flat buttons take no focus: the field beside each takes its letters.
  THemisphereKeys::Latitude(meFi, sbFi);
  THemisphereKeys::Longitude(meLam, sbLam);
  THemisphereKeys::Longitude(seNCH, ChangeBtn);
}

void TForm1::FormCreate() {
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, look::kYellow);
  tips.setColor(QPalette::ToolTipText, look::kBlack);
  QToolTip::setPalette(tips);

  FCoord = std::make_unique<TCoord>();

  // A computer clock outside the pickers' range is reported once the window
  // is otherwise complete; the date picker then stands at the nearest limit.
  std::exception_ptr clockError;
  try {
    SetPickersFromClock();
  } catch (const Exception&) {
    clockError = std::current_exception();
    const QSignalBlocker blockDate(DatePicker);
    DatePicker->setDate(std::clamp(clock_().date(), kFirstFormDate, kLastFormDate));
  }

  FStarNumber = 1;
  FZone = 3;
  ShowStarLabels();
  FLatitude = 0;
  FLongitude = 0;
  Recalculate();
  if (clockError) std::rethrow_exception(clockError);
}

void TForm1::FormDestroy() { FCoord.reset(); }

void TForm1::SetPickersFromClock() {
  const QDateTime now = clock_();
  {
    const QSignalBlocker blockDate(DatePicker);
    SetPickerDate(*DatePicker, now.date());
  }
  const QSignalBlocker blockTime(TimePicker);
  TimePicker->setTime(now.time());
}

void TForm1::ShowStarLabels() {
  const TStar& star = StarTable(FStarNumber);
  Label18->setText(Text(star.Name));
  FitLabelTo(*Label18, GroupBox2->contentsRect().right());
  Label26->setText(Text(GreekLetter(star.Letter)));
  Label26->adjustSize();
}

// --- Handlers --------------------------------------------------------------

void TForm1::CheckBox1Click() {
  const bool automatic = CheckBox1->isChecked();
  if (automatic) {
    Timer1->start();
  } else {
    Timer1->stop();
  }
  TimePicker->setEnabled(!automatic);
  DatePicker->setEnabled(!automatic);
}

void TForm1::Timer1Timer() {
  SetPickersFromClock();
  Recalculate();
}

void TForm1::TimePickerChange() { Recalculate(); }
void TForm1::DatePickerChange() { Recalculate(); }
void TForm1::meFiChange() { Recalculate(); }
void TForm1::meLamChange() { Recalculate(); }

void TForm1::sbFiClick() {
  sbFi->setText(sbFi->text() == QLatin1String("N") ? QStringLiteral("S") : QStringLiteral("N"));
  Recalculate();
}

void TForm1::sbLamClick() {
  sbLam->setText(sbLam->text() == QLatin1String("E") ? QStringLiteral("W") : QStringLiteral("E"));
  Recalculate();
}

void TForm1::ChangeBtnClick() {
  ChangeBtn->setText(ChangeBtn->text() == QLatin1String("E") ? QStringLiteral("W") : QStringLiteral("E"));
  FZone = -FZone;
  Recalculate();
}

void TForm1::seNCHChange() {
  FZone = seNCH->value();
  if (ChangeBtn->text() == QLatin1String("W")) FZone = -FZone;
  Recalculate();
}

void TForm1::SpeedButton1Click() {
  if (aboutWindow_) aboutWindow_->ShowModeless();
}

void TForm1::SpeedButton2Click() { close(); }

void TForm1::SpeedButton3Click() {
  if (!FForm3) {
    // The navigation window's handlers are the user's events.
    FForm3 = std::make_unique<TForm3>();
    FForm3->setWindowIcon(windowIcon());
    connect(FForm3.get(), &TForm3::starChosen, this,
            [this](int number) { Guarded([this, number] { SelectStar(number); }); });
    connect(FForm3.get(), &TForm3::shipTimeChosen, this,
            [this](QDate date, QTime time) { Guarded([this, date, time] { SetShipDateTime(date, time); }); });
    connect(FForm3.get(), &TForm3::fixChosen, this, [this](Extended lat, Extended lon, TShipTime time) {
      Guarded([this, lat, lon, time] { SetFix(lat, lon, time); });
    });
    FForm3->SetClock(clock_);  // the sight tab's mark reads the window's clock
    if (FNavigationInputs) FForm3->Follow(*FNavigationInputs);
  }
  FForm3->ShowModeless();
}

void TForm1::SelectStar(int number) { seNumStar->setValue(number); }

void TForm1::SetPosition(Extended lat, Extended lon) {
  const TCoord coord = CoordFromDegrees(lat, lon);
  {
    const QSignalBlocker blockLatitude(meFi);
    const QSignalBlocker blockLongitude(meLam);
    meFi->setMaskedText(Text(coord.F().Strings()));
    meLam->setMaskedText(Text(coord.L().Strings()));
  }
  sbFi->setText(Text(SgnLetter(coord.F().Sgn())));
  sbLam->setText(Text(SgnLetter(coord.L().Sgn())));
  Recalculate();
}

void TForm1::SetFix(Extended lat, Extended lon, const TShipTime& time) {
  {
    const QSignalBlocker blockZone(seNCH);
    seNCH->setValue(std::abs(time.Zone));
  }
  ChangeBtn->setText(time.Zone < 0 ? QStringLiteral("W") : QStringLiteral("E"));
  FZone = time.Zone;
  {
    const QSignalBlocker blockDate(DatePicker);
    SetPickerDate(*DatePicker, QDate(time.Year, time.Month, time.Day));  // a date out of range changes nothing
  }
  {
    const QSignalBlocker blockTime(TimePicker);
    TimePicker->setTime(QTime(time.Hour, time.Minute, time.Second));
  }
  CheckBox1->setChecked(false);
  SetPosition(lat, lon);
}

void TForm1::SetShipDateTime(QDate date, QTime time) {
  {
    const QSignalBlocker blockDate(DatePicker);
    SetPickerDate(*DatePicker, date);  // a date out of range changes nothing
  }
  {
    const QSignalBlocker blockTime(TimePicker);
    TimePicker->setTime(time);
  }
  CheckBox1->setChecked(false);
  Recalculate();
}

void TForm1::seNumStarChange() {
  // 0 and 161 are never kept: they wrap round the catalogue. Setting the
  // value notifies this handler again, which completes for the new number.
  if (seNumStar->value() == 161) seNumStar->setValue(1);
  if (seNumStar->value() == 0) seNumStar->setValue(160);
  FStarNumber = seNumStar->value();
  ShowStarLabels();
  Recalculate();
}

void TForm1::Label18Click() { seNumStar->setValue(seNumStar->value() + 1); }
void TForm1::Label26Click() { Label18Click(); }

// --- Recalculation ---------------------------------------------------------

void TForm1::ReadPosition() {
  const std::string latitude = (meFi->maskedText() + sbFi->text()).toStdString();
  const std::string longitude = (meLam->maskedText() + sbLam->text()).toStdString();
  FCoord->F().SetStrings(latitude);
  FCoord->L().SetStrings(longitude);
}

void TForm1::RepairPosition() {
  // Put the last accepted position back in the fields and buttons. A field
  // whose text changes runs a recalculation of its own, nested in this one.
  meFi->setMaskedText(Text(FCoord->F().Strings()));
  if (FCoord->F().Sgn() == TSgn::N) sbFi->setText(QStringLiteral("N"));
  if (FCoord->F().Sgn() == TSgn::S) sbFi->setText(QStringLiteral("S"));
  meLam->setMaskedText(Text(FCoord->L().Strings()));
  if (FCoord->L().Sgn() == TSgn::E) sbLam->setText(QStringLiteral("E"));
  if (FCoord->L().Sgn() == TSgn::W) sbLam->setText(QStringLiteral("W"));
  CheckBox1->setChecked(false);
}

void TForm1::Recalculate() {
  // Input stage. The working values belong to this run alone: a nested run
  // disturbs only the fields and labels that both write.
  const QTime time = TimePicker->time();
  const QDate date = DatePicker->date();
  try {
    ReadPosition();
  } catch (const EDegreesError&) {
    RepairPosition();
  }
  FLatitude = FCoord->F().DecimalDegrees();
  FLongitude = FCoord->L().DecimalDegrees();

  // Computation stage: nothing is shown until everything is computed, so an
  // error leaves every result label with its previous text.
  TAlmanacInputs inputs;
  inputs.Time = {FZone, time.hour(), time.minute(), time.second(), date.day(), date.month(), date.year()};
  inputs.Latitude = FLatitude;
  inputs.Longitude = FLongitude;
  inputs.StarNumber = FStarNumber;
  const TAlmanacTexts texts = AlmanacTexts(ComputeAlmanac(inputs), FLongitude);

  ShowResults(texts);
  FollowNavigation(inputs);
}

void TForm1::FollowNavigation(const TAlmanacInputs& inputs) {
  FNavigationInputs = inputs;
  if (FForm3) FForm3->Follow(inputs);
}

void TForm1::ShowResults(const TAlmanacTexts& texts) {
  // The Sun group.
  Show(Label1, texts.GrAries);
  Show(Label2, texts.SunLha);
  Show(Label3, texts.SunDec);
  Show(Label4, texts.SemiDiameter);
  Show(Label34, texts.SunRa);

  // The star group, then both altitude and azimuth lines.
  Show(Label11, texts.StarDec);
  Show(Label12, texts.StarLha);
  Show(Label32, texts.StarSha);
  Show(Label19, texts.SunAlt);
  Show(Label21, texts.SunAz);
  Show(Label23, texts.StarAlt);
  Show(Label25, texts.StarAz);
}

}  // namespace tarvel
