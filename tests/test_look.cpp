// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The main window as the user sees it: drawn offscreen and read pixel by
// pixel, under the default palette and under a dark desktop palette.

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>

#include "MainWindowFixture.h"
#include "app/About.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

// WCAG contrast ratio of two colours, 1 … 21.
double Luminance(const QColor& colour) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage Shot(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor MostCommon(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  }
  return QColor(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })
                    ->first);
}

// The pixel of an area that stands out most from a background colour.
double StrongestContrast(const QImage& image, const QRect& area, const QColor& background) {
  double strongest = 1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      strongest = std::max(strongest, Contrast(QColor(image.pixel(x, y)), background));
    }
  }
  return strongest;
}

bool Holds(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (QColor(image.pixel(x, y)) == colour) return true;
    }
  }
  return false;
}

// A dark desktop palette of the kind dark themes hand to Qt programs.
QPalette DarkPalette() {
  QPalette dark(QColor(50, 50, 50), QColor(53, 53, 53));
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    dark.setColor(group, QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(group, QPalette::Text, QColor(238, 238, 236));
    dark.setColor(group, QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(group, QPalette::Base, QColor(45, 45, 45));
    dark.setColor(group, QPalette::AlternateBase, QColor(60, 60, 60));
    dark.setColor(group, QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(group, QPalette::HighlightedText, Qt::white);
    dark.setColor(group, QPalette::Light, QColor(80, 80, 80));
    dark.setColor(group, QPalette::Dark, QColor(20, 20, 20));
  }
  dark.setColor(QPalette::Disabled, QPalette::Text, QColor(145, 145, 144));
  dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(145, 145, 144));
  return dark;
}

// Puts a palette on the whole application for one scope.
class TApplicationPalette {
 public:
  explicit TApplicationPalette(const QPalette& palette) : previous_(QApplication::palette()) {
    QApplication::setPalette(palette);
  }
  ~TApplicationPalette() { QApplication::setPalette(previous_); }

 private:
  QPalette previous_;
};

class LookTest : public MainWindowTest {
 protected:
  void Show() {
    form->show();
    QCoreApplication::processEvents();
  }

  // The text area of a spin box or picker, inside its frame.
  QRect TextArea(QWidget* input) const {
    return input->findChild<QLineEdit*>()->geometry().adjusted(1, 2, -1, -2);
  }
};

// The up and down arrow buttons of a spin box as its style lays them out.
std::pair<QRect, QRect> ArrowButtons(QWidget* input) {
  QStyleOptionSpinBox option;
  option.initFrom(input);
  option.frame = true;
  option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  const auto rect = [&](QStyle::SubControl button) {
    return input->style()->subControlRect(QStyle::CC_SpinBox, &option, button, input);
  };
  return {rect(QStyle::SC_SpinBoxUp), rect(QStyle::SC_SpinBoxDown)};
}

// How far the arrow in the middle of a button stands out from its face.
double ArrowContrast(const QImage& image, const QRect& button) {
  return StrongestContrast(image, button.adjusted(3, 2, -3, -2), MostCommon(image, button));
}

// Runs the event loop until a condition holds, for at most 10 s.
template <class Condition>
::testing::AssertionResult Eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return ::testing::AssertionFailure() << "not within 10 s";
    QTest::qWait(10);
  }
  return ::testing::AssertionSuccess();
}

TEST_F(LookTest, PickersAreLimeWhileEnabledAndGreyedWhileAutomaticTimeIsOn) {
  Create();
  Show();
  for (bool automatic : {false, true, false}) {
    Get<QCheckBox>("CheckBox1")->setChecked(automatic);
    for (const char* name : {"DatePicker", "TimePicker"}) {
      SCOPED_TRACE(std::string(name) + (automatic ? " disabled" : " enabled"));
      QWidget* picker = Get(name);
      EXPECT_EQ(picker->isEnabled(), !automatic);
      const QImage image = Shot(picker);
      const QRect text = TextArea(picker);
      const QColor field = MostCommon(image, text);
      EXPECT_EQ(field, automatic ? QColor(224, 224, 224) : QColor(0, 255, 0));
      // The digits are drawn in full: black, or the grey of disabled text.
      EXPECT_TRUE(Holds(image, text, automatic ? QColor(96, 96, 96) : QColor(0, 0, 0)));
      EXPECT_EQ(Holds(image, text, QColor(0, 255, 0)), !automatic);
      EXPECT_GE(StrongestContrast(image, text, field), 4.5);
    }
  }
}

TEST_F(LookTest, SpinArrowsStandOutFromTheirButtons) {
  Create();
  Show();
  struct TCase {
    const char* name;
    bool enabled;
    int value;  // -1: as it is; the ends of a range disable one arrow
  };
  const TCase cases[] = {
      {"seNCH", true, 3},      {"seNCH", true, 0},      {"seNCH", true, 12},    {"seNCH", false, 3},
      {"seNumStar", true, 46}, {"seNumStar", false, 46}, {"TimePicker", true, -1}, {"TimePicker", false, -1},
      {"DatePicker", true, -1}, {"DatePicker", false, -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.enabled ? " enabled " : " disabled ") + std::to_string(c.value));
    QWidget* input = Get(c.name);
    if (c.value >= 0) static_cast<TSpinEdit*>(input)->setValue(c.value);
    input->setEnabled(c.enabled);
    const QImage image = Shot(input);
    const auto [up, down] = ArrowButtons(input);
    if (QString::fromLatin1(c.name) == QLatin1String("DatePicker")) {
      EXPECT_GE(ArrowContrast(image, up.united(down)), 3.0);  // one drop-down button
    } else {
      EXPECT_GE(ArrowContrast(image, up), 3.0) << "up";
      EXPECT_GE(ArrowContrast(image, down), 3.0) << "down";
    }
    input->setEnabled(true);
  }
}

TEST_F(LookTest, CalendarTellsTheNeighbouringMonthsApart) {
  Create(QDateTime(QDate(2024, 3, 20), QTime(12, 0, 0)));
  auto* view = Get<QDateEdit>("DatePicker")->calendarWidget()->findChild<QTableView*>();
  ASSERT_NE(view, nullptr);
  QAbstractItemModel* model = view->model();
  const auto role = [model](int row, int column, int role) { return model->index(row, column).data(role); };
  // March 2024 begins on a Friday: the first week shows 26 to 29 February.
  int february = -1;
  for (int column = 0; column < model->columnCount(); ++column) {
    if (role(1, column, Qt::DisplayRole).toInt() == 26) february = column;
  }
  ASSERT_GE(february, 0);
  EXPECT_EQ(role(3, february, Qt::DisplayRole).toInt(), 11);  // Monday 11 March
  const QColor neighbour = role(1, february, Qt::ForegroundRole).value<QColor>();
  const QColor own = role(3, february, Qt::ForegroundRole).value<QColor>();
  const QColor background = role(3, february, Qt::BackgroundRole).value<QColor>();
  EXPECT_NE(neighbour, own);
  EXPECT_GE(Contrast(own, background), 7.0);
  EXPECT_GE(Contrast(neighbour, background), 2.0);
  EXPECT_GE(Contrast(own, background) / Contrast(neighbour, background), 2.0);
}

TEST_F(LookTest, GroupCaptionsStandOnTheFrameLineAndTheFrameShowsOnBlack) {
  Create();
  Show();
  for (const char* name : {"GroupBox1", "GroupBox2"}) {
    SCOPED_TRACE(name);
    auto* group = Get<QGroupBox>(name);
    const QImage image = Shot(group);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    // The frame line: the topmost row lit at both ends.
    int top = -1;
    for (int y = 0; y < 30 && top < 0; ++y) {
      if (QColor(image.pixel(2, y)) != Qt::black && QColor(image.pixel(right - 2, y)) != Qt::black) top = y;
    }
    ASSERT_GE(top, 0);
    const QColor line(image.pixel(right - 2, top));
    EXPECT_GE(Contrast(line, Qt::black), 3.0);
    for (const QPoint p : {QPoint(0, bottom / 2), QPoint(right, bottom / 2), QPoint(right / 2, bottom)}) {
      EXPECT_EQ(QColor(image.pixel(p)), line) << p.x() << "," << p.y();
    }
    // The caption's letters lie above and below that line, and break it.
    int captionTop = -1;
    int captionBottom = -1;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < right; ++x) {
        const QColor pixel(image.pixel(x, y));
        if (pixel.blue() > 128 && pixel.green() > 128 && pixel.red() < 128) {
          if (captionTop < 0) captionTop = y;
          captionBottom = y;
        }
      }
    }
    ASSERT_GE(captionTop, 0);
    EXPECT_LT(captionTop, top);
    EXPECT_GT(captionBottom, top);
    EXPECT_NE(QColor(image.pixel(12, top)), line);  // the caption's margin
    // The first row of controls, 22 pixels down, stays clear of it.
    EXPECT_LT(captionBottom, 22);
  }
}

TEST_F(LookTest, EveryStarNameStaysInsideTheStarGroup) {
  Create();
  Show();
  auto* group = Get<QGroupBox>("GroupBox2");
  auto* name = Get<QLabel>("Label18");
  auto* spin = Get<TSpinEdit>("seNumStar");
  const int lastColumn = group->contentsRect().right();
  const int frame = group->width() - 1;
  ASSERT_GT(frame, lastColumn + 1);
  int condensed = 0;
  for (int star = 1; star <= 160; ++star) {
    SCOPED_TRACE(star);
    spin->setValue(star);
    ASSERT_EQ(name->text(), QString::fromStdString(StarTable(star).Name));
    // The label keeps its place and its face; only its width may narrow.
    EXPECT_EQ(name->pos(), QPoint(145, 54));
    EXPECT_EQ(name->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(name->font().pixelSize(), 15);
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->size(), name->sizeHint());
    EXPECT_LE(name->geometry().right(), lastColumn);
    const int stretch = name->font().stretch() == QFont::AnyStretch ? 100 : name->font().stretch();
    if (stretch != 100) {
      ++condensed;
      EXPECT_GE(stretch, 75);
      // No more condensed than needed.
      QLabel wider(name->text());
      QFont font = name->font();
      font.setStretch(stretch + 1);
      wider.setFont(font);
      EXPECT_GT(name->x() + wider.sizeHint().width() - 1, lastColumn);
    }
    // Drawn: nothing between the last column and the frame, the frame whole.
    const QImage image = Shot(group);
    for (int y = name->y(); y <= name->geometry().bottom(); ++y) {
      for (int x = lastColumn + 1; x < frame; ++x) ASSERT_EQ(QColor(image.pixel(x, y)), Qt::black) << x << "," << y;
      ASSERT_EQ(QColor(image.pixel(frame, y)), QColor(128, 128, 128)) << y;
    }
  }
  EXPECT_GE(condensed, 1);
  EXPECT_LE(condensed, 20);
  spin->setValue(1);
  EXPECT_EQ(name->font().stretch(), 100);
}

TEST_F(LookTest, TooltipsShowOverTheInactiveWindow) {
  Create();
  TForm2 about;
  form->SetAboutWindow(&about);
  Show();
  QWidget* mainButton = Get("SpeedButton1");
  QWidget* okButton = about.findChild<QWidget*>(QStringLiteral("SpeedButton1"));
  ASSERT_NE(okButton, nullptr);
  struct TCase {
    QWidget* active;
    QWidget* hovered;
    QString tip;
  };
  const TCase cases[] = {{&about, mainButton, QStringLiteral("Информация")},
                         {form.get(), okButton, QStringLiteral("Закрыть")}};
  QTest::mouseClick(mainButton, Qt::LeftButton);  // opens the About window
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.tip.toStdString());
    QToolTip::hideText();
    c.active->activateWindow();
    ASSERT_TRUE(Eventually([&] { return c.active->isActiveWindow(); }));
    ASSERT_FALSE(c.hovered->isActiveWindow());
    QTest::mouseMove(c.hovered, c.hovered->rect().center());
    EXPECT_TRUE(Eventually([&] { return QToolTip::isVisible() && QToolTip::text() == c.tip; }));
  }
  QToolTip::hideText();
}

TEST_F(LookTest, ADarkDesktopPaletteChangesNothingInTheMainWindow) {
  Create();
  Show();
  const QImage light = Shot(form.get());
  form.reset();
  const TApplicationPalette dark(DarkPalette());
  Create();
  Show();
  const QImage shot = Shot(form.get());
  ASSERT_EQ(shot.size(), light.size());
  int differing = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      if (shot.pixel(x, y) == light.pixel(x, y)) continue;
      if (differing++ == 0) {
        const QWidget* child = form->childAt(x, y);
        ADD_FAILURE() << "first difference at " << x << "," << y << " in "
                      << (child ? child->objectName().toStdString() : "the window");
      }
    }
  }
  EXPECT_EQ(differing, 0);

  // The two faults a dark theme showed: the flat buttons' captions on a dark
  // face, and the calendar's weekday header black on dark grey.
  for (const char* name : {"SpeedButton1", "SpeedButton2", "sbFi", "sbLam", "ChangeBtn"}) {
    const QImage image = Shot(Get(name));
    const QColor face = MostCommon(image, image.rect());
    EXPECT_GE(StrongestContrast(image, image.rect(), face), 7.0) << name;
  }
  auto* view = Get<QDateEdit>("DatePicker")->calendarWidget()->findChild<QTableView*>();
  ASSERT_NE(view, nullptr);
  for (int column = 1; column < view->model()->columnCount(); ++column) {
    const QModelIndex header = view->model()->index(0, column);
    const QColor text = header.data(Qt::ForegroundRole).value<QColor>();
    EXPECT_GE(Contrast(text, header.data(Qt::BackgroundRole).value<QColor>()), 3.0) << column;
  }
}

}  // namespace
}  // namespace tarvel
