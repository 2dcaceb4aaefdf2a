// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "app/About.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMargins>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

#include "app/AboutDetails.h"
#include "widgets/ErrorReport.h"
#include "widgets/LabelShadow.h"
#include "widgets/Look.h"
#include "widgets/SpeedButton.h"

// The pictures live in a resource file of this static library; nothing
// else refers to its registration, so the window registers it itself.
// Q_INIT_RESOURCE must be used outside any namespace.
static void InitAboutResources() { Q_INIT_RESOURCE(about); }

namespace tarvel {

namespace {

using look::Face;
using look::kAqua;
using look::kBlue;
using look::kGreen;
using look::kNavy;
using look::kRed;
using look::kYellow;

// The caption colour of an enabled label; a disabled one keeps the palette's
// grey.
void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, colour);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
  widget->setPalette(palette);
}

template <class TLabelKind>
TLabelKind* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new TLabelKind(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setText(caption);
  return label;
}

// A label with its top left corner at x, y; the caller sizes it to its
// caption once its font is set.
template <class TLabelKind>
TLabelKind* MakeLabelAt(QWidget* parent, const char* name, const QString& caption, int x, int y) {
  TLabelKind* label = MakeLabel<TLabelKind>(parent, name, caption);
  label->move(x, y);
  return label;
}

// The window system's frame round a window, as far as it is known.
QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  InitAboutResources();
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString::fromUtf8("О программе"));
  setFixedSize(539, 286);
  setFont(Face("MS Sans Serif", 13, false));
  // Closing the About window never ends the program; closing it by its
  // title bar only hides it (QDialog::closeEvent rejects, which hides).
  setAttribute(Qt::WA_QuitOnClose, false);
  // Its tooltip comes also while the main window is the active one.
  setAttribute(Qt::WA_AlwaysShowToolTips);

  // Controls in creation order; each one's object name is its name.
  auto* label9 = MakeLabel<QLabel>(
      this, "Label9",
      QString::fromUtf8("Программа    вычисления    гринвичского звездного  времени  и  экваториальных "
                        "координат Солнца и навигационных звезд"));
  label9->setGeometry(216, 50, 320, 55);
  label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label9->setWordWrap(true);
  label9->setFont(Face("MS Sans Serif", 15, false));
  SetTextColour(label9, kAqua);

  auto* title = MakeLabel<TLabelShadow>(this, "LabelShadow1", QString::fromUtf8("Тарвел"));
  title->setGeometry(0, 0, 539, 45);
  title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title->setFont(Face("Times New Roman", 40, true));
  SetTextColour(title, kBlue);
  title->SetTextStyle(TTextStyle::tsShadow);
  title->SetShadowColor(kYellow);
  title->SetShadowDepth(3);

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setGeometry(16, 56, 197, 111);
  image->setScaledContents(true);
  image->setPixmap(QPixmap(QStringLiteral(":/about/about.xpm")));

  // The role captions, recessed, and the contributors' names beside them,
  // raised; the second name of the programming stays empty.
  const auto role = [this](const char* name, const char* caption, int x, int y) {
    auto* label = MakeLabelAt<TLabelShadow>(this, name, QString::fromUtf8(caption), x, y);
    label->adjustSize();
  };
  const auto person = [this](const char* name, const QString& caption, int x, int y) {
    auto* label = MakeLabelAt<TLabelShadow>(this, name, caption, x, y);
    label->setFont(Face("Arial", 17, true));
    SetTextColour(label, kNavy);
    label->SetTextStyle(TTextStyle::tsRaised);
    label->adjustSize();
  };
  role("LabelShadow2", "Идея :", 224, 112);
  person("LabelShadow3", DevelopersName(), 328, 112);
  role("LabelShadow4", "Алгоритмы :", 224, 136);
  person("LabelShadow5", DevelopersName(), 328, 136);
  role("LabelShadow6", "Программирование и дизайн :", 224, 164);
  person("LabelShadow7", DevelopersName(), 272, 192);
  person("LabelShadow8", QString(), 360, 216);

  auto* label2 = MakeLabelAt<QLabel>(this, "Label2", QStringLiteral("No problem Y2K "), 16, 176);
  label2->setFont(Face("MS Sans Serif", 13, true));
  SetTextColour(label2, kRed);
  label2->adjustSize();

  auto* label3 = MakeLabel<QLabel>(this, "Label3", ReleaseLine());
  label3->setGeometry(16, 192, 178, 33);
  label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label3->setWordWrap(true);

  // The contact line: the licence and the version.
  auto* label1 = MakeLabel<QLabel>(this, "Label1", ContactLine());
  label1->setGeometry(224, 216, 312, 22);
  label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label1->setFont(Face("Times New Roman", 17, true));
  SetTextColour(label1, kGreen);

  auto* ok = new TSpeedButton(this);
  ok->setObjectName(QStringLiteral("SpeedButton1"));
  ok->setGeometry(16, 232, 189, 41);
  ok->setText(QStringLiteral("Ok"));
  ok->setGlyph(QPixmap(QStringLiteral(":/about/ok.xpm")));
  ok->setSpacing(12);
  ok->setFont(Face("MS Sans Serif", 17, true));
  ok->setCursor(Qt::PointingHandCursor);
  ok->setToolTip(QString::fromUtf8("Закрыть"));
  connect(ok, &TSpeedButton::clicked, this, &TForm2::SpeedButton1Click);

  auto* details = new TSpeedButton(this);
  details->setObjectName(QStringLiteral("sbDetails"));
  details->setGeometry(296, 242, 168, 33);
  details->setText(DetailsButtonCaption());
  details->setFont(Face("MS Sans Serif", 15, true));
  details->setCursor(Qt::PointingHandCursor);
  details->setToolTip(QString::fromUtf8("Библиотеки и данные программы, их лицензии, точность"));
  connect(details, &TSpeedButton::clicked, this, [this] { Guarded([this] { ShowDetails(); }); });
}

void TForm2::ShowDetails() {
  if (details_ == nullptr) details_ = new TAboutDetails(this);
  details_->ShowModeless();
}

void TForm2::ShowModeless() {
  show();
  raise();
  activateWindow();
}

void TForm2::SpeedButton1Click() { hide(); }

void TForm2::setVisible(bool visible) {
  if (visible && !isVisible()) CentreOnScreen();
  if (!visible && isVisible()) {
    // Only a window on the screen knows its frame for sure.
    const QMargins frame = FrameMargins(*this);
    if (!frame.isNull()) frame_ = frame;
  }
  QDialog::setVisible(visible);
}

QMargins TForm2::ExpectedFrame() const {
  if (!frame_.isNull()) return frame_;
  // The window system tells a window's frame only once it is on the screen;
  // till then the frame of a window already there, the main window as a
  // rule, stands in: its title bar and borders are those this one gets.
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible() && window->windowType() != Qt::ToolTip &&
        window->windowType() != Qt::Popup) {
      return FrameMargins(*window);
    }
  }
  return {};
}

void TForm2::CentreOnScreen() {
  QScreen* screen = this->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  if (!testAttribute(Qt::WA_WState_Created)) create();
  const QMargins frame = ExpectedFrame();
  const QSize outer = size().grownBy(frame);
  const QRect area = screen->geometry();
  const QPoint corner(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
  // The client rectangle is placed: the frame's own position is known only
  // to the window system until the window has been shown.
  setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

}  // namespace tarvel
