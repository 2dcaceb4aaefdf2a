// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sighttab/ChronometerDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "chronometer/ChronometerRate.h"
#include "navfields/FormControls.h"
#include "navfields/NumberField.h"
#include "reports/ChronometerText.h"
#include "reports/SightSheet.h"
#include "widgets/ErrorReport.h"
#include "widgets/FocusMark.h"
#include "widgets/SpinEdit.h"
#include "widgets/Look.h"
#include "widgets/Texts.h"

namespace tarvel {

TChronometerDialog::TChronometerDialog(const TChronometerRecord& record, const TShipTime& start, QWidget* parent)
    : QDialog(parent), record_(record) {
  setWindowTitle(QStringLiteral("Хронометр"));
  setObjectName(QStringLiteral("ChronometerDialog"));
  auto* layout = new QVBoxLayout(this);

  layout->addWidget(new QLabel(QStringLiteral("Сравнения хронометра:"), this));
  twComparisons = Named(new QTableWidget(0, 3, this), "twComparisons");
  twComparisons->setHorizontalHeaderLabels(
      {QStringLiteral("Дата и время"), QStringLiteral("Пояс"), QStringLiteral("Хронометр")});
  twComparisons->verticalHeader()->setVisible(false);
  twComparisons->setEditTriggers(QAbstractItemView::NoEditTriggers);
  twComparisons->setSelectionBehavior(QAbstractItemView::SelectRows);
  twComparisons->setSelectionMode(QAbstractItemView::SingleSelection);
  twComparisons->horizontalHeader()->setStretchLastSection(true);
  twComparisons->setMinimumHeight(120);
  layout->addWidget(twComparisons);
  btnRemoveComparison = Button(this, "btnRemoveComparison", QStringLiteral("Удалить сравнение"));
  layout->addWidget(btnRemoveComparison, 0, Qt::AlignRight);

  auto* grid = new QGridLayout;
  const char* const timeNames[4] = {"dpComparison", "tpComparison", "seComparisonZone", "sbComparisonZone"};
  grid->addWidget(new QLabel(QStringLiteral("Новое сравнение:"), this), 0, 0);
  comparisonTime_ = InstantRow(this, grid, 0, 2, timeNames);
  comparisonTime_.Time->setDisplayFormat(QStringLiteral("HH:mm"));
  ShowShipTime({start.Zone, start.Hour, start.Minute, 0, start.Day, start.Month, start.Year}, comparisonTime_);
  dsComparisonError = Number(this, "dsComparisonError", QStringLiteral("Ошибка хронометра"), 0,
                             static_cast<double>(kComparisonBound), 0, QStringLiteral(" с"));
  cbComparisonSense = Input(new QComboBox(this), "cbComparisonSense");
  cbComparisonSense->addItems({QStringLiteral("спешит"), QStringLiteral("отстаёт")});
  btnAddComparison = Button(this, "btnAddComparison", QStringLiteral("Добавить сравнение"));
  auto* errorLine = new QHBoxLayout;
  errorLine->addWidget(cbComparisonSense);
  errorLine->addWidget(dsComparisonError);
  errorLine->addStretch();
  errorLine->addWidget(btnAddComparison);
  grid->addWidget(new QLabel(QStringLiteral("Хронометр:"), this), 1, 0);
  grid->addLayout(errorLine, 1, 1, 1, 2);

  rbRateFromComparisons = Named(new QRadioButton(QStringLiteral("по двум последним сравнениям:"), this),
                                "rbRateFromComparisons");
  rbRateTyped = Named(new QRadioButton(QStringLiteral("задан:"), this), "rbRateTyped");
  lbDerivedRate = Named(new QLabel(this), "lbDerivedRate");
  dsRate = Number(this, "dsRate", QStringLiteral("Суточный ход"), -static_cast<double>(kRateBound),
                  static_cast<double>(kRateBound), 0, QStringLiteral(" с/сут"));
  grid->addWidget(new QLabel(QStringLiteral("Суточный ход:"), this), 2, 0);
  auto* derived = new QHBoxLayout;
  derived->addWidget(rbRateFromComparisons);
  derived->addWidget(lbDerivedRate);
  derived->addStretch();
  grid->addLayout(derived, 2, 1, 1, 2);
  auto* typed = new QHBoxLayout;
  typed->addWidget(rbRateTyped);
  typed->addWidget(dsRate);
  typed->addStretch();
  grid->addLayout(typed, 3, 1, 1, 2);
  layout->addLayout(grid);
  auto* rule = new QLabel(QStringLiteral("Поправка = −(спешит) или +(отстаёт) последнего сравнения "
                                         "+ ход × сутки от него; ход > 0 — хронометр отстаёт всё больше."),
                          this);
  rule->setWordWrap(true);
  layout->addWidget(rule);

  lbChronometerError = Message(this, "lbChronometerError", look::kRed);
  layout->addWidget(lbChronometerError);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnChronometerOk"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
  layout->addWidget(buttons);

  if (record_.TypedRate) {
    rbRateTyped->setChecked(true);
    dsRate->setValue(static_cast<double>(*record_.TypedRate));
  } else {
    rbRateFromComparisons->setChecked(true);
  }
  const auto on = [this](auto* sender, auto signal, void (TChronometerDialog::*handler)()) {
    connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  on(btnAddComparison, &QPushButton::clicked, &TChronometerDialog::AddComparisonClick);
  on(btnRemoveComparison, &QPushButton::clicked, &TChronometerDialog::RemoveComparisonClick);
  on(rbRateTyped, &QRadioButton::toggled, &TChronometerDialog::RateChoiceChange);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Delete in the table removes the comparison chosen, as the button does.
  twComparisons->installEventFilter(this);
  // The keyboard goes as the eye reads: the table, then the new comparison
  // left to right, then the rate and the buttons; the focus is framed as in
  // the navigation window, and starts on the new comparison's date.
  QWidget* const order[] = {twComparisons,         btnRemoveComparison,   comparisonTime_.Date,
                            comparisonTime_.Time,  comparisonTime_.Zone,  cbComparisonSense,
                            dsComparisonError,     btnAddComparison,      rbRateFromComparisons,
                            rbRateTyped,           dsRate,                buttons->button(QDialogButtonBox::Ok),
                            buttons->button(QDialogButtonBox::Cancel)};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  new TFocusMark(this);
  comparisonTime_.Date->setFocus();
  RateChoiceChange();
  ShowRecord();
}

bool TChronometerDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == twComparisons && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    Guarded([this] { RemoveComparisonClick(); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TChronometerDialog::ShowRecord() {
  twComparisons->setRowCount(static_cast<int>(record_.Comparisons.size()));
  for (int row = 0; row < twComparisons->rowCount(); ++row) {
    const TComparison& c = record_.Comparisons[static_cast<std::size_t>(row)];
    const QString cells[3] = {Text(ComparisonTimeText(c)), c.Time ? Text(ZoneText(c.Time->Zone)) : QString(),
                              Text(ComparisonErrorText(c))};
    for (int column = 0; column < 3; ++column) twComparisons->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
  twComparisons->resizeColumnsToContents();
  const TChronometerRate derived = RecordRate({record_.Comparisons, std::nullopt});
  lbDerivedRate->setText(Text(RateText(derived)));
}

void TChronometerDialog::AddComparisonClick() {
  Extended seconds = 0;
  try {
    seconds = dsComparisonError->Read();
    const TShipTime time = ReadShipTime(comparisonTime_);
    AddComparison(record_, {time, CorrectionOfError(seconds, cbComparisonSense->currentIndex() == 0)});
  } catch (const Exception& error) {
    lbChronometerError->setText(Text(error.Message()));
    return;
  }
  lbChronometerError->clear();
  ShowRecord();
}

void TChronometerDialog::RemoveComparisonClick() {
  const int row = twComparisons->currentRow();
  if (row < 0 || row >= static_cast<int>(record_.Comparisons.size())) return;
  record_.Comparisons.erase(record_.Comparisons.begin() + row);
  ShowRecord();
}

void TChronometerDialog::RateChoiceChange() { dsRate->setEnabled(rbRateTyped->isChecked()); }

bool TChronometerDialog::TakeRate() {
  if (!rbRateTyped->isChecked()) {
    record_.TypedRate.reset();
    return true;
  }
  try {
    record_.TypedRate = dsRate->Read();
  } catch (const EFieldError& error) {
    lbChronometerError->setText(Text(error.Message()));
    return false;
  }
  return true;
}

void TChronometerDialog::accept() {
  bool good = false;
  Guarded([this, &good] { good = TakeRate(); });
  if (good) QDialog::accept();
}

}  // namespace tarvel
