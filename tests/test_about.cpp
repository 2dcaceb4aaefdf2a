// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The About window: its look, its controls, and how it is shown and hidden.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QPushButton>
#include <QSet>
#include <QTextDocument>
#include <algorithm>
#include <memory>

#include "QtPrinters.h"
#include "app/About.h"
#include "app/AboutDetails.h"
#include "app/StartUp.h"
#include "widgets/LabelShadow.h"
#include "widgets/SpeedButton.h"

namespace tarvel {
namespace {

const QColor kAqua(0, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

template <class T>
T* Child(TForm2& form, const char* name) {
  T* child = form.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void ExpectFont(const QWidget* widget, const char* family, int pixels, bool bold) {
  SCOPED_TRACE(widget->objectName().toStdString());
  EXPECT_EQ(widget->font().family(), QString::fromLatin1(family));
  EXPECT_EQ(widget->font().pixelSize(), pixels);
  EXPECT_EQ(widget->font().bold(), bold);
}

QColor TextColour(const QWidget* widget) { return widget->palette().color(QPalette::Active, QPalette::WindowText); }

TEST(About, WindowProperties) {
  TForm2 form;
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("О программе"));
  EXPECT_EQ(form.size(), QSize(539, 286));
  EXPECT_EQ(form.minimumSize(), QSize(539, 286));
  EXPECT_EQ(form.maximumSize(), QSize(539, 286));

  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
  EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));

  ExpectFont(&form, "MS Sans Serif", 13, false);
  EXPECT_EQ(QFontInfo(form.font()).family(), QStringLiteral("Liberation Sans"));
  // No background or caption colour of its own.
  EXPECT_EQ(TextColour(&form), QApplication::palette(&form).color(QPalette::Active, QPalette::WindowText));
  EXPECT_EQ(form.palette().color(QPalette::Window), QApplication::palette(&form).color(QPalette::Window));
}

// The window system appends the application's display name to every title
// that does not end with it; the program sets none, so that the About
// window's title reads "О программе" and nothing more.
TEST(About, TheProgramAppendsNothingToTheTitles) {
  SetUpApplication();
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

TEST(About, ControlsAreNamedAndPlaced) {
  TForm2 form;
  struct TCase {
    const char* name;
    QRect geometry;  // an empty size: sized to its caption
  };
  const TCase cases[] = {
      {"Label9", {216, 50, 320, 55}},     {"LabelShadow1", {0, 0, 539, 45}}, {"Image1", {16, 56, 197, 111}},
      {"LabelShadow2", {224, 112, 0, 0}}, {"LabelShadow4", {224, 136, 0, 0}}, {"LabelShadow6", {224, 164, 0, 0}},
      {"LabelShadow3", {328, 112, 0, 0}}, {"LabelShadow5", {328, 136, 0, 0}}, {"LabelShadow7", {272, 192, 0, 0}},
      {"LabelShadow8", {360, 216, 0, 0}}, {"Label2", {16, 176, 0, 0}},        {"Label3", {16, 192, 178, 33}},
      {"Label1", {224, 216, 312, 22}},    {"SpeedButton1", {16, 232, 189, 41}},
      {"sbDetails", {296, 242, 168, 33}},
  };
  QStringList created;
  for (QObject* child : form.children()) {
    if (child->isWidgetType()) created << child->objectName();
  }
  // Every control, each once, in creation order.
  EXPECT_EQ(created, (QStringList{"Label9", "LabelShadow1", "Image1", "LabelShadow2", "LabelShadow3", "LabelShadow4",
                                  "LabelShadow5", "LabelShadow6", "LabelShadow7", "LabelShadow8", "Label2", "Label3",
                                  "Label1", "SpeedButton1", "sbDetails"}));
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* widget = Child<QWidget>(form, c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->pos(), c.geometry.topLeft());
    if (!c.geometry.isEmpty()) {
      EXPECT_EQ(widget->size(), c.geometry.size());
    } else {
      EXPECT_EQ(widget->size(), widget->sizeHint());
    }
  }
}

TEST(About, TitleIsAYellowShadowedBlueTarvel) {
  TForm2 form;
  auto* title = Child<TLabelShadow>(form, "LabelShadow1");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), QString::fromUtf8("Тарвел"));
  EXPECT_EQ(title->TextStyle(), TTextStyle::tsShadow);
  EXPECT_EQ(title->ShadowColor(), kYellow);
  EXPECT_EQ(title->ShadowDepth(), 3);
  EXPECT_EQ(title->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(TextColour(title), kBlue);
  ExpectFont(title, "Times New Roman", 40, true);
}

TEST(About, RoleCaptionsAreRecessedAndNamesRaisedCreditingTheDevelopers) {
  TForm2 form;
  struct TRole {
    const char* name;
    const char* caption;
  };
  const TRole roles[] = {
      {"LabelShadow2", "Идея :"},
      {"LabelShadow4", "Алгоритмы :"},
      {"LabelShadow6", "Программирование и дизайн :"},
  };
  for (const TRole& r : roles) {
    SCOPED_TRACE(r.name);
    auto* label = Child<TLabelShadow>(form, r.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(r.caption));
    EXPECT_EQ(label->TextStyle(), TTextStyle::tsRecessed);
    EXPECT_EQ(label->ShadowDepth(), 2);
    EXPECT_TRUE(label->HasSystemShadowColor());
    ExpectFont(label, "MS Sans Serif", 13, false);
  }
  // Each role credits the developers; the programming's second name stays empty.
  const TRole names[] = {{"LabelShadow3", "Разработчики Тарвел"}, {"LabelShadow5", "Разработчики Тарвел"},
                         {"LabelShadow7", "Разработчики Тарвел"}, {"LabelShadow8", ""}};
  for (const TRole& n : names) {
    SCOPED_TRACE(n.name);
    auto* label = Child<TLabelShadow>(form, n.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(n.caption));
    // Whole inside the window.
    EXPECT_LE(label->geometry().right(), form.width() - 1);
    EXPECT_EQ(label->TextStyle(), TTextStyle::tsRaised);
    EXPECT_EQ(TextColour(label), kNavy);
    ExpectFont(label, "Arial", 17, true);
  }
}

TEST(About, PlainLabels) {
  TForm2 form;
  auto* label9 = Child<QLabel>(form, "Label9");
  auto* label2 = Child<QLabel>(form, "Label2");
  auto* label3 = Child<QLabel>(form, "Label3");
  auto* label1 = Child<QLabel>(form, "Label1");
  ASSERT_TRUE(label9 && label2 && label3 && label1);

  EXPECT_EQ(label9->text(), QString::fromUtf8("Программа    вычисления    гринвичского звездного  времени  и  "
                                              "экваториальных координат Солнца и навигационных звезд"));
  EXPECT_TRUE(label9->wordWrap());
  EXPECT_EQ(label9->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(TextColour(label9), kAqua);
  ExpectFont(label9, "MS Sans Serif", 15, false);

  EXPECT_EQ(label2->text(), QStringLiteral("No problem Y2K "));
  EXPECT_EQ(TextColour(label2), kRed);
  ExpectFont(label2, "MS Sans Serif", 13, true);

  // The release line names the program's version.
  EXPECT_EQ(label3->text(), QString::fromUtf8("Версия ") + QStringLiteral(TARVEL_VERSION) + QStringLiteral(", 2026"));
  EXPECT_EQ(label3->text(), ReleaseLine());
  EXPECT_TRUE(label3->wordWrap());
  EXPECT_EQ(label3->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

  // The contact line: the licence and the same version, wholly shown.
  EXPECT_EQ(label1->text(), QString::fromUtf8("Лицензия GPL-3.0-or-later, версия ") + QStringLiteral(TARVEL_VERSION));
  EXPECT_LE(label1->sizeHint().width(), label1->width());
  EXPECT_EQ(TextColour(label1), kGreen);
  ExpectFont(label1, "Times New Roman", 17, true);
}

// No two controls with something to show overlap: the names, the contact
// line and the new button each keep their own place.
TEST(About, ShownControlsDoNotOverlap) {
  TForm2 form;
  QList<QWidget*> shown;
  for (QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const auto* label = qobject_cast<QLabel*>(w);
    if (label == nullptr || !label->text().isEmpty() || !label->pixmap().isNull()) shown << w;
  }
  for (qsizetype i = 0; i < shown.size(); ++i) {
    EXPECT_TRUE(form.rect().contains(shown[i]->geometry())) << shown[i]->objectName().toStdString();
    for (qsizetype j = i + 1; j < shown.size(); ++j) {
      EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
          << shown[i]->objectName().toStdString() << " and " << shown[j]->objectName().toStdString();
    }
  }
}

// "Сведения…" opens, over the About window, the libraries and data with
// their licences and the figures of the accuracy, all from the one table
// of texts; a second click only brings the same window forward.
TEST(About, DetailsListTheLibrariesTheirLicencesAndTheAccuracy) {
  TForm2 form;
  form.ShowModeless();
  auto* button = Child<TSpeedButton>(form, "sbDetails");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QString::fromUtf8("Сведения…"));
  EXPECT_FALSE(button->toolTip().isEmpty());
  button->click();
  auto* details = form.findChild<TAboutDetails*>(QStringLiteral("AboutDetails"));
  ASSERT_NE(details, nullptr);
  Settle();
  EXPECT_TRUE(details->isVisible());
  EXPECT_EQ(details->windowTitle(), QString::fromUtf8("Сведения о программе"));
  auto* text = details->findChild<QLabel*>(QStringLiteral("lbDetails"));
  ASSERT_NE(text, nullptr);
  QTextDocument document;
  document.setHtml(text->text());
  const QString plain = document.toPlainText();
  const struct {
    const char* library;
    const char* licence;
  } credits[] = {
      {"Qt 6", "LGPL-3.0"},
      {"ERFA", "BSD-3-Clause"},
      {"Swiss Ephemeris", "AGPL-3.0"},
      {"Hipparcos", "ЕКА"},
      {"stellarium-data", "GPL-2.0-or-later"},
      {"Имена звёзд", "GPL-3.0-or-later"},
  };
  for (const auto& c : credits) {
    SCOPED_TRACE(c.library);
    const auto row = std::find_if(Credits().begin(), Credits().end(),
                                  [&](const TCredit& k) { return k.Name.contains(QString::fromUtf8(c.library)); });
    ASSERT_NE(row, Credits().end());
    EXPECT_TRUE(row->Licence.contains(QString::fromUtf8(c.licence))) << row->Licence.toStdString();
    EXPECT_TRUE(plain.contains(row->Name) && plain.contains(row->Licence));
  }
  // The figures of README.md's accuracy tables, as they stand there.
  for (const char* figure : {"0,14′", "0,35′", "0,99′", "14,36′", "0,154″"}) {
    EXPECT_TRUE(plain.contains(QString::fromUtf8(figure))) << figure;
  }
  EXPECT_TRUE(plain.contains(ContactLine()));

  details->move(7, 9);
  button->click();
  EXPECT_EQ(form.findChildren<TAboutDetails*>().size(), 1);
  EXPECT_EQ(details->pos(), QPoint(7, 9));
  auto* close = details->findChild<QPushButton*>(QStringLiteral("btnClose"));
  ASSERT_NE(close, nullptr);
  close->click();
  Settle();
  EXPECT_FALSE(details->isVisible());
  EXPECT_TRUE(form.isVisible());
}

TEST(About, PictureHasSixteenColoursStretchedToItsBounds) {
  TForm2 form;
  auto* image = Child<QLabel>(form, "Image1");
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->hasScaledContents());
  const QPixmap picture = image->pixmap();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(195, 111));
  QSet<QRgb> colours;
  const QImage pixels = picture.toImage();
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) colours.insert(pixels.pixel(x, y));
  }
  EXPECT_LE(colours.size(), 16);
  EXPECT_GE(colours.size(), 8);
}

TEST(About, OkButton) {
  TForm2 form;
  auto* ok = Child<TSpeedButton>(form, "SpeedButton1");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
  EXPECT_EQ(ok->toolTip(), QString::fromUtf8("Закрыть"));
  EXPECT_EQ(ok->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(ok->spacing(), 12);
  EXPECT_EQ(ok->focusPolicy(), Qt::NoFocus);
  ExpectFont(ok, "MS Sans Serif", 17, true);
}

// ---------------------------------------------------------------------------

TEST(About, HiddenWhenBuilt) {
  TForm2 form;
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.isHidden());
}

TEST(About, ShowModelessLeavesOtherWindowsUsable) {
  QWidget main;
  main.resize(200, 100);
  main.show();
  TForm2 form(&main);
  form.ShowModeless();
  Settle();
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(form.isModal());
  EXPECT_EQ(form.windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(main.isEnabled());
  EXPECT_TRUE(form.isWindow());
}

TEST(About, ShowingAgainOnlyBringsItForward) {
  TForm2 form;
  form.ShowModeless();
  Settle();
  form.move(10, 20);  // the user moved it
  Settle();
  const QPoint moved = form.pos();
  form.ShowModeless();
  Settle();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.pos(), moved);
}

// The main window may own the About window or leave it on its own; either
// way hiding never destroys it.
struct THolder {
  std::unique_ptr<QWidget> owner;
  QPointer<TForm2> form;
  std::unique_ptr<TForm2> alone;
};

THolder MakeForm(bool owned) {
  THolder h;
  if (owned) {
    h.owner = std::make_unique<QWidget>();
    h.form = new TForm2(h.owner.get());
  } else {
    h.alone = std::make_unique<TForm2>();
    h.form = h.alone.get();
  }
  return h;
}

TEST(About, ShownCentredOnTheScreenEveryTime) {
  const auto expectCentred = [](const TForm2& form) {
    const QRect screen = form.screen()->geometry();
    const QPoint offset = form.frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
  };
  for (bool owned : {true, false}) {
    SCOPED_TRACE(owned ? "owned" : "alone");
    THolder h = MakeForm(owned);
    if (owned) {
      // Centred on the screen, not over its owner in a corner.
      h.owner->setGeometry(0, 0, 200, 100);
      h.owner->show();
    }
    h.form->ShowModeless();
    Settle();
    expectCentred(*h.form);
    h.form->move(5, 5);
    h.form->hide();
    h.form->ShowModeless();
    Settle();
    expectCentred(*h.form);
  }
}

TEST(About, OkHidesAndTheWindowLivesOn) {
  for (bool owned : {true, false}) {
    SCOPED_TRACE(owned ? "owned" : "alone");
    THolder h = MakeForm(owned);
    h.form->ShowModeless();
    Settle();
    auto* ok = Child<TSpeedButton>(*h.form, "SpeedButton1");
    ASSERT_NE(ok, nullptr);
    ok->click();
    Settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(h.form.isNull());
    EXPECT_FALSE(h.form->isVisible());

    h.form->ShowModeless();
    Settle();
    EXPECT_TRUE(h.form->isVisible());
    ok->click();
    Settle();
    EXPECT_FALSE(h.form->isVisible());
  }
}

TEST(About, ClosingByTheTitleBarOnlyHides) {
  for (bool owned : {true, false}) {
    SCOPED_TRACE(owned ? "owned" : "alone");
    THolder h = MakeForm(owned);
    h.form->ShowModeless();
    Settle();
    h.form->close();  // what the title bar's close button asks for
    Settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(h.form.isNull());
    EXPECT_FALSE(h.form->isVisible());

    h.form->ShowModeless();
    Settle();
    EXPECT_TRUE(h.form->isVisible());
  }
}

TEST(About, TitleIsDrawnBlueOverItsYellowShadow) {
  TForm2 form;
  const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(image.size(), QSize(539, 286));
  int blue = 0;
  int yellow = 0;
  for (int y = 0; y < 45; ++y) {
    for (int x = 0; x < 539; ++x) {
      blue += image.pixel(x, y) == kBlue.rgb();
      yellow += image.pixel(x, y) == kYellow.rgb();
    }
  }
  EXPECT_GT(blue, 100);
  EXPECT_GT(yellow, 50);
}

}  // namespace
}  // namespace tarvel
