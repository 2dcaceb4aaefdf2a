// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// TLabelShadow drawn offscreen. Fonts are drawn without antialiasing, so every
// text pixel is either fully covered or not at all. The expected pictures are
// built from the label's own plain (tsNone) rendering: its text pixels,
// shifted and recoloured, stacked in drawing order.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPalette>
#include <QPointer>
#include <climits>
#include <memory>
#include <vector>

#include "QtPrinters.h"
#include "widgets/LabelShadow.h"

namespace tarvel {
namespace {

const QColor kBackground(255, 255, 255);
const QColor kText(0, 0, 0);
const QColor kLight(255, 0, 0);         // Light: highlight edge
const QColor kDark(0, 0, 255);          // Dark: shadow edge
const QColor kGrey(128, 128, 128);      // Disabled WindowText
const QColor kYellow(255, 255, 0);      // an explicit shadow colour
const QColor kDisabledLight(0, 255, 255);
const QColor kDisabledDark(255, 0, 255);
const QColor kParent(0, 160, 0);

QPalette TestPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, kBackground);
  palette.setColor(QPalette::WindowText, kText);
  palette.setColor(QPalette::Light, kLight);
  palette.setColor(QPalette::Dark, kDark);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kGrey);
  palette.setColor(QPalette::Disabled, QPalette::Text, kYellow);
  palette.setColor(QPalette::Disabled, QPalette::Light, kDisabledLight);
  palette.setColor(QPalette::Disabled, QPalette::Dark, kDisabledDark);
  return palette;
}

QFont TestFont(int pixels = 22) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

template <class TLabelKind = TLabelShadow>
std::unique_ptr<TLabelKind> MakeLabel(const QString& caption, QSize size = QSize(120, 40)) {
  auto label = std::make_unique<TLabelKind>();
  label->setPalette(TestPalette());
  label->setFont(TestFont());
  label->setAutoFillBackground(true);
  label->setText(caption);
  label->resize(size);
  return label;
}

QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(QColor(1, 2, 3));
  widget.render(&image);
  return image;
}

// Text pixels of a plain rendering in kText on kBackground.
struct TMask {
  int width = 0;
  int height = 0;
  std::vector<bool> on;
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height && on[static_cast<std::size_t>(y * width + x)];
  }
};

TMask MaskOf(const QImage& plain) {
  TMask mask{plain.width(), plain.height(), {}};
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      const QRgb p = plain.pixel(x, y);
      EXPECT_TRUE(p == kText.rgb() || p == kBackground.rgb()) << "not a two-colour rendering at " << x << "," << y;
      mask.on.push_back(p == kText.rgb());
    }
  }
  return mask;
}

struct TLayer {
  QColor colour;
  int dx;
  int dy;
};

QImage Compose(const TMask& mask, const std::vector<TLayer>& layers) {
  QImage image(mask.width, mask.height, QImage::Format_RGB32);
  image.fill(kBackground);
  for (const TLayer& layer : layers) {
    for (int y = 0; y < mask.height; ++y) {
      for (int x = 0; x < mask.width; ++x) {
        if (mask.At(x - layer.dx, y - layer.dy)) image.setPixel(x, y, layer.colour.rgb());
      }
    }
  }
  return image;
}

int CountColour(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour.rgb();
  }
  return n;
}

// The first pixel where two pictures differ, for the failure message.
QString FirstDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return QStringLiteral("sizes differ");
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) {
        return QStringLiteral("%1,%2: %3 vs %4")
            .arg(x)
            .arg(y)
            .arg(QColor(a.pixel(x, y)).name(), QColor(b.pixel(x, y)).name());
      }
    }
  }
  return QStringLiteral("equal");
}

QImage PlainRendering(const QString& caption) {
  auto plain = MakeLabel(caption);
  plain->SetTextStyle(TTextStyle::tsNone);
  return Render(*plain);
}

// ---------------------------------------------------------------------------

TEST(LabelShadow, DefaultsAreRecessedDepthTwoAndThePaletteDarkEdge) {
  TLabelShadow label;
  EXPECT_EQ(label.TextStyle(), TTextStyle::tsRecessed);
  EXPECT_EQ(label.ShadowDepth(), 2);
  EXPECT_TRUE(label.HasSystemShadowColor());
  EXPECT_TRUE(label.ShowAccelChar());
  EXPECT_EQ(label.ShadowColor(), label.palette().color(QPalette::Dark));

  // The default shadow colour follows the palette.
  label.setPalette(TestPalette());
  EXPECT_EQ(label.ShadowColor(), kDark);
  EXPECT_TRUE(label.HasSystemShadowColor());
}

TEST(LabelShadow, TextStyleIsAOneByteEnumWithTheseOrdinals) {
  static_assert(sizeof(TTextStyle) == 1);
  const QMetaEnum e = QMetaEnum::fromType<TTextStyle>();
  ASSERT_TRUE(e.isValid());
  ASSERT_EQ(e.keyCount(), 4);
  const char* names[] = {"tsNone", "tsRaised", "tsRecessed", "tsShadow"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_STREQ(e.key(i), names[i]);
    EXPECT_EQ(e.value(i), i);
  }
}

TEST(LabelShadow, PropertiesAreReachableByName) {
  TLabelShadow label;
  EXPECT_EQ(label.property("TextStyle").value<TTextStyle>(), TTextStyle::tsRecessed);
  EXPECT_TRUE(label.setProperty("TextStyle", QVariant::fromValue(TTextStyle::tsShadow)));
  EXPECT_TRUE(label.setProperty("ShadowDepth", 3));
  EXPECT_TRUE(label.setProperty("ShadowColor", kYellow));
  EXPECT_TRUE(label.setProperty("ShowAccelChar", false));
  EXPECT_EQ(label.TextStyle(), TTextStyle::tsShadow);
  EXPECT_EQ(label.ShadowDepth(), 3);
  EXPECT_EQ(label.ShadowColor(), kYellow);
  EXPECT_FALSE(label.ShowAccelChar());

  // Resetting ShadowColor returns it to the palette colour.
  const QMetaObject* meta = label.metaObject();
  const QMetaProperty colour = meta->property(meta->indexOfProperty("ShadowColor"));
  ASSERT_TRUE(colour.isResettable());
  EXPECT_TRUE(colour.reset(&label));
  EXPECT_TRUE(label.HasSystemShadowColor());
  // The label's own properties come on top of all of QLabel's.
  EXPECT_EQ(meta->propertyCount(), QLabel::staticMetaObject.propertyCount() + 4);
}

TEST(LabelShadow, WritersStoreEveryValueUnchanged) {
  TLabelShadow label;
  for (int depth : {0, -1, -7, 1000, INT_MIN, INT_MAX}) {
    label.SetShadowDepth(depth);
    EXPECT_EQ(label.ShadowDepth(), depth);
  }
  for (const QColor& colour : {QColor(0, 0, 0, 0), QColor(1, 2, 3), kYellow}) {
    label.SetShadowColor(colour);
    EXPECT_EQ(label.ShadowColor(), colour);
    EXPECT_FALSE(label.HasSystemShadowColor());
  }
  label.SetShadowColor(QColor());
  EXPECT_TRUE(label.HasSystemShadowColor());
  // An explicit colour equal to the palette's stops following the palette.
  label.setPalette(TestPalette());
  label.SetShadowColor(kDark);
  EXPECT_FALSE(label.HasSystemShadowColor());
  QPalette other = TestPalette();
  other.setColor(QPalette::Dark, kGrey);
  label.setPalette(other);
  EXPECT_EQ(label.ShadowColor(), kDark);
}

// ---------------------------------------------------------------------------
// The effects, pixel by pixel.

struct TEffectCase {
  const char* name;
  void (*setUp)(TLabelShadow&);
  std::vector<TLayer> layers;  // copies, then the text
  bool copiesShow;             // some copy pixel stays visible
};

const std::vector<TEffectCase>& EffectCases() {
  static const std::vector<TEffectCase> cases = {
      {"never set: recessed", [](TLabelShadow&) {}, {{kLight, 1, 1}, {kDark, -1, -1}, {kText, 0, 0}}, true},
      {"raised", [](TLabelShadow& l) { l.SetTextStyle(TTextStyle::tsRaised); },
       {{kDark, 1, 1}, {kLight, -1, -1}, {kText, 0, 0}}, true},
      {"recessed", [](TLabelShadow& l) { l.SetTextStyle(TTextStyle::tsRecessed); },
       {{kLight, 1, 1}, {kDark, -1, -1}, {kText, 0, 0}}, true},
      {"shadow, depth 3, yellow",
       [](TLabelShadow& l) {
         l.SetTextStyle(TTextStyle::tsShadow);
         l.SetShadowDepth(3);
         l.SetShadowColor(kYellow);
       },
       {{kYellow, 3, 3}, {kText, 0, 0}}, true},
      {"shadow, default depth and colour", [](TLabelShadow& l) { l.SetTextStyle(TTextStyle::tsShadow); },
       {{kDark, 2, 2}, {kText, 0, 0}}, true},
      {"shadow, depth 0: hidden under the text",
       [](TLabelShadow& l) {
         l.SetTextStyle(TTextStyle::tsShadow);
         l.SetShadowDepth(0);
         l.SetShadowColor(kYellow);
       },
       {{kText, 0, 0}}, false},
      {"shadow, depth -2: above left",
       [](TLabelShadow& l) {
         l.SetTextStyle(TTextStyle::tsShadow);
         l.SetShadowDepth(-2);
         l.SetShadowColor(kYellow);
       },
       {{kYellow, -2, -2}, {kText, 0, 0}}, true},
      {"shadow, depth far beyond the label",
       [](TLabelShadow& l) {
         l.SetTextStyle(TTextStyle::tsShadow);
         l.SetShadowDepth(INT_MIN);
         l.SetShadowColor(kYellow);
       },
       {{kText, 0, 0}}, false},
      {"disabled recessed: only the text turns grey", [](TLabelShadow& l) { l.setEnabled(false); },
       {{kLight, 1, 1}, {kDark, -1, -1}, {kGrey, 0, 0}}, true},
      {"disabled raised",
       [](TLabelShadow& l) {
         l.setEnabled(false);
         l.SetTextStyle(TTextStyle::tsRaised);
       },
       {{kDark, 1, 1}, {kLight, -1, -1}, {kGrey, 0, 0}}, true},
      {"disabled shadow",
       [](TLabelShadow& l) {
         l.setEnabled(false);
         l.SetTextStyle(TTextStyle::tsShadow);
         l.SetShadowDepth(3);
         l.SetShadowColor(kYellow);
       },
       {{kYellow, 3, 3}, {kGrey, 0, 0}}, true},
      {"none: the plain text", [](TLabelShadow& l) { l.SetTextStyle(TTextStyle::tsNone); }, {{kText, 0, 0}}, false},
  };
  return cases;
}

// Captions: letters with descenders; accelerator marks (the underline and
// the single "&" are part of every copy); a caption wider than the label,
// cut at its right edge; lines below the label's bottom, where each copy is
// cut at the bottom of its own rectangle.
const char* const kEffectCaptions[] = {"Tg", "&Ab && c", "Wide caption", "Tg\nTg\nTg"};

TEST(LabelShadow, EffectsStackCopiesAndTextAtTheirOffsets) {
  for (const char* caption : kEffectCaptions) {
    const TMask mask = MaskOf(PlainRendering(QString::fromUtf8(caption)));
    for (const TEffectCase& c : EffectCases()) {
      SCOPED_TRACE(std::string(c.name) + " / " + caption);
      auto label = MakeLabel(QString::fromUtf8(caption));
      c.setUp(*label);
      const QImage actual = Render(*label);
      const QImage expected = Compose(mask, c.layers);
      EXPECT_TRUE(actual == expected) << FirstDifference(actual, expected).toStdString();
      // The case is not trivially met: its copies do show.
      const QImage textOnly = Compose(mask, {c.layers.back()});
      EXPECT_EQ(expected != textOnly, c.copiesShow);
    }
  }
}

TEST(LabelShadow, TheDefaultStyleShowsLightBelowRightAndDarkAboveLeft) {
  // A direct look at one stroke: the left edge of "l" has a dark pixel just
  // left of the text and the right edge a light pixel just right of it.
  auto label = MakeLabel(QStringLiteral("l"));
  const QImage image = Render(*label);
  const TMask mask = MaskOf(PlainRendering(QStringLiteral("l")));
  int lightBelowRight = 0;
  int darkAboveLeft = 0;
  for (int y = 1; y + 1 < image.height(); ++y) {
    for (int x = 1; x + 1 < image.width(); ++x) {
      if (!mask.At(x, y)) continue;
      EXPECT_EQ(image.pixel(x, y), kText.rgb());
      // Below right: light, unless the text or the dark copy covers it.
      if (!mask.At(x + 1, y + 1) && !mask.At(x + 2, y + 2)) {
        EXPECT_EQ(QColor(image.pixel(x + 1, y + 1)), kLight) << x + 1 << "," << y + 1;
        ++lightBelowRight;
      }
      // Above left: dark, unless the text covers it.
      if (!mask.At(x - 1, y - 1)) {
        EXPECT_EQ(QColor(image.pixel(x - 1, y - 1)), kDark) << x - 1 << "," << y - 1;
        ++darkAboveLeft;
      }
    }
  }
  EXPECT_GT(lightBelowRight, 0);
  EXPECT_GT(darkAboveLeft, 0);
}

TEST(LabelShadow, EachCopyIsCutAtItsOwnRectangle) {
  // An italic "j" reaches left of its start; moved three pixels right, the
  // part of the shadow left of the moved rectangle is cut off although it
  // lies inside the label.
  QFont italic = TestFont();
  italic.setItalic(true);
  ASSERT_LE(QFontMetrics(italic).leftBearing(QLatin1Char('j')), -2);
  auto label = MakeLabel(QStringLiteral("jj"));
  label->setFont(italic);
  label->SetTextStyle(TTextStyle::tsShadow);
  label->SetShadowColor(kYellow);
  label->SetShadowDepth(3);
  const QImage image = Render(*label);
  EXPECT_GT(CountColour(image, kYellow), 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_NE(QColor(image.pixel(x, y)), kYellow) << x << "," << y;
  }
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < 3; ++y) EXPECT_NE(QColor(image.pixel(x, y)), kYellow) << x << "," << y;
  }
}

// ---------------------------------------------------------------------------
// tsNone against Qt's own label, laid out from the top.

TEST(LabelShadow, NoneLooksLikeAPlainLabelDrawnFromTheTop) {
  struct TCase {
    Qt::Alignment ours;
    Qt::Alignment plain;
    bool wrap;
  };
  const TCase cases[] = {
      {Qt::AlignLeft | Qt::AlignTop, Qt::AlignLeft | Qt::AlignTop, false},
      {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignTop, false},
      {Qt::AlignHCenter | Qt::AlignBottom, Qt::AlignHCenter | Qt::AlignTop, false},
      {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignTop, false},
      {Qt::AlignCenter, Qt::AlignHCenter | Qt::AlignTop, true},
      {Qt::AlignRight | Qt::AlignBottom, Qt::AlignRight | Qt::AlignTop, true},
  };
  const QString caption = QStringLiteral("Words that wrap at the edge");
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "alignment " << c.ours << " wrap " << c.wrap);
    auto ours = MakeLabel(caption, QSize(150, 90));
    ours->SetTextStyle(TTextStyle::tsNone);
    ours->setAlignment(c.ours);
    ours->setWordWrap(c.wrap);
    auto plain = MakeLabel<QLabel>(caption, QSize(150, 90));
    plain->setTextFormat(Qt::PlainText);
    plain->setAlignment(c.plain);
    plain->setWordWrap(c.wrap);
    const QImage a = Render(*ours);
    const QImage b = Render(*plain);
    EXPECT_TRUE(a == b) << FirstDifference(a, b).toStdString();
    EXPECT_GT(CountColour(a, kText), 0);
  }
}

TEST(LabelShadow, TabsMoveToTheNextTabStop) {
  const auto rightmostText = [](const QImage& image) {
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == kText.rgb()) right = std::max(right, x);
      }
    }
    return right;
  };
  auto tab = MakeLabel(QStringLiteral("a\tb"), QSize(300, 40));
  auto space = MakeLabel(QStringLiteral("a b"), QSize(300, 40));
  tab->SetTextStyle(TTextStyle::tsNone);
  space->SetTextStyle(TTextStyle::tsNone);
  // A tab stop lies eight "x" widths from the start.
  const int tabStop = 8 * QFontMetrics(TestFont()).horizontalAdvance(QLatin1Char('x'));
  EXPECT_GE(rightmostText(Render(*tab)), tabStop);
  EXPECT_LT(rightmostText(Render(*space)), tabStop);
}

// ---------------------------------------------------------------------------

TEST(LabelShadow, ATransparentLabelLetsItsParentShowThrough) {
  for (bool fill : {false, true}) {
    SCOPED_TRACE(fill ? "filled" : "transparent");
    QWidget parent;
    QPalette parentPalette;
    parentPalette.setColor(QPalette::Window, kParent);
    parent.setPalette(parentPalette);
    parent.setAutoFillBackground(true);
    parent.resize(140, 60);
    auto* label = new TLabelShadow(QStringLiteral("Tg"), &parent);
    label->setPalette(TestPalette());
    label->setFont(TestFont());
    label->setAutoFillBackground(fill);
    label->setGeometry(10, 10, 100, 40);
    const QImage image = Render(parent);
    // A corner of the label that no copy reaches.
    EXPECT_EQ(QColor(image.pixel(10 + 99, 10 + 39)), fill ? kBackground : kParent);
    EXPECT_EQ(QColor(image.pixel(5, 5)), kParent);
    EXPECT_GT(CountColour(image, kText), 0);
  }
}

// ---------------------------------------------------------------------------
// Writing a property with the value it holds repaints nothing.

class TCountingLabel : public TLabelShadow {
 public:
  using TLabelShadow::TLabelShadow;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    TLabelShadow::paintEvent(event);
  }
};

// Delivers every pending update and paint.
void Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

TEST(LabelShadow, WritingTheStoredValueCausesNoRepaint) {
  struct TCase {
    const char* name;
    void (*write)(TLabelShadow&);
    bool repaints;
  };
  const TCase cases[] = {
      {"TextStyle same", [](TLabelShadow& l) { l.SetTextStyle(TTextStyle::tsRecessed); }, false},
      {"ShadowDepth same", [](TLabelShadow& l) { l.SetShadowDepth(2); }, false},
      {"ShadowColor system again", [](TLabelShadow& l) { l.ResetShadowColor(); }, false},
      {"ShadowColor invalid = system", [](TLabelShadow& l) { l.SetShadowColor(QColor()); }, false},
      {"ShowAccelChar same", [](TLabelShadow& l) { l.SetShowAccelChar(true); }, false},
      {"TextStyle other", [](TLabelShadow& l) { l.SetTextStyle(TTextStyle::tsShadow); }, true},
      {"ShadowDepth other", [](TLabelShadow& l) { l.SetShadowDepth(0); }, true},
      {"ShadowColor explicit", [](TLabelShadow& l) { l.SetShadowColor(kYellow); }, true},
      {"ShowAccelChar other", [](TLabelShadow& l) { l.SetShowAccelChar(false); }, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TCountingLabel label(QStringLiteral("Tg"));
    label.resize(80, 40);
    label.show();
    QElapsedTimer waited;
    waited.start();
    while (label.paints == 0 && waited.elapsed() < 5000) Settle();
    ASSERT_GT(label.paints, 0) << "the label was never painted";
    Settle();
    label.paints = 0;
    c.write(label);
    Settle();
    EXPECT_EQ(label.paints > 0, c.repaints);
  }
}

TEST(LabelShadow, WritingTheStoredExplicitColourCausesNoRepaint) {
  TCountingLabel label(QStringLiteral("Tg"));
  label.SetShadowColor(kYellow);
  label.resize(80, 40);
  label.show();
  QElapsedTimer waited;
  waited.start();
  while (label.paints == 0 && waited.elapsed() < 5000) Settle();
  ASSERT_GT(label.paints, 0);
  label.paints = 0;
  label.SetShadowColor(QColor(255, 255, 0));
  label.SetShadowColor(label.ShadowColor());
  Settle();
  EXPECT_EQ(label.paints, 0);
}

// ---------------------------------------------------------------------------

TEST(LabelShadow, CaptionIsCutTo255Characters) {
  // Words of nine letters and a blank: characters 254 and 255 (zero-based)
  // are letters.
  QString caption;
  for (int i = 0; i < 300; ++i) caption += (i % 10 == 9) ? QLatin1Char(' ') : QLatin1Char('a' + i % 10);
  ASSERT_NE(caption.at(254), QLatin1Char(' '));
  ASSERT_NE(caption.at(255), QLatin1Char(' '));
  const auto render = [](const QString& text, bool plain) {
    auto ours = MakeLabel(text, QSize(420, 400));
    ours->setFont(TestFont(14));
    ours->setWordWrap(true);
    ours->SetTextStyle(TTextStyle::tsNone);
    auto qt = MakeLabel<QLabel>(text, QSize(420, 400));
    qt->setFont(TestFont(14));
    qt->setWordWrap(true);
    qt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return plain ? Render(*qt) : Render(*ours);
  };
  // Qt's own label, which draws the whole caption, shows where character 255
  // would appear.
  const QImage first255 = render(caption.left(255), true);
  ASSERT_FALSE(first255 == render(caption.left(256), true));
  ASSERT_FALSE(first255 == render(caption.left(254), true));

  EXPECT_TRUE(render(caption, false) == first255);
  EXPECT_TRUE(render(caption.left(256), false) == first255);
  EXPECT_TRUE(render(caption.left(255), false) == first255);
  EXPECT_FALSE(render(caption.left(254), false) == first255);
}

TEST(LabelShadow, CutCaptionKeepsSurrogatePairsWhole) {
  struct TCase {
    QString caption;
    qsizetype size;
  };
  const QString a254(254, QLatin1Char('a'));
  const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 units
  const TCase cases[] = {
      {QString(), 0},
      {QString(255, QLatin1Char('a')), 255},
      {QString(256, QLatin1Char('a')), 255},
      {QString(300, QChar(0x0416)), 255},   // Cyrillic letters
      {a254 + smile + QStringLiteral("b"), 254},
      {QString(253, QLatin1Char('a')) + smile + QStringLiteral("b"), 255},
  };
  for (const TCase& c : cases) {
    const QString cut = TLabelShadow::CutCaption(c.caption);
    EXPECT_EQ(cut.size(), c.size);
    EXPECT_TRUE(c.caption.startsWith(cut));
  }
}

// ---------------------------------------------------------------------------
// The accelerator prefix.

TEST(LabelShadow, AmpersandUnderlinesTheNextCharacterAndDoubleDrawsOne) {
  const QImage marked = PlainRendering(QStringLiteral("&Ab && c"));
  auto literal = MakeLabel(QStringLiteral("Ab & c"));
  literal->SetTextStyle(TTextStyle::tsNone);
  literal->SetShowAccelChar(false);
  const QImage bare = Render(*literal);
  const QFontMetrics metrics(TestFont());
  int underline = 0;
  for (int y = 0; y < marked.height(); ++y) {
    for (int x = 0; x < marked.width(); ++x) {
      if (marked.pixel(x, y) == bare.pixel(x, y)) continue;
      // The only extra ink is a line under "A", below the base line.
      EXPECT_EQ(marked.pixel(x, y), kText.rgb()) << x << "," << y;
      EXPECT_GE(y, metrics.ascent()) << x << "," << y;
      EXPECT_LE(x, metrics.horizontalAdvance(QLatin1Char('A'))) << x << "," << y;
      ++underline;
    }
  }
  EXPECT_GE(underline, metrics.horizontalAdvance(QLatin1Char('A')) / 2);
}

TEST(LabelShadow, WithoutAccelCharEveryAmpersandIsDrawnAsItStands) {
  for (TTextStyle style : {TTextStyle::tsNone, TTextStyle::tsRecessed, TTextStyle::tsShadow}) {
    SCOPED_TRACE(static_cast<int>(style));
    auto literal = MakeLabel(QStringLiteral("&Ab && c"), QSize(160, 40));
    literal->SetShowAccelChar(false);
    literal->SetTextStyle(style);
    auto doubled = MakeLabel(QStringLiteral("&&Ab &&&& c"), QSize(160, 40));
    doubled->SetTextStyle(style);
    auto marked = MakeLabel(QStringLiteral("&Ab && c"), QSize(160, 40));
    marked->SetTextStyle(style);
    const QImage a = Render(*literal);
    const QImage b = Render(*doubled);
    EXPECT_TRUE(a == b) << FirstDifference(a, b).toStdString();
    EXPECT_FALSE(a == Render(*marked));
  }
}

}  // namespace
}  // namespace tarvel
