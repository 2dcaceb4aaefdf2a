// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The "Обработка наблюдений" tab's controls: the sight form and its
// worksheet on the left, the list, the dead reckoning, the fix and the
// plotting sheet on the right.

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "reports/FixReport.h"
#include "navigation/PlottingSheet.h"
#include "navigation/SightTab.h"
#include "widgets/GroupBox.h"
#include "widgets/InputStyle.h"
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

// A warning is amber on the black page.
const QColor kAmber(255, 176, 0);

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// The inputs look as the main window's: bold black on lime while they take
// input, greyed while disabled, silver arrow buttons with dark arrows, a navy
// selection whatever the desktop.
template <class Widget>
Widget* Input(Widget* widget, const char* name) {
  Named(widget, name);
  widget->setFont(Face("MS Sans Serif", 15, true));
  look::SetInputColours(*widget);
  if (qobject_cast<QAbstractSpinBox*>(widget)) UseInputStyle(*widget);
  return widget;
}

// The drop-down month as the main window's.
void StyleCalendar(QCalendarWidget* calendar) { look::SetCalendarColours(*calendar); }

TSpeedButton* SignButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = Named(new TSpeedButton(parent), name);
  button->setText(caption);
  button->setFont(Face("MS Sans Serif", 15, true));
  button->setFixedSize(25, 24);
  button->setSpacing(2);
  SetColour(button, QPalette::Button, kFace);
  SetColour(button, QPalette::ButtonText, kBlack);
  return button;
}

QDoubleSpinBox* Number(QWidget* parent, const char* name, double minimum, double maximum, double value,
                       const QString& suffix, int decimals = 1) {
  auto* spin = Input(new QDoubleSpinBox(parent), name);
  spin->setLocale(RussianLocale());
  spin->setDecimals(decimals);
  spin->setRange(minimum, maximum);
  spin->setSingleStep(decimals ? 0.1 : 1);
  spin->setValue(value);
  spin->setSuffix(suffix);
  spin->setAccelerated(true);
  return spin;
}

QDateEdit* DatePicker(QWidget* parent, const char* name) {
  auto* picker = Input(new QDateEdit(parent), name);
  picker->setLocale(RussianLocale());
  picker->setDisplayFormat(kLongDateFormat);  // as the main window
  picker->setDateRange(QDate(1930, 1, 1), QDate(2099, 12, 31));
  picker->setCalendarPopup(true);
  StyleCalendar(picker->calendarWidget());
  return picker;
}

QTimeEdit* TimePicker(QWidget* parent, const char* name) {
  auto* picker = Input(new QTimeEdit(parent), name);
  picker->setLocale(RussianLocale());
  picker->setDisplayFormat(QStringLiteral("H:mm:ss"));
  picker->setWrapping(true);  // as the main window's
  return picker;
}

QLabel* Message(QWidget* parent, const char* name, const QColor& colour) {
  auto* label = Named(new QLabel(parent), name);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setFont(Face("MS Sans Serif", 14, true));
  SetColour(label, QPalette::WindowText, colour);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  // Silver with black text, and told apart while disabled.
  SetColours(*button, QPalette::Button, kSilver, QColor(64, 64, 64));
  SetColours(*button, QPalette::ButtonText, kBlack, QColor(150, 150, 150));
  return button;
}

template <class Kind = QTableWidget>
QTableWidget* Table(QWidget* parent, const char* name, const QStringList& captions) {
  auto* table = Named(new Kind(0, static_cast<int>(captions.size()), parent), name);
  table->setHorizontalHeaderLabels(captions);
  table->verticalHeader()->setVisible(false);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(true);
  table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).lineSpacing() + 6);
  // White on black as the sky's table, the header silver.
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
  return table;
}

// The position fields and hemisphere buttons of the main window.
void PositionRow(QWidget* parent, QGridLayout* grid, int row, const char* names[4], TMaskEdit*& lat,
                 TSpeedButton*& latSign, TMaskEdit*& lon, TSpeedButton*& lonSign) {
  lat = Input(new TMaskEdit(QStringLiteral("Ш = ##°##,##'"), parent), names[0]);
  lat->setFixedWidth(112);
  latSign = SignButton(parent, names[1], QStringLiteral("N"));
  lon = Input(new TMaskEdit(QStringLiteral("Д = ###°##,##'"), parent), names[2]);
  lon->setFixedWidth(122);
  lonSign = SignButton(parent, names[3], QStringLiteral("E"));
  auto* line = new QHBoxLayout;
  line->setSpacing(4);
  line->addWidget(lat);
  line->addWidget(latSign);
  line->addSpacing(8);
  line->addWidget(lon);
  line->addWidget(lonSign);
  line->addStretch();
  grid->addLayout(line, row, 1);
}

// A group as the main window's: a grey frame with its caption in aqua, bold
// italic, on the black page.
QGroupBox* Group(QWidget* parent, const QString& caption) {
  auto* group = new TGroupBox(caption, parent);
  group->setFont(Face("MS Sans Serif", 15, true, true));
  SetColour(group, QPalette::Window, kBlack);
  SetColour(group, QPalette::WindowText, kAqua);
  SetColour(group, QPalette::Dark, kGray);
  return group;
}

// The captions inside a group are white in the ordinary face; the buttons
// and tables take the ordinary face too.
void PlainChildren(QGroupBox* group) {
  const QFont plain = Face("MS Sans Serif", 14);
  for (QLabel* label : group->findChildren<QLabel*>()) {
    if (!label->objectName().isEmpty()) continue;
    label->setFont(plain);
    SetColour(label, QPalette::WindowText, kWhite);
  }
  for (QPushButton* button : group->findChildren<QPushButton*>()) button->setFont(plain);
  for (QTableWidget* table : group->findChildren<QTableWidget*>()) table->setFont(plain);
}

}  // namespace

void TSightTab::CreateControls() {
  setObjectName(QStringLiteral("SightTab"));
  // The black page of the program's windows.
  setAutoFillBackground(true);
  SetColour(this, QPalette::Window, kBlack);
  SetColour(this, QPalette::WindowText, kWhite);
  // Left, the way from the sextant to the list; right, from the list to the
  // fix and the sheet.
  auto* columns = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(CreateSightGroup());
  left->addWidget(CreateWorksheetGroup());
  left->addWidget(CreateListGroup(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(CreateReckoningGroup());
  right->addWidget(CreateFixGroup());
  sheet_ = new TPlottingSheet(this);
  right->addWidget(sheet_, 1);
  columns->addLayout(left, 0);
  columns->addLayout(right, 1);
}

QGroupBox* TSightTab::CreateSightGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Наблюдение"));
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(5);

  cbBody = Input(new QComboBox(group), "cbBody");
  cbBody->addItems({QStringLiteral("Солнце, нижний край"), QStringLiteral("Солнце, верхний край"),
                    QStringLiteral("Звезда")});
  seStar = Input(new TSpinEdit(group), "seStar");
  seStar->setRange(0, 161);  // 0 and 161 wrap round the catalogue, as in the main window
  seStar->setValue(1);
  seStar->setFixedWidth(68);
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
  grid->addWidget(new QLabel(QStringLiteral("Звезда №:"), group), 1, 0);
  grid->addLayout(starLine, 1, 1, 1, 3);

  sightTime_.Date = DatePicker(group, "dpSight");
  sightTime_.Time = TimePicker(group, "tpSight");
  sightTime_.Zone = Input(new TSpinEdit(group), "seZone");
  sightTime_.Zone->setRange(0, 12);
  sightTime_.Zone->setFixedWidth(60);
  sightTime_.ZoneSign = SignButton(group, "sbZone", QStringLiteral("E"));
  auto* when = new QHBoxLayout;
  when->setSpacing(4);
  when->addWidget(sightTime_.Date);
  when->addSpacing(8);
  when->addWidget(sightTime_.Time);
  when->addSpacing(8);
  when->addWidget(new QLabel(QStringLiteral("Пояс:"), group));
  when->addWidget(sightTime_.Zone);
  when->addWidget(sightTime_.ZoneSign);
  when->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("Судовое время:"), group), 2, 0);
  grid->addLayout(when, 2, 1, 1, 3);

  meHs = Input(new TMaskEdit(QStringLiteral("Hs = ##°##,#'"), group), "meHs");
  meHs->setFixedWidth(122);
  dsIndex = Number(group, "dsIndex", -99.9, 99.9, 0, QStringLiteral("′"));
  grid->addWidget(new QLabel(QStringLiteral("Высота по секстану:"), group), 3, 0);
  auto* hsLine = new QHBoxLayout;
  hsLine->addWidget(meHs);
  hsLine->addSpacing(12);
  hsLine->addWidget(new QLabel(QStringLiteral("Индексная ошибка:"), group));
  hsLine->addWidget(dsIndex);
  hsLine->addStretch();
  grid->addLayout(hsLine, 3, 1, 1, 3);

  dsEye = Number(group, "dsEye", 0, 999.9, 10, QStringLiteral(" м"));
  dsTemperature = Number(group, "dsTemperature", -99.9, 99.9, 10, QStringLiteral(" °C"));
  dsPressure = Number(group, "dsPressure", 0, 9999, 1010, QStringLiteral(" гПа"), 0);
  grid->addWidget(new QLabel(QStringLiteral("Высота глаза:"), group), 4, 0);
  auto* airLine = new QHBoxLayout;
  airLine->addWidget(dsEye);
  airLine->addSpacing(8);
  airLine->addWidget(new QLabel(QStringLiteral("Температура:"), group));
  airLine->addWidget(dsTemperature);
  airLine->addSpacing(8);
  airLine->addWidget(new QLabel(QStringLiteral("Давление:"), group));
  airLine->addWidget(dsPressure);
  airLine->addStretch();
  grid->addLayout(airLine, 4, 1, 1, 3);

  const char* placeNames[4] = {"meFi", "sbFi", "meLam", "sbLam"};
  grid->addWidget(new QLabel(QStringLiteral("Счислимое место:"), group), 5, 0);
  PositionRow(group, grid, 5, placeNames, assumed_.Lat, assumed_.LatSign, assumed_.Lon, assumed_.LonSign);
  btnTakeMain = Button(group, "btnTakeMain", QStringLiteral("Из главного окна"));
  btnTakeMain->setToolTip(QStringLiteral("Взять дату, время, пояс, место и звезду из главного окна"));
  grid->addWidget(btnTakeMain, 0, 2, 1, 2, Qt::AlignRight);

  lbSightError = Message(group, "lbSightError", kRed);
  lbSightWarning = Message(group, "lbSightWarning", kAmber);
  grid->addWidget(lbSightError, 6, 0, 1, 4);
  grid->addWidget(lbSightWarning, 7, 0, 1, 4);
  grid->setColumnStretch(3, 1);
  PlainChildren(group);
  return group;
}

QGroupBox* TSightTab::CreateWorksheetGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Вычисление линии положения"));
  auto* box = new QVBoxLayout(group);
  twWorksheet = Table<TWorksheetTable>(group, "Worksheet", {QStringLiteral("Величина"), QStringLiteral("Как получена"),
                                           QStringLiteral("Значение")});
  twWorksheet->setSelectionMode(QAbstractItemView::NoSelection);
  twWorksheet->setFocusPolicy(Qt::NoFocus);
  twWorksheet->setRowCount(11);
  for (int row = 0; row < 11; ++row) {
    for (int column = 0; column < 3; ++column) twWorksheet->setItem(row, column, new QTableWidgetItem);
    twWorksheet->item(row, 2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twWorksheet->item(row, 2)->setForeground(kYellow);  // results in yellow, as in the main window
    twWorksheet->item(row, 2)->setFont(Face("MS Sans Serif", 14, true));
  }
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
  QStringList captions;
  for (const std::string& caption : kSightRowCaptions) captions << QString::fromStdString(caption);
  twSights = Table(group, "Sights", captions);
  twSights->setToolTip(QStringLiteral("Флажок включает линию в обсервацию; двойной щелчок переносит её в форму"));
  twSights->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  twSights->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  twSights->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* boxes = new TBoxesOnBlack;
  boxes->setParent(twSights);
  twSights->setStyle(boxes);
  twSights->setMinimumHeight(80);
  box->addWidget(twSights);
  btnRemove = Button(group, "btnRemove", QStringLiteral("Удалить"));
  btnCopyList = Button(group, "btnCopyList", QStringLiteral("Копировать"));
  btnCopyList->setToolTip(QStringLiteral("Поместить список и обсервацию в буфер обмена"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnRemove);
  buttons->addStretch();
  buttons->addWidget(btnCopyList);
  box->addLayout(buttons);
  PlainChildren(group);
  return group;
}

QGroupBox* TSightTab::CreateReckoningGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Счисление"));
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(5);
  const char* placeNames[4] = {"meDrFi", "sbDrFi", "meDrLam", "sbDrLam"};
  grid->addWidget(new QLabel(QStringLiteral("Место:"), group), 0, 0);
  PositionRow(group, grid, 0, placeNames, reckoningPosition_.Lat, reckoningPosition_.LatSign,
              reckoningPosition_.Lon, reckoningPosition_.LonSign);
  dsCourse = Number(group, "dsCourse", 0, 359.9, 0, QStringLiteral("°"));
  dsCourse->setWrapping(true);
  dsSpeed = Number(group, "dsSpeed", 0, 99.9, 0, QStringLiteral(" уз"));
  auto* motion = new QHBoxLayout;
  motion->addWidget(new QLabel(QStringLiteral("Курс:"), group));
  motion->addWidget(dsCourse);
  motion->addSpacing(8);
  motion->addWidget(new QLabel(QStringLiteral("Скорость:"), group));
  motion->addWidget(dsSpeed);
  motion->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("Ход:"), group), 2, 0);
  grid->addLayout(motion, 2, 1);

  reckoningTime_.Date = DatePicker(group, "dpReckoning");
  reckoningTime_.Time = TimePicker(group, "tpReckoning");
  reckoningTime_.Zone = Input(new TSpinEdit(group), "seReckoningZone");
  reckoningTime_.Zone->setRange(0, 12);
  reckoningTime_.Zone->setFixedWidth(60);
  reckoningTime_.ZoneSign = SignButton(group, "sbReckoningZone", QStringLiteral("E"));
  auto* when = new QHBoxLayout;
  when->setSpacing(4);
  when->addWidget(reckoningTime_.Date);
  when->addSpacing(8);
  when->addWidget(reckoningTime_.Time);
  when->addSpacing(8);
  when->addWidget(new QLabel(QStringLiteral("Пояс:"), group));
  when->addWidget(reckoningTime_.Zone);
  when->addWidget(reckoningTime_.ZoneSign);
  when->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("На:"), group), 1, 0);
  grid->addLayout(when, 1, 1);
  btnTakeMainReckoning = Button(group, "btnTakeMainReckoning", QStringLiteral("Из главного окна"));
  btnTakeMainReckoning->setToolTip(QStringLiteral("Взять место, дату, время и пояс из главного окна"));
  grid->addWidget(btnTakeMainReckoning, 0, 2, Qt::AlignRight);
  lbReckoningError = Message(group, "lbReckoningError", kRed);
  grid->addWidget(lbReckoningError, 3, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  PlainChildren(group);
  return group;
}

QGroupBox* TSightTab::CreateFixGroup() {
  QGroupBox* group = Group(this, QStringLiteral("Обсервация"));
  auto* box = new QVBoxLayout(group);
  lbFix = Named(new QLabel(group), "lbFix");
  lbFix->setTextFormat(Qt::PlainText);
  lbFix->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lbFix->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbFix->setWordWrap(true);
  lbFix->setFont(Face("MS Sans Serif", 15, true));
  SetColour(lbFix, QPalette::WindowText, kYellow);
  lbFix->setMinimumHeight(QFontMetrics(lbFix->font()).lineSpacing() * 5);
  lbFixError = Message(group, "lbFixError", kRed);
  btnFixToMain = Button(group, "btnFixToMain", QStringLiteral("Перенести в главное окно"));
  btnFixToMain->setToolTip(QStringLiteral("Записать обсервованное место в поля координат главного окна"));
  btnFixToMain->setEnabled(false);
  auto* line = new QHBoxLayout;
  line->addWidget(lbFixError, 1);
  line->addWidget(btnFixToMain, 0, Qt::AlignBottom);
  box->addWidget(lbFix, 1);
  box->addLayout(line);
  PlainChildren(group);
  return group;
}

}  // namespace tarvel
