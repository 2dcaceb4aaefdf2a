// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The main window's controls: positions, sizes, captions, fonts and colours.

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QTimeEdit>
#include <QTimer>

#include "app/Main.h"
#include "navfields/MonthKeys.h"
#include "widgets/CheckBox.h"
#include "widgets/ClickLabel.h"
#include "widgets/GroupBox.h"
#include "widgets/InputStyle.h"
#include "widgets/Look.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"
#include "widgets/SpinEdit.h"
#include "widgets/Texts.h"

// The pictures live in the library's resources, which a static library must
// register itself; Q_INIT_RESOURCE must be used outside any namespace.
static void InitMainResources() { Q_INIT_RESOURCE(main); }

namespace tarvel {
namespace {

using namespace look;

QFont Bold15() { return Face("MS Sans Serif", 15, true); }

template <class Widget>
Widget* Place(Widget* widget, const char* name, int left, int top) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->move(left, top);
  return widget;
}

template <class Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
  Place(widget, name, left, top);
  widget->resize(width, height);
  return widget;
}

// A label that sizes itself to its text, keeping its left edge.
template <class Label = QLabel>
Label* TextLabel(QWidget* parent, const char* name, int left, int top, const QString& text,
                 const QFont& font, const QColor& colour) {
  auto* label = Place(new Label(parent), name, left, top);
  label->setTextFormat(Qt::PlainText);  // runs of blanks are kept
  label->setFont(font);
  SetColour(label, QPalette::WindowText, colour);
  label->setText(text);
  label->adjustSize();
  return label;
}

// A label of fixed size with its text centred and word-wrapped.
QLabel* CaptionBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                   const QString& text) {
  auto* label = Place(new QLabel(text, parent), name, left, top, width, height);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

// Black on lime while the input takes input, greyed while it is disabled.
// The arrow buttons are silver; the style draws their arrows in the
// WindowText colour, which the window and the star group would otherwise
// hand down as white and aqua. The selection is navy, whatever the desktop.
void StyleInput(QWidget* input) {
  input->setFont(Bold15());
  SetInputColours(*input);
}

// The drop-down month: black days on silver, the neighbouring months' days
// grey, the weekday header black on the button face, the month's bar white on
// navy.
void StyleCalendar(QCalendarWidget* calendar) { look::SetCalendarColours(*calendar); }

TSpeedButton* FlatButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                         const QString& caption, const QFont& font) {
  auto* button = Place(new TSpeedButton(parent), name, left, top, width, height);
  button->setText(caption);
  button->setFont(font);
  SetColour(button, QPalette::Button, kFace);
  SetColour(button, QPalette::ButtonText, kBlack);
  return button;
}

TSpinEdit* SpinEdit(QWidget* parent, const char* name, int left, int top, int width, int height,
                    int minimum, int maximum, int value) {
  auto* spin = Place(new TSpinEdit(parent), name, left, top, width, height);
  StyleInput(spin);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

QGroupBox* Group(QWidget* parent, const char* name, int left, int top, int width, int height,
                 const QString& caption) {
  auto* group = Place(new TGroupBox(caption, parent), name, left, top, width, height);
  group->setFont(Face("MS Sans Serif", 15, true, true));
  SetColour(group, QPalette::Window, kBlack);
  SetColour(group, QPalette::WindowText, kAqua);
  SetColour(group, QPalette::Dark, kGray);  // the frame
  return group;
}

QWidget* Line(QWidget* parent, const char* name, int left, int top, int width) {
  auto* line = Place(new QFrame(parent), name, left, top, width, 1);
  line->setFrameShape(QFrame::NoFrame);
  line->setAutoFillBackground(true);
  SetColour(line, QPalette::Window, kGray);
  return line;
}

}  // namespace

void TForm1::CreateControls() {
  InitMainResources();
  setWindowTitle(QStringLiteral("Тарвел"));
  setWindowIcon(QIcon(QStringLiteral(":/tarvel/tarvel-icon.xpm")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  move(37, 23);
  setFixedSize(723, 414);
  setAutoFillBackground(true);
  SetColour(this, QPalette::Window, kBlack);
  SetColour(this, QPalette::WindowText, kWhite);
  setFont(Face("MS Sans Serif", 14));
  // Tooltips come also while another window, the About window say, is active.
  setAttribute(Qt::WA_AlwaysShowToolTips);

  const QFont buttonFace = Face("Times New Roman", 15, true);
  SpeedButton2 = FlatButton(this, "SpeedButton2", 445, 368, 198, 35, QStringLiteral("В ы х о д"), buttonFace);
  SpeedButton2->setGlyph(QPixmap(QStringLiteral(":/tarvel/exit-button.xpm")));
  SpeedButton2->setSpacing(20);
  SpeedButton2->setCursor(Qt::PointingHandCursor);
  SpeedButton2->setToolTip(QStringLiteral("Выход из программы"));

  Label15 = CaptionBox(this, "Label15", 408, 85, 193, 24, QStringLiteral("Номер часового пояса:"));
  ChangeBtn = FlatButton(this, "ChangeBtn", 671, 81, 25, 26, QStringLiteral("E"), Bold15());
  ChangeBtn->setSpacing(2);
  Label27 = TextLabel(this, "Label27", 25, 49, QStringLiteral("Дата:"), font(), kWhite);
  Label28 = TextLabel(this, "Label28", 25, 84, QStringLiteral("Судовое время:"), font(), kWhite);
  sbFi = FlatButton(this, "sbFi", 510, 44, 25, 24, QStringLiteral("N"), Bold15());
  sbLam = FlatButton(this, "sbLam", 673, 44, 24, 24, QStringLiteral("E"), Bold15());
  Label30 = CaptionBox(this, "Label30", 295, 41, 88, 33, QStringLiteral("Координаты места:"));

  SpeedButton1 = FlatButton(this, "SpeedButton1", 81, 368, 198, 35, QStringLiteral("О программе..."), buttonFace);
  SpeedButton1->setGlyph(QPixmap(QStringLiteral(":/tarvel/info-button.xpm")), 2);
  SpeedButton1->setSpacing(12);
  SpeedButton1->setCursor(Qt::PointingHandCursor);
  SpeedButton1->setToolTip(QStringLiteral("Информация"));

  SpeedButton3 = FlatButton(this, "SpeedButton3", 287, 368, 150, 35, QStringLiteral("Навигация..."), buttonFace);
  SpeedButton3->setGlyph(QPixmap(QStringLiteral(":/tarvel/navigation-button.xpm")));
  SpeedButton3->setSpacing(12);
  SpeedButton3->setCursor(Qt::PointingHandCursor);
  SpeedButton3->setToolTip(QStringLiteral("Небосвод, сумерки и обработка наблюдений (%1)")
                               .arg(kNavigationKey.toString(QKeySequence::NativeText)));

  TimePicker = Place(new QTimeEdit(this), "TimePicker", 153, 81, 108, 24);
  TimePicker->setLocale(RussianLocale());
  TimePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));  // "08:06:50", as every time the program writes
  TimePicker->setWrapping(true);  // Up on 59 seconds gives 00, as in every time picker
  UseInputStyle(*TimePicker);
  StyleInput(TimePicker);

  CheckBox1 = Place(new TCheckBox(QStringLiteral("Автоматический ввод времени"), this), "CheckBox1", 30, 15, 251, 21);
  SetColour(CheckBox1, QPalette::Base, kWhite);  // the box
  SetColour(CheckBox1, QPalette::Text, kBlack);  // its tick

  // A month typed by its name ("авг") or number, as in the navigation window.
  DatePicker = Place(new TMonthTypedDate(this), "DatePicker", 73, 44, 190, 24);
  DatePicker->setLocale(RussianLocale());
  DatePicker->setDisplayFormat(kLongDateFormat);
  DatePicker->setDateRange(kFirstFormDate, kLastFormDate);
  DatePicker->setCalendarPopup(true);
  UseInputStyle(*DatePicker);
  StyleInput(DatePicker);
  StyleCalendar(DatePicker->calendarWidget());

  seNCH = SpinEdit(this, "seNCH", 605, 81, 60, 26, 0, 12, 3);

  meFi = Place(new TMaskEdit(QStringLiteral("Ш = ##°##,##'"), this), "meFi", 391, 44, 112, 24);
  StyleInput(meFi);
  meLam = Place(new TMaskEdit(QStringLiteral("Д = ###°##,##'"), this), "meLam", 543, 44, 122, 24);
  StyleInput(meLam);

  GroupBox1 = Group(this, "GroupBox1", 16, 121, 329, 232, QStringLiteral(" Солнце: "));
  GroupBox2 = Group(this, "GroupBox2", 361, 121, 344, 232, QStringLiteral(" Звезды: "));
  CreateSunGroup();
  CreateStarGroup();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);

  // The flat buttons take no focus; the keyboard goes through the inputs.
  setTabOrder(CheckBox1, DatePicker);
  setTabOrder(DatePicker, TimePicker);
  setTabOrder(TimePicker, seNCH);
  setTabOrder(seNCH, meFi);
  setTabOrder(meFi, meLam);
  setTabOrder(meLam, seNumStar);
}

void TForm1::CreateSunGroup() {
  QWidget* g = GroupBox1;
  const QFont face = Bold15();
  TextLabel(g, "Label5", 20, 25, QStringLiteral("Точка Овна           Sгр  = "), face, kWhite);
  Label1 = TextLabel(g, "Label1", 221, 25, QStringLiteral("Label1"), face, kYellow);
  TextLabel(g, "Label6", 20, 55, QStringLiteral("Часовой угол  местн. = "), face, kWhite);
  Label2 = TextLabel(g, "Label2", 221, 55, QStringLiteral("Label2"), face, kYellow);
  TextLabel(g, "Label33", 20, 82, QStringLiteral("Прямое восхождение ="), face, kWhite);
  Label34 = TextLabel(g, "Label34", 221, 82, QStringLiteral("Label34"), face, kYellow);
  TextLabel(g, "Label7", 20, 110, QStringLiteral("Склонение                     = "), face, kWhite);
  Label3 = TextLabel(g, "Label3", 221, 110, QStringLiteral("Label3"), face, kYellow);
  TextLabel(g, "Label8", 20, 138, QStringLiteral("Видимый радиус     R = "), face, kWhite);
  Label4 = TextLabel(g, "Label4", 221, 138, QStringLiteral("Label4"), face, kYellow);
  Line(g, "Bevel3", 18, 167, 290);
  TextLabel(g, "Label16", 20, 180, QStringLiteral("Высота                       h  ="), face, kWhite);
  Label19 = TextLabel(g, "Label19", 221, 180, QStringLiteral("Label19"), face, kYellow);
  TextLabel(g, "Label20", 20, 204, QStringLiteral("Азимут                       A ="), face, kWhite);
  Label21 = TextLabel(g, "Label21", 221, 204, QStringLiteral("Label21"), face, kYellow);
}

void TForm1::CreateStarGroup() {
  QWidget* g = GroupBox2;
  const QFont face = Bold15();
  TextLabel(g, "Label14", 23, 28, QStringLiteral("Номер звезды (по Ладор):"), face, kWhite);
  seNumStar = SpinEdit(g, "seNumStar", 238, 22, 68, 26, 0, 161, 1);
  TextLabel(g, "Label17", 23, 54, QStringLiteral("Название:"), face, kWhite);
  Label26 = TextLabel<TClickLabel>(g, "Label26", 126, 50, QStringLiteral("a"), Face("Symbol", 18, true), kFuchsia);
  Label18 = TextLabel<TClickLabel>(g, "Label18", 145, 54, QStringLiteral("Label18"), face, kFuchsia);
  Label18->setCursor(Qt::PointingHandCursor);
  TextLabel(g, "Label13", 23, 82, QStringLiteral("Часовой угол  местный :"), face, kWhite);
  Label12 = TextLabel(g, "Label12", 230, 82, QStringLiteral("Label12"), face, kRed);
  TextLabel(g, "Label31", 23, 110, QStringLiteral("Звездное    дополнение :"), face, kWhite);
  Label32 = TextLabel(g, "Label32", 230, 110, QStringLiteral("Label32"), face, kRed);
  TextLabel(g, "Label10", 23, 138, QStringLiteral("Склонение:"), face, kWhite);
  Label11 = TextLabel(g, "Label11", 230, 138, QStringLiteral("Label11"), face, kRed);
  Line(g, "Bevel2", 22, 167, 305);
  TextLabel(g, "Label22", 23, 180, QStringLiteral("Высота:"), face, kWhite);
  Label23 = TextLabel(g, "Label23", 230, 180, QStringLiteral("Label23"), face, kRed);
  TextLabel(g, "Label24", 23, 204, QStringLiteral("Азимут:"), face, kWhite);
  Label25 = TextLabel(g, "Label25", 230, 204, QStringLiteral("Label25"), face, kRed);
}

}  // namespace tarvel
