// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/FixPanel.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <iterator>

#include "fixpanel/PlottingSheet.h"
#include "fixpanel/SheetWindow.h"
#include "fixpanel/WholeTextLabel.h"
#include "navfields/FormControls.h"
#include "sights/FixErrors.h"
#include "shiptime/ShipTime.h"
#include "widgets/ErrorReport.h"
#include "widgets/HemisphereKeys.h"
#include "widgets/Look.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {

using namespace look;

TFixPanel::TFixPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FixPanel"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(CreateReckoningGroup());
  column->addWidget(CreateFixGroup());
  sheet_ = new TPlottingSheet(this);
  // The sheet takes what the tab leaves, on a small screen a strip under the
  // whole fix text; "Планшет…" (F9) gives it room of its own.
  sheet_->setMinimumHeight(32);
  column->addWidget(sheet_, 1);
  sheetWindow_ = new TSheetWindow(this);
  ConnectHandlers();
}

QGroupBox* TFixPanel::CreateReckoningGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Счисление"));
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(5);
  const char* const placeNames[4] = {"meDrFi", "sbDrFi", "meDrLam", "sbDrLam"};
  grid->addWidget(new QLabel(QStringLiteral("Место:"), group), 0, 0);
  reckoningPosition_ = PositionRow(group, grid, 0, placeNames);
  dsCourse = Number(group, "dsCourse", QStringLiteral("Курс"), 0, 359.9, 0, QStringLiteral("°"));
  dsCourse->setWrapping(true);
  dsCourse->SetDirection(true);
  dsSpeed = Number(group, "dsSpeed", QStringLiteral("Скорость"), 0, 99.9, 0, QStringLiteral(" уз"));
  auto* motion = new QHBoxLayout;
  motion->addWidget(new QLabel(QStringLiteral("Курс:"), group));
  motion->addWidget(dsCourse);
  motion->addSpacing(8);
  motion->addWidget(new QLabel(QStringLiteral("Скорость:"), group));
  motion->addWidget(dsSpeed);
  motion->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("Ход:"), group), 2, 0);
  grid->addLayout(motion, 2, 1);

  const char* const timeNames[4] = {"dpReckoning", "tpReckoning", "seReckoningZone", "sbReckoningZone"};
  grid->addWidget(new QLabel(QStringLiteral("На:"), group), 1, 0);
  reckoningTime_ = InstantRow(group, grid, 1, 1, timeNames);
  btnTakeMainReckoning = Button(group, "btnTakeMainReckoning", QStringLiteral("Из главного окна"));
  btnTakeMainReckoning->setToolTip(QStringLiteral("Взять место, дату, время и пояс из главного окна"));
  grid->addWidget(btnTakeMainReckoning, 0, 2, Qt::AlignRight);
  lbReckoningError = Message(group, "lbReckoningError", kRed);
  grid->addWidget(lbReckoningError, 3, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  PlainChildren(group);
  // The keyboard goes through the box as the eye reads it: the place and its
  // button, the instant, the motion.
  QWidget* const order[] = {reckoningPosition_.Lat, reckoningPosition_.Lon, btnTakeMainReckoning, reckoningTime_.Date,
                            reckoningTime_.Time,    reckoningTime_.Zone,    dsCourse,             dsSpeed};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  return group;
}

QGroupBox* TFixPanel::CreateFixGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Обсервация"));
  auto* box = new QVBoxLayout(group);
  const TFixSettings defaults;
  // The ranges of ValidateFixSettings (sights/FixErrors.h).
  dsSightError = Number(group, "dsSightError", QStringLiteral("СКП высоты"), static_cast<double>(kSightErrorRange.Least),
                        static_cast<double>(kSightErrorRange.Most), static_cast<double>(defaults.SightError),
                        QStringLiteral("′"));
  dsSightError->setToolTip(QStringLiteral(
      "СКП высоты: средняя квадратическая ошибка одной измеренной высоты, от 0,1′ до 10′.\n"
      "По ней строится эллипс, в котором истинное место лежит с вероятностью 95 %,\n"
      "и проверяются невязки: если они больше, чем объясняет эта ошибка, программа скажет,\n"
      "какое наблюдение проверить."));
  dsDriftRate = Number(group, "dsDriftRate", QStringLiteral("Рост ошибки счисления"),
                       static_cast<double>(kDriftRateRange.Least), static_cast<double>(kDriftRateRange.Most),
                       static_cast<double>(defaults.DriftRate), QStringLiteral(" мили/ч"));
  dsDriftRate->setToolTip(QStringLiteral(
      "Рост ошибки счисления: на сколько миль за час плавания может уйти счислимое место\n"
      "(течение, дрейф, ошибки курса и скорости), от 0 до 10.\n"
      "Линия положения, перенесённая на время обсервации, получает эту ошибку,\n"
      "умноженную на время переноса; 0 — переносы считаются точными."));
  auto* accuracy = new QHBoxLayout;
  accuracy->addWidget(new QLabel(QStringLiteral("СКП высоты:"), group));
  accuracy->addWidget(dsSightError);
  accuracy->addSpacing(8);
  accuracy->addWidget(new QLabel(QStringLiteral("Рост ошибки счисления:"), group));
  accuracy->addWidget(dsDriftRate);
  accuracy->addStretch();
  box->addLayout(accuracy);
  lbFix = Named(new TWholeTextLabel(5, group), "lbFix");
  lbFix->setTextFormat(Qt::PlainText);
  lbFix->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lbFix->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbFix->setWordWrap(true);
  lbFix->setFont(Face("MS Sans Serif", 15, true));
  SetColour(lbFix, QPalette::WindowText, kYellow);
  lbFixError = Message(group, "lbFixError", kRed);
  btnFixToMain = Button(group, "btnFixToMain", QStringLiteral("Перенести в главное окно"));
  btnFixToMain->setToolTip(QStringLiteral("Записать обсервованное место в поля координат главного окна"));
  btnFixToMain->setEnabled(false);
  btnSheetWindow = Button(group, "btnSheetWindow", QStringLiteral("Планшет…"));
  btnSheetWindow->setToolTip(QStringLiteral("F9: планшет в отдельном окне, с масштабом и сдвигом"));
  auto* line = new QHBoxLayout;
  line->addWidget(lbFixError, 1);
  line->addWidget(btnSheetWindow, 0, Qt::AlignBottom);
  line->addWidget(btnFixToMain, 0, Qt::AlignBottom);
  box->addWidget(lbFix, 1);
  box->addLayout(line);
  PlainChildren(group);
  return group;
}

void TFixPanel::ConnectHandlers() {
  const auto on = [this](auto* sender, auto signal, void (TFixPanel::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  const auto toggle = [this](TSpeedButton* button, const char* one, const char* other) {
    connect(button, &TSpeedButton::clicked, this, [=, this] {
      Guarded([=, this] {
        button->setText(button->text() == QLatin1String(one) ? QString::fromLatin1(other) : QString::fromLatin1(one));
        ReckoningInputChange();
      });
    });
  };
  // The flat buttons take no focus: the field beside each takes its letters,
  // as in the main window.
  THemisphereKeys::Latitude(reckoningPosition_.Lat, reckoningPosition_.LatSign);
  THemisphereKeys::Longitude(reckoningPosition_.Lon, reckoningPosition_.LonSign);
  THemisphereKeys::Longitude(reckoningTime_.Zone, reckoningTime_.ZoneSign);

  on(reckoningTime_.Date, &QDateEdit::dateChanged, &TFixPanel::ReckoningInputChange);
  on(reckoningTime_.Time, &QTimeEdit::timeChanged, &TFixPanel::ReckoningInputChange);
  on(reckoningTime_.Zone, &TSpinEdit::valueChanged, &TFixPanel::ReckoningInputChange);
  toggle(reckoningTime_.ZoneSign, "E", "W");
  on(reckoningPosition_.Lat, &TMaskEdit::maskedTextChanged, &TFixPanel::ReckoningInputChange);
  on(reckoningPosition_.Lon, &TMaskEdit::maskedTextChanged, &TFixPanel::ReckoningInputChange);
  toggle(reckoningPosition_.LatSign, "N", "S");
  toggle(reckoningPosition_.LonSign, "E", "W");
  // Every text, also one that is not a number yet, is read and, if wrong,
  // reported.
  for (TNumberField* field : {dsCourse, dsSpeed, dsSightError, dsDriftRate}) {
    on(field, &TNumberField::edited, &TFixPanel::ReckoningInputChange);
  }
  on(btnTakeMainReckoning, &QPushButton::clicked, &TFixPanel::TakeMainReckoningClick);
  on(btnFixToMain, &QPushButton::clicked, &TFixPanel::FixToMainClick);
  on(btnSheetWindow, &QPushButton::clicked, &TFixPanel::ShowSheetWindow);
}

void TFixPanel::Follow(const TAlmanacInputs& inputs) {
  const bool first = !main_;
  main_ = inputs;
  if (first && !reckoningKept_) ApplyMainValuesToReckoning();
}

void TFixPanel::ApplyMainValuesToReckoning() {
  if (!main_) return;
  const TAlmanacInputs& in = *main_;
  applying_ = true;
  try {
    ShowShipTime(in.Time, reckoningTime_);
    ShowPosition(in.Latitude, in.Longitude, reckoningPosition_);
  } catch (...) {
    applying_ = false;
    throw;
  }
  applying_ = false;
  emit reckoningChanged();
}

void TFixPanel::TakeMainReckoningClick() { ApplyMainValuesToReckoning(); }

void TFixPanel::ReckoningInputChange() {
  if (!applying_) emit reckoningChanged();
}

TDeadReckoning TFixPanel::ReadReckoning(QString& field) const {
  TDeadReckoning dr{};
  field = QStringLiteral("Место счисления");
  std::tie(dr.Lat, dr.Lon) = ReadPosition(reckoningPosition_);
  field = QStringLiteral("Время счисления");
  dr.Time = ReadShipTime(reckoningTime_);
  // The date field takes any year, so that one out of the range is kept as
  // typed and refused here.
  if (const char* fault = ShipTimeFault(dr.Time, kDeadReckoningInstantTexts)) throw EFixError(fault);
  field = dsCourse->Caption();
  dr.Course = ReadNumber(dsCourse);
  field = dsSpeed->Caption();
  dr.Speed = ReadNumber(dsSpeed);
  field.clear();
  return dr;
}

TFixSettings TFixPanel::ReadSettings(QString& field) const {
  TFixSettings settings;
  field = dsSightError->Caption();
  settings.SightError = ReadNumber(dsSightError);
  field = dsDriftRate->Caption();
  settings.DriftRate = ReadNumber(dsDriftRate);
  field.clear();
  return settings;
}

const TFixOutcome& TFixPanel::WorkFix(const std::vector<TLoggedSight>& sights) {
  // A field of the reckoning or of the accuracy that cannot be read leaves
  // the last good values the log's (Reckoning, Fix().Settings) but works no
  // fix: the panel names the field to mend, nothing can be carried to the
  // main window, and the sheet says the same on a blank page.
  QString refused;
  try {
    reckoning_ = ReadReckoning(refused);
    lbReckoningError->clear();
  } catch (const Exception& error) {
    lbReckoningError->setText(Text(error.Message()));
  }
  QString settingsError;
  QString settingsField;
  try {
    settings_ = ReadSettings(settingsField);
  } catch (const Exception& error) {
    settingsError = Text(error.Message());
    if (refused.isEmpty()) refused = settingsField;
  }
  fix_ = {};
  fix_.Settings = settings_;
  if (refused.isEmpty() && reckoning_) fix_ = tarvel::WorkFix(sights, *reckoning_, settings_);
  if (fix_.Fix && fix_.Last < sights.size()) fixTime_ = sights[fix_.Last].Sight.Time;

  QString fix;
  for (const std::string& line : FixLines(sights, fix_, false)) fix += (fix.isEmpty() ? "" : "\n") + Text(line);
  if (!refused.isEmpty()) fix = RefusedFieldText(refused);
  lbFix->setText(fix);
  lbFixError->setText(settingsError.isEmpty() ? Text(fix_.Error) : settingsError);
  btnFixToMain->setEnabled(fix_.Fix.has_value());
  if (!refused.isEmpty() || !reckoning_) {
    TPlot none;
    if (!refused.isEmpty()) none.Notice = fix.toStdString();
    sheet_->SetPlot(none);
  } else {
    sheet_->SetPlot(SightsPlot(sights, *reckoning_, fix_));
  }
  sheetWindow_->SetPlot(sheet_->Plot());
  return fix_;
}

void TFixPanel::ShowSheetWindow() { sheetWindow_->Open(); }

QString RefusedFieldText(const QString& field) {
  return QStringLiteral("Обсервации нет: исправьте поле «") + field + QStringLiteral("»");
}

void TFixPanel::FixToMainClick() {
  if (fix_.Fix) emit fixChosen(fix_.Fix->Lat, fix_.Fix->Lon, fixTime_);
}

}  // namespace tarvel
