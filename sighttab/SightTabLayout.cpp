// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The "Обработка наблюдений" tab's controls: the sight form, its worksheet
// and the list on the left, the fix panel on the right.

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QCompleter>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <iterator>

#include "fixpanel/FixPanel.h"
#include "navfields/FormControls.h"
#include "reports/SightSheet.h"
#include "sighttab/SightListModel.h"
#include "sighttab/SightTab.h"
#include "sights/SightErrors.h"
#include "widgets/Look.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

using namespace look;

// The worksheet is as tall as its rows, whatever their wrapping: its size
// hint follows the rows whenever their texts, its width or its face change
// them.
class TWorksheetTable : public QTableWidget {
 public:
  TWorksheetTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
  }
};

// The boxes that switch sights on and off, black on white so that they show
// on the black table, checked or not.
class TBoxesOnBlack : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_IndicatorItemViewItemCheck) {
      if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
        QStyleOptionViewItem box = *item;
        box.palette.setColor(QPalette::Base, kWhite);
        box.palette.setColor(QPalette::Window, kWhite);
        box.palette.setColor(QPalette::Text, kBlack);
        box.palette.setColor(QPalette::WindowText, kBlack);
        QProxyStyle::drawPrimitive(element, &box, painter, widget);
        return;
      }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
};

// A table of whole rows, white on black as the sky's table, the header
// silver.
void StyleTable(QTableView* table) {
  table->verticalHeader()->setVisible(false);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(true);
  table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
  table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).lineSpacing() + 6);
  SetColour(table, QPalette::Base, kBlack);
  SetColour(table, QPalette::AlternateBase, QColor(22, 22, 22));
  SetColour(table, QPalette::Text, kWhite);
  SetColour(table, QPalette::Window, kBlack);
  SetColour(table, QPalette::WindowText, kWhite);
  SetColour(table, QPalette::Button, kSilver);
  SetColour(table, QPalette::ButtonText, kBlack);
  SetColour(table, QPalette::Highlight, kNavy);
  SetColour(table, QPalette::HighlightedText, kWhite);
  SetColour(table, QPalette::Mid, kGray);  // the grid
  table->setGridStyle(Qt::DotLine);
}

}  // namespace

void TSightTab::CreateControls() {
  setObjectName(QStringLiteral("SightTab"));
  // The black page of the program's windows.
  setAutoFillBackground(true);
  SetColour(this, QPalette::Window, kBlack);
  SetColour(this, QPalette::WindowText, kWhite);
  // Left, the way from the sextant to the line of position; right, from
  // the list to the fix and the sheet. So the page, the Moon's longer
  // worksheet too, fits a 1366 × 768 screen without scrolling.
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(4, 4, 4, 4);
  auto* left = new QVBoxLayout;
  left->addWidget(CreateSightGroup());
  left->addWidget(CreateWorksheetGroup());
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(CreateListGroup());
  fixPanel_ = new TFixPanel(this);
  right->addWidget(fixPanel_, 1);
  columns->addLayout(left, 0);
  columns->addLayout(right, 1);
  SetTabOrder();
}

QGroupBox* TSightTab::CreateSightGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Наблюдение"));
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(3);

  cbBody = Input(new QComboBox(group), "cbBody");
  // In the order of TBody: the index is the body.
  cbBody->addItems({QStringLiteral("Солнце, нижний край"), QStringLiteral("Солнце, верхний край"),
                    QStringLiteral("Звезда"), QStringLiteral("Луна, нижний край"), QStringLiteral("Луна, верхний край"),
                    QStringLiteral("Венера"), QStringLiteral("Марс"), QStringLiteral("Юпитер"),
                    QStringLiteral("Сатурн")});
  seStar = Input(new TSpinEdit(group), "seStar");
  // The arrows go round the catalogue as the main window's; a number out of
  // it cannot be typed.
  seStar->setRange(1, 160);
  seStar->setWrapping(true);
  seStar->AllowTyping();
  seStar->setValue(1);
  seStar->setFixedWidth(68);
  leStarFind = Input(new QLineEdit(group), "leStarFind");
  leStarFind->setPlaceholderText(QStringLiteral("найти по названию"));
  leStarFind->setToolTip(QStringLiteral("Наберите часть названия или обозначения звезды и выберите её из списка"));
  leStarFind->setFixedWidth(170);
  for (std::int32_t number = 1; number <= kStarCount; ++number) starLines_ << Text(StarText(number));
  starFinder_ = new QCompleter(starLines_, leStarFind);
  starFinder_->setCaseSensitivity(Qt::CaseInsensitive);
  starFinder_->setFilterMode(Qt::MatchContains);
  starFinder_->setMaxVisibleItems(12);
  leStarFind->setCompleter(starFinder_);
  SizeStarFinder();
  lbStarLetter = Named(new QLabel(group), "lbStarLetter");
  lbStarLetter->setFont(Face("Arial", 17, true));
  lbStarName = Named(new QLabel(group), "lbStarName");
  for (QLabel* label : {lbStarLetter, lbStarName}) {
    SetColours(*label, QPalette::WindowText, kFuchsia, kGray);  // as the main window's star
  }
  lbStarName->setFont(Face("MS Sans Serif", 15, true));
  // A long name is cut at the form's edge rather than widen the form.
  lbStarName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  grid->addWidget(new QLabel(QStringLiteral("Светило:"), group), 0, 0);
  grid->addWidget(cbBody, 0, 1, 1, 3, Qt::AlignLeft);
  auto* starLine = new QHBoxLayout;
  starLine->addWidget(seStar);
  starLine->addSpacing(4);
  starLine->addWidget(lbStarLetter);
  starLine->addSpacing(6);  // the letter apart from the name, as in the main window
  starLine->addWidget(lbStarName, 1);
  starLine->addWidget(leStarFind);
  grid->addWidget(new QLabel(QStringLiteral("Звезда №:"), group), 1, 0);
  grid->addLayout(starLine, 1, 1, 1, 3);

  const char* const timeNames[4] = {"dpSight", "tpSight", "seZone", "sbZone"};
  grid->addWidget(new QLabel(QStringLiteral("Судовое время:"), group), 2, 0);
  sightTime_ = InstantRow(group, grid, 2, 3, timeNames, TSeconds::WithLeapSecond);
  btnMark = Button(group, "btnMark", QStringLiteral("Засечка"));
  btnMark->setToolTip(
      QStringLiteral("F5: взять дату и время с часов компьютера с поправкой хронометра, в поясе формы"));
  btnChronometer = Button(group, "btnChronometer", QStringLiteral("Хронометр…"));
  btnChronometer->setToolTip(QStringLiteral(
      "Сравнения хронометра и его суточный ход. Поправка — сколько секунд прибавить к часам,\n"
      "чтобы получить точное время: спешат — поправка отрицательна, отстают — положительна.\n"
      "Её учитывает «Засечка»."));
  lbChronometer = Named(new QLabel(group), "lbChronometer");
  lbChronometer->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* markLine = new QHBoxLayout;
  markLine->addWidget(btnMark);
  markLine->addSpacing(12);
  markLine->addWidget(btnChronometer);
  markLine->addSpacing(8);
  markLine->addWidget(lbChronometer, 1);
  markLine->addWidget(new QLabel(QStringLiteral("DUT1:"), group));
  dsDut1 = Number(group, "dsDut1", QStringLiteral("DUT1"), static_cast<double>(kDut1Range.Least),
                  static_cast<double>(kDut1Range.Most), 0, QStringLiteral(" с"), 1);
  dsDut1->setToolTip(QStringLiteral(
      "DUT1 = UT1 − UTC, как её передают сигналы времени, до десятой секунды.\n"
      "Берётся после 29.11.2022, где измеренного вращения Земли в программе нет;\n"
      "раньше — измеренная IERS, а введённая, расходящаяся с ней больше чем на 0,05 с, отмечается."));
  markLine->addWidget(dsDut1);

  grid->addWidget(new QLabel(QStringLiteral("С часов (F5):"), group), 3, 0);
  grid->addLayout(markLine, 3, 1, 1, 3);

  meHs = Input(new TMaskEdit(QStringLiteral("Hs = ##°##,#'"), group), "meHs");
  meHs->setFixedWidth(122);
  // The ranges the reduction accepts (sights/SightErrors.h); the index
  // error's bound is open, so its field ends a tenth inside it.
  const double index = static_cast<double>(kIndexErrorBound) - 0.1;
  dsIndex = Number(group, "dsIndex", QStringLiteral("Индексная ошибка"), -index, index, 0, QStringLiteral("′"));
  grid->addWidget(new QLabel(QStringLiteral("Высота по секстану:"), group), 4, 0);
  auto* hsLine = new QHBoxLayout;
  hsLine->addWidget(meHs);
  hsLine->addSpacing(12);
  hsLine->addWidget(new QLabel(QStringLiteral("Индексная ошибка:"), group));
  hsLine->addWidget(dsIndex);
  hsLine->addStretch();
  grid->addLayout(hsLine, 4, 1, 1, 3);

  const auto ranged = [group](const char* name, const QString& caption, const TRange& range, double value,
                              const QString& suffix, int decimals) {
    return Number(group, name, caption, static_cast<double>(range.Least), static_cast<double>(range.Most), value,
                  suffix, decimals);
  };
  dsEye = ranged("dsEye", QStringLiteral("Высота глаза"), kEyeHeightRange, 10, QStringLiteral(" м"), 1);
  dsTemperature = ranged("dsTemperature", QStringLiteral("Температура"), kTemperatureRange, 10, QStringLiteral(" °C"), 1);
  dsPressure = ranged("dsPressure", QStringLiteral("Давление"), kPressureRange, 1010, QStringLiteral(" гПа"), 0);
  grid->addWidget(new QLabel(QStringLiteral("Высота глаза:"), group), 5, 0);
  auto* airLine = new QHBoxLayout;
  airLine->addWidget(dsEye);
  airLine->addSpacing(8);
  airLine->addWidget(new QLabel(QStringLiteral("Температура:"), group));
  airLine->addWidget(dsTemperature);
  airLine->addSpacing(8);
  airLine->addWidget(new QLabel(QStringLiteral("Давление:"), group));
  airLine->addWidget(dsPressure);
  airLine->addStretch();
  grid->addLayout(airLine, 5, 1, 1, 3);

  const char* const placeNames[4] = {"meFi", "sbFi", "meLam", "sbLam"};
  grid->addWidget(new QLabel(QStringLiteral("Счислимое место:"), group), 6, 0);
  assumed_ = PositionRow(group, grid, 6, placeNames);
  btnTakeMain = Button(group, "btnTakeMain", QStringLiteral("Из главного окна"));
  btnTakeMain->setToolTip(QStringLiteral("Взять дату, время, пояс, место и звезду из главного окна"));
  grid->addWidget(btnTakeMain, 0, 2, 1, 2, Qt::AlignRight);

  lbSightError = Message(group, "lbSightError", kRed);
  lbSightWarning = Message(group, "lbSightWarning", kAmber);
  lbStarSearch = Message(group, "lbStarSearch", kAmber);
  lbStarSearch->hide();
  grid->addWidget(lbSightError, 7, 0, 1, 4);
  grid->addWidget(lbSightWarning, 8, 0, 1, 4);
  grid->addWidget(lbStarSearch, 9, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  PlainChildren(group);
  return group;
}

// The keyboard goes through the tab as the eye reads it: the form row by
// row, left to right, then its worksheet's buttons, then the list.
void TSightTab::SetTabOrder() {
  QWidget* const order[] = {cbBody,       btnTakeMain, seStar,        leStarFind,     sightTime_.Date,
                            sightTime_.Time, sightTime_.Zone, btnMark, btnChronometer, dsDut1, meHs,
                            dsIndex,      dsEye,       dsTemperature, dsPressure,     assumed_.Lat,
                            assumed_.Lon, btnCopySheet, btnAdd,       btnReplace,     tvSights,
                            btnRemove,    btnCopyList};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

// The Moon's worksheet has one line more (OB) than the other bodies'.
void TSightTab::SizeWorksheet(int rows) {
  if (twWorksheet->rowCount() == rows) return;
  twWorksheet->setRowCount(rows);
  for (int row = 0; row < rows; ++row) {
    if (twWorksheet->item(row, 0)) continue;
    for (int column = 0; column < 3; ++column) twWorksheet->setItem(row, column, new QTableWidgetItem);
    twWorksheet->item(row, 2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twWorksheet->item(row, 2)->setForeground(kYellow);  // results in yellow, as in the main window
    twWorksheet->item(row, 2)->setFont(Face("MS Sans Serif", 14, true));
  }
}

QGroupBox* TSightTab::CreateWorksheetGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Вычисление линии положения"));
  auto* box = new QVBoxLayout(group);
  lbSheetState = Message(group, "lbSheetState", kAmber);
  lbSheetState->hide();
  box->addWidget(lbSheetState);
  twWorksheet = Named(new TWorksheetTable(0, 3, group), "Worksheet");
  twWorksheet->setHorizontalHeaderLabels(
      {QStringLiteral("Величина"), QStringLiteral("Как получена"), QStringLiteral("Значение")});
  StyleTable(twWorksheet);
  twWorksheet->setSelectionMode(QAbstractItemView::NoSelection);
  twWorksheet->setFocusPolicy(Qt::NoFocus);
  SizeWorksheet(12);  // the lines of a Sun sight, until the first reduction
  QHeaderView* header = twWorksheet->horizontalHeader();
  header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(1, QHeaderView::Stretch);
  header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  twWorksheet->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  twWorksheet->setMinimumWidth(570);
  twWorksheet->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  twWorksheet->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  twWorksheet->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  twWorksheet->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  box->addWidget(twWorksheet);
  lbTimeOfRecord = Named(new QLabel(group), "lbTimeOfRecord");
  lbTimeOfRecord->setToolTip(QStringLiteral(
      "UT1 − UTC наблюдения и откуда она взята; ошибка места светила от неточности времени:\n"
      "неточность UT1 поворачивает часовой угол на 15″ в секунду"));
  box->addWidget(lbTimeOfRecord);

  btnCopySheet = Button(group, "btnCopySheet", QStringLiteral("Копировать"));
  btnCopySheet->setToolTip(QStringLiteral("Поместить вычисление в буфер обмена"));
  btnAdd = Button(group, "btnAdd", QStringLiteral("Добавить в список"));
  btnReplace = Button(group, "btnReplace", QStringLiteral("Заменить выбранную"));
  btnReplace->setToolTip(QStringLiteral("Заменить выбранную в списке линию положения этой"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnCopySheet);
  buttons->addStretch();
  buttons->addWidget(btnAdd);
  buttons->addWidget(btnReplace);
  box->addLayout(buttons);
  PlainChildren(group);
  return group;
}

QGroupBox* TSightTab::CreateListGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Линии положения"));
  auto* box = new QVBoxLayout(group);
  sights_ = new TSightListModel(this);
  tvSights = Named(new QTableView(group), "Sights");
  sightOrder_ = new QSortFilterProxyModel(this);
  sightOrder_->setSourceModel(sights_);
  sightOrder_->setSortRole(TSightListModel::kOrderRole);
  sightOrder_->setDynamicSortFilter(true);
  tvSights->setModel(sightOrder_);
  StyleTable(tvSights);
  // The log's numbers beside the rows, whatever their order: the fix's
  // messages name a sight by them.
  tvSights->verticalHeader()->setVisible(true);
  tvSights->horizontalHeader()->setSectionsClickable(true);
  tvSights->horizontalHeader()->setSortIndicatorShown(false);
  tvSights->setToolTip(QStringLiteral("Флажок включает линию в обсервацию; двойной щелчок переносит её в форму"));
  tvSights->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tvSights->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  tvSights->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* boxes = new TBoxesOnBlack;
  boxes->setParent(tvSights);
  tvSights->setStyle(boxes);
  box->addWidget(tvSights);
  btnRemove = Button(group, "btnRemove", QStringLiteral("Удалить"));
  btnCopyList = Button(group, "btnCopyList", QStringLiteral("Копировать"));
  btnCopyList->setToolTip(QStringLiteral("Поместить список и обсервацию в буфер обмена"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnRemove);
  buttons->addStretch();
  buttons->addWidget(btnCopyList);
  box->addLayout(buttons);
  PlainChildren(group);
  // Six rows at least, in the list's own face.
  constexpr int kListRows = 6;
  tvSights->setMinimumHeight(tvSights->horizontalHeader()->sizeHint().height() +
                             kListRows * tvSights->verticalHeader()->defaultSectionSize() + 2 * tvSights->frameWidth());
  tvSights->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
  return group;
}

}  // namespace tarvel
